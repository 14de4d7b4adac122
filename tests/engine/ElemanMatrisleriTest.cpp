// Rotation matrices, the bar element matrices and the rows of the assembly.
#include <gtest/gtest.h>

#include <cmath>

#include "MotorModeli.h"
#include "engine/ElemanMatrisleri.h"
#include "engine/SistemDengeDenklemleri.h"
#include "engine/TransformasyonMatrisleri.h"
#include "model/Tipler.h"

namespace {

void Noktalar(double ix, double iy, double iz, double jx, double jy, double jz) {
    OkunaniX1 = ix; OkunaniX2 = iy; OkunaniX3 = iz;
    OkunanjX1 = jx; OkunanjX2 = jy; OkunanjX3 = jz;
}

void SatirBekle(int r, double a, double b, double c) {
    EXPECT_NEAR(TransformasyonMatrisi[r][1], a, 1e-15) << r;
    EXPECT_NEAR(TransformasyonMatrisi[r][2], b, 1e-15) << r;
    EXPECT_NEAR(TransformasyonMatrisi[r][3], c, 1e-15) << r;
}

// Row r of the equilibrium matrix, columns 1..n.
std::vector<double> Satir(int r, int n) {
    std::vector<double> s;
    for (int c = 1; c <= n; ++c) s.push_back(NMatrisi[r][c]);
    return s;
}

}  // namespace

TEST(Transformasyon, DuzlemVeUzay) {
    auto& a = TemizBasliksizArayuz();
    Noktalar(0, 0, 0, 0, 3, 0);
    DuzlemTransformasyonMatrisi();
    EXPECT_EQ(ElemanBoyu, 3);
    SatirBekle(1, 0, 1, 0);
    SatirBekle(2, -1, 0, 0);
    SatirBekle(3, 0, 0, 1);

    TuretElemanNo = 12;
    Noktalar(1, 1, 0, 1, 1, 0);
    DuzlemTransformasyonMatrisi();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(a.Mesajlar.back().Metin, "12.Elemanın boyu sıfır");
    SatirBekle(1, 0, 1, 0);  // unchanged

    Hata = 0;
    Noktalar(0, 0, 0, 4, 0, 0);
    OkunankNoktasi = 10002;
    UzayTransformasyonMatrisi();
    EXPECT_EQ(Hata, 0);
    SatirBekle(1, 1, 0, 0);
    SatirBekle(2, 0, 1, 0);
    SatirBekle(3, 0, 0, 1);
    EXPECT_EQ(OkunankX2, 4);

    OkunankNoktasi = 10001;  // on the bar's own axis
    TuretElemanNo = 3;
    UzayTransformasyonMatrisi();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(a.Mesajlar.back().Metin, "3.Elemanın boyu sıfır veya üçüncü nokta koordinatları hatalı");

    Hata = 0;
    Noktalar(0, 0, 0, 0, 0, 5);  // vertical
    OkunankNoktasi = 10003;
    UzayTransformasyonMatrisi();
    EXPECT_EQ(Hata, 1);
    Hata = 0;
    OkunankNoktasi = -10001;  // z = x cross (-X) = (0, -5, 0)... normalised
    UzayTransformasyonMatrisi();
    EXPECT_EQ(Hata, 0);
    SatirBekle(1, 0, 0, 1);
    SatirBekle(3, 0, -1, 0);
    SatirBekle(2, -1, 0, 0);

    // A node as third point keeps its coordinates.
    Noktalar(0, 0, 0, 4, 0, 0);
    OkunankNoktasi = 7;
    OkunankX1 = 1; OkunankX2 = 0; OkunankX3 = -2;
    UzayTransformasyonMatrisi();
    EXPECT_EQ(OkunankX3, -2);
    SatirBekle(2, 0, 0, -1);
    SatirBekle(3, 0, 1, 0);
}

