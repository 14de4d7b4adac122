#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <vector>

#include "TestYardim.h"
#include "platform/Tablo.h"

namespace {

const char* kSema = R"(
CREATE TABLE XYZ (NoktaNo SMALLINT NOT NULL, X1 DOUBLE, X2 DOUBLE, X3 DOUBLE,
                  CONSTRAINT PrimaryKey PRIMARY KEY (NoktaNo));
CREATE TABLE EYUK (ElemanNo SMALLINT, YukNo SMALLINT, YukTipi SMALLINT, Yuk DOUBLE);
CREATE TABLE Proje (Anahtar VARCHAR(5), Deger DOUBLE, Sayi SMALLINT, Tarih DATETIME);
)";

// The connections SQLite opens while this is one of its automatic
// extensions.
std::vector<sqlite3*> acilanBaglantilar;
int BaglantiyiKaydet(sqlite3* db, char**, const sqlite3_api_routines*) {
    acilanBaglantilar.push_back(db);
    return SQLITE_OK;
}

// How long a statement of this connection waits for another's lock, in ms.
int KilitBeklemesi(sqlite3* db) {
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA busy_timeout", -1, &s, nullptr);
    const int ms = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : -1;
    sqlite3_finalize(s);
    return ms;
}

class TabloTest : public ::testing::Test {
protected:
    GeciciKlasor klasor;
    std::string dosya = klasor.Dosya("deneme.mdb");
    void SetUp() override { SqlDosyasiniCalistir(dosya, kSema); }

    void Nokta(Tablo& t, int no, double x1, double x2 = 0, double x3 = 0) {
        t.Append();
        t.FieldByName("NoktaNo").SetInteger(no);
        t.FieldByName("X1").SetFloat(x1);
        t.FieldByName("X2").SetFloat(x2);
        t.FieldByName("X3").SetFloat(x3);
        t.Post();
    }
    static std::vector<int> Sira(Tablo& t, const char* alan) {
        std::vector<int> r;
        for (t.First(); !t.Eof(); t.Next()) r.push_back(t.FieldByName(alan).AsInteger());
        return r;
    }
    void Yuk(Tablo& t, int e, int y, double q) {
        t.Append();
        t.FieldByName("ElemanNo").SetInteger(e);
        t.FieldByName("YukNo").SetInteger(y);
        t.FieldByName("Yuk").SetFloat(q);
        t.Post();
    }
};

TEST_F(TabloTest, AppendedRowsReadBackInOrderAndSurviveReopen) {
    {
        Tablo t("Proje");
        t.DosyaAyarla(dosya);
        t.Open();
        EXPECT_EQ(t.RecordCount(), 0);
        EXPECT_TRUE(t.Eof());
        EXPECT_TRUE(t.Bof());
        t.Append();
        t.FieldByName("Anahtar").SetString("2,5");
        t.FieldByName("Deger").SetString(" 12.5 ");
        t.FieldByName("Sayi").SetString("-7");
        t.Post();
        t.Append();
        t.FieldByName("anahtar").SetString("1");  // names are not case-sensitive
        t.Post();
    }
    Tablo t("Proje");
    t.DosyaAyarla(dosya);
    t.Open();
    ASSERT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(t.FieldByName("Anahtar").AsString(), "2,5");
    EXPECT_DOUBLE_EQ(t.FieldByName("Deger").AsFloat(), 12.5);
    EXPECT_EQ(t.FieldByName("Deger").Text(), "12.5");
    EXPECT_EQ(t.FieldByName("Sayi").AsInteger(), -7);
    t.Next();
    EXPECT_FALSE(t.Eof());
    EXPECT_EQ(t.FieldByName("Anahtar").AsInteger(), 1);
    // empty fields read as 0 and empty text
    EXPECT_TRUE(t.FieldByName("Deger").IsNull());
    EXPECT_EQ(t.FieldByName("Deger").AsFloat(), 0.0);
    EXPECT_EQ(t.FieldByName("Sayi").AsInteger(), 0);
    EXPECT_EQ(t.FieldByName("Deger").Text(), "");
    t.Next();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.FieldByName("Anahtar").AsString(), "1");  // still on the last row
    t.Prior();
    EXPECT_FALSE(t.Eof());
    EXPECT_FALSE(t.Bof());
    EXPECT_EQ(t.RecNo(), 1);
    t.Prior();
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_THROW(t.FieldByName("Yok"), TabloHatasi);
}

