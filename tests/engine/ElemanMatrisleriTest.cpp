// Bar element matrices that cannot be built, and the rows of the assembly.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "MotorModeli.h"
#include "engine/ElemanMatrisleri.h"
#include "engine/SistemDengeDenklemleri.h"
#include "engine/TransformasyonMatrisleri.h"
#include "model/Tipler.h"

namespace {

// Row r of the equilibrium matrix, columns 1..n.
std::vector<double> Satir(int r, int n) {
    std::vector<double> s;
    for (int c = 1; c <= n; ++c) s.push_back(NMatrisi[r][c]);
    return s;
}

}  // namespace

// Element matrices that cannot be built: one message naming the element.
// Their values are checked by the solved structures (equilibrium of every
// solution, the independent stiffness solutions and the hand results).
TEST(ElemanMatrisleri, KurulamayanElemanlar) {
    const struct {
        int sistem, tip;
        std::array<double, 3> j;  // node 2; node 1 is the origin
        int k;                    // third point
        double A, Iz;
        const char* mesaj;
    } durumlar[] = {
        {10, 10, {0, 0, 0}, 0, 0.01, 0, "1.elemanın boyu veya elastisite modülü sıfır"},
        {30, 30, {0, 0, 0}, 0, 0.01, 1e-4, "1.elemanın boyu veya elastisite modülü sıfır"},
        {30, 31, {0, 0, 0}, 0, 1e5, 0, "1.elemanın boyu veya elastisite modülü sıfır"},
        {10, 10, {3, 4, 0}, 0, 0, 0, "1.elemanın kesit alanı sıfır"},
        {10, 11, {3, 4, 0}, 0, 0, 0, "1.elemanın eksenel yay katsayısı sıfır"},
        {40, 40, {4, 0, 0}, 10001, 0.01, 2e-5, "1.Elemanın boyu sıfır veya üçüncü nokta koordinatları hatalı"},
        {40, 40, {0, 0, 5}, 10003, 0.01, 2e-5, "1.Elemanın boyu sıfır veya üçüncü nokta koordinatları hatalı"},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.mesaj);
        MotorModeli m(d.sistem);
        m.Malzeme(1, 2e8);
        m.Kesit(1, d.A, d.Iz, 1e-5, 3e-5);
        m.Noktalar({{0, 0, 0}, d.j});
        m.Eleman(1, d.tip, 1, 2, d.k);
        const auto tutulu = d.sistem == 40 ? Ankastre3B : d.sistem == 30 ? Ankastre2B : std::vector<std::string>{"0", "0"};
        m.Mesnet(1, tutulu);
        m.Mesnet(2, tutulu);
        m.Yuk(2, 1, 1);
        EXPECT_FALSE(m.Coz());
        EXPECT_EQ(Hata, 1);
        EXPECT_EQ(m.SonMesaj(), d.mesaj);
    }
    // The plane rotation on its own.
    auto& a = TemizBasliksizArayuz();
    TuretElemanNo = 12;
    OkunaniX1 = OkunanjX1 = 1, OkunaniX2 = OkunanjX2 = 1;
    DuzlemTransformasyonMatrisi();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(a.Mesajlar.back().Metin, "12.Elemanın boyu sıfır");
}

TEST(Kurulum, MesnetYukVeMafsalSatirlari) {
    MotorModeli m(30);
    m.Malzeme(1, 2e8);
    m.Kesit(1, 0.01, 1e-4);
    m.Noktalar({{0, 0, 0}, {3, 0, 0}, {3, 4, 0}});
    m.Eleman(1, 30, 1, 2, 0, 0, 1, 1, "0306");
    m.Eleman(2, 30, 2, 3, 0, 0, 1, 1, "0 0");
    m.Eleman(3, 30, 1, 3, 0, 0, 1, 1, "03");
    m.Mesnet(1, {"0", "0.01", "Serbest", "Serbest", "Serbest", ""});  // empty: no condition
    m.Mesnet(3, {"Sabit değil", "0", "", "Serbest", "Serbest", "-0.002"});
    m.Yuk(2, 0, 0, 0, 0, 0, 0);
    m.Yuk(3, 5, -7, 0, 0, 0, 2);
    ASSERT_TRUE(m.Hazirla()) << m.SonMesaj();
    DengeDenklemleriniKur();
    ASSERT_EQ(Hata, 0) << m.SonMesaj();
    EXPECT_EQ(SinirKosulluNoktaSayisi, 2);
    EXPECT_EQ(SinirKosuluSayisi, 4);
    EXPECT_EQ(YukluNoktaSayisi, 2);
    EXPECT_EQ(EnBuyukMutlakDeger, 5.0);  // the element length in B
    // The supports of nodes 1 (Ux, Uy) and 3 (Uy, Fiz) with their values.
    const int c0 = ElemanBilinmeyenSayisi;
    EXPECT_EQ(NMatrisi[8][c0 + 3], 1.0);
    EXPECT_EQ(MesnetYerDegistirmeleri[c0 + 2], 0.01);
    EXPECT_EQ(MesnetYerDegistirmeleri[c0 + 4], -0.002);
    // (The hinge rows of "03" and "06" and the loads: the solved structures.)
    // "0 0" is "00": no release, no row.
    EXPECT_EQ(DenklemSayisi, 12);
}

