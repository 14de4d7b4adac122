#pragma once
// What the support-condition editor ("Sınır(mesnet) koşulları", table
// SinirKosullari) shows and checks. Each of the six degrees of freedom has a
// radio group with the items "Serbest" (0, free) and "Yer değiştirme" (1,
// restrained) and a value edit that holds "Serbest" or a number: "0" fixed,
// any other number an imposed displacement (m) or rotation (rad). A stored
// text counts as free when its first character is "S".
//
// The check function returns the message of the LAST failing check in the
// order listed ("" when all pass); the editor shows it with title "HATA:",
// style "TamamHata1", and writes nothing. Numbers are read with "." only.
// The generation-key checks that run before a row is written are in
// input/TuretDenetimi.h.
#include <array>
#include <string>

// One degree of freedom, in the order of the table's fields (RadioGroup1 /
// LabeledEdit1 .. RadioGroup6 / LabeledEdit6).
struct SinirKosuluEditi {
    const char* Baslik;  // radio group caption: "X yönünde:", ..., "Z etrafında dönme:"
    const char* Etiket;  // value edit label: "m" or "rad"
    const char* Ipucu;   // radio group hint
    const char* Alan;    // field: "Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"
    const char* Mesaj;   // message of a wrong condition: "X yönü sınır koşulu hatalı", ...
};
extern const std::array<SinirKosuluEditi, 6> SinirKosuluEditleri;

// The two radio items, in order (index 0 "Serbest", 1 "Yer değiştirme").
extern const std::array<const char*, 2> SinirKosuluSecenekleri;
// The text of a free degree of freedom: "Serbest".
extern const char* const SerbestMetni;
// Edit0: label "Nokta no:" and hint.
extern const char* const SinirKosuluNoktaEtiketi;
extern const char* const SinirKosuluNoktaIpucu;
// The sign-rule label: "Yer değiştirmeler: eksenler yönünde pozitif.
// Dönmeler: sağ el kuralına göre pozitif".
extern const char* const SinirKosuluIsaretKurali;
// The explanation of the "Türet:" group (edits "Baş nokta", "Son nokta1",
// "Adım1", "Son nokta2", "Adım2").
extern const char* const SinirKosuluTuretAciklamasi;

// The text a radio group puts into its value edit when its item changes (by
// a click or by program): item 0 "Serbest", item 1 "0" (a fixed support;
// the user may overtype an imposed value).
std::string SinirKosuluSecimMetni(int Secim);

// How a stored condition text is shown: the radio item (0 when the text
// begins with "S", else 1) and the value edit's text (the stored text; a
// stored empty text is shown as item 0 with "Serbest", since the calculation
// takes an empty field as free). Set the radio item first, then the edit.
void SinirKosuluGoster(const std::string& Saklanan, int& Secim, std::string& EditMetni);

// The test that runs before the generation-key builder: with an empty key
// edit (blanks only count as empty) and a start edit "Baş nokta" holding
// exactly "0", the save is refused with "Nokta no tanımsız" (shown at once,
// "HATA:", "TamamHata1"; Hata := 1; no other check runs). Returns that
// message, or "" to go on.
std::string NoktaNoTanimsizMi(const std::string& Edit0, const std::string& BasNokta);

// The checks of "Kaydet", in order. Anahtar is the key after the builder (a
// node number or a generation key); Secimler the six radio items,
// Metinler the six value edit texts.
//  1. only for a key without ",": the node must be in the scratch table XYZ,
//     else key + " noktasının koordinatları tanımsız";
//  2. per degree of freedom: item 0 requires the text to be exactly
//     "Serbest", item 1 a real in [-1E100, 1E100]; else its Mesaj;
//  3. all six texts beginning with "S" (an empty text does not):
//     "Noktadaki sınır koşullarının tümü Serbest olamaz";
//  4. a text not beginning with "S" on a degree of freedom that the system
//     type does not have (plane truss and plane stress Ux, Uy; space truss
//     Ux, Uy, Uz; plane frame Ux, Uy, Fiz; space frame all six; plate Uz,
//     Fix, Fiy; any other system type: no such check): key + " nolu
//     noktanın " + field + " sınır koşulu bu sistem tipinde kullanılamaz,
//     Serbest olmalıdır" (the message of the calculation; the last such
//     field is named).
// Reads Tablolar.XYZ (open). The six texts are written as they stand.
std::string SinirKosuluDenetle(const std::string& Anahtar, const std::array<int, 6>& Secimler,
                               const std::array<std::string, 6>& Metinler, int SistemTipi);

// The question of "Sil": key + " nolu noktanın sınır koşulları veri
// tabanından silinecek" + carriage return + "Devam edeyim mi?".
std::string SinirKosuluSilmeSorusu(const std::string& Anahtar);
