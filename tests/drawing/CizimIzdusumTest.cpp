#include <gtest/gtest.h>

#include <QPainter>

#include "CizimTestYardim.h"
#include "drawing/CizimGeometrisi.h"
#include "model/Tipler.h"

namespace {

// The view state of an axis set and view with the projection's scale and
// origin set by hand: 10 px per metre both ways, whatever the fit would give.
void Gorunus(int Boyut, int Takim, int Gorunus) {
    TCizimDurumu& c = CizimDurumu;
    c = TCizimDurumu{};
    c.Boyut = Boyut;
    c.EksenTakimi = Takim;
    c.Gorunus = Gorunus;
    c.Genislik = c.Yukseklik = 600;
    GorunusVeOlcekHesapla();
    c.YatayOlcek = c.DuseyOlcek = 10;
    c.OrijinX = c.OrijinY = 300;
}

// The pixel of a model point relative to that of the model origin.
QPoint Kayma(double X, double Y, double Z) { return Izdusum(X, Y, Z) - Izdusum(0, 0, 0); }

// A plane picture in "X-Y" of the nodes (in m) and the bars and panels given
// (type, size value, nodes), 10 px per metre from an origin at (300, 300).
struct Eleman {
    int Tip, Boy;
    std::vector<int> Noktalar;
};
void Model(const std::vector<QPointF>& Noktalar, const std::vector<Eleman>& Elemanlar) {
    Gorunus(2, 1, 0);
    TCizimDurumu& c = CizimDurumu;
    c.NoktaSayisi = static_cast<int>(Noktalar.size());
    c.ElemanSayisi = static_cast<int>(Elemanlar.size());
    c.NoktaKoordinatlari.assign(Noktalar.size() + 1, {});
    for (std::size_t n = 0; n < Noktalar.size(); ++n) c.NoktaKoordinatlari[n + 1] = {0, Noktalar[n].x(), Noktalar[n].y(), 0};
    c.ElemanCizimBilgisi.assign(Elemanlar.size() + 1, {});
    for (std::size_t e = 0; e < Elemanlar.size(); ++e) {
        auto& s = c.ElemanCizimBilgisi[e + 1];
        s[0] = Elemanlar[e].Boy;
        s[5] = Elemanlar[e].Tip;
        for (std::size_t k = 0; k < Elemanlar[e].Noktalar.size(); ++k) s[k + 1] = Elemanlar[e].Noktalar[k];
        int& enBuyuk = YuzeyElemaniMi(Elemanlar[e].Tip) ? c.EnBuyukYuzeyBoyu : c.EnBuyukCubukBoyu;
        enBuyuk = std::max(enBuyuk, Elemanlar[e].Boy);
    }
    c.IlkEleman = 1;
    c.SonEleman = c.ElemanSayisi;
}

QImage Resim(const CizimSecenekleri& s = {}) {
    QImage r(600, 600, QImage::Format_RGB32);
    Ciz(r, s);
    return r;
}

// Zemin with the text written on it, its top-left corner at (x, y), in the
// picture's font of that size and this colour.
QImage Yazili(const QImage& Zemin, const QString& Metin, int x, int y, int Punto, QRgb Renk) {
    QImage o = Zemin.copy();
    QPainter p(&o);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont f("Arial");
    f.setPixelSize(YaziPikseli(Punto));
    p.setFont(f);
    p.setPen(QColor(Renk));
    p.drawText(QRect(x, y, 2000, 200), Qt::AlignLeft | Qt::AlignTop, Metin);
    return o;
}

// Whether the picture holds the text as it is written there on a white ground.
bool YaziVar(const QImage& r, const QString& Metin, int x, int y, int Punto, QRgb Renk) {
    QImage beyaz(r.size(), QImage::Format_RGB32);
    beyaz.fill(Qt::white);
    const QImage o = Yazili(beyaz, Metin, x, y, Punto, Renk);
    int adet = 0;
    for (int j = 0; j < o.height(); ++j)
        for (int i = 0; i < o.width(); ++i)
            if (o.pixel(i, j) != kBeyaz) {
                ++adet;
                if (r.pixel(i, j) != o.pixel(i, j)) return false;
            }
    return adet > 0;
}

}  // namespace

