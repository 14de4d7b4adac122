// Element loads in the report: the end forces take the fixed-end forces of
// the element's own loads, the stresses the whole internal forces; the
// equal-temperature answer of one run is not carried into the next; a
// plate's node moments become moments per unit width; the element force
// file's failures end the run with a message.
#include <gtest/gtest.h>

#include "HesapTestYardim.h"
#include "engine/ElemanKuvvetleriDosyasi.h"
#include "model/VeriTabani.h"

namespace {

// One 4 m bar between two held nodes, heated by 20 degrees; E A alfa T =
// 2e8 * 0.01 * 1.2e-5 * 20 = 480 kN. The bar cannot lengthen, so its own
// unknown is 0 and its whole normal force is the fixed-end one: -480 kN,
// the stress -480 / 0.01 = -48000 kN/m².
std::string IsitilanKafes(const char* ix) {
    return Sql::Sistem("10:Düzlem kafes") + Sql::Celik() +
           Sql::Kesit("A, ix, iy, iz", std::string("1, '100:Diğer', 0.01, ") + ix + ", 0.000001, 0.000002") +
           Sql::Noktalar({{"1", 0}, {"2", 4}}) + Sql::Elemanlar({{"1", 10, 1, 2}}) + Sql::Baglar({{"1"}}) +
           Sql::ElemanYuku("'1', 1, 14, 20, 0, 0, 0") + Sql::Mesnetler({{"1", "0 0 S S S S"}, {"2", "0 0 S S S S"}});
}

}  // namespace

TEST(RaporYukleri, IsitilanTutulmusKafesCubugu) {
    // Compression of 480 kN against pi^2 E Iy / L^2 = 9.8696 * 200 / 16 = 123.37;
    // the same bar without a torsion constant gets no buckling line.
    for (const char* ix : {"0.000001", "0"}) {
        SCOPED_TRACE(ix);
        TestProjesi p(IsitilanKafes(ix));
        std::vector<std::string> r = p.Hesapla();
        ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
        std::vector<std::string> k = {"       1       1         480", "       2                -480"};
        if (ix[1]) k.push_back("----->1 nolu eleman burkuldu(P_Eksenel=480 kN> P_Euler=123.37 kN)");
        EXPECT_EQ(BolumSatirlari(r, "ELEMAN KUVVETLERİ:"), k);
        EXPECT_EQ(BolumSatirlari(r, "GERİLMELER:"), Satirlar({"     1      " + Sag("-48000", 18)}));
        // The compressed bar pushes node 1 towards -X and node 2 towards +X; the
        // supports hold them with 480 towards +X at node 1 and -X at node 2.
        EXPECT_EQ(BolumSatirlari(r, "REAKSİYONLAR:"),
                  Satirlar({"       1       480         0" + Tekrar(' ', 40),
                            "       2      -480         0" + Tekrar(' ', 40)}));
    }
}

// P = 16 down at a = 1 on a held 4 m beam (b = 3): the held ends carry
// P b^2 (3a + b)/L^3 = 13.5 and P a b^2/L^2 = 9 at node 1,
// P a^2 (a + 3b)/L^3 = 2.5 and -P a^2 b/L^2 = -3 at node 2.
TEST(RaporYukleri, AnkastreKiristeTekilYuk) {
    TestProjesi p(CerceveKirisi("0 0 S S S 0", Sql::ElemanYuku("'1', 1, 2, 16, 1, 0, 0")));
    const std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    auto k = [](std::initializer_list<const char*> l) { return Sutunlar(l, 12); };
    EXPECT_EQ(BolumSatirlari(r, "ELEMAN KUVVETLERİ:"),
              Satirlar({"       1       1" + k({"0", "13.5", "9"}), "       2        " + k({"0", "2.5", "-3"})}));
    const std::string b10 = Tekrar(' ', 10);
    EXPECT_EQ(BolumSatirlari(r, "REAKSİYONLAR:"),
              Satirlar({"       1         0      13.5" + b10 + b10 + b10 + "         9",
                        "       2         0       2.5" + b10 + b10 + b10 + "        -3"}));
}

