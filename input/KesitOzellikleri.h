#pragma once
// Section properties of the cross-section editor ("Hesapla") and the
// steel-profile catalogue behind its profile list.
//
// Units: m, m², m⁴. The section's local y axis runs along its height h and
// z along its width b: Iy = h·b³/12 for a rectangle (the weak axis), Iz the
// strong one; hy, hz the depths along y and z; ey, ez the distances of the
// centroid from the compressed fibre; Ay, Az the shear areas.
#include <array>
#include <string>
#include <vector>

// The eleven results, in the order of the result edits A(m²), J(m4):,
// Iy(m4):, Iz(m4), Ay(m²), hy(m):, ey(m):, Az(m²), hz(m):, ez(m):, Wb(m³).
struct KesitDegerleri {
    double A = 0, J = 0, Iy = 0, Iz = 0, Ay = 0, hy = 0, ey = 0, Az = 0, hz = 0, ez = 0, Wb = 0;
    std::array<double, 11> Dizi() const { return {A, J, Iy, Iz, Ay, hy, ey, Az, hz, ez, Wb}; }
};

// The four dimensions, in the order of the dimension edits bw(m):, h(m):,
// b(m):, t(m):. For the rectangle the width b is typed into "bw(m):"; for
// the circle and the ring the diameter D is typed into "bw(m):".
struct KesitBoyutlari {
    double bw = 0, h = 0, b = 0, t = 0;
};

// Torsion function of a solid rectangle with sides x and y:
// (p³·q/3)·(1 − 0.63·p/q + 0.0053·(p/q)⁵), q the larger, p the smaller side.
double DikdortgenBurulmaFonksiyonu(double x, double y);

// The properties of the six geometric shapes by type code (1 rectangle,
// 2 T, 3 I, 4 circle, 5 ring, 6 box; for the rectangle b is the width, for
// circle and ring bw is the diameter). Refusals (Mesaj set, false):
//   T:    b < bw or t > h          "b<bw ve t>h olamaz"
//   I:    b < bw or 2t > h         "b<bw ve h<2t olamaz"
//   ring: D − 2t < 0               "bw ve t uyumsuz, halka oluşturmuyor"
//   box:  2bw > b or 2t > h        "b<2bw ve h<2t olamaz"
// The box's torsion constant is Bredt's thin-walled value
// J = 2·t·bw·(b − bw)²·(h − t)²/(b·bw + h·t − bw² − t²).
// Az, hz, ez and Wb stay 0. Other codes give all zeros and true.
bool GeometrikKesitHesapla(int Tip, const KesitBoyutlari& d, KesitDegerleri& s, std::string& Mesaj);

// A result as the edits show it: eight significant digits (not eight
// decimals, so laboratory-size sections keep non-zero values), "." as
// decimal separator, the program's general number text: 0.0028008546,
// 6.727585E-8 (IPE200's torsion constant), 0.15, "0" for 0.
std::string SekizBasamakMetni(double v);

// ---------------------------------------------------------------- catalogue

// One row of the profile catalogue table Profiller, in catalogue units:
// h, b, bw, t in mm, A in cm², iy (weak axis) and iz (strong axis) in cm⁴.
struct ProfilSatiri {
    std::string Kesit;  // designation without blank: "IPE200", "HE-A100"
    double h = 0, b = 0, bw = 0, t = 0, A = 0, iy = 0, iz = 0;
};

// A catalogue row turned into section values (m-based): bw, h, b, t times
// 0.001; A times 1E-4; Iy = iy·1E-8, Iz = iz·1E-8;
// J = 0.43·(2·b·t³ + bw³·(h − t)); Ay = (h − t)·bw; hy = h; ey = h/2;
// Az = 2·b·t; hz = b; ez = b/2; Wb = 0.
void ProfilDegerleri(const ProfilSatiri& p, KesitBoyutlari& d, KesitDegerleri& s);

