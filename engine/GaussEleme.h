#pragma once
// The solution of the assembled equilibrium equations by the force method:
// the elimination without row interchange that chooses the redundants, B0,
// Bx, Bx transposed times f, the reduction of the compatibility equations,
// the unknowns and the displacements. Rows are never moved: SatirSirasi
// holds the row order. B0, Bx and the reduction share their work out to
// worker threads over disjoint ranges.
#include <vector>

// The refusals of a linearly dependent row, in the equilibrium and in the
// compatibility equations; the dense and the sparse solution show the same.
inline constexpr char kDogrusalBagimliDenge[] =
    "Denge denklemlerinde doğrusal bağımlı satır var\rMalzeme, kesit,mafsal ve sınır(mesnet) "
    "koşullarını kontrol ediniz";
inline constexpr char kDogrusalBagimliSureklilik[] =
    "Süreklilik denklemlerinde doğrusal bağımlı satır var\rMalzeme, kesit,mafsal ve sınır(mesnet) "
    "koşullarını kontrol ediniz";

void IzostatikEsasSistemSec();
void B0Hesapla();
void BxHesapla();
void BxTfHesapla();
void SureklilikDenklemleriniIndirge();
void BilinmeyenleriHesapla();
void YerDegistirmeleriHesapla();

struct DengeSatirlari;
// The equilibrium equations as assembled in NMatrisi, taken before the
// elimination changes them.
DengeSatirlari YogunDengeSatirlari();
// After BilinmeyenleriHesapla: the check of the unknowns against those
// equations and their improvement with the factors in NMatrisi.
void YogunCozumuIyilestir(const DengeSatirlari& N);

// One range of work for one worker: worker number (1..8) and an inclusive
// range of items.
struct IsAraligi {
    int Isci;
    int Bas;
    int Son;
};
// The workers of one phase: the first wave runs together and is waited
// for; then the rest, if any, runs on one more worker and is waited for.
struct IsBolumu {
    std::vector<IsAraligi> IlkDalga;
    std::vector<IsAraligi> Kalan;  // empty or one range
};
// Split of the m columns of B0 or the r redundants of Bx.
IsBolumu B0BxBolumu(int N);
// Worker count of the reduction for a processor count: the count itself up
// to 4, 8 above 4.
int SureklilikIsciSayisi(int IslemciSayisi);
// Split of the rows k + 1..n below pivot column k over w workers.
IsBolumu SureklilikBolumu(int k, int n, int w);
