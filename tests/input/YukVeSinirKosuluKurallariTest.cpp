// Rules of the nodal-load, support-condition and element-load editors: the
// save checks and the key checks against the stored rows.
#include <gtest/gtest.h>

#include "EditorYardim.h"
#include "input/SinirKosuluKurallari.h"
#include "input/TuretDenetimi.h"
#include "input/YukKurallari.h"
#include "model/Oku.h"

namespace {

// Type 14 copies its value to Yük1 and zeroes a and b; other types keep them.
TEST(UniformSicaklik, OnlyType14CopiesItsValue) {
    std::string a = "0.5", b = "1", yuk1 = "3";
    EXPECT_FALSE(UniformSicaklikKopyasi(13, "20", a, b, yuk1));
    EXPECT_EQ(a + " " + b + " " + yuk1, "0.5 1 3");
    EXPECT_TRUE(UniformSicaklikKopyasi(14, "20", a, b, yuk1));
    EXPECT_EQ(a + " " + b + " " + yuk1, "0 0 20");
}

// A plane frame: nodes 1..6 on a line, bars 1..4, a spring 5 (type 31) and a
// bar 6, all read into the scratch tables.
class YukProjesi : public ProjeDenemesi {
protected:
    void SetUp() override {
        ProjeyiAc();
        for (int n = 1; n <= 6; ++n)
            Satir(Tablolar.Koordinatlar, {{"NoktaNo", std::to_string(n)}, {"X1", std::to_string(n)}});
        for (int e = 1; e <= 6; ++e)
            Satir(Tablolar.ElemanNoktaBagi, {{"ElemanNo", std::to_string(e)},
                                             {"ElemanTipi", e == 5 ? "31" : "30"},
                                             {"iNoktasi", std::to_string(e)},
                                             {"jNoktasi", std::to_string(e + 1)}});
        KoordinatlariOku();
        ElemanNoktaBaginiOku();
    }
};

TEST_F(YukProjesi, ElementLoadSaveChecks) {
    const std::string tip1 = "1:Düzgün yayılı", tip11 = "11:Kısmi yamuk", tip13 = "13:Farklı Sıcaklık artışı";
    const std::pair<ElemanYukuGirdisi, const char*> durumlar[] = {
        {{"2", "1", tip1, "10", "0", "0", "0"}, ""},
        {{"2", "0", tip1, "10", "0", "0", "0"}, "Yük no hatalı"},
        {{"2", "11", tip1, "10", "0", "0", "0"}, "Yük no hatalı"},
        {{"2", "ab", tip1, "10", "0", "0", "0"}, "Yük no hatalı"},
        {{"2", "1", "", "10", "0", "0", "0"}, "Yük tipi hatalı"},
        {{"2", "1", tip1, "10", "-1", "0", "0"}, "a hatalı"},
        {{"2", "1", tip1, "x", "0", "0", "0"}, "Yük hatalı"},
        {{"2", "1", tip1, "0", "0", "0", "0"}, "Yük=0 olamaz"},
        {{"9", "1", tip1, "10", "0", "0", "0"}, "9 nolu eleman-nokta bağı tanımsız"},
        {{"x", "1", tip1, "10", "0", "0", "0"}, "Eleman no hatalı"},
        {{"", "1", tip1, "10", "0", "0", "0"}, "Eleman no hatalı"},
        // a trapezoid starting at zero and one face unheated are loads
        {{"2", "1", tip11, "0", "1", "2", "5"}, ""},
        {{"2", "1", tip13, "0", "0.3", "0", "-10"}, ""},
        {{"2", "1", tip13, "0", "0.3", "0", "0"}, "Yük=0 olamaz"},
        // loads on a spring would be ignored by the calculation
        {{"5", "1", tip1, "10", "0", "0", "0"}, "Bu eleman tipine eleman yükü verilemez"},
        {{"1,6,1,0,0", "1", tip1, "10", "0", "0", "0"},
         "1,6,1,0,0-> 5 nolu elemanların tipine eleman yükü verilemez"},
    };
    for (const auto& [g, mesaj] : durumlar) EXPECT_EQ(ElemanYukuDenetle(g), mesaj) << g.Anahtar << " " << g.YukNo;
}

TEST_F(YukProjesi, NodalLoadSaveChecks) {
    using D = std::array<std::string, 6>;
    EXPECT_EQ(TekilYukDenetle("3", D{"5", "-5", "0", "0", "0", "0"}, 30), "");
    EXPECT_EQ(TekilYukDenetle("3", D{"0", "0", "0", "0", "0", "0"}, 30), "Noktadaki yüklerin tümü sıfır olamaz");
    EXPECT_EQ(TekilYukDenetle("9", D{"5", "0", "0", "0", "0", "0"}, 30), "9 noktasının koordinatları tanımsız");
    EXPECT_EQ(TekilYukDenetle("9", D{"5", "0", "0", "0", "0", "y"}, 30), "Mz hatalı");
    // Pz and Mx do not act on a plane frame: alone they are no load, and
    // beside a real load they are refused by name
    EXPECT_EQ(TekilYukDenetle("3", D{"0", "0", "7", "0", "0", "0"}, 30),
              "Pz yükü bu sistem tipinde kullanılamaz, 0 olmalıdır");
    EXPECT_EQ(TekilYukDenetle("3", D{"1", "0", "0", "2", "0", "0"}, 30),
              "Mx yükü bu sistem tipinde kullanılamaz, 0 olmalıdır");
    EXPECT_EQ(TekilYukDenetle("3", D{"0", "0", "7", "0", "0", "0"}, 60), "");
}

TEST_F(YukProjesi, SupportSaveChecks) {
    using S = std::array<std::string, 6>;
    const std::array<int, 6> xy{1, 1, 0, 0, 0, 0};
    EXPECT_EQ(SinirKosuluDenetle("1", xy, S{"0", "0.005", "Serbest", "Serbest", "Serbest", "Serbest"}, 10), "");
    EXPECT_EQ(SinirKosuluDenetle("1", xy, S{"0", "0", "Serbest", "Serbest", "0.1", "Serbest"}, 40),
              "Y etrafında dönme sınır koşulu hatalı");
    // a rotation held in a truss is refused as the calculation refuses it
    EXPECT_EQ(SinirKosuluDenetle("1", {1, 1, 0, 1, 0, 0}, S{"0", "0", "Serbest", "0", "Serbest", "Serbest"}, 10),
              "1 nolu noktanın Fix sınır koşulu bu sistem tipinde kullanılamaz, Serbest olmalıdır");
    // a field left empty in a stored row shows as free
    int secim = 1;
    std::string metin;
    SinirKosuluGoster("", secim, metin);
    EXPECT_EQ(std::to_string(secim) + metin, "0Serbest");
}

TEST_F(YukProjesi, KeysThatWouldBreakTheReadersAreRefused) {
    Satir(Tablolar.Yukler, {{"NoktaNo", "3"}, {"Px", "1"}});
    EXPECT_EQ(TekilYukAnahtariniDenetle("1,5,1,0,0"), "1,5,1,0,0->3 nolu noktada yükler tekrar verilmiş");
    EXPECT_EQ(TekilYukAnahtariniDenetle("4,6,1,0,0"), "");
    EXPECT_EQ(TekilYukAnahtariniDenetle("3"), "");  // the row the save overwrites
    EXPECT_EQ(TekilYukAnahtariniDenetle("2,9,1,0,0"), "2,9,1,0,0->7 noktası tanımsız, türet tamamlanamadı");
    Satir(Tablolar.Yukler, {{"NoktaNo", "4,6,1,0,0"}, {"Py", "-2"}});
    EXPECT_EQ(TekilYukAnahtariniDenetle("5"), "5 nolu noktanın yükleri tekrar verilmiş");
    TekilYukleriniOku();
    EXPECT_EQ(Hata, 0);
    EXPECT_EQ(Tablolar.TYUK.RecordCount(), 4);

    Satir(Tablolar.SinirKosullari, {{"NoktaNo", "1,3,2,0,0"}, {"Ux", "0"}, {"Uy", "0"}, {"Uz", "Serbest"},
                                    {"Fix", "Serbest"}, {"Fiy", "Serbest"}, {"Fiz", "0"}});
    EXPECT_EQ(SinirKosuluAnahtariniDenetle("3"), "3 nolu noktanın sınır koşulları tekrar verilmiş");
    EXPECT_EQ(SinirKosuluAnahtariniDenetle("3,5,1,0,0"), "3,5,1,0,0->3 nolu noktada sınır koşulları tekrar verilmiş");
    EXPECT_EQ(SinirKosuluAnahtariniDenetle("1,3,2,0,0"), "");
    SinirKosullariniOku();
    EXPECT_EQ(Hata, 0);
    EXPECT_EQ(Tablolar.SK.RecordCount(), 2);

    Satir(Tablolar.ElemanYukleri, {{"ElemanNo", "4"}, {"YukNo", "1"}, {"YukTipi", "1"}, {"Yuk", "10"}});
    EXPECT_EQ(ElemanYukuAnahtariniDenetle("1,4,1,0,0", "1"), "Eleman=4 Yük no=1 yük tekrar tanımlanmiş");
    EXPECT_EQ(ElemanYukuAnahtariniDenetle("1,4,1,0,0", "2"), "");
    EXPECT_EQ(ElemanYukuAnahtariniDenetle("4", "1"), "");
    EXPECT_EQ(ElemanYukuAnahtariniDenetle("1,7,2,0,0", "2"), "1,7,2,0,0-> tanımsız elemana yük verilemez");
}

}  // namespace
