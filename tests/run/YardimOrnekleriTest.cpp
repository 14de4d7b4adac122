// The figures of the help text's examples, each taken from a run of the
// structure the example describes: the help must quote the program's own
// result, so a figure the program does not give fails here.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

#include "HesapTestYardim.h"
#include "model/LibU.h"

namespace {

// Blanks and line ends taken as one blank: the help's lines wrap anywhere.
std::string Sade(const std::string& s) {
    std::istringstream in(s);
    std::string kelime, sonuc;
    while (in >> kelime) sonuc += (sonuc.empty() ? "" : " ") + kelime;
    return sonuc;
}

// The help text, read once.
const std::string& Yardim() {
    static const std::string y = Sade(KaynakMetni("OrveltaYardim.txt"));
    return y;
}

#define YARDIMDA(metin) EXPECT_NE(Yardim().find(Sade(metin)), std::string::npos) << (metin)

// The words of the report row of the section whose first column is Anahtar.
std::vector<std::string> Satir(const std::vector<std::string>& Rapor, const std::string& Bolum, const std::string& Anahtar,
                               int Kacinci = 0) {
    for (const std::string& s : BolumSatirlari(Rapor, Bolum)) {
        std::istringstream in(s);
        std::vector<std::string> k;
        for (std::string w; in >> w;) k.push_back(w);
        if (!k.empty() && k[0] == Anahtar && Kacinci-- == 0) return k;
    }
    ADD_FAILURE() << Bolum << " has no row " << Anahtar;
    return std::vector<std::string>(8);
}

std::string Sayi(double x, int k = 2) { return YuvarlanmisSayiMetni(x, k); }

}  // namespace

// The shipped test project is the portal frame of the worked example: its
// counts, the sums of its reactions and the order of its coordinates.
TEST(YardimOrnekleri, TestProjesiOrnegiHesabaUyar) {
    TestProjesi p(KaynakMetni("test_projesi.sql"), true);
    const std::vector<std::string> r = p.Hesapla();
    ASSERT_GT(r.size(), 4u);
    int denklem = 0, bilinmeyen = 0, derece = 0;
    ASSERT_EQ(std::sscanf(r[4].c_str(), "Denklem sayısı: %d,  Bilinmeyen yayısı: %d,  Hiperstatiklik derecesi: %d",
                          &denklem, &bilinmeyen, &derece), 3);
    YARDIMDA("Bu sistemde " + std::to_string(denklem) + " denklem, " + std::to_string(bilinmeyen) +
             " bilinmeyen vardır; hiperstatiklik derecesi " + std::to_string(derece) + "'");
    double rx = 0, ry = 0;
    for (const std::string& s : BolumSatirlari(r, "REAKSİYONLAR:")) {
        double x = 0, y = 0;
        ASSERT_EQ(std::sscanf(s.c_str(), "%*d %lf %lf", &x, &y), 2) << s;
        rx += x;
        ry += y;
    }
    YARDIMDA("düşey toplamı " + Sayi(ry) + " kN, yatay toplamı " + Sayi(rx) + " kN");
    std::string sira;
    for (const std::string& s : BolumSatirlari(r, "KOORDİNATLAR:")) {
        const std::string satir = Sade(s);
        sira += (sira.empty() ? "" : ", ") + satir.substr(0, satir.find(' '));
    }
    YARDIMDA("(4. bölümün örneğinde " + sira + ")");
}

