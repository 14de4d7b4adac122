#include "drawing/CizimBoyama.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "drawing/CizimGeometrisi.h"
#include "drawing/KuvvetDiyagramlari.h"
#include "model/LibU.h"
#include "model/Tipler.h"

namespace {

const QColor kGri(128, 128, 128);
const QColor kKirmizi(255, 0, 0);
const QColor kMavi(0, 0, 255);
const QColor kBeyaz(255, 255, 255);
const QColor kSiyah(0, 0, 0);
const QColor kMenu(240, 240, 240);
const QColor kGriYazi(109, 109, 109);

int Yuvarla(double x) {
    const double r = std::nearbyint(x);
    return r == 0 ? 0 : static_cast<int>(r);
}
QPoint Yuvarla(double x, double y) { return {Yuvarla(x), Yuvarla(y)}; }

QFont Yazi(int Punto) {
    QFont f("Arial");
    f.setPixelSize(YaziPikseli(Punto));
    return f;
}

// Text by its top-left corner.
void Yaz(QPainter& p, int x, int y, const QString& s) {
    p.drawText(QRect(x, y, 2000, 200), Qt::AlignLeft | Qt::AlignTop, s);
}

// Text turned by a degrees counter-clockwise about its top-left corner. A
// small glyph's thin strokes are smoothed into pale pixels, and turned it
// also loses the pixel grid its strokes were fitted to: a digit keeps enough
// of its strokes to be read, but the minus (one short stroke) and the
// decimal point (one small dot) can fade to a pale pixel or two. So the
// digits are written as text, and the minus and the point are drawn in
// their places as a line and a dot in whole pixels of the text's colour,
// each as wide as the glyph's own stroke and never thinner than a pixel.
void DondurulmusYaziYaz(QPainter& p, double a, int x, int y, const QString& s) {
    const QFont yazi = p.font();
    const QFontMetrics olcu(yazi);
    const QColor renk = p.pen().color();
    std::vector<bool> isaretMi(static_cast<std::size_t>(s.size()), false);
    struct Isaret {
        QRectF kutu;  // the glyph's ink in the level text's coordinates
        double son;   // where its cell ends
        bool eksi;
    };
    std::vector<Isaret> isaretler;
    for (int i = 0; i < s.size(); ++i) {
        const bool eksi = s[i] == u'-' || s[i] == QChar(0x2212);
        if (!eksi && s[i] != u'.') continue;
        QPainterPath yol;
        yol.addText(olcu.horizontalAdvance(s.left(i)), olcu.ascent(), yazi, QString(s[i]));
        isaretler.push_back({yol.boundingRect(), static_cast<double>(olcu.horizontalAdvance(s.left(i + 1))), eksi});
        isaretMi[static_cast<std::size_t>(i)] = true;
    }
    p.save();
    p.translate(x, y);
    p.rotate(-a);
    // Every digit where the whole text puts it.
    for (int i = 0; i < s.size(); ++i)
        if (!isaretMi[static_cast<std::size_t>(i)]) Yaz(p, olcu.horizontalAdvance(s.left(i)), 0, QString(s[i]));
    const QTransform donus = p.transform();
    p.restore();

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const Isaret& k : isaretler) {
        const double kalinlik = std::max(1.0, std::round(std::min(k.kutu.width(), k.kutu.height())));
        if (k.eksi) {
            // From the glyph's left edge to a pixel before the next digit.
            const double orta = k.kutu.center().y();
            const double sag = std::max(k.kutu.right(), k.son - 1) - 0.5;
            const QPointF A = donus.map(QPointF(k.kutu.left() + 0.5, orta)), B = donus.map(QPointF(sag, orta));
            QPen kalem(renk, kalinlik == 1 ? 0 : kalinlik);
            kalem.setCapStyle(Qt::SquareCap);
            p.setPen(kalem);
            p.drawLine(A, B);
        } else {
            // A square of whole pixels round the dot's centre.
            const QPointF m = donus.map(k.kutu.center());
            const int d = static_cast<int>(kalinlik);
            p.fillRect(QRect(static_cast<int>(std::floor(m.x() - d / 2.0 + 0.5)),
                             static_cast<int>(std::floor(m.y() - d / 2.0 + 0.5)), d, d),
                       renk);
        }
    }
    p.restore();
}