TEST_F(TabloTest, LocateFollowsEditsAndDeletes) {
    Tablo t("XYZ");
    t.DosyaAyarla(dosya, true);
    t.Open();
    for (int i = 1; i <= 5; ++i) Nokta(t, i, i * 1.5);
    ASSERT_TRUE(t.Locate("NoktaNo", 3));
    EXPECT_DOUBLE_EQ(t.FieldByName("X1").AsFloat(), 4.5);
    EXPECT_EQ(t.RecNo(), 3);
    // a text or float value finds the integer key
    EXPECT_TRUE(t.Locate("NoktaNo", "4"));
    EXPECT_EQ(t.RecNo(), 4);
    EXPECT_TRUE(t.Locate("NoktaNo", 2.0));
    EXPECT_FALSE(t.Locate("NoktaNo", 2.5));
    EXPECT_FALSE(t.Locate("NoktaNo", "2,5"));
    // a failed locate leaves the cursor where it was
    EXPECT_EQ(t.RecNo(), 2);

    t.Locate("NoktaNo", 3);
    t.Edit();
    t.FieldByName("NoktaNo").SetInteger(30);
    t.Post();
    EXPECT_FALSE(t.Locate("NoktaNo", 3));
    ASSERT_TRUE(t.Locate("NoktaNo", 30));
    EXPECT_DOUBLE_EQ(t.FieldByName("X1").AsFloat(), 4.5);

    ASSERT_TRUE(t.Locate("NoktaNo", 2));
    t.Delete();
    EXPECT_EQ(t.FieldByName("NoktaNo").AsInteger(), 30);  // the next row
    EXPECT_FALSE(t.Locate("NoktaNo", 2));
    ASSERT_TRUE(t.Locate("NoktaNo", 5));
    EXPECT_EQ(t.RecNo(), 4);
    EXPECT_TRUE(t.Locate("X1", 7.5));
    EXPECT_EQ(t.FieldByName("NoktaNo").AsInteger(), 5);

    // a new row with a freed key is found again
    Nokta(t, 2, 99);
    ASSERT_TRUE(t.Locate("NoktaNo", 2));
    EXPECT_EQ(t.RecNo(), 5);
    EXPECT_DOUBLE_EQ(t.FieldByName("X1").AsFloat(), 99);

    // and everything was written through
    t.Close();
    t.Open();
    EXPECT_EQ(Sira(t, "NoktaNo"), (std::vector<int>{1, 30, 4, 5, 2}));
}

TEST_F(TabloTest, LocateOnTextIsExactAndCaseSensitive) {
    Tablo t("Proje");
    t.DosyaAyarla(dosya);
    t.Open();
    for (const char* k : {"ab", "AB", "İş", "1,5"}) {
        t.Append();
        t.FieldByName("Anahtar").SetString(k);
        t.Post();
    }
    EXPECT_TRUE(t.Locate("Anahtar", "AB"));
    EXPECT_EQ(t.RecNo(), 2);
    EXPECT_TRUE(t.Locate("Anahtar", "ab"));
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_FALSE(t.Locate("Anahtar", "Ab"));
    EXPECT_FALSE(t.Locate("Anahtar", "a"));
    EXPECT_FALSE(t.Locate("Anahtar", "iş"));
    EXPECT_TRUE(t.Locate("Anahtar", "İş"));
    EXPECT_TRUE(t.Locate("Anahtar", "1,5"));
    EXPECT_EQ(t.RecNo(), 4);
}

