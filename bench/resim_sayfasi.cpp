// Writes every picture the windows ask for, each at the size it is drawn at,
// into one PNG sheet with its name under it, so that the drawings can be
// looked at together.
//
//   resim_sayfasi [sheet.png] [scale] [percent]
//
// The scale (default 1) enlarges the whole sheet for a closer look; the
// pictures are still rendered at their own size first. The percent (default
// 100) renders every picture smaller or larger than its own size, as a window
// with a smaller or larger picture box shows it.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <string>

#include "model/Tipler.h"
#include "platform/Resimler.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString yol = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resimler.png");
    const int olcek = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
    const int yuzde = argc > 3 ? std::clamp(std::atoi(argv[3]), 10, 400) : 100;

    auto resimler = PencereResimleri();
    for (auto& r : resimler) {
        r.Genislik = std::max(1, r.Genislik * yuzde / 100);
        r.Yukseklik = std::max(1, r.Yukseklik * yuzde / 100);
    }
    const int sayfaGenisligi = 1200, bosluk = 10, yaziYuksekligi = 16;
    // Lay the pictures out in rows, left to right.
    struct Yer {
        int x, y;
    };
    std::vector<Yer> yerler;
    int x = bosluk, y = bosluk, satirYuksekligi = 0;
    for (const auto& r : resimler) {
        const int g = std::max(r.Genislik, 70);
        if (x + g + bosluk > sayfaGenisligi) {
            x = bosluk;
            y += satirYuksekligi + yaziYuksekligi + bosluk;
            satirYuksekligi = 0;
        }
        yerler.push_back({x, y});
        x += g + bosluk;
        satirYuksekligi = std::max(satirYuksekligi, r.Yukseklik);
    }
    const int sayfaYuksekligi = y + satirYuksekligi + yaziYuksekligi + bosluk;

    QImage sayfa(sayfaGenisligi, sayfaYuksekligi, QImage::Format_RGB32);
    sayfa.fill(Qt::white);
    QPainter p(&sayfa);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    p.setFont(f);
    int eksik = 0;
    for (std::size_t i = 0; i < resimler.size(); ++i) {
        const auto& r = resimler[i];
        const QRect kutu(yerler[i].x, yerler[i].y, r.Genislik, r.Yukseklik);
        p.setPen(QColor(220, 220, 220));
        p.drawRect(kutu.adjusted(-1, -1, 0, 0));
        const QImage img = ResimCiz(r.Ad, QSize(r.Genislik, r.Yukseklik));
        if (img.isNull()) {
            ++eksik;
            p.setPen(Qt::red);
            p.drawText(kutu, Qt::AlignCenter, "YOK");
        } else {
            p.drawImage(kutu.topLeft(), img);
        }
        p.setPen(Qt::black);
        p.drawText(QRect(kutu.left(), kutu.bottom() + 2, std::max(r.Genislik, 70), yaziYuksekligi),
                   Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(r.Ad));
    }
    p.end();
    const QImage cikti = olcek == 1 ? sayfa : sayfa.scaled(sayfa.size() * olcek, Qt::KeepAspectRatio, Qt::FastTransformation);
    if (!cikti.save(yol)) {
        std::fprintf(stderr, "%s yazılamadı\n", yol.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%zu resim, %d eksik: %s\n", resimler.size(), eksik, yol.toLocal8Bit().constData());
    return eksik == 0 ? 0 : 1;
}
