#pragma once
// Fixed-end forces of element loads and the drivers that subtract them from
// the load vector. Each routine works on the current element and the current
// element-load row (the Okunan... globals) and fills YerelAnkastrelikKuvvetleri.

void DuzlemCerceveAnkastrelikKuvvetleri();
void KafesAnkastrelikKuvvetleri();
void UzayCerceveAnkastrelikKuvvetleri();
void PlakAnkastrelikKuvvetleri(double a, double b, double q);

// Drivers: subtract one element load (the current load row) from YukVektoru.
void KafesElemanYukleriniEkle();
void DuzlemCerceveElemanYukleriniEkle();
void UzayCerceveElemanYukleriniEkle();
void PlakElemanYukleriniEkle();
