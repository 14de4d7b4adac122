// The labels of the force diagrams keep their sign and decimal point at every
// angle and size: a turned label's minus and point are as dark as its digits.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QTransform>
#include <algorithm>

#include "CizimTestYardim.h"
#include "drawing/CizimGeometrisi.h"

namespace {

// A Pratt truss of three 3 m panels, 3 m high: bottom nodes 1 to 4, top nodes
// 5 (3, 3) and 6 (6, 3), end posts 1-5 (rising) and 6-4 (falling to the
// right), 25 kN down at node 3 (x = 6 m). Reactions 25 x 3 / 9 = 8.33 at
// node 1 and 16.67 at node 4; end posts -8.33 x sqrt(2) = -11.79 and
// -16.67 x sqrt(2) = -23.57; top chord -(16.67 x 3) / 3 = -16.67.
std::string Pratt() {
    return Sql::Sistem("10:Düzlem kafes") + Sql::Celik() + Sql::Kesit("A", "1, '100:Diğer', 0.001") +
           Sql::Noktalar({{"1", 0}, {"2", 3}, {"3", 6}, {"4", 9}, {"5", 3, 3}, {"6", 6, 3}}) +
           Sql::Elemanlar({{"1", 10, 1, 2},
                           {"2", 10, 2, 3},
                           {"3", 10, 3, 4},
                           {"4", 10, 5, 6},
                           {"5", 10, 1, 5},
                           {"6", 10, 6, 4},
                           {"7", 10, 2, 5},
                           {"8", 10, 3, 6},
                           {"9", 10, 5, 3}}) +
           Sql::Baglar({{"1,9,1,0,0"}}) + Sql::Yukler({{"3", 0, -25}}) +
           Sql::Mesnetler({{"1", "0 0 S S S S"}, {"4", "S 0 S S S S"}});
}

// The ink of a blue pixel on white: 0 (white) to 255 (full blue).
int Murekkep(QRgb p) { return qBlue(p) == 255 && qRed(p) == qGreen(p) ? 255 - qRed(p) : 0; }

// The ink of the character at Sira of a label as painted: the pixels whose
// centres fall in the character's cell (its advance, the font's height), the
// label turned as it is painted.
struct Hucre {
    int Koyu = 0;    // pixels of at least half ink
    int EnKoyu = 0;  // the darkest pixel's ink
};
Hucre Karakter(const QImage& r, const CizimEtiketi& e, int Sira, int YaziBoyu) {
    QFont f("Arial");
    f.setPixelSize(YaziPikseli(YaziBoyu));
    const QFontMetrics m(f);
    // Drawn with the minus sign in place of the number text's hyphen.
    const QString s = QString::fromStdString(e.Metin).replace(u'-', QChar(0x2212));
    const double x0 = m.horizontalAdvance(s.left(Sira)), x1 = m.horizontalAdvance(s.left(Sira + 1));
    QTransform t;
    t.translate(e.x, e.y);
    t.rotate(-e.Aci);
    const QTransform ters = t.inverted();
    const QRect sinir = t.mapRect(QRectF(x0, 0, x1 - x0, m.height())).toAlignedRect().adjusted(-2, -2, 2, 2);
    Hucre h;
    for (int y = sinir.top(); y <= sinir.bottom(); ++y)
        for (int x = sinir.left(); x <= sinir.right(); ++x) {
            const QPointF q = ters.map(QPointF(x + 0.5, y + 0.5));
            if (!r.valid(x, y) || q.x() < x0 || q.x() >= x1 || q.y() < 0 || q.y() >= m.height()) continue;
            const int k = Murekkep(r.pixel(x, y));
            h.Koyu += k >= 128;
            h.EnKoyu = std::max(h.EnKoyu, k);
        }
    return h;
}

}  // namespace

// Each end post and the top chord drawn alone (its label clear of every
// other line), at every size the window offers: the label of the falling
// post reads -23.57, of the rising one -11.79, of the level chord -16.67.
// The minus of a turned label has the darkest ink of the digits and at least
// half the dark pixels of the level label's minus (a stroke along the
// diagonal covers about 1/sqrt(2) of the pixels of the same stroke level);
// its decimal point has a pixel as dark as the digits too.
TEST(DiyagramEtiketi, EksiVeNoktaHerAcidaGorunur) {
    Cizim c(Pratt());
    ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
    struct Cubuk {
        int eleman;
        const char* metin;
        double aci;
    };
    const Cubuk duz{4, "-16.67", 0};
    const Cubuk donuk[] = {{6, "-23.57", -45}, {5, "-11.79", 45}};
    for (int boy = 5; boy <= 10; ++boy) {
        SCOPED_TRACE(boy);
        auto ciz = [&](const Cubuk& b, QImage& r) {
            CizimDurumu.IlkEleman = CizimDurumu.SonEleman = b.eleman;
            GorunusVeOlcekHesapla();
            OrijiniAyarla();
            std::vector<CizimEtiketi> etiketler;
            CizimSecenekleri s = Secim(CizimTuru::NormalKuvvet, &etiketler);
            s.YaziBoyu = boy;
            r = c.Resim(s);
            EXPECT_EQ(etiketler.size(), 1u) << b.metin;
            if (etiketler.empty()) return CizimEtiketi{};
            EXPECT_EQ(etiketler[0].Metin, b.metin);
            EXPECT_NEAR(etiketler[0].Aci, b.aci, 0.5) << b.metin;
            return etiketler[0];
        };
        QImage r;
        const CizimEtiketi e0 = ciz(duz, r);
        const Hucre eksi0 = Karakter(r, e0, 0, boy);
        EXPECT_GE(eksi0.Koyu, 3);
        for (const Cubuk& b : donuk) {
            SCOPED_TRACE(b.metin);
            const CizimEtiketi e = ciz(b, r);
            if (e.Metin.empty()) continue;
            int rakamEnKoyu = 0;
            for (int i : {1, 2, 4, 5}) rakamEnKoyu = std::max(rakamEnKoyu, Karakter(r, e, i, boy).EnKoyu);
            const Hucre eksi = Karakter(r, e, 0, boy), nokta = Karakter(r, e, 3, boy);
            EXPECT_GE(eksi.EnKoyu, rakamEnKoyu);
            EXPECT_GE(2 * eksi.Koyu, eksi0.Koyu)
                << "level minus " << eksi0.Koyu;
            EXPECT_GE(nokta.Koyu, 1);
            EXPECT_GE(nokta.EnKoyu, rakamEnKoyu);
        }
    }
}
