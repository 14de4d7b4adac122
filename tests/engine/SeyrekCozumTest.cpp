// The sparse solution of large structures against the dense one on generated
// structures of every system type (hinges, springs, support settlements and
// the element loads of each type; the shared check after every solution
// holds their equilibrium), its independence
// of the worker count, the choice of the solution by the unknown count and
// the stop button during it, and the refusal of nearly dependent
// equilibrium equations by both solutions. Hand results of the sparse solution: the
// engine and run tests run a second time with it (tests/CMakeLists.txt).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "MotorModeli.h"
#include "engine/SeyrekCozum.h"
#include "model/LibU.h"
#include "model/Tipler.h"

namespace {

constexpr double E = 2e8;

// Forces a solution while it lives.
struct YolSec {
    CozumYoluSecimi eski = CozumYolu;
    explicit YolSec(CozumYoluSecimi y) { CozumYolu = y; }
    ~YolSec() { CozumYolu = eski; }
};

using Kurucu = std::function<void(MotorModeli&)>;

struct Sonuc {
    std::vector<double> X, U;
};

Sonuc Coz(int tip, const Kurucu& kur, CozumYoluSecimi yol, int isci = 4) {
    YolSec y(yol);
    MotorModeli m(tip);
    kur(m);
    IsParcacigiSayisi = static_cast<std::uint16_t>(isci);
    EXPECT_TRUE(m.Coz()) << m.SonMesaj();
    Sonuc s;
    for (int k = 1; k <= BilinmeyenSayisi; ++k) s.X.push_back(Bilinmeyenler[k]);
    for (int e = 1; e <= DenklemSayisi; ++e) s.U.push_back(YerDegistirmeler[e]);
    return s;
}

double EnBuyuk(const std::vector<double>& v) {
    double b = 0;
    for (double x : v) b = std::max(b, std::fabs(x));
    return b;
}

// A plane frame of b bays and k storeys with pinned and settled feet, hinges,
// an axial and a rotational spring, and the element loads 1 to 20 in turn.
void DuzlemCerceve(MotorModeli& m, int b, int k) {
    m.Malzeme(1, E, 0.3, 1e-5);
    m.Kesit(1, 0.01, 1e-4);
    m.Kesit(2, 5e5, 2e4);
    auto no = [&](int x, int z) { return z * (b + 1) + x + 1; };
    for (int z = 0; z <= k; ++z)
        for (int x = 0; x <= b; ++x) m.Nokta(no(x, z), 6.0 * x, 3.0 * z);
    int e = 0, kiris = 0;
    for (int z = 1; z <= k; ++z) {
        for (int x = 0; x <= b; ++x) m.Eleman(++e, 30, no(x, z - 1), no(x, z), 0, 0, 1, 1, x == 1 ? "03" : "00");
        for (int x = 0; x < b; ++x) {
            m.Eleman(++e, 30, no(x, z), no(x + 1, z), 0, 0, 1, 1, x == b - 1 && z == k ? "06" : "00");
            const int t = kiris++ % 20 + 1;
            m.ElemanYuku(e, 1, t, t == 13 ? 30 : t >= 15 ? 0.002 : 12.0 + t, t == 13 ? 0.5 : t <= 7 ? 2 : 1,
                         t >= 8 && t <= 12 ? 2 : 0, t == 13 ? 10 : t == 11 ? 5 : 0);
        }
        m.Yuk(no(0, z), 10, 0);
    }
    const int n0 = no(b, k) + 1;
    m.Nokta(n0, 6.0 * b + 1, 3.0 * k);
    m.Eleman(++e, 31, n0, no(b, k), 0, 0, 1, 2, "0306");
    m.Eleman(++e, 32, n0, no(b, k - 1), 0, 0, 1, 2, "0405");
    m.Mesnet(n0, Ankastre2B);
    for (int x = 0; x <= b; ++x) m.Mesnet(no(x, 0), {"0", x == 2 ? "-0.01" : "0", "S", "S", "S", x % 2 ? "0" : "S"});
}

// Trusses: a bridge of p panels with both diagonals (a plane truss with a
// heated bar and a settled support), or a space tower of p storeys.
void Kafes(MotorModeli& m, int p, bool uzay) {
    m.Malzeme(1, E, 0.3, 1e-5);
    m.Kesit(1, 0.01);
    int e = 0;
    if (!uzay) {
        for (int i = 0; i <= p; ++i) {
            m.Nokta(2 * i + 1, 3.0 * i, 0);
            m.Nokta(2 * i + 2, 3.0 * i, 3);
            m.Eleman(++e, 10, 2 * i + 1, 2 * i + 2);
            if (i == p) break;
            for (auto [a, c] : {std::pair{1, 3}, {2, 4}, {1, 4}, {2, 3}}) m.Eleman(++e, 10, 2 * i + a, 2 * i + c);
            m.Yuk(2 * i + 3, 1, -20);
        }
        m.ElemanYuku(2, 1, 14, 25);
        m.Mesnet(1, {"0", "0"});
        m.Mesnet(2 * p + 1, {"S", "-0.005"});
        return;
    }
    const double xy[4][2] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    for (int z = 0; z <= p; ++z)
        for (int c = 0; c < 4; ++c) m.Nokta(4 * z + c + 1, xy[c][0], xy[c][1], 3.0 * z);
    for (int z = 0; z < p; ++z)
        for (int c = 0; c < 4; ++c) {
            const int a = 4 * z + c + 1, u = 4 * (z + 1) + c + 1, s = 4 * (z + 1) + (c + 1) % 4 + 1;
            m.Eleman(++e, 20, a, u);
            m.Eleman(++e, 20, u, s);
            m.Eleman(++e, 20, a, s);
            m.Eleman(++e, 20, 4 * z + (c + 1) % 4 + 1, u);
        }
    for (int c = 1; c <= 4; ++c) m.Mesnet(c, {"0", "0", "0"});
    m.Yuk(4 * p + 1, 10, 5, -30);
}

// A space frame of b x b bays and b storeys: loads 21 to 24 on the beams,
// released bending moments at one beam's end, one column on an isolator.
void UzayCerceve(MotorModeli& m, int b) {
    m.Malzeme(1, E, 0.3);
    m.Kesit(1, 0.01, 1e-4, 8e-5, 2e-5);
    m.Kesit(2, 4e5, 0, 0, 0, 2e3, 5e3);
    auto no = [&](int x, int y, int z) { return (z * (b + 1) + y) * (b + 1) + x + 1; };
    for (int z = 0; z <= b; ++z)
        for (int y = 0; y <= b; ++y)
            for (int x = 0; x <= b; ++x) m.Nokta(no(x, y, z), 5.0 * x, 5.0 * y, 3.0 * z);
    int e = 0;
    for (int z = 1; z <= b; ++z)
        for (int y = 0; y <= b; ++y)
            for (int x = 0; x <= b; ++x) {
                m.Eleman(++e, 40, no(x, y, z - 1), no(x, y, z), 10001);
                for (int d = 0; d < 2; ++d) {
                    if ((d == 0 ? x : y) == b) continue;
                    ++e;
                    m.Eleman(e, 40, no(x, y, z), d == 0 ? no(x + 1, y, z) : no(x, y + 1, z), 10003, 0, 1, 1,
                             e == 2 ? "1112" : "00");
                    m.ElemanYuku(e, 1, 21 + e % 4, 4, 2);
                }
            }
    const int alt = no(b, b, b) + 1;
    m.Nokta(alt, 0, 0, -0.5);
    m.Eleman(++e, 41, alt, no(0, 0, 0), 10001, 0, 1, 2);
    m.Mesnet(alt, Ankastre3B);
    for (int y = 0; y <= b; ++y)
        for (int x = 0; x <= b; ++x)
            if (x + y > 0) m.Mesnet(no(x, y, 0), Ankastre3B);
    m.Yuk(no(0, 0, b), 10, 5, 0, 1);
}

// A membrane strip of quadrilaterals and triangles, or a plate of a x a
// panels under its uniform load, held along one or all edges.
void Ag(MotorModeli& m, int a, bool plak) {
    m.Malzeme(1, 2e7, 0.25);
    m.Kesit(1, 0.1);
    auto no = [&](int x, int y) { return y * (a + 1) + x + 1; };
    for (int y = 0; y <= (plak ? a : 2); ++y)
        for (int x = 0; x <= a; ++x) m.Nokta(no(x, y), x, y);
    const std::vector<std::string> tutulu =
        plak ? std::vector<std::string>{"S", "S", "0", "0", "0"} : std::vector<std::string>{"0", "0"};
    int e = 0;
    for (int y = 0; y < (plak ? a : 2); ++y)
        for (int x = 0; x < a; ++x) {
            const int i = no(x, y), j = no(x, y + 1), k = no(x + 1, y + 1), L = no(x + 1, y);
            if (plak) {
                m.Eleman(++e, 60, i, j, k, L);
                m.ElemanYuku(e, 1, 25, 5);
            } else if (x % 3 == 2) {
                m.Eleman(++e, 50, i, j, k);
                m.Eleman(++e, 50, i, k, L);
            } else {
                m.Eleman(++e, 51, i, j, k, L);
            }
        }
    for (int y = 0; y <= (plak ? a : 2); ++y)
        for (int x = 0; x <= a; ++x)
            if (plak ? (x == 0 || y == 0 || x == a || y == a) : x == 0)
                m.Mesnet(no(x, y), tutulu);
    if (plak) m.Yuk(no(a / 2, a / 2), 0, 0, -10);
    else m.Yuk(no(a, 2), 0, -10);
}

}  // namespace