// The three-hinged gable frame: a vertical load on the rafters split by
// the help's recipe into types 1 and 5 gives the vertical load's
// reactions; type 1 alone acts across the rafters.
TEST(YardimOrnekleri, BesikCatiyaDuseyYuk) {
    const double L = std::hypot(6.0, 2.0), q = 10;
    const std::string dik = Sayi(q * 6 / L, 4), eksen = Sayi(q * 2 / L, 4);
    const std::string tip1 = "\"1:Düzgün yayılı\" Yük(kN/m) = ";
    const std::string tip5 = " ve \"5:Yerel x ekseni boyunca düzgün yayılı\" Yük(kN) = ";
    YARDIMDA("2. eleman (2'den 3'e yükselir): " + tip1 + dik + tip5 + "-" + eksen);
    YARDIMDA("3. eleman (3'ten 4'e alçalır): " + tip1 + dik + tip5 + eksen);
    const std::string cati =
        Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() + Sql::Kesit("A, iz", "1, '100:Diğer', 0.01, 1e-4") +
        Sql::Noktalar({{"1", 0}, {"2", 0, 5}, {"3", 6, 7}, {"4", 12, 5}, {"5", 12}}) +
        Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 30, 2, 3}, {"3", 30, 3, 4}, {"4", 30, 5, 4}}) +
        Sql::Baglar({{"1"}, {"2", 1, 1, "06"}, {"3"}, {"4"}}) + Sql::Yukler({{"2", 20}}) +
        Sql::Mesnetler({{"1", "0 0 S S S S"}, {"5", "0 0 S S S S"}});
    auto tepkiler = [&](const std::string& Yukler) {
        TestProjesi p(cati + Yukler);
        const std::vector<std::string> r = p.Hesapla();
        const auto a = Satir(r, "REAKSİYONLAR:", "1"), b = Satir(r, "REAKSİYONLAR:", "5");
        return std::array<std::string, 4>{a[1], a[2], b[1], b[2]};
    };
    const auto t = tepkiler(Sql::ElemanYuku("'2', 1, 1, " + dik + ", 0, 0, 0") +
                            Sql::ElemanYuku("'2', 2, 5, -" + eksen + ", 0, 0, 0") +
                            Sql::ElemanYuku("'3', 1, 1, " + dik + ", 0, 0, 0") +
                            Sql::ElemanYuku("'3', 2, 5, " + eksen + ", 0, 0, 0"));
    YARDIMDA("REAKSİYONLAR: 1 noktasında Rx = " + t[0] + ", Ry = " + t[1] + "; 5 noktasında Rx = " + t[2] +
             ", Ry = " + t[3] + " kN.");
    const auto dikYalniz =
        tepkiler(Sql::ElemanYuku("'2', 1, 1, 10, 0, 0, 0") + Sql::ElemanYuku("'3', 1, 1, 10, 0, 0, 0"));
    YARDIMDA("yatay tepkiler " + dikYalniz[0] + " ve " + dikYalniz[2] + " kN çıkardı");
}

// The column on a rotational spring: the spring's moment and rotation; the
// same spring with both nodes at one point stops the run with the message
// the help quotes.
TEST(YardimOrnekleri, DonmeYayiUzerindeKolon) {
    auto kolon = [](double YayX) {
        return Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() +
               Sql::Kesit("A, iz", "1, '100:Diğer', 0.01, 1e-4") + Sql::Kesit("iz", "2, '8:Dönme yayı', 10000") +
               Sql::Noktalar({{"1", YayX}, {"2", 0}, {"3", 0, 4}}) +
               Sql::Elemanlar({{"1", 32, 1, 2}, {"2", 30, 2, 3}}) + Sql::Baglar({{"1", 1, 2, "0405"}, {"2"}}) +
               Sql::Yukler({{"3", 10}}) + Sql::Mesnetler({{"1", "0 0 S S S 0"}, {"2", "0 0 S S S S"}});
    };
    {
        TestProjesi p(kolon(-0.1), true);
        const std::vector<std::string> r = p.Hesapla();
        YARDIMDA("REAKSİYONLAR: 1 noktasında Mz = " + Satir(r, "REAKSİYONLAR:", "1")[3] + " kNm, 2 noktasında Rx = " +
                 Satir(r, "REAKSİYONLAR:", "2")[1] + " kN.");
        YARDIMDA("2 noktasının dönmesi " + Satir(r, "YER DEĞİŞTİRMELER:", "2")[3] + " rad (= -40/10000), 3 noktasının Ux'i " +
                 Satir(r, "YER DEĞİŞTİRMELER:", "3")[1] + " m");
    }
    TestProjesi p(kolon(0));
    EXPECT_TRUE(p.Hesapla().empty());
    ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
    YARDIMDA("\"" + p.arayuz.Mesajlar[0].Metin + "\"");
}

