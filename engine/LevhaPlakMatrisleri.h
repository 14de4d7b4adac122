#pragma once
// Membrane (types 50, 51) and plate (type 60) branches of the element routine.
// Called after the element lookup has filled the current-element globals.
// Islem 1: local equilibrium matrix; 2: global equilibrium matrix and the
// flexibility block; 4: the element's stress rows in the report.
#include <string>

#include "model/Tipler.h"

void LevhaPlakMatrisleriniKur(int ElemanNo, int Islem);

// The calculation's shape check of a membrane or plate element, for callers
// that want to refuse an element before it is stored. Tip is the element
// type; X[n] = {X, Y} of node n = i, j, k, L (the triangle, type 50, uses i,
// j, k only). Returns "" when the element can be formed (and for any other
// type), otherwise the text that follows the element number in the
// calculation's message, e.g. " elemanın bir kenarı sıfır",
// ".elemanın alanı sıfır (üç düğüm noktası bir doğru üzerinde)",
// ".elemanın düğüm noktaları saat yönünün tersine sıralanmış; i, j, k, L
// saat yönünde verilmeli", ".elemanın düğüm noktaları bir dikdörtgen
// oluşturmuyor", and for the plate (sides parallel to X and Y, L in +X and
// j in +Y from i) its own two texts. Shows nothing and leaves Hata alone.
std::string LevhaPlakGeometriHatasi(int Tip, const double X[4][2]);

// Stress-recovery matrix of the current membrane or plate element at the
// local point (Ksi, Eta) (Ksi along i->L, Eta along i->j, both 0..1; the
// triangle has one constant state). Fills rows 1..3 (sx, sy, txy), columns
// 1..ElemanKuvvetSayisi of GerilmeMatrisi so that the stresses are
// Carpan * (GerilmeMatrisi * X). Returns false (with the element's message
// shown and Hata set) when the element is refused.
bool LevhaPlakGerilmeMatrisiniKur(int ElemanNo, double Ksi, double Eta, double& Carpan);

// Principal stresses and the direction of the larger one (degrees, in
// (-90, 90]) of a plane stress state (sx, sy, txy).
void AsalGerilmeler(double sx, double sy, double txy, double& SigmaMax, double& SigmaMin,
                    double& AciDerece);

// Turns the node moments of a plate's end forces (places (p-1)*3+2 about X
// and (p-1)*3+3 about Y, p = 1..4) into moments per unit width: the moment
// about X times 2/a, the moment about Y times 2/b; a = X(L) - X(i),
// b = Y(j) - Y(i). The force places are left as they are.
void PlakMomentleri(Vektor12& UcKuvvetleri, double a, double b);
