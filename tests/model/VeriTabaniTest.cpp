#include "model/VeriTabani.h"

#include <gtest/gtest.h>

#include <fstream>

#include "TestYardim.h"
#include "model/Tipler.h"

namespace {

class VeriTabaniTest : public ::testing::Test {
protected:
    GeciciKlasor klasor;
    void SetUp() override { TemizBasliksizArayuz(); }
    void TearDown() override { TumTablolariKapat(); }

    std::string Proje() {
        std::string d = klasor.Dosya("Proje.mdb");
        BosSablonuYaz(d);
        return d;
    }
};

TEST_F(VeriTabaniTest, EmptyTemplateHoldsTheNineTablesAndOneMainDataRow) {
    std::string d = Proje();
    ProjeTablolariniAc(d);
    auto& T = Tablolar;
    for (Tablo* t : T.ProjeTablolari) ASSERT_TRUE(t->Active()) << t->Ad();
    ASSERT_EQ(T.AnaVeriler.RecordCount(), 1);
    EXPECT_EQ(T.AnaVeriler.FieldByName("Sistem").AsString(), "10:Düzlem kafes");
    EXPECT_EQ(T.AnaVeriler.FieldByName("KoordinatSistemiNo").AsInteger(), 1);
    EXPECT_EQ(T.AnaVeriler.FieldByName("ProbleminTanimi").AsString(), "");
    for (int i = 1; i < 9; ++i) EXPECT_EQ(T.ProjeTablolari[i]->RecordCount(), 0);

    // columns by their sizes and types
    Tablo& k = T.Koordinatlar;
    k.Append();
    k.FieldByName("NoktaNo").SetString("1,2345678901234567890,1,0"); // 25 characters
    EXPECT_THROW(k.FieldByName("NoktaNo").SetString("1,2345678901234567890,1,00"), TabloHatasi);
    k.FieldByName("X1").SetString("2.5");
    k.Post();
    Tablo& m = T.ElemanMalzemeKesitMafsalbagi;
    m.Append();
    m.FieldByName("ElemanNO").SetString("1");
    m.FieldByName("MafsalTipi").SetString(std::string(24, '0'));
    EXPECT_THROW(m.FieldByName("MafsalTipi").SetString(std::string(25, '0')), TabloHatasi);
    m.FieldByName("MalzemeNo").SetInteger(40000);
    EXPECT_THROW(m.Post(), TabloHatasi);
    m.FieldByName("MalzemeNo").SetInteger(1);
    m.Post();
    // project tables have no key: the same element twice is stored
    m.Append();
    m.FieldByName("ElemanNO").SetString("1");
    m.Post();
    EXPECT_EQ(m.RecordCount(), 2);
    // the section table object names its field "Iz"
    Tablo& kb = T.KesitBilgileri;
    kb.Append();
    kb.FieldByName("Iz").SetFloat(1.94e-5);
    kb.Post();
    EXPECT_EQ(kb.FieldByName("iz").Text(), "1.94E-5");

    // every post is in the file at once
    Tablo ayri("Koordinatlar");
    ayri.DosyaAyarla(d);
    TumTablolariKapat();
    ayri.Open();
    ASSERT_EQ(ayri.RecordCount(), 1);
    EXPECT_EQ(ayri.FieldByName("X1").Text(), "2.5");
}

TEST_F(VeriTabaniTest, WorkingDatabasesAreWrittenAndOpened) {
    CalismaTablolariniAc(klasor.Dosya("VerilerOrtak"));
    auto& T = Tablolar;
    for (const char* ad : {"YazBoz.mdb", "ElemanKuvvetleriCizim.mdb", "Profiller.mdb"})
        EXPECT_TRUE(std::filesystem::exists(klasor.Yol() / "VerilerOrtak" / ad)) << ad;
    for (Tablo* t : {&T.XYZ, &T.ED, &T.TYUK, &T.EYUK, &T.SK, &T.ElemanKuvvetleriCizim}) {
        EXPECT_TRUE(t->Active()) << t->Ad();
        EXPECT_TRUE(t->Hizli()) << t->Ad();
        EXPECT_EQ(t->RecordCount(), 0) << t->Ad();
    }
    EXPECT_FALSE(T.Profiller.Hizli());
    EXPECT_EQ(T.ElemanKuvvetleriCizim.AlanAdlari().size(), 40u);

    // scratch keys: 16-bit, not repeated
    T.TYUK.Append();
    T.TYUK.FieldByName("NoktaNo").SetInteger(32768);
    EXPECT_THROW(T.TYUK.Post(), TabloHatasi);
    T.TYUK.FieldByName("NoktaNo").SetInteger(7);
    T.TYUK.FieldByName("Px").SetString("");  // an empty load value stays empty
    T.TYUK.Post();
    EXPECT_TRUE(T.TYUK.FieldByName("Px").IsNull());
    T.TYUK.Append();
    T.TYUK.FieldByName("NoktaNo").SetInteger(7);
    EXPECT_THROW(T.TYUK.Post(), TabloHatasi);
    T.TYUK.Cancel();
    // element loads may repeat their element
    for (int y = 1; y <= 2; ++y) {
        T.EYUK.Append();
        T.EYUK.FieldByName("ElemanNo").SetInteger(4);
        T.EYUK.FieldByName("YukNo").SetInteger(y);
        T.EYUK.Post();
    }
    EXPECT_EQ(T.EYUK.RecordCount(), 2);
    // the drawing table's memo fields take long texts
    Tablo& c = T.ElemanKuvvetleriCizim;
    c.Append();
    c.FieldByName("ElemanNo").SetInteger(1);
    c.FieldByName("Nx").SetString(std::string(5000, '1'));
    c.Post();
    EXPECT_EQ(c.FieldByName("Nx").AsString().size(), 5000u);

    // opened again: the existing files are kept
    CalismaTablolariniAc(klasor.Dosya("VerilerOrtak"));
    EXPECT_EQ(T.TYUK.RecordCount(), 1);
}

TEST_F(VeriTabaniTest, AFileInUseIsNotWrittenOver) {
    std::string d = Proje();
    ProjeTablolariniAc(d);
    EXPECT_TRUE(DosyaKullaniliyor(d));
    EXPECT_THROW(BosSablonuYaz(d), TabloHatasi);
    EXPECT_EQ(Tablolar.AnaVeriler.RecordCount(), 1);
    TumTablolariKapat();
    EXPECT_FALSE(DosyaKullaniliyor(d));
    // a journal left by a killed process is not played into the new file
    std::ofstream(d + "-journal") << std::string(4096, 'j');
    BosSablonuYaz(d);
    EXPECT_FALSE(std::filesystem::exists(d + "-journal"));
    ProjeTablolariniAc(d);
    EXPECT_EQ(Tablolar.AnaVeriler.RecordCount(), 1);
}

TEST_F(VeriTabaniTest, DamagedWorkingDatabaseIsWrittenAnew) {
    std::string k = klasor.Dosya("VerilerOrtak");
    std::filesystem::create_directories(k);
    {
        std::ofstream f(k + "/YazBoz.mdb");
        for (int i = 0; i < 200; ++i) f << "bozuk dosya içeriği, veri tabanı değil\n";
    }
    ASSERT_NO_THROW(CalismaTablolariniAc(k));
    EXPECT_TRUE(Tablolar.XYZ.Active());
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 0);
}