TEST(Kurulum, MafsalKodlarininSatirlari) {
    {
        // Plane-frame codes 01, 02, 04, 05 and an unknown 07 (no entry, zero load).
        MotorModeli m(30);
        m.Malzeme(1, 2e8);
        m.Kesit(1, 0.01, 1e-4);
        m.Noktalar({{0, 0, 0}, {3, 0, 0}, {3, 4, 0}});
        m.Eleman(1, 30, 1, 2, 0, 0, 1, 1, "01");
        m.Eleman(2, 30, 2, 3, 0, 0, 1, 1, "0205");
        m.Eleman(3, 30, 1, 3, 0, 0, 1, 1, "0407");
        m.Mesnet(1, Ankastre2B);
        m.Mesnet(3, Ankastre2B);
        ASSERT_TRUE(m.Hazirla()) << m.SonMesaj();
        DengeDenklemleriniKur();
        ASSERT_EQ(Hata, 0) << m.SonMesaj();
        ASSERT_EQ(DenklemSayisi, 14);
        EXPECT_EQ(Satir(10, 9), (std::vector<double>{-1, 0, 0, 0, 0, 0, 0, 0, 0}));  // N at i of 1
        EXPECT_EQ(Satir(11, 9), (std::vector<double>{0, 0, 0, 0, -1, 0, 0, 0, 0}));  // V at i of 2
        EXPECT_EQ(Satir(12, 9), (std::vector<double>{0, 0, 0, 0, 1, 0, 0, 0, 0}));   // V at j of 2
        EXPECT_EQ(Satir(13, 9), (std::vector<double>{0, 0, 0, 0, 0, 0, 1, 0, 0}));   // N at j of 3
        EXPECT_EQ(Satir(14, 9), (std::vector<double>(9, 0.0)));                      // "07"
        for (int r = 10; r <= 14; ++r) EXPECT_EQ(YukVektoru[r], 0) << r;
    }
    {
        // Space-frame codes: moments at i (04, 05, 06) of a bar of length 3,
        // moments at j (10, 12) of a bar of length 4.
        MotorModeli m(40);
        m.Malzeme(1, 2e8, 0.3);
        m.Kesit(1, 0.01, 2e-5, 1e-5, 3e-5);
        m.Noktalar({{0, 0, 0}, {3, 0, 0}, {3, 0, 4}});
        m.Eleman(1, 40, 1, 2, 10002, 0, 1, 1, "040506");
        m.Eleman(2, 40, 2, 3, 10001, 0, 1, 1, "1012");
        m.Mesnet(1, Ankastre3B);
        m.Mesnet(3, Ankastre3B);
        ASSERT_TRUE(m.Hazirla()) << m.SonMesaj();
        DengeDenklemleriniKur();
        ASSERT_EQ(Hata, 0) << m.SonMesaj();
        ASSERT_EQ(DenklemSayisi, 23);
        EXPECT_EQ(Satir(19, 12), (std::vector<double>{0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0}));   // Mx at i
        EXPECT_EQ(Satir(20, 12), (std::vector<double>{0, 0, 3, 0, -1, 0, 0, 0, 0, 0, 0, 0}));   // My at i
        EXPECT_EQ(Satir(21, 12), (std::vector<double>{0, -3, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0}));  // Mz at i
        EXPECT_EQ(Satir(22, 12), (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}));    // Mx at j
        EXPECT_EQ(Satir(23, 12), (std::vector<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));    // Mz at j
    }
}
