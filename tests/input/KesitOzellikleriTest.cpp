// Section properties and the profile catalogue.
#include <gtest/gtest.h>

#include "TestYardim.h"
#include "input/KesitOzellikleri.h"
#include "input/KesitTipiDuzeni.h"
#include "model/VeriTabani.h"

namespace {

using Metinler = std::array<std::string, 11>;
const auto Hesapla = [](const char* tip, std::array<std::string, 4> boyut, const std::string& profil = "") {
    return KesitHesapla(tip, boyut, profil);
};

TEST(KesitOzellikleri, LaboratorySectionKeepsItsSmallValuesAndPassesTheSaveChecks) {
    // 20 × 10 mm: Iz = 0.02·0.01³/12, Iy = 0.01·0.02³/12,
    // J = (0.01³·0.02/3)·(1 − 0.315 + 0.0053/32)
    const auto r = Hesapla("1:Dikdörtgen", {"0.02", "0.01", "0", "0"});
    ASSERT_TRUE(r.Basarili);
    EXPECT_EQ(r.Sonuclar[1], "4.5677708E-9");
    EXPECT_EQ(r.Sonuclar[2], "6.6666667E-9");
    EXPECT_EQ(r.Sonuclar[3], "1.6666667E-9");
    EXPECT_EQ(KesitDenetle("1", 1, r.Sonuclar), "");
}

TEST(KesitOzellikleri, BoxTorsionIsBredtsThinWalledValue) {
    // square box of mid-line side a = 0.29, wall 0.01: J = 4·(a²)²·t/(4a) = a³·t
    const auto r = Hesapla("6:Kutu", {"0.01", "0.3", "0.3", "0.01"});
    ASSERT_TRUE(r.Basarili);
    EXPECT_EQ(r.Sonuclar[1], "0.00024389");
    EXPECT_EQ(r.Sonuclar[0], "0.0116");  // 0.09 − 0.28²
}

TEST(KesitOzellikleri, ProportionsAreRefusedOrAcceptedAtTheirLimits) {
    struct Durum {
        const char* tip;
        std::array<std::string, 4> boyut;  // bw, h, b, t
        const char* mesaj;                 // "" accepted
    };
    const Durum durumlar[] = {
        {"2:Tablalı", {"0.3", "0.5", "0.2", "0.1"}, "b<bw ve t>h olamaz"},
        {"2:Tablalı", {"0.3", "0.5", "0.6", "0.6"}, "b<bw ve t>h olamaz"},
        {"2:Tablalı", {"0.3", "0.5", "0.6", "0.5"}, ""},
        {"3:I", {"0.01", "0.2", "0.1", "0.11"}, "b<bw ve h<2t olamaz"},
        {"3:I", {"0.01", "0.2", "0.1", "0.1"}, ""},
        {"5:Halka", {"0.2", "0", "0", "0.11"}, "bw ve t uyumsuz, halka oluşturmuyor"},
        {"5:Halka", {"0.2", "0", "0", "0.1"}, ""},
        {"6:Kutu", {"0.2", "0.5", "0.3", "0.01"}, "b<2bw ve h<2t olamaz"},
        {"6:Kutu", {"0.01", "0.5", "0.3", "0.3"}, "b<2bw ve h<2t olamaz"},
        {"6:Kutu", {"0.15", "0.5", "0.3", "0.01"}, ""},
    };
    for (const auto& d : durumlar) {
        const auto r = Hesapla(d.tip, d.boyut);
        EXPECT_EQ(r.Basarili, *d.mesaj == 0) << d.tip << " " << d.boyut[3];
        EXPECT_EQ(r.Mesaj, d.mesaj) << d.tip;
        EXPECT_EQ(r.Baslik, *d.mesaj ? "HATA:" : "");
    }
}

TEST(KesitOzellikleri, BadInputsGiveTheLastFailingMessage) {
    EXPECT_EQ(Hesapla("", {"0.3", "0.5", "0", "0"}).Mesaj, "Kesit seçilmemiş");
    EXPECT_EQ(Hesapla("1:Dikdörtgen", {"0,3", "0.5", "0", "0"}).Mesaj, "b hatalı");
    EXPECT_EQ(Hesapla("3:I", {"x", "0", "0", "0"}).Mesaj, "t hatalı");
    const auto yay = Hesapla("7:Eksenel yay", {"x", "x", "x", "x"});
    ASSERT_TRUE(yay.Basarili);
    EXPECT_EQ(yay.Sonuclar, (Metinler{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST(KesitOzellikleri, SpringAndIsolatorBoundsNameTheChangedLabels) {
    const Metinler sifir{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
    EXPECT_EQ(KesitDenetle("1", 7, sifir), "Keksenel hatalı");
    EXPECT_EQ(KesitDenetle("1", 29, sifir), "Kkesme hatalı");
    EXPECT_EQ(KesitDenetle("1001", 100, sifir), "Kesit no hatalı");
    EXPECT_EQ(KesitDenetle("150", 100, sifir), "");
}

class Katalog : public ::testing::Test {
protected:
    GeciciKlasor klasor;
    void SetUp() override {
        TemizBasliksizArayuz();
        CalismaTablolariniAc(klasor.Yol().string());
    }
    void TearDown() override { TumTablolariKapat(); }
};

TEST_F(Katalog, Ipe200FromItsCatalogueRow) {
    // h 200, b 100, bw 5.6, t 8.5 mm; A 28.5 cm²; iy 142, iz 1940 cm⁴.
    // J = 0.43·(2·0.1·0.0085³ + 0.0056³·0.1915) = 6.727584952E-8
    std::string h, mesaj;
    ASSERT_TRUE(ProfilSec("IPE200", h, mesaj));
    EXPECT_EQ(h, "0.2");
    const auto r = Hesapla("12:IPE profil", {"0", h, "0", "0"}, "IPE200");
    ASSERT_TRUE(r.Basarili) << r.Mesaj;
    EXPECT_EQ(r.Boyutlar, (std::array<std::string, 4>{"0.0056", "0.2", "0.1", "0.0085"}));
    EXPECT_EQ(r.Sonuclar, (Metinler{"0.00285", "6.727585E-8", "1.42E-6", "1.94E-5", "0.0010724", "0.2", "0.1",
                                    "0.0017", "0.1", "0.05", "0"}));
}

TEST_F(Katalog, ProfileTypeWithoutAChosenProfileAsksForOne) {
    const auto r = Hesapla("12:IPE profil", {"0", "0", "0", "0"});
    EXPECT_FALSE(r.Basarili);
    EXPECT_EQ(r.Mesaj, "Profil seçilmemiş. Profili listeden seçiniz (h(m): kutusuna çift tıklayın)");
    EXPECT_EQ(r.Baslik, "UYARI:");
    EXPECT_EQ(Hesapla("12:IPE profil", {"0", "0.2", "0", "0"}, "IPE210").Mesaj, "IPE210 profil tanımlı değil");
}

TEST_F(Katalog, FamilyListsAreAlphabetical) {
    const auto ipe = ProfilListesi("12:IPE profil");
    ASSERT_EQ(ipe.size(), 18u);
    EXPECT_EQ(ipe[0] + ipe[1] + ipe[16] + ipe[17], "IPE100IPE120IPE600IPE80");
}

}  // namespace