TEST(ElemanMatrisleri, KafesVeYaylar) {
    MotorModeli m(10);
    m.Malzeme(1, 2e8);
    m.Kesit(1, 0.01);
    m.Kesit(2, 0);
    m.Noktalar({{0, 0, 0}, {3, 4, 0}, {3, 0, 0}});
    m.Eleman(1, 10, 1, 2);
    m.Eleman(2, 11, 2, 3, 0, 0, 1, 2);
    m.Eleman(3, 10, 1, 3, 0, 0, 1, 2);
    m.Mesnet(1, {"0", "0"});
    m.Mesnet(3, {"0", "0"});
    ASSERT_TRUE(m.Hazirla()) << m.SonMesaj();

    ElemanMatrisleriniKur(1, 2);
    EXPECT_EQ(Hata, 0);
    EXPECT_EQ(ElemanSerbestlikSayisi, 4);
    EXPECT_NEAR(ElemanDengeMatrisi[1][1], -0.6, 1e-15);
    EXPECT_NEAR(ElemanDengeMatrisi[2][1], -0.8, 1e-15);
    EXPECT_NEAR(ElemanDengeMatrisi[3][1], 0.6, 1e-15);
    EXPECT_NEAR(ElemanDengeMatrisi[4][1], 0.8, 1e-15);
    EXPECT_NEAR(EsneklikMatrisi[1][1], 2.5e-6, 1e-20);

    ElemanMatrisleriniKur(2, 2);  // a spring without a constant
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(m.SonMesaj(), "2.elemanın eksenel yay katsayısı sıfır");
    Hata = 0;
    ElemanMatrisleriniKur(3, 2);
    EXPECT_EQ(m.SonMesaj(), "3.elemanın kesit alanı sıfır");
    // Operation 1 reads no section value.
    Hata = 0;
    m.Arayuz().Mesajlar.clear();
    ElemanMatrisleriniKur(3, 1);
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(m.Arayuz().Mesajlar.empty());
    EXPECT_EQ(ElemanYerelDengeMatrisi[1][1], -1);
    EXPECT_EQ(ElemanYerelDengeMatrisi[2][1], 1);
}

TEST(ElemanMatrisleri, DuzlemCerceveEsneklikleri) {
    const double E = 2e8, A = 0.01, Iz = 1e-4, L = 5;
    MotorModeli m(30);
    m.Malzeme(1, E);
    m.Kesit(1, A, Iz);
    m.Noktalar({{0, 0, 0}, {3, 4, 0}, {3, 4, 0}});
    m.Eleman(1, 30, 1, 2, 0, 0, 1, 1, "0306");
    m.Eleman(2, 30, 1, 2, 0, 0, 1, 1, "03");
    m.Eleman(3, 31, 2, 3);
    m.Mesnet(1, Ankastre2B);
    m.Mesnet(2, Ankastre2B);
    ASSERT_TRUE(m.Hazirla()) << m.SonMesaj();

    ElemanMatrisleriniKur(1, 2);  // both moments released: only the axial term
    EXPECT_EQ(Hata, 0);
    EXPECT_NEAR(EsneklikMatrisi[1][1], L / (E * A), 1e-20);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            if (r != 1 || c != 1) EXPECT_EQ(EsneklikMatrisi[r][c], 0) << r << c;
    // Global B of the bar at 3-4-5.
    const double B[6][3] = {{-0.6, 0.8, 0}, {-0.8, -0.6, 0}, {0, -L, -1}, {0.6, -0.8, 0}, {0.8, 0.6, 0}, {0, 0, 1}};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(ElemanDengeMatrisi[r + 1][c + 1], B[r][c], 1e-15) << r << c;

    ElemanMatrisleriniKur(2, 2);  // one release keeps the cantilever terms
    EXPECT_NEAR(EsneklikMatrisi[5][2], L * L * L / (3 * E * Iz), 1e-18);
    EXPECT_NEAR(EsneklikMatrisi[5][3], L * L / (2 * E * Iz), 1e-18);
    EXPECT_NEAR(EsneklikMatrisi[6][2], L * L / (2 * E * Iz), 1e-18);
    EXPECT_NEAR(EsneklikMatrisi[6][3], L / (E * Iz), 1e-18);

    ElemanMatrisleriniKur(3, 2);  // a spring whose nodes coincide
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(m.SonMesaj(), "3.elemanın boyu veya elastisite modülü sıfır");
}

