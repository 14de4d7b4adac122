// The fit of the model into the picture: every element, label, diagram and
// displaced shape inside the image and below the title band, the model box
// centred in the drawing area.
//
// A 600 x 600 image with at most 20 elements in the range: the margin is the
// diagram height at the bar's 10 (80 px) and 20 px for labels, 100 px; the
// drawing area runs from x = 100 to 500 and from y = 20 + 100 = 120 to 500,
// 400 x 380 px, centred at (300, 310).
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <QSlider>
#include <QTest>
#include <QTransform>

#include "CizimTestYardim.h"
#include "drawing/CizimGeometrisi.h"
#include "drawing/MeshCiz.h"
#include "model/Tipler.h"

namespace {

// The picture painted into a canvas 300 px larger on every side, the model
// moved with it: the points drawn outside the image's own area below its
// title band (none when everything fits).
std::vector<QPoint> Tasanlar(const CizimSecenekleri& s) {
    constexpr int B = 300;
    TCizimDurumu& c = CizimDurumu;
    QImage r(c.Genislik + 2 * B, c.Yukseklik + 2 * B, QImage::Format_RGB32);
    c.OrijinX += B;
    c.OrijinY += B;
    Ciz(r, s);
    c.OrijinX -= B;
    c.OrijinY -= B;
    const QRect alan(B, B + kBaslikBandi, c.Genislik, c.Yukseklik - kBaslikBandi);
    std::vector<QPoint> disarida;
    // The canvas's own title line lies in its top rows.
    for (int y = kBaslikBandi; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (r.pixel(x, y) != kBeyaz && !alan.contains(x, y)) disarida.push_back({x - B, y - B});
    return disarida;
}

std::string Ilk(const std::vector<QPoint>& l) {
    return l.empty() ? "" : std::to_string(l.size()) + " px, first (" + std::to_string(l[0].x()) + ", " +
                                 std::to_string(l[0].y()) + ")";
}

std::string EksenTakimi(int t) { return "UPDATE AnaVeriler SET KoordinatSistemiNo = " + std::to_string(t) + ";\n"; }

// Plane frame: columns 1-2 and 4-3 of 4 m, beam 2-3 of 6 m; pin at 1, roller
// at 4, H = 20 kN at node 2: column normal forces -+20 x 4 / 6 = 13.33,
// knee moment 80.
std::string Portal(int t) {
    return Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() +
           Sql::Kesit("A, ix, iy, iz, Ay, hy, ey", "1, '100:Diğer', 0.01, 0, 0.0001, 0.0001, 0.008, 0.3, 0.15") +
           Sql::Noktalar({{"1", 0}, {"2", 0, 4}, {"3", 6, 4}, {"4", 6}}) +
           Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 30, 2, 3}, {"3", 30, 4, 3}}) + Sql::Baglar({{"1,3,1,0,0"}}) +
           Sql::Mesnetler({{"1", "0 0 S S S S"}, {"4", "S 0 S S S S"}}) + Sql::Yukler({{"2", 20, 0}}) + EksenTakimi(t);
}

// A 4 m cantilever column fixed at node 1 (0, 0), 10 kN across at its top:
// base moment -40.
std::string Konsol(int t) {
    return Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() +
           Sql::Kesit("A, ix, iy, iz, Ay, hy, ey", "1, '100:Diğer', 0.01, 0, 0.0001, 0.0001, 0.008, 0.3, 0.15") +
           Sql::Noktalar({{"1", 0}, {"2", 0, 4}}) + Sql::Elemanlar({{"1", 30, 1, 2}}) + Sql::Baglar({{"1"}}) +
           Sql::Mesnetler({{"1", "0 0 S S S 0"}}) + Sql::Yukler({{"2", 10, 0}}) + EksenTakimi(t);
}

