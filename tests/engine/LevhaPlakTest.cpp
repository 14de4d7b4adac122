// Membrane (50, 51) and plate (60) element matrices checked on their own:
// agreement of the equilibrium matrix with the
// stress field by virtual work, the flexibility as the complementary energy of
// that stress field, the stress rows and the refusals.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "MotorModeli.h"
#include "TestYardim.h"
#include "engine/LevhaPlakMatrisleri.h"
#include "model/Tipler.h"

namespace {

using Nokta = std::array<double, 2>;

// Puts one element into the current-element globals, with room for its
// flexibility block and its forces from column 1.
void ElemanKur(int tip, const std::vector<Nokta>& xy, double E, double nu, double t) {
    OkunanElemanTipi = tip;
    OkunaniNoktasi = 11;
    OkunanjNoktasi = 12;
    OkunankNoktasi = 13;
    OkunanLNoktasi = xy.size() > 3 ? 14 : 0;
    OkunaniX1 = xy[0][0]; OkunaniX2 = xy[0][1];
    OkunanjX1 = xy[1][0]; OkunanjX2 = xy[1][1];
    OkunankX1 = xy[2][0]; OkunankX2 = xy[2][1];
    if (xy.size() > 3) {
        OkunanLX1 = xy[3][0];
        OkunanLX2 = xy[3][1];
    }
    OkunanE = E;
    OkunanNu = nu;
    OkunanA = t;
    ElemanIlkKolon = 1;
    EsneklikMatrisi.SetLength(10, 10);
    Bilinmeyenler.SetLength(10);
}

int KuvvetSayisi(int tip) { return tip == 50 ? 3 : tip == 51 ? 5 : 9; }

// Gauss points and weights on 0..1.
const double GaussN[3] = {0.5 - 0.5 * std::sqrt(0.6), 0.5, 0.5 + 0.5 * std::sqrt(0.6)};
const double GaussW[3] = {5.0 / 18, 8.0 / 18, 5.0 / 18};

// Stress state (3 components) of force column c at a local point.
std::array<double, 3> Gerilme(int c, double ksi, double eta) {
    double k = 0;
    EXPECT_TRUE(LevhaPlakGerilmeMatrisiniKur(1, ksi, eta, k));
    return {k * GerilmeMatrisi[1][c], k * GerilmeMatrisi[2][c], k * GerilmeMatrisi[3][c]};
}

// Plane-stress complementary energy density form s1 : C^-1 : s2.
double Tamamlayici(const std::array<double, 3>& s1, const std::array<double, 3>& s2, double E,
                   double nu) {
    return (s1[0] * s2[0] + s1[1] * s2[1] - nu * (s1[0] * s2[1] + s1[1] * s2[0]) +
            2 * (1 + nu) * s1[2] * s2[2]) / E;
}

double SatirDegeri(const std::string& satir, int alan) {
    // fields: element 6, node 6, then six of 18
    return std::stod(satir.substr(12 + (alan - 1) * 18, 18));
}

}  // namespace

// For every type and a few shapes: the columns of the equilibrium matrix
// agree with the stress field by virtual work, and the flexibility is the
// complementary energy of the stress field (the columns' own balance is
// checked on every solved mesh).
struct Sekil {
    int tip;
    std::vector<Nokta> xy;
};

class LevhaPlakTutarlilik : public ::testing::TestWithParam<int> {};

const std::vector<Sekil>& Sekiller() {
    static const std::vector<Sekil> s = {
        {50, {{0, 0}, {3, 0.5}, {1, 2}}},
        {50, {{1, 2}, {3, 0.5}, {0, 0}}},           // the other node order
        {51, {{0, 0}, {0, 2}, {3, 2}, {3, 0}}},
        {51, {{1, 1}, {1, 1.5}, {4, 1.5}, {4, 1}}},  // b small, a large
        {60, {{0, 0}, {0, 2}, {3, 2}, {3, 0}}},
        {60, {{2, 1}, {2, 1.5}, {2.25, 1.5}, {2.25, 1}}},
    };
    return s;
}

