#include <gtest/gtest.h>

#include "CizimTestYardim.h"
#include "drawing/KuvvetDiyagramlari.h"

namespace {

// A 3.98 m plane-frame beam, pinned at node 1 (x = 0) and on a roller at
// node 2, under one element load (type, value, a, b, second value). The
// ordinate points lie 3.98 / 199 = 0.02 m apart: point 51 at x = 1, point
// 101 at x = 2, point 151 at x = 3, point 176 at x = 3.5.
std::string Kiris(const char* Yuk) {
    return CerceveKirisi("S 0 S S S S", Sql::ElemanYuku(std::string("'1', 1, ") + Yuk)) +
           "UPDATE SinirKosullari SET Fiz = 'Serbest' WHERE NoktaNo = '1';\n"
           "UPDATE Koordinatlar SET X1 = 3.98 WHERE NoktaNo = '2';\n";
}

struct Ordinat {
    const char* Alan;  // "Nx", "Vy" or "Mz"
    int k;
    double Deger;
};

struct Durum {
    const char* Yuk;
    std::vector<Ordinat> Beklenen;
};

}  // namespace

// Each load type against the statics of the simply supported beam: with
// the reaction R_A at node i, V(x) = R_A - (load left of x) and M(x) = R_A x
// - (moment of the load left of x about x). The drawing table keeps the end
// forces to two decimals and the diagram starts from them, so R_A is taken
// rounded. The stored values have two decimals; the integration of V adds
// well under 0.001.
TEST(DiyagramOrdinatlari, YukTipleriElHesabiyla) {
    const Durum durumlar[] = {
        // 3, triangle of peak 10 at L/2: R_A = qL/4 = 9.95; left of x < L/2 the load
        // q x^2 / L at 2x/3: M(1) = 9.95 - 10 / (3 x 3.98) = 9.1125; M(2) taken from
        // node j, 1.98 m away: 9.95 x 1.98 - 10 x 1.98^3 / (3 x 3.98) = 13.1998;
        // V(1) = 9.95 - 10 / 3.98 = 7.4374.
        {"3, 10, 0, 0, 0", {{"Vy", 1, 9.95}, {"Vy", 51, 7.4374}, {"Mz", 51, 9.1125}, {"Mz", 101, 13.1998},
                            {"Mz", 1, 0}, {"Mz", 200, 0}, {"Vy", 200, -9.95}}},
        // 4, trapezoid with 1 m ramps: resultant 10 x 2.98, R_A = 14.9; M(1) = 14.9 -
        // 5 x 1/3 = 13.2333; M(2) = 29.8 - 5 x 4/3 - 10 x 0.5 = 18.1333; V(2) = 14.9 - 5 - 10.
        {"4, 10, 1, 0, 0", {{"Vy", 1, 14.9}, {"Mz", 51, 13.2333}, {"Mz", 101, 18.1333}, {"Vy", 101, -0.1}}},
        // 5, axial 10 kN/m along x, taken by the pin: N(x) = 10 (3.98 - x), 0 at the roller.
        {"5, 10, 0, 0, 0", {{"Nx", 1, 39.8}, {"Nx", 51, 29.8}, {"Nx", 101, 19.8}, {"Nx", 200, 0}, {"Mz", 101, 0}}},
        // 6, axial 10 kN at 1.01 m: tension 10 up to the load, nothing beyond.
        {"6, 10, 1.01, 0, 0", {{"Nx", 1, 10}, {"Nx", 51, 10}, {"Nx", 52, 0}, {"Nx", 200, 0}}},
        // 7, couple 10 kNm counterclockwise at 1 m: R_A = 10 / 3.98 = 2.51 all along;
        // M = R_A x before it, R_A x - 10 from it on.
        {"7, 10, 1, 0, 0", {{"Vy", 101, 2.51}, {"Mz", 50, 2.4598}, {"Mz", 51, -7.49}, {"Mz", 101, -4.98},
                            {"Mz", 200, 0}}},
        // 8, rising 0 to 10 over 1..3 m: 10 kN at 2.333, R_A = 10 x 1.6467 / 3.98 = 4.14;
        // M(2) = 8.28 - 2.5 x 1/3 = 7.4467; past the load M(3.5) = 14.49 - 10 x 1.1667.
        {"8, 10, 1, 2, 0", {{"Vy", 1, 4.14}, {"Mz", 51, 4.14}, {"Mz", 101, 7.4467}, {"Mz", 176, 2.8233}}},
        // 9, falling 10 to 0 over 1..3 m: 10 kN at 1.667, R_A = 10 x 2.3133 / 3.98 = 5.81;
        // left of 2 m a trapezoid 10..5 of 7.5 kN whose centroid is 0.5556 m from
        // x = 2: M(2) = 11.62 - 4.1667 = 7.4533; M(3.5) = 20.335 - 10 x 1.8333.
        {"9, 10, 1, 2, 0", {{"Vy", 1, 5.81}, {"Mz", 51, 5.81}, {"Mz", 101, 7.4533}, {"Mz", 176, 2.0017}}},
        // 10, 10 kN/m over 1..3 m: R_A = 20 x 1.98 / 3.98 = 9.95; M(2) = 19.9 - 5 = 14.9;
        // V(2) = 9.95 - 10, V(3) = V(3.5) = 9.95 - 20; M(3.5) = 34.825 - 20 x 1.5.
        {"10, 10, 1, 2, 0", {{"Vy", 1, 9.95}, {"Mz", 51, 9.95}, {"Mz", 101, 14.9}, {"Vy", 101, -0.05},
                             {"Vy", 151, -10.05}, {"Vy", 176, -10.05}, {"Mz", 176, 4.825}}},
        // 11, 10 at 1 m rising to 20 at 3 m: 30 kN at 1 + 2 x 50 / 90 = 2.1111,
        // R_A = 30 x 1.8689 / 3.98 = 14.09; left of 2 m a 10..15 trapezoid of 12.5 kN
        // whose centroid is 0.4667 m from x = 2: M(2) = 28.18 - 5.8333 = 22.3467;
        // M(3.5) = 49.315 - 30 x 1.3889.
        {"11, 10, 1, 2, 20", {{"Vy", 1, 14.09}, {"Mz", 51, 14.09}, {"Mz", 101, 22.3467}, {"Mz", 176, 7.6483}}},
        // 12, isosceles triangle over 1..3 m, peak 10 at 2 m: 10 kN at 2 m, R_A = 10 x
        // 1.98 / 3.98 = 4.97; M(2) = 9.94 - 5 x 1/3 = 8.2733; M(3) = 14.91 - 10 = 4.91;
        // M(3.5) = 17.395 - 10 x 1.5.
        {"12, 10, 1, 2, 0", {{"Vy", 1, 4.97}, {"Mz", 101, 8.2733}, {"Mz", 151, 4.91}, {"Mz", 176, 2.395}}},
        // 2, 10 kN at 1.01 m (half-way between two points): R_A = 10 x 2.97 / 3.98 =
        // 7.46; M(1) = 7.46, M(2) = 14.92 - 9.9 = 5.02; V = 7.46 - 10 past the load.
        {"2, 10, 1.01, 0, 0", {{"Mz", 51, 7.46}, {"Mz", 101, 5.02}, {"Vy", 52, -2.54}}},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.Yuk);
        Cizim c(Kiris(d.Yuk));
        ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
        for (const Ordinat& o : d.Beklenen) {
            DiyagramDizisi f;
            ASSERT_TRUE(DiyagramOku(1, o.Alan, f));
            EXPECT_NEAR(f[o.k], o.Deger, 0.006) << o.Alan << "[" << o.k << "]";
        }
    }
}