// A space frame: column 1-2 (0,0,0)-(0,4,0), beam 2-3 to (6,4,0), column
// 3-4 down to (6,0,0), beam 3-5 to (6,4,3), column 5-6 down to (6,0,3).
std::string UzayCerceve(int t) {
    return Sql::Sistem("40:Uzay çerçeve") + Sql::Malzeme("1, 'Çelik', 200000000, 0.25, 7.85, 0.000012") +
           Sql::Kesit("A, ix, iy, iz, Ay, hy, ey, Az, hz, ez",
                      "1, '100:Diğer', 0.01, 0.00001, 0.00001, 0.00002, 0.008, 0.3, 0.15, 0.008, 0.2, 0.1") +
           Sql::Noktalar({{"1", 0}, {"2", 0, 4}, {"3", 6, 4}, {"4", 6}, {"5", 6, 4, 3}, {"6", 6, 0, 3}}) +
           Sql::Elemanlar({{"1", 40, 1, 2, 10002},
                           {"2", 40, 2, 3, 10002},
                           {"3", 40, 3, 4, 10002},
                           {"4", 40, 3, 5, 10002},
                           {"5", 40, 5, 6, 10002}}) +
           Sql::Baglar({{"1,5,1,0,0"}}) + EksenTakimi(t);
}

// A label's text box, turned as it is painted and grown by one pixel.
QPolygonF EtiketKutusu(const CizimEtiketi& e, int YaziBoyu) {
    QFont f("Arial");
    f.setPixelSize(YaziPikseli(YaziBoyu));
    const QFontMetrics m(f);
    const QRectF r(-1, -1, m.horizontalAdvance(QString::fromStdString(e.Metin)) + 2, m.height() + 2);
    QTransform t;
    t.translate(e.x, e.y);
    t.rotate(-e.Aci);
    return t.map(QPolygonF(r));
}

// The pixels of this colour (of any but white when Renk is white) inside the box.
int Icinde(const QImage& r, const QPolygonF& kutu, QRgb Renk) {
    int n = 0;
    const QRect sinir = kutu.boundingRect().toAlignedRect();
    for (int y = sinir.top(); y <= sinir.bottom(); ++y)
        for (int x = sinir.left(); x <= sinir.right(); ++x)
            if (r.valid(x, y) && kutu.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill) &&
                (Renk == kBeyaz ? r.pixel(x, y) != kBeyaz : r.pixel(x, y) == Renk))
                ++n;
    return n;
}

void GorunusSec(int g) {
    CizimDurumu.Gorunus = g;
    GorunusVeOlcekHesapla();
    OrijiniAyarla();
}

}  // namespace

// The farthest nodes lie on the margin: the 4 m beam in "X-Y" fills the
// area's width, 100 px/m, its middle at x = 300; in "Y-X" the 380 px height,
// 95 px/m, its middle at y = 310. The column in "X-Y" likewise, upright.
// The space frame in the spatial picture: x = X - Z/2, y = Y - Z/2 spans 6 m
// by 5.5 m (y from -1.5 to 4); 400 / 6 = 66.67 px/m limits, the origin at
// x = 300 - 3 x 66.67 = 100 and y = 310 + 1.25 x 66.67 = 393.3, rounded 393.
TEST(CizimSinir, UzakNoktalarKenarPayinda) {
    {
        Cizim c(BasitKiris(1), false, false);
        EXPECT_EQ(CizimKenarPayi(), 100);
        EXPECT_EQ(NoktaIzdusumu(1), QPoint(100, 310));
        EXPECT_EQ(NoktaIzdusumu(2), QPoint(500, 310));
    }
    {
        Cizim c(BasitKiris(3), false, false);
        EXPECT_EQ(NoktaIzdusumu(1), QPoint(300, 500));
        EXPECT_EQ(NoktaIzdusumu(2), QPoint(300, 120));
    }
    {
        Cizim c(Konsol(1), false, false);
        EXPECT_EQ(NoktaIzdusumu(1), QPoint(300, 500));
        EXPECT_EQ(NoktaIzdusumu(2), QPoint(300, 120));
    }
    Cizim c(UzayCerceve(1), false, false);
    EXPECT_EQ(CizimDurumu.OrijinX, 100);
    EXPECT_EQ(CizimDurumu.OrijinY, 393);
    EXPECT_EQ(NoktaIzdusumu(1), QPoint(100, 393));
    EXPECT_EQ(NoktaIzdusumu(3), QPoint(500, 126));  // 393 - 4 x 66.67
    EXPECT_EQ(NoktaIzdusumu(6), QPoint(400, 493));  // (4.5, -1.5)
    // View "Y-Z" (h = -Y, v = -Z): h from -4 to 0, v from -3 to 0; 400 / 4 =
    // 100 px/m limits (380 / 3 = 126.7): origin (300 + 200, 310 - 150).
    GorunusSec(3);
    EXPECT_EQ(NoktaIzdusumu(1), QPoint(500, 160));
    EXPECT_EQ(NoktaIzdusumu(6), QPoint(500, 460));
    EXPECT_EQ(NoktaIzdusumu(5), QPoint(100, 460));
}

