#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "PencereYardim.h"
#include "engine/CozumSurucusu.h"
#include "model/Tipler.h"
#include "shell/MatrisGoster.h"
#include "shell/UOrvelta.h"

namespace {

// Red pixels of the picture in the cell of entry (i, j); of all of it when i = 0.
int Kirmizi(const QImage& r, int s, int i = 0, int j = 0) {
    const QRect h = i ? QRect(14 + s * j, 14 + s * i, s, s) : r.rect();
    int k = 0;
    for (int y = h.top(); y <= h.bottom(); ++y)
        for (int x = h.left(); x <= h.right(); ++x) k += r.pixel(x, y) == qRgb(255, 0, 0);
    return k;
}

// Presses "Hesapla" and closes the matrix viewer it opens: its caption,
// picture and last table row (cells joined by "|").
struct Gorulen {
    std::string Baslik, SonSatir;
    QImage Resim;
};
Gorulen Hesapla(TfOrvelta& p) {
    Gorulen g;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] {
        auto* w = qobject_cast<TMatrisGoster*>(QApplication::activeModalWidget());
        if (!w || !g.Baslik.empty()) return;
        QStringList l;
        for (int j = 1; j < w->StringGrid1->columnCount(); ++j) l << w->Hucre(w->StringGrid1->rowCount() - 1, j);
        g = {w->windowTitle().toStdString(), l.join("|").toStdString(), w->Resim()};
        w->close();
    });
    t.start(10);
    p.BitBtn9->click();
    return g;
}

