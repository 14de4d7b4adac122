#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <functional>
#include <iterator>

#include "drawing/CizimBoyama.h"
#include "drawing/CizimGeometrisi.h"
#include "drawing/KuvvetDiyagramlari.h"
#include "drawing/MeshCiz.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "CizimTestYardim.h"

// Mid-span moment qL^2/8 = 20 kNm drawn on the tension face. One element in
// the range: the largest ordinate is 8 x 10 = 80 pixels, so 4 px per kNm.
// Fit: the 4 m span over the drawing area (the image less 100 px on each
// side, 20 more at the top: 400 x 380 px centred at (300, 310)).
// X-Y: 100 px/m, node i at (100, 310), j at (500, 310); k = 100 lies
// 99 x 400/199 = 199 px along, the moment 80 px below: (299, 390).
// Y-X: global X runs up the screen, 95 px/m, i at (300, 500), j at (300, 120);
// k = 100 lies 99 x 380/199 = 189 px up; global -Y (the beam's bottom face)
// is the screen's left: (220, 311).
TEST(Cizim, BasitKirisMomentiCekmeTarafinda) {
    struct Durum {
        int takim;
        QPoint cekme, basinc;
    };
    for (const Durum& d : {Durum{1, {299, 390}, {299, 230}}, Durum{3, {220, 311}, {380, 311}}}) {
        SCOPED_TRACE(d.takim);
        Cizim c(BasitKiris(d.takim));
        ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
        EXPECT_EQ(CizimDurumu.EksenTakimi, d.takim);
        EXPECT_EQ(DiyagramEnBuyukleri[2], 20);
        std::vector<CizimEtiketi> etiketler;
        QImage r = c.Resim(Secim(CizimTuru::Moment, &etiketler));
        EXPECT_TRUE(Yakininda(r, d.cekme.x(), d.cekme.y(), kMavi));
        EXPECT_FALSE(Yakininda(r, d.basinc.x(), d.basinc.y(), kMavi));
        // The maximum where the shear changes sign, written along the bar.
        ASSERT_EQ(etiketler.size(), 1u);
        EXPECT_EQ(etiketler[0].Metin, "20");
        EXPECT_EQ(etiketler[0].Aci, d.takim == 1 ? 0 : 90);
        // The tension-side line: the middle third, 3 px off the bottom face.
        QImage g = c.Resim();
        const QPoint orta = d.takim == 1 ? QPoint(300, 313) : QPoint(297, 310);
        EXPECT_TRUE(Yakininda(g, orta.x(), orta.y(), kKirmizi));
        const QPoint karsi = d.takim == 1 ? QPoint(300, 307) : QPoint(303, 310);
        EXPECT_FALSE(Yakininda(g, karsi.x(), karsi.y(), kKirmizi));
    }
}

// Fixed at both ends, 4 m, 10 kN/m: the report rows hold the end forces on
// the element (Vy = qL/2 = 20 at both ends, Mz = +-qL^2/12 = +-13.33, the
// fixing moments turning the ends upward), the diagram the internal moments
// (hogging -13.33 at both ends, sagging qL^2/24 = 6.67 at mid-span) and the
// internal shear (+20 at i, -20 at j).
TEST(Cizim, RaporUcKuvvetleriDiyagramIcKuvvetleri) {
    Cizim c(CerceveKirisi("0 0 S S S 0", Sql::ElemanYuku("'1', 1, 1, 10, 0, 0, 0")));
    ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
    auto k = [](const char* a, const char* b, const char* cc) { return Sag(a, 12) + Sag(b, 12) + Sag(cc, 12); };
    EXPECT_EQ(Bolum(c.rapor, "ELEMAN KUVVETLERİ:"),
              Satirlar({"ELEMAN KUVVETLERİ:", "   Nokta  Eleman  Normal(kN)      Vy(kN)     Mz(kNm)", Tekrar('-', 88),
                        "       1       1" + k("0", "20", "13.33"), "       2        " + k("0", "20", "-13.33")}));
    std::vector<CizimEtiketi> m, v;
    c.Resim(Secim(CizimTuru::Moment, &m));
    c.Resim(Secim(CizimTuru::Kesme, &v));
    auto metinler = [](const std::vector<CizimEtiketi>& l) {
        std::vector<std::string> s;
        for (const auto& e : l) s.push_back(e.Metin);
        return s;
    };
    EXPECT_EQ(metinler(m), (std::vector<std::string>{"-13.33", "6.67", "-13.33"}));
    EXPECT_EQ(metinler(v), (std::vector<std::string>{"20", "-20"}));
    // Hogging ends drawn above the beam: 13.33 x 80 / 13.33 px over node i at
    // (100, 310); the label 3 px in from the end, its box ending 3 px above
    // the diagram's top.
    ASSERT_EQ(m.size(), 3u);
    QFont yazi("Arial");
    yazi.setPixelSize(YaziPikseli(7));
    EXPECT_EQ(m[0].x, 100 + 3);
    EXPECT_EQ(m[0].y + QFontMetrics(yazi).height(), 310 - 80 - 3);
}

