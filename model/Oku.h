#pragma once
#include <string>
#include <vector>
// Expansion of the rows entered into the six node- and element-keyed project
// tables into the scratch tables: one row per node, element, nodal load,
// element load and supported node.
//
// A key column holds either one number or a generation key of five integers
// "Baş,Son1,Adım1,Son2,Adım2" (for example 1,10,1,0,0 or 1,4,1,9,4) that
// stands for a one- or two-directional range of numbers.
//
// Every reader clears `Hata` when it starts and leaves it non-zero when a
// check failed; the failing check has then already shown its message
// ("HATA:", "TamamHata1"). Each reader writes its target table in one
// transaction; rows written before a failure stay.
//
// The readers work on the global table set `Tablolar`: the project tables
// and the scratch tables must be open.

// Koordinatlar -> XYZ; leaves NoktaSayisi and ToplamSerbestlikSayisi.
void KoordinatlariOku();
// ElemanNoktaBagi -> ED (emptied first); leaves ElemanSayisi.
void ElemanNoktaBaginiOku();
// ElemanMalzemeKesitMafsalbagi -> the material, section and hinge fields of
// the existing ED rows; leaves MafsalSayisi, the hinge releases of the
// final ED rows.
void ElemanMalzemeKesitMafsalBaginiOku();
// Yukler -> TYUK.
void TekilYukleriniOku();
// ElemanYukleri -> EYUK.
void ElemanYukleriniOku();
// SinirKosullari -> SK; leaves SinirKosuluSayisi (through SK's post handler).
void SinirKosullariniOku();

// The hinge releases of the rows now in ED: the codes MafsalKodlari reads
// from each row's MafsalTipi (none for a type that takes no hinges).
int EDMafsalSayisi();

// The numbers a key column's text stands for, in the order the readers walk
// them: one number, or every number of a generation key. False, without
// message and without touching Hata, when the text is neither (a bad key,
// a number outside 1..32767).
bool AnahtarNumaralari(const std::string& anahtar, std::vector<int>& numaralar);