// Each axis set and view for the point (3, 5, 2) m at 10 px/m. The spatial
// picture moves a point by h - d/2 to the right and v - d/2 up, d being the
// depth axis (negated for axis sets 2, 3 and 6); views 1 to 3 drop the depth.
TEST(Izdusum, EksenTakimlariVeGorunusler) {
    // Screen offsets (right, down) in px, views 0, 1, 2 and 3.
    const QPoint beklenen[7][4] = {
        {},
        // 1: +X, +Y, depth Z = 2 -> (3 - 1, 5 - 1); X-Z: (+X, -Z); Y-Z: (-Y, -Z).
        {{20, -40}, {30, -50}, {30, 20}, {-50, 20}},
        // 2: +X, +Z, depth -Y = -5 -> (3 + 2.5, 2 + 2.5); X-Y; Z-Y: (-Z, +Y).
        {{55, -45}, {30, -20}, {30, -50}, {-20, -50}},
        // 3: +Y, +X, depth -Z = -2 -> (5 + 1, 3 + 1); Y-Z; X-Z: (-X, +Z).
        {{60, -40}, {50, -30}, {50, -20}, {-30, -20}},
        // 4: +Y, +Z, depth X = 3 -> (5 - 1.5, 2 - 1.5); Y-X: (+Y, -X); Z-X: (-Z, -X).
        {{35, -5}, {50, -20}, {50, 30}, {-20, 30}},
        // 5: +Z, +X, depth Y = 5 -> (2 - 2.5, 3 - 2.5); Z-Y: (+Z, -Y); X-Y: (-X, -Y).
        {{-5, -5}, {20, -30}, {20, 50}, {-30, 50}},
        // 6: +Z, +Y, depth -X = -3 -> (2 + 1.5, 5 + 1.5); Z-X: (+Z, +X); Y-X: (-Y, +X).
        {{35, -65}, {20, -50}, {20, -30}, {-50, -30}},
    };
    for (int t = 1; t <= 6; ++t)
        for (int g = 0; g <= 3; ++g) {
            Gorunus(3, t, g);
            EXPECT_EQ(CizimDurumu.EgikCarpan, 0.5);
            EXPECT_EQ(Kayma(3, 5, 2), beklenen[t][g]) << "takım " << t << " görünüş " << g;
        }
    // A plane model has no depth: "X-Y" and "Y-X" as their flat views.
    Gorunus(2, 1, 0);
    EXPECT_EQ(CizimDurumu.EgikCarpan, 0);
    EXPECT_EQ(Kayma(3, 5, 2), QPoint(30, -50));
    Gorunus(2, 3, 0);
    EXPECT_EQ(Kayma(3, 5, 2), QPoint(50, -30));
    // Axis set 2: a node at Y = 1 half a scaled metre right of and above one at Y = 0.
    Gorunus(3, 2, 0);
    EXPECT_EQ(Kayma(0, 1, 0), QPoint(5, -5));
}

// The overall, horizontal, vertical and depth scales and the two fit scales.
TEST(Izdusum, Olcekler) {
    Gorunus(3, 1, 0);
    TCizimDurumu& c = CizimDurumu;
    c.Olcekler[0] = 2, c.Olcekler[1] = 1.5, c.Olcekler[2] = 0.5, c.Olcekler[3] = 3;
    // h = 3 x 2 x 1.5 = 9, v = 5 x 2 x 0.5 = 5, d = 2 x 2 x 3 x 0.5 = 6.
    EXPECT_EQ(Kayma(3, 5, 2), QPoint(30, 10));
    c.Olcekler[0] = c.Olcekler[1] = c.Olcekler[2] = c.Olcekler[3] = 1;
    c.DuseyOlcek = 20;
    EXPECT_EQ(Kayma(3, 5, 2), QPoint(20, -80));
}

// The rotations about the screen's horizontal, vertical and depth axes, in
// that order, of the point (3, 5, 2) in "X-Y" (h 3, v 5, d 2).
TEST(Izdusum, Donmeler) {
    struct Durum {
        int a1, a2, a3;
        QPoint kayma;
    };
    for (const Durum& d : {
             // About h by 90: v = -2, d = 5.
             Durum{90, 0, 0, {5, 45}},
             // About v by 90: h = -2, d = 3.
             Durum{0, 90, 0, {-35, -35}},
             // About the depth by 90: h = -5, v = 3.
             Durum{0, 0, 90, {-60, -20}},
             // h first (v = -2, d = 5), then v (h = -5, d = 3).
             Durum{90, 90, 0, {-65, 35}},
             // then the depth: h = 2, v = -5.
             Durum{90, 90, 90, {5, 65}},
             // About h by -90: v = 2, d = -5.
             Durum{-90, 0, 0, {55, -45}},
         }) {
        Gorunus(3, 1, 0);
        CizimDurumu.Acilar[0] = d.a1, CizimDurumu.Acilar[1] = d.a2, CizimDurumu.Acilar[2] = d.a3;
        EXPECT_EQ(Kayma(3, 5, 2), d.kayma) << d.a1 << " " << d.a2 << " " << d.a3;
    }
    // 30 degrees about the depth: (10, 0) turns to (8.66, 5).
    Gorunus(3, 1, 0);
    CizimDurumu.Acilar[2] = 30;
    EXPECT_EQ(Kayma(10, 0, 0), QPoint(87, -50));
    // A flat view and a plane model are not turned.
    Gorunus(3, 1, 1);
    CizimDurumu.Acilar[0] = CizimDurumu.Acilar[1] = CizimDurumu.Acilar[2] = 90;
    EXPECT_EQ(Kayma(3, 5, 2), QPoint(30, -50));
    Gorunus(2, 1, 0);
    CizimDurumu.Acilar[0] = CizimDurumu.Acilar[1] = CizimDurumu.Acilar[2] = 90;
    EXPECT_EQ(Kayma(3, 5, 2), QPoint(30, -50));
    // A new view sets the angles back to 0.
    GorunusVeOlcekHesapla();
    EXPECT_EQ(CizimDurumu.Acilar[0] + CizimDurumu.Acilar[1] + CizimDurumu.Acilar[2], 0);
}

