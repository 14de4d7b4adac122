#pragma once
// What the cross-section editor shows for each section type: the types
// offered in each system type, the fifteen edits with their default labels,
// hints and fields, and per type the picture, the lower bounds of the
// eleven result edits for "Kaydet", the label and hint changes, whether
// "Hesapla" shows, which dimension edits show and whether the profile list
// opens. A window applies it as: restore every default label and hint,
// show Label3, Image1 and "Hesapla", enable the dimension edits, hide the
// profile list, set every lower bound from the row; then apply the row's
// picture, label changes and visibilities. An empty type (code 0) clears
// the editor's fields instead (all fifteen edits "0", "Sil", Label3,
// Image1, "Hesapla", the profile list and the dimension edits hidden).
#include <array>
#include <string>
#include <vector>

// One of the fifteen edits LabeledEdit1 .. LabeledEdit15, in that order.
struct KesitEditi {
    const char* Etiket;  // default label, e.g. "A(m²)", "J(m4):"
    const char* Ipucu;   // default hint; "" for the dimension edits
    const char* Alan;    // field of KesitBilgileri: "A", "ix", "iy", "Iz", ... "bw", "h", "b", "t"
};
extern const std::array<KesitEditi, 15> KesitEditleri;

// A label and hint change of one result edit (index 0..10 = LabeledEdit1..11).
struct EtiketDegisikligi {
    int Edit;
    const char* Etiket;
    const char* Ipucu;
};

struct KesitTipiDuzeni {
    int Kod;                              // 1..15, 29, 50, 60, 100
    const char* Resim;                    // picture name "Kesit" + code (also the list item's small
                                          // picture); nullptr for 100: Label3 and Image1 hidden
    std::array<double, 11> EnKucukDeger;  // lower bounds of LabeledEdit1..11 (upper bound 1E200)
    std::vector<EtiketDegisikligi> Degisiklikler;
    bool HesaplaGorunur;                  // "Hesapla" shown
    std::array<bool, 4> BoyutGorunur;     // bw(m):, h(m):, b(m):, t(m): shown
    bool SadeceYukseklikEtkin;            // profiles: only "h(m):" enabled
    bool ProfilListesi;                   // profiles: the profile list opens (ProfilListesi)
    bool KalinlikT = false;               // 50, 60: on "Kaydet" field t also takes the text of A (the thickness)
};

// The row of a type code; nullptr for a code that has none (0, the empty
// type: the editor clears its fields instead).
const KesitTipiDuzeni* KesitTipiDuzeniBul(int Kod);

// The code of a type text: the number before ":" without blanks; 0 for an
// empty or unreadable text.
int KesitTipiKodu(const std::string& KesitTipiMetni);

// The section-type items offered in a project of the system type, in list
// order: plate (60) only "60:Plak"; plane truss (10) and plane stress (50)
// without "8:Dönme yayı", "9:Eksenel ve dönme yayı", "29:Deprem
// izolatörü", "60:Plak"; space truss (20) also without "50:Levha"; plane
// frame (30) without "29:Deprem izolatörü", "50:Levha", "60:Plak"; space
// frame (40) without the three springs, "50:Levha", "60:Plak"; any other
// system type (0): all nineteen.
std::vector<std::string> SistemKesitTipleri(int SistemTipi);

// The message of a result edit that fails its check on "Kaydet": its label
// up to the first "(" + " hatalı" ("Keksenel(kN/m):" gives
// "Keksenel hatalı").
std::string KesitEditMesaji(const std::string& Etiket);

// The label of result edit i (0..10) for the type: the type's change or
// the default.
std::string KesitEditEtiketi(const KesitTipiDuzeni* d, int i);

// The checks of "Kaydet" in order, the last failing one returned ("" when
// all pass; show it with "HATA:", "TamamHata1"): "Kesit no" an integer in
// 1..1000, else "Kesit no hatalı"; each of the eleven result texts a real
// in [lower bound of the type, 1E200], else KesitEditMesaji of its label.
// Reals are read with "." only. The dimension edits are not checked.
std::string KesitDenetle(const std::string& KesitNo, int Kod, const std::array<std::string, 11>& Sonuclar);
