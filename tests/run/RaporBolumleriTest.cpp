// Edge cases of single report sections.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "HesapTestYardim.h"
#include "engine/ElemanKuvvetleriDosyasi.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "run/SonucPdf.h"
#include "run/SonuclariYaz.h"

namespace {

const std::string kBas = Sql::Sistem("10:Düzlem kafes") + Sql::Celik();

}  // namespace

// Rows by X1, then X2, then X3, whatever the node numbers say; values
// rounded to four decimals, and a long one refitted rather than cut.
TEST(RaporBolumleri, KoordinatlarSiraYuvarlamaVeUzunDeger) {
    TestProjesi p(kBas + Sql::Noktalar({{"3", 2, 1.23456}, {"1", 0, 0.00004, -12345678.5}, {"2", 1},
                                        {"4", 3, 0, 123456789.12345}, {"5", 5}, {"6", 0, 0, 1}, {"7", 0, -1},
                                        {"8", 0, 0, -2}}));
    p.arayuz.MemoTemizle();
    KoordinatlariYaz();
    auto k = [](std::initializer_list<const char*> l) { return Sutunlar(l, 12); };
    EXPECT_EQ(p.arayuz.MemoSatirlari(),
              Satirlar({"", "KOORDİNATLAR:", " Nokta        X(m)        Y(m)        Z(m)", Tekrar('-', 55),
                        "     7" + k({"0", "-1", "0"}), "     8" + k({"0", "0", "-2"}), "     6" + k({"0", "0", "1"}),
                        "     1" + k({"0", "0"}) + " -12345678.5", "     2" + k({"1", "0", "0"}),
                        "     3" + k({"2", "1.2346", "0"}),
                        // 123456789.1235 does not fit: fewer digits, not a cut
                        "     4" + k({"3", "0"}) + " 123456789.1", "     5" + k({"5", "0", "0"})}));
}

TEST(RaporBolumleri, KesitProfilDerinligiVeSigdirilanAtaletMomenti) {
    TestProjesi p(kBas +
                  Sql::Kesit("A, ix, iy, iz, h", "1, '15:HE-M profil', 0.0131, 0.0000014, 0.0000019, 8.33333333333333E-6, 0.3") +
                  Sql::Kesit("A, ix, iy, iz, h", "2, '12:IPE profil', 0.00285, 0, 0, 0.0000194, 0.2"));
    p.arayuz.MemoTemizle();
    KesitBilgileriniYaz();
    const auto& m = p.arayuz.MemoSatirlari();
    ASSERT_EQ(m.size(), 6u);
    EXPECT_EQ(m[4], "     1" + Sag("0.0131", 12) + Sag("1.4E-6", 12) + Sag("1.9E-6", 12) + " 8.333333E-6" +
                        "    15:HE-M300  profil");
    EXPECT_EQ(m[5], "     2" + Sag("0.00285", 12) + Sag("0", 12) + Sag("0", 12) + Sag("1.94E-5", 12) +
                        "    12:IPE200  profil");
}

