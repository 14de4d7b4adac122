// Material presets and checks, and the element links of a material or
// section.
#include <gtest/gtest.h>

#include "EditorYardim.h"
#include "input/EditorKurallari.h"
#include "input/MalzemeOnAyarlari.h"

namespace {

TEST(MalzemeOnAyarlari, ConcreteModulusFromTheClassStrength) {
    const std::pair<const char*, const char*> durumlar[] = {
        {"Beton: C16/20", "27000000"},    // (3250·4 + 14000)·1000
        {"Beton: C18/22", "27788582"},    // 27788582.23
        {"Beton: C25/30", "30250000"},
        {"Beton: C100/115", "46500000"},
    };
    for (const auto& [ad, e] : durumlar) {
        const OnAyar o = MalzemeOnAyari(ad);
        ASSERT_EQ(o.Sonuc, OnAyarSonucu::Uygula) << ad;
        EXPECT_EQ(o.Sabitler.E, e) << ad;
        EXPECT_EQ(o.Sabitler.Nu + " " + o.Sabitler.Ro + " " + o.Sabitler.Alfa, "0.20 2.5 1E-5");
    }
}

TEST(MalzemeOnAyarlari, OtherTypedAndUnreadableNames) {
    EXPECT_EQ(MalzemeOnAyari("Diğer").Sonuc, OnAyarSonucu::Temizle);
    EXPECT_EQ(MalzemeOnAyari("Ahşap").Sonuc, OnAyarSonucu::Yok);
    EXPECT_EQ(MalzemeOnAyari("").Sonuc, OnAyarSonucu::Yok);
    for (const char* ad : {"Beton", "Beton: C", "Beton: Cx/30"}) {
        const OnAyar o = MalzemeOnAyari(ad);
        EXPECT_EQ(o.Sonuc, OnAyarSonucu::Hata) << ad;
        EXPECT_FALSE(o.Mesaj.empty());
    }
}

TEST(MalzemeOnAyarlari, SaveChecksReturnTheLastFailingMessage) {
    const MalzemeSabitleri iyi{"2.1E8", "0.3", "7.85", "1.2E-5"};
    struct Durum {
        const char* no;
        const char* ad;
        MalzemeSabitleri s;
        const char* mesaj;
    };
    const Durum durumlar[] = {
        {"1", "Ahşap", iyi, ""},
        {"150", "Beton: C25/30", {"30250000", "0.499", "10", "1"}, ""},
        {"1", " ", iyi, "Malzeme seçilmemiş"},
        {"1", "Çok uzun malzeme adı", iyi, "Malzeme adı en çok 15 karakter olabilir"},
        {"1001", "Çelik", iyi, "Malzeme no hatalı"},
        {"1", "Çelik", {"0", "0.3", "7.85", "0"}, "E hatalı"},
        {"1", "Çelik", {"2.1E8", "0.5", "7.85", "0"}, "Nu hatalı"},
        {"1", "Çelik", {"2.1E8", "0,35", "7.85", "0"}, "Nu hatalı"},
        {"1", "Çelik", {"0", "0.3", "7.85", "2"}, "Alfa hatalı"},
    };
    for (const auto& d : durumlar) EXPECT_EQ(MalzemeDenetle(d.no, d.ad, d.s), d.mesaj) << d.ad;
}

class Proje : public ProjeDenemesi {
protected:
    void SetUp() override { ProjeyiAc(); }
};

TEST_F(Proje, ElementLinksOfAMaterialAndASection) {
    // elements 1..5 in ED
    for (int n = 1; n <= 5; ++n) {
        Tablolar.ED.Append();
        Tablolar.ED.FieldByName("ElemanNo").SetInteger(n);
        Tablolar.ED.Post();
    }
    auto bag = [&](const char* no, const char* m, const char* k) {
        Satir(Tablolar.ElemanMalzemeKesitMafsalbagi,
              {{"ElemanNO", no}, {"MalzemeNo", m}, {"KesitNo", k}, {"MafsalTipi", "00"}});
    };
    bag("1", "1", "2");
    bag("2,4,1,0,0", "1", "1");
    bag("4", "1", "1");  // element 4 again: counted once
    bag("5", "2", "1");
    EXPECT_EQ(KullananElemanSayisi("MalzemeNo", 1), 4);
    EXPECT_EQ(KullananElemanSayisi("MalzemeNo", 2), 1);
    EXPECT_EQ(KullananElemanSayisi("KesitNo", 1), 4);
    EXPECT_EQ(KullananElemanSayisi("KesitNo", 3), 0);
    EXPECT_EQ(SilmeSorusu(false, "3", 0), "3 nolu kesit veri tabanından silinecek\rDevam edeyim mi?");
}

}  // namespace
