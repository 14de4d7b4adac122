#include "model/AnahtarDenetimi.h"

#include <vector>

#include "model/LibU.h"

namespace {

long long Mutlak(long long x) { return x < 0 ? -x : x; }
long long Isaret(long long x) { return (x > 0) - (x < 0); }

}  // namespace

bool TuretParcala(const std::string& Metin, TuretBilesenleri& P) {
    long long d[5];
    std::size_t bas = 0;
    for (int k = 0; k < 5; ++k) {
        std::size_t v = Metin.find(',', bas);
        if ((k < 4) != (v != std::string::npos)) return false;
        std::string parca = Metin.substr(bas, k < 4 ? v - bas : std::string::npos);
        if (!TamSayiCoz(parca, d[k])) return false;
        bas = v + 1;
    }
    P = {d[0], d[1], d[2], d[3], d[4]};
    return true;
}

TuretAdimlari TuretAdimlariniBul(const TuretBilesenleri& P) {
    TuretAdimlari d;
    d.M1 = Mutlak(P.Son1 - P.Bas) / P.Adim1;
    d.D1 = Isaret(P.Son1 - P.Bas) * P.Adim1;
    if (P.Adim2 > 0) {
        d.M2 = Mutlak(P.Son2 - P.Bas) / P.Adim2;
        d.D2 = Isaret(P.Son2 - P.Bas) * P.Adim2;
    }
    return d;
}

AnahtarKusuru TuretDenetle(const TuretBilesenleri& P, long long EnBuyuk, long long& KotuNo) {
    auto aralikta = [&](long long n) { return n >= 1 && n <= EnBuyuk; };
    if (P.Adim1 < 1) return AnahtarKusuru::Adim1;
    if (P.Adim2 < 0) return AnahtarKusuru::Adim2;
    const bool iki = P.Adim2 > 0;
    for (long long n : {P.Bas, P.Son1, iki ? P.Son2 : P.Bas})
        if (!aralikta(n)) {
            KotuNo = n;
            return AnahtarKusuru::Aralik;
        }
    if (P.Bas == P.Son1 || (iki && P.Bas == P.Son2)) return AnahtarKusuru::Esit;
    if ((P.Son1 - P.Bas) % P.Adim1 != 0 || (iki && (P.Son2 - P.Bas) % P.Adim2 != 0))
        return AnahtarKusuru::Varilamiyor;
    const auto [m1, m2, d1, d2] = TuretAdimlariniBul(P);
    if ((m1 + 1) * (m2 + 1) > EnFazlaTuretilen) return AnahtarKusuru::CokFazla;
    // The numbers change monotonically with I and J: the corners bound them.
    for (long long J : {0LL, m2})
        for (long long I : {0LL, m1})
            if (!aralikta(P.Bas + I * d1 + J * d2)) {
                KotuNo = P.Bas + I * d1 + J * d2;
                return AnahtarKusuru::TuretAralik;
            }
    std::vector<bool> goruldu(static_cast<std::size_t>(EnBuyuk) + 1, false);
    for (long long J = 0; J <= m2; ++J)
        for (long long I = 0; I <= m1; ++I) {
            const auto n = static_cast<std::size_t>(P.Bas + I * d1 + J * d2);
            if (goruldu[n]) {
                KotuNo = static_cast<long long>(n);
                return AnahtarKusuru::Tekrar;
            }
            goruldu[n] = true;
        }
    return AnahtarKusuru::Yok;
}

std::string TuretMetni(const TuretBilesenleri& P) {
    return std::to_string(P.Bas) + "," + std::to_string(P.Son1) + "," + std::to_string(P.Adim1) +
           "," + std::to_string(P.Son2) + "," + std::to_string(P.Adim2);
}

bool DuzAnahtarCoz(const std::string& Metin, long long EnBuyuk, int& No) {
    return TamSayiMi(Metin, 1, static_cast<int>(EnBuyuk), No);
}
