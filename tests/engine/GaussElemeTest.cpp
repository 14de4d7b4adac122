// The solution steps on equation systems written directly into the engine
// arrays: the choice of redundants, both linear-dependence messages, the
// stop button in B0 (during the elimination: the run tests) and the
// independence of the results from the worker count.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "MotorModeli.h"
#include "TestYardim.h"
#include "engine/CozumSurucusu.h"
#include "engine/GaussEleme.h"
#include "engine/MotorYardim.h"
#include "model/Tipler.h"

namespace {

// m equations in n unknowns; every unknown is an element with one force and
// the flexibility f[k - 1].
void Kur(int m, int n, const std::vector<std::vector<double>>& N, const std::vector<double>& P,
         const std::vector<double>& f) {
    DenklemSayisi = m;
    BilinmeyenSayisi = n;
    HiperstatiklikDerecesi = n - m;
    ElemanSayisi = n;
    ElemanBilinmeyenSayisi = n;
    EnBuyukMutlakDeger = 1.0;
    NMatrisi.SetLength(n + 1, n + 1);
    YukVektoru.SetLength(n + 1);
    Bilinmeyenler.SetLength(n + 1);
    MesnetYerDegistirmeleri.SetLength(n + 1);
    YerDegistirmeler.SetLength(m + 1);
    EsneklikMatrisi.SetLength(n + 1, 10);
    HiperstatikKolonlar.SetLength(n - m + 1);
    ElemanBilinmeyenTablosu.SetLength(2, n + 1);
    for (int i = 1; i <= m; ++i)
        for (int j = 1; j <= n; ++j) {
            NMatrisi[i][j] = N[i - 1][j - 1];
            EnBuyukMutlakDeger = std::max(EnBuyukMutlakDeger, std::fabs(N[i - 1][j - 1]));
        }
    for (int i = 1; i <= m; ++i) YukVektoru[i] = P[i - 1];
    for (int k = 1; k <= n; ++k) {
        EsneklikMatrisi[k][1] = f[k - 1];
        ElemanBilinmeyenTablosu[0][k] = 1;
        ElemanBilinmeyenTablosu[1][k] = k;
    }
}

}  // namespace

TEST(GaussEleme, HiperstatikKolonlarSecilir) {
    TemizBasliksizArayuz();
    // Columns 2 and 3 find no pivot: they become the redundants, each with its unit row.
    Kur(2, 4, {{1, 0, 1, 0}, {0, 0, 0, 1}}, {0, 0}, {1, 1, 1, 1});
    IzostatikEsasSistemSec();
    EXPECT_EQ(Hata, 0);
    EXPECT_EQ(HiperstatiklikDerecesi, 2);
    EXPECT_EQ(HiperstatikKolonlar[1], 2);
    EXPECT_EQ(HiperstatikKolonlar[2], 3);
    EXPECT_EQ(NMatrisi[3][2], 1.0);
    EXPECT_EQ(NMatrisi[4][3], 1.0);
    EXPECT_EQ(SatirSirasi[1], 1);
    EXPECT_EQ(SatirSirasi[2], 3);
    EXPECT_EQ(SatirSirasi[3], 4);
    EXPECT_EQ(SatirSirasi[4], 2);
    const auto& memo = Arayuz().MemoSatirlari();
    ASSERT_EQ(memo.size(), 1u);
    EXPECT_EQ(memo[0].rfind("GAUSS - izostatik esas sistem seçildi: ", 0), 0u) << memo[0];
    EXPECT_EQ(memo[0].substr(memo[0].size() - 7), " saniye");
}

TEST(GaussEleme, EsitAdaylardanOncekiPivotOlur) {
    TemizBasliksizArayuz();
    // Column 1: rows 2 and 3 both hold -4: the earlier position is the pivot.
    Kur(3, 3, {{1, 1, 0}, {-4, 0, 1}, {-4, 1, 1}}, {0, 0, 0}, {1, 1, 1});
    IzostatikEsasSistemSec();
    EXPECT_EQ(Hata, 0);
    EXPECT_EQ(SatirSirasi[1], 2);
    EXPECT_EQ(Arayuz().MemoSatirlari().back().rfind("GAUSS - denge denklemleri çözülüdü: ", 0), 0u);
}

