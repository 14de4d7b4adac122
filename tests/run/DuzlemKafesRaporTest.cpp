// The whole report of a statically determinate plane truss, line by line.
// Bar forces by joint equilibrium, displacements from the bar elongations:
//
//      3 (4,3)        load at 3: Px = 30, Py = -40
//      |\             supports: 1 roller (Uy), 2 pinned (Ux, Uy)
//    2 |  \ 3         E = 2e8, A = 0.02, Iy = 1e-7 (< Iz = 2e-7), J = 1e-6
//      |    \  bar 3
//      2-----1 ... bar 1 from 1 (0,0) to 2 (4,0)
//
// Joint 3: x: -0.8 N3 + 30 = 0 -> N3 = 37.5; y: -N2 - 0.6 N3 - 40 = 0 -> N2 = -62.5.
// Joint 1: x: N1 + 0.8 N3 = 0 -> N1 = -30; y: 0.6 N3 + R1y = 0 -> R1y = -22.5.
// Joint 2: x: -N1 + R2x = 0 -> R2x = -30; y: N2 + R2y = 0 -> R2y = 62.5.
// Euler loads pi^2 E Iy / L^2: bar 1 (L = 4) 12.34, bar 2 (L = 3) 21.93.
// Elongations N L / EA (EA = 4e6): -3e-5, -4.6875e-5, 4.6875e-5; node 2 is held,
// so u1x = 3e-5, u3y = -4.6875e-5, u3x = 3e-5 + (4.6875e-5 + 0.6 * 4.6875e-5) / 0.8 = 1.2375e-4.
#include <gtest/gtest.h>

#include <sstream>

#include "HesapTestYardim.h"
#include "model/VeriTabani.h"

namespace {

std::string Kafes() {
    return UcgenKafes(Sql::Kesit("A, ix, iy, iz, h", "1, '100:Diğer', 0.02, 0.000001, 0.0000001, 0.0000002, 0"));
}

}  // namespace

TEST(DuzlemKafesRaporu, TumSatirlar) {
    TestProjesi p(Kafes(), true);
    std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    const std::string S = "        Serbest";  // a free support text in its column
    const std::vector<std::string> beklenen = {
        "SİSTEM:10:Düzlem kafes",
        "Nokta sayısı: 3,  Eleman sayısı: 3",
        "Sınır koşullu nokta sayısı: 2, Sınır koşulu sayısı: 3",
        "Yüklü nokta sayısı: 1,  Mafsal sayısı: 0",
        "Denklem sayısı: 6,  Bilinmeyen yayısı: 6,  Hiperstatiklik derecesi: 0",
        " ",
        "MALZEME BİLGİLERİ:",
        "    No    E(kN/m²)          Nu    Ro(t/m³)  Alfa(1/°C)    Malzeme",
        Tekrar('-', 75),
        "     1   200000000         0.3        7.85      1.2E-5    Çelik",
        "",
        "KESİT BİLGİLERİ:",
        "    No       A(m²)       J(m4)      Iy(m4)      Iz(m4)    Kesit",
        Tekrar('-', 75),
        "     1        0.02        1E-6        1E-7        2E-7    100:Diğer",
        "",
        "KOORDİNATLAR:",
        " Nokta        X(m)        Y(m)        Z(m)",
        Tekrar('-', 55),
        "     1           0           0           0",
        "     2           4           0           0",
        "     3           4           3           0",
        "",
        "ELEMAN-NOKTA BAĞI:",
        "Eleman   Tip   i Noktası   j noktası   k noktası   L noktası      Mal No    Kesit No    Mafsal tipi",
        Tekrar('-', 100),
        "     1    10           1           2           0           0           1           1    00",
        "     2    10           2           3           0           0           1           1    00",
        "     3    10           1           3           0           0           1           1    00",
        "",
        "DÜĞÜM TEKİL YÜKLERİ:",
        " Nokta      Px(kN)      Py(kN)      Pz(kN)     Mx(kNm)     My(kNm)     Mz(kNm)",
        Tekrar('-', 80),
        "     3          30         -40" + Tekrar(' ', 48),
        "",
        "SINIR KOŞULLARI:",
        " Nokta          Ux(m)          Uy(m)          Uz(m)   Dönme X(rad)   Dönme Y(rad)   Dönme Z(rad)",
        Tekrar('-', 100),
        "     1" + S + "              0" + S + S + S + S,
        "     2" + Sag("0", 15) + Sag("0", 15) + S + S + S + S,
        "",
        "ELEMAN KUVVETLERİ:",
        "   Nokta  Eleman  Normal(kN)",
        Tekrar('-', 88),
        "       1       1          30",
        "       2                 -30",
        "----->1 nolu eleman burkuldu(P_Eksenel=30 kN> P_Euler=12.34 kN)",
        "       2       2        62.5",
        "       3               -62.5",
        "----->2 nolu eleman burkuldu(P_Eksenel=62.5 kN> P_Euler=21.93 kN)",
        "       1       3       -37.5",
        "       3                37.5",
        "",
        "REAKSİYONLAR:",
        kReaksiyonBasligi,
        Tekrar('-', 70),
        "       1" + Tekrar(' ', 10) + "     -22.5" + Tekrar(' ', 40),
        std::string("       2") + "       -30" + "      62.5" + Tekrar(' ', 40),
        "",
        "GERİLMELER:",
        "Eleman" + Tekrar(' ', 6) + "      Sigxx(kN/m²)",
        Tekrar('-', 115),
        "     1" + Tekrar(' ', 6) + Sag("-1500", 18),
        "     2" + Tekrar(' ', 6) + Sag("-3125", 18),
        "     3" + Tekrar(' ', 6) + Sag("1875", 18),
        "",
        "YER DEĞİŞTİRMELER:",
        kYerDegistirmeBasligi,
        Tekrar('-', 100),
        "     1" + Sag("3E-5", 15) + Sag("0", 15),
        "     2" + Sag("0", 15) + Sag("0", 15),
        "     3" + Sag("0.000124", 15) + Sag("-4.7E-5", 15),
        "",
    };
    ASSERT_EQ(r.size(), beklenen.size() + 1);
    for (std::size_t i = 0; i < beklenen.size(); ++i) EXPECT_EQ(r[i], beklenen[i]) << "satır " << i;
    EXPECT_EQ(r.back().rfind("HESAP SÜRESİ: ", 0), 0u);
    EXPECT_EQ(r.back().substr(r.back().size() - 7), " Saniye");
    // After the run the memo is empty again and the window idle.
    EXPECT_TRUE(p.arayuz.MemoSatirlari().empty());
    EXPECT_FALSE(p.arayuz.HesapYapiliyor());
    EXPECT_EQ(p.arayuz.SonucGosterimSayisi, 1);

    Tablo& c = CizimTablosu();
    ASSERT_EQ(c.RecordCount(), 3);
    ASSERT_TRUE(c.Locate("ElemanNo", 3));
    EXPECT_EQ(c.FieldByName("ElemanTipi").AsInteger(), 10);
    EXPECT_EQ(c.FieldByName("ElemaninNoktadakiKuvvetSayisi").AsInteger(), 1);
    EXPECT_EQ(c.FieldByName("iNoktasi").AsInteger(), 1);
    EXPECT_EQ(c.FieldByName("jNoktasi").AsInteger(), 3);
    EXPECT_TRUE(c.FieldByName("kNoktasi").IsNull());
    EXPECT_DOUBLE_EQ(c.FieldByName("S1").AsFloat(), -37.5);
    EXPECT_DOUBLE_EQ(c.FieldByName("S2").AsFloat(), 37.5);
    EXPECT_TRUE(c.FieldByName("S3").IsNull());
    // Bar 3 runs along (0.8, 0.6): u1 = 0.8 * 3e-5, u2 = 0.8 * 1.2375e-4 - 0.6 * 4.6875e-5.
    EXPECT_NEAR(c.FieldByName("u1").AsFloat(), 2.4e-5, 1e-12);
    EXPECT_NEAR(c.FieldByName("u2").AsFloat(), 7.0875e-5, 1e-12);
    EXPECT_TRUE(c.FieldByName("u3").IsNull());
}

