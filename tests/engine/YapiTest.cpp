// Whole structures through the checks, sizing, assembly and solution,
// against hand calculations.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "MotorModeli.h"
#include "engine/GaussEleme.h"
#include "model/Tipler.h"

namespace {

const double E = 2e8;

}  // namespace

TEST(Yapi, UcuMesnetliKonsolTekilYuk) {
    // Fixed at 1, roller at 3, 16 kN down at mid-span 2 (L = 4):
    // roller 5P/16 = 5, fixed end 11P/16 = 11 and 3PL/16 = 12, deflection 7PL^3/768EI.
    const double L = 4, P = 16, Iz = 1e-4, EI = E * Iz;
    MotorModeli m(30);
    m.Malzeme(1, E);
    m.Kesit(1, 0.01, Iz);
    m.Noktalar({{0, 0, 0}, {L / 2, 0, 0}, {L, 0, 0}});
    m.Eleman(1, 30, 1, 2);
    m.Eleman(2, 30, 2, 3);
    m.Mesnet(1, Ankastre2B);
    m.Mesnet(3, {"Serbest", "0"});
    m.Yuk(2, 0, -P);
    ASSERT_TRUE(m.Coz()) << m.SonMesaj();
    EXPECT_EQ(BilinmeyenSayisi, 10);
    EXPECT_EQ(HiperstatiklikDerecesi, 1);
    EXPECT_EQ(HiperstatikKolonlar[1], 10);  // the roller's reaction is the redundant
    m.ReaksiyonlarBekle({0, 11, 12, 5});
    // Element 2 at its end j: the roller pushes it up by 5, with no moment.
    EXPECT_NEAR(m.X(2, 2), 5, 1e-9);
    EXPECT_NEAR(m.X(2, 3), 0, 1e-9);
    EXPECT_NEAR(m.U(2, 2), -7 * P * L * L * L / (768 * EI), 1e-15);
    EXPECT_NEAR(m.U(3, 3), P * L * L / (32 * EI), 1e-15);  // roller end rotation
}

TEST(Yapi, MafsalliPortalCerceve) {
    // Pinned bases 1 and 4, a moment hinge where the beam meets column 3-4:
    // a three-hinged frame. 12 kN sideways at 2: column 3-4 carries only axial
    // force, so H4 = 0, H1 = -12, V4 = 12 h / L = 9, V1 = -9.
    for (bool ters : {false, true}) {
        SCOPED_TRACE(ters);
        const double h = 3, L = 4;
        MotorModeli m(30);
        m.Malzeme(1, E);
        m.Kesit(1, 0.01, 1e-4);
        m.Noktalar({{0, 0, 0}, {0, h, 0}, {L, h, 0}, {L, 0, 0}});
        m.Eleman(1, 30, 1, 2);
        if (ters)
            m.Eleman(2, 30, 3, 2, 0, 0, 1, 1, "03");  // the hinge at end i
        else
            m.Eleman(2, 30, 2, 3, 0, 0, 1, 1, "06");  // the hinge at end j
        m.Eleman(3, 30, 4, 3);
        m.Mesnet(1, {"0", "0"});
        m.Mesnet(4, {"0", "0"});
        m.Yuk(2, 12, 0);
        ASSERT_TRUE(m.Coz()) << m.SonMesaj();
        EXPECT_EQ(DenklemSayisi, 13);
        EXPECT_EQ(HiperstatiklikDerecesi, 0);
        m.ReaksiyonlarBekle({-12, -9, 0, 9});
        // Column 1 at its top: tension 9, shear -12 across it, moment 36.
        EXPECT_NEAR(m.X(1, 1), 9, 1e-9);
        EXPECT_NEAR(m.X(1, 2), -12, 1e-9);
        EXPECT_NEAR(m.X(1, 3), 36, 1e-9);
        // The released moment is zero at the hinge.
        if (ters)
            EXPECT_NEAR(-L * m.X(2, 2) - m.X(2, 3), 0, 1e-9);
        else
            EXPECT_NEAR(m.X(2, 3), 0, 1e-9);
    }
}

