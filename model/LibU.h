#pragma once
// Small routines every part of the program uses: the message box, window
// search and close, Turkish case, text splitting, report padding, number
// checks, the program's own paths, file copy, processor count and the
// shared number texts of the report.
#include <cstdint>
#include <string>

// Shows a message through the user-interface port and returns the answer
// letter: "T" Tamam, "İ" İptal, "D" Durdur, "Y" Yeniden dene, "G" Gözardı et,
// "E" Evet, "H" Hayır; " " when no box could be shown.
std::string MesajKutusu(const std::string& Metin, const std::string& Baslik, const std::string& Stil);

// Top-level window whose title contains Metin (ASCII upper case on both);
// 0 when none or when the platform has no window list.
unsigned long PencereBul(const std::string& Metin);
void PencereKapat(const std::string& Metin);

std::string JetBaglantiMetni(const std::string& Dosya);
std::string TurkceBuyukHarf(const std::string& Metin);
std::string TurkceKucukHarf(const std::string& Metin);
std::string AyiracOncesi(const std::string& Metin, const std::string& Ayirac);
std::string AyiracSonrasi(const std::string& Metin, const std::string& Ayirac);
std::string KelimeAl(std::string& Metin, const std::string& Ayirac);
std::string BosluklariSil(const std::string& Metin);
void DosyaAdiParcala(const std::string& Yol, std::string& TamAd, std::string& Surucu,
                     std::string& Klasor, std::string& Ad, std::string& Uzanti);
void ProgramYollariniBelirle();
// Width counts characters (UTF-8 code points), not bytes.
std::string SolaDoldur(const std::string& Metin, char Dolgu, int Genislik);
bool GercelSayiMi(const std::string& Metin, double& Deger, double Alt, double Ust);
// A whole number in decimal digits only: blanks around it and one sign
// allowed; "5.0", "5e0" and an empty text refused.
bool TamSayiCoz(const std::string& Metin, long long& Deger);
// The same, and within Alt..Ust.
bool TamSayiMi(const std::string& Metin, int Alt, int Ust, int& Deger);
// Whether a path names an existing regular file (an empty path does not).
bool DosyaVarMi(const std::string& Yol);
void DosyaKopyala(const std::string& Kaynak, const std::string& Hedef, bool Sor);
std::uint16_t IslemciSayisi();

// ---- shared number texts of the reports
// General float text: 15 significant digits, "." separator, plain decimals for
// ordinary magnitudes, "1.42E-6" style for very small or large ones.
std::string GenelSayiMetni(double x);
// Round(x * 10^k) / 10^k with ties to even, in floating point.
double Yuvarla(double x, int k);
// GenelSayiMetni(Yuvarla(x, k)), a zero without its sign ("0").
std::string YuvarlanmisSayiMetni(double x, int k);
// Trailing zeros of a decimal text and a bare point removed ("1.2500" ->
// "1.25", "3.000" -> "3"); a text without a point stays as it is.
std::string OndalikSifirlariAt(std::string Metin);
// The 23-character scientific text of the element force file:
// 12.5 gives " 1.25000000000000E+0001".
std::string BilimselSayiMetni23(double x);
