// Fixed-end forces of plane-frame loads. Each load type is checked against
// its textbook fixed-end forces; every hinge text under a point load and a
// couple against the classic hand formulas of the held-end method: the
// simple-span end rotations turned into end moments by the end-stiffness
// factors (4, 4, 2 for a bar held at both ends, 3 at the held end of a
// propped bar), the guided-end and cantilever results for the shear
// releases, and statics where the releases leave the bar determinate. The expected values are worked out
// here, independently of the condensation the program uses.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "MotorModeli.h"
#include "TestYardim.h"
#include "engine/AnkastrelikKuvvetleri.h"
#include "model/Tipler.h"

namespace {

using Kuvvetler = std::array<double, 7>;  // [1..6] = N_i, V_i, M_i, N_j, V_j, M_j

std::set<int> Kodlar(const std::string& mafsal) {
    std::set<int> s;
    for (std::size_t p = 0; p + 1 < mafsal.size(); p += 2) s.insert(std::stoi(mafsal.substr(p, 2)));
    return s;
}

// How the held ends carry a transverse load, from the bending releases
// (2 V_i, 3 M_i, 5 V_j, 6 M_j).
enum class Tutulus {
    Iki,            // shear held at both ends, moments held unless released
    GuduluI,        // shear released at i, both moments held
    GuduluJ,        // shear released at j
    KonsolJ,        // shear and moment released at i: a cantilever from j
    KonsolI,        // shear and moment released at j: a cantilever from i
    MomentIKesmeJ,  // shear at i and moment at j released: determinate
    KesmeIMomentJ   // moment at i and shear at j released: determinate
};

Tutulus TutulusBul(const std::set<int>& s) {
    const bool v2 = s.count(2), m3 = s.count(3), v5 = s.count(5), m6 = s.count(6);
    if (v2 && m3) return Tutulus::KonsolJ;
    if (v5 && m6) return Tutulus::KonsolI;
    if (v2 && m6) return Tutulus::MomentIKesmeJ;
    if (m3 && v5) return Tutulus::KesmeIMomentJ;
    if (v2) return Tutulus::GuduluI;
    if (v5) return Tutulus::GuduluJ;
    return Tutulus::Iki;
}

// V_i, M_i, V_j, M_j.
struct Parca {
    double Vi = 0, Mi = 0, Vj = 0, Mj = 0;
};

class ElHesabi {
public:
    ElHesabi(double L, const std::string& mafsal) : L_(L), t_(TutulusBul(Kodlar(mafsal))) {
        const auto s = Kodlar(mafsal);
        const bool m3 = s.count(3), m6 = s.count(6);
        if (!m3 && !m6) kii_ = 4, kjj_ = 4, kij_ = 2;
        else if (m3 && m6) kii_ = kjj_ = kij_ = 0;
        else if (m3) kjj_ = 3;
        else kii_ = 3;
    }

    // Point load P at a (acting against local y).
    Parca Tekil(double P, double a) const {
        const double L = L_, b = L - a;
        Parca p;
        switch (t_) {
        case Tutulus::Iki:
            Uclar(p, P * a * b * (L + b) / (6 * L), P * a * b * (L + a) / (6 * L), P, P * b);
            break;
        case Tutulus::GuduluI:
            p.Mi = -P * b * b / (2 * L);
            p.Vj = P;
            p.Mj = -p.Mi - P * b;
            break;
        case Tutulus::GuduluJ:
            p.Mj = P * a * a / (2 * L);
            p.Vi = P;
            p.Mi = P * a - p.Mj;
            break;
        default:
            Belirli(p, P, P * a, P * b);
            break;
        }
        return p;
    }