// The X, Y and Z bars turn about the screen axis that shows their global axis.
TEST(Izdusum, DonmeCubuklari) {
    const int beklenen[7][3] = {{}, {10, 20, 30}, {10, 30, 20}, {20, 10, 30}, {20, 30, 10}, {30, 10, 20}, {30, 20, 10}};
    for (int t = 1; t <= 6; ++t) {
        Gorunus(3, t, 0);
        AcilariAyarla(10, 20, 30);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(CizimDurumu.Acilar[i], beklenen[t][i]) << t << " " << i;
    }
}

// Flagged elements: red, and white where a panel is filled. A bar is flagged
// at a tenth of the longest bar or less (400 of 4000 cm, not 401), a spring
// or an element without material or section (size 0) always; panels against
// the thickest panel.
TEST(ModelResmi, IsaretliElemanlar) {
    Model({{-20, 25}, {20, 25}, {-20, 20}, {20, 20}, {-20, 15}, {20, 15}, {-20, 10}, {20, 10},
           {-20, -10}, {-10, -10}, {-10, -20}, {-20, -20}, {10, -10}, {20, -10}, {20, -20}, {10, -20}},
          {{10, 4000, {1, 2}}, {10, 400, {3, 4}}, {10, 401, {5, 6}}, {30, 0, {7, 8}},
           {51, 20000, {9, 10, 11, 12}}, {51, 2000, {13, 14, 15, 16}}});
    CizimSecenekleri s;
    s.ElemanNo = s.YerelEksen = false;
    const QImage r = Resim(s);
    // Three quarters along each bar: x = 300 + 10 x 10 = 400.
    auto p = [](double X, double Y) { return Izdusum(X, Y, 0); };
    EXPECT_EQ(r.pixel(p(10, 25)), kGri);
    EXPECT_EQ(r.pixel(p(10, 20)), kKirmizi);
    EXPECT_EQ(r.pixel(p(10, 15)), kGri);
    EXPECT_EQ(r.pixel(p(10, 10)), kKirmizi);
    // The thick panel grey round the menu colour, the thin one red round white.
    EXPECT_EQ(r.pixel(p(-15, -10)), kGri);
    EXPECT_EQ(r.pixel(p(-15, -15)), qRgb(240, 240, 240));
    EXPECT_EQ(r.pixel(p(15, -10)), kKirmizi);
    EXPECT_EQ(r.pixel(p(15, -20)), kKirmizi);
    EXPECT_EQ(r.pixel(p(15, -15)), kBeyaz);
}

