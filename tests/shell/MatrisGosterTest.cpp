#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>

#include "PencereYardim.h"
#include "engine/CozumSurucusu.h"
#include "model/Tipler.h"
#include "shell/MatrisGoster.h"
#include "shell/UOrvelta.h"

namespace {

using Liste = std::vector<std::string>;
const QRgb kKirmizi = qRgb(255, 0, 0);

// Red pixels in the rectangle (all of the picture when w = 0).
int Kirmizi(const QImage& r, int x = 0, int y = 0, int w = 0, int h = 0) {
    if (w == 0) w = r.width(), h = r.height();
    int k = 0;
    for (int i = y; i < y + h; ++i)
        for (int j = x; j < x + w; ++j) k += r.pixel(j, i) == kKirmizi;
    return k;
}

// What the viewer showed: caption, picture, cell size and the table's rows
// (cells 1.. joined by "|").
struct Gorulen {
    bool Acildi = false;
    std::string Baslik;
    QImage Resim;
    int s = 0;
    Liste Satirlar;
};

// Presses "Hesapla" and closes the matrix viewer that opens.
Gorulen Hesapla(TfOrvelta& p) {
    Gorulen g;
    QTimer t;
    t.setInterval(10);
    QObject::connect(&t, &QTimer::timeout, [&] {
        auto* w = qobject_cast<TMatrisGoster*>(QApplication::activeModalWidget());
        if (!w || g.Acildi) return;
        g = {true, w->windowTitle().toStdString(), w->Resim(), w->HucreBoyu(), {}};
        for (int i = 1; i < w->StringGrid1->rowCount(); ++i) {
            QStringList l;
            for (int j = 1; j < w->StringGrid1->columnCount(); ++j) l << w->Hucre(i, j);
            g.Satirlar.push_back(l.join("|").toStdString());
        }
        w->close();
    });
    t.start();
    p.BitBtn9->click();
    return g;
}

// A main window with a plane truss of steel bars (A = 0.01) opened.
struct KafesPenceresi {
    explicit KafesPenceresi(const std::string& Satirlar) : a(k.Yol().string()) {
        qputenv("ORVELTA_PDF_GOSTERICI", "true");
        ProjeAc(*a.p, ProjeYaz(k.Yol().string(), "Kafes.mdb",
                               Sql::Celik() +
                                   Sql::Kesit("A, ix, iy, iz, Ay, hy, ey, Az, hz, ez, Wb, b, h, t, bw",
                                              "1, '1:Dikdörtgen', 0.01, 0, 0, 1e-5, 0, 0.1, 0.05, 0, 0.1, "
                                              "0.05, 0, 0.1, 0.1, 0, 0") +
                                   Satirlar));
    }
    // "Hiçbiri": the run goes on to the results window.
    void SonucaKadar() {
        a.p->HicbiriGoster->trigger();
        ModalCevaplayici c;
        c.Pencere("Orvelta: Sonuçlar").Yap([&] { a.p->BitBtn9->click(); });
        EXPECT_EQ(Hata, 0);
        EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
        qunsetenv("ORVELTA_PDF_GOSTERICI");
    }
    GeciciKlasor k;
    AcikPencere a;
};

// A viewer of an N (B0 when the item is B0Goster) whose non-zero entries are given.
struct ElleGorucu {
    ElleGorucu(int Secim, int m, int n, std::initializer_list<std::tuple<int, int, double>> Elemanlar)
        : a(TemizBasliksizArayuz()) {
        auto& A = Secim == B0Goster ? B0Matrisi : NMatrisi;
        A.SetLength(n + 1, (Secim == B0Goster ? m : n) + 1);
        for (auto [i, j, v] : Elemanlar) A[i][j] = v;
        w = std::make_unique<TMatrisGoster>(MatrisGosterimi{Secim, MatrisGosterBasligi(Secim), m, n, false});
        EXPECT_TRUE(w->MatrisleriCiz());
    }
    BasliksizArayuz& a;
    std::unique_ptr<TMatrisGoster> w;
};

}  // namespace

