// Membrane and plate meshes written into the tables and solved by the whole
// force-method chain: the checks, the assembly with the element routine and
// the plate loads of the element-load table, and the solution driver.
// Results are compared with uniform states, beam theory and the classical
// plate solutions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "MotorModeli.h"
#include "engine/ElemanMatrisleri.h"
#include "model/Tipler.h"

namespace {

struct AgModeli {
    int Sistem = 50;
    std::vector<std::array<double, 2>> Noktalar;  // node n at [n - 1]
    struct Eleman {
        int Tip;
        std::array<int, 4> D;
    };
    std::vector<Eleman> Elemanlar;
    std::vector<std::pair<int, int>> Mesnetler;          // node, degree of freedom
    std::vector<std::tuple<int, int, double>> Yukler;    // node, degree of freedom, value
    double PlakYuku = 0;                                 // uniform load on every plate
    double E = 2e7, Nu = 0.25, t = 0.1;
};

// Writes the mesh into the tables of `mm` and solves it with displacements.
bool Coz(MotorModeli& mm, const AgModeli& m) {
    mm.Malzeme(1, m.E, m.Nu);
    mm.Kesit(1, m.t);
    for (std::size_t n = 0; n < m.Noktalar.size(); ++n)
        mm.Nokta(static_cast<int>(n) + 1, m.Noktalar[n][0], m.Noktalar[n][1]);
    for (std::size_t e = 0; e < m.Elemanlar.size(); ++e) {
        const auto& el = m.Elemanlar[e];
        mm.Eleman(static_cast<int>(e) + 1, el.Tip, el.D[0], el.D[1], el.D[2], el.D[3]);
        if (el.Tip == 60 && m.PlakYuku != 0) mm.ElemanYuku(static_cast<int>(e) + 1, 1, 25, m.PlakYuku);
    }
    // Degrees of freedom 1, 2 (, 3) of a node are Ux, Uy of a membrane and
    // Uz, Fix, Fiy of a plate: their places among the support texts and loads.
    const int ilk = m.Sistem == 60 ? 2 : 0;
    std::map<int, std::vector<std::string>> mesnet;
    for (auto [n, d] : m.Mesnetler) {
        auto& k = mesnet[n];
        k.resize(6, "Serbest");
        k[ilk + d - 1] = "0";
    }
    for (const auto& [n, k] : mesnet) mm.Mesnet(n, k);
    std::map<int, std::array<double, 6>> yuk;
    for (auto [n, d, v] : m.Yukler) yuk[n][ilk + d - 1] += v;
    for (const auto& [n, P] : yuk) mm.Yuk(n, P[0], P[1], P[2], P[3], P[4], P[5]);
    return mm.Coz();
}

std::vector<std::string> GerilmeSatirlari(int e) {
    Arayuz().MemoTemizle();
    ElemanMatrisleriniKur(e, 4);
    EXPECT_EQ(Hata, 0);
    return Arayuz().MemoSatirlari();
}

double SatirAlani(const std::string& satir, int k) { return std::stod(satir.substr(12 + (k - 1) * 18, 18)); }

std::string Satir(const std::string& eleman, const std::string& nokta,
                  const std::array<const char*, 6>& degerler) {
    auto sag = [](const std::string& s, std::size_t w) { return std::string(w - s.size(), ' ') + s; };
    std::string r = sag(eleman, 6) + sag(nokta, 6);
    for (const char* v : degerler) r += sag(v, 18);
    return r;
}

// The unit square of side L in the membrane tests: 1 (0,0), 2 (0,L),
// 3 (L,L), 4 (L,0).
AgModeli KareLevha(bool Ucgenler, double L) {
    AgModeli m;
    m.Sistem = 50;
    m.Noktalar = {{0, 0}, {0, L}, {L, L}, {L, 0}};
    if (Ucgenler)
        // the second triangle counter-clockwise: the node order must not matter
        m.Elemanlar = {{50, {1, 2, 3, 0}}, {50, {1, 4, 3, 0}}};
    else
        m.Elemanlar = {{51, {1, 2, 3, 4}}};
    return m;
}

}  // namespace

class KareLevhaTesti : public ::testing::TestWithParam<bool> {};

