#pragma once
// The default printer's name and paper ("A3", "A4" or empty), and the
// system's printer settings.
#include <string>

struct YaziciBilgisi {
    std::string Ad;
    std::string Kagit;  // "A3", "A4" or empty
};

YaziciBilgisi VarsayilanYaziciyiOku();

// Opens the system's printer settings where such a program exists and waits
// until it is closed, keeping the windows painted meanwhile. False when
// there is no such program.
bool YaziciAyarlariniAcVeBekle();