QPen Kalem(const QColor& renk, int kalinlik = 1, Qt::PenStyle stil = Qt::SolidLine) {
    QPen k(renk, kalinlik, stil);
    k.setCapStyle(Qt::FlatCap);
    k.setJoinStyle(Qt::MiterJoin);
    return k;
}

// The screen geometry of a bar: its end points, rounded length, unit vector u
// and unit normal n = (dy, -dx) / Lp.
struct Cubuk {
    QPoint P1, P2;
    int dx = 0, dy = 0, Lp = 0;
    double ux = 0, uy = 0, nx = 0, ny = 0;
    Cubuk(QPoint a, QPoint b) : P1(a), P2(b), dx(b.x() - a.x()), dy(b.y() - a.y()) {
        Lp = Yuvarla(std::sqrt(double(dx) * dx + double(dy) * dy));
        if (Lp > 0) ux = double(dx) / Lp, uy = double(dy) / Lp, nx = double(dy) / Lp, ny = -double(dx) / Lp;
    }
    // P1 + Round(t u + s n).
    QPoint Nokta(double t, double s = 0) const { return P1 + Yuvarla(t * ux + s * nx, t * uy + s * ny); }
};

void MomentMafsaliCiz(QPainter& p, const Cubuk& c, int uc) {
    p.setPen(Kalem(kGri));
    p.setBrush(kBeyaz);
    p.drawEllipse(c.Nokta(uc == 1 ? 8 : c.Lp - 8), 4, 4);
}

void KesmeMafsaliCiz(QPainter& p, const Cubuk& c, int uc) {
    const QPoint A = c.Nokta(uc == 1 ? 4 : c.Lp - 12);
    const QPoint B = A + Yuvarla(8 * c.ux, 8 * c.uy);
    p.setPen(Kalem(kBeyaz));
    p.drawLine(A, B);
    p.setPen(Kalem(kGri));
    const QPoint n6 = Yuvarla(6 * c.nx, 6 * c.ny);
    p.drawLine(A + n6, A - n6);
    p.drawLine(B + n6, B - n6);
}

void NormalKuvvetMafsaliCiz(QPainter& p, const Cubuk& c, int uc) {
    const double t = uc == 1 ? 12 : c.Lp - 12;
    const double g = uc == 1 ? 8 : -8;
    const QPoint P = c.Nokta(t, 6), Q = c.Nokta(t, -6);
    const QPoint gu = Yuvarla(g * c.ux, g * c.uy);
    p.setPen(Kalem(kGri));
    const QPoint cizgi[4] = {P + gu, P, Q, Q + gu};
    p.drawPolyline(cizgi, 4);
}

// The middle third of the element, 3 pixels to the side of its local -y face.
void CekmeTarafiCiz(QPainter& p, const Cubuk& c, int yan) {
    const double dx = c.dx, dy = c.dy, L = c.Lp;
    const QPoint A = c.P1 + Yuvarla(dx / 3 - 3 * yan * dy / L, dy / 3 + 3 * yan * dx / L);
    const QPoint B = c.P2 - Yuvarla(dx / 3 + 3 * yan * dy / L, dy / 3 - 3 * yan * dx / L);
    QPen k = Kalem(kKirmizi, 0, Qt::DotLine);
    p.setPen(k);
    p.drawLine(A, B);
}

