#pragma once
// Lays the ticked sections of the report out on pages and writes the PDF.
#include <array>
#include <string>
#include <vector>

#include "run/PdfSayfa.h"

struct SonucPdfGirdisi {
    std::vector<std::string> RaporSatirlari;  // the report memo's lines
    std::array<bool, 12> Secimler{};          // [1..11], as the report-section switches
    std::string ProbleminTanimi;
    std::string TelifMetni;                   // header of every page
    std::string Surum;                        // version in the method line
    std::string TarihSaat;                    // date and time after the timing line
    KagitBoyutu Kagit = KagitBoyutu::A4;
};

// The report lines that go into the PDF, in order: the head (lines 0 to 5),
// each ticked section found in the report from its title down to and
// including the next empty line, and the last line with the date and time.
std::vector<std::string> PdfSatirlariniSec(const SonucPdfGirdisi& g);

// Builds the document and writes it to Dosya. False with Hata set on failure;
// then Dosya is left as it was.
bool SonucPdfYaz(const SonucPdfGirdisi& g, const std::string& Dosya, std::string& Hata);

// "06.12.2026 22:55:01": short date and long time of the moment.
std::string SimdikiTarihSaat();