TEST_P(KareLevhaTesti, SafKayma) {
    const double L = 2, tau = 300;
    AgModeli m = KareLevha(GetParam(), L);
    const double f = tau * m.t * L / 2;
    // edge tractions of pure shear, half of each edge to each of its ends
    m.Yukler = {{1, 1, -f}, {1, 2, -f}, {2, 1, f}, {2, 2, -f},
                {3, 1, f},  {3, 2, f},  {4, 1, -f}, {4, 2, f}};
    m.Mesnetler = {{1, 1}, {1, 2}, {4, 2}};
    MotorModeli mm(m.Sistem);
    ASSERT_TRUE(Coz(mm, m)) << mm.SonMesaj();
    // u = gamma y, v = 0 with gamma = tau / G
    const double gamma = tau * 2 * (1 + m.Nu) / m.E;
    EXPECT_NEAR(mm.U(2, 1), gamma * L, 1e-9 * gamma * L);
    EXPECT_NEAR(mm.U(3, 1), gamma * L, 1e-9 * gamma * L);
    EXPECT_NEAR(mm.U(3, 2), 0, 1e-9 * gamma * L);
    EXPECT_NEAR(mm.U(4, 1), 0, 1e-9 * gamma * L);
    const std::array<const char*, 6> beklenen = {"0", "0", "300", "300", "-300", "45"};
    for (int e = 1; e <= static_cast<int>(m.Elemanlar.size()); ++e)
        for (const auto& satir : GerilmeSatirlari(e))
            EXPECT_EQ(satir.substr(12), Satir("", "", beklenen).substr(12)) << satir;
}

INSTANTIATE_TEST_SUITE_P(UcgenVeDortgen, KareLevhaTesti, ::testing::Values(true, false));

// A cantilever strip of quadrilateral membranes under a tip load, compared
// with beam theory including the shear deflection.
TEST(LevhaAg, KonsolSeritKirisTeorisi) {
    const double L = 10, h = 1, P = 10;
    const int n = 10, k = 2;  // elements along and through the depth
    AgModeli m;
    m.Sistem = 50;
    m.E = 2e7;
    m.Nu = 0.25;
    m.t = 0.2;
    auto no = [&](int ix, int iy) { return ix * (k + 1) + iy + 1; };
    for (int ix = 0; ix <= n; ++ix)
        for (int iy = 0; iy <= k; ++iy) m.Noktalar.push_back({L * ix / n, h * iy / k - h / 2});
    for (int ix = 0; ix < n; ++ix)
        for (int iy = 0; iy < k; ++iy)
            m.Elemanlar.push_back(
                {51, {no(ix, iy), no(ix, iy + 1), no(ix + 1, iy + 1), no(ix + 1, iy)}});
    for (int iy = 0; iy <= k; ++iy) {
        m.Mesnetler.push_back({no(0, iy), 1});
        m.Mesnetler.push_back({no(0, iy), 2});
        const double pay = (iy == 0 || iy == k) ? 0.5 / k : 1.0 / k;
        m.Yukler.push_back({no(n, iy), 2, -P * pay});
    }
    MotorModeli mm(m.Sistem);
    ASSERT_TRUE(Coz(mm, m)) << mm.SonMesaj();
    const double I = m.t * h * h * h / 12, G = m.E / (2 * (1 + m.Nu));
    const double kiris = P * L * L * L / (3 * m.E * I) + P * L / (5.0 / 6 * G * h * m.t);
    for (int iy = 0; iy <= k; ++iy)
        EXPECT_NEAR(-mm.U(no(n, iy), 2), kiris, 0.015 * kiris) << iy;

    // Root element at the top: its bending stress is constant along it and
    // carries the moment at its middle, P (L - a/2); the top fibre is in
    // tension and the bottom one in compression.
    const double a = L / n;
    const double sigma = P * (L - a / 2) * (h / 2) / I;
    auto ust = GerilmeSatirlari(2);     // element at ix = 0, iy = 1
    ASSERT_EQ(ust.size(), 4u);
    EXPECT_NEAR(SatirAlani(ust[1], 1), sigma, 0.02 * sigma);  // corner j at the top
    auto alt = GerilmeSatirlari(1);
    EXPECT_NEAR(SatirAlani(alt[0], 1), -sigma, 0.02 * sigma);  // corner i at the bottom
}

