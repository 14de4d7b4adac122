// Expansion of the entered rows into the scratch tables.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "TestYardim.h"
#include "model/LibU.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

class Oku : public ::testing::Test {
protected:
    GeciciKlasor klasor;
    BasliksizArayuz* ui = nullptr;

    void SetUp() override {
        ui = &TemizBasliksizArayuz();
        const std::string proje = klasor.Dosya("Deneme.mdb");
        BosSablonuYaz(proje);
        ProjeTablolariniAc(proje);
        CalismaTablolariniAc(klasor.Yol().string());
        NoktaSerbestlikSayisi = 3;
    }
    void TearDown() override { TumTablolariKapat(); }

    // ---- project rows, each value given as its text
    static void Satir(Tablo& t, std::initializer_list<std::pair<const char*, std::string>> alanlar) {
        t.Append();
        for (const auto& [ad, deger] : alanlar) t.FieldByName(ad).SetString(deger);
        t.Post();
    }
    static std::string S(double x) { return GenelSayiMetni(x); }
    static void Koordinat(const std::string& no, double x, double y = 0, double z = 0) {
        Satir(Tablolar.Koordinatlar, {{"NoktaNo", no}, {"X1", S(x)}, {"X2", S(y)}, {"X3", S(z)}});
    }
    static void Eleman(const std::string& no, int tip, int i, int j, int k = 0, int L = 0) {
        Satir(Tablolar.ElemanNoktaBagi, {{"ElemanNo", no}, {"ElemanTipi", S(tip)}, {"iNoktasi", S(i)},
                                         {"jNoktasi", S(j)}, {"kNoktasi", S(k)}, {"LNoktasi", S(L)}});
    }
    static void Malzeme(int no) { Satir(Tablolar.MalzemeBilgileri, {{"MalzemeNo", S(no)}, {"E", "200000000"}}); }
    static void Kesit(int no) { Satir(Tablolar.KesitBilgileri, {{"KesitNo", S(no)}, {"A", "0.01"}}); }
    static void MalzemeKesitMafsal(const std::string& no, int malzeme, int kesit, const std::string& mafsal) {
        Satir(Tablolar.ElemanMalzemeKesitMafsalbagi,
              {{"ElemanNO", no}, {"MalzemeNo", S(malzeme)}, {"KesitNo", S(kesit)}, {"MafsalTipi", mafsal}});
    }
    // An empty px leaves Px without a value.
    static void TekilYuk(const std::string& no, std::optional<double> px, double py = 0) {
        Satir(Tablolar.Yukler, {{"NoktaNo", no}, {"Px", px ? S(*px) : ""}, {"Py", S(py)}});
    }
    static void ElemanYuku(const std::string& no, int yukNo, int tip, double q) {
        Satir(Tablolar.ElemanYukleri, {{"ElemanNo", no}, {"YukNo", S(yukNo)}, {"YukTipi", S(tip)}, {"Yuk", S(q)},
                                       {"aMesafesi", "0.5"}, {"bMesafesi", "0"}, {"Yuk1", "0"}});
    }
    static void Sinir(const std::string& no, const std::vector<std::string>& k) {
        static const char* ad[6] = {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"};
        Tablo& t = Tablolar.SinirKosullari;
        t.Append();
        t.FieldByName("NoktaNo").SetString(no);
        for (std::size_t n = 0; n < k.size(); ++n) t.FieldByName(ad[n]).SetString(k[n]);
        t.Post();
    }

    // ---- scratch rows
    static std::vector<int> Numaralar(Tablo& t, const char* alan) {
        std::vector<int> v;
        for (t.First(); !t.Eof(); t.Next()) v.push_back(t.FieldByName(alan).AsInteger());
        std::sort(v.begin(), v.end());
        return v;
    }
    static void NoktaBekle(int no, double x, double y, double z) {
        Tablo& t = Tablolar.XYZ;
        ASSERT_TRUE(t.Locate("NoktaNo", no)) << no;
        EXPECT_NEAR(t.FieldByName("X1").AsFloat(), x, 1e-12) << no;
        EXPECT_NEAR(t.FieldByName("X2").AsFloat(), y, 1e-12) << no;
        EXPECT_NEAR(t.FieldByName("X3").AsFloat(), z, 1e-12) << no;
    }
    struct EDBeklenen {
        int tip, i, j, k, L, malzeme, kesit;
        std::string mafsal;
    };
    static EDBeklenen EDOku(int no) {
        Tablo& t = Tablolar.ED;
        EXPECT_TRUE(t.Locate("ElemanNo", no)) << no;
        return {t.FieldByName("ElemanTipi").AsInteger(), t.FieldByName("iNoktasi").AsInteger(),
                t.FieldByName("jNoktasi").AsInteger(),   t.FieldByName("kNoktasi").AsInteger(),
                t.FieldByName("LNoktasi").AsInteger(),   t.FieldByName("MalzemeNo").AsInteger(),
                t.FieldByName("KesitNo").AsInteger(),    t.FieldByName("MafsalTipi").AsString()};
    }

    std::vector<std::string> Mesajlar() const {
        std::vector<std::string> v;
        for (const auto& m : ui->Mesajlar) {
            EXPECT_EQ(m.Baslik, "HATA:");
            EXPECT_EQ(m.Stil, "TamamHata1");
            v.push_back(m.Metin);
        }
        return v;
    }
    using Liste = std::vector<std::string>;
    using Sayilar = std::vector<int>;

    // Records the node numbers in the order XYZ receives them.
    struct YazimSirasi {
        Sayilar sira;
        YazimSirasi() {
            Tablolar.XYZ.AfterPost = [this](Tablo& t) { sira.push_back(t.FieldByName("NoktaNo").AsInteger()); };
        }
        ~YazimSirasi() { Tablolar.XYZ.AfterPost = nullptr; }
    };
};

// ------------------------------------------------------------------ nodes

TEST_F(Oku, TekYonluAnahtarUclariKendiDegerleriyleYenidenYazar) {
    Koordinat("1", 0, 0, 0);
    Koordinat("5", 4, 0, 0);
    Koordinat(" 1, 5, 2, 0, 0 ", 99, 99, 99);  // blanks are dropped; the row's own values are unused
    KoordinatlariOku();
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(Mesajlar().empty());
    EXPECT_EQ(Numaralar(Tablolar.XYZ, "NoktaNo"), (Sayilar{1, 3, 5}));
    NoktaBekle(1, 0, 0, 0);
    NoktaBekle(3, 2, 0, 0);
    NoktaBekle(5, 4, 0, 0);
    EXPECT_EQ(NoktaSayisi, 3);
    EXPECT_EQ(ToplamSerbestlikSayisi, 9);
}

TEST_F(Oku, IkiYonluAnahtarSatirSatirDoldurur) {
    // P(1), P(4), P(9); node 1 + I + 4J lies at P(1) + I*d1 + J*d2.
    const double P1[3] = {1, 2, 3}, P4[3] = {4, 2.5, 3}, P9[3] = {1, 6, 5};
    Koordinat("1", P1[0], P1[1], P1[2]);
    Koordinat("4", P4[0], P4[1], P4[2]);
    Koordinat("9", P9[0], P9[1], P9[2]);
    Koordinat("1,4,1,9,4", 0);
    YazimSirasi yazim;
    KoordinatlariOku();
    ASSERT_EQ(Hata, 0);
    EXPECT_EQ(NoktaSayisi, 12);
    EXPECT_EQ(TuretNoktaNo, 12);  // the last one generated
    // The plain rows, then the first direction filled for each step of the second.
    EXPECT_EQ(yazim.sira, (Sayilar{1, 4, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    // d1 = (1, 1/6, 0), d2 = (0, 2, 1).
    NoktaBekle(4, 4, 2.5, 3);
    NoktaBekle(7, 3, 4 + 1.0 / 3, 4);  // I = 2, J = 1
    NoktaBekle(9, 1, 6, 5);
    NoktaBekle(12, 4, 6.5, 5);  // I = 3, J = 2
    NoktaBekle(2, 2, 2 + 1.0 / 6, 3);  // I = 1, J = 0
}

TEST_F(Oku, AzalanAnahtarVeSonaVarmayanAdim) {
    Koordinat("5", 10, 0, 0);
    Koordinat("1", 2, 4, 0);
    Koordinat("5,1,1,0,0", 0);  // m1 = 4, step -1: 5, 4, 3, 2, 1
    {
        YazimSirasi yazim;
        KoordinatlariOku();
        EXPECT_EQ(yazim.sira, (Sayilar{5, 1, 5, 4, 3, 2, 1}));
    }
    ASSERT_EQ(Hata, 0);
    EXPECT_EQ(Numaralar(Tablolar.XYZ, "NoktaNo"), (Sayilar{1, 2, 3, 4, 5}));
    NoktaBekle(4, 8, 1, 0);
    NoktaBekle(2, 4, 3, 0);
    EXPECT_EQ(TuretNoktaNo, 1);

    // Descending in the second direction: 9,12,1,1,4 has m1 = 3, m2 = 2 and
    // the second step -4: rows 9..12, 5..8, 1..4; d1 = (1, 0, 0), d2 = (0, -1, 0).
    Tablolar.Koordinatlar.TumunuSil();
    Koordinat("9", 0, 2);
    Koordinat("12", 3, 2);
    Koordinat("1", 0, 0);
    Koordinat("9,12,1,1,4", 0);
    {
        YazimSirasi yazim;
        KoordinatlariOku();
        EXPECT_EQ(yazim.sira, (Sayilar{9, 12, 1, 9, 10, 11, 12, 5, 6, 7, 8, 1, 2, 3, 4}));
    }
    ASSERT_EQ(Hata, 0);
    NoktaBekle(6, 1, 1, 0);
    NoktaBekle(4, 3, 0, 0);
    NoktaBekle(11, 2, 2, 0);

    // 1,6,2: the end is not reached by the step; the key is refused, as the
    // editors refuse it.
    Tablolar.Koordinatlar.TumunuSil();
    Koordinat("1", 0);
    Koordinat("6", 5);
    Koordinat("1,6,2,0,0", 0);
    KoordinatlariOku();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(Numaralar(Tablolar.XYZ, "NoktaNo"), (Sayilar{1, 6}));
}

TEST_F(Oku, EksikUcNoktasiVeBosTablo) {
    Koordinat("1", 0);
    Koordinat("1,5,1,0,0", 0);
    Koordinat("7", 1);  // not reached: the reader ends
    KoordinatlariOku();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(Mesajlar(), (Liste{"1,5,1,0,0->5 noktası tanımsız, türet tamamlanamadı"}));
    EXPECT_EQ(Numaralar(Tablolar.XYZ, "NoktaNo"), (Sayilar{1}));
    EXPECT_EQ(NoktaSayisi, 0);
}

// ------------------------------------------------------------------ elements

TEST_F(Oku, CubukAnahtariDugumleriAdimlar) {
    Eleman("1", 30, 1, 2, 7);
    Eleman("5", 31, 5, 6);
    Eleman("1,5,1,0,0", 30, 0, 0);
    ElemanNoktaBaginiOku();
    ASSERT_EQ(Hata, 0);
    EXPECT_EQ(ElemanSayisi, 5);
    for (int e = 1; e <= 5; ++e) {
        EDBeklenen r = EDOku(e);
        EXPECT_EQ(r.tip, 30) << e;  // the type of element 1
        EXPECT_EQ(r.i, e);
        EXPECT_EQ(r.j, e + 1);
        EXPECT_EQ(r.k, 7);  // k of element 1
        EXPECT_EQ(r.malzeme, 0);
        EXPECT_EQ(r.kesit, 0);
        EXPECT_EQ(r.mafsal, "00");
    }
}

TEST_F(Oku, YuzeyAnahtariDortDugumuIkiYondeAdimlar) {
    // A 3 x 2 mesh of quadrilaterals on a 4 x 3 node grid (node = 1 + c + 4r).
    Eleman("1", 51, 1, 5, 6, 2);
    Eleman("3", 51, 3, 7, 8, 4);
    Eleman("4", 51, 5, 9, 10, 6);
    Eleman("1,3,1,4,3", 51, 0, 0);
    ElemanNoktaBaginiOku();
    ASSERT_EQ(Hata, 0);
    EXPECT_EQ(Numaralar(Tablolar.ED, "ElemanNo"), (Sayilar{1, 2, 3, 4, 5, 6}));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            const int i = 1 + c + 4 * r;
            EDBeklenen e = EDOku(1 + c + 3 * r);
            EXPECT_EQ(e.tip, 51);
            EXPECT_EQ(e.i, i);
            EXPECT_EQ(e.j, i + 4);
            EXPECT_EQ(e.k, i + 5);
            EXPECT_EQ(e.L, i + 1);
        }
}

TEST_F(Oku, ElemanAnahtarininSonElemaniYoksaIkiSatirlikMesaj) {
    Eleman("1", 30, 1, 2);
    Eleman("1,5,1,0,0", 30, 0, 0);
    Eleman("9", 30, 9, 10);
    ElemanNoktaBaginiOku();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(Mesajlar(),
              (Liste{"Eleman nokta bağında:\r1,5,1,0,0->5 nolu eleman tanımsız, türet tamamlanamadı"}));
    EXPECT_EQ(Numaralar(Tablolar.ED, "ElemanNo"), (Sayilar{1}));
    EXPECT_EQ(ElemanSayisi, 0);
}

// ------------------------------------------------------------------ materials and hinges

TEST_F(Oku, MafsalAnahtariEksikElemaniAtlar) {
    for (int e : {1, 2, 3, 5, 6, 7, 8, 9, 10}) Eleman(std::to_string(e), 30, e, e + 1);
    Malzeme(1);
    Kesit(2);
    MalzemeKesitMafsal("1,10,1,0,0", 1, 2, "0306");
    ElemanNoktaBaginiOku();
    ElemanMalzemeKesitMafsalBaginiOku();
    ASSERT_EQ(Hata, 0);
    EXPECT_TRUE(Mesajlar().empty());
    EXPECT_FALSE(Tablolar.ED.Locate("ElemanNo", 4));
    for (int e : {1, 2, 3, 5, 6, 7, 8, 9, 10}) {
        EDBeklenen r = EDOku(e);
        EXPECT_EQ(r.malzeme, 1);
        EXPECT_EQ(r.kesit, 2);
        EXPECT_EQ(r.mafsal, "0306");
    }
    EXPECT_EQ(MafsalSayisi, 18);
}

// An element covered by a key and by a plain row is posted twice but has
// its releases once.
TEST_F(Oku, MafsalSayisiSonSatirlardanSayilir) {
    for (int e = 1; e <= 5; ++e) Eleman(std::to_string(e), 30, e, e + 1);
    Malzeme(1);
    Kesit(1);
    MalzemeKesitMafsal("1,5,1,0,0", 1, 1, "03");
    MalzemeKesitMafsal("3", 1, 1, "0306");
    MalzemeKesitMafsal("5", 1, 1, "00");
    ElemanNoktaBaginiOku();
    ElemanMalzemeKesitMafsalBaginiOku();
    ASSERT_EQ(Hata, 0);
    // 1, 2, 4: "03"; 3: "0306"; 5: "00".
    EXPECT_EQ(MafsalSayisi, 1 + 1 + 2 + 1 + 0);
    EXPECT_TRUE(static_cast<bool>(Tablolar.ED.AfterPost));  // the post handler is back in place
    EXPECT_EQ(EDOku(3).mafsal, "0306");
    EXPECT_EQ(EDOku(5).mafsal, "00");

    // Rerunning starts the count afresh.
    ElemanMalzemeKesitMafsalBaginiOku();
    EXPECT_EQ(MafsalSayisi, 5);
}

TEST_F(Oku, MalzemeKesitVeElemanHatalari) {
    Eleman("1", 30, 1, 2);
    Malzeme(1);
    Kesit(1);
    ElemanNoktaBaginiOku();

    // Both missing: the section message replaces the material one.
    const struct {
        const char* no;
        int malzeme, kesit;
    } satirlar[] = {{"1", 7, 1}, {"1", 7, 8}, {"9", 1, 1}, {"1,3,1,0,0", 1, 1}};
    for (const auto& r : satirlar) {
        Tablolar.ElemanMalzemeKesitMafsalbagi.TumunuSil();
        MalzemeKesitMafsal(r.no, r.malzeme, r.kesit, "00");
        ElemanMalzemeKesitMafsalBaginiOku();
        EXPECT_EQ(Hata, 1) << r.no;
    }
    EXPECT_EQ(Mesajlar(), (Liste{"Eleman=1->7 nolu malzeme tanımsız", "Eleman=1->8 nolu kesit tanımsız",
                                 "9nolu eleman tanımlanmamış",
                                 "Eleman malzeme kesit mafsal bağında:\r1,3,1,0,0->3 nolu eleman "
                                 "tanımsız, türet tamamlanamadı"}));
    EXPECT_EQ(EDOku(1).malzeme, 0);
}

// ------------------------------------------------------------------ loads

TEST_F(Oku, ElemanYukleri) {
    for (int e = 1; e <= 10; ++e) Eleman(std::to_string(e), 30, e, e + 1);
    ElemanNoktaBaginiOku();
    ElemanYuku("1,10,3,0,0", 1, 2, -12.5);  // 1, 4, 7, 10
    ElemanYuku("4", 2, 1, -3);
    ElemanYukleriniOku();
    ASSERT_EQ(Hata, 0);
    EXPECT_EQ(Numaralar(Tablolar.EYUK, "ElemanNo"), (Sayilar{1, 4, 4, 7, 10}));
    Tablo& t = Tablolar.EYUK;
    ASSERT_TRUE(t.Locate("ElemanNo;YukNo", std::vector<AnahtarDegeri>{7, 1}));
    EXPECT_EQ(t.FieldByName("YukTipi").AsInteger(), 2);
    EXPECT_EQ(t.FieldByName("Yuk").AsFloat(), -12.5);
    EXPECT_EQ(t.FieldByName("aMesafesi").AsFloat(), 0.5);

    // The same element and load number twice.
    ElemanYuku("4", 1, 1, -3);
    ElemanYukleriniOku();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(Mesajlar(), (Liste{"Eleman=4 Yük no=1 yük tekrar tanımlanmiş"}));
}

TEST_F(Oku, ElemanYukuAnahtarininHatalari) {
    for (int e : {1, 2, 3, 5, 10}) Eleman(std::to_string(e), 30, e, e + 1);
    ElemanNoktaBaginiOku();

    // A second end equal to the start: refused with its message.
    ElemanYuku("1,10,1,1,5", 1, 1, 1);
    ElemanYuku("2", 1, 1, 1);  // not read: the reader ends
    ElemanYukleriniOku();
    EXPECT_NE(Hata, 0);
    EXPECT_EQ(Tablolar.EYUK.RecordCount(), 0);
    EXPECT_EQ(Mesajlar(), (Liste{"1,10,1,1,5-> verilen adımla başlangıçtan sona varılamıyor, türet tamamlanamadı"}));
    ui->Mesajlar.clear();

    Tablolar.ElemanYukleri.TumunuSil();
    ElemanYuku("1,9,1,0,0", 1, 1, 1);
    ElemanYukleriniOku();
    EXPECT_NE(Hata, 0);
    Tablolar.ElemanYukleri.TumunuSil();
    ElemanYuku("1,5,1,0,0", 1, 1, 1);  // element 4 is missing: 1 to 3 stay written
    ElemanYukleriniOku();
    EXPECT_NE(Hata, 0);
    EXPECT_EQ(Numaralar(Tablolar.EYUK, "ElemanNo"), (Sayilar{1, 2, 3}));
    Tablolar.ElemanYukleri.TumunuSil();
    ElemanYuku("6", 1, 1, 1);
    ElemanYukleriniOku();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(Mesajlar(), (Liste{"1,9,1,0,0-> Elemanlardan biri tanımsız, elemana yük verilemez",
                                 "1,5,1,0,0-> tanımsız elemana yük verilemez",
                                 "6-> tanımsız elemana yük verilemez"}));
}

TEST_F(Oku, TekilYuklerOnKontrolVeDevam) {
    TekilYuk("5", 1);
    TekilYuk("1,5,1,0,0", 2);
    TekilYuk("8", 3);
    TekilYukleriniOku();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(Mesajlar(), (Liste{"1,5,1,0,0->5 nolu noktanın yükleri tekrar verilmiş"}));
    EXPECT_EQ(Numaralar(Tablolar.TYUK, "NoktaNo"), (Sayilar{5}));  // the reader ended

    // A repeat found while generating: the rows before it stay and the reader
    // goes on with the next row.
    Tablolar.Yukler.TumunuSil();
    ui->Mesajlar.clear();
    TekilYuk("3", 1);
    TekilYuk("1,5,1,0,0", std::nullopt, 2);
    TekilYuk("8", 3);
    TekilYukleriniOku();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(Mesajlar(), (Liste{"1,5,1,0,0->3 nolu noktada yükler tekrar verilmiş"}));
    EXPECT_EQ(Numaralar(Tablolar.TYUK, "NoktaNo"), (Sayilar{1, 2, 3, 8}));
    Tablo& t = Tablolar.TYUK;
    ASSERT_TRUE(t.Locate("NoktaNo", 2));
    EXPECT_TRUE(t.FieldByName("Px").IsNull());  // an empty value stays empty
    EXPECT_EQ(t.FieldByName("Py").AsFloat(), 2);

    Tablolar.Yukler.TumunuSil();
    ui->Mesajlar.clear();
    TekilYuk("4", 1);
    TekilYuk("4", 1);
    TekilYukleriniOku();
    EXPECT_EQ(Mesajlar(), (Liste{"4 nolu noktanın yükleri tekrar verilmiş"}));
}

// ------------------------------------------------------------------ supports

TEST_F(Oku, SinirKosullariVeSayisi) {
    Sinir("1", {"Serbest", "Serbest", "0", "0.01", "Serbest", "0"});
    Sinir("2, 4, 1, 0, 0", {"0", "0", "Serbest", "Serbest", "Serbest", "Serbest"});
    Sinir("6", {"", "0", "", "", "", "-0.002"});  // an empty field holds no condition
    SinirKosullariniOku();
    ASSERT_EQ(Hata, 0);
    EXPECT_EQ(Numaralar(Tablolar.SK, "NoktaNo"), (Sayilar{1, 2, 3, 4, 6}));
    EXPECT_EQ(SinirKosuluSayisi, 3 + 3 * 2 + 2);
    ASSERT_TRUE(Tablolar.SK.Locate("NoktaNo", 1));
    EXPECT_EQ(Tablolar.SK.FieldByName("Fix").AsString(), "0.01");

    // Repeats: a generated one goes on with the next row, a plain one ends
    // the reader; a key keeps its blanks in the message.
    Tablolar.SinirKosullari.TumunuSil();
    Sinir("3", {"0", "0", "0", "0", "0", "0"});
    Sinir("2, 4, 1, 0, 0", {"0", "0", "Serbest", "Serbest", "Serbest", "Serbest"});
    Sinir("9", {"0", "0", "0", "0", "0", "0"});
    Sinir("9", {"0", "0", "0", "0", "0", "0"});
    Sinir("10", {"0", "0", "0", "0", "0", "0"});
    Sinir("9", {"0", "0", "0", "0", "0", "0"});
    SinirKosullariniOku();
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(Mesajlar(), (Liste{"2, 4, 1, 0, 0->3 nolu noktada sınır koşulları tekrar verilmiş",
                                 "9 nolu noktanın sınır koşulları tekrar verilmiş"}));
    EXPECT_EQ(Numaralar(Tablolar.SK, "NoktaNo"), (Sayilar{2, 3, 9}));
}

// An empty table is an error only during a calculation, and an empty
// element-load table never.
TEST_F(Oku, BosTabloYalnizcaHesaptaHata) {
    const std::pair<void (*)(), const char*> okuyucular[] = {
        {KoordinatlariOku, "Koordinatlar verilmemiş"},
        {ElemanNoktaBaginiOku, "Eleman-Nokta bağı bilgileri verilmemiş"},
        {SinirKosullariniOku, "Sınır(mesnet) koşulları verilmemiş"},
        {ElemanYukleriniOku, nullptr}};
    for (const auto& [oku, mesaj] : okuyucular) {
        for (bool hesap : {false, true}) {
            Hata = 0;
            ui->Mesajlar.clear();
            ui->HesapYapiliyorAyarla(hesap);
            oku();
            const bool hata = hesap && mesaj;
            EXPECT_EQ(Hata, hata ? 1 : 0) << mesaj;
            EXPECT_EQ(Mesajlar(), hata ? Liste{mesaj} : Liste{});
        }
    }
    EXPECT_EQ(SinirKosuluSayisi, 0);
}

// ------------------------------------------------------------------ refused keys

// Keys that cannot be expanded soundly: the key first, nothing of it written,
// Hata set and the reader ended (the row after it is not read).
TEST_F(Oku, HataliAnahtarlarReddedilir) {
    struct Durum {
        std::string anahtar, mesaj;
    };
    const std::vector<Durum> durumlar = {
        {"1,5,0,0,0", "1,5,0,0,0-> Adım1 sıfırdan büyük olmalı, türet tamamlanamadı"},
        {"1,5,-1,0,0", "1,5,-1,0,0-> Adım1 sıfırdan büyük olmalı, türet tamamlanamadı"},
        {"1,5,1,5,-2", "1,5,1,5,-2-> Adım2 negatif olamaz, türet tamamlanamadı"},
        {"1,5,1", "1,5,1-> türet anahtarı Baş,Son1,Adım1,Son2,Adım2 biçiminde beş tam sayı olmalı, türet tamamlanamadı"},
        {"1,,1,0,0", "1,,1,0,0-> türet anahtarı Baş,Son1,Adım1,Son2,Adım2 biçiminde beş tam sayı olmalı, türet tamamlanamadı"},
        {"1,5a,1,0,0", "1,5a,1,0,0-> türet anahtarı Baş,Son1,Adım1,Son2,Adım2 biçiminde beş tam sayı olmalı, türet tamamlanamadı"},
        {"1,5,1,0,0,7", "1,5,1,0,0,7-> türet anahtarı Baş,Son1,Adım1,Son2,Adım2 biçiminde beş tam sayı olmalı, türet tamamlanamadı"},
        // m1 = 0 and m2 = 0: the node generator divides by them
        {"5,5,1,0,0", "5,5,1,0,0-> verilen adımla başlangıçtan sona varılamıyor, türet tamamlanamadı"},
        {"1,5,9,0,0", "1,5,9,0,0-> verilen adımla başlangıçtan sona varılamıyor, türet tamamlanamadı"},
        {"1,5,1,9,10", "1,5,1,9,10-> verilen adımla başlangıçtan sona varılamıyor, türet tamamlanamadı"},
        {"1,5,1,3,1", "1,5,1,3,1->2 numarası birden çok kez türetiliyor, türet tamamlanamadı"},
        // numbers outside 1..32767
        {"0,5,1,0,0", "0,5,1,0,0->0 numarası 1..32767 aralığında değil, türet tamamlanamadı"},
        {"32760,32770,5,0,0", "32760,32770,5,0,0->32770 numarası 1..32767 aralığında değil, türet tamamlanamadı"},
        {"10,13,1,32766,4", "10,13,1,32766,4->32769 numarası 1..32767 aralığında değil, türet tamamlanamadı"},
        {"10,1,1,1,9", "10,1,1,1,9->-8 numarası 1..32767 aralığında değil, türet tamamlanamadı"},
        {"1,16384,1,16384,1", "1,16384,1,16384,1-> türet 32767'den fazla numara üretiyor, türet tamamlanamadı"},
        // plain numbers
        {"0", "0 numarası 1..32767 aralığında bir tam sayı olmalı"},
        {"40000", "40000 numarası 1..32767 aralığında bir tam sayı olmalı"},
        {"7b", "7b numarası 1..32767 aralığında bir tam sayı olmalı"},
        {"", "Numarası boş bir satır var, numara 1..32767 aralığında bir tam sayı olmalı"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.anahtar);
        Tablolar.Koordinatlar.TumunuSil();
        ui->Mesajlar.clear();
        Koordinat("1", 0);
        Koordinat("5", 4);
        Koordinat("9", 0, 4);
        Koordinat(d.anahtar, 0);
        Koordinat("20", 1);
        KoordinatlariOku();
        EXPECT_EQ(Hata, 1);
        EXPECT_EQ(Mesajlar(), (Liste{d.mesaj}));
        EXPECT_EQ(Numaralar(Tablolar.XYZ, "NoktaNo"), (Sayilar{1, 5, 9}));
    }
}

// A refused key or number in each of the other readers: its message, nothing
// of it written, and the row after it not read.
TEST_F(Oku, HerOkuyucuHataliAnahtariReddeder) {
    const std::string turet = ", türet tamamlanamadı";
    const std::string bicim = "-> türet anahtarı Baş,Son1,Adım1,Son2,Adım2 biçiminde beş tam sayı olmalı" + turet;
    struct Durum {
        std::function<void()> yaz, oku;
        Tablo* hedef;
        Sayilar kalan;  // the numbers left in the scratch table
        std::string mesaj;
    };
    auto sinir = [](const char* no) { return [no] { Sinir(no, {"0", "0", "0", "0", "0", "0"}); }; };
    const Durum durumlar[] = {
        {[] { TekilYuk("1,4,0,0,0", 1); }, TekilYukleriniOku, &Tablolar.TYUK, {},
         "1,4,0,0,0-> Adım1 sıfırdan büyük olmalı" + turet},
        {[] { TekilYuk("70000", 1); }, TekilYukleriniOku, &Tablolar.TYUK, {},
         "70000 numarası 1..32767 aralığında bir tam sayı olmalı"},
        {sinir("1, 40000, 1, 0, 0"), SinirKosullariniOku, &Tablolar.SK, {},
         "1, 40000, 1, 0, 0->40000 numarası 1..32767 aralığında değil" + turet},
        {sinir("2,4"), SinirKosullariniOku, &Tablolar.SK, {}, "2,4" + bicim},
        // element keys whose stepped node numbers leave 1..32767
        {[] {
             Eleman("1", 30, 20000, 20001);
             Eleman("2", 30, 20001, 20002);
             Eleman("11", 30, 32766, 32767);
             Eleman("1,2,1,11,10", 30, 0, 0);
         },
         ElemanNoktaBaginiOku, &Tablolar.ED, {1, 2, 11},
         "Eleman nokta bağında:\r1,2,1,11,10-> türetilen 32768 nolu nokta 1..32767 aralığında değil" + turet},
        // m1 = 0: the element generator divides by it
        {[] {
             Eleman("1", 30, 1, 2);
             Eleman("1,1,1,0,0", 30, 0, 0);
         },
         ElemanNoktaBaginiOku, &Tablolar.ED, {1}, "1,1,1,0,0-> verilen adımla başlangıçtan sona varılamıyor" + turet},
        {[] { ElemanYuku("1,3,1,0,x", 1, 1, 1); }, ElemanYukleriniOku, &Tablolar.EYUK, {}, "1,3,1,0,x" + bicim},
        {[] { ElemanYuku("32766,32768,1,0,0", 1, 1, 1); }, ElemanYukleriniOku, &Tablolar.EYUK, {},
         "32766,32768,1,0,0->32768 numarası 1..32767 aralığında değil" + turet},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.mesaj);
        for (Tablo* t : Tablolar.ProjeTablolari) t->TumunuSil();
        ui->Mesajlar.clear();
        d.yaz();
        // the row after the refused one
        TekilYuk("3", 1);
        Sinir("3", {"0", "0", "0", "0", "0", "0"});
        Eleman("3", 30, 3, 4);
        ElemanYuku("3", 1, 1, 1);
        d.oku();
        EXPECT_EQ(Hata, 1);
        EXPECT_EQ(Mesajlar(), (Liste{d.mesaj}));
        const bool eleman = d.hedef == &Tablolar.ED || d.hedef == &Tablolar.EYUK;
        EXPECT_EQ(Numaralar(*d.hedef, eleman ? "ElemanNo" : "NoktaNo"), d.kalan);
    }

    // A refused element-material key leaves every element's hinges as they were.
    Tablolar.ElemanNoktaBagi.TumunuSil();
    for (int e = 1; e <= 3; ++e) Eleman(std::to_string(e), 30, e, e + 1);
    ElemanNoktaBaginiOku();
    ASSERT_EQ(Hata, 0);
    Malzeme(1);
    Kesit(1);
    MalzemeKesitMafsal("1,3,0,0,0", 1, 1, "03");
    MalzemeKesitMafsal("2", 1, 1, "03");
    ElemanMalzemeKesitMafsalBaginiOku();
    EXPECT_EQ(Hata, 1);
    for (int e = 1; e <= 3; ++e) EXPECT_EQ(EDOku(e).mafsal, "00") << e;
    EXPECT_EQ(MafsalSayisi, 0);
}

// ------------------------------------------------------------------ durability

// Each reader commits what it wrote, also the rows before a failure: another
// connection to the scratch file sees them.
TEST_F(Oku, YazilanlarDosyadaKalir) {
    Koordinat("1", 0);
    Koordinat("4", 3);
    Koordinat("1,4,1,0,0", 0);
    Koordinat("7,9,1,0,0", 0);  // fails: nodes 1..4 stay
    KoordinatlariOku();
    EXPECT_EQ(Hata, 1);

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(Tablolar.XYZ.Dosya().c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT COUNT(*), SUM(X1) FROM XYZ", -1, &st, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(st, 0), 4);
    EXPECT_DOUBLE_EQ(sqlite3_column_double(st, 1), 0 + 1 + 2 + 3);
    sqlite3_finalize(st);
    sqlite3_close(db);
}

}  // namespace

namespace {

// A table that is not open ends the reader with the table layer's message,
// never with an escaped exception.
TEST_F(Oku, AcikOlmayanTabloHataIleBiter) {
    Koordinat("1", 0);
    Tablolar.XYZ.Close();
    EXPECT_NO_THROW(KoordinatlariOku());
    EXPECT_EQ(Hata, 1);
    ASSERT_EQ(Mesajlar().size(), 1u);
    EXPECT_EQ(NoktaSayisi, 0);

    // The element-material reader shows one message too, not a second one
    // for the hinge count it cannot take.
    ui->Mesajlar.clear();
    Malzeme(1);
    Kesit(1);
    MalzemeKesitMafsal("1", 1, 1, "03");
    Tablolar.ED.Close();
    EXPECT_NO_THROW(ElemanMalzemeKesitMafsalBaginiOku());
    EXPECT_EQ(Hata, 1);
    EXPECT_EQ(Mesajlar().size(), 1u);
    EXPECT_EQ(MafsalSayisi, 0);
}

}  // namespace