    // Counterclockwise couple M at a.
    Parca Moment(double M, double a) const {
        const double L = L_, b = L - a;
        Parca p;
        switch (t_) {
        case Tutulus::Iki: {
            const double ti = M * L / 6 * (1 - 3 * b * b / (L * L)), tj = -M * L / 6 * (1 - 3 * a * a / (L * L));
            p.Mi = (kii_ * ti - kij_ * tj) / L;
            p.Mj = (kij_ * ti - kjj_ * tj) / L;
            p.Vi = (p.Mi + p.Mj + M) / L;
            p.Vj = -p.Vi;
            break;
        }
        case Tutulus::GuduluI:
        case Tutulus::GuduluJ:
            p.Mi = -M * b / L;
            p.Mj = -p.Mi - M;
            break;
        case Tutulus::KonsolJ:
            p.Mj = -M;
            break;
        case Tutulus::KonsolI:
            p.Mi = -M;
            break;
        case Tutulus::MomentIKesmeJ:  // no shear anywhere, the moment at i holds it
            p.Mi = -M;
            break;
        case Tutulus::KesmeIMomentJ:
            p.Mj = -M;
            break;
        }
        return p;
    }

private:
    // End moments from the simple-span end rotations (times EI); shears from
    // the moments about j (Mj0 = the load's moment about j, counterclockwise).
    void Uclar(Parca& p, double ti, double tj, double R, double Mj0) const {
        p.Mi = (kii_ * ti - kij_ * tj) / L_;
        p.Mj = (kij_ * ti - kjj_ * tj) / L_;
        p.Vi = (Mj0 + p.Mi + p.Mj) / L_;
        p.Vj = R - p.Vi;
    }

    // Cantilevers and the two determinate cases, by statics: R the downward
    // resultant, lying Mi0/R from i and Mj0/R from j.
    void Belirli(Parca& p, double R, double Mi0, double Mj0) const {
        switch (t_) {
        case Tutulus::KonsolJ:  // held at j
            p.Vj = R;
            p.Mj = -Mj0;
            break;
        case Tutulus::KonsolI:  // held at i
            p.Vi = R;
            p.Mi = Mi0;
            break;
        case Tutulus::MomentIKesmeJ:  // V_i = 0, M_j = 0: V_j carries R, M_i balances
            p.Vj = R;
            p.Mi = -Mj0;
            break;
        case Tutulus::KesmeIMomentJ:  // M_i = 0, V_j = 0: V_i carries R, M_j balances
            p.Vi = R;
            p.Mj = R * L_ - Mj0;
            break;
        default:
            break;
        }
    }

    double L_;
    Tutulus t_;
    double kii_ = 0, kjj_ = 0, kij_ = 0;
};

// A load row of the test.
struct YukSatiri {
    int tip;
    double yuk, a, b, yuk1;
};

// Every hinge text the element editor lets through (01 and 04, 02 and 05
// never together, 03 and 06 not both with 02 or 05), plus one releasing the
// normal force at both ends.
const std::vector<std::string>& Mafsallar() {
    static const std::vector<std::string> m = {
        "00", "01", "02", "03", "04", "05", "06", "0102", "0103", "0105", "0106", "0203", "0204", "0206",
        "0304", "0305", "0306", "0405", "0406", "0506", "010203", "010206", "010305", "010306", "010506",
        "020304", "020406", "030405", "030406", "040506", "01030406"};
    return m;
}

class DuzlemCerceveAnkastrelik : public ::testing::Test {
protected:
    BasliksizArayuz* ui = nullptr;
    const double E = 2e8, A = 0.01, Iz = 1e-4, alfa = 1e-5;

    void SetUp() override {
        ui = &TemizBasliksizArayuz();
        AnkastrelikSorulariniSifirla();
        TuretElemanNo = 3;
        OkunanElemanTipi = 30;
        OkunanE = E;
        OkunanA = A;
        OkunanIz = Iz;
        OkunanAlfa = alfa;
        ElemanBoyu = 6;
    }

    Kuvvetler Yukle(int tip, double yuk, double a = 0, double b = 0, double yuk1 = 0,
                    const std::string& mafsal = "00") {
        OkunanMafsalTipi = mafsal;
        OkunanYukTipi = tip;
        OkunanYuk = yuk;
        OkunanaMesafesi = a;
        OkunanbMesafesi = b;
        OkunanYuk1 = yuk1;
        for (auto& y : YerelAnkastrelikKuvvetleri) y = 123.0;  // must be overwritten
        DuzlemCerceveAnkastrelikKuvvetleri();
        Kuvvetler k{};
        for (int i = 1; i <= 6; ++i) k[i] = YerelAnkastrelikKuvvetleri[i];
        return k;
    }
    Kuvvetler Yukle(const std::string& mafsal, const YukSatiri& y) {
        return Yukle(y.tip, y.yuk, y.a, y.b, y.yuk1, mafsal);
    }

