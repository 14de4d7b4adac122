// Project files the editors did not write (by hand, by another tool, an
// older file): element types of another system, empty support fields and
// hinge texts written with blanks are either refused with a message naming
// the row or calculated as the editors' own texts would be.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HesapTestYardim.h"
#include "model/Tipler.h"

namespace {

const std::string kDuzKesit = Sql::Kesit("A, ix, iy, iz, Ay, hy, ey, Az, hz, ez",
                                         "1, '100:Diğer', 0.01, 0.00001, 0.0001, 0.0001, 0.008, 0.3, 0.15, 0.008, 0.3, 0.15");

// A plane-frame propped cantilever 1-2-3 (4 m), node 1 held, node 3 on a
// roller, 10 kN down at node 2 in the middle; the hinge texts of its two
// bars are given.
std::string Payandali(const char* Mafsal1, const char* Mafsal2) {
    return Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() + kDuzKesit +
           Sql::Noktalar({{"1", 0}, {"2", 2}, {"3", 4}}) + Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 30, 2, 3}}) +
           Sql::Baglar({{"1", 1, 1, Mafsal1}, {"2", 1, 1, Mafsal2}}) + Sql::Yukler({{"2", 0, -10}}) +
           Sql::Mesnetler({{"1", "0 0 S S S 0"}, {"3", "S 0 S S S S"}});
}

// A portal frame of 6 m span and 4 m height, feet held, 20 kN/m on the
// beam and 10 kN sideways at the top of the left column; Uz of both feet
// as given.
std::string Portal(const char* Uz) {
    const std::string m = std::string("0 0 ") + Uz + " S S 0";
    return Sql::Sistem("30:Düzlem çerçeve") +
           Sql::Malzeme("1, 'C25', 30000000, 0.2, 2.5, 0.00001") +
           Sql::Kesit("A, ix, iy, iz, Ay, hy, ey, Az, hz, ez",
                      "1, '1:Dikdörtgen', 0.15, 0.0028, 0.001125, 0.003125, 0.125, 0.5, 0.25, 0.125, 0.3, 0.15") +
           Sql::Noktalar({{"1", 0}, {"2", 0, 4}, {"3", 6, 4}, {"4", 6}}) +
           Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 30, 2, 3}, {"3", 30, 4, 3}}) + Sql::Baglar({{"1,3,1,0,0"}}) +
           Sql::Yukler({{"2", 10, 0, 0, 0, 0, 0}}) + Sql::ElemanYuku("'2', 1, 1, 20, 0, 0, 0") +
           Sql::Mesnetler({{"1", m.c_str()}, {"4", m.c_str()}});
}

// The report of a run on a project of these rows; the messages shown
// (texts) into Mesajlar.
std::vector<std::string> Rapor(const std::string& Sql, bool YerDegistirmeli = false,
                               std::vector<std::string>* Mesajlar = nullptr) {
    TestProjesi p(Sql, YerDegistirmeli);
    std::vector<std::string> r = p.Hesapla();
    if (Mesajlar)
        for (const auto& m : p.arayuz.Mesajlar) Mesajlar->push_back(m.Metin);
    return r;
}

bool TanimsizVar(const std::vector<std::string>& r) {
    for (const auto& s : r)
        if (s.find("tanımsız") != std::string::npos) return true;
    return false;
}

// The sections that hold results.
std::vector<std::string> Sonuclar(const std::vector<std::string>& r) {
    std::vector<std::string> s = {r.size() > 4 ? r[4] : ""};
    for (const char* b : {"ELEMAN KUVVETLERİ:", "REAKSİYONLAR:", "GERİLMELER:", "YER DEĞİŞTİRMELER:"})
        for (const auto& x : Bolum(r, b)) s.push_back(x);
    return s;
}

}  // namespace