// The memo of the same beam: 200 values each followed by ",", two decimals.
TEST(Cizim, OrdinatMetinleri) {
    Cizim c(CerceveKirisi("0 0 S S S 0", Sql::ElemanYuku("'1', 1, 1, 10, 0, 0, 0")));
    Tablo& t = CizimTablosu();
    ASSERT_TRUE(t.Locate("ElemanNo", 1));
    const std::string mz = t.FieldByName("Mz").AsString();
    EXPECT_EQ(std::count(mz.begin(), mz.end(), ','), 200);
    EXPECT_EQ(mz.substr(0, 7), "-13.33,");
    EXPECT_EQ(mz.substr(mz.size() - 8), ",-13.33,");
    DiyagramDizisi f;
    ASSERT_TRUE(DiyagramMetniniOku(mz, f));
    // M(x) = -13.33 + 20 x - 5 x^2 at x = 99 x 4/199.
    const double x = 99 * 4.0 / 199;
    EXPECT_DOUBLE_EQ(f[100], Yuvarla(-13.33 + 20 * x - 5 * x * x, 2));
    const std::string u = t.FieldByName("u").AsString();
    EXPECT_EQ(u.substr(0, 2), "0,");
    EXPECT_EQ(u.substr(u.size() - 3), ",0,");
    // A second opening after the same run keeps the stored texts.
    t.Edit();
    t.FieldByName("Mz").SetString("1,");
    t.Post();
    KuvvetDiyagramlariniHesapla();
    EXPECT_EQ(CizimTablosu().FieldByName("Mz").AsString(), "1,");
    // A text short of 200 values reads as nothing.
    EXPECT_FALSE(DiyagramMetniniOku("1,2,3,", f));
    EXPECT_EQ(f[1], 0);
    EXPECT_EQ(DiyagramMetni(DiyagramDizisi{0, 0.4, 37.5, -0.0}).substr(0, 11), "0.4,37.5,0,");
}

// Plane frame with its first element loaded by 1 kN at mid-span: end shears
// of 0.5 kN, drawn (not rounded away to nothing).
TEST(Cizim, KucukKuvvetlerCizilir) {
    Cizim c(CerceveKirisi("S 0 S S S S", Sql::ElemanYuku("'1', 1, 2, 1, 2, 0, 0")) +
            "UPDATE SinirKosullari SET Fiz = 'Serbest' WHERE NoktaNo = '1';\n");
    EXPECT_EQ(DiyagramEnBuyukleri[1], 0.5);
    // PL/4 = 1 lies between two points: 0.5 x 396/199 = 0.99 at the nearest.
    EXPECT_EQ(DiyagramEnBuyukleri[2], 0.99);
    // V = 0.5 drawn the full 80 px above node i's end of the beam.
    EXPECT_TRUE(Yakininda(c.Resim(Secim(CizimTuru::Kesme)), 101, 230, kMavi));
}

