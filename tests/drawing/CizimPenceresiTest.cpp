#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <algorithm>

#include "CizimTestYardim.h"
#include "drawing/CizimGeometrisi.h"
#include "drawing/MeshCiz.h"

namespace {

// An edit's text replaced by typing, as the user does.
void Yaz(QLineEdit* e, const char* Metin) {
    e->setFocus();
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, Metin);
}

// A click near the button's left end, on its mark or caption.
void Tikla(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(6, b->height() / 2)); }

std::vector<std::string> Metinler(const BasliksizArayuz& a) {
    std::vector<std::string> m;
    for (const auto& k : a.Mesajlar) m.push_back(k.Metin);
    return m;
}

// A space truss: bars from node 1 at the origin along X (4 m), Y (3 m) and Z (2 m).
std::string UcCubukluUzayKafes() {
    return Sql::Sistem("20:Uzay kafes") + Sql::Celik() + Sql::Kesit("A", "1, '100:Diğer', 0.001") +
           Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 0, 3}, {"4", 0, 0, 2}}) +
           Sql::Elemanlar({{"1", 20, 1, 2}, {"2", 20, 1, 3}, {"3", 20, 1, 4}}) + Sql::Baglar({{"1,3,1,0,0"}});
}

using Liste = std::vector<std::string>;

}  // namespace

// A change of axis set or view checks the range edits each on its own: the
// last one's fault is the one reported when both are wrong; the range goes
// back to the whole model. A paint reports the first fault it meets.
TEST(CizimPenceresi, AralikMesajlariHerYolda) {
    Cizim c(UcCubukluUzayKafes(), false, false);
    Penceresinde(true, [&](TfMeshCiz& w) {
        struct Durum {
            const char *ilk, *son;
            int dugme;  // 0..5 an axis set, 6..8 a view
            const char* mesaj;
        };
        for (const Durum& d : {Durum{"0", "2", 1, "İlk eleman hatalı"}, Durum{"2", "9", 2, "Son eleman hatalı"},
                               Durum{"x", "0", 3, "Son eleman hatalı"}, Durum{"", "", 7, "Son eleman hatalı"},
                               Durum{"4", "3", 6, "İlk eleman hatalı"}, Durum{"2", "3", 8, nullptr},
                               Durum{"3", "2", 0, "İlk veya son eleman no hatalı"},
                               Durum{"0", "9", -1, "İlk eleman no hatalı"}, Durum{"1", "4", -1, "Son eleman no hatalı"},
                               Durum{" 2", "3 ", -1, nullptr}}) {
            SCOPED_TRACE(std::string(d.ilk) + "|" + d.son + "|" + std::to_string(d.dugme));
            Yaz(w.LabeledEdit1, d.ilk);
            Yaz(w.LabeledEdit2, d.son);
            c.arayuz.Mesajlar.clear();
            Tikla(d.dugme < 0 ? w.BitBtn2 : d.dugme < 6 ? w.Grup1->button(d.dugme) : w.Grup2->button(d.dugme - 6));
            if (!d.mesaj) {
                EXPECT_TRUE(c.arayuz.Mesajlar.empty());
                EXPECT_EQ(w.LabeledEdit1->text(), "2");
                EXPECT_EQ(CizimDurumu.IlkEleman, 2);
                EXPECT_EQ(CizimDurumu.SonEleman, 3);
                continue;
            }
            EXPECT_EQ(Metinler(c.arayuz), Liste{d.mesaj});
            if (!c.arayuz.Mesajlar.empty()) EXPECT_EQ(c.arayuz.Mesajlar[0].Baslik, "Uyarı:");
            EXPECT_EQ(w.LabeledEdit1->text(), "1");
            EXPECT_EQ(w.LabeledEdit2->text(), "3");
            EXPECT_EQ(CizimDurumu.IlkEleman, 1);
            EXPECT_EQ(CizimDurumu.SonEleman, 3);
        }
    });
}