// A main window with a plane truss of steel bars (A = 0.01) open. At the end
// "Hiçbiri" runs on to the results window.
struct Kafes {
    explicit Kafes(const std::string& Satirlar) : a(k.Yol().string()), p(*a.p) {
        qputenv("ORVELTA_PDF_GOSTERICI", "true");
        ProjeAc(p, ProjeYaz(k.Yol().string(), "K.mdb",
                            Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") + Satirlar));
    }
    ~Kafes() {
        p.HicbiriGoster->trigger();
        ModalCevaplayici().Pencere("Orvelta: Sonuçlar").Yap([&] { p.BitBtn9->click(); });
        EXPECT_EQ(Hata, 0);
        EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
        qunsetenv("ORVELTA_PDF_GOSTERICI");
    }
    GeciciKlasor k;
    AcikPencere a;
    TfOrvelta& p;
};

// A viewer of item Secim over an N whose non-zero entries are given.
struct Elle {
    Elle(int Secim, int m, int n, const std::vector<std::tuple<int, int, double>>& E) : a(TemizBasliksizArayuz()) {
        NMatrisi.SetLength(n + 1, n + 1);
        for (auto [i, j, v] : E) NMatrisi[i][j] = v;
        w = std::make_unique<TMatrisGoster>(MatrisGosterimi{Secim, MatrisGosterBasligi(Secim), m, n, false});
        EXPECT_TRUE(w->MatrisleriCiz());
    }
    BasliksizArayuz& a;
    std::unique_ptr<TMatrisGoster> w;
};

}  // namespace

// One bar between two pinned nodes: m = 4, n = 5, the redundant is the
// reaction of node 2 along X (f = L/EA = 2E-06). The line below the
// equilibrium rows only where other rows follow them.
TEST(MatrisGoster, HerSecimKendiNoktasindaGosterilir) {
    Kafes k(Sql::Noktalar({{"1", 0}, {"2", 4}}) + Sql::Elemanlar({{"1", 10, 1, 2}}) + Sql::Baglar({{"1"}}) +
            Sql::Yukler({{"2", 10, 0}}) + Sql::Mesnetler({{"1", "0 0 S S S S"}, {"2", "0 0 S S S S"}}));
    k.p.YerDegistirmeli->trigger();
    const std::tuple<QAction*, const char*, const char*, bool> durumlar[] = {
        {k.p.NGoster, "N denge matrisi: satır=4,kolon=5,eleman=20,sıfırdan farklı eleman=6,doluluk=0.3",
         " | | | |1", 1},
        {k.p.indirgenmisNGoster, "İndirgenmiş N: satır=5,kolon=5,eleman=25,sıfırdan farklı eleman=8,doluluk=0.32",
         " | | |1| ", 1},
        {k.p.B0Goster, "B0 matrisi: satır=5,kolon=4,eleman=20,sıfırdan farklı eleman=5,doluluk=0.25", " | | |1", 0},
        {k.p.BxTGoster, "Bx transpoz matrisi: satır=1,kolon=5,eleman=5,sıfırdan farklı eleman=3,doluluk=0.6",
         "-1|-1| |1| ", 0},
        {k.p.NBxTGoster, "N+BxT matrisi: satır=5,kolon=5,eleman=25,sıfırdan farklı eleman=10,doluluk=0.4",
         "-1|-1| |1| ", 1},
        {k.p.NBxTfGoster, "N+BxTf matrisi: satır=5,kolon=5,eleman=25,sıfırdan farklı eleman=8,doluluk=0.32",
         "-2E-06| | | | ", 1},
        {k.p.indirgenmisNbxTfGoster,
         "İndirgenmiş N+BxTf matrisi: satır=5,kolon=5,eleman=25,sıfırdan farklı eleman=10,doluluk=0.4",
         "2E-06|-2E-06| |2E-06| ", 1},
    };
    for (auto [oge, baslik, sonSatir, ayirici] : durumlar) {
        oge->trigger();
        const Gorulen g = Hesapla(k.p);
        EXPECT_EQ(g.Baslik, baslik);
        EXPECT_EQ(g.SonSatir, sonSatir) << baslik;
        EXPECT_EQ(g.Resim.pixel(14 + 4, 14 + 4 * 5 + 1) == qRgb(0, 0, 0), ayirici) << baslik;
        EXPECT_EQ(Hata, 0);  // a shown matrix ends the run without blocking the next open
        EXPECT_FALSE(k.p.HesapYapiliyor());
    }
}

// The determinate truss 1 (0,0), 2 (4,0), 3 (4,3), node 1 on a roller: the
// marks of N are the non-zeros of its hand assembly (bars 1-2, 2-3, 1-3 with
// -X along the bar at node i, then the reactions Uy1, Ux2, Uy2); the
// matrices it has not give their notes and open no window.
TEST(MatrisGoster, UcKubukluKafesDeseniVeNotlar) {
    Kafes k(Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 4, 3}}) +
            Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 10, 2, 3}, {"3", 10, 1, 3}}) + Sql::Baglar({{"1"}, {"2"}, {"3"}}) +
            Sql::Yukler({{"3", 30, -40}}) + Sql::Mesnetler({{"1", "S 0 S S S S"}, {"2", "0 0 S S S S"}}));
    const double N[6][6] = {{-1, 0, -0.8, 0, 0, 0}, {0, 0, -0.6, 1, 0, 0}, {1, 0, 0, 0, 1, 0},
                            {0, -1, 0, 0, 0, 1},    {0, 0, 0.8, 0, 0, 0},  {0, 1, 0.6, 0, 0, 0}};
    k.p.NGoster->trigger();
    const Gorulen g = Hesapla(k.p);
    EXPECT_EQ(g.Baslik, "N denge matrisi: satır=6,kolon=6,eleman=36,sıfırdan farklı eleman=11,doluluk=0.31");
    EXPECT_EQ(g.SonSatir, " |1|0.6| | | ");
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j) EXPECT_EQ(Kirmizi(g.Resim, 4, i, j), N[i - 1][j - 1] ? 5 : 0) << i << j;
    EXPECT_EQ(Kirmizi(g.Resim, 4), 11 * 5);

    for (auto [oge, metin] : {std::pair{k.p.B0Goster, "Yer değiştirmesiz hesap seçilmiş, B0 hesaplanmadı"},
                              {k.p.BxTGoster, "Sistem izostatik, Bx yok"},
                              {k.p.NBxTfGoster, "Sistem izostatik, N+BxTf matrisi yok"}}) {
        oge->trigger();
        ModalCevaplayici c;
        c.Mesaj("Tamam").Yap([&] { k.p.BitBtn9->click(); });
        EXPECT_EQ(c.Metinler, std::vector<std::string>{metin});
        EXPECT_EQ(c.Basliklar, std::vector<std::string>{"AÇIKLAMA:"});
    }
}