// A portal frame in the geometry-only state: columns 1-2 and 3-4, beam 2-3
// with moment hinges at both ends ("0306"), the right column with a shear
// and an axial release at its top ("0102"). Fit: the 4 m square box in the
// 400 x 380 px area, 95 px/m, origin (300 - 190, 310 + 190); at half the
// overall scale the bays are 190 px: node 1 (110, 500), 2 (110, 310),
// 3 (300, 310), 4 (300, 500).
TEST(Cizim, CerceveMafsallari) {
    Cizim c(Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() +
                Sql::Kesit("A, iz", "1, '100:Diğer', 0.01, 0.0001") +
                Sql::Noktalar({{"1", 0}, {"2", 0, 4}, {"3", 4, 4}, {"4", 4}}) +
                Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 30, 2, 3}, {"3", 30, 3, 4}}) +
                Sql::Baglar({{"1"}, {"2", 1, 1, "0306"}, {"3", 1, 1, "0102"}}),
            false, false);
    CizimDurumu.Olcekler[0] = 0.5;
    QImage r = c.Resim();
    // Moment hinges: circles of radius 4, 8 px in from each end of the beam.
    for (int x : {118, 292}) {
        EXPECT_EQ(r.pixel(x, 310), kBeyaz) << x;
        EXPECT_TRUE(Yakininda(r, x, 306, kGri)) << x;
        EXPECT_TRUE(Yakininda(r, x, 314, kGri)) << x;
    }
    // Shear release at the column's top: a white gap from 4 to 12 px down,
    // crossed by 12 px strokes; the axial bracket 12 px down, arms 8 px long.
    EXPECT_EQ(r.pixel(300, 318), kBeyaz);
    EXPECT_EQ(r.pixel(295, 314), kGri);
    EXPECT_EQ(r.pixel(305, 314), kGri);
    EXPECT_EQ(r.pixel(306, 327), kGri);
    EXPECT_EQ(r.pixel(294, 327), kGri);
    // No hinge on the left column.
    EXPECT_EQ(r.pixel(110, 318), kGri);
    // Without "Mafsallar" the beam line runs through.
    CizimSecenekleri s;
    s.Mafsallar = false;
    EXPECT_EQ(c.Resim(s).pixel(118, 310), kGri);
}

// The triangle truss (bars 1-2, 2-3, 1-3; A = 0.001, EA = 2e5 kN) under 30,
// -40 kN at node 3: N13 = 37.5, N12 = -30, N23 = -62.5. Node 2 held, node 1
// on a roller: u1 = (6e-4, 0), u3 = (2.475e-3, -9.375e-4) m. Fit: the 4 x 3 m
// box in the 400 x 380 px area, 100 px/m, origin (300 - 200, 310 + 150); the
// largest displacement (node 3, 2.6466e-3 m) drawn 80 px long (x 302.27):
// node 3 at (500, 160) moves to (575, 188), node 1 to (118, 460).
TEST(Cizim, KafesYerDegistirmeleriVeNormalKuvvet) {
    const std::string sql = UcgenKafes(Sql::Kesit("A", "1, '100:Diğer', 0.001"));
    {
        Cizim c(sql, true);
        ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
        ASSERT_TRUE(SekilDegistirmisCizilebilir());
        QImage r = c.Resim(Secim(CizimTuru::SekilDegistirmis));
        EXPECT_TRUE(Yakininda(r, 575, 188, kMavi));
        EXPECT_TRUE(Yakininda(r, 118, 460, kMavi));
        EXPECT_TRUE(Yakininda(r, 346, 324, kMavi));  // half-way along the displaced bar 1-3
        std::vector<CizimEtiketi> n;
        c.Resim(Secim(CizimTuru::NormalKuvvet, &n));
        std::vector<std::string> metinler;
        for (const auto& e : n) metinler.push_back(e.Metin);
        EXPECT_EQ(metinler, (std::vector<std::string>{"-30", "-62.5", "37.5"}));
    }
    // Without displacements nothing is drawn as if displaced.
    Cizim c(sql, false);
    EXPECT_FALSE(SekilDegistirmisCizilebilir());
    EXPECT_EQ(Say(c.Resim(Secim(CizimTuru::SekilDegistirmis)), kMavi), 0);
}

// Plane projects take their axis set only when it is "X-Y" or "Y-X".
TEST(Cizim, DuzlemEksenTakimi) {
    for (int t = 1; t <= 6; ++t) {
        EXPECT_EQ(GecerliEksenTakimi(t, 2), t == 3 ? 3 : 1) << t;
        EXPECT_EQ(GecerliEksenTakimi(t, 3), t) << t;
    }
}

