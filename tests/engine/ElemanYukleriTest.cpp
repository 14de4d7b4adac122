// Truss, space-frame and plate fixed-end forces, and the drivers that turn
// them into load-vector terms.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "MotorModeli.h"
#include "TestYardim.h"
#include "engine/AnkastrelikKuvvetleri.h"
#include "model/Tipler.h"

namespace {

class ElemanYukleri : public ::testing::Test {
protected:
    BasliksizArayuz* ui = nullptr;

    void SetUp() override {
        ui = &TemizBasliksizArayuz();
        AnkastrelikSorulariniSifirla();
        TuretElemanNo = 5;
    }

    void YukSatiri(int tip, double yuk, double a = 0, double b = 0, double yuk1 = 0) {
        OkunanYukTipi = tip;
        OkunanYuk = yuk;
        OkunanaMesafesi = a;
        OkunanbMesafesi = b;
        OkunanYuk1 = yuk1;
    }

    void Dugum(int hangi, int no, double x, double y, double z) {
        double* k[4][3] = {{&OkunaniX1, &OkunaniX2, &OkunaniX3},
                           {&OkunanjX1, &OkunanjX2, &OkunanjX3},
                           {&OkunankX1, &OkunankX2, &OkunankX3},
                           {&OkunanLX1, &OkunanLX2, &OkunanLX3}};
        int* n[4] = {&OkunaniNoktasi, &OkunanjNoktasi, &OkunankNoktasi, &OkunanLNoktasi};
        *n[hangi] = no;
        *k[hangi][0] = x;
        *k[hangi][1] = y;
        *k[hangi][2] = z;
    }

    // Load vector of `satir` rows holding 1, 2, 3, ... so that what the
    // driver subtracts shows against a known starting value.
    void YukVektoruHazirla(int satir) {
        YukVektoru.SetLength(satir + 1);
        for (int r = 1; r <= satir; ++r) YukVektoru[r] = r;
    }
    double Degisim(int r) const { return YukVektoru[r] - r; }
    // Expects the changes of rows 1, 2, ... to be `beklenen`.
    void DegisimBekle(std::initializer_list<double> beklenen) const {
        int r = 0;
        for (double b : beklenen) {
            ++r;
            EXPECT_NEAR(Degisim(r), b, 1e-12) << "row " << r;
        }
    }
};

}  // namespace

TEST_F(ElemanYukleri, KafesEksenelYukVeYerDegistirme) {
    // Inclined plane-truss bar (3, 4, 5 triangle) under a uniform axial load
    // q = 2: each end takes -qL/2 along the axis.
    OkunanElemanTipi = 10;
    OkunanE = 1;
    OkunanA = 1;
    Dugum(0, 1, 0, 0, 0);
    Dugum(1, 2, 3, 4, 0);
    YukSatiri(5, 2);
    YukVektoruHazirla(4);
    KafesElemanYukleriniEkle();
    EXPECT_EQ(Hata, 0);
    EXPECT_DOUBLE_EQ(YerelAnkastrelikKuvvetleri[1], -5);
    DegisimBekle({5 * 0.6, 5 * 0.8, 5 * 0.6, 5 * 0.8});

    // Space-truss bar along Z with an imposed displacement of end i: only the
    // z rows change, by E A/L d.
    OkunanElemanTipi = 20;
    OkunanE = 200;
    OkunanA = 0.5;
    Dugum(0, 2, 1, 1, 0);
    Dugum(1, 1, 1, 1, 2);
    YukSatiri(15, 0.01);
    YukVektoruHazirla(6);
    KafesElemanYukleriniEkle();
    const double N = 200 * 0.5 / 2 * 0.01;
    DegisimBekle({0, 0, N, 0, 0, -N});  // z of node 1 (end j), of node 2 (end i)
    YukSatiri(16, 0.01);
    KafesAnkastrelikKuvvetleri();
    EXPECT_NEAR(YerelAnkastrelikKuvvetleri[1], -N, 1e-12);
    EXPECT_NEAR(YerelAnkastrelikKuvvetleri[2], N, 1e-12);

    // A bar whose ends coincide is refused and subtracts nothing.
    Dugum(1, 1, 1, 1, 0);
    YukVektoruHazirla(6);
    KafesElemanYukleriniEkle();
    EXPECT_EQ(Hata, 1);
    HataBekle(*ui, "5.elemanın boyu sıfır");
    DegisimBekle({0, 0, 0, 0, 0, 0});
}

