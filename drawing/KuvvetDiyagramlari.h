#pragma once
// The force-diagram ordinates: for every bar the normal force, shear force,
// bending moment and transverse displacement at 200 equally spaced points
// from node i to node j, computed from the end forces of the drawing table
// and the element loads, stored as text in the table's memo fields Nx, Vy,
// Mz and u. Internal forces: tension positive, sagging moment positive.
#include <array>
#include <string>

using DiyagramDizisi = std::array<double, 201>;  // entries 1..200

// The largest absolute written value of N, V, M and u (x 1e6) over all
// elements: the scale of each diagram.
extern std::array<double, 4> DiyagramEnBuyukleri;

// Computes and writes the ordinates of every bar in one transaction, once
// per calculation run (a second call after the same run only keeps the
// maxima). A value that cannot be used (a couple outside its element, a
// non-finite value) is left out with one note for all.
void KuvvetDiyagramlariniHesapla();

// The memo text: 200 values rounded to two decimals, each followed by ",".
std::string DiyagramMetni(const DiyagramDizisi& f);
// The values of a memo text into f[1..200]; false when it does not hold 200
// numbers (f is then zero).
bool DiyagramMetniniOku(const std::string& Metin, DiyagramDizisi& f);

// Element e's memo ("Nx", "Vy", "Mz" or "u") from the drawing table.
bool DiyagramOku(int ElemanNo, const char* Alan, DiyagramDizisi& f);