// An element type of another system would be assembled into the wrong rows
// (a plane-truss bar in a plane frame gives a result that does not balance
// its loads): the run refuses it before anything is sized. A load on an
// element type that carries none (a spring, an isolator), left when the type
// was changed afterwards, would be left out: the run refuses it before the
// solution.
TEST(ElYapimiProje, ElemanTipineUymayanSatirReddedilir) {
    const struct {
        std::string sql;
        const char* mesaj;
    } durumlar[] = {
        {Payandali("00", "00") + Sql::Noktalar({{"4", 2, 2}}) + Sql::Elemanlar({{"3", 10, 2, 4}}) +
             Sql::Baglar({{"3"}}) + Sql::Yukler({{"4", 5, 0}}),
         "3 nolu elemanın tipi (10:Düzlem kafes) bu sistem tipinde kullanılamaz"},
        {Payandali("00", "00") + Sql::Noktalar({{"4", 2, 2}}) + Sql::Elemanlar({{"3", 40, 2, 4, 10003}}) +
             Sql::Baglar({{"3"}}),
         "3 nolu elemanın tipi (40:Uzay çerçeve) bu sistem tipinde kullanılamaz"},
        {Sql::Sistem("20:Uzay kafes") + Sql::Celik() + Sql::Kesit("A", "1, '100:Diğer', 0.01") +
             Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 4, 3}}) +
             Sql::Elemanlar({{"1", 20, 1, 2}, {"2", 10, 2, 3}, {"3", 20, 1, 3}}) + Sql::Baglar({{"1,3,1,0,0"}}) +
             Sql::Yukler({{"3", 30, -40, 0}}) + Sql::Mesnetler({{"1", "0 0 0 S S S"}, {"2", "0 0 0 S S S"},
                                                                 {"3", "S S 0 S S S"}}),
         "2 nolu elemanın tipi (10:Düzlem kafes) bu sistem tipinde kullanılamaz"},
        {Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() + kDuzKesit + Sql::Kesit("A", "2, '7:Eksenel yay', 20000") +
             Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 4.5}}) + Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 31, 2, 3}}) +
             Sql::Baglar({{"1"}, {"2", 1, 2}}) + Sql::Yukler({{"2", 0, -40}}) +
             Sql::ElemanYuku("'2', 1, 1, 50, 0, 0, 0") + Sql::Mesnetler({{"1", "0 0 S S S 0"}, {"3", "0 0 S S S 0"}}),
         "2.elemanda: Bu eleman tipine eleman yükü verilemez"},
        {Sql::Sistem("40:Uzay çerçeve") + Sql::Celik() +
             Sql::Kesit("A, Ay, Az", "1, '29:Deprem izolatörü', 4000, 2000, 2000") + Sql::Noktalar({{"1", 0}, {"2", 0, 0, 0.5}}) + Sql::Elemanlar({{"1", 41, 1, 2, 10001}}) +
             Sql::Baglar({{"1"}}) + Sql::ElemanYuku("'1', 1, 21, 10, 0, 0, 0") +
             Sql::Mesnetler({{"1", "0 0 0 0 0 0"}}),
         "1.elemanda: Bu eleman tipine eleman yükü verilemez"},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.mesaj);
        TestProjesi p(d.sql);
        EXPECT_TRUE(p.Hesapla().empty());
        ASSERT_EQ(p.arayuz.Mesajlar.size(), 1u);
        EXPECT_EQ(p.arayuz.Mesajlar[0].Metin, d.mesaj);
        EXPECT_EQ(p.arayuz.Mesajlar[0].Baslik, "HATA:");
        EXPECT_EQ(p.arayuz.Mesajlar[0].Stil, "TamamHata1");
        EXPECT_EQ(p.arayuz.SonucGosterimSayisi, 0);
        EXPECT_EQ(Hata, 0);
    }
}