TEST(Yapi, UzayKonsolBurulmaVeEgilme) {
    // A space cantilever along X (third point code 10002), tip torque 8 and
    // tip loads Py = 2, Pz = 3: twist TL/GJ, deflections PL^3/3EI and end
    // slopes PL^2/2EI with the signs of the right-hand rule.
    const double L = 2, nu = 0.25, A = 0.01, Iy = 1e-5, Iz = 2e-5, J = 2e-5;
    const double G = E / (2 * (1 + nu));
    MotorModeli m(40);
    m.Malzeme(1, E, nu);
    m.Kesit(1, A, Iz, Iy, J);
    m.Noktalar({{0, 0, 0}, {L, 0, 0}});
    m.Eleman(1, 40, 1, 2, 10002);
    m.Mesnet(1, Ankastre3B);
    m.Yuk(2, 0, 2, 3, 8, 0, 0);
    ASSERT_TRUE(m.Coz()) << m.SonMesaj();
    EXPECT_EQ(HiperstatiklikDerecesi, 0);
    EXPECT_NEAR(m.X(1, 4), 8, 1e-9);
    EXPECT_NEAR(m.U(2, 4), 8 * L / (G * J), 1e-14);
    EXPECT_NEAR(m.U(2, 3), 3 * L * L * L / (3 * E * Iy), 1e-14);
    EXPECT_NEAR(m.U(2, 5), -3 * L * L / (2 * E * Iy), 1e-14);
    EXPECT_NEAR(m.U(2, 2), 2 * L * L * L / (3 * E * Iz), 1e-14);
    EXPECT_NEAR(m.U(2, 6), 2 * L * L / (2 * E * Iz), 1e-14);
    EXPECT_NEAR(m.U(2, 1), 0, 1e-15);
    m.ReaksiyonlarBekle({0, -2, -3, -8, 3 * L, -2 * L});
}

TEST(Yapi, MekanizmadaDengeDenklemleriBagimli) {
    // A square of four bars on two pins: it sways, and the bar between the
    // pins has no pivot of its own.
    MotorModeli m(10);
    m.Malzeme(1, E);
    m.Kesit(1, 0.01);
    m.Noktalar({{0, 0, 0}, {3, 0, 0}, {3, 3, 0}, {0, 3, 0}});
    m.Eleman(1, 10, 1, 2);
    m.Eleman(2, 10, 2, 3);
    m.Eleman(3, 10, 3, 4);
    m.Eleman(4, 10, 4, 1);
    m.Mesnet(1, {"0", "0"});
    m.Mesnet(2, {"0", "0"});
    m.Yuk(3, 1, 0);
    EXPECT_FALSE(m.Coz());
    EXPECT_EQ(HiperstatiklikDerecesi, 0);
    HataBekle(m.Arayuz(), DengeBagimliMesaji);
}

TEST(Yapi, DepremIzolatoru) {
    // A vertical isolator (type 41) with its third point along +X: local y is
    // global X, local z is global Y. Its moments have no flexibility, so the
    // top moves by P / Ay, P / Az and P / A.
    const double A = 4e5, Ay = 2e3, Az = 5e3;
    MotorModeli m(40);
    m.Malzeme(1, E);
    m.Kesit(1, A, 0, 0, 0, Ay, Az);
    m.Noktalar({{0, 0, 0}, {0, 0, 0.5}});
    m.Eleman(1, 41, 1, 2, 10001);
    m.Mesnet(1, Ankastre3B);
    m.Yuk(2, 10, 20, -40);
    ASSERT_TRUE(m.Coz()) << m.SonMesaj();
    EXPECT_NEAR(m.U(2, 1), 10 / Ay, 1e-15);
    EXPECT_NEAR(m.U(2, 2), 20 / Az, 1e-15);
    EXPECT_NEAR(m.U(2, 3), -40 / A, 1e-15);
    EXPECT_NEAR(m.X(1, 1), -40, 1e-9);  // N
    EXPECT_NEAR(m.X(1, 2), 10, 1e-9);   // Vy along global X
    EXPECT_NEAR(m.X(1, 3), 20, 1e-9);   // Vz along global Y
}