TEST_F(VeriTabaniTest, ProfileCatalogue) {
    CalismaTablolariniAc(klasor.Dosya("VerilerOrtak"));
    Tablo& p = Tablolar.Profiller;
    ASSERT_EQ(p.RecordCount(), 133);
    ASSERT_TRUE(p.Locate("Kesit", "IPE200"));
    EXPECT_EQ(p.FieldByName("h").AsFloat(), 200);
    EXPECT_EQ(p.FieldByName("b").AsFloat(), 100);
    EXPECT_EQ(p.FieldByName("bw").AsFloat(), 5.6);
    EXPECT_EQ(p.FieldByName("t").AsFloat(), 8.5);
    EXPECT_EQ(p.FieldByName("A").AsFloat(), 28.5);
    EXPECT_EQ(p.FieldByName("iy").AsFloat(), 142);
    EXPECT_EQ(p.FieldByName("iz").AsFloat(), 1940);
    EXPECT_FALSE(p.Locate("Kesit", "ipe200"));
}

TEST_F(VeriTabaniTest, ProjectFilesThatCannotBeOpenedNameTheirTable) {
    std::string bozuk = klasor.Dosya("bozuk.mdb");
    {
        std::ofstream f(bozuk);
        for (int i = 0; i < 200; ++i) f << "Access dosyası gibi görünen ama olmayan metin\n";
    }
    try {
        ProjeTablolariniAc(bozuk);
        FAIL();
    } catch (const TabloHatasi& h) {
        EXPECT_STREQ(h.what(), "AnaVeriler dosyası açılamadı. Silinmiş veya bozuk olabilir");
    }

    // a table missing, and a column missing: the others are still bound
    std::string d = Proje();
    SqlDosyasiniCalistir(d, "DROP TABLE Yukler; ALTER TABLE ElemanYukleri DROP COLUMN Yuk1;");
    try {
        ProjeTablolariniAc(d);
        FAIL();
    } catch (const TabloHatasi& h) {
        EXPECT_STREQ(h.what(), "Yukler dosyası açılamadı. Silinmiş veya bozuk olabilir");
    }
    EXPECT_TRUE(Tablolar.SinirKosullari.Active());
    EXPECT_TRUE(Tablolar.AnaVeriler.Active());
    EXPECT_FALSE(Tablolar.Yukler.Active());
    EXPECT_FALSE(Tablolar.ElemanYukleri.Active());

    try {
        ProjeTablolariniAc(klasor.Dosya("olmayan.mdb"));
        FAIL();
    } catch (const TabloHatasi& h) {
        EXPECT_STREQ(h.what(), "AnaVeriler dosyası açılamadı. Silinmiş veya bozuk olabilir");
    }
    EXPECT_FALSE(std::filesystem::exists(klasor.Dosya("olmayan.mdb")));
}

}  // namespace
