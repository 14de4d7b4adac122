// Membrane and plate meshes solved by the whole force-method chain: the
// element routine assembles the equilibrium matrix and the flexibilities,
// support columns and loads are added as the assembly does, and the solution
// driver finds the forces and the displacements. Results are compared with
// uniform states, beam theory and the classical plate solutions.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "TestYardim.h"
#include "engine/AnkastrelikKuvvetleri.h"
#include "engine/CozumSurucusu.h"
#include "engine/ElemanMatrisleri.h"
#include "engine/LevhaPlakMatrisleri.h"
#include "engine/SistemDengeDenklemleri.h"
#include "model/ModelOku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

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

void ElemaniYukle(const AgModeli& m, int e) {
    const auto& el = m.Elemanlar[e - 1];
    TuretElemanNo = e;
    OkunanElemanTipi = el.Tip;
    int* no[4] = {&OkunaniNoktasi, &OkunanjNoktasi, &OkunankNoktasi, &OkunanLNoktasi};
    double* x[4] = {&OkunaniX1, &OkunanjX1, &OkunankX1, &OkunanLX1};
    double* y[4] = {&OkunaniX2, &OkunanjX2, &OkunankX2, &OkunanLX2};
    for (int p = 0; p < 4; ++p) {
        *no[p] = el.D[p];
        *x[p] = el.D[p] ? m.Noktalar[el.D[p] - 1][0] : 0;
        *y[p] = el.D[p] ? m.Noktalar[el.D[p] - 1][1] : 0;
    }
    OkunanE = m.E;
    OkunanNu = m.Nu;
    OkunanA = m.t;
    ElemanIlkKolon = ElemanBilinmeyenTablosu[1][e];
}

// Sizes the arrays, assembles and solves with displacements.
bool Coz(const AgModeli& m) {
    auto& ui = TemizBasliksizArayuz();
    ui.YerDegistirmeliHesapAyarla(true);
    SistemTipi = m.Sistem;
    NoktaSerbestlikSayisi = m.Sistem == 60 ? 3 : 2;
    NoktaSayisi = static_cast<int>(m.Noktalar.size());
    ToplamSerbestlikSayisi = NoktaSayisi * NoktaSerbestlikSayisi;
    MafsalSayisi = 0;
    ElemanSayisi = static_cast<int>(m.Elemanlar.size());
    auto& T = ElemanBilinmeyenTablosu;
    T.SetLength(2, ElemanSayisi + 1);
    for (int e = 1; e <= ElemanSayisi; ++e) {
        const int tip = m.Elemanlar[e - 1].Tip;
        T[0][e] = tip == 50 ? 3 : tip == 51 ? 5 : 9;
        T[1][e] = e == 1 ? 1 : T[1][e - 1] + T[0][e - 1];
    }
    // sizes as the run gives them; the arrays start zero-filled
    SinirKosuluSayisi = static_cast<int>(m.Mesnetler.size());
    ElemanBilinmeyenSayisi = T[0][ElemanSayisi] + T[1][ElemanSayisi] - 1;
    DenklemSayisi = ToplamSerbestlikSayisi;
    BilinmeyenSayisi = ElemanBilinmeyenSayisi + SinirKosuluSayisi;
    HiperstatiklikDerecesi = BilinmeyenSayisi - DenklemSayisi;
    const std::size_t n1 = BilinmeyenSayisi + 1;
    NMatrisi.SetLength(n1, n1);
    YukVektoru.SetLength(n1);
    Bilinmeyenler.SetLength(n1);
    EsneklikMatrisi.SetLength(n1, 10);
    HiperstatikKolonlar.SetLength(HiperstatiklikDerecesi + 1);
    MesnetYerDegistirmeleri.SetLength(n1);
    YerDegistirmeler.SetLength(DenklemSayisi + 1);

    EnBuyukMutlakDeger = 1;
    const int d = NoktaSerbestlikSayisi;
    for (int e = 1; e <= ElemanSayisi; ++e) {
        ElemaniYukle(m, e);
        LevhaPlakMatrisleriniKur(e, 2);
        if (Hata) return false;
        for (int p = 1; p <= ElemanNoktaSayisi; ++p)
            for (int dd = 1; dd <= d; ++dd)
                for (int c = 1; c <= ElemanKuvvetSayisi; ++c) {
                    const double v = ElemanDengeMatrisi[(p - 1) * d + dd][c];
                    NMatrisi[(m.Elemanlar[e - 1].D[p - 1] - 1) * d + dd][ElemanIlkKolon - 1 + c] = v;
                    EnBuyukMutlakDeger = std::max(EnBuyukMutlakDeger, std::fabs(v));
                }
        if (OkunanElemanTipi == 60 && m.PlakYuku != 0) {
            OkunanYukTipi = 25;
            OkunanYuk = m.PlakYuku;
            PlakElemanYukleriniEkle();
        }
    }
    // one reaction column per fixed degree of freedom, after the element forces
    int c = ElemanBilinmeyenSayisi;
    for (auto [n, dd] : m.Mesnetler) NMatrisi[(n - 1) * d + dd][++c] = 1.0;
    for (auto [n, dd, v] : m.Yukler) YukVektoru[(n - 1) * d + dd] += v;
    KuvvetMetoduCoz();
    return Hata == 0;
}

