#pragma once
// The equilibrium equations N X = P of the whole structure: one row per nodal
// degree of freedom and one per hinge release, one column per independent
// element force and one per support reaction. Also the model checks and the
// sizing of the engine arrays that the calculation run does before them.
#include <string>

// Refuses, before any sizing, a model that would index past the arrays:
// node numbers that do not run from 1 to the node count, element numbers
// that do not run from 1 to the element count, an element, support or
// nodal load on a node missing from XYZ, an element of a type that belongs to
// another system type, a non-free support text in a field the system type
// does not have, and a support text that is neither free nor a number.
// Shows one message naming the row and sets Hata.
void ModelDenetle();
// The part of it that a drawing of the geometry needs (node and element
// numbering, the nodes of every element present in XYZ): the message of the
// first fault, empty when there is none; nothing is shown.
std::string GeometriHatasi();

// Count of element unknowns: ElemanSayisi from ED, and ElemanBilinmeyenTablosu
// (row 0: independent forces of element e, row 1: its first column).
void ElemanBilinmeyenTablosunuKur();

// Sizes of the equation system (ElemanBilinmeyenSayisi, DenklemSayisi,
// BilinmeyenSayisi, HiperstatiklikDerecesi) and their checks; Hata with a
// message when the system cannot be solved or shown.
void BoyutlariHesapla();
// The zero-filled allocation of the engine arrays for those sizes. A failed
// allocation shows a message.
void DizileriAyir();
// Both, one after the other (the allocation only while Hata is 0).
void DizileriBoyutlandir();
// Releases the engine arrays that DizileriAyir allocates.
void DizileriBosalt();

// The assembly and its four steps.
void DengeDenklemleriniKur();
void DengeMatrisiniKur();
void SinirKosullariniKur();
void MesnetKolonuEkle(int Nokta, int d, const std::string& Metin);
void DugumYukleriniKur();
void DugumYukuEkle(int d, double Deger);
void MafsalDenklemleriniKur();

// Support and nodal-load fields of a system type, in degree-of-freedom order
// (empty for an unknown type).
const char* const* SinirKosuluAlanlari(int SistemTipi, int& Sayi);
const char* const* DugumYukuAlanlari(int SistemTipi, int& Sayi);

// Whether Alan is one of the Sayi fields of such a list.
bool AlanSistemde(const char* const* Alanlar, int Sayi, const std::string& Alan);

// The refusal of a non-free support condition in field Alan (e.g. "Fix")
// that the system type does not have, for the node (or key text) Nokta.
std::string SistemDisiSinirKosuluMesaji(const std::string& Nokta, const std::string& Alan);

// The support text as a number ("." separator); false when it is none.
bool SinirKosuluDegeri(const std::string& Metin, double& Deger);
