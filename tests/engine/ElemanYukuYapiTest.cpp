// Element loads through the whole solution: the load rows read from the
// scratch table, the drivers, the assembly and the force method, against the
// reactions of hand calculations.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "MotorModeli.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

const double E = 2e8, A = 0.01, Iz = 1e-4, alfa = 1.2e-5;

// One plane-frame bar between nodes 1 (0, 0) and 2 (L, 0), both held.
void Kiris(MotorModeli& m, double L, bool ters, const std::string& mafsal = "00",
           const std::string& fi2 = "0") {
    m.Malzeme(1, E, 0.3, alfa);
    m.Kesit(1, A, Iz);
    m.Noktalar({{0, 0, 0}, {L, 0, 0}});
    if (ters)
        m.Eleman(1, 30, 2, 1, 0, 0, 1, 1, mafsal);
    else
        m.Eleman(1, 30, 1, 2, 0, 0, 1, 1, mafsal);
    m.Mesnet(1, Ankastre2B);
    m.Mesnet(2, {"0", "0", "Serbest", "Serbest", "Serbest", fi2});
}

}  // namespace

TEST(ElemanYukuYapi, UcuMesnetliKiristeMafsalVeMesnet) {
    // A uniform load q = 10 on a 6 m bar held at node 1 whose other end
    // turns freely: either node 2 may rotate (a support without Fiz), or the
    // bar has a moment hinge at j ("06") on a node held in rotation. Both
    // give 5qL/8 and qL^2/8 at node 1 and 3qL/8 at node 2, and the hinge
    // leaves node 2 without a moment. With the hinge at i ("03", the bar
    // entered from 2 to 1) the same holds.
    const double q = 10, L = 6;
    struct Durum {
        bool ters;
        std::string mafsal, fi2;
    };
    for (const Durum& d : {Durum{false, "00", "Serbest"}, Durum{false, "06", "0"}, Durum{true, "03", "0"}}) {
        MotorModeli m(30);
        Kiris(m, L, d.ters, d.mafsal, d.fi2);
        m.ElemanYuku(1, 1, 1, d.ters ? -q : q);
        ASSERT_TRUE(m.Coz()) << m.SonMesaj();
        const std::string yer = d.mafsal + " " + d.fi2;
        EXPECT_NEAR(m.Reaksiyon(2), 5 * q * L / 8, 1e-9) << yer;
        EXPECT_NEAR(m.Reaksiyon(3), q * L * L / 8, 1e-9) << yer;
        EXPECT_NEAR(m.Reaksiyon(5), 3 * q * L / 8, 1e-9) << yer;
        if (d.fi2 == "0") {
            EXPECT_NEAR(m.Reaksiyon(6), 0, 1e-9) << yer;
        }
    }
}

TEST(ElemanYukuYapi, DusayKolondaYatayYuk) {
    // A column from node 1 (0, 0) to node 2 (0, 3), held at 1 and on a
    // horizontal roller at 2. Its local y points along -X, so a load of +4
    // acts along +X. The roller takes -3qL/8, the base -5qL/8 and qL^2/8.
    const double q = 4, L = 3;
    MotorModeli m(30);
    m.Malzeme(1, E);
    m.Kesit(1, A, Iz);
    m.Noktalar({{0, 0, 0}, {0, L, 0}});
    m.Eleman(1, 30, 1, 2);
    m.Mesnet(1, Ankastre2B);
    m.Mesnet(2, {"0"});
    m.ElemanYuku(1, 1, 1, q);
    m.ElemanYuku(1, 2, 6, 9, 1);  // 9 along the column's axis (+Y): all at the base
    ASSERT_TRUE(m.Coz()) << m.SonMesaj();
    m.ReaksiyonlarBekle({-5 * q * L / 8, -9, q * L * L / 8, -3 * q * L / 8});
}