// S is summed column by column, or in a dense triangle when there are few
// redundants and many products (the 20-panel bridge: 20 redundants whose Bx
// columns run along the whole bridge); both ways against the dense solution.
TEST(SeyrekCozum, YogunCozumleAyniSonuclar) {
    const struct {
        const char* ad;
        int tip;
        Kurucu kur;
        bool yogunUcgen;
    } yapilar[] = {
        {"düzlem kafes", 10, [](MotorModeli& m) { Kafes(m, 12, false); }, false},
        {"köprü", 10, [](MotorModeli& m) { Kafes(m, 20, false); }, true},
        {"uzay kafes", 20, [](MotorModeli& m) { Kafes(m, 6, true); }, false},
        {"düzlem çerçeve", 30, [](MotorModeli& m) { DuzlemCerceve(m, 5, 6); }, false},
        {"uzay çerçeve", 40, [](MotorModeli& m) { UzayCerceve(m, 2); }, false},
        {"levha", 50, [](MotorModeli& m) { Ag(m, 12, false); }, false},
        {"plak", 60, [](MotorModeli& m) { Ag(m, 6, true); }, false},
    };
    for (const auto& y : yapilar) {
        SCOPED_TRACE(y.ad);
        const Sonuc yogun = Coz(y.tip, y.kur, CozumYoluSecimi::Yogun);
        const Sonuc seyrek = Coz(y.tip, y.kur, CozumYoluSecimi::Seyrek, 1);
        EXPECT_EQ(SonSeyrekCozumOlcusu.YogunS, y.yogunUcgen);
        EXPECT_GT(HiperstatiklikDerecesi, 0);
        ASSERT_EQ(seyrek.X.size(), yogun.X.size());
        const double x = EnBuyuk(yogun.X), u = EnBuyuk(yogun.U);
        for (std::size_t k = 0; k < yogun.X.size(); ++k) EXPECT_NEAR(seyrek.X[k], yogun.X[k], 1e-10 * x) << k;
        for (std::size_t e = 0; e < yogun.U.size(); ++e) EXPECT_NEAR(seyrek.U[e], yogun.U[e], 1e-10 * u) << e;
    }
}