TEST(ElemanMatrisleri, UzayCercevesi) {
    const double E = 2e8, L = 4;
    MotorModeli m(40);
    m.Malzeme(1, E, 0.3);
    m.Kesit(1, 0.01, 2e-5, 1e-5, 3e-5);
    m.Noktalar({{0, 0, 0}, {L, 0, 0}});
    m.Eleman(1, 40, 1, 2, 10002);
    m.Eleman(2, 40, 1, 2, 10001);
    m.Mesnet(1, Ankastre3B);
    ASSERT_TRUE(m.Hazirla()) << m.SonMesaj();
    ElemanMatrisleriniKur(1, 1);
    const auto yerel = ElemanYerelDengeMatrisi;
    ElemanMatrisleriniKur(1, 2);
    EXPECT_EQ(Hata, 0);
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 6; ++c) EXPECT_NEAR(ElemanDengeMatrisi[r][c], yerel[r][c], 1e-15) << r << c;
    EXPECT_EQ(ElemanDengeMatrisi[5][3], L);
    EXPECT_EQ(ElemanDengeMatrisi[6][2], -L);
    EXPECT_NEAR(EsneklikMatrisi[3][5], -L * L / (2 * E * 1e-5), 1e-15);
    EXPECT_NEAR(EsneklikMatrisi[2][6], L * L / (2 * E * 2e-5), 1e-15);
    EXPECT_NEAR(EsneklikMatrisi[4][4], L / (E / 2.6 * 3e-5), 1e-15);

    ElemanMatrisleriniKur(2, 2);  // third point on the axis
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(m.SonMesaj(), "2.Elemanın boyu sıfır veya üçüncü nokta koordinatları hatalı");
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 6; ++c) EXPECT_EQ(ElemanDengeMatrisi[r][c], 0) << r << c;
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
    const int c0 = ElemanBilinmeyenSayisi;
    EXPECT_EQ(NMatrisi[1][c0 + 1], 1.0);  // node 1 Ux
    EXPECT_EQ(NMatrisi[2][c0 + 2], 1.0);  // node 1 Uy
    EXPECT_EQ(NMatrisi[8][c0 + 3], 1.0);  // node 3 Uy
    EXPECT_EQ(NMatrisi[9][c0 + 4], 1.0);  // node 3 Fiz
    EXPECT_EQ(MesnetYerDegistirmeleri[c0 + 2], 0.01);
    EXPECT_EQ(MesnetYerDegistirmeleri[c0 + 4], -0.002);
    EXPECT_EQ(YukVektoru[7], 5);
    EXPECT_EQ(YukVektoru[8], -7);
    EXPECT_EQ(YukVektoru[9], 2);
    // Hinge rows: element 1 "03" and "06", element 3 "03" (L = 5).
    EXPECT_EQ(NMatrisi[10][2], -3.0);
    EXPECT_EQ(NMatrisi[10][3], -1.0);
    EXPECT_EQ(NMatrisi[11][3], 1.0);
    EXPECT_EQ(NMatrisi[12][8], -5.0);
    EXPECT_EQ(NMatrisi[12][9], -1.0);
    // "0 0" counts one release in the post handler but adds no row: its
    // equation stays empty (the elimination then reports the dependence).
    EXPECT_EQ(DenklemSayisi, 13);
    for (int c = 1; c <= BilinmeyenSayisi; ++c) EXPECT_EQ(NMatrisi[13][c], 0.0);
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
