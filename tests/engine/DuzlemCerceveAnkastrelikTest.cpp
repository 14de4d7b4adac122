// Fixed-end forces of plane-frame loads, checked against closed-form results
// worked out by hand (beam tables, statics and compatibility).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "TestYardim.h"
#include "engine/AnkastrelikKuvvetleri.h"
#include "model/Tipler.h"

namespace {

using Kuvvetler = std::array<double, 7>;  // [1..6] = N_i, V_i, M_i, N_j, V_j, M_j

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
        OkunanMafsalTipi = "00";
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

    void Beklenen(const Kuvvetler& k, std::array<double, 6> b, double tol = 1e-9) {
        for (int i = 1; i <= 6; ++i)
            EXPECT_NEAR(k[i], b[i - 1], tol * (1 + std::fabs(b[i - 1]))) << "entry " << i;
    }

    std::string SonMesaj() const { return ui->Mesajlar.empty() ? "" : ui->Mesajlar.back().Metin; }
};

// Moment of a downward load w(x) about node j (counterclockwise positive)
// and its resultant, by composite Simpson's rule: an independent check of
// the equilibrium of the fixed-end forces.
struct YukEtkisi {
    double Bileske = 0, MomentJ = 0;
};
YukEtkisi Simpson(double L, const std::function<double(double)>& w, double x1, double x2) {
    const int n = 4000;
    const double h = (x2 - x1) / n;
    YukEtkisi e;
    for (int k = 0; k <= n; ++k) {
        const double x = x1 + k * h;
        const double c = (k == 0 || k == n) ? 1 : (k % 2 ? 4 : 2);
        e.Bileske += c * w(x) * h / 3;
        e.MomentJ += c * w(x) * (L - x) * h / 3;
    }
    return e;
}

// Fixed-fixed end forces of a distributed load by Simpson's rule over the
// point-load formulas (V_i = P b^2 (L + 2a)/L^3, M_i = P a b^2/L^2, ...).
Kuvvetler SimpsonAnkastre(double L, const std::function<double(double)>& w, double x1, double x2) {
    const int n = 4000;
    const double h = (x2 - x1) / n;
    Kuvvetler k{};
    for (int s = 0; s <= n; ++s) {
        const double a = x1 + s * h, b = L - a;
        const double c = ((s == 0 || s == n) ? 1 : (s % 2 ? 4 : 2)) * h / 3 * w(a);
        k[2] += c * b * b * (L + 2 * a) / (L * L * L);
        k[3] += c * a * b * b / (L * L);
        k[5] += c * a * a * (L + 2 * b) / (L * L * L);
        k[6] -= c * a * a * b / (L * L);
    }
    return k;
}

}  // namespace

TEST_F(DuzlemCerceveAnkastrelik, DuzgunYayiliYukVeMafsallar) {
    const double q = 10, L = 6;
    // Fixed beam: end moments qL^2/12, shears qL/2.
    Beklenen(Yukle(1, q), {0, q * L / 2, q * L * L / 12, 0, q * L / 2, -q * L * L / 12});
    // Both moments released: a simple beam.
    Beklenen(Yukle(1, q, 0, 0, 0, "0306"), {0, q * L / 2, 0, 0, q * L / 2, 0});
    // Moment released at j: a propped cantilever held at i, prop reaction 3qL/8,
    // fixed-end moment qL^2/8.
    Beklenen(Yukle(1, q, 0, 0, 0, "06"), {0, 5 * q * L / 8, q * L * L / 8, 0, 3 * q * L / 8, 0});
    EXPECT_NEAR(YerelAnkastrelikKuvvetleri[5], 22.5, 1e-12);
    // Moment released at i: the prop is at i.
    Beklenen(Yukle(1, q, 0, 0, 0, "03"), {0, 3 * q * L / 8, 0, 0, 5 * q * L / 8, -q * L * L / 8});
    // Axial releases leave bending as in the fixed beam; blanks are ignored.
    Beklenen(Yukle(1, q, 0, 0, 0, " 0 1"), {0, q * L / 2, q * L * L / 12, 0, q * L / 2, -q * L * L / 12});
    Beklenen(Yukle(1, q, 0, 0, 0, ""), {0, q * L / 2, q * L * L / 12, 0, q * L / 2, -q * L * L / 12});
    // Cantilevers: held at j (shear and moment free at i), held at i.
    Beklenen(Yukle(1, q, 0, 0, 0, "0203"), {0, 0, 0, 0, q * L, -q * L * L / 2});
    Beklenen(Yukle(1, q, 0, 0, 0, "0506"), {0, q * L, q * L * L / 2, 0, 0, 0});
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(ui->Mesajlar.empty());
}