// The held 4 m beam with equal temperatures of 20 degrees on its two faces
// under a "different temperature" load: the question comes once per run
// (not again for the report), and every run asks again. "Hayır" leaves the
// load out; "Evet" takes it as a uniform rise, the end forces the fixed-end
// ones: N = -E A alfa T = -480 kN along the whole bar, no moment.
TEST(RaporYukleri, SicaklikSorusuHerHesaptaYenidenSorulur) {
    TestProjesi p(CerceveKirisi("0 0 S S S 0", Sql::ElemanYuku("'1', 1, 13, 20, 0.3, 0, 20")));
    const std::string soru =
        "1.elemanda yük tipi farklı sıcaklık seçilmiş, fakat yüzlerdeki sıcaklık aynı.\n Devam edeyim mi?";
    auto k = [](std::initializer_list<const char*> l) { return Sutunlar(l, 12); };

    p.arayuz.Cevaplar = {"H"};
    std::vector<std::string> r = p.Hesapla();
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Metin, soru);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Baslik, "UYARI:");
    EXPECT_EQ(p.arayuz.Mesajlar[0].Stil, "EvetHayırUyarı2");
    EXPECT_EQ(Bolum(r, "ELEMAN KUVVETLERİ:")[3], "       1       1" + k({"0", "0", "0"}));

    p.arayuz.Cevaplar = {"E"};
    r = p.Hesapla();
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 2u);
    EXPECT_EQ(p.arayuz.Mesajlar[1].Metin, soru);
    EXPECT_EQ(BolumSatirlari(r, "ELEMAN KUVVETLERİ:"),
              Satirlar({"       1       1" + k({"480", "0", "0"}), "       2        " + k({"-480", "0", "0"})}));
    const std::string b10 = Tekrar(' ', 10);
    std::vector<std::string> re = Bolum(r, "REAKSİYONLAR:");
    ASSERT_EQ(re.size(), 5u);
    EXPECT_EQ(re[3], "       1       480         0" + b10 + b10 + b10 + "         0");
    EXPECT_EQ(re[4], "       2      -480         0" + b10 + b10 + b10 + "         0");
    // Internal N = -480 at both ends: -480 / 0.01 in both fibres.
    auto g = [](const char* n) {
        return Sag("1", 6) + Sag(n, 6) + Sag("-48000", 18) + Sag("-48000", 18) + Sag("0", 18);
    };
    EXPECT_EQ(BolumSatirlari(r, "GERİLMELER:"),
              Satirlar({g("1"), g("2")}));
}

TEST(RaporYukleri, PlakUcKuvvetleriAnkastrelikVeBirimGenislikMomentleri) {
    // One plate a = 2 (along X) by b = 1 (along Y), every corner held, q = 4:
    // nothing deforms, so the element's own forces are 0 and its end forces
    // are the fixed-end ones, W = q a b / 4 = 2 and the moments W b / 6 = 1/3
    // about X and W a / 6 = 2/3 about Y (signs by corner); per unit width
    // the first times 2 / a = 1, the second times 2 / b = 2.
    TestProjesi p(Sql::Sistem("60:Plak") + Sql::Malzeme("1, 'Beton', 30000000, 0.2, 2.5, 0.00001") +
                  Sql::Kesit("A", "1, '60:Plak', 0.2") + Sql::Noktalar({{"1", 0}, {"2", 0, 1}, {"3", 2, 1}, {"4", 2}}) +
                  Sql::Elemanlar({{"1", 60, 1, 2, 3, 4}}) + Sql::Baglar({{"1"}}) +
                  Sql::ElemanYuku("'1', 1, 25, 4, 0, 0, 0") + Sql::Mesnetler({{"1,4,1,0,0", "S S 0 0 0 S"}}));
    std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    auto k = [](const char* a, const char* b, const char* c) { return Sutunlar({a, b, c}, 12); };
    EXPECT_EQ(BolumSatirlari(r, "ELEMAN KUVVETLERİ:"),
              Satirlar({"       1       1" + k("2", "0.33", "-1.33"), "       2        " + k("2", "-0.33", "-1.33"),
                        "       3        " + k("2", "-0.33", "1.33"), "       4        " + k("2", "0.33", "1.33")}));
    // The drawing table holds the end forces rounded as the report shows them.
    Tablo& c = CizimTablosu();
    ASSERT_TRUE(c.Locate("ElemanNo", 1));
    EXPECT_DOUBLE_EQ(c.FieldByName("S11").AsFloat(), 0.33);
}

TEST(RaporYukleri, KuvvetDosyasiYazilamazsaHesapMesajlaBiter) {
    TestProjesi p(IsitilanKafes("0"));
    const std::string yol = p.klasor.Dosya("yok") + "/ElemanKuvvetleri.txt";
    ElemanKuvvetleriDosyasi.Ata(yol);
    std::vector<std::string> r = p.Hesapla();
    EXPECT_TRUE(r.empty());
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Metin, "Eleman kuvvetleri dosyası oluşturulamadı: " + yol);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Baslik, "HATA:");
    EXPECT_FALSE(p.arayuz.HesapYapiliyor());
}

TEST(RaporYukleri, IkiUcuTutulmusUzayCubugununUcKuvvetleriAnkastrelikKuvvetleri) {
    // A 4 m space-frame bar along X held at both ends (third point code
    // 10002: local y along +Y), 10 kN/m along local y (load type 21). Nothing
    // moves, so the element's own forces are 0 and its end forces the fixed-end
    // ones: Vy = qL/2 = 20 at both ends, Mz = +-qL^2/12 = +-13.33.
    TestProjesi p(UzayCubugu("0.00002", Sql::ElemanYuku("'1', 1, 21, 10, 0, 0, 0") +
                                            Sql::Mesnetler({{"1,2,1,0,0", "0 0 0 0 0 0"}})));
    std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    auto k = [](std::initializer_list<const char*> l) { return Sutunlar(l, 12); };
    EXPECT_EQ(BolumSatirlari(r, "ELEMAN KUVVETLERİ:"),
              Satirlar({"       1       1" + k({"0", "20", "0", "0", "0", "13.33"}),
                        "       2        " + k({"0", "20", "0", "0", "0", "-13.33"})}));
}
