#pragma once
// Small helpers shared by the fixed-end force routines.
#include <array>
#include <string>

// Shows a fixed-end force failure ("HATA:", "TamamHata1") and sets Hata := 1.
void AnkastrelikHatasi(const std::string& Metin);

// Reads a plane-frame hinge text into the released end forces:
// Serbest[1..6] = N_i, V_i, M_i, N_j, V_j, M_j released. Blanks are ignored,
// an empty text means "00", and "00" groups release nothing. False for a
// text that is not a chain of two-digit codes 00..06.
bool MafsalSerbestlikleri(const std::string& MafsalTipi, std::array<bool, 7>& Serbest);

// Condensation of one subsystem of a bar: K (n x n, symmetric) and the
// held-end forces f; the forces at the released places are brought to zero by
// free displacements u with K_RR u = -f_R, and f becomes f + K_:R u. False
// when the released places leave a loaded mechanism.
bool UcKuvvetleriniYogust(const double K[4][4], int n, double f[4], const bool serbest[4]);

// Releases of one bending plane of a bar of length L: the held-end shears and
// moments (counterclockwise in the plane, as in a plane frame) become those of
// the bar with the released ones set free. False for a loaded mechanism.
bool EgilmeSerbestlikleri(double L, double& Vi, double& Mi, double& Vj, double& Mj, bool SerbestVi,
                          bool SerbestMi, bool SerbestVj, bool SerbestMj);