TEST_F(DuzlemCerceveAnkastrelik, TekilYuk) {
    const double P = 12, a = 2, L = 6, b = L - a;
    // Fixed beam: Pab^2/L^2 and Pa^2b/L^2, shears Pb^2(3a + b)/L^3 and Pa^2(a + 3b)/L^3.
    Beklenen(Yukle(2, P, a), {0, P * b * b * (3 * a + b) / (L * L * L), P * a * b * b / (L * L), 0,
                              P * a * a * (a + 3 * b) / (L * L * L), -P * a * a * b / (L * L)});
    EXPECT_NEAR(YerelAnkastrelikKuvvetleri[3], 10.0 + 2.0 / 3.0, 1e-12);
    // Cantilever held at j.
    Beklenen(Yukle(2, P, a, 0, 0, "0203"), {0, 0, 0, 0, P, -P * b});
    // Shear released at i, moment at j: statics alone, V_i = 0 and M_j = 0,
    // so V_j = P and M_i = -P b.
    Beklenen(Yukle(2, P, a, 0, 0, "0206"), {0, 0, -P * b, 0, P, 0});
    Beklenen(Yukle(2, P, a, 0, 0, "010206"), {0, 0, -P * b, 0, P, 0});
    // Moment released at i, shear at j: V_i = P, M_j = P a.
    Beklenen(Yukle(2, P, a, 0, 0, "0305"), {0, P, 0, 0, 0, P * a});
    // Shear released at i (end i guided, held in rotation): rotation at i of
    // the cantilever from j is P b^2/2 from the load and M_i L from the end
    // moment, so M_i = -P b^2/(2L); M_j from the moment equilibrium.
    const double Mi = -P * b * b / (2 * L);
    Beklenen(Yukle(2, P, a, 0, 0, "02"), {0, 0, Mi, 0, P, -Mi - P * b});
    // Shear released at j: M_j = P a^2/(2L).
    const double Mj = P * a * a / (2 * L);
    Beklenen(Yukle(2, P, a, 0, 0, "05"), {0, P, P * a - Mj, 0, 0, Mj});
    // Propped at j (moment released at j): M_i = P a b (L + b)/(2 L^2).
    const double Mp = P * a * b * (L + b) / (2 * L * L);
    Beklenen(Yukle(2, P, a, 0, 0, "06"), {0, (P * b + Mp) / L, Mp, 0, P - (P * b + Mp) / L, 0});
    EXPECT_EQ(Hata, 0);
}

