#pragma once
// Fixed-end forces of element loads and the drivers that subtract them from
// the load vector. Each routine works on the current element and the current
// element-load row (the Okunan... globals and ElemanBoyu) and fills
// YerelAnkastrelikKuvvetleri: the forces that the held ends exert on the
// loaded element, in its local axes, with the sign convention of the element
// end forces. A failing check shows its message, sets Hata and leaves the
// vector at zero.
#include <functional>

// Plane-frame loads, types 1 to 20 (entries 1..6: N, V, M at i, then at j).
// The element's end releases (OkunanMafsalTipi) are taken into account.
void DuzlemCerceveAnkastrelikKuvvetleri();
// Truss loads, types 5, 14, 15, 16 (entries 1, 2: N at i and at j).
void KafesAnkastrelikKuvvetleri();
// Space-frame loads, types 21 to 24 (entries 1..12: N, Vy, Vz, Mx, My, Mz at i, then at j).
// Released end moments of the hinge text (05, 06 at i; 11, 12 at j) are taken into account.
void UzayCerceveAnkastrelikKuvvetleri();
// Uniform load q per area on a rectangular plate with sides a (along X) and
// b (along Y): force along Z and moments about X and Y at corners i, j, k, L.
void PlakAnkastrelikKuvvetleri(double a, double b, double q);

// Whether elements of this type carry element loads (trusses, frames and the
// rectangular plate); a load on any other type stops the assembly.
bool ElemanYukuAlir(int ElemanTipi);
// The refusal of a load on an element of any other type.
extern const char* const YukAlmayanElemanMesaji;
// Walks the rows of ElemanNo in the element-load table EYUK (sorted by
// element), reading each into the current element-load row (OkunanYukTipi,
// OkunanaMesafesi, OkunanbMesafesi, OkunanYuk, OkunanYuk1) before calling
// Satir; stops early when Satir returns false.
void ElemanYukleriniGez(int ElemanNo, const std::function<bool()>& Satir);

// Drivers: subtract the current element load, turned to global axes, from
// YukVektoru at the rows of the element's nodes.
void KafesElemanYukleriniEkle();
void DuzlemCerceveElemanYukleriniEkle();
void UzayCerceveElemanYukleriniEkle();
void PlakElemanYukleriniEkle();

// The question about a temperature-difference load with equal face
// temperatures is asked once per element and calculation; the answer is kept
// so that the load vector and the report use the same one. The calculation
// run calls this at its start to forget the answers of the previous run.
void AnkastrelikSorulariniSifirla();