// The cases that fell outside: each picture wholly inside the image and
// below the title band.
TEST(CizimSinir, HerSeyResminIcinde) {
    struct Durum {
        const char* ad;
        std::string sql;
        CizimTuru tur;
        bool yerDegistirmeli;
    };
    const Durum durumlar[] = {
        {"portal Y-X N", Portal(3), CizimTuru::NormalKuvvet, false},
        {"portal X-Y M", Portal(1), CizimTuru::Moment, false},
        {"portal Y-X M", Portal(3), CizimTuru::Moment, false},
        {"portal Y-X V", Portal(3), CizimTuru::Kesme, false},
        {"konsol X-Y M", Konsol(1), CizimTuru::Moment, false},
        {"konsol Y-X V", Konsol(3), CizimTuru::Kesme, false},
        {"kiris Y-X M", BasitKiris(3), CizimTuru::Moment, false},
        {"kiris Y-X V", BasitKiris(3), CizimTuru::Kesme, false},
        {"kiris X-Y V", BasitKiris(1), CizimTuru::Kesme, false},
        {"kafes Y-X sekil", UcgenKafes(Sql::Kesit("A", "1, '100:Diğer', 0.001")) + EksenTakimi(3),
         CizimTuru::SekilDegistirmis, true},
        {"kafes Y-X N", UcgenKafes(Sql::Kesit("A", "1, '100:Diğer', 0.001")) + EksenTakimi(3),
         CizimTuru::NormalKuvvet, false},
        {"kafes X-Y N", UcgenKafes(Sql::Kesit("A", "1, '100:Diğer', 0.001")), CizimTuru::NormalKuvvet, false},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        Cizim c(d.sql, d.yerDegistirmeli);
        ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
        CizimSecenekleri s;
        s.Tur = d.tur;
        s.NoktaNo = true;
        EXPECT_EQ(Ilk(Tasanlar(s)), "");
        s.YaziBoyu = 10;
        EXPECT_EQ(Ilk(Tasanlar(s)), "");
    }
    // The space frame in every view of sets "X-Y" and "Y-Z", and turned
    // (fitted again after the turn, as the window does).
    for (int t : {1, 4}) {
        Cizim c(UzayCerceve(t), false, false);
        CizimSecenekleri s;
        s.NoktaNo = true;
        for (int g = 0; g <= 3; ++g) {
            GorunusSec(g);
            EXPECT_EQ(Ilk(Tasanlar(s)), "") << t << " " << g;
        }
        GorunusSec(0);
        for (const auto& a : {std::array<int, 3>{30, 45, 0}, {-60, 120, 15}, {180, 0, 270}}) {
            AcilariAyarla(a[0], a[1], a[2]);
            SigdirmeHesapla();
            OrijiniAyarla();
            EXPECT_EQ(Ilk(Tasanlar(s)), "") << t << " " << a[0] << " " << a[1] << " " << a[2];
        }
    }
}