// One 4 m bar between two pinned nodes: one redundant, S = L / (E A). A
// pivot of S below 1e-14 (the scale of N is 1) means dependent
// compatibility equations, in both solutions: A = 1e7 gives 2e-15 and is
// refused with the message, A = 1e5 gives 2e-13 and is solved (10 kN at
// node 2 go into its support, the bar stays unstressed).
TEST(SeyrekCozum, SninKucukPivotuReddedilir) {
    for (const double A : {1e5, 1e7})
        for (const auto yol : {CozumYoluSecimi::Yogun, CozumYoluSecimi::Seyrek}) {
            SCOPED_TRACE(A);
            YolSec y(yol);
            MotorModeli m(10);
            m.Malzeme(1, E);
            m.Kesit(1, A);
            m.Nokta(1, 0, 0);
            m.Nokta(2, 4, 0);
            m.Eleman(1, 10, 1, 2);
            m.Mesnet(1, {"0", "0"});
            m.Mesnet(2, {"0", "0"});
            m.Yuk(2, 10, 0);
            const bool cozuldu = m.Coz();
            EXPECT_EQ(SeyrekCozumde(), yol == CozumYoluSecimi::Seyrek);
            if (A > 1e6) {
                EXPECT_FALSE(cozuldu);
                HataBekle(m.Arayuz(), SureklilikBagimliMesaji);
            } else {
                ASSERT_TRUE(cozuldu) << m.SonMesaj();
                EXPECT_NEAR(m.X(1, 1), 0, 1e-9);
                m.ReaksiyonlarBekle({0, 0, -10, 0});
            }
        }
}