TEST_F(ElemanYukleri, DuzlemCerceveSurucusu) {
    OkunanElemanTipi = 30;
    OkunanE = 2e8;
    OkunanA = 0.01;
    OkunanIz = 1e-4;
    OkunanMafsalTipi = "00";
    // A column along +Y from node 1 to node 2 (L = 3) under P = 9 along its
    // axis at a = 1: N_i = -P (L - a)/L = -6 and N_j = -3 become global Y;
    // the load vector gains them back. Transverse loads on turned bars are
    // checked through the whole solution.
    Dugum(0, 1, 0, 0, 0);
    Dugum(1, 2, 0, 3, 0);
    YukSatiri(6, 9, 1);
    YukVektoruHazirla(6);
    DuzlemCerceveElemanYukleriniEkle();
    ASSERT_EQ(Hata, 0);
    DegisimBekle({0, 6, 0, 0, 3, 0});

    // Inclined member with a propped end ("06") and an axial load: the
    // subtracted forces balance the load's resultant in global axes.
    OkunanMafsalTipi = "06";
    Dugum(0, 1, 0, 0, 0);
    Dugum(1, 2, 3, 4, 0);
    YukSatiri(5, 2);  // 10 kN along local x = (0.6, 0.8)
    YukVektoruHazirla(6);
    DuzlemCerceveElemanYukleriniEkle();
    EXPECT_NEAR(Degisim(1) + Degisim(4), 10 * 0.6, 1e-12);
    EXPECT_NEAR(Degisim(2) + Degisim(5), 10 * 0.8, 1e-12);

    // Failures subtract nothing: a point load off the element, a zero length.
    YukSatiri(2, 12, 7);
    YukVektoruHazirla(6);
    DuzlemCerceveElemanYukleriniEkle();
    EXPECT_EQ(Hata, 1);
    DegisimBekle({0, 0, 0, 0, 0, 0});
    Hata = 0;
    ui->Mesajlar.clear();
    Dugum(1, 2, 0, 0, 5);
    YukSatiri(1, 10);
    DuzlemCerceveElemanYukleriniEkle();
    EXPECT_EQ(Hata, 1);
    HataBekle(*ui, "5.Elemanın boyu sıfır");
    DegisimBekle({0, 0, 0, 0, 0, 0});
}

