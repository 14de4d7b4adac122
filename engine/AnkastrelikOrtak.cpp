#include "engine/AnkastrelikOrtak.h"

#include "model/LibU.h"
#include "model/Tipler.h"

void AnkastrelikHatasi(const std::string& Metin) {
    MesajKutusu(Metin, "HATA:", "TamamHata1");
    Hata = 1;
}

bool MafsalSerbestlikleri(const std::string& MafsalTipi, std::array<bool, 7>& Serbest) {
    Serbest.fill(false);
    std::string metin;
    for (char c : MafsalTipi)
        if (c != ' ') metin += c;
    if (metin.empty()) metin = "00";
    if (metin.size() % 2 != 0) return false;
    for (std::size_t p = 0; p < metin.size(); p += 2) {
        const char c1 = metin[p], c2 = metin[p + 1];
        if (c1 != '0' || c2 < '0' || c2 > '6') return false;
        const int kod = c2 - '0';
        if (kod != 0) Serbest[kod] = true;
    }
    return true;
}
