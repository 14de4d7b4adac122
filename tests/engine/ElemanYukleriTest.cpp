// Space-frame fixed-end forces and the drivers' refusals; the drivers' load
// vectors are checked through the solved structures.
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

// A bar whose ends coincide is refused by each driver and subtracts nothing.
TEST_F(ElemanYukleri, BoyuSifirCubuk) {
    Dugum(0, 1, 1, 1, 0);
    Dugum(1, 2, 1, 1, 0);
    OkunanE = OkunanA = OkunanIz = 1;
    OkunanMafsalTipi = "00";
    const struct {
        int tip;
        void (*surucu)();
        const char* mesaj;
    } durumlar[] = {{10, KafesElemanYukleriniEkle, "5.elemanın boyu sıfır"},
                    {30, DuzlemCerceveElemanYukleriniEkle, "5.Elemanın boyu sıfır"}};
    for (const auto& d : durumlar) {
        Hata = 0;
        ui->Mesajlar.clear();
        OkunanElemanTipi = d.tip;
        YukSatiri(1, 10);
        YukVektoruHazirla(6);
        d.surucu();
        EXPECT_EQ(Hata, 1);
        HataBekle(*ui, d.mesaj);
        DegisimBekle({0, 0, 0, 0, 0, 0});
    }
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

TEST_F(ElemanYukleri, PlakSurucusu) {
    // A 3 x 2 plate, nodes i=1 (0,0), j=2 (0,2), k=3 (3,2), L=4 (3,0), q = 5:
    // each corner loses W = q a b/4 along Z and the moments W b/6 about X and
    // W a/6 about Y with the signs of its corner.
    OkunanElemanTipi = 60;
    Dugum(0, 1, 0, 0, 0);
    Dugum(1, 2, 0, 2, 0);
    Dugum(2, 3, 3, 2, 0);
    Dugum(3, 4, 3, 0, 0);
    YukSatiri(25, 5);
    YukVektoruHazirla(12);
    PlakElemanYukleriniEkle();
    EXPECT_EQ(Hata, 0);
    const double W = 5 * 3 * 2 / 4.0, x = W * 2 / 6, y = W * 3 / 6;
    DegisimBekle({-W, -x, y, -W, x, y, -W, x, -y, -W, -x, -y});
}
