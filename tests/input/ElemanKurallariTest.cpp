// Rules of the element-node and element-material-section-hinge editors.
#include <gtest/gtest.h>

#include "EditorYardim.h"
#include "input/ElemanMalzemeKurallari.h"
#include "input/ElemanNoktaKurallari.h"
#include "model/Oku.h"

namespace {

TEST(MafsalKutulari, ExclusionsAndTheCodeAfterEachClick) {
    // clicks in order (box, checked) → the warning of the last click and the code
    struct Durum {
        std::vector<std::pair<int, bool>> Tik;
        const char* Uyari;
        const char* Kod;
    };
    const Durum durumlar[] = {
        {{{4, true}, {1, true}}, "Normal kuvvet mafsalı elemanın sadece bir ucunda olabilir", "04"},
        {{{1, true}, {4, true}}, "Normal kuvveti mafsalı elemanın sadece bir ucunda olabilir", "01"},
        {{{2, true}, {5, true}}, "Kesme kuvveti mafsalı elemanın sadece bir ucunda olabilir", "02"},
        {{{3, true}, {6, true}, {2, true}}, "İki moment ve bir kesme mafsalı beraber olamaz", "0306"},
        {{{5, true}, {3, true}, {6, true}}, "İki moment ve bir kesme mafsalı beraber olamaz", "0305"},
        {{{1, true}, {2, true}, {3, true}}, "", "010203"},
        {{{3, true}, {3, false}}, "", "00"},
        {{{3, true}, {6, true}, {0, true}}, "", "00"},
        {{{0, false}}, "", "00"},
    };
    for (const Durum& d : durumlar) {
        MafsalKutulari K{true};
        std::string uyari;
        for (auto [kutu, isaret] : d.Tik) uyari = MafsalKutusunaTikla(K, kutu, isaret);
        EXPECT_EQ(uyari, d.Uyari) << d.Kod;
        EXPECT_EQ(MafsalKodu(K), d.Kod);
        EXPECT_EQ(K[0], std::string(d.Kod) == "00");
    }
    std::vector<std::string> uyarilar;
    EXPECT_EQ(MafsalKodu(MafsalKutulariniKur("0104", uyarilar)), "01");
    EXPECT_EQ(uyarilar, std::vector<std::string>{"Normal kuvveti mafsalı elemanın sadece bir ucunda olabilir"});
    EXPECT_TRUE(MafsalKutulariEtkin(30));
    EXPECT_FALSE(MafsalKutulariEtkin(40));
}

// A project of nodes 1 (0,0), 2 (0,2), 3 (3,2), 4 (3,0), 5 (6,0) and the
// elements and links given, opened and expanded into the scratch tables.
class ElemanProjesi : public ProjeDenemesi {
protected:
    void Ac(const std::string& Sql) {
        ProjeyiAc(Sql::Noktalar({{"1", 0, 0}, {"2", 0, 2}, {"3", 3, 2}, {"4", 3, 0}, {"5", 6, 0}}) + Sql);
        KoordinatlariOku();
        ElemanNoktaBaginiOku();
        ASSERT_EQ(Hata, 0);
    }
};

TEST_F(ElemanProjesi, NodeChecksInStagesWithTheCalculationsShapeMessages) {
    Ac("");
    struct Durum {
        const char* Anahtar;
        const char* Tip;
        std::array<std::string, 4> N;
        const char* Mesaj;
    };
    const char* levha = "51:Dörtgen levha(düzlem gerilme)";
    const Durum durumlar[] = {
        {"7", levha, {"1", "2", "3", "4"}, ""},
        {"7", levha, {"1", "4", "3", "2"},
         "7.elemanın düğüm noktaları saat yönünün tersine sıralanmış; i, j, k, L saat yönünde verilmeli"},
        {"7", levha, {"1", "2", "3", "5"}, "7.elemanın düğüm noktaları bir dikdörtgen oluşturmuyor"},
        {"8", "50:Üçgen levha(düzlem gerilme)", {"1", "4", "5", "0"},
         "8.elemanın alanı sıfır (üç düğüm noktası bir doğru üzerinde)"},
        {"9", "60:Dörtgen plak", {"4", "3", "2", "1"},
         "9.elemanın L noktası i noktasının +X yönünde, j noktası i noktasının +Y yönünde olmalı (i, j, k, L saat "
         "yönünde)"},
        {"2", "40:Uzay çerçeve", {"1", "4", "10002", "0"}, ""},
        {"2", "41:Deprem  izolatörü", {"1", "4", "10002", "0"}, ""},
        {"2", "40:Uzay çerçeve", {"1", "4", "-5", "0"}, "-5 noktasının koordinatları verilmemiş"},
        {"2", "50:Üçgen levha(düzlem gerilme)", {"1", "4", "10002", "0"}, "10002 noktasının koordinatları verilmemiş"},
        {"3", "30:Düzlem çerçeve", {"8", "9", "0", "0"}, "8 noktasının koordinatları verilmemiş"},
        {"3", "30:Düzlem çerçeve", {"2", "2", "0", "0"}, "İki farklı nokta aynı numaralı olamaz"},
        {"3", "30:Düzlem çerçeve", {"1", "2", "0,35", "0"}, "k noktası hatalı"},  // unused, but must fit its column
        {"3", "30:Düzlem çerçeve", {"1", "2", "0", "40000"}, "L noktası hatalı"},
        {"0", "30:Düzlem çerçeve", {"x", "2", "0", "0"}, "i noktası hatalı"},  // the later of two failures
        {"10001", "", {"1", "2", "0", "0"}, "Eleman tipi hatalı"},
    };
    for (const Durum& d : durumlar) {
        ElemanNoktaKaydi k;
        EXPECT_EQ(ElemanNoktaDenetle({d.Anahtar, *d.Tip ? 0 : -1, d.Tip, d.N}, k), d.Mesaj) << d.Anahtar << d.Tip;
    }
    EXPECT_EQ(Hata, 0);
}

TEST_F(ElemanProjesi, GenerationKeysStepNodesEvenlyAndTakeTheStartType) {
    Ac(Sql::Elemanlar({{"1", 30, 1, 2}, {"4", 30, 4, 6}, {"5", 30, 2, 3}, {"8", 30, 5, 9},
                       {"11", 51, 1, 2, 3, 4}, {"12", 51, 2, 3, 4, 5}}));
    struct Durum {
        const char* Anahtar;
        const char* Mesaj;
    };
    const Durum durumlar[] = {
        {"1,4,1,0,0", "j noktası numaraları verilen adımla türetilemiyor"},  // j 2 → 6 in 3 steps
        {"5,8,1,0,0", ""},
        {"11,12,1,0,0", ""},
    };
    for (const Durum& d : durumlar) {
        ElemanNoktaKaydi k;
        EXPECT_EQ(ElemanTuretDenetle({d.Anahtar, 0, "30:Düzlem çerçeve", {"0", "0", "0", "0"}}, k), d.Mesaj);
    }
    // a surface key saved with a bar type chosen in the list: the row takes
    // the start's type, so the expansion steps k and L too
    ElemanNoktaKaydi k;
    ASSERT_EQ(ElemanTuretDenetle({"11,12,1,0,0", 0, "10:Düzlem kafes", {"0", "0", "0", "0"}}, k), "");
    EXPECT_EQ(k.ElemanTipi, 51);
}

TEST_F(ElemanProjesi, MaterialSectionChecksForPlainRowsAndKeys) {
    Ac(Sql::Malzeme("1, 'Çelik', 2E8, 0.3, 7.85, 1.2E-5") + Sql::Malzeme("5, 'Ahşap', 1E7, 0.3, 0.6, 0") +
       Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") + Sql::Kesit("A", "7, '12:IPE profil', 0.002") +
       Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 31, 2, 3}, {"3", 32, 3, 4}}));
    EXPECT_EQ(MalzemeListesi(), (std::vector<std::string>{"1:Çelik", "5:Ahşap"}));
    EXPECT_EQ(ListeSirasi(KesitListesi(), "7"), 1);
    struct Durum {
        const char *Anahtar, *Malzeme, *Kesit, *Mafsal, *Mesaj, *Yazilan;
    };
    const Durum durumlar[] = {
        {"1", "5", "7", "03", "", "03"},  // material 5 beside material 1
        {"2", "1", "1", "00", "", "0306"},
        {"3", "1", "1", "00", "", "0405"},
        {"1,3,1,0,0", "1", "1", "03", "", "03"},  // each spring of a key is set by the reader
        {"9", "1", "1", "00", "9 nolu eleman tanımsız", ""},
        {"1", "3", "1", "00", "3 nolu malzeme tanımsız", ""},
        {"1,3,1,0,0", "3", "2", "00", "2 nolu kesit tanımsız", ""},
        {"1,3,1,0,0", "0,35", "1", "00", "Malzeme no hatalı", ""},
        {"x", "1001", "1", "", "Mafsal tipi hatalı", ""},
    };
    for (const Durum& d : durumlar) {
        ElemanMalzemeKaydi k;
        EXPECT_EQ(ElemanMalzemeDenetle(d.Anahtar, d.Malzeme, d.Kesit, d.Mafsal, k), d.Mesaj) << d.Anahtar;
        EXPECT_EQ(k.MafsalTipi, d.Yazilan) << d.Anahtar;
    }
    // a key over mixed types: the springs keep their own codes
    Tablo& bag = Tablolar.ElemanMalzemeKesitMafsalbagi;
    bag.Append();
    bag.FieldByName("ElemanNO").SetString("1,3,1,0,0");
    bag.FieldByName("MalzemeNo").SetInteger(5);
    bag.FieldByName("KesitNo").SetInteger(7);
    bag.FieldByName("MafsalTipi").SetString("03");
    bag.Post();
    ElemanMalzemeKesitMafsalBaginiOku();
    ASSERT_EQ(Hata, 0);
    const char* beklenen[] = {"03", "0306", "0405"};
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(Tablolar.ED.Locate("ElemanNo", n));
        EXPECT_EQ(Tablolar.ED.FieldByName("MafsalTipi").AsString(), beklenen[n - 1]);
    }
    EXPECT_EQ(MafsalSayisi, 5);
}

}  // namespace
