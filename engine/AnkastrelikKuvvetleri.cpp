#include "engine/AnkastrelikKuvvetleri.h"

#include "model/Tipler.h"

// Until the load routines are in place, an element load changes nothing.
void DuzlemCerceveAnkastrelikKuvvetleri() { YerelAnkastrelikKuvvetleri = {}; }
void KafesAnkastrelikKuvvetleri() { YerelAnkastrelikKuvvetleri = {}; }
void UzayCerceveAnkastrelikKuvvetleri() { YerelAnkastrelikKuvvetleri = {}; }
void PlakAnkastrelikKuvvetleri(double, double, double) { YerelAnkastrelikKuvvetleri = {}; }
void KafesElemanYukleriniEkle() {}
void DuzlemCerceveElemanYukleriniEkle() {}
void UzayCerceveElemanYukleriniEkle() {}
void PlakElemanYukleriniEkle() {}