// Nodes numbered with a gap (1, 3) are refused with the calculation's message.
TEST(Cizim, BoslukluNumaralarReddedilir) {
    Cizim c(Sql::Sistem("10:Düzlem kafes") + Sql::Celik() + Sql::Kesit("A", "1, '100:Diğer', 0.001") +
                Sql::Noktalar({{"1", 0}, {"3", 4}}) + Sql::Elemanlar({{"1", 10, 1, 3}}) + Sql::Baglar({{"1"}}),
            false, true);
    c.arayuz.Mesajlar.clear();
    EXPECT_FALSE(CizimTablolariniDoldur(600, 600));
    ASSERT_EQ(c.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(c.arayuz.Mesajlar[0].Metin, "2 nolu nokta tanımsız: nokta numaraları 1'den başlayıp boşluksuz sürmelidir");
}

// Each format by its suffix, recognised by the file's first bytes; other
// suffixes and unwritable places are refused with a message.
TEST(Cizim, KaydetmeBicimleri) {
    GeciciKlasor k;
    QImage r(40, 30, QImage::Format_RGB32);
    r.fill(Qt::white);
    struct Bicim {
        const char* ad;
        std::string imza;
    };
    for (const Bicim& b : {Bicim{"a.png", "\x89PNG"}, Bicim{"a.JPG", "\xFF\xD8\xFF"}, Bicim{"a.jpeg", "\xFF\xD8\xFF"},
                           Bicim{"a.bmp", "BM"}}) {
        std::string hata;
        ASSERT_TRUE(CizimiKaydet(r, k.Dosya(b.ad), hata)) << b.ad << hata;
        std::ifstream f(k.Dosya(b.ad), std::ios::binary);
        std::string bas(b.imza.size(), '\0');
        f.read(bas.data(), static_cast<std::streamsize>(bas.size()));
        EXPECT_EQ(bas, b.imza) << b.ad;
    }
    std::string hata;
    EXPECT_FALSE(CizimiKaydet(r, k.Dosya("a.ico"), hata));
    EXPECT_EQ(hata, "Çizim yalnız .png, .jpg, .jpeg veya .bmp uzantılı dosyaya kaydedilebilir: " + k.Dosya("a.ico"));
    const std::string yok = k.Dosya("yok/a.png");
    EXPECT_FALSE(CizimiKaydet(r, yok, hata));
    EXPECT_EQ(hata, "Çizim kaydedilemedi: " + yok);
    EXPECT_EQ(CizimDosyaAdi("Kat 1/2: çerçeve"), "Kat 1_2_ çerçeve");
    EXPECT_EQ(CizimDosyaAdi(".."), "Çizim");
}

// The window from "Çiz" hides the diagram controls; from the results window
// they are there.
TEST(Cizim, PencereDiyagramDenetimleri) {
    Cizim c(BasitKiris(1));
    for (bool sadeceGeometri : {true, false})
        Penceresinde(sadeceGeometri, [&](TfMeshCiz& w) {
            EXPECT_EQ(w.RadioGroup3->isVisibleTo(&w), !sadeceGeometri);
            EXPECT_EQ(w.LabeledEdit2->text(), "1");
        });
}

// The range edits: integers from 1 to the element count, the first not above the last.
TEST(Cizim, ElemanAraligi) {
    CizimDurumu = TCizimDurumu{};
    CizimDurumu.ElemanSayisi = 5;
    struct Durum {
        const char *ilk, *son, *hata;
    };
    for (const Durum& d : {Durum{"2", " 4", ""}, Durum{"0", "4", "İlk eleman no hatalı"},
                           Durum{"1", "6", "Son eleman no hatalı"}, Durum{"x", "y", "İlk eleman no hatalı"},
                           Durum{"4", "2", "İlk veya son eleman no hatalı"}}) {
        int i = 0, s = 0;
        EXPECT_EQ(ElemanAraligiHatasi(d.ilk, d.son, i, s), d.hata) << d.ilk << " " << d.son;
    }
    CizimDurumu = TCizimDurumu{};
}

// In the window: a refused range is reported, reset to the whole model and
// leaves the picture blank; the reset label puts the diagram bar at 5.
TEST(Cizim, PencereAralikVeOnAyarlar) {
    Cizim c(UcgenKafes(Sql::Kesit("A", "1, '100:Diğer', 0.001")));
    c.arayuz.Mesajlar.clear();
    Penceresinde(false, [&](TfMeshCiz& w) {
        EXPECT_EQ(CizimDurumu.SonEleman, 3);
        w.LabeledEdit1->setText("3");
        w.LabeledEdit2->setText("2");
        w.BitBtn2->click();
        EXPECT_EQ(w.LabeledEdit1->text(), "1");
        EXPECT_EQ(w.LabeledEdit2->text(), "3");
        EXPECT_EQ(Say(w.Resim(), kGri), 0);
        w.LabeledEdit1->setText("2");
        w.BitBtn2->click();
        EXPECT_EQ(CizimDurumu.IlkEleman, 2);
        EXPECT_GT(Say(w.Resim(), kGri), 0);
        QMouseEvent tik(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
        QApplication::sendEvent(w.Label9, &tik);
        EXPECT_EQ(w.TrackBar8->value(), 5);
        EXPECT_EQ(w.StaticText9->text(), "5");
    });
    ASSERT_EQ(c.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(c.arayuz.Mesajlar[0].Metin, "İlk veya son eleman no hatalı");
    EXPECT_EQ(c.arayuz.Mesajlar[0].Baslik, "Uyarı:");
}