TEST(DuzlemKafesRaporu, YerDegistirmesizHesaptaBolumYokTabloyaDokunulmaz) {
    TestProjesi p(Kafes(), false);
    std::vector<std::string> r = p.Hesapla();
    EXPECT_TRUE(Bolum(r, "YER DEĞİŞTİRMELER:").empty());
    // The stresses section ends with the run's empty line and the timing line.
    ASSERT_GE(r.size(), 3u);
    EXPECT_EQ(r[r.size() - 3], "     3" + Tekrar(' ', 6) + Sag("1875", 18));
    EXPECT_EQ(r[r.size() - 2], "");
    Tablo& c = CizimTablosu();
    ASSERT_TRUE(c.Locate("ElemanNo", 1));
    EXPECT_TRUE(c.FieldByName("u1").IsNull());
}

// The help text tells the signs as the report prints them: the element
// forces are the forces acting on the bar's ends along its local axes, so
// bar 3, pulled by 37.5 kN, shows -37.5 at node i and 37.5 at node j; only
// the stresses are "tension positive".
TEST(DuzlemKafesRaporu, YardimdakiIsaretKuraliRaporaUyar) {
    std::istringstream f(KaynakMetni("OrveltaYardim.txt"));
    ASSERT_FALSE(f.str().empty());
    // A section's entry: its line and the lines indented under it.
    std::string satir, kuvvet, gerilme, *giris = nullptr;
    while (std::getline(f, satir)) {
        if (satir.rfind("  ", 0) != 0) giris = nullptr;
        else if (satir.rfind("  ELEMAN KUVVETLERİ ", 0) == 0) giris = &kuvvet;
        else if (satir.rfind("  GERİLMELER ", 0) == 0) giris = &gerilme;
        else if (satir[2] != ' ') giris = nullptr;
        if (giris) *giris += satir.substr(satir.find_first_not_of(' ')) + " ";
    }
    EXPECT_EQ(kuvvet.find("çekme +"), std::string::npos) << kuvvet;
    EXPECT_NE(kuvvet.find("çekilen çubukta i ucu -, j ucu +"), std::string::npos) << kuvvet;
    EXPECT_NE(kuvvet.find("i ucunda -37.5, j ucunda 37.5"), std::string::npos) << kuvvet;
    EXPECT_NE(gerilme.find("(çekme +)"), std::string::npos) << gerilme;

    TestProjesi p(Kafes());
    std::vector<std::string> r = p.Hesapla();
    const std::vector<std::string> k = BolumSatirlari(r, "ELEMAN KUVVETLERİ:");
    ASSERT_EQ(k.size(), 8u);
    EXPECT_EQ(k[6], "       1       3       -37.5");
    EXPECT_EQ(k[7], "       3                37.5");
    EXPECT_EQ(BolumSatirlari(r, "GERİLMELER:").at(2), "     3" + Tekrar(' ', 6) + Sag("1875", 18));
}