TEST_F(DuzlemCerceveAnkastrelik, UcgenVeTrapezYukler) {
    const double q = 9, L = 6;
    // Symmetric triangle, peak q at midspan: 5qL^2/96, shears qL/4.
    Beklenen(Yukle(3, q), {0, q * L / 4, 5 * q * L * L / 96, 0, q * L / 4, -5 * q * L * L / 96});
    // Triangle rising from 0 at i to q at j (type 8 over the whole length):
    // M_i = qL^2/30, M_j = qL^2/20, V_i = 3qL/20, V_j = 7qL/20.
    Beklenen(Yukle(8, q, 0, L), {0, 3 * q * L / 20, q * L * L / 30, 0, 7 * q * L / 20, -q * L * L / 20});
    // The same falling (type 9): mirrored.
    Beklenen(Yukle(9, q, 0, L), {0, 7 * q * L / 20, q * L * L / 20, 0, 3 * q * L / 20, -q * L * L / 30});
    // Trapezoid with ramps of length a at both ends: q(L^3 - 2a^2 L + a^3)/(12 L).
    const double a = 1.5;
    const double M = q * (L * L * L - 2 * a * a * L + a * a * a) / (12 * L);
    Beklenen(Yukle(4, q, a), {0, q * (L - a) / 2, M, 0, q * (L - a) / 2, -M});
    // A triangle on a propped cantilever ("06"): M_i = (M_i0 - M_j0/2) with
    // the fixed-beam moments of the rising triangle, qL^2/30 + qL^2/40 = 7qL^2/120.
    const Kuvvetler k = Yukle(8, q, 0, L, 0, "06");
    EXPECT_NEAR(k[3], 7 * q * L * L / 120, 1e-9);
    EXPECT_NEAR(k[6], 0, 1e-12);
    EXPECT_NEAR(k[2] + k[5], q * L / 2, 1e-9);
    EXPECT_EQ(Hata, 0);
}

TEST_F(DuzlemCerceveAnkastrelik, KismiYukler) {
    const double L = 6;
    // Partial uniform load q from x1 to x2 = x1 + b on a fixed beam:
    // M_i = q/L^2 * [L^2 x^2/2 - 2 L x^3/3 + x^4/4], M_j = -q/L^2 * [L x^3/3 - x^4/4],
    // V_i from the moments about j.
    const double q = 8, x1 = 1, b = 3, x2 = x1 + b;
    auto Fi = [&](double x) { return L * L * x * x / 2 - 2 * L * x * x * x / 3 + x * x * x * x / 4; };
    auto Fj = [&](double x) { return L * x * x * x / 3 - x * x * x * x / 4; };
    const double Mi = q / (L * L) * (Fi(x2) - Fi(x1)), Mj = -q / (L * L) * (Fj(x2) - Fj(x1));
    const double Vi = (Mi + Mj + q * b * (L - (x1 + x2) / 2)) / L;
    Beklenen(Yukle(10, q, x1, b), {0, Vi, Mi, 0, q * b - Vi, Mj});

    // A load from a = 0 is accepted.
    const Kuvvetler sifirdan = Yukle(8, q, 0, 2);
    EXPECT_NEAR(sifirdan[2] + sifirdan[5], q, 1e-9);

    // Partial trapezoid (type 11) and isosceles triangle (type 12) against
    // Simpson's rule over the point-load formulas.
    const double y0 = 4, y1 = 10, a = 0.5, c = 4;
    Kuvvetler s = SimpsonAnkastre(L, [&](double x) { return y0 + (y1 - y0) * (x - a) / c; }, a, a + c);
    Beklenen(Yukle(11, y0, a, c, y1), {0, s[2], s[3], 0, s[5], s[6]}, 1e-9);
    s = SimpsonAnkastre(L, [&](double x) { return x < a + c / 2 ? q * (x - a) / (c / 2) : q * (a + c - x) / (c / 2); },
                        a, a + c / 2);
    const Kuvvetler s2 = SimpsonAnkastre(
        L, [&](double x) { return q * (a + c - x) / (c / 2); }, a + c / 2, a + c);
    Beklenen(Yukle(12, q, a, c), {0, s[2] + s2[2], s[3] + s2[3], 0, s[5] + s2[5], s[6] + s2[6]}, 1e-9);

    // Falling partial triangle with the shear released at j ("05"), q = 6,
    // width 2 from 1 on L = 5: R = 6, M_j = 6/60 (6 + 8 + 4) = 1.8,
    // M_i = R (d + c/3) - M_j = 8.2.
    ElemanBoyu = 5;
    Beklenen(Yukle(9, 6, 1, 2, 0, "05"), {0, 6, 8.2, 0, 0, 1.8});
    EXPECT_EQ(Hata, 0);
}