// The local x arrow: a 10 px shaft from a sixth of the bar on, then a filled
// head 6 px long and 4 px wide, red, pointing from node i to node j; none on
// a bar shorter than 50 px or without "Yerel x ekseni".
TEST(ModelResmi, YerelXOku) {
    // 30 m bars (300 px): left to right, bottom to top, right to left; a 4.9 m bar.
    Model({{-20, 20}, {10, 20}, {15, -20}, {15, 10}, {10, -25}, {-20, -25}, {-25, -5}, {-20.1, -5}},
          {{10, 3000, {1, 2}}, {10, 3000, {3, 4}}, {10, 3000, {5, 6}}, {10, 490, {7, 8}}});
    CizimSecenekleri s;
    s.ElemanNo = false;
    const QImage r = Resim(s);
    struct Ok {
        QPoint i, u, n;  // node i's pixel, the unit vector along the bar, its normal
    };
    const QPoint p1 = NoktaIzdusumu(1), p3 = NoktaIzdusumu(3), p5 = NoktaIzdusumu(5);
    for (const Ok& o : {Ok{p1, {1, 0}, {0, 1}}, Ok{p3, {0, -1}, {1, 0}}, Ok{p5, {-1, 0}, {0, 1}}}) {
        SCOPED_TRACE(o.i.x());
        auto q = [&](int t, int k = 0) { return o.i + t * o.u + k * o.n; };
        // Shaft from 50 to 60 px along, head from 60 to 66 px.
        for (int t : {51, 55, 59, 63, 65}) EXPECT_EQ(r.pixel(q(t)), kKirmizi) << t;
        for (int k : {-1, 1}) EXPECT_EQ(r.pixel(q(61, k)), kKirmizi) << k;
        for (int t : {48, 68, 100}) EXPECT_EQ(r.pixel(q(t)), kGri) << t;
        for (int k : {-3, 3}) EXPECT_EQ(r.pixel(q(61, k)), kBeyaz) << k;
    }
    // The short bar (49 px) has none.
    const QPoint p7 = NoktaIzdusumu(7);
    for (int t = 0; t <= 49; ++t) EXPECT_NE(r.pixel(p7 + QPoint(t, 0)), kKirmizi) << t;
    s.YerelEksen = false;
    const QImage yok = Resim(s);
    for (int t : {51, 55, 63}) EXPECT_EQ(yok.pixel(p1 + QPoint(t, 0)), kGri) << t;
}

// The element number in black, its top-left corner 8 px left of and above
// the mean of the element's drawn points (integer division).
TEST(ModelResmi, ElemanNumaralari) {
    // A triangle whose corners add up to 401 px both ways at 10 px/m from
    // (300, 300), so the mean is cut to 133, and a bar.
    Model({{-20, 20}, {-9.9, 20}, {-20, 9.9}, {5, -10}, {16, -10}},
          {{50, 20000, {1, 2, 3}}, {10, 1100, {4, 5}}});
    CizimSecenekleri s;
    s.YerelEksen = false;
    const QPoint a = NoktaIzdusumu(1), b = NoktaIzdusumu(2), c = NoktaIzdusumu(3);
    ASSERT_NE((a.x() + b.x() + c.x()) % 3, 0);
    // The picture is the one without numbers with the two numbers written on
    // it, in the number font of each size.
    const QPoint d = NoktaIzdusumu(4), e = NoktaIzdusumu(5);
    for (int boy : {7, 10}) {
        s.YaziBoyu = boy;
        s.ElemanNo = true;
        const QImage r = Resim(s);
        s.ElemanNo = false;
        QImage beklenen = Yazili(Resim(s), "1", (a.x() + b.x() + c.x()) / 3 - 8, (a.y() + b.y() + c.y()) / 3 - 8, boy, kSiyah);
        beklenen = Yazili(beklenen, "2", (d.x() + e.x()) / 2 - 8, d.y() - 8, boy, kSiyah);
        EXPECT_TRUE(r == beklenen) << boy;
    }
}

