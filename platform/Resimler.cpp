#include "platform/Resimler.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "platform/Kaynaklar.h"
#include "platform/TurkceMetin.h"

namespace {

const std::string kKlasor = "resimler/";
const std::string kUzanti = ".svg";

// Every picture: its upper-cased name without ".svg" and its resource name.
const std::vector<std::pair<std::string, std::string>>& ResimDizini() {
    static const std::vector<std::pair<std::string, std::string>> dizin = [] {
        std::vector<std::pair<std::string, std::string>> d;
        for (const std::string& k : KaynakAdlari()) {
            if (k.size() <= kKlasor.size() + kUzanti.size() || k.compare(0, kKlasor.size(), kKlasor) != 0 ||
                AsciiBuyuk(k.substr(k.size() - kUzanti.size())) != AsciiBuyuk(kUzanti))
                continue;
            d.emplace_back(AsciiBuyuk(k.substr(kKlasor.size(), k.size() - kKlasor.size() - kUzanti.size())), k);
        }
        return d;
    }();
    return dizin;
}

// The resource text of a picture, found by its upper-cased name.
std::string_view ResimMetni(const std::string& Ad) {
    const std::string aranan = AsciiBuyuk(Ad);
    for (const auto& [ad, kaynak] : ResimDizini())
        if (ad == aranan) return KaynakMetni(kaynak);
    return {};
}

}  // namespace

bool ResimVar(const std::string& Ad) { return !ResimMetni(Ad).empty(); }

QSize ResimBoyutu(const std::string& Ad) {
    const std::string_view m = ResimMetni(Ad);
    if (m.empty()) return {};
    QSvgRenderer r(QByteArray(m.data(), static_cast<qsizetype>(m.size())));
    return r.isValid() ? r.defaultSize() : QSize();
}

QImage ResimCiz(const std::string& Ad, QSize Boyut) {
    const std::string_view m = ResimMetni(Ad);
    if (m.empty()) return {};
    QSvgRenderer r(QByteArray(m.data(), static_cast<qsizetype>(m.size())));
    if (!r.isValid()) return {};
    const QSize kendi = r.defaultSize();
    if (Boyut.isEmpty()) Boyut = kendi;
    if (Boyut.isEmpty()) return {};
    QImage img(Boyut, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QSize hedef = kendi.isEmpty() ? Boyut : kendi.scaled(Boyut, Qt::KeepAspectRatio);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p, QRectF((Boyut.width() - hedef.width()) / 2.0, (Boyut.height() - hedef.height()) / 2.0,
                        hedef.width(), hedef.height()));
    return img;
}

void ResmiGoster(QLabel* Resim, const std::string& Ad) {
    if (!Resim) return;
    QSize boyut = Resim->size();
    if (boyut.isEmpty()) boyut = ResimBoyutu(Ad);
    const QImage img = ResimCiz(Ad, boyut);
    if (img.isNull()) {
        Resim->hide();
        return;
    }
    Resim->setPixmap(QPixmap::fromImage(img));
    Resim->show();
}

std::vector<std::string> ResimAdlari() {
    std::vector<std::string> adlar;
    for (const auto& [ad, kaynak] : ResimDizini()) adlar.push_back(ad);
    return adlar;
}