// The editors keep eight significant digits, enough to fill a 12-wide
// column: such a value is written with seven and stays apart from the one
// before it. Widths: No 6, the four values 12 each, then four blanks and the
// text; the loads 12 (the element loads' numbers 10).
TEST(RaporBolumleri, SekizBasamakliMalzemeVeKesitDegerleriAyriKalir) {
    TestProjesi p(Sql::Sistem("10:Düzlem kafes") +
                  Sql::Malzeme("1, 'S235', 210000000, 0.30000001, 7.8500001, 0.000012000001") +
                  Sql::Kesit("A, ix, iy, iz, h", "1, '100:Diğer', 0.0014922565, 0.0000033762304, 0.0000016881152, 0.00012345678, 0") +
                  Sql::Kesit("A, ix, iy, iz, h", "2, '14:HE-B profil', 0.0078083917, 0.00000059282, 0.000056962, 0.000020033, 0.2") +
                  Sql::Noktalar({{"3", 0}}) + Sql::Elemanlar({{"1", 10, 3, 3}}) +
                  Sql::Yukler({{"3", -0.012345678, 1234567.8, 12345.678}}) +
                  Sql::ElemanYuku("'1', 1, 1, -0.012345678, 0.12345678, 1.2345678, -0.012345678"));
    p.arayuz.MemoTemizle();
    MalzemeBilgileriniYaz();
    KesitBilgileriniYaz();
    DugumTekilYukleriniYaz();
    ElemanYukleriniYaz();
    std::vector<std::string> m = p.arayuz.MemoSatirlari();
    // -0.012345678 is 12 wide -> -0.01234568.
    EXPECT_EQ(BolumSatirlari(m, "DÜĞÜM TEKİL YÜKLERİ:"),
              Satirlar({"     3 -0.01234568   1234567.8   12345.678" + Tekrar(' ', 36)}));
    EXPECT_EQ(BolumSatirlari(m, "ELEMAN YÜKLERİ:"),
              Satirlar({"     1         1         1 -0.01234568  0.12345678   1.2345678 -0.01234568"}));
    m.resize(11);
    EXPECT_EQ(m,
              Satirlar({" ", "MALZEME BİLGİLERİ:", "    No    E(kN/m²)          Nu    Ro(t/m³)  Alfa(1/°C)    Malzeme",
                        Tekrar('-', 75),
                        // 1.2000001E-5 to seven digits is 1.200000E-5
                        "     1   210000000  0.30000001   7.8500001      1.2E-5    S235", "", "KESİT BİLGİLERİ:",
                        "    No       A(m²)       J(m4)      Iy(m4)      Iz(m4)    Kesit", Tekrar('-', 75),
                        // 0.0014922565 -> 0.001492256 (half to even), 3.3762304E-6 -> 3.376230E-6,
                        // 1.6881152E-6 -> 1.688115E-6; 0.00012345678 is 13 wide -> 1.234568E-4
                        "     1 0.001492256  3.37623E-6 1.688115E-6 1.234568E-4    100:Diğer",
                        "     2 0.007808392   5.9282E-7   5.6962E-5   2.0033E-5    14:HE-B200  profil"}));
}

// The triangle truss under Px = 12345678.08 at node 3 alone: bar 1 carries
// N1 = -Px, bar 3 N3 = Px / 0.8 = 15432097.6, bar 2 N2 = -0.6 N3 = -9259258.56;
// reactions R1y = -0.6 N3, R2x = -Px, R2y = -N2. With EA = 2E8 * 1.2E-8 = 2.4
// the stresses are N / 1.2E-8 and the displacements u1 = 4 Px / EA,
// u3 = 13.5 Px / EA, v3 = -2.25 Px / EA. Values that fill or pass their
// column (12 for forces, 10 for reactions, 18 for stresses, 15 for
// displacements) lose digits, not the blank.
TEST(RaporBolumleri, SutunuDolduranKuvvetVeReaksiyonBosluklaAyrilir) {
    TestProjesi p(UcgenKafes(Sql::Kesit("A, ix, iy, iz", "1, '100:Diğer', 1.2E-8, 0, 0, 0"), false) +
                      Sql::Yukler({{"3", 12345678.08, 0}}),
                  true);
    std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    EXPECT_EQ(BolumSatirlari(r, "ELEMAN KUVVETLERİ:"),
              Satirlar({"       1       1 12345678.08", "       2         -12345678.1",
                        "       2       2  9259258.56", "       3         -9259258.56",
                        "       1       3 -15432097.6", "       3          15432097.6"}));
    const std::string b10 = Tekrar(' ', 10);
    EXPECT_EQ(BolumSatirlari(r, "REAKSİYONLAR:"),
              Satirlar({"       1" + b10 + "  -9259259" + b10 + b10 + b10 + b10,
                        "       2" + std::string(" -12345678") + " 9259258.6" + b10 + b10 + b10 + b10}));
    // To fifteen digits -1028806506666666.67 and 1286008133333333.33 are 20
    // and 19 wide; 20576130.133333 is 15 wide.
    EXPECT_EQ(BolumSatirlari(r, "GERİLMELER:"),
              Satirlar({"     1       -1.02880650667E15", "     2      " + Sag("-771604880000000", 18),
                        "     3       1.286008133333E15"}));
    EXPECT_EQ(BolumSatirlari(r, "YER DEĞİŞTİRMELER:"),
              Satirlar({"     1 20576130.13333" + Sag("0", 15), "     2" + Sag("0", 15) + Sag("0", 15),
                        "     3" + Sag("69444439.2", 15) + Sag("-11574073.2", 15)}));
}