    // Within a tolerance relative to the largest expected entry.
    static void Beklenen(const Kuvvetler& k, const std::array<double, 6>& b, const std::string& yer = "") {
        double olcek = 1;
        for (double x : b) olcek = std::max(olcek, std::fabs(x));
        for (int i = 1; i <= 6; ++i) EXPECT_NEAR(k[i], b[i - 1], 1e-9 * olcek) << yer << " entry " << i;
    }

    std::string SonMesaj() const { return ui->Mesajlar.empty() ? "" : ui->Mesajlar.back().Metin; }
};

}  // namespace

// Hinge texts are read without their blanks, and an empty one holds all.
TEST_F(DuzlemCerceveAnkastrelik, MafsalMetnininBosluklari) {
    const double L = 6, q = 10;
    for (const char* m : {" 0 1", ""})
        Beklenen(Yukle(1, q, 0, 0, 0, m), {0, q * L / 2, q * L * L / 12, 0, q * L / 2, -q * L * L / 12}, m);
    Beklenen(Yukle(1, q, 0, 0, 0, "0 6"), {0, 5 * q * L / 8, q * L * L / 8, 0, 3 * q * L / 8, 0});
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(ui->Mesajlar.empty());
}

// Each load type on a bar held at both ends, against the textbook fixed-end
// forces (q = 10 or the values from i to j, L = 6); the partial loads on
// the right half or a trapezoid's ramps show where their pieces start. The
// releases condense every load alike: they are checked under every hinge
// text with the point load and the couple below, the axial ones with the
// axial loads.
TEST_F(DuzlemCerceveAnkastrelik, YukTipleriIkiUcuTutulu) {
    const double L = 6, q = 10, P = 12, a = 2, b = 4, M = 10, c = 1.5, d = 4.5, w1 = 4, w2 = 10;
    const double al = c / L, m4 = q * L * L / 12 * (1 - 2 * al * al + al * al * al);
    const double EI = E * Iz, EA = E * A, L2 = L * L, L3 = L2 * L, u = 0.012, fi = 0.004;
    const double T1 = 35, T2 = 5, h = 0.6, Mt = EI * alfa * (T1 - T2) / h;
    const struct {
        YukSatiri y;
        std::array<double, 6> k;
    } durumlar[] = {
        {{1, q, 0, 0, 0}, {0, q * L / 2, q * L * L / 12, 0, q * L / 2, -q * L * L / 12}},
        {{2, P, a, 0, 0}, {0, P * b * b * (L + 2 * a) / (L * L * L), P * a * b * b / (L * L), 0,
                           P * a * a * (L + 2 * b) / (L * L * L), -P * a * a * b / (L * L)}},
        {{3, q, 0, 0, 0}, {0, q * L / 4, 5 * q * L * L / 96, 0, q * L / 4, -5 * q * L * L / 96}},
        {{4, q, c, 0, 0}, {0, q * (L - c) / 2, m4, 0, q * (L - c) / 2, -m4}},
        {{7, M, c, 0, 0}, {0, 6 * M * c * d / (L * L * L), M * d * (2 * c - d) / (L * L), 0,
                           -6 * M * c * d / (L * L * L), M * c * (2 * d - c) / (L * L)}},
        {{8, q, 0, L, 0}, {0, 3 * q * L / 20, q * L * L / 30, 0, 7 * q * L / 20, -q * L * L / 20}},
        {{9, q, 0, L, 0}, {0, 7 * q * L / 20, q * L * L / 20, 0, 3 * q * L / 20, -q * L * L / 30}},
        {{10, q, L / 2, L / 2, 0}, {0, 3 * q * L / 32, 5 * q * L * L / 192, 0, 13 * q * L / 32, -11 * q * L * L / 192}},
        {{11, w1, 0, L, w2}, {0, (7 * w1 + 3 * w2) * L / 20, (w1 / 20 + w2 / 30) * L * L, 0,
                              (3 * w1 + 7 * w2) * L / 20, -(w1 / 30 + w2 / 20) * L * L}},
        {{12, q, 0, L, 0}, {0, q * L / 4, 5 * q * L * L / 96, 0, q * L / 4, -5 * q * L * L / 96}},
        // faces at T1 and T2, h apart: N = EA alfa (T1 + T2) / 2, M = EI alfa (T1 - T2) / h
        {{13, T1, h, 0, T2}, {EA * alfa * (T1 + T2) / 2, 0, Mt, -EA * alfa * (T1 + T2) / 2, 0, -Mt}},
        {{14, T1, 0, 0, 0}, {EA * alfa * T1, 0, 0, -EA * alfa * T1, 0, 0}},
        // end i or j moved by u along the bar or across it, or turned by fi
        {{15, u, 0, 0, 0}, {EA * u / L, 0, 0, -EA * u / L, 0, 0}},
        {{16, u, 0, 0, 0}, {-EA * u / L, 0, 0, EA * u / L, 0, 0}},
        {{17, u, 0, 0, 0}, {0, 12 * EI * u / L3, 6 * EI * u / L2, 0, -12 * EI * u / L3, 6 * EI * u / L2}},
        {{18, u, 0, 0, 0}, {0, -12 * EI * u / L3, -6 * EI * u / L2, 0, 12 * EI * u / L3, -6 * EI * u / L2}},
        {{19, fi, 0, 0, 0}, {0, 6 * EI * fi / L2, 4 * EI * fi / L, 0, -6 * EI * fi / L2, 2 * EI * fi / L}},
        {{20, fi, 0, 0, 0}, {0, 6 * EI * fi / L2, 2 * EI * fi / L, 0, -6 * EI * fi / L2, 4 * EI * fi / L}},
    };
    for (const auto& r : durumlar) Beklenen(Yukle("00", r.y), r.k, "type " + std::to_string(r.y.tip));
    // Half triangles: rising then falling make the isosceles triangle;
    // falling then rising the uniform load less it.
    const auto Toplam = [&](int t1, int t2) {
        const Kuvvetler x = Yukle(t1, q, 0, L / 2), v = Yukle(t2, q, L / 2, L / 2);
        Kuvvetler k{};
        for (int i = 1; i <= 6; ++i) k[i] = x[i] + v[i];
        return k;
    };
    Beklenen(Toplam(8, 9), {0, q * L / 4, 5 * q * L * L / 96, 0, q * L / 4, -5 * q * L * L / 96}, "8+9");
    Beklenen(Toplam(9, 8), {0, q * L / 4, q * L * L / 32, 0, q * L / 4, -q * L * L / 32}, "9+8");
    // The partial isosceles load on the right half mirrors the one on the left.
    const Kuvvetler sol = Yukle(12, q, 0, L / 2), sag = Yukle(12, q, L / 2, L / 2);
    Beklenen(sag, {0, sol[5], -sol[6], 0, sol[2], -sol[3]}, "12 mirrored");
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(ui->Mesajlar.empty());
}