void YerelEksenCiz(QPainter& p, const Cubuk& c) {
    const QPoint A = c.Nokta(Yuvarla(c.Lp / 6.0));
    const QPoint B = A + Yuvarla(10 * c.ux, 10 * c.uy);
    const QPoint n2 = Yuvarla(2 * c.nx, 2 * c.ny);
    const QPoint C = B + Yuvarla(6 * c.ux, 6 * c.uy);
    p.setPen(Kalem(kKirmizi));
    p.setBrush(kKirmizi);
    p.drawLine(A, B);
    const QPoint uc[3] = {B + n2, B - n2, C};
    p.drawPolygon(uc, 3);
}

void EksenTakimiCiz(QPainter& p, int ox, int oy) {
    const TCizimDurumu& c = CizimDurumu;
    const int sh = c.EksenIsaretleri[0][c.YatayEksen] < 0 ? -1 : 1;
    const int sv = c.EksenIsaretleri[1][c.DuseyEksen] < 0 ? -1 : 1;
    static const char* const kHarf = "XYZ";
    auto harf = [](int eksen) { return QString(QChar(kHarf[std::clamp(eksen, 1, 3) - 1])); };
    p.setPen(Kalem(kKirmizi, 2));
    p.setBrush(kBeyaz);
    p.setFont(Yazi(9));
    p.drawLine(ox, oy, ox + 20 * sh, oy);
    p.drawLine(ox + 20 * sh, oy, ox + 16 * sh, oy - 2 * sh);
    p.drawLine(ox + 20 * sh, oy, ox + 16 * sh, oy + 2 * sh);
    p.drawLine(ox + 16 * sh, oy - 2 * sh, ox + 16 * sh, oy + 2 * sh);
    Yaz(p, ox + 26 * sh, oy - 6 * sh, harf(c.YatayEksen));
    p.drawLine(ox, oy, ox, oy - 20 * sv);
    p.drawLine(ox, oy - 20 * sv, ox - 2 * sv, oy - 16 * sv);
    p.drawLine(ox, oy - 20 * sv, ox + 2 * sv, oy - 16 * sv);
    p.drawLine(ox - 2 * sv, oy - 16 * sv, ox + 2 * sv, oy - 16 * sv);
    Yaz(p, ox - 4 * sv, oy - 36 * sv, harf(c.DuseyEksen));
    if (c.EksenTakimi == 2 || c.EksenTakimi == 3 || c.EksenTakimi == 6) {
        p.drawLine(ox, oy, ox + 14, oy - 14);
        p.drawLine(ox + 14, oy - 14, ox + 14, oy - 10);
        p.drawLine(ox + 14, oy - 10, ox + 10, oy - 14);
        p.drawLine(ox + 10, oy - 14, ox + 14, oy - 14);
        Yaz(p, ox + 20, oy - 20, harf(c.DerinlikEksen));
    } else {
        p.drawLine(ox, oy, ox - 14, oy + 14);
        p.drawLine(ox - 14, oy + 14, ox - 14, oy + 10);
        p.drawLine(ox - 14, oy + 10, ox - 10, oy + 14);
        p.drawLine(ox - 10, oy + 14, ox - 14, oy + 14);
        Yaz(p, ox - 20, oy + 16, harf(c.DerinlikEksen));
    }
    p.setPen(Kalem(kKirmizi));
    p.drawEllipse(QPoint(ox, oy), 4, 4);
}

void ElemanVeNoktaNoYaz(QPainter& p, int e, const QPoint* noktalar, int adet, const CizimSecenekleri& s) {
    const auto& bilgi = CizimDurumu.ElemanCizimBilgisi[e];
    p.setFont(Yazi(s.YaziBoyu));
    if (s.ElemanNo) {
        int sx = 0, sy = 0;
        for (int k = 0; k < adet; ++k) sx += noktalar[k].x(), sy += noktalar[k].y();
        p.setPen(kSiyah);
        Yaz(p, sx / adet - 8, sy / adet - 8, QString::number(e));
    }
    if (s.NoktaNo) {
        p.setPen(kGriYazi);
        for (int k = 0; k < adet; ++k) Yaz(p, noktalar[k].x(), noktalar[k].y(), QString::number(bilgi[k + 1]));
    }
}

