#pragma once
// Material list of the material editor, its presets and the checks of a
// material row before it is written.
#include <array>
#include <string>

// The seventeen items of the material list ("Malzeme:"), in list order:
// fourteen concrete classes "Beton: C16/20" .. "Beton: C100/115",
// "Yapı çeliği", "Diğer" and an empty item.
extern const std::array<std::string, 17> MalzemeListesi;

// The four constant texts of the edits E(kN/m²), Nu, Ro(t/m³), Alfa(1/°C).
struct MalzemeSabitleri {
    std::string E, Nu, Ro, Alfa;
};

enum class OnAyarSonucu {
    Yok,      // the text is no preset: leave every edit as it is
    Uygula,   // write the four texts of Sabitler into the edits
    Temizle,  // "Diğer": the editor's clearing (E, Nu, Ro, Alfa "0", list text "Diğer", "Sil" hidden)
    Hata      // a concrete name whose strength does not parse: Mesaj says so; nothing changes
};

struct OnAyar {
    OnAyarSonucu Sonuc = OnAyarSonucu::Yok;
    MalzemeSabitleri Sabitler;  // with Uygula and Temizle
    std::string Mesaj;          // with Hata
};

// The preset of a material name. Call it only when the user explicitly chose
// an item from the list (never on typing, never while a stored row is being
// shown), so hand-edited constants are not overwritten.
// - "Yapı çeliği" (compared without blanks, Turkish upper case): E "2.1E8",
//   Nu "0.30", Ro "7.85", Alfa "1.2E-5".
// - a name containing "Beton": the characteristic strength fck is the text
//   after the first "C" and before the first "/" ("Beton: C25/30" gives 25);
//   E = Round((3250·sqrt(fck) + 14000)·1000) kN/m² as an integer text
//   (C25/30: "30250000", C18/22: "27788582", C100/115: "46500000"),
//   Nu "0.20", Ro "2.5", Alfa "1E-5". A strength that is not a positive
//   number ("Beton" alone) gives Hata with a Turkish message, never an
//   exception.
// - "Diğer": Temizle, with the four texts "0".
// - anything else (the empty item, a typed name): Yok.
OnAyar MalzemeOnAyari(const std::string& MalzemeAdi);

// The modulus of a concrete of characteristic strength fck (MPa), kN/m²,
// rounded to a whole number (ties to even).
double BetonElastisiteModulu(double fck);

// The checks of "Kaydet" in the material editor, in order; each failing one
// replaces the message, so the last failing one is returned ("" when all
// pass; show it with title "HATA:", style "TamamHata1"):
//   name empty or only blanks: "Malzeme seçilmemiş" (a typed name is
//   accepted); longer than the 15 characters of the column:
//   "Malzeme adı en çok 15 karakter olabilir";
//   number not an integer in 1..1000: "Malzeme no hatalı";
//   E not a real in [1E-200, 1E200]: "E hatalı"; Nu in [0, 0.499]:
//   "Nu hatalı"; Ro in [0, 10]: "Ro hatalı"; Alfa in [0, 1]: "Alfa hatalı".
// Reals are read with "." only, so "0,35" fails its check and nothing is
// written.
std::string MalzemeDenetle(const std::string& MalzemeNo, const std::string& MalzemeAdi,
                           const MalzemeSabitleri& s);
