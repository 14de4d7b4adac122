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