// The angle (degrees, counter-clockwise) at which a label along the element
// reads from left to right.
double EtiketAcisi(const Cubuk& c) {
    double a = std::atan2(-double(c.dy), double(c.dx)) * 180 / 3.14159265358979323846;
    if (a > 90) a -= 180;
    if (a <= -90) a += 180;
    return a == 0 ? 0 : a;
}

// Whether a text box of w x h turned by aci about its corner lies, with a
// pixel round it, inside the picture below the title band on white only.
bool YaziYeriBos(const QImage& r, QPoint kose, double aci, int w, int h) {
    QTransform t;
    t.translate(kose.x(), kose.y());
    t.rotate(-aci);
    const QRect sinir = t.mapRect(QRectF(-1, -1, w + 2, h + 2)).toAlignedRect();
    if (sinir.left() < 0 || sinir.top() < kBaslikBandi || sinir.right() >= r.width() || sinir.bottom() >= r.height())
        return false;
    const QTransform ters = t.inverted();
    for (int y = sinir.top(); y <= sinir.bottom(); ++y)
        for (int x = sinir.left(); x <= sinir.right(); ++x) {
            if (r.pixel(x, y) == kBeyaz.rgb()) continue;
            const QPointF q = ters.map(QPointF(x + 0.5, y + 0.5));
            if (q.x() >= -1 && q.x() <= w + 1 && q.y() >= -1 && q.y() <= h + 1) return false;
        }
    return true;
}

