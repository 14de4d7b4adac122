#pragma once
// Fixed-width, right-aligned columns of the results report.
#include <string>

// A value right-aligned in Genislik characters with at least one blank
// before it. A number text that would fill or overflow its column is written
// again with fewer significant digits (rounded in its last digit, keeping an
// exponent form where it needs one), never cut into another number (one that
// no digit count fits makes the column wider); any other text is cut to the
// column after the blank.
std::string RaporSutunu(const std::string& Metin, int Genislik);

// A column title right-aligned in Genislik characters, as the left-padding
// helper writes it (the first column's title may fill its column).
std::string BaslikSutunu(const std::string& Baslik, int Genislik);

// Round(x * 10^k) / 10^k (ties to even) in the general number text, as a
// column. A value that is not a finite number is written as "tanımsız".
std::string YuvarlanmisSutun(double x, int k, int Genislik);

// The general text of a number with at most p significant digits, in the
// plain or the exponent form ("8.333E-6"), whichever is shorter.
std::string KisaSayiMetni(double x, int p);