// A clicked origin stays through a change of axis set, view, range or
// rotation and goes back to the fit's origin on a resize.
TEST(CizimPenceresi, TiklananOrijinKalir) {
    Cizim c(UcCubukluUzayKafes(), false, false);
    Penceresinde(true, [&](TfMeshCiz& w) {
        QTest::mouseClick(w.Image1, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(250, 260));
        auto orijin = [] { return QPoint(CizimDurumu.OrijinX, CizimDurumu.OrijinY); };
        EXPECT_EQ(orijin(), QPoint(250, 260));
        Tikla(w.Grup1->button(3));
        EXPECT_EQ(orijin(), QPoint(250, 260));
        Tikla(w.Grup2->button(2));
        EXPECT_EQ(orijin(), QPoint(250, 260));
        Yaz(w.LabeledEdit1, "2");
        Tikla(w.BitBtn2);
        EXPECT_EQ(CizimDurumu.IlkEleman, 2);
        EXPECT_EQ(orijin(), QPoint(250, 260));
        Tikla(w.Grup1->button(0));
        Yaz(w.LabeledEdit1, "1");
        Tikla(w.BitBtn2);
        // Turning the spatial picture fits it again about the same origin.
        const double olcek = CizimDurumu.YatayOlcek;
        w.TrackBar6->setFocus();
        for (int i = 0; i < 9; ++i) QTest::keyClick(w.TrackBar6, Qt::Key_PageUp);
        EXPECT_NE(CizimDurumu.YatayOlcek, olcek);
        EXPECT_EQ(orijin(), QPoint(250, 260));
        // A resize puts the origin where the fit puts it.
        w.resize(w.width() + 1, w.height());
        QApplication::processEvents();
        const QPoint sonra = orijin();
        EXPECT_NE(sonra, QPoint(250, 260));
        OrijiniAyarla();
        EXPECT_EQ(sonra, orijin());
    });
}

// In a plane model the view computation puts x back at the fit's value when
// the model starts exactly at h = 0: a frame from (0, -1) to (4, 2) starts at
// h = 0 in "X-Y" but at h = -1 in "Y-X".
TEST(CizimPenceresi, DuzlemdeOrijinXYeniden) {
    Cizim c(Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() + Sql::Kesit("A, iz", "1, '100:Diğer', 0.01, 0.0001") +
                Sql::Noktalar({{"1", 0, -1}, {"2", 4, 2}}) + Sql::Elemanlar({{"1", 30, 1, 2}}) + Sql::Baglar({{"1"}}),
            false, false);
    Penceresinde(true, [&](TfMeshCiz& w) {
        const int x0 = CizimDurumu.OrijinX;
        ASSERT_NE(x0, 250);
        auto orijin = [] { return QPoint(CizimDurumu.OrijinX, CizimDurumu.OrijinY); };
        QTest::mouseClick(w.Image1, Qt::LeftButton, Qt::KeyboardModifiers(), QPoint(250, 260));
        Tikla(w.Grup1->button(2));
        EXPECT_EQ(orijin(), QPoint(250, 260));
        Tikla(w.Grup1->button(0));
        EXPECT_EQ(orijin(), QPoint(x0, 260));
    });
}

// An item that draws nothing in the model says why when it is chosen, and
// not again at the paints that follow.
TEST(CizimPenceresi, CizilmeyenSecimBirKezSoylenir) {
    struct Durum {
        std::string sql;
        bool yerDegistirmeli;
        std::vector<const char*> mesajlar;  // for N, V, M and the displaced shape; nullptr: drawn
    };
    const std::string uzay = UzayCubugu("0.00002", Sql::Yukler({{"2", 0, 0, -10, 5}}) +
                                                       Sql::Mesnetler({{"1", "0 0 0 0 0 0"}}));
    const std::string kiris = CerceveKirisi("S 0 S S S S", Sql::ElemanYuku("'1', 1, 1, 10, 0, 0, 0"));
    const std::string kafes = UcgenKafes(Sql::Kesit("A", "1, '100:Diğer', 0.001"));
    const Durum durumlar[] = {
        {uzay, true,
         {"\"Normal kuvvet diyagramı\" bu sistemde çizilmez: yalnız kafes ve düzlem çerçeve elemanlarında çizilir",
          "\"Vy Kesme Diyagramı\" bu sistemde çizilmez: yalnız düzlem çerçeve elemanlarında çizilir",
          "\"Mz Moment diyagramı\" bu sistemde çizilmez: yalnız düzlem çerçeve elemanlarında çizilir",
          "\"Yer ve şekil değiştirmiş geometri\" bu sistemde çizilmez: yalnız düzlem kafes sisteminde çizilir"}},
        {kiris, true,
         {"\"Normal kuvvet diyagramı\" çizilmez: bütün değerleri 0", nullptr, nullptr,
          "\"Yer ve şekil değiştirmiş geometri\" bu sistemde çizilmez: yalnız düzlem kafes sisteminde çizilir"}},
        {kafes, false,
         {nullptr, "\"Vy Kesme Diyagramı\" bu sistemde çizilmez: yalnız düzlem çerçeve elemanlarında çizilir",
          "\"Mz Moment diyagramı\" bu sistemde çizilmez: yalnız düzlem çerçeve elemanlarında çizilir",
          "Yer değiştirmeler hesaplanmadı"}},
    };
    for (const Durum& d : durumlar) {
        Cizim c(d.sql, d.yerDegistirmeli);
        ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
        Penceresinde(false, [&](TfMeshCiz& w) {
            for (int i = 0; i < 4; ++i) {
                SCOPED_TRACE(i);
                c.arayuz.Mesajlar.clear();
                Tikla(w.Grup3->button(i + 1));
                Tikla(w.BitBtn2);
                Tikla(w.CheckBox2);
                QTest::keyClick(w.TrackBar8, Qt::Key_Right);
                EXPECT_EQ(Metinler(c.arayuz), d.mesajlar[i] ? Liste{d.mesajlar[i]} : Liste{});
            }
        });
    }
}