// One bar between two pinned nodes: m = 4, n = 5, one redundant (the
// reaction of node 2 along X). Each item stops the run at its point; the
// tables are the hand calculation with f = L/EA = 4/2e6.
TEST(MatrisGoster, HerSecimKendiNoktasindaGosterilir) {
    KafesPenceresi k(Sql::Noktalar({{"1", 0}, {"2", 4}}) + Sql::Elemanlar({{"1", 10, 1, 2}}) + Sql::Baglar({{"1"}}) +
                     Sql::Yukler({{"2", 10, 0}}) + Sql::Mesnetler({{"1", "0 0 S S S S"}, {"2", "0 0 S S S S"}}));
    TfOrvelta& p = *k.a.p;
    p.YerDegistirmeli->trigger();
    const Liste N = {"-1|1| | | ", " | |1| | ", "1| | |1| ", " | | | |1"};
    const Liste N4 = {N[0], N[1], "-1|1| |1| ", N[3]};
    auto ek = [](Liste l, const std::string& s) { l.push_back(s); return l; };
    const struct {
        QAction* oge;
        const char* baslik;
        Liste tablo;
        bool ayirici;
    } durumlar[] = {
        {p.NGoster, "N denge matrisi: satır=4,kolon=5,eleman=20,sıfırdan farklı eleman=6,doluluk=0.3", N, true},
        {p.indirgenmisNGoster, "İndirgenmiş N: satır=5,kolon=5,eleman=25,sıfırdan farklı eleman=8,doluluk=0.32",
         ek(N4, " | | |1| "), true},
        {p.B0Goster, "B0 matrisi: satır=5,kolon=4,eleman=20,sıfırdan farklı eleman=5,doluluk=0.25",
         {" | |1| ", "1| |1| ", " |1| | ", " | | | ", " | | |1"}, false},
        {p.BxTGoster, "Bx transpoz matrisi: satır=1,kolon=5,eleman=5,sıfırdan farklı eleman=3,doluluk=0.6",
         {"-1|-1| |1| "}, false},
        {p.NBxTGoster, "N+BxT matrisi: satır=5,kolon=5,eleman=25,sıfırdan farklı eleman=10,doluluk=0.4",
         ek(N4, "-1|-1| |1| "), true},
        {p.NBxTfGoster, "N+BxTf matrisi: satır=5,kolon=5,eleman=25,sıfırdan farklı eleman=8,doluluk=0.32",
         ek(N4, "-2E-06| | | | "), true},
        {p.indirgenmisNbxTfGoster,
         "İndirgenmiş N+BxTf matrisi: satır=5,kolon=5,eleman=25,sıfırdan farklı eleman=10,doluluk=0.4",
         ek(N4, "2E-06|-2E-06| |2E-06| "), true},
    };
    for (const auto& d : durumlar) {
        d.oge->trigger();
        const Gorulen g = Hesapla(p);
        ASSERT_TRUE(g.Acildi) << d.baslik;
        EXPECT_EQ(g.Baslik, d.baslik);
        EXPECT_EQ(g.Satirlar, d.tablo) << d.baslik;
        // The line below the 4 equilibrium rows, only under equilibrium rows
        // followed by others.
        EXPECT_EQ(g.Resim.pixel(14 + 4, 14 + 4 * 5 + 1) == qRgb(0, 0, 0), d.ayirici) << d.baslik;
        EXPECT_EQ(Hata, 1);
        EXPECT_FALSE(p.HesapYapiliyor());
        EXPECT_TRUE(p.BitBtn9->isEnabled());
    }
    k.SonucaKadar();
}

