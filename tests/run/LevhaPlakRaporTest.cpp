// Result sections and drawing-table rows of a membrane and a plate project,
// with the values derived by hand in the comments.
#include <gtest/gtest.h>

#include <cmath>

#include "HesapTestYardim.h"
#include "model/VeriTabani.h"


// Membrane in uniform tension sx = 500 (t = 0.1, E = 2e7, nu = 0.2): the
// square 1 (0,0), 2 (0,2), 3 (2,2), 4 (2,0) as one quadrilateral, the square
// 4, 3, 5 (4,2), 6 (4,0) as two triangles, 4-3-5 clockwise and 4-6-5
// counter-clockwise. 50 kN at nodes 5 and 6 along X (sx t L / 2); node 1
// held, node 2 held along X.
// Quadrilateral: X2 = X4 = sx b t / 2 = 50, the rest 0; i and j get -50
// along x, k and L +50. Triangle 4-3-5: sides (0,2), (2,0), (-2,-2), twice
// the area 4; sx = (2/t)(X2 * 2 * 1) / 4 gives X2 = 50: j -50, k +50.
// Triangle 4-6-5: the side 4-6 along X carries X1 = 50: i -50, j +50.
// Reactions -50 along X at nodes 1 and 2; ux = 500 x / 2e7, uy = -0.2 * 500 y / 2e7.
TEST(LevhaPlakRaporu, DortgenVeUcgenLevhaDuzgunCekme) {
    TestProjesi p(Sql::Sistem("50:Levha(düzlem gerilme)") + Sql::Malzeme("1, 'M', 20000000, 0.2, 0, 0") +
                      Sql::Kesit("A", "1, '50:Levha', 0.1") +
                      Sql::Noktalar({{"1", 0}, {"2", 0, 2}, {"3", 2, 2}, {"4", 2}, {"5", 4, 2}, {"6", 4}}) +
                      Sql::Elemanlar({{"1", 51, 1, 2, 3, 4}, {"2", 50, 4, 3, 5}, {"3", 50, 4, 6, 5}}) +
                      Sql::Baglar({{"1,3,1,0,0"}}) + Sql::Yukler({{"5", 50}, {"6", 50}}) +
                      Sql::Mesnetler({{"1", "0 0 S S S S"}, {"2", "0 S S S S S"}}),
                  true);
    std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    ASSERT_GE(r.size(), 5u);
    // 6 nodes x 2 equations; 5 + 3 + 3 element forces and 3 reactions
    EXPECT_EQ(r[4], DenklemSatiri(12, 14));
    auto k = [](std::initializer_list<const char*> l) { return Sutunlar(l, 12); };
    EXPECT_EQ(Bolum(r, "ELEMAN KUVVETLERİ:"),
              Satirlar({"ELEMAN KUVVETLERİ:", "   Nokta  Eleman" + k({"Sx(kN)", "Sy(kN)"}), Tekrar('-', 88),
                        "       1       1" + k({"-50", "0"}), "       2        " + k({"-50", "0"}),
                        "       3        " + k({"50", "0"}), "       4        " + k({"50", "0"}),
                        "       4       2" + k({"0", "0"}), "       3        " + k({"-50", "0"}),
                        "       5        " + k({"50", "0"}), "       4       3" + k({"-50", "0"}),
                        "       6        " + k({"50", "0"}), "       5        " + k({"0", "0"})}));
    const std::string b10 = Tekrar(' ', 10);
    EXPECT_EQ(BolumSatirlari(r, "REAKSİYONLAR:"),
              Satirlar({"       1" + Sutunlar({"-50", "0"}, 10) + b10 + b10 + b10 + b10,
                        "       2" + Sag("-50", 10) + b10 + b10 + b10 + b10 + b10}));
    const std::string cekme = Sutunlar({"500", "0", "0", "500", "0", "0"}, 18);
    EXPECT_EQ(Bolum(r, "GERİLMELER:"),
              Satirlar({"GERİLMELER:",
                        "Eleman Nokta" +
                            Sutunlar({"Sigxx(kN/m²)", "Sigyy(kN/m²)", "Sigxy(kN/m²)", "SigMax(kN/m²)",
                                      "SigMin(kN/m²)", "Fi(derece)"},
                                     18),
                        Tekrar('-', 115), "     1     1" + cekme, "     1     2" + cekme,
                        "     1     3" + cekme, "     1     4" + cekme, "     2      " + cekme,
                        "     3      " + cekme}));
    auto u = [](std::initializer_list<const char*> l) { return Sutunlar(l, 15); };
    EXPECT_EQ(BolumSatirlari(r, "YER DEĞİŞTİRMELER:"),
              Satirlar({"     1" + u({"0", "0"}), "     2" + u({"0", "-1E-5"}),
                        "     3" + u({"5E-5", "-1E-5"}), "     4" + u({"5E-5", "0"}),
                        "     5" + u({"0.0001", "-1E-5"}), "     6" + u({"0.0001", "0"})}));

    // Drawing table: two forces per node, the quadrilateral's four nodes,
    // the triangle's three with the fourth node and places 7-12 empty.
    Tablo& c = CizimTablosu();
    ASSERT_EQ(c.RecordCount(), 3);
    ASSERT_TRUE(c.Locate("ElemanNo", 1));
    EXPECT_EQ(c.FieldByName("ElemanTipi").AsInteger(), 51);
    EXPECT_EQ(c.FieldByName("ElemaninNoktadakiKuvvetSayisi").AsInteger(), 2);
    EXPECT_EQ(c.FieldByName("LNoktasi").AsInteger(), 4);
    const double dortgen[9] = {0, -50, 0, -50, 0, 50, 0, 50, 0};
    for (int s = 1; s <= 8; ++s)
        EXPECT_NEAR(c.FieldByName("S" + std::to_string(s)).AsFloat(), dortgen[s], 1e-12) << s;
    EXPECT_TRUE(c.FieldByName("S9").IsNull());
    ASSERT_TRUE(c.Locate("ElemanNo", 3));
    EXPECT_EQ(c.FieldByName("ElemanTipi").AsInteger(), 50);
    EXPECT_EQ(c.FieldByName("iNoktasi").AsInteger(), 4);
    EXPECT_EQ(c.FieldByName("jNoktasi").AsInteger(), 6);
    EXPECT_EQ(c.FieldByName("kNoktasi").AsInteger(), 5);
    EXPECT_TRUE(c.FieldByName("LNoktasi").IsNull());
    EXPECT_NEAR(c.FieldByName("S1").AsFloat(), -50, 1e-12);
    EXPECT_NEAR(c.FieldByName("S3").AsFloat(), 50, 1e-12);
    EXPECT_NEAR(c.FieldByName("S6").AsFloat(), 0, 1e-12);
    EXPECT_TRUE(c.FieldByName("S7").IsNull());
}

