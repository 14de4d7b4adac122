// The results PDF of real reports read back with the PDF tools: every report
// line stands whole between the page margins, on A4 as on A3.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

#include "HesapTestYardim.h"
#include "run/SonucPdf.h"

namespace {

const double kKenar = 40;  // left and right margin of the page layer, in points

std::string DosyaMetni(const std::string& yol) {
    std::ifstream f(yol);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

// pdftotext with the options given; its output, empty when it failed.
std::string PdfdenMetin(const std::string& pdf, const std::string& secenek) {
    const std::string cikti = pdf + secenek + ".txt";
    const std::string komut = "pdftotext " + secenek + " '" + pdf + "' '" + cikti + "'";
    if (std::system(komut.c_str()) != 0) return {};
    return DosyaMetni(cikti);
}

std::vector<std::string> Kelimeler(const std::string& satir) {
    std::istringstream ss(satir);
    std::vector<std::string> k;
    for (std::string w; ss >> w;) k.push_back(w);
    return k;
}

struct PdfRaporu {
    std::vector<std::string> satirlar;  // the lines that went into the PDF
    std::string dosya;
};

// Runs the project, ticks every section and writes the PDF on the paper given.
PdfRaporu RaporPdfi(const std::string& sql, KagitBoyutu kagit, const GeciciKlasor& k, const std::string& ad) {
    PdfRaporu s;
    TestProjesi p(sql, true);
    SonucPdfGirdisi g;
    g.RaporSatirlari = p.Hesapla();
    EXPECT_TRUE(p.arayuz.Mesajlar.empty()) << ad;
    EXPECT_GT(g.RaporSatirlari.size(), 5u) << ad;
    for (int i = 1; i <= 11; ++i) g.Secimler[i] = true;
    g.ProbleminTanimi = ad;
    g.TelifMetni = "Orvelta";
    g.Surum = "1.0";
    g.TarihSaat = "07.12.2026 10:00:00";
    g.Kagit = kagit;
    s.satirlar = PdfSatirlariniSec(g);
    s.dosya = k.Dosya(ad + (kagit == KagitBoyutu::A3 ? "-A3" : "-A4") + ".pdf");
    std::string hata;
    EXPECT_TRUE(SonucPdfYaz(g, s.dosya, hata)) << hata;
    return s;
}

// Plate: the one of the plate report test (corner stresses 300, 450, 600,
// principal angle 48.56).
std::string Plak() {
    return Sql::Sistem("60:Plak") + Sql::Malzeme("1, 'M', 20000000, 0.25, 0, 0") + Sql::Kesit("A", "1, '60:Plak', 0.2") +
           Sql::Noktalar({{"1", 0}, {"2", 0, 1}, {"3", 2, 1}, {"4", 2}}) + Sql::Elemanlar({{"1", 60, 1, 2, 3, 4}}) +
           Sql::Baglar({{"1"}}) +
           Sql::Yukler({{"1", 0, 0, 0, 3, -1}, {"2", 0, 0, 0, -3, -1}, {"3", 0, 0, -8, -3, 1}, {"4", 0, 0, 0, 3, 1}}) +
           Sql::Mesnetler({{"1", "S S 0 S S S"}, {"2", "S S 0 S S S"}, {"4", "S S 0 S S S"}});
}

// Membrane: a quadrilateral and two triangles pulled along X and pushed up
// at one corner, so that the stresses and angles have digits.
std::string Levha() {
    return Sql::Sistem("50:Levha(düzlem gerilme)") + Sql::Malzeme("1, 'M', 20000000, 0.2, 0, 0") +
           Sql::Kesit("A", "1, '50:Levha', 0.1") +
           Sql::Noktalar({{"1", 0}, {"2", 0, 2}, {"3", 2, 2}, {"4", 2}, {"5", 4, 2}, {"6", 4}}) +
           Sql::Elemanlar({{"1", 51, 1, 2, 3, 4}, {"2", 50, 4, 3, 5}, {"3", 50, 4, 6, 5}}) +
           Sql::Baglar({{"1,3,1,0,0"}}) + Sql::Yukler({{"5", 50, 20}, {"6", 50}}) +
           Sql::Mesnetler({{"1", "0 0 S S S S"}, {"2", "0 S S S S S"}});
}

// Space frame: a cantilever with a tip load across and a torque.
std::string UzayCerceve() {
    return UzayCubugu("0.00002", Sql::Mesnetler({{"1", "0 0 0 0 0 0"}}) + Sql::Yukler({{"2", 0, 0, -10, 5}}));
}

std::string UzayKafes() {
    return Sql::Sistem("20:Uzay kafes") + Sql::Celik() +
           Sql::Kesit("A, ix, iy, iz", "1, '100:Diğer', 0.001, 0, 0.000001, 0.000001") +
           Sql::Noktalar({{"1", 3}, {"2", 0, 3}, {"3", 0}, {"4", 0, 0, 4}}) +
           Sql::Elemanlar({{"1", 20, 1, 4}, {"2", 20, 2, 4}, {"3", 20, 3, 4}}) + Sql::Baglar({{"1,3,1,0,0"}}) +
           Sql::Yukler({{"4", 30, 0, -60}}) +
           Sql::Mesnetler({{"1", "0 0 0 S S S"}, {"2", "0 0 0 S S S"}, {"3", "0 0 0 S S S"}});
}

std::string DuzlemKafes() {
    return UcgenKafes(Sql::Kesit("A, ix, iy, iz, h", "1, '100:Diğer', 0.02, 0.000001, 0.0000001, 0.0000002, 0"));
}

std::string DuzlemCerceve() {
    return CerceveKirisi("S 0 S S S S", Sql::Yukler({{"2", 5, -10}}));
}

// The words of a PDF as pdftotext -bbox places them: the page width, the
// leftmost start and the rightmost end of a word, and the widths of the
// 115-character rule and of the stress section's title when there are.
struct KelimeSinirlari {
    double sayfa = 0, enSol = 1e9, enSag = 0, cizgi = 0, baslik = 0;
};
KelimeSinirlari Sinirlar(const std::string& pdf) {
    static const std::regex sayfaRe(R"re(<page width="([0-9.]+)")re");
    static const std::regex kelimeRe(
        R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)</word>)re");
    const std::string xml = PdfdenMetin(pdf, "-bbox");
    KelimeSinirlari k;
    std::smatch m;
    if (std::regex_search(xml, m, sayfaRe)) k.sayfa = std::stod(m[1]);
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), kelimeRe); it != std::sregex_iterator(); ++it) {
        const double x0 = std::stod((*it)[1]), x1 = std::stod((*it)[2]);
        k.enSol = std::min(k.enSol, x0);
        k.enSag = std::max(k.enSag, x1);
        if ((*it)[3] == std::string(115, '-')) k.cizgi = x1 - x0;
        if ((*it)[3] == "GERİLMELER:") k.baslik = x1 - x0;
    }
    return k;
}

}  // namespace