// The simply supported square plate: at its centre the element forces are
// node moments of opposite signs; the moment from the stresses, m = Sigxx
// t²/6, approaches the series solution as the mesh gets finer.
TEST(YardimOrnekleri, KarePlakOrtaMomenti) {
    const double a = 4, q = 10, t = 0.2, nu = 0.2, pi = std::acos(-1.0);
    double seri = 0;
    for (int m = 1; m < 400; m += 2)
        for (int n = 1; n < 400; n += 2)
            seri += (m * m + nu * n * n) / (m * n * std::pow(m * m + n * n, 2)) * (((m + n) / 2) % 2 ? 1 : -1);
    YARDIMDA("seri (kesin) çözüm " + Sayi(16 * q * a * a / std::pow(pi, 4) * seri) + " kNm/m");
    for (int n : {4, 8, 16}) {
        SCOPED_TRACE(n);
        std::string sql = Sql::Sistem("60:Plak") + Sql::Malzeme("1, 'C', 30000000, 0.2, 2.5, 0.00001") +
                          Sql::Kesit("A, t", "1, '60:Plak', 0.2, 0.2");
        auto no = [n](int s, int k) { return std::to_string(1 + k + (n + 1) * s); };
        for (int s = 0; s <= n; ++s)
            for (int k = 0; k <= n; ++k) {
                sql += "INSERT INTO Koordinatlar (NoktaNo, X1, X2, X3) VALUES ('" + no(s, k) + "', " +
                       GenelSayiMetni(a * k / n) + ", " + GenelSayiMetni(a * s / n) + ", 0);";
                if (s == 0 || s == n || k == 0 || k == n)
                    sql += "INSERT INTO SinirKosullari VALUES ('" + no(s, k) + "', 'Serbest', 'Serbest', '0', 'Serbest', "
                           "'Serbest', 'Serbest', NULL);";
            }
        for (int s = 0, e = 1; s < n; ++s)
            for (int k = 0; k < n; ++k, ++e) {
                const std::string el = std::to_string(e);
                sql += "INSERT INTO ElemanNoktaBagi VALUES ('" + el + "', 60, " + no(s, k) + ", " + no(s + 1, k) + ", " +
                       no(s + 1, k + 1) + ", " + no(s, k + 1) + ", NULL);";
            }
        const std::string hepsi = "'1," + std::to_string(n * n) + ",1,0,0'";
        sql += "INSERT INTO ElemanMalzemeKesitMafsalbagi VALUES (" + hepsi + ", 1, 1, '00', NULL);" +
               Sql::ElemanYuku(hepsi + ", 1, 25, 10, 0, 0, 0");
        TestProjesi p(sql);
        const std::vector<std::string> r = p.Hesapla();
        const std::string orta = no(n / 2, n / 2);
        // corner k of the element below and to the left of the centre
        const auto g = Satir(r, "GERİLMELER:", std::to_string((n / 2 - 1) * n + n / 2), 2);
        ASSERT_EQ(g[1], orta);
        const double sig = std::stod(g[2]);
        const std::string m = Sayi(std::abs(sig) * t * t / 6);
        if (n == 4) {
            YARDIMDA("Sigxx = " + g[2] + " kN/m², mx = " + Sayi(std::abs(sig)) + "·0.2²/6 = " + m + " kNm/m");
            const std::string mx = Satir(r, "ELEMAN KUVVETLERİ:", orta)[2];
            YARDIMDA("Mx(kNm/m): dört elemanda " + mx + " ve " + Sayi(-std::stod(mx)));
        } else {
            YARDIMDA(std::to_string(n) + " x " + std::to_string(n) + " elemanda " + m);
        }
    }
}