// One plate 1 (0,0), 2 (0,1), 3 (2,1), 4 (2,0) (a = 2, b = 1, t = 0.2,
// E = 2e7, nu = 0.25) on three corner supports 1, 2, 4 (Uz), loaded by
// Pz = -8 at node 3 and by self-equilibrated node moments: about X +3 at 1
// and 4, -3 at 2 and 3; about Y -1 at 1 and 2, +1 at 3 and 4. Statically
// determinate:
// - the rotation rows give X1 = X5 = 3 and X3 = X7 = 1 (uniform bending,
//   m_y = 2 X1 / a = 3 and m_x = 2 X3 / b = 2 per unit width);
// - row k, Uz: -2 X9 = -8, X9 = m_xy = 4; corner forces -8, 8, -8, 8 at
//   i, j, k, L; reactions -8 at 1, 8 at 2 and 4.
// Element forces per unit width: about X the node moment times 2 / a, about
// Y times 2 / b. Surface stresses 6 m / t^2: sx = 300, sy = 450, txy = 600.
// Displacements: the twist gives w = c x y with c = w3 / (a b) and
// w3 = -F99 X9 / 2, F99 = 12 / (E t^3) * 2 (1 + nu) a b = 3.75e-4, so
// w3 = -7.5e-4; the bending gives the curvatures kx = 12 (m_x - nu m_y) / (E t^3)
// = 9.375e-5 and ky = 12 (m_y - nu m_x) / (E t^3) = 1.875e-4. Rotations are
// about X dw/dy, about Y -dw/dx.
TEST(LevhaPlakRaporu, TekPlakBurulmaVeEgilme) {
    TestProjesi p(Sql::Sistem("60:Plak") + Sql::Malzeme("1, 'M', 20000000, 0.25, 0, 0") +
                      Sql::Kesit("A", "1, '60:Plak', 0.2") +
                      Sql::Noktalar({{"1", 0}, {"2", 0, 1}, {"3", 2, 1}, {"4", 2}}) +
                      Sql::Elemanlar({{"1", 60, 1, 2, 3, 4}}) + Sql::Baglar({{"1"}}) +
                      Sql::Yukler({{"1", 0, 0, 0, 3, -1}, {"2", 0, 0, 0, -3, -1}, {"3", 0, 0, -8, -3, 1},
                                   {"4", 0, 0, 0, 3, 1}}) +
                      Sql::Mesnetler({{"1", "S S 0 S S S"}, {"2", "S S 0 S S S"}, {"4", "S S 0 S S S"}}),
                  true);
    std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    ASSERT_GE(r.size(), 5u);
    EXPECT_EQ(r[4], DenklemSatiri(12, 12));
    auto k = [](std::initializer_list<const char*> l) { return Sutunlar(l, 12); };
    EXPECT_EQ(Bolum(r, "ELEMAN KUVVETLERİ:"),
              Satirlar({"ELEMAN KUVVETLERİ:", "   Nokta  Eleman" + k({"Sz(kN)", "Mx(kNm/m)", "My(kNm/m)"}),
                        Tekrar('-', 88), "       1       1" + k({"-8", "3", "-2"}),
                        "       2        " + k({"8", "-3", "-2"}), "       3        " + k({"-8", "-3", "2"}),
                        "       4        " + k({"8", "3", "2"})}));
    const std::string b10 = Tekrar(' ', 10);
    EXPECT_EQ(BolumSatirlari(r, "REAKSİYONLAR:"),
              Satirlar({"       1" + b10 + b10 + Sag("-8", 10) + b10 + b10 + b10,
                        "       2" + b10 + b10 + Sag("8", 10) + b10 + b10 + b10,
                        "       4" + b10 + b10 + Sag("8", 10) + b10 + b10 + b10}));

    // principal stresses of (300, 450, 600), the angle of the larger one
    const double orta = 375, R = std::sqrt(75.0 * 75 + 600 * 600);
    const double fi = 0.5 * (180 - std::atan(1200.0 / 150) * 180 / M_PI);  // 2 txy > 0, sx - sy < 0
    std::vector<std::string> g = Bolum(r, "GERİLMELER:");
    ASSERT_EQ(g.size(), 7u);
    const char* kose[4] = {"1", "2", "3", "4"};
    for (int n = 0; n < 4; ++n) {
        const std::string& s = g[3 + n];
        ASSERT_EQ(s.size(), 12u + 6 * 18) << s;
        EXPECT_EQ(s.substr(0, 12), "     1" + Sag(kose[n], 6));
        EXPECT_EQ(s.substr(12, 54), Sutunlar({"300", "450", "600"}, 18));
        EXPECT_NEAR(std::stod(s.substr(66, 18)), orta + R, 0.005);
        EXPECT_NEAR(std::stod(s.substr(84, 18)), orta - R, 0.005);
        EXPECT_NEAR(std::stod(s.substr(102, 18)), fi, 0.005);
    }

    const double w3 = -7.5e-4, c = w3 / 2, kx = 9.375e-5, ky = 1.875e-4;
    // bending: w = -kx x^2 / 2 - ky y^2 / 2 + kx x + ky y / 2 (zero at 1, 2, 4)
    auto teta = [&](double x, double y, double& tx, double& ty) {
        tx = c * x - ky * y + ky / 2;
        ty = -c * y + kx * x - kx;
    };
    std::vector<std::string> y = Bolum(r, "YER DEĞİŞTİRMELER:");
    ASSERT_EQ(y.size(), 7u);
    const double xy[4][2] = {{0, 0}, {0, 1}, {2, 1}, {2, 0}};
    for (int n = 0; n < 4; ++n) {
        const std::string& s = y[3 + n];
        ASSERT_EQ(s.size(), 6u + 5 * 15) << s;
        EXPECT_EQ(s.substr(0, 36), Sag(kose[n], 6) + Tekrar(' ', 30));  // plates start with two blank columns
        double tx, ty;
        teta(xy[n][0], xy[n][1], tx, ty);
        EXPECT_NEAR(std::stod(s.substr(36, 15)), n == 2 ? w3 : 0, 6e-7) << s;
        EXPECT_NEAR(std::stod(s.substr(51, 15)), tx, 6e-7) << s;
        EXPECT_NEAR(std::stod(s.substr(66, 15)), ty, 6e-7) << s;
    }

    // Drawing table: the element forces with the moments per unit width.
    Tablo& t = CizimTablosu();
    ASSERT_TRUE(t.Locate("ElemanNo", 1));
    EXPECT_EQ(t.FieldByName("ElemanTipi").AsInteger(), 60);
    EXPECT_EQ(t.FieldByName("ElemaninNoktadakiKuvvetSayisi").AsInteger(), 3);
    EXPECT_EQ(t.FieldByName("kNoktasi").AsInteger(), 3);
    EXPECT_EQ(t.FieldByName("LNoktasi").AsInteger(), 4);
    const double S[13] = {0, -8, 3, -2, 8, -3, -2, -8, -3, 2, 8, 3, 2};
    for (int s = 1; s <= 12; ++s)
        EXPECT_NEAR(t.FieldByName("S" + std::to_string(s)).AsFloat(), S[s], 1e-12) << s;
}