TEST(GaussEleme, ParalelYaylarKuvvetleriEsneklikleriyleBolusur) {
    // X1 + X2 = 10 with flexibilities 1 and 3: compatibility -X1 + 3 X2 = 0,
    // so X1 = 7.5, X2 = 2.5, and the common displacement is 1 * 7.5 = 3 * 2.5.
    TemizBasliksizArayuz().YerDegistirmeliHesapAyarla(true);
    Kur(1, 2, {{1, 1}}, {10}, {1, 3});
    KuvvetMetoduCoz();
    ASSERT_EQ(Hata, 0);
    EXPECT_EQ(HiperstatikKolonlar[1], 2);
    EXPECT_NEAR(Bilinmeyenler[1], 7.5, 1e-12);
    EXPECT_NEAR(Bilinmeyenler[2], 2.5, 1e-12);
    EXPECT_NEAR(YerDegistirmeler[1], 7.5, 1e-12);
    const std::vector<std::string> beklenen = {"GAUSS - izostatik esas sistem seçildi: ", "B0 hesaplandı: ",
                                               "Bx hesaplanıdı: ", "Bxt*f hesaplandı: ",
                                               "GAUSS - süreklilik denklemleri indirgendi: ",
                                               "Bilinmeyenler hesaplanıyor", "Yer değiştirmeler hesaplanıyor"};
    const auto& memo = Arayuz().MemoSatirlari();
    ASSERT_EQ(memo.size(), beklenen.size());
    for (std::size_t i = 0; i < memo.size(); ++i) EXPECT_EQ(memo[i].rfind(beklenen[i], 0), 0u) << memo[i];
}

TEST(GaussEleme, DengeDenklemleriDogrusalBagimli) {
    auto& a = TemizBasliksizArayuz();
    // Two equal rows and as many unknowns as equations: a mechanism.
    Kur(2, 2, {{1, 1}, {1, 1}}, {1, 0}, {1, 1});
    KuvvetMetoduCoz();
    EXPECT_EQ(Hata, 1);
    HataBekle(a, DengeBagimliMesaji);
    // No done line follows the progress line.
    ASSERT_EQ(a.MemoSatirlari().size(), 1u);
    EXPECT_EQ(a.MemoSatirlari()[0], "GAUSS - denge denklemleri çözülüyor");
}

TEST(GaussEleme, SureklilikDenklemleriDogrusalBagimli) {
    auto& a = TemizBasliksizArayuz();
    // The redundant's path has no flexibility: its compatibility row is all zero.
    Kur(1, 2, {{1, 1}}, {10}, {0, 0});
    KuvvetMetoduCoz();
    EXPECT_EQ(Hata, 1);
    HataBekle(a, SureklilikBagimliMesaji);
    // At the last column the step still writes its done line; no unknowns follow.
    const auto& memo = a.MemoSatirlari();
    EXPECT_EQ(memo.back().rfind("GAUSS - süreklilik denklemleri indirgendi: ", 0), 0u) << memo.back();
}

TEST(GaussEleme, MatrisGosterimiCozumuBitirir) {
    struct Durum {
        int secim;
        bool yerDegistirmeli;
        std::size_t memoSatiri;  // lines written before the run ended
        const char* son;
    };
    const Durum durumlar[] = {
        {NGoster, false, 1, "GAUSS - izostatik esas sistem seçiliyor"},
        {indirgenmisNGoster, false, 1, "GAUSS - izostatik esas sistem seçildi: "},
        {B0Goster, true, 3, "Bx hesaplanıyor"},
        {B0Goster, false, 2, "Bx hesaplanıyor"},
        {BxTGoster, false, 2, "Bx hesaplanıdı: "},
        {NBxTGoster, false, 2, "Bx hesaplanıdı: "},
        {NBxTfGoster, false, 4, "GAUSS - süreklilik denklemleri indirgeniyor"},
        {indirgenmisNbxTfGoster, false, 4, "GAUSS - süreklilik denklemleri indirgendi: "},
    };
    for (const auto& d : durumlar) {
        auto& a = TemizBasliksizArayuz();
        a.MatrisGosterSecimiAyarla(d.secim);
        a.YerDegistirmeliHesapAyarla(d.yerDegistirmeli);
        Kur(1, 2, {{1, 1}}, {10}, {1, 3});
        // The choice as the solution started holds, whatever the menu says later.
        a.IsleKancasi = [&] { a.MatrisGosterSecimiAyarla(HicbiriGoster); };
        KuvvetMetoduCoz();
        EXPECT_EQ(Hata, 1) << d.secim;
        ASSERT_EQ(a.GosterilenMatrisler.size(), 1u) << d.secim;
        EXPECT_EQ(a.GosterilenMatrisler[0], MatrisGosterBasligi(d.secim));
        const MatrisGosterimi& g = a.SonMatris;
        EXPECT_EQ(std::tuple(g.Secim, g.DenklemSayisi, g.BilinmeyenSayisi, g.YerDegistirmesiz),
                  std::tuple(d.secim, 1, 2, !d.yerDegistirmeli));
        const auto& memo = a.MemoSatirlari();
        ASSERT_EQ(memo.size(), d.memoSatiri) << d.secim;
        EXPECT_EQ(memo.back().rfind(d.son, 0), 0u) << d.secim << " " << memo.back();
    }
}

