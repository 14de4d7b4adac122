#pragma once
// Fixed-width, right-aligned columns of the results report.
#include <string>

// The text right-aligned in Genislik characters. A number text wider than
// its column is written again with fewer significant digits, keeping an
// exponent form where it needs one, so that it fits with a blank before it
// instead of being cut into another number; any other text is cut to the
// column as the left-padding helper does.
std::string RaporSutunu(const std::string& Metin, int Genislik);

// Round(x * 10^k) / 10^k (ties to even) in the general number text, as a
// column. A value that is not a finite number is written as "tanımsız".
std::string YuvarlanmisSutun(double x, int k, int Genislik);

// The general text of a number with at most p significant digits, in the
// plain or the exponent form ("8.333E-6"), whichever is shorter.
std::string KisaSayiMetni(double x, int p);