// pdftotext -layout of a plate's, a membrane's and a space frame's PDF on
// A4: every report line comes back with all its words (the extraction folds
// runs of blanks), the 120-character stress rows with their angle column,
// the stress titles with their last title and the 115-character rule.
TEST(SonucPdfSatirlari, LevhaPlakVeUzayCerceveA4teTamOkunur) {
    GeciciKlasor k;
    const std::pair<const char*, std::string> sistemler[] = {
        {"Plak", Plak()}, {"Levha", Levha()}, {"UzayCerceve", UzayCerceve()}};
    for (const auto& [ad, sql] : sistemler) {
        PdfRaporu r = RaporPdfi(sql, KagitBoyutu::A4, k, ad);
        const std::string metin = PdfdenMetin(r.dosya, "-layout");
        ASSERT_FALSE(metin.empty()) << ad;
        std::vector<std::vector<std::string>> pdfSatirlari;
        std::istringstream ss(metin);
        for (std::string s; std::getline(ss, s);)
            if (!Kelimeler(s).empty()) pdfSatirlari.push_back(Kelimeler(s));
        // In order, each report line is one line of the PDF (the page
        // headers and footers stand between them).
        std::size_t j = 0;
        int uzun = 0;
        for (const std::string& satir : r.satirlar) {
            const auto beklenen = Kelimeler(satir);
            if (beklenen.empty()) continue;
            while (j < pdfSatirlari.size() && pdfSatirlari[j] != beklenen) ++j;
            ASSERT_LT(j, pdfSatirlari.size()) << ad << ": the line is not whole in the PDF:\n" << satir;
            ++j;
            if (satir.size() >= 115) ++uzun;
        }
        EXPECT_GE(uzun, 2) << ad;  // the stress titles and the rule at least
        EXPECT_NE(metin.find(std::string(115, '-')), std::string::npos) << ad;
    }
}