TEST(Yapi, MafsalliDepremIzolatoru) {
    // Node 2 sits on a vertical isolator 1-2 (0.5 m, A = 3600 kN/m, third point
    // along +X: local z is global Y) and ends a 2 m bar 2-3 along X (EIy = 2400),
    // both held at 1 and 3; 45 kN down at 2. The isolator's moments are rigid,
    // so without a hinge node 2 does not turn: the bar is fixed at both ends,
    // 12EI/L^3 = 3600 against 3600 in the isolator, 22.5 each, with end moments
    // 22.5 * 2 / 2 = 22.5 at 3 and, through the isolator, at 1. Its moment
    // about global Y released at j ("12") leaves the bar a cantilever, 3EI/L^3
    // = 900 against 3600: 9 and 36; moments 2 * 9 = 18 at 3, none at 1.
    for (const auto& [mafsal, Ri, Mi, Rj, Mj] : {std::tuple{"00", 22.5, 22.5, 22.5, 22.5},
                                                  std::tuple{"12", 36.0, 0.0, 9.0, 18.0}}) {
        SCOPED_TRACE(mafsal);
        MotorModeli m(40);
        m.Malzeme(1, E);
        m.Kesit(1, 0.01, 1.2e-5, 1.2e-5, 1e-5);
        m.Kesit(2, 3600, 0, 0, 0, 1000, 1000);
        m.Noktalar({{0, 0, 0}, {0, 0, 0.5}, {2, 0, 0.5}});
        m.Eleman(1, 41, 1, 2, 10001, 0, 1, 2, mafsal);
        m.Eleman(2, 40, 2, 3, 10002);
        m.Mesnet(1, Ankastre3B);
        m.Mesnet(3, Ankastre3B);
        m.Yuk(2, 0, 0, -45);
        ASSERT_TRUE(m.Coz()) << m.SonMesaj();
        m.ReaksiyonlarBekle({0, 0, Ri, 0, Mi, 0, 0, 0, Rj, 0, Mj, 0});
    }
}

TEST(Yapi, UzayCerceveMafsalSatirlari) {
    // Two equal space bars 1-2 and 2-3 along X, fixed at 1 and 3; bar 1 has its
    // bending moments released at j ("11" and "12"). Node 2 is held across by
    // a propped cantilever (3EI/L^3) and a cantilever (3EI/L^3): each takes half.
    const double L = 3, Iy = 1e-5, Iz = 2e-5;
    MotorModeli m(40);
    m.Malzeme(1, E, 0.3);
    m.Kesit(1, 0.01, Iz, Iy, 3e-5);
    m.Noktalar({{0, 0, 0}, {L, 0, 0}, {2 * L, 0, 0}});
    m.Eleman(1, 40, 1, 2, 10002, 0, 1, 1, "1112");
    m.Eleman(2, 40, 2, 3, 10002);
    m.Mesnet(1, Ankastre3B);
    m.Mesnet(3, Ankastre3B);
    m.Yuk(2, 0, 6, -8);
    ASSERT_TRUE(m.Coz()) << m.SonMesaj();
    EXPECT_EQ(DenklemSayisi, 20);
    EXPECT_EQ(HiperstatiklikDerecesi, 4);
    EXPECT_NEAR(m.X(1, 5), 0, 1e-9);  // My at j released
    EXPECT_NEAR(m.X(1, 6), 0, 1e-9);  // Mz at j released
    EXPECT_NEAR(m.X(1, 2), 3, 1e-9);  // half of Py reaches bar 1's end j
    EXPECT_NEAR(m.X(1, 3), -4, 1e-9);
    EXPECT_NEAR(m.U(2, 3), -8 * L * L * L / (6 * E * Iy), 1e-14);
    EXPECT_NEAR(m.U(2, 2), 6 * L * L * L / (6 * E * Iz), 1e-14);
}

TEST(Yapi, RijitYollarParalelSurekliliktenBagimli) {
    // Two rotational springs (type 32) without hinge releases side by side
    // between the fixed node 1 and node 2: each is rigid along and across its
    // axis, so the redundant normal and shear forces meet no flexibility and
    // their compatibility equations are empty.
    MotorModeli m(30);
    m.Malzeme(1, E);
    m.Kesit(1, 0, 1e3);
    m.Noktalar({{0, 0, 0}, {1, 0, 0}});
    m.Eleman(1, 32, 1, 2);
    m.Eleman(2, 32, 1, 2);
    m.Mesnet(1, Ankastre2B);
    m.Yuk(2, 1, 0, 0, 0, 0, 2);
    EXPECT_FALSE(m.Coz());
    EXPECT_EQ(HiperstatiklikDerecesi, 3);
    HataBekle(m.Arayuz(), SureklilikBagimliMesaji);
}