// An off-centre point load and a couple under every hinge text. For the
// texts that the held-end groups name (0, 1, 3, 4, 6, 103, 306, 406,
// 10306, 30406, 1030406 held at both ends; 2, 102, 204 and 5, 105, 405 with
// a guided end; 203, 10203 and 506, 40506 as cantilevers) the expected values
// are those formulas; 206 and 305, where the released moment is the one a
// cantilever would need, and the texts outside the groups (0106, 0304,
// 010206, 010305, 010506, 020304, 020406, 030405) follow their releases.
TEST_F(DuzlemCerceveAnkastrelik, TekilYukVeMomentHerMafsalMetninde) {
    const double L = 5.3;
    ElemanBoyu = L;
    const YukSatiri yukler[] = {{2, 12, 2, 0, 0}, {2, -7, 4.5, 0, 0}, {7, 10, 2, 0, 0}, {7, -4, 3.9, 0, 0}};
    for (const auto& m : Mafsallar()) {
        const ElHesabi h(L, m);
        for (const auto& y : yukler) {
            const Kuvvetler k = Yukle(m, y);
            const std::string yer = "hinge " + m + " type " + std::to_string(y.tip);
            ASSERT_EQ(Hata, 0) << yer;
            ASSERT_TRUE(ui->Mesajlar.empty()) << yer;
            const Parca p = y.tip == 2 ? h.Tekil(y.yuk, y.a) : h.Moment(y.yuk, y.a);
            Beklenen(k, {0, p.Vi, p.Mi, 0, p.Vj, p.Mj}, yer);
        }
    }
}

