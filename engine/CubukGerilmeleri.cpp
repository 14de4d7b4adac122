#include "engine/CubukGerilmeleri.h"

#include <string>
#include <vector>

#include "engine/ElemanKuvvetleriDosyasi.h"
#include "model/LibU.h"
#include "model/RaporSutunu.h"
#include "model/Tipler.h"
#include "platform/KullaniciArayuzu.h"

namespace {

std::string BosSutun(int genislik) { return SolaDoldur(" ", ' ', genislik); }

double ElemaninIlkBilinmeyeni(int ElemanNo) {
    int kolon = ElemanBilinmeyenTablosu[1][ElemanNo];
    return Bilinmeyenler[kolon];
}

}  // namespace

void CerceveGerilmeleriniYaz(int ElemanNo, int Nokta, double N, double V, double M) {
    const double A = OkunanA, Ay = OkunanAy, hy = Okunanhy, ey = Okunaney, Iz = OkunanIz;
    if (A == 0 || Ay == 0 || hy == 0 || ey == 0) return;
    double ust = A > 0 ? N / A : 0.0;
    double alt = ust;
    if (Iz != 0) {
        ust -= M * ey / Iz;
        alt += M * (hy - ey) / Iz;
    }
    double kayma = Ay > 0 ? V / Ay : 0.0;
    Arayuz().MemoEkle(RaporSutunu(std::to_string(ElemanNo), 6) + RaporSutunu(std::to_string(Nokta), 6) +
                      YuvarlanmisSutun(ust, 2, 18) + YuvarlanmisSutun(alt, 2, 18) +
                      YuvarlanmisSutun(kayma, 2, 18));
}

void CubukGerilmeleriniYaz(int ElemanNo) {
    std::vector<double> satir;
    switch (OkunanElemanTipi) {
        case DuzlemKafesElemani:
        case UzayKafesElemani: {
            // The normal force at end j is the bar's whole normal force.
            double N = ElemanKuvvetleriDosyasi.SatirOku(satir) && satir.size() >= 2
                           ? satir[1]
                           : ElemaninIlkBilinmeyeni(ElemanNo);
            Arayuz().MemoEkle(RaporSutunu(std::to_string(ElemanNo), 6) + BosSutun(6) +
                              YuvarlanmisSutun(N / OkunanA, 2, 18));
            break;
        }
        case DuzlemEksenelYay:
        case UzayEksenelYay:
            Arayuz().MemoEkle(RaporSutunu(std::to_string(ElemanNo), 6) + BosSutun(6) +
                              YuvarlanmisSutun(ElemaninIlkBilinmeyeni(ElemanNo) / OkunanA, 2, 18));
            break;
        case DuzlemCerceveElemani: {
            if (!ElemanKuvvetleriDosyasi.SatirOku(satir) || satir.size() < 6) break;
            for (int k = 1; k <= 6; ++k) ElemanUcKuvvetleri[k] = satir[k - 1];
            const auto& S = ElemanUcKuvvetleri;
            // Internal forces from the end forces. The shear takes the sign of the
            // drawing window's shear diagram (the end force across the axis at i).
            CerceveGerilmeleriniYaz(ElemanNo, OkunaniNoktasi, -S[1], S[2], -S[3]);
            CerceveGerilmeleriniYaz(ElemanNo, OkunanjNoktasi, S[4], -S[5], S[6]);
            break;
        }
        case UzayCerceveElemani:
            // No stress rows; its line is passed so that the lines stay in step.
            ElemanKuvvetleriDosyasi.SatirOku(satir);
            break;
        default:
            break;
    }
}
