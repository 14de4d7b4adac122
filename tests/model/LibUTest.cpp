#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "TestYardim.h"
#include "model/LibU.h"
#include "model/Tipler.h"

namespace fs = std::filesystem;

TEST(LibU, MetinParcalari) {
    std::string m = "1::10::2";
    EXPECT_EQ(KelimeAl(m, "::"), "1");  // a separator of more than one character is skipped whole
    EXPECT_EQ(m, "10::2");
    const struct {
        const char *metin, *once, *sonra;
    } durumlar[] = {{"30:Düzlem çerçeve", "30", "Düzlem çerçeve"}, {"abc", "abc", ""}, {":x", "", "x"}, {"a:", "a", ""}};
    for (const auto& d : durumlar) {
        EXPECT_EQ(AyiracOncesi(d.metin, ":"), d.once) << d.metin;
        EXPECT_EQ(AyiracSonrasi(d.metin, ":"), d.sonra) << d.metin;
    }
    EXPECT_EQ(BosluklariSil(" 1, 10 ,2\t"), "1,10,2\t");
    // width counts letters, not bytes
    EXPECT_EQ(SolaDoldur("Işık", ' ', 6), "  Işık");
    EXPECT_EQ(SolaDoldur("ÇÇÇÇ", ' ', 2), "ÇÇ");
}

TEST(LibU, TamSayiMi) {
    int d = -5;
    EXPECT_FALSE(TamSayiMi("12", 1, 10, d));
    EXPECT_EQ(d, -5);
    for (auto [metin, deger] : {std::pair{"7", 7}, {"-5", -5}, {"10", 10}, {"-3", -3}, {" +4 ", 4}}) {
        EXPECT_TRUE(TamSayiMi(metin, -5, 10, d)) << metin;
        EXPECT_EQ(d, deger);
    }
    for (const char* kotu : {"", "abc", "7.0", "7a", "1e2", "--1", "+-1", "99999999999", "0x10", "1 2"}) {
        d = 42;
        EXPECT_FALSE(TamSayiMi(kotu, -100000, 100000, d)) << kotu;
        EXPECT_EQ(d, 42) << kotu;
    }
}

// The key check reads numbers past the int range and reports them as out of
// range, so the whole-number reading itself is not bounded by int.
TEST(LibU, TamSayiCozIntAraligindanBuyuguOkurOndalikliyiReddeder) {
    long long v = 0;
    EXPECT_TRUE(TamSayiCoz(" 3000000000 ", v));
    EXPECT_EQ(v, 3000000000LL);
    int d = 42;
    EXPECT_FALSE(TamSayiMi("3000000000", INT_MIN, INT_MAX, d));
    EXPECT_EQ(d, 42);
    for (const char* kotu : {"5.0", "5e0", "+", "+-5", ""}) EXPECT_FALSE(TamSayiCoz(kotu, v)) << kotu;
}

TEST(LibU, DosyaVarMiYalnizcaDuzenliDosya) {
    GeciciKlasor k;
    std::ofstream(k.Dosya("a.txt")) << "x";
    EXPECT_TRUE(DosyaVarMi(k.Dosya("a.txt")));
    EXPECT_FALSE(DosyaVarMi(k.Yol().string()));
    EXPECT_FALSE(DosyaVarMi(k.Dosya("yok.txt")));
    EXPECT_FALSE(DosyaVarMi(""));
}

TEST(LibU, GercelSayiMi) {
    double d = -1;
    EXPECT_TRUE(GercelSayiMi("2.5", d, 0, 10));
    EXPECT_DOUBLE_EQ(d, 2.5);
    EXPECT_TRUE(GercelSayiMi("1e100", d, -1E100, 1E100));
    EXPECT_EQ(d, 1E100);
    EXPECT_TRUE(GercelSayiMi("-1E100", d, -1E100, 1E100));
    EXPECT_TRUE(GercelSayiMi("1.2E-5", d, 0, 1));
    EXPECT_DOUBLE_EQ(d, 1.2E-5);
    d = 3;
    EXPECT_FALSE(GercelSayiMi("1.1e100", d, -1E100, 1E100));
    EXPECT_EQ(d, 3);
    // the comma is not a decimal separator, whatever the machine's settings
    for (const char* kotu : {"2,5", "", "abc", "1.2.3", "inf", "nan", "1e", "e5", "1e400", "--2", "0x1p3"}) {
        d = 3;
        EXPECT_FALSE(GercelSayiMi(kotu, d, -1E300, 1E300)) << kotu;
        EXPECT_EQ(d, 3) << kotu;
    }
    EXPECT_FALSE(GercelSayiMi("0", d, 1E-9, 1E200));  // below the lower bound
}