TEST_F(TabloTest, LocateOnTwoFieldsAndTheFirstOfRepeatedValues) {
    Tablo t("EYUK");
    t.DosyaAyarla(dosya, true);
    t.Open();
    Yuk(t, 2, 1, 10);
    Yuk(t, 1, 1, 20);
    Yuk(t, 2, 2, 30);
    Yuk(t, 1, 2, 40);
    EXPECT_TRUE(t.Locate("ElemanNo;YukNo", {1, 2}));
    EXPECT_DOUBLE_EQ(t.FieldByName("Yuk").AsFloat(), 40);
    EXPECT_FALSE(t.Locate("ElemanNo;YukNo", {1, 3}));
    EXPECT_TRUE(t.Locate("ElemanNo", 2));
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_THROW(t.Locate("ElemanNo;YukNo", AnahtarDegeri(1)), TabloHatasi);
    // (Walking an element's loads in sorted order: every element with two loads.)
}

TEST_F(TabloTest, SortOrdersRowsAndPlacesNewOnes) {
    Tablo t("EYUK");
    t.DosyaAyarla(dosya, true);
    t.Open();
    Yuk(t, 3, 1, 1);
    Yuk(t, 1, 2, 2);
    Yuk(t, 1, 1, 3);
    Yuk(t, 2, 1, 4);
    t.SetSort("ElemanNo, YukNo");
    EXPECT_EQ(Sira(t, "Yuk"), (std::vector<int>{3, 2, 4, 1}));
    Yuk(t, 1, 3, 5);
    EXPECT_EQ(t.RecNo(), 3);  // the posted row is current, in its place
    EXPECT_EQ(Sira(t, "Yuk"), (std::vector<int>{3, 2, 5, 4, 1}));
    t.SetSort("ElemanNo DESC, YukNo ASC");
    EXPECT_EQ(Sira(t, "Yuk"), (std::vector<int>{1, 4, 3, 2, 5}));
    t.SetSort("");
    EXPECT_EQ(Sira(t, "Yuk"), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_THROW(t.SetSort("Yok"), TabloHatasi);
}

TEST_F(TabloTest, XyzIndexOrderKeptAfterEveryPost) {
    Tablo t("XYZ");
    t.SetIndexFieldNames("X1;X2;X3");
    t.DosyaAyarla(dosya, true);
    t.Open();
    Nokta(t, 3, 2.0);
    Nokta(t, 1, 0.0);
    Nokta(t, 2, 1.0);
    EXPECT_EQ(Sira(t, "NoktaNo"), (std::vector<int>{1, 2, 3}));
    // equal X1: X2 decides, then X3
    Nokta(t, 4, 1.0, 0.0, -1.0);
    Nokta(t, 5, 1.0, -1.0, 0.0);
    EXPECT_EQ(Sira(t, "NoktaNo"), (std::vector<int>{1, 5, 4, 2, 3}));
    // an edit moves the row, and locating by key still works
    ASSERT_TRUE(t.Locate("NoktaNo", 1));
    t.Edit();
    t.FieldByName("X1").SetFloat(5.0);
    t.Post();
    EXPECT_EQ(t.FieldByName("NoktaNo").AsInteger(), 1);
    EXPECT_EQ(t.RecNo(), 5);
    EXPECT_EQ(Sira(t, "NoktaNo"), (std::vector<int>{5, 4, 2, 3, 1}));
    ASSERT_TRUE(t.Locate("NoktaNo", 3));
    EXPECT_EQ(t.RecNo(), 4);
    // the order comes back after reopening
    t.Close();
    t.Open();
    EXPECT_EQ(Sira(t, "NoktaNo"), (std::vector<int>{5, 4, 2, 3, 1}));
}

// Rows whose sort or index keys are equal keep the order in which they were
// appended: as each is posted, after an edit of another field, and after
// the table is opened again. 40 rows in three groups, more than a sort
// keeps in order by chance.
TEST_F(TabloTest, EqualKeysKeepTheOrderOfAppending) {
    std::vector<int> beklenen;
    for (int g = 0; g < 3; ++g)
        for (int i = 1; i <= 40; ++i)
            if ((i * 7) % 3 == g) beklenen.push_back(i);
    Tablo e("EYUK");
    e.SetSort("ElemanNo");
    Tablo x("XYZ");
    x.SetIndexFieldNames("X1;X2;X3");
    for (Tablo* t : {&e, &x}) {
        t->DosyaAyarla(dosya, true);
        t->Open();
    }
    for (int i = 1; i <= 40; ++i) {
        Yuk(e, (i * 7) % 3, 1, i);
        Nokta(x, i, (i * 7) % 3, 1.5, -2);
    }
    EXPECT_EQ(Sira(e, "Yuk"), beklenen);
    EXPECT_EQ(Sira(x, "NoktaNo"), beklenen);
    ASSERT_TRUE(e.Locate("Yuk", 1.0));
    e.Edit();
    e.FieldByName("YukTipi").SetInteger(3);
    e.Post();
    ASSERT_TRUE(x.Locate("NoktaNo", 1));
    x.Edit();
    x.FieldByName("X2").SetFloat(1.5);
    x.Post();
    EXPECT_EQ(Sira(e, "Yuk"), beklenen);
    EXPECT_EQ(Sira(x, "NoktaNo"), beklenen);
    for (Tablo* t : {&e, &x}) {
        t->Close();
        t->Open();
    }
    EXPECT_EQ(Sira(e, "Yuk"), beklenen);
    EXPECT_EQ(Sira(x, "NoktaNo"), beklenen);
}

TEST_F(TabloTest, DeleteWhileWalking) {
    Tablo t("XYZ");
    t.DosyaAyarla(dosya, true);
    t.Open();
    for (int i = 1; i <= 10; ++i) Nokta(t, i, i);
    t.First();
    while (!t.Eof()) {
        if (t.FieldByName("NoktaNo").AsInteger() % 2 == 0)
            t.Delete();
        else
            t.Next();
    }
    EXPECT_EQ(Sira(t, "NoktaNo"), (std::vector<int>{1, 3, 5, 7, 9}));
    // deleting the last row leaves Eof set on the new last row
    t.Last();
    t.Delete();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.FieldByName("NoktaNo").AsInteger(), 7);
    // emptying row by row
    t.First();
    while (!t.Eof()) t.Delete();
    EXPECT_EQ(t.RecordCount(), 0);
    t.Close();
    t.Open();
    EXPECT_EQ(t.RecordCount(), 0);
}

