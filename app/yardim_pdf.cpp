// Build step: lays the help text out on pages through the program's own page
// layer and writes the help document.
//   orvelta_yardim_pdf <OrveltaYardım.pdf> <OrveltaYardim.txt>
// Text form: "# " starts a heading, a line starting with two blanks is kept
// as it is (tables, steps, examples), an empty line separates paragraphs,
// every other line is a paragraph wrapped at the page width.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/TurkceMetin.h"
#include "run/PdfSayfa.h"

namespace {

constexpr double kYazi = 9.5, kBaslik = 12;
constexpr std::size_t kSatirUzunlugu = 88;  // characters of the fixed-pitch font per line

// Words joined into lines of at most Genislik characters; Ilk starts the
// first line, Girinti every line after it.
std::vector<std::string> Sar(const std::string& Metin, std::size_t Genislik, const std::string& Ilk,
                             const std::string& Girinti) {
    std::vector<std::string> satirlar;
    std::string satir = Ilk;
    bool bos = true;  // no word on the line yet
    std::size_t bas = 0;
    while (bas < Metin.size()) {
        std::size_t son = Metin.find(' ', bas);
        if (son == std::string::npos) son = Metin.size();
        const std::string kelime = Metin.substr(bas, son - bas);
        bas = son + 1;
        if (kelime.empty()) continue;
        if (!bos && Utf8KarakterSayisi(satir) + 1 + Utf8KarakterSayisi(kelime) > Genislik) {
            satirlar.push_back(satir);
            satir = Girinti;
            bos = true;
        }
        if (!bos) satir += ' ';
        satir += kelime;
        bos = false;
    }
    if (!bos) satirlar.push_back(satir);
    return satirlar;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "kullanım: orvelta_yardim_pdf <OrveltaYardım.pdf> <OrveltaYardim.txt>\n";
        return 2;
    }
    std::ifstream f(argv[2], std::ios::binary);
    if (!f) {
        std::cerr << argv[2] << " okunamadı\n";
        return 1;
    }
    PdfSayfaKatmani s(KagitBoyutu::A4);
    if (!s.BelgeyiBaslat()) {
        std::cerr << s.HataMetni() << "\n";
        return 1;
    }
    s.YaziTipiAyarla(8, false);
    s.BaslikMetniEkle("Orvelta: Sonlu Elemanlar Kuvvet Metodu - Yardım");
    std::string satir;
    bool ilk = true;
    while (std::getline(f, satir)) {
        if (!satir.empty() && satir.back() == '\r') satir.pop_back();
        if (satir.rfind("# ", 0) == 0) {
            if (!ilk) s.SatirYaz("");
            s.YaziTipiAyarla(kBaslik, true);
            s.SatirYaz(satir.substr(2));
            s.YarimSatirAtla();
        } else if (satir.empty()) {
            s.YaziTipiAyarla(kYazi, false);
            s.YarimSatirAtla();
        } else {
            s.YaziTipiAyarla(kYazi, false);
            const bool sabit = satir.rfind("  ", 0) == 0;
            if (sabit && Utf8KarakterSayisi(satir) <= kSatirUzunlugu) {
                s.SatirYaz(satir);
            } else {
                // A kept line that is too long goes on under its own indent.
                const std::size_t bosluk = sabit ? satir.find_first_not_of(' ') : 0;
                for (const auto& parca : Sar(satir, kSatirUzunlugu, std::string(bosluk, ' '),
                                             std::string(sabit ? bosluk + 4 : 0, ' ')))
                    s.SatirYaz(parca);
            }
        }
        ilk = false;
    }
    s.YaziTipiAyarla(8, false);
    s.AltBilgiEkle("Orvelta Yardım");
    if (!s.PdfOlarakKaydet(argv[1])) {
        std::cerr << s.HataMetni() << "\n";
        return 1;
    }
    return 0;
}