// Square plate under uniform load: a quarter with symmetry conditions,
// edges x = 0 and y = 0 simply supported or clamped.
namespace {

struct PlakSonucu {
    double w, sigma;
};

AgModeli CeyrekPlakModeli(int n, bool Ankastre, double a, double q, double t, double E, double nu) {
    AgModeli m;
    m.Sistem = 60;
    m.E = E;
    m.Nu = nu;
    m.t = t;
    m.PlakYuku = q;
    const double h = a / 2 / n;
    auto no = [&](int ix, int iy) { return iy * (n + 1) + ix + 1; };
    for (int iy = 0; iy <= n; ++iy)
        for (int ix = 0; ix <= n; ++ix) m.Noktalar.push_back({ix * h, iy * h});
    for (int iy = 0; iy < n; ++iy)
        for (int ix = 0; ix < n; ++ix)
            m.Elemanlar.push_back(
                {60, {no(ix, iy), no(ix, iy + 1), no(ix + 1, iy + 1), no(ix + 1, iy)}});
    for (int iy = 0; iy <= n; ++iy)
        for (int ix = 0; ix <= n; ++ix) {
            const int p = no(ix, iy);
            const bool kenar = ix == 0 || iy == 0;
            if (kenar) m.Mesnetler.push_back({p, 1});
            // rotation about X (dw/dy) is zero on y = 0 if clamped and on the
            // symmetry line y = a/2; about Y on x = 0 if clamped and on x = a/2
            if ((Ankastre && iy == 0) || iy == n) m.Mesnetler.push_back({p, 2});
            if ((Ankastre && ix == 0) || ix == n) m.Mesnetler.push_back({p, 3});
        }
    return m;
}

// Deflection and surface stress sx at the plate's centre (corner k of the
// last element).
PlakSonucu CeyrekPlak(int n, bool Ankastre, double a, double q, double t, double E, double nu) {
    const AgModeli m = CeyrekPlakModeli(n, Ankastre, a, q, t, E, nu);
    MotorModeli mm(60);
    EXPECT_TRUE(Coz(mm, m)) << mm.SonMesaj();
    PlakSonucu s{mm.U((n + 1) * (n + 1), 1), 0};
    auto r = GerilmeSatirlari(n * n);
    EXPECT_EQ(r.size(), 4u);
    if (r.size() == 4) {
        char etiket[16];
        std::snprintf(etiket, sizeof etiket, "%6d%6d", n * n, (n + 1) * (n + 1));
        EXPECT_EQ(r[2].substr(0, 12), etiket);
        s.sigma = SatirAlani(r[2], 1);
        EXPECT_NEAR(SatirAlani(r[2], 2), s.sigma, 1e-6 * std::fabs(s.sigma));  // symmetry
    }
    return s;
}

}  // namespace

TEST(PlakAg, BasitMesnetliKarePlakKlasikCozumeYakinsar) {
    const double a = 2, q = 10, t = 0.2, E = 3e7, nu = 0.3;
    const double D = E * t * t * t / (12 * (1 - nu * nu));
    // Navier's series at the centre
    double wk = 0, mk = 0;
    for (int i = 1; i < 400; i += 2)
        for (int j = 1; j < 400; j += 2) {
            const double isaret = ((i + j) / 2 - 1) % 2 == 0 ? 1 : -1;
            const double p = (double)i * i + (double)j * j;
            wk += isaret / (i * j * p * p);
            mk += isaret * (i * i + nu * j * j) / (i * j * p * p);
        }
    wk *= 16 * q * std::pow(a, 4) / (std::pow(M_PI, 6) * D);
    mk *= 16 * q * a * a / std::pow(M_PI, 4);
    ASSERT_NEAR(wk * D / (q * std::pow(a, 4)), 0.00406, 5e-6);
    const double sigmaK = 6 * mk / (t * t);

    double oncekiW = 1, oncekiS = 1;
    for (int n : {2, 4, 8}) {
        const PlakSonucu s = CeyrekPlak(n, false, a, q, t, E, nu);
        ASSERT_EQ(Hata, 0);
        // downward load, downward deflection
        const double hw = std::fabs(-s.w - wk) / wk, hs = std::fabs(std::fabs(s.sigma) - sigmaK) / sigmaK;
        EXPECT_LT(s.w, 0);
        EXPECT_LT(hw, oncekiW / 2) << n;
        EXPECT_LT(hs, oncekiS / 2) << n;
        oncekiW = hw;
        oncekiS = hs;
    }
    // the finest mesh (16 x 16 on the whole plate)
    EXPECT_LT(oncekiW, 0.01);
    EXPECT_LT(oncekiS, 0.01);
}

TEST(PlakAg, AnkastreKarePlakKlasikCozumeYakinsar) {
    const double a = 2, q = 10, t = 0.2, E = 3e7, nu = 0.3;
    const double D = E * t * t * t / (12 * (1 - nu * nu));
    // the classical values at the centre of a clamped square plate
    const double wk = 0.00126 * q * std::pow(a, 4) / D;
    const double sigmaK = 6 * 0.0231 * q * a * a / (t * t);
    double oncekiW = 1;
    double hs = 1;
    for (int n : {2, 4, 8}) {
        const PlakSonucu s = CeyrekPlak(n, true, a, q, t, E, nu);
        ASSERT_EQ(Hata, 0);
        const double hw = std::fabs(-s.w - wk) / wk;
        EXPECT_LT(hw, oncekiW) << n;
        oncekiW = hw;
        hs = std::fabs(std::fabs(s.sigma) - sigmaK) / sigmaK;
    }
    EXPECT_LT(oncekiW, 0.03);
    EXPECT_LT(hs, 0.03);
}