TEST_F(DuzlemCerceveAnkastrelik, TekilMoment) {
    const double M = 10, a = 2, L = 6, b = L - a;
    // Counterclockwise couple on a fixed beam: M_i = M b (2a - b)/L^2,
    // M_j = M a (2b - a)/L^2, V_i = -V_j = 6 M a b/L^3.
    Beklenen(Yukle(7, M, a), {0, 6 * M * a * b / (L * L * L), M * b * (2 * a - b) / (L * L), 0,
                              -6 * M * a * b / (L * L * L), M * a * (2 * b - a) / (L * L)});
    // Shear released at one end: no shears, M_i = -M b/L, M_j = -M a/L.
    Beklenen(Yukle(7, M, a, 0, 0, "02"), {0, 0, -M * b / L, 0, 0, -M * a / L});
    Beklenen(Yukle(7, M, a, 0, 0, "05"), {0, 0, -M * b / L, 0, 0, -M * a / L});
    // Cantilever held at i, then at j: the whole couple at the held end.
    Beklenen(Yukle(7, M, a, 0, 0, "0506"), {0, 0, -M, 0, 0, 0});
    Beklenen(Yukle(7, M, a, 0, 0, "0203"), {0, 0, 0, 0, 0, -M});
    // Moment at i and shear at j released: with no shear the moment goes to j.
    Beklenen(Yukle(7, M, a, 0, 0, "0305"), {0, 0, 0, 0, 0, -M});
    // Simple beam: the couple is carried by a pair of shears M/L.
    Beklenen(Yukle(7, M, a, 0, 0, "0306"), {0, M / L, 0, 0, -M / L, 0});
    EXPECT_EQ(Hata, 0);
}

TEST_F(DuzlemCerceveAnkastrelik, EksenelYukler) {
    const double q = 5, L = 6, P = 12, a = 2;
    Beklenen(Yukle(5, q), {-q * L / 2, 0, 0, -q * L / 2, 0, 0});
    Beklenen(Yukle(5, q, 0, 0, 0, "01"), {0, 0, 0, -q * L, 0, 0});
    Beklenen(Yukle(5, q, 0, 0, 0, "030406"), {-q * L, 0, 0, 0, 0, 0});
    Beklenen(Yukle(6, P, a), {-P * (L - a) / L, 0, 0, -P * a / L, 0, 0});
    Beklenen(Yukle(6, P, a, 0, 0, "0104"), {0, 0, 0, 0, 0, 0});  // refused below
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(SonMesaj(), "3.elemanda tanımladığınız mafsalTipi Orvelta öngörülmemiştir.");
    Hata = 0;
    // Releasing the normal force at both ends leaves an axial load unsupported,
    // while a transverse load on the same element is carried.
    Yukle(5, q, 0, 0, 0, "01030406");
    EXPECT_EQ(Hata, 1);
    Hata = 0;
    Beklenen(Yukle(1, q, 0, 0, 0, "01030406"), {0, q * L / 2, 0, 0, q * L / 2, 0});
    EXPECT_EQ(Hata, 0);
}