TEST_F(TabloTest, EditAppendCancelAndMovingPosts) {
    Tablo t("XYZ");
    t.DosyaAyarla(dosya, true);
    t.Open();
    // Edit on an empty table appends
    t.Edit();
    EXPECT_EQ(t.Durum(), TabloDurumu::Ekleme);
    t.FieldByName("NoktaNo").SetInteger(1);
    t.Post();
    EXPECT_EQ(t.RecordCount(), 1);
    t.Edit();
    t.FieldByName("X1").SetFloat(3);
    t.Cancel();
    EXPECT_EQ(t.FieldByName("X1").AsFloat(), 0.0);
    t.Append();
    t.FieldByName("NoktaNo").SetInteger(2);
    t.Cancel();
    EXPECT_EQ(t.RecordCount(), 1);
    // moving the cursor posts a changed row
    t.Append();
    t.FieldByName("NoktaNo").SetInteger(2);
    t.First();
    EXPECT_EQ(t.RecordCount(), 2);
    // setting a field outside edit is refused
    EXPECT_THROW(t.FieldByName("X1").SetFloat(1), TabloHatasi);
}

TEST_F(TabloTest, RefusesValuesTheColumnsCannotHold) {
    Tablo t("XYZ");
    t.DosyaAyarla(dosya, true);
    t.Open();
    Nokta(t, 32767, 1);
    Nokta(t, -32768, 2);
    t.Append();
    t.FieldByName("NoktaNo").SetInteger(32768);
    EXPECT_THROW(t.Post(), TabloHatasi);
    EXPECT_EQ(t.Durum(), TabloDurumu::Ekleme);  // the row stays in edit
    t.FieldByName("NoktaNo").SetInteger(-32769);
    EXPECT_THROW(t.Post(), TabloHatasi);
    // a repeated primary key
    t.FieldByName("NoktaNo").SetInteger(32767);
    try {
        t.Post();
        FAIL() << "repeated key accepted";
    } catch (const TabloHatasi& h) {
        EXPECT_NE(std::string(h.what()).find("NoktaNo"), std::string::npos) << h.what();
    }
    t.FieldByName("NoktaNo").SetInteger(5);
    t.Post();
    EXPECT_EQ(t.RecordCount(), 3);
    // an edit that repeats a key is refused as well and changes nothing
    ASSERT_TRUE(t.Locate("NoktaNo", 5));
    t.Edit();
    t.FieldByName("NoktaNo").SetInteger(-32768);
    EXPECT_THROW(t.Post(), TabloHatasi);
    t.Cancel();
    EXPECT_TRUE(t.Locate("NoktaNo", 5));
    // a text that is not a number, into a number field
    t.Edit();
    EXPECT_THROW(t.FieldByName("X1").SetString("1,5"), TabloHatasi);
    EXPECT_THROW(t.FieldByName("X1").SetString("abc"), TabloHatasi);
    EXPECT_THROW(t.FieldByName("NoktaNo").SetString("2.5"), TabloHatasi);
    t.FieldByName("X1").SetString("1E-5");
    t.Post();
    EXPECT_EQ(t.FieldByName("X1").AsFloat(), 1e-5);
    t.Close();
    t.Open();
    EXPECT_EQ(t.RecordCount(), 3);

    Tablo p("Proje");
    p.DosyaAyarla(dosya);
    p.Open();
    p.Append();
    p.FieldByName("Anahtar").SetString("ğüşiö");  // five letters, ten bytes
    EXPECT_THROW(p.FieldByName("Anahtar").SetString("abcdef"), TabloHatasi);
    EXPECT_THROW(p.FieldByName("Anahtar").SetString("ğüşiöç"), TabloHatasi);
    p.Post();
    EXPECT_EQ(p.FieldByName("Anahtar").AsString(), "ğüşiö");
}