// The axis cross at the origin: 20 px arms with their heads toward the
// horizontal and vertical axes' positive sides, the depth arm down-left for
// axis sets 1, 4 and 5 and up-right for 2, 3 and 6, the letters, and a white
// circle of radius 4.
TEST(ModelResmi, EksenTakimi) {
    struct Durum {
        int boyut, takim, gorunus;
        int sh, sv;                // the arms' directions
        int derinlik;              // +1 down-left, -1 up-right
        const char *yatay, *duseyHarf, *derinHarf;
    };
    for (const Durum& d : {Durum{2, 1, 0, 1, 1, 1, "X", "Y", "Z"}, Durum{2, 3, 0, 1, 1, -1, "Y", "X", "Z"},
                           Durum{3, 1, 3, -1, -1, 1, "Y", "Z", "X"}, Durum{3, 6, 2, 1, 1, -1, "Z", "X", "Y"}}) {
        SCOPED_TRACE(std::to_string(d.takim) + "/" + std::to_string(d.gorunus));
        // One bar far from the origin in every view.
        Model({{0, 0}, {0, 0}}, {{10, 4000, {1, 2}}});
        CizimDurumu.NoktaKoordinatlari[1] = {0, 25, 25, 25};
        CizimDurumu.NoktaKoordinatlari[2] = {0, 27, 27, 27};
        CizimDurumu.Boyut = d.boyut;
        CizimDurumu.EksenTakimi = d.takim;
        CizimDurumu.Gorunus = d.gorunus;
        GorunusVeOlcekHesapla();
        CizimDurumu.OrijinX = 250, CizimDurumu.OrijinY = 200;
        const QImage r = Resim();
        const int ox = 250, oy = 200, sh = d.sh, sv = d.sv, k = d.derinlik;
        EXPECT_EQ(r.pixel(ox, oy), kBeyaz);
        EXPECT_TRUE(Yakininda(r, ox + 4, oy, kKirmizi));
        EXPECT_TRUE(Yakininda(r, ox, oy + 4, kKirmizi));
        // Horizontal arm and head, then the letter.
        for (int t : {8, 12, 19}) EXPECT_TRUE(Yakininda(r, ox + t * sh, oy, kKirmizi)) << t;
        EXPECT_TRUE(Yakininda(r, ox + 16 * sh, oy - 2 * sh, kKirmizi));
        EXPECT_TRUE(Yakininda(r, ox + 16 * sh, oy + 2 * sh, kKirmizi));
        EXPECT_FALSE(Yakininda(r, ox - 12 * sh, oy, kKirmizi));
        EXPECT_TRUE(YaziVar(r, d.yatay, ox + 26 * sh, oy - 6 * sh, 9, kKirmizi));
        // Vertical arm.
        for (int t : {8, 12, 19}) EXPECT_TRUE(Yakininda(r, ox, oy - t * sv, kKirmizi)) << t;
        EXPECT_TRUE(Yakininda(r, ox - 2 * sv, oy - 16 * sv, kKirmizi));
        EXPECT_TRUE(Yakininda(r, ox + 2 * sv, oy - 16 * sv, kKirmizi));
        EXPECT_FALSE(Yakininda(r, ox, oy + 12 * sv, kKirmizi));
        // A pointed head: nothing beside its tip.
        EXPECT_EQ(r.pixel(ox - 2, oy - 20 * sv), kBeyaz);
        EXPECT_EQ(r.pixel(ox + 2, oy - 20 * sv), kBeyaz);
        EXPECT_EQ(r.pixel(ox + 20 * sh, oy - 2), kBeyaz);
        EXPECT_EQ(r.pixel(ox + 20 * sh, oy + 2), kBeyaz);
        EXPECT_TRUE(YaziVar(r, d.duseyHarf, ox - 4 * sv, oy - 36 * sv, 9, kKirmizi));
        // Depth arm with its head, not the other way.
        EXPECT_TRUE(Yakininda(r, ox - 8 * k, oy + 8 * k, kKirmizi));
        EXPECT_TRUE(Yakininda(r, ox - 14 * k, oy + 12 * k, kKirmizi));
        EXPECT_TRUE(Yakininda(r, ox - 12 * k, oy + 14 * k, kKirmizi));
        EXPECT_FALSE(Yakininda(r, ox + 8 * k, oy - 8 * k, kKirmizi));
        if (k == 1) EXPECT_TRUE(YaziVar(r, d.derinHarf, ox - 20, oy + 16, 9, kKirmizi));
        else EXPECT_TRUE(YaziVar(r, d.derinHarf, ox + 20, oy - 20, 9, kKirmizi));
    }
}

// From the project: an element without a material-section row and one whose
// E (1000 kN/m2) is out of range get the size value 0 and are drawn red,
// with one message for the missing rows; the linked steel bar stays grey.
TEST(ModelResmi, BagsizElemanKirmizi) {
    Cizim c(Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() + Sql::Malzeme("2, 'Yumuşak', 1000, 0.3, 1, 0") +
                Sql::Kesit("A, iz", "1, '100:Diğer', 0.01, 0.0001") +
                Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 4, 4}, {"4", 0, 4}}) +
                Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 30, 2, 3}, {"3", 30, 3, 4}}) +
                Sql::Baglar({{"1"}, {"3", 2, 1}}),
            false, false);
    ASSERT_EQ(c.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(c.arayuz.Mesajlar[0].Metin, "1 elemanın malzeme veya kesit bilgisi yok; bu elemanlar kırmızı çizilir");
    const auto& b = CizimDurumu.ElemanCizimBilgisi;
    EXPECT_EQ(b[1][0], 400);
    EXPECT_EQ(b[2][0], 0);
    EXPECT_EQ(b[3][0], 0);
    CizimSecenekleri s;
    s.ElemanNo = s.YerelEksen = s.CekmeTarafi = false;
    const QImage r = c.Resim(s);
    // Three quarters along each element.
    EXPECT_EQ(r.pixel(Izdusum(3, 0, 0)), kGri);
    EXPECT_EQ(r.pixel(Izdusum(4, 3, 0)), kKirmizi);
    EXPECT_EQ(r.pixel(Izdusum(1, 4, 0)), kKirmizi);
}
