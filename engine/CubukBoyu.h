#pragma once
// The length of a bar from the coordinates of its two end nodes, and the
// one test of a bar too short to carry a force.

// Length of the line whose coordinate differences are dx, dy, dz.
double CubukBoyu(double dx, double dy, double dz);
// True for a length of (about) zero, and for a length that is not a number.
bool CubukBoyuSifir(double L);

// The bar of the element just read, from node i to node j.
struct CubukEkseni {
    double dx = 0, dy = 0, dz = 0;  // j minus i; dz is 0 for a plane bar
    double L = 0;
    bool Sifir = false;  // CubukBoyuSifir(L)
};
// The bar whose node j lies dx, dy, dz from node i as the calculation takes
// it: a plane bar (uzay false) leaves out the Z difference, since a plane
// system is calculated in X and Y only, whatever Z its nodes were given.
CubukEkseni CubukEkseniHesapla(double dx, double dy, double dz, bool uzay);
// Whether the calculation takes an element of this type in space: the bars
// and springs of space trusses, space-frame bars and the isolator.
bool UzayCubuguMu(int ElemanTipi);
// Takes the coordinates read into OkunaniX*, OkunanjX*. Leaves the length in
// ElemanBoyu as well.
CubukEkseni OkunanCubugunEkseni(bool uzay);