// Axial loads by where the normal force is held: at both ends, all at j when
// it is released at i (01), all at i when released at j (04). With both
// released nothing holds the bar along its axis, while a transverse load on
// the same element is still carried.
TEST_F(DuzlemCerceveAnkastrelik, EksenelYuklerHerMafsalMetninde) {
    const double L = 5.5, q = 4, P = 9, a = 2;
    ElemanBoyu = L;
    for (const auto& m : Mafsallar()) {
        const auto s = Kodlar(m);
        const bool i = s.count(1), j = s.count(4);
        const std::string yer = "hinge " + m;
        Hata = 0;
        ui->Mesajlar.clear();
        Kuvvetler k = Yukle(5, q, 0, 0, 0, m);
        if (i && j) {
            EXPECT_EQ(Hata, 1) << yer;
            continue;
        }
        ASSERT_EQ(Hata, 0) << yer;
        if (i) Beklenen(k, {0, 0, 0, -q * L, 0, 0}, yer);
        else if (j) Beklenen(k, {-q * L, 0, 0, 0, 0, 0}, yer);
        else Beklenen(k, {-q * L / 2, 0, 0, -q * L / 2, 0, 0}, yer);
        k = Yukle(6, P, a, 0, 0, m);
        ASSERT_EQ(Hata, 0) << yer;
        if (i) Beklenen(k, {0, 0, 0, -P, 0, 0}, yer);
        else if (j) Beklenen(k, {-P, 0, 0, 0, 0, 0}, yer);
        else Beklenen(k, {-P * (L - a) / L, 0, 0, -P * a / L, 0, 0}, yer);
    }
    Hata = 0;
    ui->Mesajlar.clear();
    Beklenen(Yukle(6, P, a, 0, 0, "0104"), {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Hata, 1);
    HataBekle(*ui, "3.elemanda tanımladığınız mafsalTipi Orvelta öngörülmemiştir.");
    Hata = 0;
    Beklenen(Yukle(1, q, 0, 0, 0, "01030406"), {0, q * L / 2, 0, 0, q * L / 2, 0});
    EXPECT_EQ(Hata, 0);
}

TEST_F(DuzlemCerceveAnkastrelik, FarkliSicaklikDenetimleri) {
    // Each failing check replaces the one before; the last one is shown and
    // its code is left in Hata.
    OkunanAlfa = 0;
    Beklenen(Yukle(13, 0, 0.5, 0, 0), {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Hata, 2);
    HataBekle(*ui, "3.elemanda: Sıcaklık yükü verilmemiş");
    EXPECT_EQ(HataMesaji, "Sıcaklık yükü verilmemiş");

    const struct {
        double alfa, h;
        int tip, hata;
        const char* mesaj;
    } durumlar[] = {
        {0, 0.5, 30, 1, "3.elemanda: Sıcaklık genleşme katsayısı verilmemiş"},
        {alfa, 0, 30, 3, "3.elemanda: Kesit yüzünden-yüzüne mesafe a verilmemiş. Farklı sıcaklık yükü için gereklidir"},
        {alfa, 0.5, 31, 4, "3.elemanda: Bu eleman tipinde sıcaklık yükü olamaz"},
    };
    for (const auto& d : durumlar) {
        Hata = 0;
        OkunanAlfa = d.alfa;
        OkunanElemanTipi = d.tip;
        Yukle(13, 10, d.h, 0, 5);
        EXPECT_EQ(Hata, d.hata) << d.mesaj;
        EXPECT_EQ(SonMesaj(), d.mesaj);
    }
}

// The question, its answers and its repetition in every run: the run
// tests. Each element is asked on its own, once.
TEST_F(DuzlemCerceveAnkastrelik, EsitSicaklikSorusuBirKezSorulur) {
    ui->Cevaplar = {"H", "E"};
    const double N = E * A * alfa * 15;
    for (const int e : {3, 3, 4, 4}) {
        TuretElemanNo = e;
        const double n = e == 4 ? N : 0;
        Beklenen(Yukle(13, 15, 0, 0, 15), {n, 0, 0, -n, 0, 0}, std::to_string(e));
    }
    ASSERT_EQ(ui->Mesajlar.size(), 2u);
    EXPECT_EQ(ui->Mesajlar[1].Metin,
              "4.elemanda yük tipi farklı sıcaklık seçilmiş, fakat yüzlerdeki sıcaklık aynı.\n Devam edeyim mi?");
    EXPECT_EQ(Hata, 0);
}

TEST_F(DuzlemCerceveAnkastrelik, ReddedilenYukTanimlari) {
    struct Durum {
        int tip;
        double yuk, a, b, yuk1;
        std::string mesaj;
    };
    const std::vector<Durum> durumlar = {
        {2, 12, 0, 0, 0, "3.elemanın tekil yük tanımında a=0 elemanın boyu L=6 bağdaşmıyorlar"},
        {2, 12, 6, 0, 0, "3.elemanın tekil yük tanımında a=6 elemanın boyu L=6 bağdaşmıyorlar"},
        {2, 12, -1, 0, 0, "3.elemanın tekil yük tanımında a=-1 elemanın boyu L=6 bağdaşmıyorlar"},
        {4, 5, 3, 1, 0, "3.elemanın trapez yük tanımında a=3 ve b=1 elemanın boyu L=6 bağdaşmıyorlar"},
        {4, 5, 0, 0, 0, "3.elemanın trapez yük tanımında a=0 ve b=0 elemanın boyu L=6 bağdaşmıyorlar"},
        {6, 5, 6.5, 0, 0, "3.elemanın eksende tekil yük tanımında a=6.5 elemanın boyu L=6 bağdaşmıyorlar"},
        {7, 5, 0, 0, 0, "3.elemanın tekil moment yük tanımında a=0 elemanın boyu L=6 bağdaşmıyorlar"},
        {8, 5, 1, 0, 0, "3.elemanın kısmi sol üçgen yük tanımında a=1 ve b=0 elemanın boyu L=6 bağdaşmıyorlar"},
        {9, 5, 4, 2.5, 0, "3.elemanın kısmi sağ üçgen yük tanımında a=4 ve b=2.5 elemanın boyu L=6 bağdaşmıyorlar"},
        {10, 5, 5, 1.5, 0,
         "3.elemanın kısmi düzgün yayılı üçgen yük tanımında a=5 ve b=1.5 elemanın boyu L=6 bağdaşmıyorlar"},
        {11, 5, 1, 0, 3, "3.elemanın yamuk yük tanımında a=1 ve b=0 elemanın boyu L=6 bağdaşmıyorlar"},
        {11, 5, 1, 2, -3, "3.elemanın yamuk yük tanımında Yuk=5 ve Yuk1=-3 değerlerinin işaretleri farklı olamaz"},
        {12, 5, 2, 4.25, 0, "3.elemanın kısmi ikizkenar yük tanımında a=2 ve b=4.25 elemanın boyu L=6 bağdaşmıyorlar"},
    };
    for (const auto& d : durumlar) {
        Hata = 0;
        ui->Mesajlar.clear();
        Beklenen(Yukle(d.tip, d.yuk, d.a, d.b, d.yuk1), {0, 0, 0, 0, 0, 0});
        EXPECT_EQ(Hata, 1) << d.mesaj;
        HataBekle(*ui, d.mesaj);
    }
    // A zero first value passes the sign check of the partial trapezoid.
    Hata = 0;
    Yukle(11, 0, 1, 2, 5);
    EXPECT_EQ(Hata, 0);

    // Unknown hinge texts: the message comes once per partial triangle of
    // the load (four for the trapezoid, two for a uniform load, one for a
    // point load).
    for (const std::string mafsal : {"07", "0a", "030", "12"}) {
        const std::pair<int, std::size_t> yukler[] = {{4, 4}, {1, 2}, {10, 2}, {2, 1}, {8, 1}};
        for (const auto& [tip, kez] : yukler) {
            Hata = 0;
            ui->Mesajlar.clear();
            Beklenen(Yukle(tip, 5, 1, 2, 0, mafsal), {0, 0, 0, 0, 0, 0});
            EXPECT_EQ(Hata, 1);
            HataBekle(*ui, "3.elemanda tanımladığınız mafsalTipi Orvelta öngörülmemiştir.", kez);
        }
    }
    // A bar of zero length.
    Hata = 0;
    ElemanBoyu = 0;
    Yukle(1, 5);
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(SonMesaj(), "3.elemanın boyu sıfır");

    // Load types outside 1..20 give zeros without a message.
    Hata = 0;
    ElemanBoyu = 6;
    ui->Mesajlar.clear();
    Beklenen(Yukle(0, 5), {0, 0, 0, 0, 0, 0});
    Beklenen(Yukle(21, 5), {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(ui->Mesajlar.empty());
}
