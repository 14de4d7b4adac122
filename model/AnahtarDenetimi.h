#pragma once
// The one check of the key texts of the node- and element-keyed tables,
// shared by the editors (typed keys) and the readers (stored keys).
//
// A key is a plain number ("12") or a generation key of five integers
// "Baş,Son1,Adım1,Son2,Adım2": the numbers Baş + I*Adım1 + J*Adım2 going
// from Baş to Son1 in the first direction and from Baş to Son2 in the second
// (the steps carry the sign of the direction). A second step of 0 means one
// direction; Son2 is then not used.
#include <string>

// Typed keys: numbers 1..10000; stored keys: 1..32767 (16-bit key columns).
constexpr long long GirisEnBuyukNo = 10000;
constexpr long long DosyaEnBuyukNo = 32767;
// A key standing for more numbers than a scratch table can hold.
constexpr long long EnFazlaTuretilen = 32767;

struct TuretBilesenleri {
    long long Bas = 0, Son1 = 0, Adim1 = 0, Son2 = 0, Adim2 = 0;
};

// Why a generation key is refused, in the order the checks run.
enum class AnahtarKusuru {
    Yok,
    Adim1,        // first step below 1
    Adim2,        // second step below 0
    Aralik,       // Baş, Son1 or (two directions) Son2 outside 1..EnBuyuk; KotuNo
    Esit,         // Baş equal to Son1, or (two directions) to Son2
    Varilamiyor,  // an end not reachable from Baş by its step
    CokFazla,     // more than EnFazlaTuretilen numbers
    TuretAralik,  // a generated number outside 1..EnBuyuk; KotuNo
    Tekrar,       // a number generated twice; KotuNo
};

// Splits a text into five integers (blanks around each part allowed).
bool TuretParcala(const std::string& Metin, TuretBilesenleri& P);

// Checks the five parts; KotuNo receives the offending number where the
// fault has one.
AnahtarKusuru TuretDenetle(const TuretBilesenleri& P, long long EnBuyuk, long long& KotuNo);

// The generation rule: the step counts M1 and M2 (0 for one direction) and
// the steps D1 and D2 signed towards each end. For parts with Adım1 >= 1
// and Adım2 >= 0.
struct TuretAdimlari {
    long long M1 = 0, M2 = 0, D1 = 0, D2 = 0;
};
TuretAdimlari TuretAdimlariniBul(const TuretBilesenleri& P);

// The key as it is written: five integers joined by "," without blanks.
std::string TuretMetni(const TuretBilesenleri& P);

// A plain key: the whole text (blanks around it allowed) an integer in
// 1..EnBuyuk. Written as the integer's text, so "05" and "5" are one row.
bool DuzAnahtarCoz(const std::string& Metin, long long EnBuyuk, int& No);

// Whether a key text is a generation key (contains ",").
inline bool TuretAnahtariMi(const std::string& Metin) {
    return Metin.find(',') != std::string::npos;
}