// The row of designation Ad from the open catalogue table
// Tablolar.Profiller; false when it holds none (or is not open).
bool ProfilBul(const std::string& Ad, ProfilSatiri& p);

// The family of a profile section type: the text after ":" and before
// " profil" ("12:IPE profil" gives "IPE", "13:HE-A profil" "HE-A"); empty
// when the type text does not contain "profil".
std::string ProfilAilesi(const std::string& KesitTipiMetni);

// The profile list of the type: every catalogue designation that contains
// the family (case-sensitive), sorted alphabetically by text (so the IPE
// list begins "IPE100", "IPE120" and ends "IPE600", "IPE80"). Empty for a
// type that is not a profile type. Fill the list and show it on a double
// click into "h(m):" and when a profile type is chosen.
std::vector<std::string> ProfilListesi(const std::string& KesitTipiMetni);

// The profile of a stored profile section, found again by its height: the
// index in Liste of the last profile whose catalogue height (mm, rounded to
// an integer) equals the stored h (m) times 1000; -1 when none matches.
// On showing a stored profile section only select this item: the stored
// values stay in the edits (no "Hesapla"); with -1 select nothing.
int KayitliProfilSirasi(const std::vector<std::string>& Liste, double KayitliH);

// ---------------------------------------------------------------- "Hesapla"

struct KesitHesapSonucu {
    bool Basarili = false;
    // On failure: the message to show with Baslik and Stil; the result
    // edits keep what they held.
    std::string Mesaj, Baslik, Stil;
    // On success: the texts of the eleven result edits (order of
    // KesitDegerleri) and, for the profile types only, the four dimension
    // texts (bw, h, b, t) to write back; empty Boyutlar: leave those edits.
    std::array<std::string, 11> Sonuclar;
    std::array<std::string, 4> Boyutlar;
};

// "Hesapla" of the cross-section editor.
// KesitTipiMetni: the type list's text ("1:Dikdörtgen", ...); not one of the
//   nineteen section types: "Kesit seçilmemiş" ("HATA:", "TamamHata1").
// BoyutMetinleri: the texts of bw(m):, h(m):, b(m):, t(m):. The type's
//   dimensions are read in this order, each a real in [1E-10, 1E10], else
//   its message replaces the pending one and the last one is returned
//   ("HATA:", "TamamHata1"): rectangle bw "b hatalı", h "h hatalı"; T, I,
//   box bw "bw hatalı", h "h hatalı", b "b hatalı", t "t hatalı"; circle
//   bw "bw hatalı"; ring bw "bw hatalı", t "t hatalı"; profiles h
//   "h hatalı". Then the shape's refusal (see GeometrikKesitHesapla).
// SeciliProfil: for the profile types (10..15), the item selected in the
//   profile list, checked before the dimensions; empty: "Profil seçilmemiş. Profili listeden seçiniz
//   (h(m): kutusuna çift tıklayın)" ("UYARI:", "TamamUyarı1"); a
//   designation missing from the catalogue: Ad + " profil tanımlı değil"
//   ("UYARI:", "TamamUyarı1"). Otherwise all values come from the catalogue
//   row (ProfilDegerleri) and the four dimension texts are returned too.
// Types 7, 8, 9, 29, 50, 60 and 100: success, all eleven results "0".
// Every result is written with SekizBasamakMetni.
KesitHesapSonucu KesitHesapla(const std::string& KesitTipiMetni, const std::array<std::string, 4>& BoyutMetinleri,
                              const std::string& SeciliProfil);

// A profile chosen from the list (double click): the text to put into
// "h(m):" (the catalogue height / 1000) before "Hesapla" runs with that
// profile; false with Mesaj = Ad + " profil tanımlı değil" ("UYARI:",
// "TamamUyarı1") when the catalogue has no such row.
bool ProfilSec(const std::string& Ad, std::string& hMetni, std::string& Mesaj);
