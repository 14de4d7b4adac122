#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "TestYardim.h"
#include "engine/CozumIyilestirme.h"
#include "run/SonucPdf.h"

namespace {

std::string PdfMetni(const std::string& pdf) {
    std::string cikti = pdf + ".txt";
    std::string komut = "pdftotext -layout '" + pdf + "' '" + cikti + "'";
    if (std::system(komut.c_str()) != 0) return {};
    std::ifstream f(cikti);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

SonucPdfGirdisi OrnekGirdi() {
    SonucPdfGirdisi g;
    g.RaporSatirlari = {"SONLU ELEMANLAR KUVVET METODU", "Problem: Çelik çatı", "Sistem: 10:Düzlem kafes",
                        "Eleman sayısı: 3", "Nokta sayısı: 3", " ",
                        "MALZEME BİLGİLERİ:", "No  E", "----", "1  2.1E8", "",
                        "KOORDİNATLAR:", "No X Y", "----", "1 0 0", "",
                        "REAKSİYONLAR:", "No Rx Ry", "----", "1 5 -2.5", "",
                        "HESAP SÜRESİ: 0.01 Saniye"};
    for (int i = 1; i <= 11; ++i) g.Secimler[i] = false;
    g.ProbleminTanimi = "Şığ %d çatı ğüİ";
    g.TelifMetni = "Orvelta telif satırı";
    g.Surum = "1.0";
    g.TarihSaat = "06.12.2026 22:55:01";
    return g;
}

}  // namespace

TEST(SonucPdf, SecilenBolumlerVeBasSatirlari) {
    auto g = OrnekGirdi();
    g.Secimler[3] = true;   // Koordinatlar
    g.Secimler[9] = true;   // Reaksiyonlar
    g.Secimler[11] = true;  // not in the report: skipped
    auto s = PdfSatirlariniSec(g);
    std::vector<std::string> beklenen = {
        "SONLU ELEMANLAR KUVVET METODU", "Problem: Çelik çatı", "Sistem: 10:Düzlem kafes",
        "Eleman sayısı: 3", "Nokta sayısı: 3", " ",
        "KOORDİNATLAR:", "No X Y", "----", "1 0 0", "",
        "REAKSİYONLAR:", "No Rx Ry", "----", "1 5 -2.5", "",
        "HESAP SÜRESİ: 0.01 Saniye         Tarih saat: 06.12.2026 22:55:01"};
    EXPECT_EQ(s, beklenen);
}

TEST(SonucPdf, HicBolumSecilmezseBasVeSureKalir) {
    auto g = OrnekGirdi();
    auto s = PdfSatirlariniSec(g);
    ASSERT_EQ(s.size(), 7u);
    EXPECT_EQ(s[6], "HESAP SÜRESİ: 0.01 Saniye         Tarih saat: 06.12.2026 22:55:01");
    // the line of an inaccurate result below the head keeps the separator after it
    g.RaporSatirlari.insert(g.RaporSatirlari.begin() + 5, kMekanizmayaYakinUyarisi);
    s = PdfSatirlariniSec(g);
    ASSERT_EQ(s.size(), 8u);
    EXPECT_EQ(s[5], kMekanizmayaYakinUyarisi);
    EXPECT_EQ(s[6], " ");
}

TEST(SonucPdf, TurkceHarflerVeAltBilgiSayfaNumaralari) {
    GeciciKlasor k;
    auto g = OrnekGirdi();
    g.Secimler[1] = true;
    // A long section so that the report runs over several pages.
    std::vector<std::string> m(g.RaporSatirlari.begin(), g.RaporSatirlari.begin() + 6);
    m.push_back("MALZEME BİLGİLERİ:");
    for (int i = 0; i < 200; ++i) m.push_back("satır " + std::to_string(i) + " ıİşŞğĞüÜöÖçÇ");
    m.push_back("");
    m.push_back("HESAP SÜRESİ: 0.5 Saniye");
    g.RaporSatirlari = m;
    std::string hata;
    const std::string dosya = k.Dosya("Sonuçlar.pdf");
    ASSERT_TRUE(SonucPdfYaz(g, dosya, hata)) << hata;
    std::string metin = PdfMetni(dosya);
    ASSERT_FALSE(metin.empty());
    EXPECT_NE(metin.find("satır 199 ıİşŞğĞüÜöÖçÇ"), std::string::npos);
    EXPECT_NE(metin.find("Sonlu Elemanlar Kuvvet Metodu, Sürüm:1.0"), std::string::npos);
    EXPECT_NE(metin.find("Orvelta telif satırı"), std::string::npos);
    // The description with its "%d" is text, and every page shows n/N.
    EXPECT_NE(metin.find("Şığ %d çatı ğüİ - Sayfa: 1/3"), std::string::npos);
    EXPECT_NE(metin.find("Şığ %d çatı ğüİ - Sayfa: 2/3"), std::string::npos);
    EXPECT_NE(metin.find("Şığ %d çatı ğüİ - Sayfa: 3/3"), std::string::npos);
    // The text extraction folds the run of blanks; the timing and the date share one line.
    auto konum = metin.find("HESAP SÜRESİ: 0.5 Saniye");
    ASSERT_NE(konum, std::string::npos);
    auto satirSonu = metin.find('\n', konum);
    EXPECT_NE(metin.substr(konum, satirSonu - konum).find("Tarih saat: 06.12.2026 22:55:01"), std::string::npos);
}

TEST(SonucPdf, YazilamayanDosyaHataVerirEskisiniBozmaz) {
    GeciciKlasor k;
    std::string hata;
    EXPECT_FALSE(SonucPdfYaz(OrnekGirdi(), k.Dosya("yok/klasor/Sonuçlar.pdf"), hata));
    EXPECT_FALSE(hata.empty());
}

TEST(SonucPdf, Cp1254Donusumu) {
    EXPECT_EQ(Utf8DenCp1254e("ğĞıİşŞ"), "\xF0\xD0\xFD\xDD\xFE\xDE");
    EXPECT_EQ(Utf8DenCp1254e("çÇöÖüÜ°²"), "\xE7\xC7\xF6\xD6\xFC\xDC\xB0\xB2");
    EXPECT_EQ(Utf8DenCp1254e("a\xE2\x82\xAC"), "a\x80");
    EXPECT_EQ(Utf8DenCp1254e("\xE4\xB8\xAD"), "?");
}
