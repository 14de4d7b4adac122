// Material presets and checks, the next free number, the element links of a
// material or section and the system-type guard.
#include <gtest/gtest.h>

#include "TestYardim.h"
#include "input/EditorKurallari.h"
#include "input/MalzemeOnAyarlari.h"
#include "model/VeriTabani.h"

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

TEST(MalzemeOnAyarlari, SteelOtherTypedAndUnreadableNames) {
    const OnAyar celik = MalzemeOnAyari("Yapı çeliği");
    ASSERT_EQ(celik.Sonuc, OnAyarSonucu::Uygula);
    EXPECT_EQ(celik.Sabitler.E + " " + celik.Sabitler.Nu + " " + celik.Sabitler.Ro + " " + celik.Sabitler.Alfa,
              "2.1E8 0.30 7.85 1.2E-5");
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

class Proje : public ::testing::Test {
protected:
    GeciciKlasor klasor;
    void SetUp() override {
        TemizBasliksizArayuz();
        const std::string proje = klasor.Dosya("Deneme.mdb");
        BosSablonuYaz(proje);
        ProjeTablolariniAc(proje);
        CalismaTablolariniAc(klasor.Yol().string());
    }
    void TearDown() override { TumTablolariKapat(); }
    static void Satir(Tablo& t, std::initializer_list<std::pair<const char*, std::string>> alanlar) {
        t.Append();
        for (const auto& [ad, deger] : alanlar) t.FieldByName(ad).SetString(deger);
        t.Post();
    }
};

TEST_F(Proje, NextNumberIsTheSmallestUnused) {
    Tablo& k = Tablolar.KesitBilgileri;
    EXPECT_EQ(EnKucukBosNumara(k, "KesitNo"), 1);
    for (const char* no : {"1", "3"}) Satir(k, {{"KesitNo", no}, {"A", "0.01"}});
    EXPECT_EQ(EnKucukBosNumara(k, "KesitNo"), 2);
    for (const char* no : {"2", "5"}) Satir(k, {{"KesitNo", no}, {"A", "0.01"}});
    EXPECT_EQ(EnKucukBosNumara(k, "KesitNo"), 4);
}

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
    EXPECT_EQ(SilmeSorusu(true, "1", 4),
              "1 nolu malzeme veri tabanından silinecek\r4 eleman bu malzemeyi kullanıyor; silinirse hesap "
              "yapılamaz\rDevam edeyim mi?");
    EXPECT_EQ(SilmeSorusu(false, "3", 0), "3 nolu kesit veri tabanından silinecek\rDevam edeyim mi?");
}

TEST_F(Proje, SystemTypeGuardWithAndWithoutData) {
    std::string mesaj;
    Satir(Tablolar.AnaVeriler, {{"ProbleminTanimi", "yalnız açıklama"}});
    EXPECT_TRUE(SistemDegisebilirMi("20:Uzay kafes", "30:Düzlem çerçeve", mesaj));
    EXPECT_EQ(mesaj, "");
    Satir(Tablolar.MalzemeBilgileri, {{"MalzemeNo", "1"}, {"E", "2E8"}});
    EXPECT_FALSE(SistemDegisebilirMi("20:Uzay kafes", "30:Düzlem çerçeve", mesaj));
    EXPECT_EQ(mesaj,
              "Düzlem çerçeve verileri var, sistemi değiştiremezsiniz.\rYa tüm verileri silin ya da yeni boş bir "
              "veri tabanı açın");
    EXPECT_TRUE(SistemDegisebilirMi("30:Düzlem çerçeve", "30:Düzlem çerçeve", mesaj));
    EXPECT_TRUE(SistemDegisebilirMi("30:Düzlem çerçeve", "", mesaj));  // unknown stored system
}

}  // namespace