// Every label, its sign included, stands clear of every line: the box of its
// text, turned, holds no pixel of the picture painted without labels (lines,
// diagrams, numbers, axis cross) and holds the label's own pixels. The
// column's base moment is -40, the portal's knee moment 80.
TEST(CizimSinir, EtiketlerCizgilereDegmez) {
    struct Durum {
        const char* ad;
        std::string sql;
        CizimTuru tur;
        std::vector<std::string> metinler;
    };
    const std::string kafes = UcgenKafes(Sql::Kesit("A", "1, '100:Diğer', 0.001"));
    const Durum durumlar[] = {
        {"konsol X-Y M", Konsol(1), CizimTuru::Moment, {"-40"}},
        {"konsol Y-X M", Konsol(3), CizimTuru::Moment, {"-40"}},
        {"konsol X-Y V", Konsol(1), CizimTuru::Kesme, {}},
        {"portal X-Y M", Portal(1), CizimTuru::Moment, {}},
        {"portal Y-X M", Portal(3), CizimTuru::Moment, {}},
        {"portal X-Y N", Portal(1), CizimTuru::NormalKuvvet, {}},
        {"portal Y-X V", Portal(3), CizimTuru::Kesme, {}},
        {"kiris X-Y M", BasitKiris(1), CizimTuru::Moment, {"20"}},
        {"kiris Y-X V", BasitKiris(3), CizimTuru::Kesme, {"20", "-20"}},
        {"kafes X-Y N", kafes, CizimTuru::NormalKuvvet, {"-30", "-62.5", "37.5"}},
        {"kafes Y-X N", kafes + EksenTakimi(3), CizimTuru::NormalKuvvet, {"-30", "-62.5", "37.5"}},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        Cizim c(d.sql);
        ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
        for (int boy : {7, 10}) {
            std::vector<CizimEtiketi> etiketler;
            CizimSecenekleri s;
            s.Tur = d.tur;
            s.YaziBoyu = boy;
            s.Etiketler = &etiketler;
            const QImage tam = c.Resim(s);
            s.Ordinatlar = false;
            s.Etiketler = nullptr;
            const QImage cizgiler = c.Resim(s);
            if (!d.metinler.empty()) {
                std::vector<std::string> metinler;
                for (const auto& e : etiketler) metinler.push_back(e.Metin);
                EXPECT_EQ(metinler, d.metinler);
            }
            ASSERT_FALSE(etiketler.empty());
            for (const auto& e : etiketler) {
                const QPolygonF kutu = EtiketKutusu(e, boy);
                EXPECT_EQ(Icinde(cizgiler, kutu, kBeyaz), 0) << e.Metin << " at " << e.x << ", " << e.y << " " << boy;
                EXPECT_GT(Icinde(tam, kutu, kBeyaz), 0) << e.Metin;
            }
        }
    }
}

// In the window a turned spatial picture is fitted again: the rotation bars
// moved by their keys, the space frame stays inside.
TEST(CizimSinir, DonenUzayResmiIcindeKalir) {
    Cizim c(UzayCerceve(1), false, false);
    Penceresinde(true, [&](TfMeshCiz& w) {
        for (QSlider* cubuk : {w.TrackBar6, w.TrackBar5}) {
            cubuk->setFocus();
            for (int i = 0; i < 9; ++i) QTest::keyClick(cubuk, Qt::Key_PageUp);
            EXPECT_EQ(cubuk->value(), 90);
            EXPECT_EQ(Ilk(Tasanlar(w.Secenekler())), "") << cubuk->objectName().toStdString();
        }
        EXPECT_EQ(CizimDurumu.Acilar[0], 90);
        EXPECT_EQ(CizimDurumu.Acilar[1], 90);
    });
}