// The diagram of element e (YazilarMi false) or its labels (true): the
// labels are placed after every diagram is drawn, where nothing is drawn yet.
void DiyagramCiz(QPainter& p, const QImage& r, int e, const Cubuk& c, CizimTuru tur, const CizimSecenekleri& s,
                 bool YazilarMi) {
    const int i = tur == CizimTuru::NormalKuvvet ? 0 : tur == CizimTuru::Kesme ? 1 : 2;
    const double enBuyuk = DiyagramEnBuyukleri[i];
    if (enBuyuk == 0) return;
    DiyagramDizisi f;
    static const char* const kAlan[3] = {"Nx", "Vy", "Mz"};
    if (!DiyagramOku(e, kAlan[i], f)) return;

    const double dx = c.dx, dy = c.dy;
    double L = std::sqrt(dx * dx + dy * dy);
    if (L == 0) L = 0.01;
    const double ux = dx / L, uy = dy / L;
    // Screen direction of the local -y face.
    const int yan = YanIsareti();
    const double ax = -yan * uy, ay = yan * ux;
    const double adim = L / 199;
    const double F = DiyagramCarpani(s.DiyagramCubugu) / enBuyuk;
    // The ordinate in pixels towards the local -y face: the moment on the
    // tension face, normal and shear forces on the other.
    auto ordinat = [&](int k) { return (i == 2 ? f[k] : -f[k]) * F; };
    QPoint nokta[202];
    nokta[0] = c.P1;
    nokta[201] = c.P2;
    for (int k = 1; k <= 200; ++k) {
        const double o = ordinat(k);
        const double t = (k - 1) * adim;
        nokta[k] = c.P1 + Yuvarla(t * ux + o * ax, t * uy + o * ay);
    }
    if (!YazilarMi) {
        p.setPen(Kalem(kMavi));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(nokta, 202);
        return;
    }
    if (!s.Ordinatlar) return;
    p.setFont(Yazi(s.YaziBoyu));
    p.setPen(kMavi);
    const double aci = EtiketAcisi(c);
    const double esik = CizimDurumu.IlkEleman == CizimDurumu.SonEleman ? 1 : (i == 2 ? 4 : 2);
    // Reading direction of the turned text and its downward direction, on the screen.
    const double ra = aci * 3.14159265358979323846 / 180;
    const double rx = std::cos(ra), ry = -std::sin(ra);
    const QFontMetrics olcu(p.font());
    // A label stands on the side of its ordinate, beyond the farthest point of
    // the diagram along the stretch the text covers, so that no line crosses
    // it. Hiza -1: the text ends at the station, +1: it starts there, 0: it is
    // centred on it; always kept within the element.
    auto etiket = [&](int k, int hiza) {
        constexpr double bosluk = 3;
        const std::string metin = GenelSayiMetni(f[k]);
        // Written with the minus sign, as long as a digit is wide, not the
        // short hyphen of the number text.
        const QString q = QString::fromStdString(metin).replace(u'-', QChar(0x2212));
        const int w = olcu.horizontalAdvance(q), h = olcu.height();
        const double tk = (k - 1) * adim;
        const double t0 = hiza < 0 ? tk - w : hiza > 0 ? tk : tk - w / 2.0;
        const double yon = ordinat(k) < 0 ? -1 : 1;
        const bool ileri = rx * ux + ry * uy > 0;
        const bool disa = (-ry * ax + rx * ay) * yon > 0;
        // The text's corner with its near edge kaydir pixels along and dis
        // pixels beyond the diagram: its reading direction runs along +-u,
        // its downward direction along +-the outward side.
        auto kosesi = [&](double kaydir, double dis) {
            double t = t0 + kaydir;
            t = L < w + 2 * bosluk ? (L - w) / 2 : std::clamp(t, bosluk, L - bosluk - w);
            double D = std::max(0.0, yon * ordinat(k));
            for (int m = 1; m <= 200; ++m) {
                const double tm = (m - 1) * adim;
                if (tm >= t - bosluk && tm <= t + w + bosluk) D = std::max(D, yon * ordinat(m));
            }
            const double along = ileri ? t : t + w;
            const double dik = D + bosluk + dis + (disa ? 0 : h);
            return c.P1 + Yuvarla(along * ux + dik * yon * ax, along * uy + dik * yon * ay);
        };
        // Where another element's line, diagram, number or label is in the
        // way, the text moves along the element, then further out.
        QPoint kose = kosesi(0, 0);
        bool bos = false;
        for (int dis = 0; dis <= 16 && !bos; dis += 4)
            for (int kaydir : {0, 6, -6, 12, -12, 18, -18, 24, -24, 36, -36}) {
                const QPoint aday = kosesi(kaydir, dis);
                if (YaziYeriBos(r, aday, aci, w, h)) {
                    kose = aday;
                    bos = true;
                    break;
                }
            }
        DondurulmusYaziYaz(p, aci, kose.x(), kose.y(), q);
        if (s.Etiketler) s.Etiketler->push_back({metin, kose.x(), kose.y(), aci});
    };
    double son = f[1];
    if (std::fabs(f[1]) > esik) etiket(1, 1);
    if (L > 10.0 * s.YaziBoyu)
        for (int k = 2; k <= 199; ++k) {
            if (!(std::fabs(f[k - 1] - f[k]) > enBuyuk / 10)) continue;
            if (f[k - 1] != son) etiket(k - 1, -1), son = f[k - 1];
            if (f[k] != son) etiket(k, 1), son = f[k];
        }
    if (i == 2) {
        DiyagramDizisi v;
        int kx = 1;
        if (DiyagramOku(e, "Vy", v)) {
            auto isaret = [](double x) { return (x > 0) - (x < 0); };
            for (int k = 2; k <= 199; ++k)
                if (isaret(v[k]) != isaret(v[k + 1])) kx = k;
        }
        if (kx > 1 && kx < 200 && f[kx] != son) etiket(kx, 0), son = f[kx];
    }
    if (std::fabs(f[200]) > esik && f[200] != son) etiket(200, -1);
}