// The determinate three-bar truss 1 (0,0), 2 (4,0), 3 (4,3), node 1 on a
// roller: the marks of N are the non-zero entries of its hand assembly;
// the matrices it does not have give their notes and no window.
TEST(MatrisGoster, UcKubukluKafesDeseniVeNotlar) {
    KafesPenceresi k(Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 4, 3}}) +
                     Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 10, 2, 3}, {"3", 10, 1, 3}}) +
                     Sql::Baglar({{"1"}, {"2"}, {"3"}}) + Sql::Yukler({{"3", 30, -40}}) +
                     Sql::Mesnetler({{"1", "S 0 S S S S"}, {"2", "0 0 S S S S"}}));
    TfOrvelta& p = *k.a.p;
    // Bars 1-2, 2-3, 1-3 (the element's force on node i is -X along the
    // bar), then the reactions Uy1, Ux2, Uy2.
    const double N[6][6] = {{-1, 0, -0.8, 0, 0, 0}, {0, 0, -0.6, 1, 0, 0}, {1, 0, 0, 0, 1, 0},
                            {0, -1, 0, 0, 0, 1},    {0, 0, 0.8, 0, 0, 0},  {0, 1, 0.6, 0, 0, 0}};
    p.NGoster->trigger();
    const Gorulen g = Hesapla(p);
    EXPECT_EQ(g.Baslik, "N denge matrisi: satır=6,kolon=6,eleman=36,sıfırdan farklı eleman=11,doluluk=0.31");
    ASSERT_EQ(g.Resim.size(), QSize(7 * 4 + 40, 7 * 4 + 40));
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j)
            EXPECT_EQ(Kirmizi(g.Resim, 14 + 4 * j, 14 + 4 * i, 4, 4), N[i - 1][j - 1] != 0 ? 5 : 0) << i << j;
    EXPECT_EQ(Kirmizi(g.Resim), 11 * 5);  // none elsewhere
    EXPECT_EQ(g.Satirlar[0], "-1| |-0.8| | | ");

    const struct {
        QAction* oge;
        const char* not_;
    } notlar[] = {{p.B0Goster, "Yer değiştirmesiz hesap seçilmiş, B0 hesaplanmadı"},
                  {p.BxTGoster, "Sistem izostatik, Bx yok"},
                  {p.NBxTGoster, "Sistem izostatik, N+BxT matrisi yok"},
                  {p.NBxTfGoster, "Sistem izostatik, N+BxTf matrisi yok"},
                  {p.indirgenmisNbxTfGoster, "Sistem izostatik, İndirgenmiş N+BxTf matrisi yok"}};
    for (const auto& d : notlar) {
        d.oge->trigger();
        ModalCevaplayici c;
        c.Mesaj("Tamam").Yap([&] { p.BitBtn9->click(); });
        EXPECT_EQ(c.Metinler, Liste{d.not_});
        EXPECT_EQ(c.Basliklar, Liste{"AÇIKLAMA:"});
        EXPECT_EQ(Hata, 1);
    }
    k.SonucaKadar();
}

TEST(MatrisGoster, BaslikDolulukuIkiOndalikla) {
    for (auto [m, n, nz, doluluk] : {std::tuple{12, 15, 40, "0.22"}, {10, 12, 30, "0.25"}}) {
        TemizBasliksizArayuz();
        NMatrisi.SetLength(n + 1, n + 1);
        for (int k = 0; k < nz; ++k) NMatrisi[1 + k / n][1 + k % n] = k + 1;
        TMatrisGoster w(MatrisGosterimi{NGoster, "N denge matrisi", m, n, true});
        ASSERT_TRUE(w.MatrisleriCiz());
        EXPECT_EQ(w.windowTitle().toStdString(),
                  "N denge matrisi: satır=" + std::to_string(m) + ",kolon=" + std::to_string(n) + ",eleman=" +
                      std::to_string(m * n) + ",sıfırdan farklı eleman=" + std::to_string(nz) +
                      ",doluluk=" + doluluk);
    }
}