TEST(LibU, TurkceHarfler) {
    EXPECT_EQ(TurkceBuyukHarf("Eleman kuvvetleri"), "ELEMAN KUVVETLERİ");
    EXPECT_EQ(TurkceBuyukHarf("ışık çiğ öğe ünlü şişe"), "IŞIK ÇİĞ ÖĞE ÜNLÜ ŞİŞE");
    EXPECT_EQ(TurkceKucukHarf("IŞIK ÇİĞ ÖĞE ÜNLÜ ŞİŞE"), "ışık çiğ öğe ünlü şişe");
    EXPECT_EQ(TurkceKucukHarf("EvetHayırSoru2"), "evethayırsoru2");
    EXPECT_EQ(TurkceBuyukHarf("a1-b2: °C m²"), "A1-B2: °C M²");
}

TEST(LibU, MesajKutusuMetniVeBasligi255KarakterdeKeser) {
    auto& a = TemizBasliksizArayuz();
    int pompa = 0;
    a.IsleKancasi = [&] { ++pompa; };
    std::string uzun;
    for (int i = 0; i < 300; ++i) uzun += "ş";
    EXPECT_EQ(MesajKutusu(uzun, uzun, "TamamHata1"), "T");
    EXPECT_EQ(pompa, 1);  // pending messages are served first
    ASSERT_EQ(a.Mesajlar.size(), 1u);
    EXPECT_EQ(a.Mesajlar[0].Metin, uzun.substr(0, 255 * 2));
    EXPECT_EQ(a.Mesajlar[0].Baslik, uzun.substr(0, 255 * 2));
    EXPECT_EQ(a.Mesajlar[0].Stil, "TamamHata1");
    a.Cevaplar.push_back("H");
    EXPECT_EQ(MesajKutusu("x", "SORU:", "EvetHayırSoru2"), "H");
}