void SekilDegistirmisGeometriCiz(QPainter& p, int e, double carpan) {
    const TCizimDurumu& c = CizimDurumu;
    const auto& s = c.ElemanCizimBilgisi[e];
    auto yeri = [&](int n) {
        const auto& k = c.NoktaKoordinatlari[n];
        const auto& u = c.YerDegistirmeler[n];
        return Izdusum(k[1] + carpan * u[0], k[2] + carpan * u[1], k[3] + carpan * u[2]);
    };
    p.setPen(Kalem(kMavi, 1, Qt::DotLine));
    p.drawLine(yeri(s[1]), yeri(s[2]));
}

// The factor that draws the largest displacement DiyagramCarpani pixels long.
double YerDegistirmeCarpani(double pikselBoyu) {
    const TCizimDurumu& c = CizimDurumu;
    double enBuyuk = 0;
    for (const auto& u : c.YerDegistirmeler) enBuyuk = std::max(enBuyuk, std::sqrt(u[0] * u[0] + u[1] * u[1] + u[2] * u[2]));
    const double metreBasina =
        std::max(c.YatayOlcek * c.Olcekler[1], c.DuseyOlcek * c.Olcekler[2]) * c.Olcekler[0];
    if (enBuyuk == 0 || metreBasina == 0) return 0;
    return pikselBoyu / (enBuyuk * metreBasina);
}

}  // namespace

const char* CizimTuruAdi(CizimTuru Tur) {
    static const char* const kAdlar[5] = {"Geometri", "Normal kuvvet diyagramı", "Vy Kesme Diyagramı",
                                          "Mz Moment diyagramı", "Yer ve şekil değiştirmiş geometri"};
    return kAdlar[static_cast<int>(Tur)];
}

int YaziPikseli(int Punto) { return Yuvarla(Punto * 96.0 / 72.0); }

bool SekilDegistirmisCizilebilir() {
    const TCizimDurumu& c = CizimDurumu;
    return c.SistemTipi == DuzlemKafesSistemi && static_cast<int>(c.YerDegistirmeler.size()) == c.NoktaSayisi + 1;
}

std::string CizilmezNedeni(CizimTuru Tur) {
    const TCizimDurumu& c = CizimDurumu;
    const std::string ad = std::string("\"") + CizimTuruAdi(Tur) + "\"";
    if (Tur == CizimTuru::Geometri) return {};
    if (Tur == CizimTuru::SekilDegistirmis) {
        if (c.SistemTipi != DuzlemKafesSistemi) return ad + " bu sistemde çizilmez: yalnız düzlem kafes sisteminde çizilir";
        if (!SekilDegistirmisCizilebilir()) return "Yer değiştirmeler hesaplanmadı";
        return {};
    }
    // Normal force on every bar, shear and moment on plane-frame elements and their springs.
    const int enAz = Tur == CizimTuru::NormalKuvvet ? 0 : DuzlemCerceveElemani;
    bool var = false;
    for (int e = 1; e < static_cast<int>(c.ElemanCizimBilgisi.size()); ++e)
        var = var || (c.ElemanCizimBilgisi[e][5] >= enAz && c.ElemanCizimBilgisi[e][5] < UzayCerceveElemani);
    if (!var)
        return ad + " bu sistemde çizilmez: yalnız " +
               (Tur == CizimTuru::NormalKuvvet ? "kafes ve düzlem çerçeve" : "düzlem çerçeve") + " elemanlarında çizilir";
    if (DiyagramEnBuyukleri[static_cast<int>(Tur) - 1] == 0) return ad + " çizilmez: bütün değerleri 0";
    return {};
}