TEST(GaussEleme, SonuclarIsParcacigiSayisindanBagimsiz) {
    // A dense system with many redundants, so that B0, Bx and the reduction
    // all split their work; the results must not change by a single bit.
    const int m = 120, n = 260;
    std::mt19937 rng(12345);
    std::uniform_real_distribution<double> u(-2.0, 2.0);
    std::vector<std::vector<double>> N(m, std::vector<double>(n, 0.0));
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < n; ++j)
            if ((i * 7 + j * 3) % 5 != 0) N[i][j] = u(rng);
    std::vector<double> P(m), f(n);
    for (auto& p : P) p = u(rng);
    for (auto& x : f) x = 0.5 + std::fabs(u(rng));

    std::vector<double> ilkX, ilkU;
    for (int islemci : {1, 2, 3, 4, 8, 16}) {
        TemizBasliksizArayuz().YerDegistirmeliHesapAyarla(true);
        IsParcacigiSayisi = static_cast<std::uint16_t>(islemci);
        Kur(m, n, N, P, f);
        KuvvetMetoduCoz();
        ASSERT_EQ(Hata, 0) << islemci;
        if (islemci == 16) EXPECT_EQ(IsParcacigiSayisi, 8);
        std::vector<double> X(Bilinmeyenler.data(), Bilinmeyenler.data() + n + 1);
        std::vector<double> U(YerDegistirmeler.data(), YerDegistirmeler.data() + m + 1);
        if (ilkX.empty()) {
            ilkX = X;
            ilkU = U;
            // Equilibrium holds, and so does compatibility: the work of the loads
            // on the displacements equals the complementary work of the elements.
            for (int i = 0; i < m; ++i) {
                double s = 0;
                for (int j = 0; j < n; ++j) s += N[i][j] * X[j + 1];
                EXPECT_NEAR(s, P[i], 1e-9);
            }
            double is1 = 0, is2 = 0;
            for (int i = 0; i < m; ++i) is1 += P[i] * U[i + 1];
            for (int j = 0; j < n; ++j) is2 += X[j + 1] * f[j] * X[j + 1];
            EXPECT_NEAR(is1, is2, 1e-8 * std::fabs(is2));
        } else {
            EXPECT_EQ(std::memcmp(X.data(), ilkX.data(), X.size() * sizeof(double)), 0) << islemci;
            EXPECT_EQ(std::memcmp(U.data(), ilkU.data(), U.size() * sizeof(double)), 0) << islemci;
        }
    }
}

TEST(GaussEleme, B0IleriGecisindeDurdurma) {
    // The stop during B0's forward pass: B0 still writes its done line, Bx never starts.
    auto& a = TemizBasliksizArayuz();
    a.YerDegistirmeliHesapAyarla(true);
    int pompa = 0;
    a.IsleKancasi = [&] {
        if (++pompa == 2) Hata = 1;  // the first pump is the elimination's single column
    };
    Kur(1, 2, {{1, 1}}, {10}, {1, 3});
    KuvvetMetoduCoz();
    EXPECT_EQ(Hata, 1);
    const auto& memo = a.MemoSatirlari();
    ASSERT_EQ(memo.size(), 2u);
    EXPECT_EQ(memo[1].rfind("B0 hesaplandı: ", 0), 0u) << memo[1];
}

TEST(GaussEleme, YerDegistirmesizHesap) {
    auto& a = TemizBasliksizArayuz();
    a.YerDegistirmeliHesapAyarla(false);
    Kur(1, 2, {{1, 1}}, {10}, {1, 3});
    KuvvetMetoduCoz();
    ASSERT_EQ(Hata, 0);
    EXPECT_NEAR(Bilinmeyenler[1], 7.5, 1e-12);
    EXPECT_EQ(B0Matrisi.Rows(), 0u);
    EXPECT_EQ(YerDegistirmeler[1], 0.0);
    for (const auto& s : a.MemoSatirlari()) {
        EXPECT_EQ(s.find("B0"), std::string::npos) << s;
        EXPECT_EQ(s.find("Yer değiştirmeler"), std::string::npos) << s;
    }
}

TEST(GaussEleme, ToleranslarinSiniri) {
    // Scale 4: the tolerance of the first elimination is 4e-6. An entry of
    // exactly 4e-6 is a pivot; one just below counts as zero.
    for (double v : {4e-6, 3.999e-6}) {
        TemizBasliksizArayuz();
        Kur(1, 2, {{v, 4}}, {1}, {1, 1});
        IzostatikEsasSistemSec();
        ASSERT_EQ(Hata, 0);
        EXPECT_EQ(EnBuyukMutlakDeger, 4.0);
        EXPECT_EQ(HiperstatikKolonlar[1], v == 4e-6 ? 2 : 1) << v;
    }
}