TEST_F(DuzlemCerceveAnkastrelik, SicaklikYukleri) {
    const double L = 6, T = 20;
    // Uniform rise in a fixed bar: normal force N = -E A alfa T (compression);
    // the end force at i pushes along +x.
    const double N = -E * A * alfa * T;
    Beklenen(Yukle(14, T), {-N, 0, 0, N, 0, 0});
    // Free to expand at one end: no force.
    Beklenen(Yukle(14, T, 0, 0, 0, "04"), {0, 0, 0, 0, 0, 0});
    Beklenen(Yukle(14, T, 0, 0, 0, "0104"), {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Hata, 0);

    // Different face temperatures 30 and 10 at h = 0.5: M = E Iz alfa dT/h,
    // normal force from the mean rise.
    const double T1 = 30, T2 = 10, h = 0.5;
    const double M = E * Iz * alfa * (T1 - T2) / h, Nm = E * A * alfa * (T1 + T2) / 2;
    Beklenen(Yukle(13, T1, h, 0, T2), {Nm, 0, M, -Nm, 0, -M});
    // Both moments released: the bar bends freely.
    Beklenen(Yukle(13, T1, h, 0, T2, "0306"), {Nm, 0, 0, -Nm, 0, 0});
    // One moment released: the held end carries 1.5 M, shears 1.5 M/L.
    Beklenen(Yukle(13, T1, h, 0, T2, "06"), {Nm, 1.5 * M / L, 1.5 * M, -Nm, -1.5 * M / L, 0});
    Beklenen(Yukle(13, T1, h, 0, T2, "03"), {Nm, -1.5 * M / L, 0, -Nm, 1.5 * M / L, -1.5 * M});
    Beklenen(Yukle(13, T1, h, 0, T2, "0106"), {0, 1.5 * M / L, 1.5 * M, 0, -1.5 * M / L, 0});
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(ui->Mesajlar.empty());
}

TEST_F(DuzlemCerceveAnkastrelik, FarkliSicaklikDenetimleri) {
    // Each failing check replaces the one before; the last one is shown and
    // its code is left in Hata.
    OkunanAlfa = 0;
    Beklenen(Yukle(13, 0, 0.5, 0, 0), {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Hata, 2);
    ASSERT_EQ(ui->Mesajlar.size(), 1u);
    EXPECT_EQ(SonMesaj(), "3.elemanda: Sıcaklık yükü verilmemiş");
    EXPECT_EQ(ui->Mesajlar.back().Baslik, "HATA:");
    EXPECT_EQ(ui->Mesajlar.back().Stil, "TamamHata1");
    EXPECT_EQ(HataMesaji, "Sıcaklık yükü verilmemiş");

    Hata = 0;
    Yukle(13, 10, 0.5, 0, 5);
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(SonMesaj(), "3.elemanda: Sıcaklık genleşme katsayısı verilmemiş");

    Hata = 0;
    OkunanAlfa = alfa;
    Yukle(13, 10, 0, 0, 5);
    EXPECT_EQ(Hata, 3);
    EXPECT_EQ(SonMesaj(), "3.elemanda: Kesit yüzünden-yüzüne mesafe a verilmemiş. Farklı sıcaklık "
                          "yükü için gereklidir");

    Hata = 0;
    OkunanElemanTipi = 31;
    Yukle(13, 10, 0.5, 0, 5);
    EXPECT_EQ(Hata, 4);
    EXPECT_EQ(SonMesaj(), "3.elemanda: Bu eleman tipinde sıcaklık yükü olamaz");
}

TEST_F(DuzlemCerceveAnkastrelik, EsitSicaklikSorusuBirKezSorulur) {
    const std::string soru =
        "3.elemanda yük tipi farklı sıcaklık seçilmiş, fakat yüzlerdeki sıcaklık aynı.\n Devam edeyim mi?";
    // "Hayır": the load is left out, the run goes on.
    ui->Cevaplar = {"H"};
    Beklenen(Yukle(13, 15, 0, 0, 15), {0, 0, 0, 0, 0, 0});
    ASSERT_EQ(ui->Mesajlar.size(), 1u);
    EXPECT_EQ(ui->Mesajlar[0].Metin, soru);
    EXPECT_EQ(ui->Mesajlar[0].Baslik, "UYARI:");
    EXPECT_EQ(ui->Mesajlar[0].Stil, "EvetHayırUyarı2");
    EXPECT_EQ(Hata, 0);
    // The report reads the same load again: the answer is kept, no new question.
    Beklenen(Yukle(13, 15, 0, 0, 15), {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ui->Mesajlar.size(), 1u);

    // Another element is asked on its own; "Evet" gives the uniform rise.
    TuretElemanNo = 4;
    ui->Cevaplar = {"E"};
    const double N = E * A * alfa * 15;
    Beklenen(Yukle(13, 15, 0, 0, 15), {N, 0, 0, -N, 0, 0});
    EXPECT_EQ(ui->Mesajlar.size(), 2u);
    Beklenen(Yukle(13, 15, 0, 0, 15), {N, 0, 0, -N, 0, 0});
    EXPECT_EQ(ui->Mesajlar.size(), 2u);

    // A new run asks again.
    AnkastrelikSorulariniSifirla();
    TuretElemanNo = 3;
    ui->Cevaplar = {"E"};
    Beklenen(Yukle(13, 15, 0, 0, 15), {N, 0, 0, -N, 0, 0});
    EXPECT_EQ(ui->Mesajlar.size(), 3u);
}

TEST_F(DuzlemCerceveAnkastrelik, ZorlanmisUcYerDegistirmeleri) {
    const double L = 6, d = 0.01, fi = 0.002, EA = E * A, EI = E * Iz;
    // Fixed beam: the stiffness terms of the displaced end.
    Beklenen(Yukle(15, d), {EA / L * d, 0, 0, -EA / L * d, 0, 0});
    Beklenen(Yukle(16, d), {-EA / L * d, 0, 0, EA / L * d, 0, 0});
    const double k12 = 12 * EI / (L * L * L) * d, k6 = 6 * EI / (L * L) * d;
    Beklenen(Yukle(17, d), {0, k12, k6, 0, -k12, k6});
    Beklenen(Yukle(18, d), {0, -k12, -k6, 0, k12, -k6});
    Beklenen(Yukle(19, fi), {0, 6 * EI / (L * L) * fi, 4 * EI / L * fi, 0, -6 * EI / (L * L) * fi, 2 * EI / L * fi});
    Beklenen(Yukle(20, fi), {0, 6 * EI / (L * L) * fi, 2 * EI / L * fi, 0, -6 * EI / (L * L) * fi, 4 * EI / L * fi});

    // With releases. A rotation imposed at a moment hinge, or a displacement
    // along a released force, meets no resistance.
    Beklenen(Yukle(19, fi, 0, 0, 0, "03"), {0, 0, 0, 0, 0, 0});
    Beklenen(Yukle(20, fi, 0, 0, 0, "0306"), {0, 0, 0, 0, 0, 0});
    Beklenen(Yukle(16, d, 0, 0, 0, "04"), {0, 0, 0, 0, 0, 0});
    Beklenen(Yukle(17, d, 0, 0, 0, "0203"), {0, 0, 0, 0, 0, 0});
    // Rotation at i of a propped cantilever (moment free at j): 3EI/L phi and
    // shears 3EI/L^2 phi.
    Beklenen(Yukle(19, fi, 0, 0, 0, "06"),
             {0, 3 * EI / (L * L) * fi, 3 * EI / L * fi, 0, -3 * EI / (L * L) * fi, 0});
    // Settlement d of the pinned end i of a beam fixed at j: reaction 3EI d/L^3,
    // fixed-end moment 3EI d/L^2.
    Beklenen(Yukle(17, d, 0, 0, 0, "03"),
             {0, 3 * EI * d / (L * L * L), 0, 0, -3 * EI * d / (L * L * L), 3 * EI * d / (L * L)});
    // Settlement of the fixed end j of the same beam: the same forces, reversed.
    Beklenen(Yukle(18, d, 0, 0, 0, "03"),
             {0, -3 * EI * d / (L * L * L), 0, 0, 3 * EI * d / (L * L * L), -3 * EI * d / (L * L)});
    // Axial displacement with a normal-force release: nothing; bending
    // releases do not change the axial terms.
    Beklenen(Yukle(15, d, 0, 0, 0, "0306"), {EA / L * d, 0, 0, -EA / L * d, 0, 0});
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
        ASSERT_EQ(ui->Mesajlar.size(), 1u) << d.mesaj;
        EXPECT_EQ(SonMesaj(), d.mesaj);
        EXPECT_EQ(ui->Mesajlar.back().Baslik, "HATA:");
        EXPECT_EQ(ui->Mesajlar.back().Stil, "TamamHata1");
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
            ASSERT_EQ(ui->Mesajlar.size(), kez) << mafsal << " type " << tip;
            for (const auto& m : ui->Mesajlar) {
                EXPECT_EQ(m.Metin, "3.elemanda tanımladığınız mafsalTipi Orvelta öngörülmemiştir.");
                EXPECT_EQ(m.Baslik, "HATA:");
                EXPECT_EQ(m.Stil, "TamamHata1");
            }
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

// Every hinge text the element editor can produce (and one that releases the
// normal force at both ends), under every kind of load: the released end
// forces are zero, the end forces balance the load, and only an axial load
// with nothing to hold it along the axis is refused.
TEST_F(DuzlemCerceveAnkastrelik, HerMafsalTipindeDengeVeSerbestUclar) {
    const std::vector<std::string> mafsallar = {
        "00", "01", "02", "03", "04", "05", "06", "0102", "0103", "0105", "0106", "0203", "0204",
        "0206", "0304", "0305", "0306", "0405", "0406", "0506", "010203", "010206", "010305",
        "010306", "010506", "020304", "020406", "030405", "030406", "040506", "01030406"};
    const double L = 6;
    struct Yuk {
        int tip;
        double yuk, a, b, yuk1;
        double bileske, momentJ;  // transverse resultant (downward), its moment about j
        double eksenel;           // axial resultant along +x
        bool eksenelVar;
    };
    const double q = 7, P = 11;
    const YukEtkisi ucgen = Simpson(L, [&](double x) { return x < 3 ? q * x / 3 : q * (6 - x) / 3; }, 0, 6);
    const YukEtkisi trapez = Simpson(L, [&](double x) { return 2 + (9.0 - 2) * (x - 1) / 4; }, 1, 5);
    const std::vector<Yuk> yukler = {
        {1, q, 0, 0, 0, q * L, q * L * L / 2, 0, false},
        {2, P, 2, 0, 0, P, P * 4, 0, false},
        {3, q, 0, 0, 0, ucgen.Bileske, ucgen.MomentJ, 0, false},
        {7, P, 2, 0, 0, 0, P, 0, false},
        {10, q, 1, 3, 0, 3 * q, 3 * q * 3.5, 0, false},
        {11, 2, 1, 4, 9, trapez.Bileske, trapez.MomentJ, 0, false},
        {5, q, 0, 0, 0, 0, 0, q * L, true},
        {6, P, 2, 0, 0, 0, 0, P, true},
        {13, 30, 0.4, 0, 10, 0, 0, 0, false},
        {17, 0.01, 0, 0, 0, 0, 0, 0, false},
        {20, 0.003, 0, 0, 0, 0, 0, 0, false},
    };
    for (const auto& m : mafsallar) {
        const bool eksenelMekanizma = m.find("01") != std::string::npos && m.find("04") != std::string::npos;
        for (const auto& y : yukler) {
            Hata = 0;
            ui->Mesajlar.clear();
            const Kuvvetler k = Yukle(y.tip, y.yuk, y.a, y.b, y.yuk1, m);
            const std::string yer = "hinge " + m + " load " + std::to_string(y.tip);
            if (y.eksenelVar && eksenelMekanizma) {
                EXPECT_EQ(Hata, 1) << yer;
                continue;
            }
            ASSERT_EQ(Hata, 0) << yer;
            EXPECT_TRUE(ui->Mesajlar.empty()) << yer;
            const double olcek = 1 + std::fabs(y.bileske) * L + std::fabs(k[3]) + std::fabs(k[6]);
            for (std::size_t p = 0; p + 1 < m.size(); p += 2) {
                const int kod = std::stoi(m.substr(p, 2));
                if (kod > 0) {
                    EXPECT_NEAR(k[kod], 0, 1e-12) << yer << " released " << kod;
                }
            }
            EXPECT_NEAR(k[2] + k[5], y.bileske, 1e-9 * olcek) << yer;
            EXPECT_NEAR(k[2] * L, k[3] + k[6] + y.momentJ, 1e-9 * olcek) << yer;
            EXPECT_NEAR(k[1] + k[4], -y.eksenel, 1e-9 * (1 + y.eksenel)) << yer;
        }
    }
}
