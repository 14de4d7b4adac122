#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "TestYardim.h"
#include "shell/AyarDosyasi.h"
#include "shell/UOrvelta.h"

namespace {

void Yaz(const std::string& dosya, const std::string& icerik) {
    std::ofstream f(dosya, std::ios::binary);
    f << icerik;
}

std::string Oku(const std::string& dosya) {
    std::ifstream f(dosya, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

TAyarDegerleri Varsayilan() {
    TAyarDegerleri d;
    d.SonVeriTabani = "/x/Test.mdb";
    for (int i = 1; i <= 11; ++i) d.SonucBolumSecimleri[i] = true;
    return d;
}

}  // namespace

TEST(AyarDosyasi, YazilanDosyaGeriOkununcaAyniDegerleriVerir) {
    GeciciKlasor k;
    TAyarDegerleri d;
    d.SonVeriTabani = "/home/öğrenci/Veriler/Köprü.mdb";
    d.FormOlcegi = 120;
    d.SonDosyalar = {"/a/Köprü.mdb", "/b/c.mdb", "", "/d/e.mdb", ""};
    d.YerDegistirmesiz = false;
    d.YerDegistirmeli = true;
    for (int i = 1; i <= 11; ++i) d.SonucBolumSecimleri[i] = (i % 3 == 0);
    std::string hata;
    ASSERT_TRUE(AyarDosyasiniYaz(k.Dosya("Ayarlar.txt"), d, hata)) << hata;

    // Twenty lines, each ending in CR LF, booleans as TRUE/FALSE.
    const std::string metin = Oku(k.Dosya("Ayarlar.txt"));
    EXPECT_EQ(metin,
              "/home/öğrenci/Veriler/Köprü.mdb\r\n120\r\n/a/Köprü.mdb\r\n/b/c.mdb\r\n\r\n/d/e.mdb\r\n\r\n"
              "FALSE\r\nTRUE\r\n"
              "FALSE\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\nTRUE\r\nFALSE\r\nFALSE\r\n");

    TAyarDegerleri g = Varsayilan();
    ASSERT_TRUE(AyarDosyasiniOku(k.Dosya("Ayarlar.txt"), g));
    EXPECT_EQ(g.SonVeriTabani, d.SonVeriTabani);
    EXPECT_EQ(g.FormOlcegi, 120);
    EXPECT_EQ(g.SonDosyalar, d.SonDosyalar);
    EXPECT_FALSE(g.YerDegistirmesiz);
    EXPECT_TRUE(g.YerDegistirmeli);
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(g.SonucBolumSecimleri[i], i % 3 == 0) << i;
}

TEST(AyarDosyasi, EksikVeBozukDosyaOkunamayaniVarsayilandaBirakir) {
    GeciciKlasor k;
    // Missing file: nothing changes, false.
    TAyarDegerleri d = Varsayilan();
    EXPECT_FALSE(AyarDosyasiniOku(k.Dosya("yok.txt"), d));
    EXPECT_EQ(d.SonVeriTabani, "/x/Test.mdb");
    EXPECT_EQ(d.FormOlcegi, 100);
    EXPECT_TRUE(d.SonucBolumSecimleri[11]);

    // Short file of three lines, a scale that is not a number, LF line ends.
    Yaz(k.Dosya("kisa.txt"), "/p/q.mdb\nyüz\n/r.mdb\n");
    d = Varsayilan();
    EXPECT_TRUE(AyarDosyasiniOku(k.Dosya("kisa.txt"), d));
    EXPECT_EQ(d.SonVeriTabani, "/p/q.mdb");
    EXPECT_EQ(d.FormOlcegi, 100);
    EXPECT_EQ(d.SonDosyalar[0], "/r.mdb");
    EXPECT_EQ(d.SonDosyalar[1], "");
    EXPECT_TRUE(d.YerDegistirmesiz);
    EXPECT_FALSE(d.YerDegistirmeli);
    for (int i = 1; i <= 11; ++i) EXPECT_TRUE(d.SonucBolumSecimleri[i]);

    // Empty file.
    Yaz(k.Dosya("bos.txt"), "");
    d = Varsayilan();
    EXPECT_TRUE(AyarDosyasiniOku(k.Dosya("bos.txt"), d));
    EXPECT_EQ(d.SonVeriTabani, "/x/Test.mdb");

}

TEST(AyarDosyasi, OlcekSinirlarVeMantikSatirlari) {
    GeciciKlasor k;
    auto olcek = [&](const std::string& satir) {
        Yaz(k.Dosya("a.txt"), "/p.mdb\r\n" + satir + "\r\n");
        TAyarDegerleri d = Varsayilan();
        d.FormOlcegi = 77;  // shows whether the line was read
        AyarDosyasiniOku(k.Dosya("a.txt"), d);
        return d.FormOlcegi;
    };
    // in range: taken; a number out of range: the default; not a number: kept
    for (const auto& [satir, beklenen] : std::vector<std::pair<std::string, int>>{
             {"30", 30}, {"300", 300}, {"29", 100}, {"301", 100}, {"-120", 100}, {"0", 100}, {"12x", 77}, {"", 77}})
        EXPECT_EQ(olcek(satir), beklenen) << satir;

    // "true" in lower case reads false, "T" alone true, an empty line keeps
    // the value, anything else not starting with "T" is false.
    std::string m = "/p.mdb\r\n100\r\n\r\n\r\n\r\n\r\n\r\n";
    m += "true\r\nT\r\n";                     // lines 8, 9
    m += "\r\nFALSE\r\nTabii\r\nx\r\n";       // switches 1-4
    m += "TRUE\r\nTRUE\r\nTRUE\r\nTRUE\r\nTRUE\r\nTRUE\r\nfalse\r\n";  // 5-11
    Yaz(k.Dosya("m.txt"), m);
    TAyarDegerleri d = Varsayilan();
    d.SonucBolumSecimleri[1] = true;
    ASSERT_TRUE(AyarDosyasiniOku(k.Dosya("m.txt"), d));
    EXPECT_FALSE(d.YerDegistirmesiz);
    EXPECT_TRUE(d.YerDegistirmeli);
    EXPECT_TRUE(d.SonucBolumSecimleri[1]);
    EXPECT_FALSE(d.SonucBolumSecimleri[2]);
    EXPECT_TRUE(d.SonucBolumSecimleri[3]);
    EXPECT_FALSE(d.SonucBolumSecimleri[4]);
    EXPECT_TRUE(d.SonucBolumSecimleri[10]);
    EXPECT_FALSE(d.SonucBolumSecimleri[11]);
}

TEST(SonDosyalar, TekGecisteEksikDosyalarKayar) {
    // [missing A, missing B, existing C, empty, empty] -> [B, C, empty, empty, empty]
    auto var = [](const std::string& s) { return s == "/C.mdb" || s == "/D.mdb"; };
    std::array<std::string, 5> l = {"/A.mdb", "/B.mdb", "/C.mdb", "", ""};
    int i = SonDosyalariDuzenle(l, "/C.mdb", var);
    EXPECT_EQ(l, (std::array<std::string, 5>{"/B.mdb", "/C.mdb", "", "", ""}));
    EXPECT_EQ(i, 1);  // the open project is already listed: only the mark moves

    // A project not in the list enters as item 1; the old item 5 drops out.
    l = {"/C.mdb", "/C.mdb", "/C.mdb", "/C.mdb", "/C5.mdb"};
    auto hepsi = [](const std::string& s) { return !s.empty(); };
    i = SonDosyalariDuzenle(l, "/D.mdb", hepsi);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(l, (std::array<std::string, 5>{"/D.mdb", "/C.mdb", "/C.mdb", "/C.mdb", "/C.mdb"}));

    // The fifth item is emptied when its file is gone.
    l = {"/C.mdb", "/D.mdb", "/C.mdb", "/D.mdb", "/gone.mdb"};
    SonDosyalariDuzenle(l, "/C.mdb", var);
    EXPECT_EQ(l[4], "");

    // No open project: nothing is inserted and nothing is marked.
    l = {"/C.mdb", "", "", "", ""};
    EXPECT_EQ(SonDosyalariDuzenle(l, "", var), -1);
    EXPECT_EQ(l, (std::array<std::string, 5>{"/C.mdb", "", "", "", ""}));
}

TEST(BellekEtiketi, BinlerVirgulleEnFazlaBirOndalik) {
    EXPECT_EQ(BellekMetni(85.0), "Kullanılan bellek: 85 MB");
    EXPECT_EQ(BellekMetni(1234.56), "Kullanılan bellek: 1,234.6 MB");
    EXPECT_EQ(BellekMetni(1234567.04), "Kullanılan bellek: 1,234,567 MB");
    EXPECT_EQ(BellekMetni(0.25), "Kullanılan bellek: 0.3 MB");
    EXPECT_EQ(BellekMetni(999.96), "Kullanılan bellek: 1,000 MB");
}