TEST(GaussEleme, SureklilikPivotuUyumlulukSatirlarindanSecilir) {
    // X1 + X2 + X3 = 10 with the redundants X2 and X3 and flexibilities f:
    // the compatibility rows are (-f1, f1 + f2, f1) and (-f1, f1, f1 + f3)
    // after the first column. With f2 < 0 the second row has the larger entry
    // in column 2 and becomes its pivot; with f2 = 0 the two are equal and the
    // earlier position keeps it. Compatibility: f1 X1 = f2 X2 = f3 X3.
    struct Durum {
        double f2;
        int ikinci;                 // the row at position 2 afterwards
        double X1, X2, X3;
    };
    for (const Durum& d : {Durum{-0.5, 3, -15, 30, -5}, Durum{0, 2, 0, 10, 0}}) {
        TemizBasliksizArayuz();
        Kur(1, 3, {{1, 1, 1}}, {10}, {1, d.f2, 3});
        KuvvetMetoduCoz();
        ASSERT_EQ(Hata, 0) << d.f2;
        EXPECT_EQ(SatirSirasi[2], d.ikinci) << d.f2;
        EXPECT_NEAR(Bilinmeyenler[1], d.X1, 1e-12);
        EXPECT_NEAR(Bilinmeyenler[2], d.X2, 1e-12);
        EXPECT_NEAR(Bilinmeyenler[3], d.X3, 1e-12);
    }
}

TEST(GaussEleme, SureVeBellekMetinleri) {
    // Seconds rounded to hundredths, ties to even, in the shortest form.
    EXPECT_EQ(GecenSaniyeMetni(0, 4999, 1000000), "0");
    EXPECT_EQ(GecenSaniyeMetni(0, 25000, 1000000), "0.02");
    EXPECT_EQ(GecenSaniyeMetni(0, 35000, 1000000), "0.04");
    EXPECT_EQ(GecenSaniyeMetni(100, 70100, 1000000), "0.07");
    EXPECT_EQ(GecenSaniyeMetni(0, 1500000, 1000000), "1.5");
    EXPECT_EQ(GecenSaniyeMetni(0, 12000000, 1000000), "12");
    EXPECT_EQ(GecenSaniyeMetni(0, 5, 0), "0");
    // Megabytes with "," between thousands and at most one decimal.
    const std::uint64_t MB = 1024 * 1024;
    EXPECT_EQ(BellekKullanimMetni(12 * MB), "Memory used: 12 MB");
    EXPECT_EQ(BellekKullanimMetni(1234 * MB + MB / 2), "Memory used: 1,234.5 MB");
    EXPECT_EQ(BellekKullanimMetni(1234567 * MB + MB / 5), "Memory used: 1,234,567.2 MB");
    EXPECT_EQ(CalismaBellegiMetni(85 * MB), "Kullanılan bellek: 85 MB");
}

TEST(GaussEleme, IzostatikSistemdeBxVeIndirgemeYok) {
    // Two equations, two unknowns, independent: r = 0. With "Bx transpoz
    // matrisi" Bx is skipped, the viewer is still shown at its point and the
    // solution ends there; with "Hiçbiri" no viewer is shown and the unknowns
    // follow.
    for (int secim : {BxTGoster, HicbiriGoster}) {
        auto& a = TemizBasliksizArayuz();
        a.MatrisGosterSecimiAyarla(secim);
        Kur(2, 2, {{1, 1}, {0, 2}}, {3, 4}, {1, 1});
        KuvvetMetoduCoz();
        const auto& memo = a.MemoSatirlari();
        ASSERT_FALSE(memo.empty());
        EXPECT_EQ(memo[0].rfind("GAUSS - denge denklemleri çözülüdü: ", 0), 0u);
        if (secim == BxTGoster) {
            EXPECT_EQ(Hata, 1);
            EXPECT_EQ(a.GosterilenMatrisler, (std::vector<std::string>{"Bx transpoz matrisi"}));
            EXPECT_EQ(memo.size(), 1u);
        } else {
            ASSERT_EQ(Hata, 0);
            EXPECT_TRUE(a.GosterilenMatrisler.empty());
            ASSERT_EQ(memo.size(), 2u);
            EXPECT_EQ(memo[1], "Bilinmeyenler hesaplanıyor");
            EXPECT_NEAR(Bilinmeyenler[1], 1, 1e-15);
            EXPECT_NEAR(Bilinmeyenler[2], 2, 1e-15);
            EXPECT_EQ(HiperstatikKolonlar[1], 0);
        }
    }
}