TEST_F(ElemanYukleri, UzayCerceveYukleriVeMomentSerbestlikleri) {
    // A bar of 4 m; the forces in local axes (N, Vy, Vz, Mx, My, Mz at i, then at j).
    OkunanElemanTipi = 40;
    const double q = 6, L = 4, P = 10, a = 1;
    auto Kontrol = [&](int tip, double yuk, double mesafe, const std::string& mafsal, const double (&b)[13]) {
        ElemanBoyu = L;
        OkunanMafsalTipi = mafsal;
        YukSatiri(tip, yuk, mesafe);
        UzayCerceveAnkastrelikKuvvetleri();
        for (int i = 1; i <= 12; ++i)
            EXPECT_NEAR(YerelAnkastrelikKuvvetleri[i], b[i], 1e-12) << mafsal << " type " << tip << " entry " << i;
    };
    const double h = q * L / 2, m12 = q * L * L / 12;
    // Fixed ends: uniform loads along local z (My turns the other way) and y.
    Kontrol(22, q, 0, "00", {0, 0, 0, h, 0, -m12, 0, 0, 0, h, 0, m12, 0});
    Kontrol(21, q, 0, "00", {0, 0, h, 0, 0, 0, m12, 0, h, 0, 0, 0, -m12});
    // Point loads at a = L all at j without moments, at a = 0 all at i.
    Kontrol(24, P, L, "00", {0, 0, 0, 0, 0, 0, 0, 0, 0, P, 0, 0, 0});
    Kontrol(23, P, 0, "00", {0, 0, P, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    // Released end moments (05, 11 about local y; 06, 12 about local z) turn
    // the held bar into a propped one in that plane: 3qL/8 at the released
    // end, 5qL/8 and qL^2/8 at the held one.
    const double s = 3 * q * L / 8, t = 5 * q * L / 8, m = q * L * L / 8;
    Kontrol(21, q, 0, "12", {0, 0, t, 0, 0, 0, m, 0, s, 0, 0, 0, 0});
    Kontrol(22, q, 0, "05", {0, 0, 0, s, 0, 0, 0, 0, 0, t, 0, m, 0});
    Kontrol(22, q, 0, "1112", {0, 0, 0, t, 0, -m, 0, 0, 0, s, 0, 0, 0});
    // Both Mz released: a simple beam, P b/L and P a/L.
    Kontrol(23, P, a, "0612", {0, 0, P * 3 / 4, 0, 0, 0, 0, 0, P / 4, 0, 0, 0, 0});
    // Off-centre point load Pab^2/L^2: torsion releases and bending releases
    // of the other plane change nothing.
    const double M24i = P * a * 9 / 16, M24j = P * a * a * 3 / 16;
    const double V24i = P * 9 * (4 + 2) / 64.0, V24j = P - V24i;
    Kontrol(24, P, a, "0410", {0, 0, 0, V24i, 0, -M24i, 0, 0, 0, V24j, 0, M24j, 0});
    Kontrol(24, P, a, "0612", {0, 0, 0, V24i, 0, -M24i, 0, 0, 0, V24j, 0, M24j, 0});
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(ui->Mesajlar.empty());

    // A point beyond the bar is refused and leaves zeros.
    Kontrol(23, P, 4.5, "00", {});
    EXPECT_EQ(Hata, 1);
    HataBekle(*ui, "5.elemanın tekil yük tanımında a=4.5 değeri elemanın boyu L=4 ile bağdaşmıyor");
}

TEST_F(ElemanYukleri, UzayCerceveSurucusu) {
    // A vertical bar from node 1 (0,0,0) to node 2 (0,0,4) with the third
    // point along +X: local x = Z, local z = x cross X = +Y, local y = +X.
    // The local-z load (acting along -Y) is held by +qL/2 along Y at each
    // node and moments about local y (= global X) of -qL^2/12 at i and
    // +qL^2/12 at j; the load vector loses them.
    const double q = 6, L = 4;
    OkunanElemanTipi = 40;
    OkunanMafsalTipi = "00";
    Dugum(0, 1, 0, 0, 0);
    Dugum(1, 2, 0, 0, L);
    OkunankNoktasi = 10001;
    YukSatiri(22, q);
    YukVektoruHazirla(12);
    UzayCerceveElemanYukleriniEkle();
    ASSERT_EQ(Hata, 0);
    EXPECT_DOUBLE_EQ(OkunankX1, L);
    DegisimBekle({0, -q * L / 2, 0, q * L * L / 12, 0, 0, 0, -q * L / 2, 0, -q * L * L / 12, 0, 0});
}

TEST_F(ElemanYukleri, PlakDuzgunYayiliYuk) {
    // a = 2, b = 1, q = 4: W = q a b/4 = 2 per corner, moments W b/6 and W a/6.
    PlakAnkastrelikKuvvetleri(2, 1, 4);
    const double b6 = 2.0 / 6, a6 = 4.0 / 6;
    const double beklenen[13] = {0, 2, b6, -a6, 2, -b6, -a6, 2, -b6, a6, 2, b6, a6};
    for (int i = 1; i <= 12; ++i) EXPECT_NEAR(YerelAnkastrelikKuvvetleri[i], beklenen[i], 1e-12) << i;

    // Driver on a 3 x 2 plate, nodes i=1 (0,0), j=2 (0,2), k=3 (3,2), L=4 (3,0):
    // the forces add up to q a b and the moments cancel.
    OkunanElemanTipi = 60;
    Dugum(0, 1, 0, 0, 0);
    Dugum(1, 2, 0, 2, 0);
    Dugum(2, 3, 3, 2, 0);
    Dugum(3, 4, 3, 0, 0);
    YukSatiri(25, 5);
    YukVektoruHazirla(12);
    PlakElemanYukleriniEkle();
    EXPECT_EQ(Hata, 0);
    const double W = 5 * 3 * 2 / 4.0;
    double Fz = 0, Mx = 0, My = 0;
    for (int n = 0; n < 4; ++n) {
        EXPECT_NEAR(Degisim(3 * n + 1), -W, 1e-12);
        Fz += Degisim(3 * n + 1);
        Mx += Degisim(3 * n + 2);
        My += Degisim(3 * n + 3);
    }
    EXPECT_NEAR(Fz, -5 * 3 * 2, 1e-12);
    EXPECT_NEAR(Mx, 0, 1e-12);
    EXPECT_NEAR(My, 0, 1e-12);
    EXPECT_NEAR(Degisim(2), -W * 2 / 6, 1e-12);  // node i, moment about X
    EXPECT_NEAR(Degisim(3), W * 3 / 6, 1e-12);   // node i, moment about Y
}

TEST_F(ElemanYukleri, YayVeLevhaYukleriKullanilmaz) {
    // Loads on springs, the isolator and membranes change nothing.
    Dugum(0, 1, 0, 0, 0);
    Dugum(1, 2, 3, 0, 0);
    Dugum(2, 3, 3, 2, 0);
    Dugum(3, 4, 0, 2, 0);
    OkunanMafsalTipi = "0306";
    OkunanE = 1;
    OkunanA = 1;
    OkunanAlfa = 1;
    YukSatiri(14, 20);
    for (int tip : {11, 21, 31, 32, 33, 41, 50, 51}) {
        OkunanElemanTipi = tip;
        YukVektoruHazirla(24);
        KafesElemanYukleriniEkle();
        DuzlemCerceveElemanYukleriniEkle();
        UzayCerceveElemanYukleriniEkle();
        PlakElemanYukleriniEkle();
        for (int r = 1; r <= 24; ++r) EXPECT_DOUBLE_EQ(Degisim(r), 0) << tip << " row " << r;
    }
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(ui->Mesajlar.empty());
}