// An empty (NULL) support field holds nothing, for the support count, the
// assembly and the reactions alike. The triangle truss 1 (0,0), 2 (4,0),
// 3 (4,3) with 30, -40 kN at node 3, node 1 on a roller, node 2 pinned:
// about node 2, 4 R1y + 3 x 30 = 0 gives R1y = -22.5; then R2x = -30 and
// R2y = 40 + 22.5 = 62.5.
TEST(ElYapimiProje, BosSinirKosuluSerbesttir) {
    const std::string kesit = Sql::Kesit("A", "1, '100:Diğer', 0.01");
    std::vector<std::string> mesajlar;
    const std::vector<std::string> r =
        Rapor(UcgenKafes(kesit, true, false) +
                  Sql::Mesnetler({{"1", "NULL 0 NULL NULL NULL NULL"}, {"2", "0 0 NULL S NULL NULL"}}),
              false, &mesajlar);
    ASSERT_FALSE(r.empty());
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_EQ(r[4], DenklemSatiri(6, 6));
    EXPECT_EQ(BolumSatirlari(r, "REAKSİYONLAR:"),
              Satirlar({"       1" + Tekrar(' ', 10) + "     -22.5" + Tekrar(' ', 40),
                        "       2       -30      62.5" + Tekrar(' ', 40)}));
    EXPECT_FALSE(TanimsizVar(r));

    // The portal frame with Uz left empty calculates as with "Serbest".
    const std::vector<std::string> beklenen = Rapor(Portal("S"), true);
    ASSERT_FALSE(beklenen.empty());
    const std::vector<std::string> sonuc = Rapor(Portal("NULL"), true);
    ASSERT_FALSE(sonuc.empty());
    EXPECT_EQ(Sonuclar(sonuc), Sonuclar(beklenen));
    EXPECT_EQ(BolumSatirlari(sonuc, "REAKSİYONLAR:").size(), 2u);
    EXPECT_FALSE(TanimsizVar(sonuc));
}

// A hinge text "00" written with blanks adds no hinge equation, as "00"
// does; nor does a hinge text on a bar type that takes none. The propped
// cantilever of 4 m with 10 kN in the middle: the prop carries 5P/16 =
// 3.125 kN, the held end 11P/16 = 6.875 kN and 3PL/16 = 7.5 kNm (the
// report rounds to 0.01, a half to the even digit).
TEST(ElYapimiProje, BoslukluMafsalMetniMafsalsizdir) {
    const std::vector<std::string> beklenen = Rapor(Payandali("00", "00"), true);
    ASSERT_FALSE(beklenen.empty());
    EXPECT_EQ(BolumSatirlari(beklenen, "REAKSİYONLAR:"),
              Satirlar({"       1         0      6.88" + Tekrar(' ', 30) + "       7.5",
                        "       3" + Tekrar(' ', 10) + "      3.12" + Tekrar(' ', 40)}));
    for (const auto& [m1, m2] : {std::pair{"0 0", "00 "}, std::pair{" 00", "0  0"}}) {
        SCOPED_TRACE(std::string(m1) + "|" + m2);
        std::vector<std::string> mesajlar;
        const std::vector<std::string> r = Rapor(Payandali(m1, m2), true, &mesajlar);
        EXPECT_EQ(mesajlar, std::vector<std::string>{});
        ASSERT_FALSE(r.empty());
        EXPECT_EQ(MafsalSayisi, 0);
        EXPECT_EQ(Sonuclar(r), Sonuclar(beklenen));
    }

    // The triangle truss with a hinge text on its bars.
    const std::string kesit = Sql::Kesit("A", "1, '100:Diğer', 0.01");
    std::string kafes = UcgenKafes(kesit);
    kafes.replace(kafes.find("'00'"), 4, "'0306'");
    std::vector<std::string> mesajlar;
    const std::vector<std::string> r = Rapor(kafes, false, &mesajlar);
    EXPECT_EQ(mesajlar, std::vector<std::string>{});
    ASSERT_FALSE(r.empty());
    EXPECT_EQ(MafsalSayisi, 0);
    EXPECT_EQ(BolumSatirlari(r, "REAKSİYONLAR:"),
              Satirlar({"       1" + Tekrar(' ', 10) + "     -22.5" + Tekrar(' ', 40),
                        "       2       -30      62.5" + Tekrar(' ', 40)}));
}