TEST(SeyrekCozum, BinBilinmeyeKadarYogunCozum) {
    // A chain of 332 plane-frame bars, fixed at node 1; the last node on a
    // roller (1000 unknowns) or pinned (1001). 10 kN down at every node.
    YolSec y(CozumYoluSecimi::Boyuta_Gore);
    for (const bool mafsal : {false, true}) {
        MotorModeli m(30);
        m.Malzeme(1, E);
        m.Kesit(1, 0.01, 1e-4);
        for (int i = 1; i <= 333; ++i) {
            m.Nokta(i, i, 0);
            if (i > 1) m.Eleman(i - 1, 30, i - 1, i);
            if (i > 1 && i < 333) m.Yuk(i, 0, -10);
        }
        m.Mesnet(1, Ankastre2B);
        m.Mesnet(333, {mafsal ? "0" : "S", "0"});
        ASSERT_TRUE(m.Coz()) << m.SonMesaj();
        EXPECT_EQ(BilinmeyenSayisi, mafsal ? 1001 : 1000);
        EXPECT_EQ(SeyrekCozumde(), mafsal);
        EXPECT_EQ(NMatrisi.Rows(), mafsal ? 0u : 1001u);
        EXPECT_NEAR(m.Reaksiyon(2) + m.Reaksiyon(mafsal ? 5 : 4), 3310, 1e-8);
    }
}

TEST(SeyrekCozum, DurdurmaBxSirasinda) {
    // 1200 redundants: Bx pumps the window messages before every 1024 of them.
    YolSec y(CozumYoluSecimi::Seyrek);
    MotorModeli m(30);
    DuzlemCerceve(m, 20, 20);
    int pompa = 0, bx = 0, durdurulan = 0;
    m.Arayuz().IsleKancasi = [&] {
        ++pompa;
        // The step's own pump, the first and the 1025th redundant.
        if (m.Arayuz().MemoSatirlari().back() == "Bx hesaplanıyor" && ++bx == 3) {
            Hata = 1;
            durdurulan = pompa;
        }
    };
    EXPECT_FALSE(m.Coz());
    EXPECT_GT(HiperstatiklikDerecesi, 1024);
    EXPECT_EQ(pompa, durdurulan);  // nothing pumped after the stop
    EXPECT_EQ(m.Arayuz().MemoSatirlari().back(), "Bx hesaplanıyor");
    EXPECT_TRUE(m.Arayuz().Mesajlar.empty());
}