// Opened as "Çiz" opens it, without results: where "Ordinatlar" and the
// diagram controls stood, the remaining controls close up. In every column
// of controls no gap is wider than the gap the layout puts between two rows
// of boxes, and no control overlaps the one above it ("Mafsallar" moves to
// the left under "Eleman no").
TEST(CizimPenceresi, GizliDenetimlerinYeriKapanir) {
    Cizim c(BasitKiris(1));
    for (bool sadeceGeometri : {true, false})
        Penceresinde(sadeceGeometri, [&](TfMeshCiz& w) {
            SCOPED_TRACE(sadeceGeometri);
            auto kutu = [&](QWidget* d) { return QRect(d->mapTo(&w, QPoint(0, 0)), d->size()); };
            const int olagan = kutu(w.CheckBox6).top() - kutu(w.CheckBox5).bottom();
            ASSERT_GT(olagan, 0);
            // The left column of the boxes and edits, and the column of the bars' labels.
            const std::vector<QWidget*> sutunlar[2] = {
                {static_cast<QWidget*>(w.RadioGroup2), w.RadioGroup3, w.CheckBox1, w.CheckBox3, w.CheckBox4, w.CheckBox5, w.CheckBox6,
                 w.findChild<QLabel*>("Label10")},
                {static_cast<QWidget*>(w.findChild<QLabel*>("Label7")), w.Label12, w.BitBtn2, w.Label9}};
            for (const auto& sutun : sutunlar) {
                std::vector<QRect> kutular;
                for (QWidget* d : sutun)
                    if (d->isVisibleTo(&w) && kutu(d).left() == kutu(sutun[0]).left()) kutular.push_back(kutu(d));
                std::sort(kutular.begin(), kutular.end(), [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
                for (std::size_t i = 1; i < kutular.size(); ++i) {
                    EXPECT_LE(kutular[i].top() - kutular[i - 1].bottom(), olagan)
                        << "gap above the control at y = " << kutular[i].top();
                    EXPECT_GT(kutular[i].top(), kutular[i - 1].bottom()) << "overlap at y = " << kutular[i].top();
                }
            }
            EXPECT_EQ(w.CheckBox3->isVisibleTo(&w), !sadeceGeometri);
            EXPECT_EQ(w.TrackBar8->isVisibleTo(&w), !sadeceGeometri);
        });
}

// The captions of the window keep the dots of their capitals: "Ölçek"
// above the scale bars (a caption as high as its line) and "İlk eleman no:".
TEST(CizimPenceresi, BuyukHarflerinNoktalariGorunur) {
    Cizim c(BasitKiris(1));
    for (bool sadeceGeometri : {true, false})
        Penceresinde(sadeceGeometri, [&](TfMeshCiz& w) {
            QApplication::processEvents();  // laid out as shown
            std::vector<std::string> bakilanlar;
            EXPECT_EQ(KesikEtiketler(&w, &bakilanlar), std::vector<std::string>{});
            for (const char* m : {"Ölçek", "İlk eleman no:", "Döndür"})
                EXPECT_NE(std::find(bakilanlar.begin(), bakilanlar.end(), m), bakilanlar.end()) << m;
            // Two dots over the O of "Ölçek", one over the I of "İlk".
            EXPECT_GE(BastakiNoktalar(w.findChild<QLabel*>("Label14")), 2);
            EXPECT_GE(BastakiNoktalar(w.findChild<QLabel*>("Label10")), 1);
        });
}
