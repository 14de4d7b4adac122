#pragma once
// Small rules shared by the main-data, material and cross-section editors:
// the one range of material and section numbers, the next number to
// propose, the element links that use a material or a section, and the
// guard of the system type; and the code of a "code:text" list item.
#include <string>

class Tablo;

// The code of a list item "code:text": the number before ":" (blanks
// removed) when it is an integer 1..EnBuyuk; 0 otherwise.
int ListeKodu(const std::string& Oge, int EnBuyuk);

// Material and section numbers are accepted in 1..1000, both for showing a
// row (the key edit) and for saving it.
constexpr int EnKucukMalzemeKesitNo = 1;
constexpr int EnBuyukMalzemeKesitNo = 1000;

// The smallest number in 1..1000 that no row of the table holds in the
// integer field Alan (e.g. "MalzemeNo", "KesitNo"); 0 when every number is
// taken. Propose it after a save instead of "record count + 1", which can be
// a stored row (sections 1 and 3 stored: 2, not 3). The table's cursor
// position is not kept.
int EnKucukBosNumara(Tablo& t, const std::string& Alan);

// How many elements the rows of the project table
// ElemanMalzemeKesitMafsalbagi link to the material (Alan "MalzemeNo") or
// section (Alan "KesitNo") number No: a row with a single element number
// counts that element; a row with a generation key counts each element it
// names that the scratch table ED holds (at least one, so a row is never
// missed when ED is stale); an element named by several such rows counts
// once; a row whose key cannot be read counts one. Reads the global table
// set Tablolar (the project tables and ED must be open).
int KullananElemanSayisi(const std::string& Alan, int No);

// The question of "Sil" in the material (Malzeme = true) or section editor:
// "<no> nolu malzeme veri tabanından silinecek" (or "... nolu kesit ..."),
// a carriage return, then, when elements use it,
// "<k> eleman bu malzemeyi kullanıyor; silinirse hesap yapılamaz" (or
// "... bu kesiti ...") and a carriage return, then "Devam edeyim mi?".
// Ask it with title "SORU:", style "EvetHayır2"; delete on "E".
std::string SilmeSorusu(bool Malzeme, const std::string& NoMetni, int KullananSayisi);

// Whether the project holds data that ties it to its system type: any row
// in MalzemeBilgileri, KesitBilgileri, ElemanMalzemeKesitMafsalbagi,
// ElemanNoktaBagi, Koordinatlar, Yukler, ElemanYukleri or SinirKosullari
// (AnaVeriler does not count). Reads the global table set Tablolar.
bool ProjedeVeriVar();

// The system-type guard of the main-data editor, run when a system is
// chosen in the list. Yeni is the chosen item text, Eski the stored one
// (SistemAdi, e.g. "30:Düzlem çerçeve"). True when the choice may stand
// (the same type, no data in the project, or a stored system that is none
// of the six system types, so there is no type to protect). False when the project has
// data and the type differs: the editor then beeps, shows Mesaj (title
// "UYARI:", style "TamamUyarı1") and selects Eski again. Mesaj is the part
// of Eski after ":" + " verileri var, sistemi değiştiremezsiniz." + a
// carriage return + "Ya tüm verileri silin ya da yeni boş bir veri tabanı
// açın".
bool SistemDegisebilirMi(const std::string& Yeni, const std::string& Eski, std::string& Mesaj);