TEST_F(TabloTest, OpenRefusesDamagedOrMissingFilesTablesAndColumns) {
    std::string bozuk = klasor.Dosya("bozuk.mdb");
    {
        std::ofstream f(bozuk);
        f << "Bu bir veri tabanı değil, sadece metin. Bu bir veri tabanı değil, sadece metin.\n";
        for (int i = 0; i < 100; ++i) f << "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n";
    }
    Tablo t("AnaVeriler");
    t.DosyaAyarla(bozuk);
    EXPECT_THROW(t.Open(), TabloHatasi);
    EXPECT_FALSE(t.Active());
    t.DosyaAyarla(klasor.Dosya("yok.mdb"));
    EXPECT_THROW(t.Open(), TabloHatasi);
    EXPECT_FALSE(std::filesystem::exists(klasor.Dosya("yok.mdb")));
    t.DosyaAyarla(dosya);
    EXPECT_THROW(t.Open(), TabloHatasi);  // no such table in the file

    Tablo x("XYZ");
    x.DosyaAyarla(dosya);
    x.BeklenenAlanlar({"NoktaNo", "X1", "X2", "X3", "X4"});
    try {
        x.Open();
        FAIL() << "missing column accepted";
    } catch (const TabloHatasi& h) {
        EXPECT_NE(std::string(h.what()).find("X4"), std::string::npos) << h.what();
    }
    x.BeklenenAlanlar({"noktano", "X1", "X2", "X3"});
    EXPECT_NO_THROW(x.Open());
}

TEST_F(TabloTest, TransactionsCoverEveryTableOfTheFile) {
    Tablo x("XYZ"), e("EYUK");
    x.DosyaAyarla(dosya);
    e.DosyaAyarla(dosya);
    x.Open();
    e.Open();
    Nokta(x, 1, 1);
    x.IslemBaslat();
    Nokta(x, 2, 2);
    Yuk(e, 1, 1, 5);
    e.IslemGeriAl();
    EXPECT_EQ(x.RecordCount(), 1);
    EXPECT_EQ(e.RecordCount(), 0);
    e.IslemBaslat();
    Nokta(x, 3, 3);
    Yuk(e, 1, 1, 5);
    x.IslemOnayla();
    x.Close();
    e.Close();
    x.Open();
    e.Open();
    EXPECT_EQ(Sira(x, "NoktaNo"), (std::vector<int>{1, 3}));
    EXPECT_EQ(e.RecordCount(), 1);
}