double Yer(int n, int dd) { return YerDegistirmeler[(n - 1) * NoktaSerbestlikSayisi + dd]; }

std::vector<std::string> GerilmeSatirlari(const AgModeli& m, int e) {
    Arayuz().MemoTemizle();
    ElemaniYukle(m, e);
    LevhaPlakMatrisleriniKur(e, 4);
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

TEST_P(KareLevhaTesti, DuzgunCekme) {
    const double L = 2, s = 500;
    AgModeli m = KareLevha(GetParam(), L);
    m.Mesnetler = {{1, 1}, {1, 2}, {2, 1}, {4, 2}};
    m.Yukler = {{3, 1, s * m.t * L / 2}, {4, 1, s * m.t * L / 2}};
    ASSERT_TRUE(Coz(m));
    const double ux = s * L / m.E, uy = -m.Nu * s * L / m.E;
    EXPECT_NEAR(Yer(3, 1), ux, 1e-9 * ux);
    EXPECT_NEAR(Yer(4, 1), ux, 1e-9 * ux);
    EXPECT_NEAR(Yer(3, 2), uy, 1e-9 * ux);
    EXPECT_NEAR(Yer(2, 2), uy, 1e-9 * ux);
    EXPECT_NEAR(Yer(1, 1), 0, 1e-15);
    const std::array<const char*, 6> beklenen = {"500", "0", "0", "500", "0", "0"};
    if (GetParam()) {
        for (int e = 1; e <= 2; ++e) {
            auto r = GerilmeSatirlari(m, e);
            ASSERT_EQ(r.size(), 1u);
            EXPECT_EQ(r[0], Satir(std::to_string(e), "", beklenen));
        }
    } else {
        auto r = GerilmeSatirlari(m, 1);
        ASSERT_EQ(r.size(), 4u);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(r[k], Satir("1", std::to_string(k + 1), beklenen));
    }
}

TEST_P(KareLevhaTesti, SafKayma) {
    const double L = 2, tau = 300;
    AgModeli m = KareLevha(GetParam(), L);
    const double f = tau * m.t * L / 2;
    // edge tractions of pure shear, half of each edge to each of its ends
    m.Yukler = {{1, 1, -f}, {1, 2, -f}, {2, 1, f}, {2, 2, -f},
                {3, 1, f},  {3, 2, f},  {4, 1, -f}, {4, 2, f}};
    m.Mesnetler = {{1, 1}, {1, 2}, {4, 2}};
    ASSERT_TRUE(Coz(m));
    // u = gamma y, v = 0 with gamma = tau / G
    const double gamma = tau * 2 * (1 + m.Nu) / m.E;
    EXPECT_NEAR(Yer(2, 1), gamma * L, 1e-9 * gamma * L);
    EXPECT_NEAR(Yer(3, 1), gamma * L, 1e-9 * gamma * L);
    EXPECT_NEAR(Yer(3, 2), 0, 1e-9 * gamma * L);
    EXPECT_NEAR(Yer(4, 1), 0, 1e-9 * gamma * L);
    const std::array<const char*, 6> beklenen = {"0", "0", "300", "300", "-300", "45"};
    for (int e = 1; e <= static_cast<int>(m.Elemanlar.size()); ++e)
        for (const auto& satir : GerilmeSatirlari(m, e))
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
    ASSERT_TRUE(Coz(m));
    const double I = m.t * h * h * h / 12, G = m.E / (2 * (1 + m.Nu));
    const double kiris = P * L * L * L / (3 * m.E * I) + P * L / (5.0 / 6 * G * h * m.t);
    for (int iy = 0; iy <= k; ++iy)
        EXPECT_NEAR(-Yer(no(n, iy), 2), kiris, 0.015 * kiris) << iy;

    // Root element at the top: its bending stress is constant along it and
    // carries the moment at its middle, P (L - a/2); the top fibre is in
    // tension and the bottom one in compression.
    const double a = L / n;
    const double sigma = P * (L - a / 2) * (h / 2) / I;
    auto ust = GerilmeSatirlari(m, 2);     // element at ix = 0, iy = 1
    ASSERT_EQ(ust.size(), 4u);
    EXPECT_NEAR(SatirAlani(ust[1], 1), sigma, 0.02 * sigma);  // corner j at the top
    auto alt = GerilmeSatirlari(m, 1);
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
// last element) after a solution.
PlakSonucu MerkezSonucu(const AgModeli& m, int n) {
    auto no = [&](int ix, int iy) { return iy * (n + 1) + ix + 1; };
    PlakSonucu s{Yer(no(n, n), 1), 0};
    auto r = GerilmeSatirlari(m, n * n);
    EXPECT_EQ(r.size(), 4u);
    if (r.size() == 4) {
        s.sigma = SatirAlani(r[2], 1);
        EXPECT_NEAR(SatirAlani(r[2], 2), s.sigma, 1e-6 * std::fabs(s.sigma));  // symmetry
    }
    return s;
}

PlakSonucu CeyrekPlak(int n, bool Ankastre, double a, double q, double t, double E, double nu) {
    const AgModeli m = CeyrekPlakModeli(n, Ankastre, a, q, t, E, nu);
    EXPECT_TRUE(Coz(m));
    return MerkezSonucu(m, n);
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

// The same quarter plate written into the project and scratch tables and
// solved by the assembly that reads them: element lookup, plate loads from
// the element-load table, support texts. The result equals the one of the
// arrays built directly.
TEST(PlakAg, TablolardanKurulanModel) {
    const int n = 4;
    const double a = 2, q = 10, t = 0.2, E = 3e7, nu = 0.3;
    const PlakSonucu dogrudan = CeyrekPlak(n, false, a, q, t, E, nu);
    ASSERT_EQ(Hata, 0);
    const AgModeli m = CeyrekPlakModeli(n, false, a, q, t, E, nu);

    GeciciKlasor klasor;
    auto& ui = TemizBasliksizArayuz();
    ui.YerDegistirmeliHesapAyarla(true);
    CalismaTablolariniAc(klasor.Yol().string());
    BosSablonuYaz(klasor.Dosya("Plak.mdb"));
    ProjeTablolariniAc(klasor.Dosya("Plak.mdb"));
    auto& T = Tablolar;
    // the empty project has its one main-data row already
    T.AnaVeriler.First();
    T.AnaVeriler.Edit();
    T.AnaVeriler.FieldByName("Sistem").SetString("60:Plak");
    T.AnaVeriler.FieldByName("KoordinatSistemiNo").SetInteger(1);
    T.AnaVeriler.Post();
    T.MalzemeBilgileri.Append();
    T.MalzemeBilgileri.FieldByName("MalzemeNo").SetInteger(1);
    T.MalzemeBilgileri.FieldByName("E").SetFloat(E);
    T.MalzemeBilgileri.FieldByName("Nu").SetFloat(nu);
    T.MalzemeBilgileri.Post();
    T.KesitBilgileri.Append();
    T.KesitBilgileri.FieldByName("KesitNo").SetInteger(1);
    T.KesitBilgileri.FieldByName("A").SetFloat(t);
    T.KesitBilgileri.Post();
    for (std::size_t p = 0; p < m.Noktalar.size(); ++p) {
        T.XYZ.Append();
        T.XYZ.FieldByName("NoktaNo").SetInteger(static_cast<int>(p) + 1);
        T.XYZ.FieldByName("X1").SetFloat(m.Noktalar[p][0]);
        T.XYZ.FieldByName("X2").SetFloat(m.Noktalar[p][1]);
        T.XYZ.FieldByName("X3").SetFloat(0);
        T.XYZ.Post();
    }
    const char* dugumAlani[4] = {"iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi"};
    for (std::size_t e = 0; e < m.Elemanlar.size(); ++e) {
        T.ED.Append();
        T.ED.FieldByName("ElemanNo").SetInteger(static_cast<int>(e) + 1);
        T.ED.FieldByName("ElemanTipi").SetInteger(60);
        for (int p = 0; p < 4; ++p) T.ED.FieldByName(dugumAlani[p]).SetInteger(m.Elemanlar[e].D[p]);
        T.ED.FieldByName("MalzemeNo").SetInteger(1);
        T.ED.FieldByName("KesitNo").SetInteger(1);
        T.ED.FieldByName("MafsalTipi").SetString("00");
        T.ED.Post();
        T.EYUK.Append();
        T.EYUK.FieldByName("ElemanNo").SetInteger(static_cast<int>(e) + 1);
        T.EYUK.FieldByName("YukNo").SetInteger(1);
        T.EYUK.FieldByName("YukTipi").SetInteger(25);
        T.EYUK.FieldByName("Yuk").SetFloat(q);
        T.EYUK.FieldByName("aMesafesi").SetFloat(0);
        T.EYUK.FieldByName("bMesafesi").SetFloat(0);
        T.EYUK.FieldByName("Yuk1").SetFloat(0);
        T.EYUK.Post();
    }
    // one row per supported node with its fixed degrees of freedom
    const char* sinirAlani[4] = {"", "Uz", "Fix", "Fiy"};
    SinirKosuluSayisi = 0;
    for (int p = 1; p <= static_cast<int>(m.Noktalar.size()); ++p) {
        bool var = false;
        for (auto [nn, dd] : m.Mesnetler) var = var || nn == p;
        if (!var) continue;
        T.SK.Append();
        T.SK.FieldByName("NoktaNo").SetInteger(p);
        for (const char* f : {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"}) T.SK.FieldByName(f).SetString("Serbest");
        for (auto [nn, dd] : m.Mesnetler)
            if (nn == p) T.SK.FieldByName(sinirAlani[dd]).SetString("0");
        T.SK.Post();
    }
    ASSERT_EQ(SinirKosuluSayisi, static_cast<int>(m.Mesnetler.size()));

    ASSERT_TRUE(SistemTipiniOku());
    NoktaSayisi = T.XYZ.RecordCount();
    MafsalSayisi = 0;
    ASSERT_EQ(SistemTipi, 60) << SistemAdi;
    ModelDenetle();
    ASSERT_EQ(Hata, 0) << (ui.Mesajlar.empty() ? std::string() : ui.Mesajlar.back().Metin);
    ElemanBilinmeyenTablosunuKur();
    ToplamSerbestlikSayisi = NoktaSayisi * NoktaSerbestlikSayisi;
    DizileriBoyutlandir();
    ASSERT_EQ(Hata, 0);
    DengeDenklemleriniKur();
    ASSERT_EQ(Hata, 0);
    KuvvetMetoduCoz();
    ASSERT_EQ(Hata, 0);
    ASSERT_TRUE(ui.Mesajlar.empty());

    auto no = [&](int ix, int iy) { return iy * (n + 1) + ix + 1; };
    EXPECT_NEAR(Yer(no(n, n), 1), dogrudan.w, 1e-9 * std::fabs(dogrudan.w));
    Arayuz().MemoTemizle();
    ElemanMatrisleriniKur(n * n, 4);
    ASSERT_EQ(Hata, 0);
    const auto& r = Arayuz().MemoSatirlari();
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[2].substr(0, 12), "    16    25");
    EXPECT_NEAR(SatirAlani(r[2], 1), dogrudan.sigma, 0.011);
    TumTablolariKapat();
}