// The widest line of each system's report, as the PDF tools measure it with
// the embedded font's widths: every word lies between the left and the
// right margin of the page, on A4 and on A3. On A3, where the lines fit, the
// text keeps its full width (8 points a character of 0.602 em).
TEST(SonucPdfSatirlari, EnGenisSatirKenarBosluklariArasinda) {
    GeciciKlasor k;
    const std::pair<const char*, std::string> sistemler[] = {
        {"DuzlemKafes", DuzlemKafes()}, {"UzayKafes", UzayKafes()}, {"DuzlemCerceve", DuzlemCerceve()},
        {"UzayCerceve", UzayCerceve()}, {"Levha", Levha()},         {"Plak", Plak()}};
    for (KagitBoyutu kagit : {KagitBoyutu::A4, KagitBoyutu::A3}) {
        const double beklenenGenislik = kagit == KagitBoyutu::A4 ? 595.276 : 841.89;
        for (const auto& [ad, sql] : sistemler) {
            PdfRaporu r = RaporPdfi(sql, kagit, k, ad);
            const KelimeSinirlari k = Sinirlar(r.dosya);
            EXPECT_NEAR(k.sayfa, beklenenGenislik, 0.01) << ad;
            EXPECT_GE(k.enSol, kKenar - 0.01) << ad;
            EXPECT_LE(k.enSag, k.sayfa - kKenar + 0.01) << ad;
            ASSERT_GT(k.cizgi, 0) << ad << ": no stress rule in the PDF";
            if (kagit == KagitBoyutu::A3) EXPECT_NEAR(k.cizgi, 115 * 8 * 1233.0 / 2048, 0.05) << ad;
            // The stress section's rule is condensed on A4 with every other
            // line of the report, its title too: one character width in both.
            EXPECT_NEAR(k.cizgi / 115, k.baslik / 11, 0.001) << ad;
        }
    }
}

// A problem description of 200 characters: its title line (size 9, bold)
// and the footer that repeats it are condensed into the margins as well, and
// read back whole.
TEST(SonucPdfSatirlari, UzunTanimVeAltBilgiKenarlarArasinda) {
    GeciciKlasor k;
    SonucPdfGirdisi g;
    g.RaporSatirlari = {"SİSTEM:10:Düzlem kafes", "a", "b", "c", "d", " ", "", "HESAP SÜRESİ: 0.01 Saniye"};
    std::string tanim;
    for (int i = 0; i < 10; ++i) tanim += "Köprü kirişi " + std::to_string(i) + " çözümü ";
    tanim.resize(tanim.find(' ', 190));
    g.ProbleminTanimi = tanim;
    g.TelifMetni = "Orvelta";
    g.TarihSaat = "07.12.2026 10:00:00";
    const std::string dosya = k.Dosya("Tanim.pdf");
    std::string hata;
    ASSERT_TRUE(SonucPdfYaz(g, dosya, hata)) << hata;
    const KelimeSinirlari s = Sinirlar(dosya);
    EXPECT_NEAR(s.sayfa, 595.276, 0.01);
    EXPECT_GE(s.enSol, kKenar - 0.01);
    EXPECT_LE(s.enSag, s.sayfa - kKenar + 0.01);
    std::vector<std::string> satirlar;
    std::istringstream ss(PdfdenMetin(dosya, "-layout"));
    for (std::string x; std::getline(ss, x);) satirlar.push_back(x);
    auto var = [&](const std::vector<std::string>& beklenen) {
        for (const auto& x : satirlar)
            if (Kelimeler(x) == beklenen) return true;
        return false;
    };
    EXPECT_TRUE(var(Kelimeler(tanim))) << tanim;
    auto altBilgi = Kelimeler(tanim);
    for (const char* w : {"-", "Sayfa:", "1/1"}) altBilgi.push_back(w);
    EXPECT_TRUE(var(altBilgi));
}
