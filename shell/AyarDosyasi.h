#pragma once
// The settings file "VerilerOrtak/Ayarlar.txt": twenty lines, one value per
// line, UTF-8, CR LF line ends. It also keeps the recent-project list, whose
// tidy step lives here so that it can run without a window.
#include <array>
#include <functional>
#include <string>

// Everything the settings file carries.
struct TAyarDegerleri {
    std::string SonVeriTabani;                  // line 1
    int FormOlcegi = 100;                       // line 2
    std::array<std::string, 5> SonDosyalar;     // lines 3-7, item 1 first
    bool YerDegistirmesiz = true;               // line 8
    bool YerDegistirmeli = false;               // line 9
    std::array<bool, 12> SonucBolumSecimleri{}; // lines 10-20, [1..11]
};

// Reads the file into D. Whatever cannot be read (missing file, short file,
// a line that is not in its form) keeps the value D already holds. A scale
// outside 30..300 is taken as 100. Returns false when the file could not be
// opened at all.
bool AyarDosyasiniOku(const std::string& Dosya, TAyarDegerleri& D);

// Writes the file anew; returns false (with the system's reason in Hata)
// when it cannot be written.
bool AyarDosyasiniYaz(const std::string& Dosya, const TAyarDegerleri& D, std::string& Hata);

// One pass of the recent-project tidy: an item whose file is gone takes the
// next item's path (the next item becomes empty); the fifth item is emptied
// when its file is gone. Then the open project is searched among the items:
// found, its index (0..4) is returned; not found, the items shift down, the
// open project becomes item 1 and 0 is returned. An empty open path leaves
// the list as the tidy left it and returns -1.
int SonDosyalariDuzenle(std::array<std::string, 5>& Liste, const std::string& AcikProje,
                        const std::function<bool(const std::string&)>& DosyaVar);
