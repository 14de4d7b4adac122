#include "platform/HarfPayi.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>

namespace {

// The first and last rows holding ink of Metin written as a label writes it,
// its line starting at row Bas of the image.
std::pair<int, int> MurekkepSatirlari(const QFont& Yazi, const QString& Metin, int Bas, int Yukseklik) {
    const QFontMetrics olcu(Yazi);
    QImage r(olcu.horizontalAdvance(Metin) + 8, Yukseklik, QImage::Format_RGB32);
    r.fill(Qt::white);
    {
        QPainter p(&r);
        p.setFont(Yazi);
        p.setPen(Qt::black);
        // Unclipped: the line is often a fraction of a row higher than the
        // rounded height, and a clip to the rectangle would cut off the very
        // rows looked for.
        p.drawText(QRect(4, Bas, r.width() - 8, olcu.height()), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, Metin);
    }
    int ilk = -1, son = -1;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (r.pixel(x, y) != qRgb(255, 255, 255)) {
                if (ilk < 0) ilk = y;
                son = y;
                break;
            }
    return {ilk, son};
}

constexpr const char* kEkUst = "HarfPayiUst";
constexpr const char* kEkAlt = "HarfPayiAlt";

bool ResimEtiketi(const QLabel* l) {
    if (!l->pixmap().isNull() || l->minimumHeight() == l->maximumHeight()) return true;
    for (QWidget* u = l->parentWidget(); u; u = u->parentWidget())
        if (auto* a = qobject_cast<QScrollArea*>(u)) return a->widget() == l;
    return false;
}

// Replaces the margins added before by those of the label's present font.
void PayiVer(QLabel* l) {
    if (ResimEtiketi(l)) return;
    const QMargins eski(0, l->property(kEkUst).toInt(), 0, l->property(kEkAlt).toInt());
    const QMargins yeni = HarfPayi(l->font());
    if (eski == yeni) return;
    l->setProperty(kEkUst, yeni.top());
    l->setProperty(kEkAlt, yeni.bottom());
    l->setContentsMargins(l->contentsMargins() - eski + yeni);
}

class HarfPayiSuzgeci : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Polish || e->type() == QEvent::FontChange)
            if (auto* l = qobject_cast<QLabel*>(o)) PayiVer(l);
        return false;
    }
};

}  // namespace

QMargins HarfPayi(const QFont& Yazi) {
    static QHash<QString, QMargins> onbellek;
    const QString anahtar = Yazi.key();
    if (auto it = onbellek.constFind(anahtar); it != onbellek.constEnd()) return *it;
    const QFontMetrics olcu(Yazi);
    const int h = olcu.height();
    // The line starts h rows down, with room on both sides.
    const auto ust = MurekkepSatirlari(Yazi, QString::fromUtf8("ÖÜİĞÂÎÛ"), h, 3 * h);
    const auto alt = MurekkepSatirlari(Yazi, QString::fromUtf8("ÇŞçşğgjpqy"), h, 3 * h);
    // Ink on the line's first or last row, or beyond: the rows beyond and one
    // more, so that a dot never touches the label's edge.
    const QMargins pay(0, ust.first < 0 || ust.first > h ? 0 : h - ust.first + 1, 0,
                       alt.second < 2 * h - 1 ? 0 : alt.second - (2 * h - 1) + 1);
    onbellek.insert(anahtar, pay);
    return pay;
}

void HarfPaylariniKur() {
    static bool kuruldu = false;
    if (kuruldu || !qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    kuruldu = true;
    // Fully hinted glyphs: the dots of Ö, Ü and İ fall on whole pixel rows in
    // the text's full colour; with the lighter hinting they were a pale grey
    // row that read as "O", "U", "I".
    QFont yazi = QApplication::font();
    yazi.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(yazi);
    qApp->installEventFilter(new HarfPayiSuzgeci(qApp));
}