TEST_P(LevhaPlakTutarlilik, DengeIsVeEnerji) {
    TemizBasliksizArayuz();
    const Sekil& s = Sekiller()[GetParam()];
    const double E = 3e7, nu = 0.2, t = 0.25;
    ElemanKur(s.tip, s.xy, E, nu, t);
    const int m = KuvvetSayisi(s.tip);
    LevhaPlakMatrisleriniKur(1, 2);
    ASSERT_EQ(Hata, 0);
    LevhaPlakMatrisleriniKur(1, 1);
    ASSERT_EQ(Hata, 0);
    const Matris12x9 B = ElemanYerelDengeMatrisi;
    const int n = s.tip == 50 ? 3 : 4;

    // local coordinates of the nodes (the rectangles have i at the origin,
    // L on +x, j on +y; all shapes here are axis-parallel)
    std::vector<Nokta> p = s.xy;
    for (auto& q : p) q = {q[0] - s.xy[0][0], q[1] - s.xy[0][1]};
    double alan;
    if (s.tip == 50)
        alan = std::fabs((p[1][0] - p[0][0]) * (p[2][1] - p[0][1]) -
                         (p[2][0] - p[0][0]) * (p[1][1] - p[0][1])) / 2;
    else
        alan = p[3][0] * p[1][1];
    const double a = s.tip == 50 ? 0 : p[3][0], b = s.tip == 50 ? 0 : p[1][1];

    // Mean stress of column c over the element (the fields are at most
    // bilinear, so the mean of the corner values is exact).
    auto ortalama = [&](int c) {
        if (s.tip == 50) return Gerilme(c, 0, 0);
        std::array<double, 3> o{};
        const double ks[4] = {0, 0, 1, 1}, et[4] = {0, 1, 1, 0};
        for (int k = 0; k < 4; ++k) {
            auto g = Gerilme(c, ks[k], et[k]);
            for (int j = 0; j < 3; ++j) o[j] += g[j] / 4;
        }
        return o;
    };

    // Virtual work with the exact nodal values of fields of constant strain
    // (membranes: u = eps x) or constant curvature (plates: w quadratic,
    // rotations about X = dw/dy, about Y = -dw/dx): the work of the nodal
    // forces equals the work of the stresses on the strains.
    for (int alanNo = 0; alanNo < 3; ++alanNo) {
        for (int c = 1; c <= m; ++c) {
            const auto o = ortalama(c);
            double dis = 0, ic = 0;
            for (int k = 0; k < n; ++k) {
                const double x = p[k][0], y = p[k][1];
                if (s.tip == 60) {
                    double w, tx, ty;
                    if (alanNo == 0) { w = x * x / 2; tx = 0; ty = -x; }
                    else if (alanNo == 1) { w = y * y / 2; tx = y; ty = 0; }
                    else { w = x * y; tx = x; ty = -y; }
                    dis += B[3 * k + 1][c] * w + B[3 * k + 2][c] * tx + B[3 * k + 3][c] * ty;
                } else {
                    double ux, uy;
                    if (alanNo == 0) { ux = x; uy = 0; }
                    else if (alanNo == 1) { ux = 0; uy = y; }
                    else { ux = y; uy = x; }  // shear strain gamma = 2
                    dis += B[2 * k + 1][c] * ux + B[2 * k + 2][c] * uy;
                }
            }
            if (s.tip == 60) {
                // moments per unit width m = stress * t^2 / 6; curvatures
                // -w,xx, -w,yy and twist -2 w,xy
                const double mm[3] = {o[0] * t * t / 6, o[1] * t * t / 6, o[2] * t * t / 6};
                const double kappa[3][3] = {{-1, 0, 0}, {0, -1, 0}, {0, 0, -2}};
                for (int j = 0; j < 3; ++j) ic += mm[j] * kappa[alanNo][j] * a * b;
            } else {
                const double eps[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 2}};
                for (int j = 0; j < 3; ++j) ic += o[j] * eps[alanNo][j] * t * alan;
            }
            EXPECT_NEAR(dis, ic, 1e-9 * (1 + std::fabs(ic))) << "alan " << alanNo << " X" << c;
        }
    }

    // Flexibility = complementary energy of the stress fields (through the
    // thickness: t for membranes, t/3 of the surface stress for plates).
    const double h = s.tip == 60 ? t / 3 : t;
    for (int p1 = 1; p1 <= m; ++p1)
        for (int p2 = 1; p2 <= m; ++p2) {
            double f = 0;
            if (s.tip == 50) {
                f = h * alan * Tamamlayici(Gerilme(p1, 0, 0), Gerilme(p2, 0, 0), E, nu);
            } else {
                for (int u = 0; u < 3; ++u)
                    for (int v = 0; v < 3; ++v)
                        f += GaussW[u] * GaussW[v] * h * a * b *
                             Tamamlayici(Gerilme(p1, GaussN[u], GaussN[v]),
                                         Gerilme(p2, GaussN[u], GaussN[v]), E, nu);
            }
            EXPECT_NEAR(EsneklikMatrisi[p1][p2], f, 1e-9 * std::fabs(EsneklikMatrisi[p1][p1]))
                << p1 << "," << p2;
        }
    EXPECT_EQ(Hata, 0);
}