TEST(ElemanYukuYapi, SicaklikVeZorlanmisYerDegistirme) {
    const double L = 5, EI = E * Iz;
    {
        // A uniform rise of 25 degrees in a bar held at both ends: the bar
        // pushes node 1 along -X and node 2 along +X with E A alfa T.
        MotorModeli m(30);
        Kiris(m, L, false);
        m.ElemanYuku(1, 1, 14, 25);
        ASSERT_TRUE(m.Coz()) << m.SonMesaj();
        EXPECT_NEAR(m.Reaksiyon(1), E * A * alfa * 25, 1e-9);
        EXPECT_NEAR(m.Reaksiyon(4), -E * A * alfa * 25, 1e-9);
    }
    {
        // Face temperatures 30 and 10, 0.5 apart: constant moment
        // EI alfa dT/h and no shear in the held bar; on a bar whose end 2 may
        // turn, 1.5 times that moment at node 1 and shears 1.5 M/L.
        const double M = EI * alfa * 20 / 0.5;
        for (const std::string fi2 : {"0", "Serbest"}) {
            MotorModeli m(30);
            Kiris(m, L, false, "00", fi2);
            m.ElemanYuku(1, 1, 13, 30, 0.5, 0, 10);
            ASSERT_TRUE(m.Coz()) << m.SonMesaj();
            const bool uc = fi2 == "0";
            EXPECT_NEAR(m.Reaksiyon(1), E * A * alfa * 20, 1e-9) << fi2;
            EXPECT_NEAR(m.Reaksiyon(2), uc ? 0 : 1.5 * M / L, 1e-9) << fi2;
            EXPECT_NEAR(m.Reaksiyon(3), uc ? M : 1.5 * M, 1e-9) << fi2;
            EXPECT_NEAR(m.Reaksiyon(5), uc ? 0 : -1.5 * M / L, 1e-9) << fi2;
            if (uc) {
                EXPECT_NEAR(m.Reaksiyon(6), -M, 1e-9);
            }
        }
    }
    {
        // Moving end i of a held bar by d across it (type 17) and settling
        // the support of node 1 by d give the same reactions.
        const double d = 0.004;
        double r[6];
        {
            MotorModeli yuk(30);
            Kiris(yuk, L, false);
            yuk.ElemanYuku(1, 1, 17, d);
            ASSERT_TRUE(yuk.Coz()) << yuk.SonMesaj();
            for (int k = 1; k <= 6; ++k) r[k - 1] = yuk.Reaksiyon(k);
        }
        EXPECT_NEAR(r[1], 12 * EI * d / (L * L * L), 1e-9);
        MotorModeli cokme(30);
        Kiris(cokme, L, false);
        Tablolar.SK.First();
        Tablolar.SK.Edit();
        Tablolar.SK.FieldByName("Uy").SetString("0.004");
        Tablolar.SK.Post();
        ASSERT_TRUE(cokme.Coz()) << cokme.SonMesaj();
        for (int k = 1; k <= 6; ++k) EXPECT_NEAR(cokme.Reaksiyon(k), r[k - 1], 1e-9) << k;
    }
}

TEST(ElemanYukuYapi, KafesVeUzayCerceve) {
    {
        // A plane-truss bar from (0, 0) to (3, 4) between two pins: the pins
        // take the held-end forces along (0.6, 0.8). Heated by 10 degrees it
        // pushes them apart by E A alfa T; a uniform axial load 2 gives -qL/2
        // at each end; moving end i (15) or j (16) by d along the bar gives
        // EA/L d. A load on an axial spring (11) is refused.
        const double N14 = E * A * alfa * 10, d = 0.001, N15 = E * A / 5 * d;
        const struct {
            int tip, yukTipi;
            double yuk, Ri, Rj;
        } durumlar[] = {{10, 14, 10, N14, -N14}, {10, 5, 2, -5, -5}, {10, 15, d, N15, -N15},
                        {10, 16, d, -N15, N15},  {11, 14, 10, 0, 0}};
        for (const auto& y : durumlar) {
            SCOPED_TRACE(y.yukTipi);
            MotorModeli m(10);
            m.Malzeme(1, E, 0.3, alfa);
            m.Kesit(1, A);
            m.Noktalar({{0, 0, 0}, {3, 4, 0}});
            m.Eleman(1, y.tip, 1, 2);
            m.Mesnet(1, {"0", "0"});
            m.Mesnet(2, {"0", "0"});
            m.ElemanYuku(1, 1, y.yukTipi, y.yuk);
            if (y.tip == 11) {
                EXPECT_FALSE(m.Coz());
                HataBekle(m.Arayuz(), "1.elemanda: Bu eleman tipine eleman yükü verilemez");
                continue;
            }
            ASSERT_TRUE(m.Coz()) << m.SonMesaj();
            m.ReaksiyonlarBekle({0.6 * y.Ri, 0.8 * y.Ri, 0.6 * y.Rj, 0.8 * y.Rj});
        }
    }
    // A space cantilever along X fixed at 1 (local z = +Z with the third
    // point along +Y), q = 3 over 4 m. The plate driver is checked on its own.
    const double q = 3, L = 4;
    auto UzayKiris = [&](MotorModeli& m, int yukTipi) {
        m.Malzeme(1, E, 0.3);
        m.Kesit(1, A, Iz, 2e-4, 1e-4);
        m.Noktalar({{0, 0, 0}, {L, 0, 0}});
        m.Eleman(1, 40, 1, 2, 10002);
        m.Mesnet(1, Ankastre3B);
        m.ElemanYuku(1, 1, yukTipi, q);
        ASSERT_TRUE(m.Coz()) << m.SonMesaj();
    };
    {
        // Along local z (acting downwards): the fixed end takes qL upwards
        // and the moment about Y of -qL^2/2.
        MotorModeli m(40);
        UzayKiris(m, 22);
        EXPECT_NEAR(m.Reaksiyon(2), 0, 1e-9);
        EXPECT_NEAR(m.Reaksiyon(3), q * L, 1e-9);
        EXPECT_NEAR(m.Reaksiyon(5), -q * L * L / 2, 1e-9);
        EXPECT_NEAR(m.Reaksiyon(6), 0, 1e-9);
    }
    {
        // Along local y (+Y): Fy = qL, moment about Z of +qL^2/2.
        MotorModeli m(40);
        UzayKiris(m, 21);
        EXPECT_NEAR(m.Reaksiyon(2), q * L, 1e-9);
        EXPECT_NEAR(m.Reaksiyon(6), q * L * L / 2, 1e-9);
    }
}