void Ciz(QImage& Resim, const CizimSecenekleri& s) {
    TCizimDurumu& c = CizimDurumu;
    if (c.ElemanSayisi < 1 || Resim.isNull()) return;
    QPainter p(&Resim);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.fillRect(Resim.rect(), kBeyaz);

    p.setFont(Yazi(s.YaziBoyu));
    p.setPen(kKirmizi);
    Yaz(p, 0, 0, QString::fromStdString(c.ProbleminTanimi + " - " + CizimTuruAdi(s.Tur)));

    const int yan = YanIsareti();
    const double carpan =
        s.Tur == CizimTuru::SekilDegistirmis && SekilDegistirmisCizilebilir() ? YerDegistirmeCarpani(DiyagramCarpani(s.DiyagramCubugu)) : 0;
    const int ilk = std::max(1, c.IlkEleman), son = std::min(c.SonEleman, c.ElemanSayisi);
    for (int e = ilk; e <= son; ++e) {
        const auto& b = c.ElemanCizimBilgisi[e];
        const int tip = b[5];
        const int adet = CizimNoktaSayisi(tip);
        QPoint noktalar[4];
        bool tamam = true;
        for (int k = 0; k < adet; ++k) {
            if (b[k + 1] < 1 || b[k + 1] > c.NoktaSayisi) tamam = false;
            noktalar[k] = NoktaIzdusumu(b[k + 1]);
        }
        if (!tamam) continue;

        const int enBuyuk = YuzeyElemaniMi(tip) ? c.EnBuyukYuzeyBoyu : c.EnBuyukCubukBoyu;
        const bool isaretli = enBuyuk / 10 >= b[0];
        p.setPen(Kalem(isaretli ? kKirmizi : kGri));
        p.setBrush(isaretli ? kBeyaz : kMenu);
        if (adet == 2) p.drawLine(noktalar[0], noktalar[1]);
        else p.drawPolygon(noktalar, adet);

        const Cubuk cubuk(noktalar[0], noktalar[1]);
        if (cubuk.Lp >= 50) {
            if (tip == DuzlemCerceveElemani && s.CekmeTarafi) CekmeTarafiCiz(p, cubuk, yan);
            if (tip == DuzlemCerceveElemani && s.Mafsallar && b[6] != 0) {
                const std::string kod = std::to_string(b[6]);
                auto var = [&](char r) { return kod.find(r) != std::string::npos; };
                if (var('2')) KesmeMafsaliCiz(p, cubuk, 1);
                if (var('5')) KesmeMafsaliCiz(p, cubuk, 2);
                if (var('1')) NormalKuvvetMafsaliCiz(p, cubuk, 1);
                if (var('4')) NormalKuvvetMafsaliCiz(p, cubuk, 2);
                if (var('3')) MomentMafsaliCiz(p, cubuk, 1);
                if (var('6')) MomentMafsaliCiz(p, cubuk, 2);
            }
            if (s.YerelEksen) YerelEksenCiz(p, cubuk);
        }
        ElemanVeNoktaNoYaz(p, e, noktalar, adet, s);
    }
    EksenTakimiCiz(p, c.OrijinX, c.OrijinY);

    // The diagrams over the whole model, then their labels.
    if (s.Tur == CizimTuru::Geometri) return;
    for (bool etiketler : {false, true})
        for (int e = ilk; e <= son; ++e) {
            const auto& b = c.ElemanCizimBilgisi[e];
            const int tip = b[5];
            if (tip >= UzayCerceveElemani || b[1] < 1 || b[1] > c.NoktaSayisi || b[2] < 1 || b[2] > c.NoktaSayisi)
                continue;
            const Cubuk cubuk(NoktaIzdusumu(b[1]), NoktaIzdusumu(b[2]));
            switch (s.Tur) {
                case CizimTuru::NormalKuvvet: DiyagramCiz(p, Resim, e, cubuk, s.Tur, s, etiketler); break;
                case CizimTuru::Kesme:
                case CizimTuru::Moment:
                    if (tip >= DuzlemCerceveElemani) DiyagramCiz(p, Resim, e, cubuk, s.Tur, s, etiketler);
                    break;
                case CizimTuru::SekilDegistirmis:
                    if (carpan > 0 && !etiketler) SekilDegistirmisGeometriCiz(p, e, carpan);
                    break;
                default: break;
            }
        }
}
