// Element loads through "Hesapla": the end forces and reactions of the
// report, and the question about equal face temperatures.
#include <gtest/gtest.h>

#include "HesapTestYardim.h"

namespace {

// A 4 m plane-frame bar from node 1 to node 2, held at both ends, with one
// element load row.
std::string Kiris(const std::string& yuk) {
    return R"SQL(
UPDATE AnaVeriler SET Sistem = '30:Düzlem çerçeve';
INSERT INTO MalzemeBilgileri (MalzemeNo, Malzeme, E, Nu, Ro, Alfa) VALUES (1, 'Çelik', 200000000, 0.3, 7.85, 0.00001);
INSERT INTO KesitBilgileri (KesitNo, Kesit, A, ix, iy, iz, Ay, hy, ey) VALUES (1, '100:Diğer', 0.01, 0, 0.0001, 0.0001, 0.008, 0.3, 0.15);
INSERT INTO Koordinatlar (NoktaNo, X1, X2, X3) VALUES ('1', 0, 0, 0);
INSERT INTO Koordinatlar (NoktaNo, X1, X2, X3) VALUES ('2', 4, 0, 0);
INSERT INTO ElemanNoktaBagi (ElemanNo, ElemanTipi, iNoktasi, jNoktasi, kNoktasi, LNoktasi) VALUES ('1', 30, 1, 2, 0, 0);
INSERT INTO ElemanMalzemeKesitMafsalbagi (ElemanNO, MalzemeNo, KesitNo, MafsalTipi) VALUES ('1', 1, 1, '00');
INSERT INTO ElemanYukleri (ElemanNo, YukNo, YukTipi, Yuk, aMesafesi, bMesafesi, Yuk1) VALUES )SQL" +
           yuk + R"SQL(;
INSERT INTO SinirKosullari (NoktaNo, Ux, Uy, Uz, Fix, Fiy, Fiz) VALUES ('1', '0', '0', 'Serbest', 'Serbest', 'Serbest', '0');
INSERT INTO SinirKosullari (NoktaNo, Ux, Uy, Uz, Fix, Fiy, Fiz) VALUES ('2', '0', '0', 'Serbest', 'Serbest', 'Serbest', '0');
)SQL";
}

std::string K(const char* a, const char* b, const char* c) { return Sag(a, 12) + Sag(b, 12) + Sag(c, 12); }

}  // namespace

// P = 16 down at a = 1 on L = 4 (b = 3): the held ends carry
// P b^2 (3a + b)/L^3 = 13.5 and P a b^2/L^2 = 9 at node 1,
// P a^2 (a + 3b)/L^3 = 2.5 and -P a^2 b/L^2 = -3 at node 2.
TEST(ElemanYukuRaporu, AnkastreKiristeTekilYuk) {
    TestProjesi p(Kiris("('1', 1, 2, 16, 1, 0, 0)"));
    const std::vector<std::string> r = p.Hesapla();
    ASSERT_TRUE(p.arayuz.Mesajlar.empty()) << p.arayuz.Mesajlar[0].Metin;
    const std::vector<std::string> beklenen = {"ELEMAN KUVVETLERİ:",
                                               "   Nokta  Eleman  Normal(kN)      Vy(kN)     Mz(kNm)",
                                               Tekrar('-', 88), "       1       1" + K("0", "13.5", "9"),
                                               "       2        " + K("0", "2.5", "-3")};
    EXPECT_EQ(Bolum(r, "ELEMAN KUVVETLERİ:"), beklenen);
    const std::string b10 = Tekrar(' ', 10);
    const std::vector<std::string> reaksiyon = {
        "REAKSİYONLAR:", "   Nokta    Rx(kN)    Ry(kN)    Rz(kN)   Mx(kNm)   My(kNm)   Mz(kNm)", Tekrar('-', 70),
        "       1         0      13.5" + b10 + b10 + b10 + "         9",
        "       2         0       2.5" + b10 + b10 + b10 + "        -3"};
    EXPECT_EQ(Bolum(r, "REAKSİYONLAR:"), reaksiyon);
}

// Equal face temperatures of 20 degrees under a "different temperature"
// load: the question comes once per run (not again for the report), and
// every run asks again. "Hayır" leaves the load out; "Evet" takes it as a
// uniform rise, which in the held bar gives E A alfa T = 400 kN of
// compression.
TEST(ElemanYukuRaporu, EsitYuzSicakligiSorusuHerHesaptaBirKez) {
    TestProjesi p(Kiris("('1', 1, 13, 20, 0.3, 0, 20)"));
    const std::string soru =
        "1.elemanda yük tipi farklı sıcaklık seçilmiş, fakat yüzlerdeki sıcaklık aynı.\n Devam edeyim mi?";
    const std::string b10 = Tekrar(' ', 10);

    p.arayuz.Cevaplar = {"H"};
    std::vector<std::string> r = p.Hesapla();
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Metin, soru);
    EXPECT_EQ(p.arayuz.Mesajlar[0].Baslik, "UYARI:");
    EXPECT_EQ(p.arayuz.Mesajlar[0].Stil, "EvetHayırUyarı2");
    std::vector<std::string> k = Bolum(r, "ELEMAN KUVVETLERİ:");
    ASSERT_EQ(k.size(), 5u);
    EXPECT_EQ(k[3], "       1       1" + K("0", "0", "0"));

    p.arayuz.Cevaplar = {"E"};
    r = p.Hesapla();
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 2u);
    EXPECT_EQ(p.arayuz.Mesajlar[1].Metin, soru);
    k = Bolum(r, "ELEMAN KUVVETLERİ:");
    ASSERT_EQ(k.size(), 5u);
    EXPECT_EQ(k[3], "       1       1" + K("400", "0", "0"));
    EXPECT_EQ(k[4], "       2        " + K("-400", "0", "0"));
    const std::vector<std::string> reaksiyon = Bolum(r, "REAKSİYONLAR:");
    ASSERT_EQ(reaksiyon.size(), 5u);
    EXPECT_EQ(reaksiyon[3], "       1       400         0" + b10 + b10 + b10 + "         0");
    EXPECT_EQ(reaksiyon[4], "       2      -400         0" + b10 + b10 + b10 + "         0");
}