class DosyaKopyalaTest : public ::testing::Test {
protected:
    void SetUp() override { arayuz = &TemizBasliksizArayuz(); }
    static void Yaz(const std::string& yol, const std::string& icerik) {
        std::ofstream(yol, std::ios::binary) << icerik;
    }
    static std::string Oku(const std::string& yol) {
        std::ifstream f(yol, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    BasliksizArayuz* arayuz = nullptr;
    GeciciKlasor k;
};

TEST_F(DosyaKopyalaTest, BesBinBaytinTamKopyasi) {
    std::string veri(5000, '\0');
    std::mt19937 r(7);
    for (char& c : veri) c = static_cast<char>(r());
    Yaz(k.Dosya("a.mdb"), veri);
    DosyaKopyala(k.Dosya("a.mdb"), k.Dosya("b.mdb"), false);
    EXPECT_EQ(fs::file_size(k.Dosya("b.mdb")), 5000u);
    EXPECT_EQ(Oku(k.Dosya("b.mdb")), veri);
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(arayuz->Mesajlar.empty());
}

TEST_F(DosyaKopyalaTest, KaynakYoksaMesajVeHata) {
    DosyaKopyala(k.Dosya("yok.mdb"), k.Dosya("b.mdb"), true);
    EXPECT_EQ(Hata, 1);
    ASSERT_EQ(arayuz->Mesajlar.size(), 1u);
    EXPECT_EQ(arayuz->Mesajlar[0].Metin, k.Dosya("yok.mdb") + " dosyası bulunamadı");
    EXPECT_EQ(arayuz->Mesajlar[0].Baslik, "HATA:");
    EXPECT_EQ(arayuz->Mesajlar[0].Stil, "TamamHata1");
    EXPECT_FALSE(fs::exists(k.Dosya("b.mdb")));
}

TEST_F(DosyaKopyalaTest, HedefVarsaSorar) {
    Yaz(k.Dosya("a.mdb"), "yeni");
    Yaz(k.Dosya("b.mdb"), "eski icerik");
    arayuz->Cevaplar = {"H"};
    DosyaKopyala(k.Dosya("a.mdb"), k.Dosya("b.mdb"), true);
    ASSERT_EQ(arayuz->Mesajlar.size(), 1u);
    EXPECT_EQ(arayuz->Mesajlar[0].Metin,
              k.Dosya("b.mdb") + " dosyası zaten var\r\rKopya işlemine devam edeyim mi ?");
    EXPECT_EQ(arayuz->Mesajlar[0].Baslik, "SORU:");
    EXPECT_EQ(arayuz->Mesajlar[0].Stil, "EvetHayırSoru2");
    EXPECT_EQ(Oku(k.Dosya("b.mdb")), "eski icerik");

    arayuz->Cevaplar = {"E"};
    DosyaKopyala(k.Dosya("a.mdb"), k.Dosya("b.mdb"), true);
    EXPECT_EQ(Oku(k.Dosya("b.mdb")), "yeni");  // replaced, not appended to
    // without the question it copies at once
    Yaz(k.Dosya("a.mdb"), "ucuncu");
    DosyaKopyala(k.Dosya("a.mdb"), k.Dosya("b.mdb"), false);
    EXPECT_EQ(arayuz->Mesajlar.size(), 2u);
    EXPECT_EQ(Oku(k.Dosya("b.mdb")), "ucuncu");
    EXPECT_EQ(Hata, 0);
}

TEST_F(DosyaKopyalaTest, YazilamayanHedefHataFirlatir) {
    Yaz(k.Dosya("a.mdb"), "x");
    try {
        DosyaKopyala(k.Dosya("a.mdb"), k.Dosya("yok/klasor/b.mdb"), false);
        ADD_FAILURE() << "hata fırlatılmadı";
    } catch (const std::system_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  k.Dosya("yok/klasor/b.mdb") + " dosyası oluşturulamadı (dosya veya klasör yok)");
    }
}

TEST_F(DosyaKopyalaTest, KendiUzerineKopyaDosyayiBozmaz) {
    const std::string veri(5000, 'x');
    Yaz(k.Dosya("a.mdb"), veri);
    fs::create_symlink(k.Dosya("a.mdb"), k.Dosya("bag.mdb"));
    for (const std::string& hedef : {k.Dosya("a.mdb"), k.Dosya("bag.mdb"), k.Dosya("./a.mdb")}) {
        try {
            DosyaKopyala(k.Dosya("a.mdb"), hedef, true);
            ADD_FAILURE() << "no error for " << hedef;
        } catch (const std::system_error& e) {
            EXPECT_EQ(std::string(e.what()), k.Dosya("a.mdb") + " dosyası kendi üzerine kopyalanamaz");
        }
        EXPECT_EQ(Oku(k.Dosya("a.mdb")), veri) << hedef;
    }
    EXPECT_TRUE(arayuz->Mesajlar.empty());  // nothing was asked
    EXPECT_EQ(Hata, 0);
}

TEST(LibU, ProgramYollariniBelirle) {
    TemizBasliksizArayuz();
    const auto onceki = fs::current_path();
    const fs::path exe = fs::read_symlink("/proc/self/exe");
    ProgramYollariniBelirle();
    EXPECT_EQ(ProgramKlasoru, exe.parent_path().string());
    EXPECT_NE(ProgramKlasoru.back(), '/');
    EXPECT_EQ(VerilerKlasoru, ProgramKlasoru);
    EXPECT_EQ(fs::current_path(), exe.parent_path());
    EXPECT_EQ(ProgramAdi, TurkceKucukHarf(exe.filename().string()));
    EXPECT_EQ(ProgramTamAdi, TurkceKucukHarf(exe.string()));
    EXPECT_EQ(ProgramSurucusu, ProgramTamAdi.substr(0, 2));
    EXPECT_EQ(Surucu, ProgramSurucusu);
    fs::current_path(onceki);
}

TEST(LibU, DosyaAdiParcala) {
    std::string tam, sur, kl, ad, uz;
    DosyaAdiParcala("/Veri/Klasör/Proje.MDB", tam, sur, kl, ad, uz);
    EXPECT_EQ(tam, "/veri/klasör/proje.mdb");
    EXPECT_EQ(sur, "/v");
    EXPECT_EQ(kl, "/veri/klasör/");
    EXPECT_EQ(ad, "proje.mdb");
    EXPECT_EQ(uz, ".mdb");
}