TEST(RaporBolumleri, ElemansizKuvvetBolumuYalnizBaslik) {
    TestProjesi p(kBas);
    p.arayuz.MemoTemizle();
    SistemTipi = 30;
    ElemanSayisi = 0;
    ElemanKuvvetleriniYaz();
    EXPECT_EQ(p.arayuz.MemoSatirlari(),
              Satirlar({"", "ELEMAN KUVVETLERİ:", "   Nokta  Eleman  Normal(kN)      Vy(kN)     Mz(kNm)",
                                        Tekrar('-', 88)}));
    std::ifstream f(ElemanKuvvetleriDosyasi.Yol(), std::ios::binary);
    ASSERT_TRUE(f.good());
    EXPECT_EQ(f.peek(), std::char_traits<char>::eof());
    Tablo& c = CizimTablosu();
    EXPECT_EQ(c.RecordCount(), 0);
}

TEST(RaporBolumleri, BurkulmaYukuEsitseSatirYazilir) {
    // Bar 2 of the triangle truss carries 62.5 kN of compression over 3 m;
    // Iy = 62.5 * 9 / (pi^2 E) makes its Euler load 62.5 kN as well.
    const double I = 62.5 * 9 / (9.869604401089358 * 2e8);
    TestProjesi p(UcgenKafes(Sql::Kesit("A, ix, iy, iz", "1, '100:Diğer', 0.02, 1, " + GenelSayiMetni(I) + ", 1")));
    std::vector<std::string> k = Bolum(p.Hesapla(), "ELEMAN KUVVETLERİ:");
    // Bar 1: 30 kN of compression against 62.5 * 9 / 16 = 35.16: no line; bar 3 in tension: none.
    EXPECT_EQ(k, Satirlar({"ELEMAN KUVVETLERİ:", "   Nokta  Eleman  Normal(kN)", Tekrar('-', 88),
                                           "       1       1          30", "       2                 -30",
                                           "       2       2        62.5", "       3               -62.5",
                                           "----->2 nolu eleman burkuldu(P_Eksenel=62.5 kN> P_Euler=62.5 kN)",
                                           "       1       3       -37.5", "       3                37.5"}));
}