TEST_F(TabloTest, ProjectFilesKeepTheirJournalOnDiskScratchFilesInMemory) {
    namespace fs = std::filesystem;
    std::string hizli = klasor.Dosya("hizli.mdb");
    SqlDosyasiniCalistir(hizli, kSema);
    Tablo p("XYZ"), h("XYZ");
    p.DosyaAyarla(dosya);
    h.DosyaAyarla(hizli, true);
    acilanBaglantilar.clear();
    const auto kaydet = reinterpret_cast<void (*)()>(&BaglantiyiKaydet);
    sqlite3_auto_extension(kaydet);
    p.Open();
    h.Open();
    sqlite3_cancel_auto_extension(kaydet);
    // Both wait two seconds for a lock another program holds, then give up.
    ASSERT_EQ(acilanBaglantilar.size(), 2u);
    for (sqlite3* db : acilanBaglantilar) EXPECT_EQ(KilitBeklemesi(db), 2000);
    p.IslemBaslat();
    h.IslemBaslat();
    Nokta(p, 1, 1);
    Nokta(h, 1, 1);
    EXPECT_TRUE(fs::exists(dosya + "-journal"));
    EXPECT_FALSE(fs::exists(hizli + "-journal"));
    p.IslemOnayla();
    h.IslemOnayla();
    Nokta(p, 2, 2);
    // nothing but the database files stays beside them
    for (const auto& g : fs::directory_iterator(klasor.Yol()))
        EXPECT_TRUE(g.path().extension() == ".mdb") << g.path();
}

TEST_F(TabloTest, TumunuSilEmptiesTheTableAndLeavesItOpen) {
    Tablo x("XYZ");
    x.DosyaAyarla(dosya, true);
    x.Open();
    x.IslemBaslat();
    for (int i = 1; i <= 1000; ++i) Nokta(x, i, i);
    x.IslemOnayla();
    ASSERT_TRUE(x.Locate("NoktaNo", 10));
    x.TumunuSil();
    EXPECT_TRUE(x.Active());
    EXPECT_EQ(x.RecordCount(), 0);
    EXPECT_TRUE(x.Eof());
    EXPECT_FALSE(x.Locate("NoktaNo", 10));
    Nokta(x, 10, 1);
    EXPECT_TRUE(x.Locate("NoktaNo", 10));
    x.Close();
    x.Open();
    EXPECT_EQ(x.RecordCount(), 1);
}

TEST(GercelAlanMetniTest, GeneralTextOfFloatFields) {
    EXPECT_EQ(GercelAlanMetni(0), "0");
    EXPECT_EQ(GercelAlanMetni(12.5), "12.5");
    EXPECT_EQ(GercelAlanMetni(-12.5), "-12.5");
    EXPECT_EQ(GercelAlanMetni(1.42e-6), "1.42E-6");
    EXPECT_EQ(GercelAlanMetni(1.94e-5), "1.94E-5");
    EXPECT_EQ(GercelAlanMetni(0.0001), "0.0001");
    EXPECT_EQ(GercelAlanMetni(0.00001), "1E-5");
    EXPECT_EQ(GercelAlanMetni(0.1 + 0.2), "0.3");
    EXPECT_EQ(GercelAlanMetni(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(GercelAlanMetni(2.1e8), "210000000");
    EXPECT_EQ(GercelAlanMetni(123456789012345.0), "123456789012345");
    EXPECT_EQ(GercelAlanMetni(1e15), "1E15");
    EXPECT_EQ(GercelAlanMetni(-2.5e20), "-2.5E20");
    EXPECT_EQ(GercelAlanMetni(0.0010724), "0.0010724");
}

}  // namespace
