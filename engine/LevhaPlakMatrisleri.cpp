#include "engine/LevhaPlakMatrisleri.h"

#include <string>

#include "model/LibU.h"
#include "model/Tipler.h"

void LevhaPlakMatrisleriniKur(int ElemanNo, int Islem) {
    Hata = 1;
    MesajKutusu(std::to_string(ElemanNo) + ".eleman tipi henüz hesaplanamıyor", "HATA:", "TamamHata1");
}