TEST(MatrisGoster, YuzElliBilinmeyeneKadarXIsaretiSonraTekNokta) {
    for (auto [n, s, isaret] : {std::tuple{150, 4, 5}, {151, 1, 1}}) {
        ElleGorucu g(NGoster, 2, n, {{1, 1, 7}, {2, n, -1}});
        EXPECT_EQ(g.w->HucreBoyu(), s);
        EXPECT_EQ(g.w->Resim().size(), QSize((n + 1) * s + 40, 3 * s + 40));
        EXPECT_EQ(Kirmizi(g.w->Resim(), 14 + s * n, 14 + 2 * s, s, s), isaret);
        EXPECT_EQ(Kirmizi(g.w->Resim()), 2 * isaret);
    }
}

TEST(MatrisGoster, SayilarEllyeKadarSonraUcKelimelikUyari) {
    {
        ElleGorucu g(NGoster, 3, 50, {{1, 1, 0.5}, {2, 2, 3e-5}, {3, 50, -12345.678}});
        g.w->BitBtn1->click();
        EXPECT_TRUE(g.w->StringGrid1->isVisibleTo(g.w.get()));
        EXPECT_FALSE(g.w->ScrollBox1->isVisibleTo(g.w.get()));
        // Every counted entry shows a number, the tiny one with its exponent.
        EXPECT_EQ(g.w->Hucre(1, 1), "0.5");
        EXPECT_EQ(g.w->Hucre(2, 2), "3E-05");
        EXPECT_EQ(g.w->Hucre(3, 50), "-12345.678");
        EXPECT_EQ(g.w->Hucre(0, 50), "50");
        EXPECT_EQ(g.w->Hucre(3, 0), "3");
        EXPECT_TRUE(g.a.Mesajlar.empty());
    }
    ElleGorucu g(NGoster, 3, 51, {{1, 1, 0.5}});
    EXPECT_EQ(g.w->StringGrid1->rowCount(), 3);
    g.w->BitBtn1->click();
    EXPECT_EQ(g.w->Hucre(0, 0) + g.w->Hucre(0, 1) + g.w->Hucre(0, 2), "Matris çokbüyükgösterilmiyor");
    EXPECT_GE(g.w->width(), 300);
    const auto& mesajlar = g.a.Mesajlar;
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].Metin, "Matris büyük, sayısal olarak gösterilemiyor");
    EXPECT_EQ(mesajlar[0].Baslik, "AÇIKLAMA:");
    g.w->BitBtn2->click();
    EXPECT_TRUE(g.w->ScrollBox1->isVisibleTo(g.w.get()));
}

TEST(MatrisGoster, SayiBicimleri) {
    const std::tuple<double, bool, const char*> durumlar[] = {
        {0.5, false, "0.5"},      {-1.23456, false, "-1.2346"}, {12, false, "12"},
        {4.99e-5, false, "4.99E-05"}, {2e-6, true, "2E-06"},   {12345.6, true, "1.2346E+04"},
        {-0.5, true, "-5E-01"},   {0, false, ""}};
    for (auto [x, uslu, metin] : durumlar) EXPECT_EQ(MatrisSayiMetni(x, uslu), metin) << x;
}

TEST(MatrisGoster, PencereEkranaSigarResimVeTabloKayar) {
    QWidget sahip;
    sahip.setGeometry(100, 100, 400, 300);
    for (auto [n, tablo] : {std::pair{1000, false}, {50, true}}) {
        ElleGorucu g(indirgenmisNGoster, n - 1, n, {{1, 1, 1}, {n, n, 1}});
        g.w->setParent(&sahip, g.w->windowFlags());
        if (tablo) g.w->BitBtn1->click(); else g.w->BitBtn2->click();
        g.w->show();
        EXPECT_TRUE(g.w->screen()->availableGeometry().contains(g.w->frameGeometry())) << n;
        EXPECT_GT(g.w->width(), g.w->fontMetrics().horizontalAdvance(g.w->windowTitle())) << n;
        QAbstractScrollArea* alan = tablo ? static_cast<QAbstractScrollArea*>(g.w->StringGrid1) : g.w->ScrollBox1;
        EXPECT_GT(alan->horizontalScrollBar()->maximum(), 0) << n;
        g.w->close();
    }
}