INSTANTIATE_TEST_SUITE_P(Sekiller, LevhaPlakTutarlilik, ::testing::Range(0, 6));

// The global matrix of a quadrilateral membrane in any direction is the local
// one with each node's pair turned by the direction of i->L.
TEST(LevhaPlak, DondurulmusDortgenLevha) {
    TemizBasliksizArayuz();
    const double aci = 0.7, cs = std::cos(aci), sn = std::sin(aci), a = 2, b = 1.5;
    auto yer = [&](double x, double y) { return Nokta{5 + cs * x - sn * y, -1 + sn * x + cs * y}; };
    ElemanKur(51, {yer(0, 0), yer(0, b), yer(a, b), yer(a, 0)}, 1, 0.3, 1);
    LevhaPlakMatrisleriniKur(1, 1);
    LevhaPlakMatrisleriniKur(1, 2);
    ASSERT_EQ(Hata, 0);
    for (int k = 0; k < 4; ++k)
        for (int c = 1; c <= 5; ++c) {
            const double lx = ElemanYerelDengeMatrisi[2 * k + 1][c];
            const double ly = ElemanYerelDengeMatrisi[2 * k + 2][c];
            EXPECT_NEAR(ElemanDengeMatrisi[2 * k + 1][c], cs * lx - sn * ly, 1e-12);
            EXPECT_NEAR(ElemanDengeMatrisi[2 * k + 2][c], sn * lx + cs * ly, 1e-12);
        }
    // i->L along -X: every component of every node changes sign
    ElemanKur(51, {{{0, 0}, {0, -1}, {-2, -1}, {-2, 0}}}, 1, 0.3, 1);
    LevhaPlakMatrisleriniKur(1, 1);
    LevhaPlakMatrisleriniKur(1, 2);
    ASSERT_EQ(Hata, 0);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_NEAR(ElemanDengeMatrisi[r][c], -ElemanYerelDengeMatrisi[r][c], 1e-15);
}

TEST(LevhaPlak, UcgenGerilmesiDugumSirasindanBagimsiz) {
    auto& ui = TemizBasliksizArayuz();
    const std::vector<Nokta> u = {{0, 0}, {2, 0}, {0, 1}};
    // Forces of the same physical state in both node orders: with the order
    // reversed, the sides are the same ones taken backwards.
    ElemanKur(50, u, 1e6, 0.2, 0.1);
    Bilinmeyenler[1] = 10; Bilinmeyenler[2] = -4; Bilinmeyenler[3] = 7;
    LevhaPlakMatrisleriniKur(1, 4);
    ElemanKur(50, {u[0], u[2], u[1]}, 1e6, 0.2, 0.1);
    // sides of the new order: i-k', k'-j', j'-i = old sides 3, 2, 1
    Bilinmeyenler[1] = 7; Bilinmeyenler[2] = -4; Bilinmeyenler[3] = 10;
    LevhaPlakMatrisleriniKur(2, 4);
    ASSERT_EQ(Hata, 0);
    ASSERT_EQ(ui.MemoSatirlari().size(), 2u);
    EXPECT_EQ(ui.MemoSatirlari()[0].substr(12), ui.MemoSatirlari()[1].substr(12));
    EXPECT_EQ(ui.MemoSatirlari()[0].substr(0, 12), "     1      ");
    // side 1 along X with force 10: sx = 2 X l / (t * 2A) = 2*10*2/(0.1*2) = 200
    // side 2 from (2,0) to (0,1): e = (-2,1)/sqrt5, l = sqrt5; side 3 along Y
    const double l2 = std::sqrt(5.0), f = 2 / 0.1 / 2;
    const double sx = f * (10 * 2 + (-4) * (4.0 / 5) * l2);
    const double sy = f * ((-4) * (1.0 / 5) * l2 + 7 * 1);
    const double txy = f * ((-4) * (-2.0 / 5) * l2);
    EXPECT_NEAR(SatirDegeri(ui.MemoSatirlari()[0], 1), sx, 0.005);
    EXPECT_NEAR(SatirDegeri(ui.MemoSatirlari()[0], 2), sy, 0.005);
    EXPECT_NEAR(SatirDegeri(ui.MemoSatirlari()[0], 3), txy, 0.005);
}