TEST(SeyrekCozum, BuyukYapidaIsParcacigiSayisindanBagimsiz) {
    // Above 4096 redundants the columns of Bx, f Bx and S are shared out;
    // below, every phase runs on the calling thread.
    const Kurucu kur = [](MotorModeli& m) { UzayCerceve(m, 7); };
    const Sonuc tek = Coz(40, kur, CozumYoluSecimi::Seyrek, 1);
    EXPECT_GT(HiperstatiklikDerecesi, 4096);
    for (int isci : {2, 4, 8}) {
        const Sonuc s = Coz(40, kur, CozumYoluSecimi::Seyrek, isci);
        EXPECT_EQ(s.X, tek.X) << isci;
        EXPECT_EQ(s.U, tek.U) << isci;
    }
}

// The bridge of p panels with one more node below its first bottom panel,
// held by two bars from nodes 1 and 3 that meet at the depth `sapma` under
// the chord: 10 kN down at it. The vertical equilibrium of the node has
// the entries sin a = sapma / 1.5 only, and each bar carries 10 / (2 sin a).
void SarkikDugumluKopru(MotorModeli& m, int p, double sapma) {
    Kafes(m, p, false);
    const int d = 2 * p + 3, e = 5 * p + 1;
    m.Nokta(d, 1.5, -sapma);
    m.Eleman(e + 1, 10, 1, d);
    m.Eleman(e + 2, 10, d, 3);
    m.Yuk(d, 0, -10);
}

// Two almost collinear bars (sin a = 1e-8: pivots of about 2e-8, below the
// tolerance 1e-6 of an element-matrix scale of 1) make the equilibrium
// equations dependent: the dense elimination of 26 unknowns and the sparse
// factorization of 1006 refuse them with the same message and no result.
// With the node 1.5 m below the chord both solve it: each bar carries
// 10 / (2 sin 45°) kN in tension.
TEST(SeyrekCozum, NeredeyseDogrusalIkiCubukIkiYoldaReddedilir) {
    YolSec y(CozumYoluSecimi::Boyuta_Gore);
    for (const int p : {4, 200})
        for (const double sapma : {1.5e-8, 1.5}) {
            SCOPED_TRACE(::testing::Message() << p << " panels, " << sapma << " m");
            MotorModeli m(10);
            SarkikDugumluKopru(m, p, sapma);
            const bool cozuldu = m.Coz();
            EXPECT_EQ(BilinmeyenSayisi, 5 * p + 6);
            EXPECT_EQ(SeyrekCozumde(), p == 200);
            if (sapma < 1) {
                EXPECT_FALSE(cozuldu);
                HataBekle(m.Arayuz(), DengeBagimliMesaji);
                EXPECT_EQ(m.Arayuz().MemoSatirlari().back(), "GAUSS - izostatik esas sistem seçiliyor");
            } else {
                ASSERT_TRUE(cozuldu) << m.SonMesaj();
                const int e = 5 * p + 1;
                EXPECT_NEAR(m.X(e + 1, 1), 10 / std::sqrt(2.0), 1e-9);
                EXPECT_NEAR(m.X(e + 2, 1), 10 / std::sqrt(2.0), 1e-9);
            }
        }
}

namespace {

// A user who presses "Hesabı durdur" at every pump of the window messages
// during the sparse solution of the 200-panel bridge with its node below
// (1006 unknowns): the memo's last line at each pump (its elapsed seconds
// left out) and the answer "Evet" at the first pump that sees the line
// `Evre` (none when it is null), "Hayır" at every other.
struct DurdurmaDenemesi {
    std::vector<std::string> Satirlar;
    bool Cozuldu = false;
    std::vector<KayitliMesaj> Mesajlar;
    double X1 = 0, X2 = 0;
    bool BilinmeyenYok = true;  // every unknown still 0
};

DurdurmaDenemesi DurdurarakCoz(const char* Evre) {
    MotorModeli m(10);
    SarkikDugumluKopru(m, 200, 1.5);
    DurdurmaDenemesi d;
    bool soruda = false, durduruldu = false;  // the question box pumps once itself
    m.Arayuz().IsleKancasi = [&] {
        if (soruda) return;
        const auto& memo = m.Arayuz().MemoSatirlari();
        std::string s = memo.empty() ? "" : memo.back();
        if (const auto k = s.find(": "); k != std::string::npos && s.ends_with(" saniye")) s.resize(k + 1);
        d.Satirlar.push_back(s);
        const bool evet = Evre && s == Evre && !durduruldu;
        m.Arayuz().Cevaplar.push_back(evet ? "E" : "H");
        soruda = true;
        if (MesajKutusu("Hesabı durdurmak istiyor musunz?", "SORU:", "EvetHayır2") == "E") Hata = 1;
        soruda = false;
        durduruldu = durduruldu || evet;
    };
    d.Cozuldu = m.Coz();
    d.Mesajlar = m.Arayuz().Mesajlar;
    for (int k = 1; k <= BilinmeyenSayisi; ++k) d.BilinmeyenYok = d.BilinmeyenYok && Bilinmeyenler[k] == 0;
    if (d.Cozuldu) {
        d.X1 = m.X(5 * 200 + 2, 1);
        d.X2 = m.X(5 * 200 + 3, 1);
    }
    return d;
}

}  // namespace

