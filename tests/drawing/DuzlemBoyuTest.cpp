// The ordinates of a plane system take the length the calculation used.
#include <gtest/gtest.h>

#include "CizimTestYardim.h"
#include "drawing/KuvvetDiyagramlari.h"

// A 4 m simply supported plane-frame beam under 10 kN/m whose node j was
// given Z = 3. A plane system is calculated in X and Y only, so the diagrams
// are those of the 4 m span, not of the 5 m bar in space: shear +20 at i and
// -20 at j (qL/2), moment 0 at both ends and qL^2/8 = 20 at mid-span
// (k = 100 lies at x = 99 x 4/199 = 1.98995: 20x - 5x^2 = 19.9995, 20 when
// rounded). Drawn, the 20 is the largest ordinate: 80 px below the beam at
// k = 100, 199 px along the 400 px span from (100, 310).
TEST(DuzlemBoyu, ZFarkiDiyagramiDegistirmez) {
    Cizim c(BasitKiris(1) + "UPDATE Koordinatlar SET X3 = 3 WHERE NoktaNo = '2';\n");
    ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
    DiyagramDizisi V, M;
    ASSERT_TRUE(DiyagramOku(1, "Vy", V));
    ASSERT_TRUE(DiyagramOku(1, "Mz", M));
    EXPECT_EQ(V[1], 20);
    EXPECT_EQ(V[199], -19.8);  // 20 - 10 x 3.9799
    EXPECT_EQ(V[200], -20);
    EXPECT_EQ(M[1], 0);
    EXPECT_EQ(M[100], 20);
    EXPECT_EQ(M[199], 0.4);  // x = 3.9799: 79.598 - 79.198
    EXPECT_EQ(M[200], 0);
    EXPECT_EQ(DiyagramEnBuyukleri[2], 20);
    std::vector<CizimEtiketi> etiketler;
    CizimSecenekleri s;
    s.Tur = CizimTuru::Moment;
    s.Etiketler = &etiketler;
    const QImage r = c.Resim(s);
    EXPECT_TRUE(Yakininda(r, 299, 390, kMavi));
    ASSERT_EQ(etiketler.size(), 1u);
    EXPECT_EQ(etiketler[0].Metin, "20");
}

// The deflection ordinates start from the end displacements taken across the
// bar as the calculation takes it: a 4 m cantilever fixed at node j, whose
// node j was given Z = 3, under 10 kN down at its free node i (EI = 2e4 kNm^2).
// w(x) = -P (2L^3 - 3L^2 x + x^3) / (6 EI), in m x 1e6: -10586.27 at k = 2
// (x = 4/199), -3363.53 at k = 100, -0.4 at k = 199.
TEST(DuzlemBoyu, ZFarkiSehimiDegistirmez) {
    Cizim c(CerceveKirisi("0 0 S S S 0", Sql::Yukler({{"1", 0, -10}})) +
                "DELETE FROM SinirKosullari WHERE NoktaNo = '1';\n"
                "UPDATE Koordinatlar SET X3 = 3 WHERE NoktaNo = '2';\n",
            true);
    ASSERT_TRUE(c.arayuz.Mesajlar.empty()) << c.arayuz.Mesajlar[0].Metin;
    DiyagramDizisi u;
    ASSERT_TRUE(DiyagramOku(1, "u", u));
    EXPECT_EQ(u[2], -10586.27);
    EXPECT_EQ(u[100], -3363.53);
    EXPECT_EQ(u[199], -0.4);
}