TEST(LevhaPlak, AsalGerilmelerVeDogrultu) {
    double s1, s2, fi;
    AsalGerilmeler(0, 0, 5, s1, s2, fi);
    EXPECT_DOUBLE_EQ(s1, 5);
    EXPECT_DOUBLE_EQ(s2, -5);
    EXPECT_DOUBLE_EQ(fi, 45);
    AsalGerilmeler(0, 0, -5, s1, s2, fi);
    EXPECT_DOUBLE_EQ(fi, -45);
    AsalGerilmeler(10, 0, 0, s1, s2, fi);
    EXPECT_DOUBLE_EQ(s1, 10);
    EXPECT_DOUBLE_EQ(s2, 0);
    EXPECT_DOUBLE_EQ(fi, 0);
    // sigma_y the larger: its direction is the Y axis
    AsalGerilmeler(0, 10, 0, s1, s2, fi);
    EXPECT_DOUBLE_EQ(s1, 10);
    EXPECT_DOUBLE_EQ(fi, 90);
    // A general state: the angle's direction is an eigenvector of sigma_max.
    for (auto st : std::vector<std::array<double, 3>>{{3, -1, 2}, {-4, 1, 3}, {-4, 1, -3}, {2, 7, -0.5}}) {
        AsalGerilmeler(st[0], st[1], st[2], s1, s2, fi);
        const double c = std::cos(fi * M_PI / 180), s = std::sin(fi * M_PI / 180);
        EXPECT_NEAR(st[0] * c + st[2] * s, s1 * c, 1e-12);
        EXPECT_NEAR(st[2] * c + st[1] * s, s1 * s, 1e-12);
        EXPECT_GT(fi, -90);
        EXPECT_LE(fi, 90);
        EXPECT_NEAR(s1 + s2, st[0] + st[1], 1e-12);
    }
}

// Refusals: each shows one message naming the element, sets Hata and writes
// nothing that is not a number.
struct Ret {
    int tip;
    std::vector<Nokta> xy;
    double t;
    double E;
    int islem;
    std::string mesaj;
};

class LevhaPlakRet : public ::testing::TestWithParam<int> {};

