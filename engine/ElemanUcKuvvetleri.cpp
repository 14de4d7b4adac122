#include "engine/ElemanUcKuvvetleri.h"


#include "engine/AnkastrelikKuvvetleri.h"
#include "engine/ElemanMatrisleri.h"
#include "engine/LevhaPlakMatrisleri.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/TabloyuAc.h"

namespace {

// Adds the fixed-end forces of the element's loads to ElemanUcKuvvetleri
// (a, b: a plate's sides); false when a load routine failed (Hata set).
bool AnkastrelikKuvvetleriniEkle(int e, double a, double b) {
    const int tip = OkunanElemanTipi;
    if (!ElemanYukuAlir(tip)) return true;
    TabloyuAc(Tablolar.EYUK);
    bool tamam = true;
    ElemanYukleriniGez(e, [&] {
        YerelAnkastrelikKuvvetleri = {};
        int yer = 0;
        switch (tip) {
            case DuzlemKafesElemani:
            case UzayKafesElemani:
                KafesAnkastrelikKuvvetleri();
                yer = 2;
                break;
            case DuzlemCerceveElemani:
                DuzlemCerceveAnkastrelikKuvvetleri();
                if (Hata != 0) return tamam = false;
                yer = 6;
                break;
            case UzayCerceveElemani:
                UzayCerceveAnkastrelikKuvvetleri();
                yer = 12;
                break;
            case DortgenPlakElemani:
                PlakAnkastrelikKuvvetleri(a, b, OkunanYuk);
                yer = 12;
                break;
        }
        for (int k = 1; k <= yer; ++k) ElemanUcKuvvetleri[k] += YerelAnkastrelikKuvvetleri[k];
        return true;
    });
    return tamam;
}

}  // namespace

bool ElemanUcKuvvetleriniHesapla(int e) {
    TuretElemanNo = e;
    // Reads the element (and a bar's length into ElemanBoyu) as well.
    ElemanMatrisleriniKur(e, 1);
    if (Hata != 0) return false;
    // A plate's sides along X and Y.
    const double a = OkunanLX1 - OkunaniX1;
    const double b = OkunanjX2 - OkunaniX2;
    const int m = ElemanBilinmeyenTablosu[0][e];
    const int s = ElemanBilinmeyenTablosu[1][e] - 1;
    ElemanKuvvetSayisi = m;
    ElemanUcKuvvetleri = {};
    for (int r = 1; r <= ElemanNoktaSayisi * ElemaninNoktadakiKuvvetSayisi; ++r) {
        double t = 0;
        for (int c = 1; c <= m; ++c) t += ElemanYerelDengeMatrisi[r][c] * Bilinmeyenler[s + c];
        ElemanUcKuvvetleri[r] = t;
    }
    if (!AnkastrelikKuvvetleriniEkle(e, a, b)) return false;
    if (OkunanElemanTipi == DortgenPlakElemani) PlakMomentleri(ElemanUcKuvvetleri, a, b);
    return true;
}