TEST(MatrisGoster, YuzElliyeKadarXIsaretiSonraTekNokta) {
    for (auto [n, s, isaret] : {std::tuple{150, 4, 5}, {151, 1, 1}}) {
        Elle g(NGoster, 2, n, {{1, 1, 7}, {2, n, -1}});
        EXPECT_EQ(g.w->Resim().size(), QSize((n + 1) * s + 40, 3 * s + 40));
        EXPECT_EQ(Kirmizi(g.w->Resim(), s, 2, n), isaret);
        EXPECT_EQ(Kirmizi(g.w->Resim(), s), 2 * isaret);
    }
}

TEST(MatrisGoster, SayilarEllyeKadarSonraUcKelimelikUyari) {
    Elle g(NGoster, 3, 50, {{1, 1, 0.5}, {2, 2, 3e-5}, {3, 50, -12345.678}});
    g.w->BitBtn1->click();
    // Every counted entry shows a number, the tiny one with its exponent.
    EXPECT_EQ((g.w->Hucre(1, 1) + g.w->Hucre(2, 2) + g.w->Hucre(3, 50) + g.w->Hucre(0, 50)).toStdString(),
              "0.53E-05-12345.67850");
    EXPECT_TRUE(g.a.Mesajlar.empty());

    Elle b(NGoster, 3, 51, {{1, 1, 0.5}});
    b.w->BitBtn1->click();
    EXPECT_EQ((b.w->Hucre(0, 0) + "|" + b.w->Hucre(0, 1) + "|" + b.w->Hucre(0, 2)).toStdString(),
              "Matris çok|büyük|gösterilmiyor");
    ASSERT_EQ(b.a.Mesajlar.size(), 1u);
    EXPECT_EQ(b.a.Mesajlar[0].Metin, "Matris büyük, sayısal olarak gösterilemiyor");
}

// The numbers are only read: Tab and Shift+Tab leave them for the buttons.
TEST(MatrisGoster, SayilardanSekmeIleCikilir) {
    Elle g(NGoster, 2, 3, {{1, 1, 2}, {2, 3, 1}});
    g.w->BitBtn1->click();
    g.w->show();
    g.w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(g.w.get()));
    for (int tus : {Qt::Key_Tab, Qt::Key_Backtab}) {
        g.w->StringGrid1->setFocus();
        QTest::keyClick(g.w->StringGrid1, static_cast<Qt::Key>(tus));
        EXPECT_TRUE(QApplication::focusWidget() == g.w->BitBtn1 || QApplication::focusWidget() == g.w->BitBtn2) << tus;
    }
}

// In both N+BxTf items the equilibrium rows, the last one (row m) too, keep
// the fixed format; the exponent starts at row m + 1.
TEST(MatrisGoster, NBxTfSonDengeSatiriSabitSonrakilerUslu) {
    for (int secim : {NBxTfGoster, indirgenmisNbxTfGoster}) {
        Elle g(secim, 2, 3, {{1, 1, 2}, {2, 1, -12345.678}, {2, 3, 0.25}, {3, 1, 0.25}, {3, 3, -2e-6}});
        g.w->BitBtn1->click();
        auto satir = [&](int i) {
            return (g.w->Hucre(i, 1) + "|" + g.w->Hucre(i, 2) + "|" + g.w->Hucre(i, 3)).toStdString();
        };
        EXPECT_EQ(satir(1), "2| | ") << secim;
        EXPECT_EQ(satir(2), "-12345.678| |0.25") << secim;
        EXPECT_EQ(satir(3), "2.5E-01| |-2E-06") << secim;
    }
}

TEST(MatrisGoster, PencereEkranaSigarResimVeTabloKayar) {
    for (auto [n, tablo] : {std::pair{1000, false}, {50, true}}) {
        Elle g(indirgenmisNGoster, n - 1, n, {{1, 1, 1}});
        if (tablo) g.w->BitBtn1->click();
        g.w->show();
        EXPECT_TRUE(g.w->screen()->availableGeometry().contains(g.w->frameGeometry())) << n;
        EXPECT_GT(g.w->width(), g.w->fontMetrics().horizontalAdvance(g.w->windowTitle())) << n;
        auto* alan = tablo ? static_cast<QAbstractScrollArea*>(g.w->StringGrid1) : g.w->ScrollBox1;
        EXPECT_GT(alan->horizontalScrollBar()->maximum(), 0) << n;
    }
}