const std::vector<Ret>& Retler() {
    static const std::vector<Ret> r = {
        {50, {{0, 0}, {1, 0}, {1, 0}}, 1, 1, 1, "5 elemanın bir kenarı sıfır"},
        {50, {{0, 0}, {1e-12, 0}, {0, 1}}, 1, 1, 2, ""},  // i-j is refused only at 1e-14
        {50, {{0, 0}, {1, 0}, {1 + 1e-12, 0}}, 1, 1, 2, "5 elemanın bir kenarı sıfır"},
        {50, {{0, 0}, {1, 1}, {2, 2}}, 1, 1, 2,
         "5.elemanın alanı sıfır (üç düğüm noktası bir doğru üzerinde)"},
        {50, {{0, 0}, {1, 1}, {2, 2}}, 1, 1, 4,
         "5.elemanın alanı sıfır (üç düğüm noktası bir doğru üzerinde)"},
        {50, {{0, 0}, {1, 0}, {0, 1}}, 0, 1, 2, "5.elemanın kalınlığı sıfır"},
        {50, {{0, 0}, {1, 0}, {0, 1}}, 0, 1, 1, ""},  // operation 1 needs no thickness
        {50, {{0, 0}, {1, 0}, {0, 1}}, 1, 0, 2, "5.elemanın elastisite modülü sıfır veya negatif"},
        {51, {{0, 0}, {0, 1}, {2, 1}, {2, 0}}, 0, 1, 2, "5.elemanın kalınlığı sıfır"},
        {51, {{0, 0}, {0, 1}, {2, 1}, {2, 0}}, -0.1, 1, 2, "5.elemanın kalınlığı negatif"},
        {51, {{0, 0}, {0, -1}, {2, -1}, {2, 0}}, 1, 1, 1,
         "5.elemanın düğüm noktaları saat yönünün tersine sıralanmış; i, j, k, L saat yönünde "
         "verilmeli"},
        {51, {{0, 0}, {0.5, 1}, {2.5, 1}, {2, 0}}, 1, 1, 2,
         "5.elemanın düğüm noktaları bir dikdörtgen oluşturmuyor"},
        {51, {{0, 0}, {0, 1}, {2, 1.2}, {2, 0}}, 1, 1, 4,
         "5.elemanın düğüm noktaları bir dikdörtgen oluşturmuyor"},
        {51, {{0, 0}, {0, 0}, {2, 0}, {2, 0}}, 1, 1, 2, "5 elemanın bir kenarı sıfır"},
        {60, {{0, 0}, {0, 1}, {-2, 1}, {-2, 0}}, 1, 1, 2,
         "5.elemanın L noktası i noktasının +X yönünde, j noktası i noktasının +Y yönünde "
         "olmalı (i, j, k, L saat yönünde)"},
        {60, {{0, 0}, {0, -1}, {2, -1}, {2, 0}}, 1, 1, 1,
         "5.elemanın L noktası i noktasının +X yönünde, j noktası i noktasının +Y yönünde "
         "olmalı (i, j, k, L saat yönünde)"},
        {60, {{0, 0}, {-1, 1}, {1, 2}, {2, 1}}, 1, 1, 2,
         "5.elemanın kenarları X ve Y eksenlerine paralel bir dikdörtgen oluşturmuyor"},
        {60, {{0, 0}, {0, 1}, {2, 1}, {2, 0.01}}, 1, 1, 4,
         "5.elemanın kenarları X ve Y eksenlerine paralel bir dikdörtgen oluşturmuyor"},
        {60, {{0, 0}, {0, 1}, {0, 1}, {0, 0}}, 1, 1, 1, "5 elemanın bir kenarı sıfır"},
        {60, {{0, 0}, {0, 1}, {2, 1}, {2, 0}}, 0, 1, 2, "5.elemanın kalınlığı sıfır"},
        {60, {{0, 0}, {0, 1}, {2, 1}, {2, 0}}, 0, 1, 4, "5.elemanın kalınlığı sıfır"},
    };
    return r;
}

TEST_P(LevhaPlakRet, MesajVeHata) {
    auto& ui = TemizBasliksizArayuz();
    const Ret& r = Retler()[GetParam()];
    ElemanKur(r.tip, r.xy, r.E, 0.3, r.t);
    Bilinmeyenler[1] = 1;
    LevhaPlakMatrisleriniKur(5, r.islem);
    if (r.mesaj.empty()) {
        EXPECT_EQ(Hata, 0);
        EXPECT_TRUE(ui.Mesajlar.empty());
    } else {
        EXPECT_EQ(Hata, 1);
        HataBekle(ui, r.mesaj);
        EXPECT_TRUE(ui.MemoSatirlari().empty());
    }
    for (std::size_t p = 0; p < 10; ++p)
        for (std::size_t q = 0; q < 10; ++q) EXPECT_TRUE(std::isfinite(EsneklikMatrisi[p][q]));
    for (int p = 1; p <= 12; ++p)
        for (int q = 1; q <= 9; ++q) {
            EXPECT_TRUE(std::isfinite(ElemanDengeMatrisi[p][q]));
            EXPECT_TRUE(std::isfinite(ElemanYerelDengeMatrisi[p][q]));
        }
}

INSTANTIATE_TEST_SUITE_P(Durumlar, LevhaPlakRet, ::testing::Range(0, 21));