// The stop button is served during and after every long call of the sparse
// libraries (the LU factorization of N, the analysis and factorization of S,
// the solution with it) and after every phase, up to the displacements.
// Answered "Hayır" every time, the solution goes on to the right forces (10
// / (2 sin 45°) kN in the two bars of the node below); "Evet" in any phase
// ends it there: no result, and nothing pumped afterwards.
TEST(SeyrekCozum, DurdurmaHerEvredeVeKutuphaneCagrilarindaGorulur) {
    YolSec y(CozumYoluSecimi::Boyuta_Gore);
    const DurdurmaDenemesi hayir = DurdurarakCoz(nullptr);
    ASSERT_TRUE(hayir.Cozuldu);
    EXPECT_NEAR(hayir.X1, 10 / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(hayir.X2, 10 / std::sqrt(2.0), 1e-9);
    ASSERT_EQ(hayir.Mesajlar.size(), hayir.Satirlar.size());
    for (const auto& m : hayir.Mesajlar) EXPECT_EQ(m.Cevap, "H");
    // The phases in which it was asked, in order; a library call that takes
    // longer is asked about more than once in its phase. The first pump is
    // the assembly's, after its empty memo line.
    std::vector<std::string> evreler;
    for (const auto& s : hayir.Satirlar)
        if (evreler.empty() || evreler.back() != s) evreler.push_back(s);
    const std::vector<std::string> beklenen = {"",
                                               "GAUSS - izostatik esas sistem seçiliyor",
                                               "GAUSS - izostatik esas sistem seçildi:",
                                               "B0 hesaplandı:",
                                               "Bx hesaplanıyor",
                                               "Bxt*f hesaplanıyor",
                                               "GAUSS - süreklilik denklemleri indirgeniyor",
                                               "Bilinmeyenler hesaplanıyor",
                                               "Yer değiştirmeler hesaplanıyor"};
    EXPECT_EQ(evreler, beklenen);
    // Analysis and factorization of S: at least one pump each after the
    // phase's own.
    EXPECT_GE(std::count(hayir.Satirlar.begin(), hayir.Satirlar.end(), beklenen[6]), 3);

    for (std::size_t e = 1; e < beklenen.size(); ++e) {
        SCOPED_TRACE(beklenen[e]);
        const DurdurmaDenemesi d = DurdurarakCoz(beklenen[e].c_str());
        EXPECT_FALSE(d.Cozuldu);
        ASSERT_FALSE(d.Satirlar.empty());
        EXPECT_EQ(d.Satirlar.back(), beklenen[e]);  // the last pump is the one answered "Evet"
        ASSERT_EQ(d.Mesajlar.size(), d.Satirlar.size());
        EXPECT_EQ(d.Mesajlar.back().Cevap, "E");
        EXPECT_EQ(d.Mesajlar.back().Metin, "Hesabı durdurmak istiyor musunz?");
        // Stopped before the displacements: the unknowns were never written.
        if (e + 1 < beklenen.size()) {
            EXPECT_TRUE(d.BilinmeyenYok);
        }
    }
}