TEST(RaporBolumleri, YayinSatirlariVarDosyaSatiriVeBurkulmaDenetimiYok) {
    // Bar 1 (4 m, EA/L = 1e6) from the held node 1 to node 2, axial spring 2
    // (1 m, 1e6 kN/m typed) from node 2 to the held node 3,
    // 10 kN along +X at node 2 (held across). Both stiffnesses are equal:
    // the bar is pulled by 5, the spring pushed by 5. The spring's section
    // would give it an Euler load of almost 0, yet a spring is not checked.
    TestProjesi p(kBas + Sql::Kesit("A, ix, iy, iz", "1, '100:Diğer', 0.02, 0.000001, 0.000001, 0.000001") +
                  Sql::Kesit("A, ix, iy, iz", "2, '100:Diğer', 1000000, 1, 1E-12, 1E-12") +
                  Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 5}}) + Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 11, 2, 3}}) +
                  Sql::Baglar({{"1"}, {"2", 1, 2}}) + Sql::Yukler({{"2", 10}}) +
                  Sql::Mesnetler({{"1", "0 0 S S S S"}, {"2", "S 0 S S S S"}, {"3", "0 0 S S S S"}}));
    std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    EXPECT_EQ(BolumSatirlari(r, "ELEMAN KUVVETLERİ:"),
              Satirlar({"       1       1          -5", "       2                   5",
                                        "       2       2           5", "       3                  -5"}));
    // Bar 5 / 0.02, spring -5 / 1e6 (0 to two decimals).
    EXPECT_EQ(BolumSatirlari(r, "GERİLMELER:"),
              Satirlar({"     1      " + Sag("250", 18), "     2      " + Sag("0", 18)}));
    // Support order: node 1 x, y; node 2 y; node 3 x, y. The bar pulls node 1
    // towards +X, the spring pushes node 3 towards +X.
    const std::string b10 = Tekrar(' ', 10);
    EXPECT_EQ(BolumSatirlari(r, "REAKSİYONLAR:"),
              Satirlar({"       1        -5         0" + b10 + b10 + b10 + b10,
                                        "       2" + b10 + "         0" + b10 + b10 + b10 + b10,
                                        "       3        -5         0" + b10 + b10 + b10 + b10}));
    // One file line, for the bar only: four 23-character values, each with a
    // blank after it, and CR LF.
    std::ifstream f(ElemanKuvvetleriDosyasi.Yol(), std::ios::binary);
    std::string icerik((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_EQ(icerik.size(), 4u * 24 + 2);
    EXPECT_EQ(icerik, "-5.00000000000000E+0000  5.00000000000000E+0000  0.00000000000000E+0000  "
                      "0.00000000000000E+0000 \r\n");
    // Both elements have drawing-table rows.
    Tablo& c = CizimTablosu();
    EXPECT_EQ(c.RecordCount(), 2);
    ASSERT_TRUE(c.Locate("ElemanNo", 2));
    EXPECT_EQ(c.FieldByName("ElemanTipi").AsInteger(), 11);
    EXPECT_DOUBLE_EQ(c.FieldByName("S1").AsFloat(), 5);
}

TEST(RaporBolumleri, DonmesiVerilenMesnetinReaksiyonu) {
    // A 4 m plane-frame bar held at node 1; node 2 held along X, free along
    // Y and turned by 0.001 rad. With the end free across, the shear is 0 and
    // the moment constant: EI theta / L = 2e8 * 1e-4 * 0.001 / 4 = 5 kNm,
    // sagging. The support at node 2 turns the node with +5, the one at
    // node 1 holds it with -5.
    TestProjesi p(CerceveKirisi("0 S S S S 0.001"));
    std::vector<std::string> r = p.Hesapla();
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);  // the warning about no loads
    const std::string b10 = Tekrar(' ', 10);
    EXPECT_EQ(BolumSatirlari(r, "REAKSİYONLAR:"),
              Satirlar({"       1         0         0" + b10 + b10 + b10 + "        -5",
                                        "       2         0" + b10 + b10 + b10 + b10 + "         5"}));
    // Sagging 5 kNm: top -5 * 0.15 / 1e-4, bottom +5 * 0.15 / 1e-4 at both ends.
    std::vector<std::string> g = Bolum(r, "GERİLMELER:");
    ASSERT_EQ(g.size(), 5u);
    EXPECT_EQ(g[3], Sag("1", 6) + Sag("1", 6) + Sag("-7500", 18) + Sag("7500", 18) + Sag("0", 18));
    EXPECT_EQ(g[4], Sag("1", 6) + Sag("2", 6) + Sag("-7500", 18) + Sag("7500", 18) + Sag("0", 18));
}

// A run with nodal and element loads writes every section once, in the order
// of the results window's list: the nodal loads before the element loads,
// and the PDF of all of them keeps that order.
TEST(RaporBolumleri, BolumlerListeSirasiyla) {
    TestProjesi p(CerceveKirisi("S 0 S S S S", Sql::Yukler({{"2", 5, 0}}) + Sql::ElemanYuku("'1', 1, 1, 10, 0, 0, 0")),
                  true);
    std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    std::vector<std::string> beklenen;
    for (int i = 1; i <= 11; ++i) beklenen.push_back(TurkceBuyukHarf(SonucBolumAdlari[i]) + ":");
    // Titles: the lines that follow a blank one and end with a colon.
    auto basliklar = [](const std::vector<std::string>& satirlar) {
        std::vector<std::string> b;
        for (std::size_t i = 1; i < satirlar.size(); ++i)
            if (satirlar[i - 1].find_first_not_of(' ') == std::string::npos && !satirlar[i].empty() &&
                satirlar[i].back() == ':')
                b.push_back(satirlar[i]);
        return b;
    };
    EXPECT_EQ(basliklar(r), beklenen);
    EXPECT_EQ(beklenen[4], "DÜĞÜM TEKİL YÜKLERİ:");
    EXPECT_EQ(beklenen[5], "ELEMAN YÜKLERİ:");
    SonucPdfGirdisi g;
    g.RaporSatirlari = r;
    g.Secimler.fill(true);
    EXPECT_EQ(basliklar(PdfSatirlariniSec(g)), beklenen);
}
