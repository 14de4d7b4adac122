// Fixed-end forces of the loads of a plane-frame element (load types 1..20).
//
// Every load is first solved for an element whose six end forces are all
// held (the fixed-fixed case). The end releases of the element's hinge text
// are then applied by static condensation: the released end displacements
// are set free, and they take the values that make the released end forces
// zero. Axial and bending behaviour are independent, so each is condensed on
// its own. The stiffness of a prismatic bar is proportional to EI/L (bending)
// and EA/L (axial), and that factor cancels in the condensation, so the
// released result depends only on L and on the fixed-fixed forces.
//
// Sign convention (local axes, x from i to j, y the x axis turned by +90
// degrees, moments counterclockwise positive): entries 1..6 are N_i, V_i,
// M_i, N_j, V_j, M_j, the forces that the held ends exert on the element. A
// positive transverse load acts against local y, a positive axial load
// along local x, a positive couple counterclockwise.
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "engine/AnkastrelikKuvvetleri.h"
#include "engine/AnkastrelikOrtak.h"
#include "model/LibU.h"
#include "model/Tipler.h"

namespace {

// Fixed-fixed end forces of one load, entries 1..6 as in the result vector.
using UcKuvvetleri = std::array<double, 7>;

// End forces of a unit downward point load at x on a fixed-fixed bar of
// length L (the influence functions of V_i, M_i, V_j, M_j).
void NoktaYukuEtkisi(double L, double x, double P, UcKuvvetleri& F) {
    const double b = L - x;
    F[2] += P * b * b * (L + 2 * x) / (L * L * L);
    F[3] += P * x * b * b / (L * L);
    F[5] += P * x * x * (L + 2 * b) / (L * L * L);
    F[6] -= P * x * x * b / (L * L);
}

// A distributed load that varies linearly from w1 at x1 to w2 at x2. The
// influence functions are cubic, the load linear, so three Gauss points per
// segment integrate them exactly.
void DogrusalYayiliYuk(double L, double x1, double x2, double w1, double w2, UcKuvvetleri& F) {
    if (x2 <= x1) return;
    static const double xi[3] = {-std::sqrt(0.6), 0.0, std::sqrt(0.6)};
    static const double wt[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};
    const double h = (x2 - x1) / 2, xm = (x1 + x2) / 2;
    for (int g = 0; g < 3; ++g) {
        const double x = xm + h * xi[g];
        const double w = w1 + (w2 - w1) * (x - x1) / (x2 - x1);
        NoktaYukuEtkisi(L, x, wt[g] * h * w, F);
    }
}

// The partial triangle of width c that starts at d and rises from 0 to q.
void ArtanUcgenYukAnkastrelik(double L, double c, double d, double q, UcKuvvetleri& F) {
    DogrusalYayiliYuk(L, d, d + c, 0.0, q, F);
}

// The partial triangle of width c that starts at d and falls from q to 0.
void AzalanUcgenYukAnkastrelik(double L, double c, double d, double q, UcKuvvetleri& F) {
    DogrusalYayiliYuk(L, d, d + c, q, 0.0, F);
}

// Counterclockwise couple M at a on a fixed-fixed bar (b = L - a).
void TekilMomentEtkisi(double L, double a, double M, UcKuvvetleri& F) {
    const double b = L - a;
    F[2] += 6 * M * a * b / (L * L * L);
    F[3] += M * b * (2 * a - b) / (L * L);
    F[5] -= 6 * M * a * b / (L * L * L);
    F[6] += M * a * (2 * b - a) / (L * L);
}

// Applies the releases to the fixed-fixed forces F. False when a loaded
// subsystem becomes a mechanism.
bool SerbestlikleriUygula(const std::array<bool, 7>& serbest, double L, UcKuvvetleri& F) {
    // Axial: places N_i, N_j.
    static const double Ke[4][4] = {{1, -1, 0, 0}, {-1, 1, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    {
        double f[4] = {F[1], F[4], 0, 0};
        const bool s[4] = {serbest[1], serbest[4], false, false};
        if (f[0] != 0 || f[1] != 0) {
            if (!UcKuvvetleriniYogust(Ke, 2, f, s)) return false;
            F[1] = f[0];
            F[4] = f[1];
        }
    }
    return EgilmeSerbestlikleri(L, F[2], F[3], F[5], F[6], serbest[2], serbest[3], serbest[5], serbest[6]);
}

// Element numbers whose equal-temperature question has been answered in
// this run, with the answer (true: go on with the load).
std::map<int, bool>& SicaklikCevaplari() {
    static std::map<int, bool> m;
    return m;
}

std::string No() { return std::to_string(TuretElemanNo); }

void BagdasmiyorHatasi(const std::string& tanim, double a, double L) {
    AnkastrelikHatasi(No() + ".elemanın " + tanim + " yük tanımında a=" + GenelSayiMetni(a) +
                      " elemanın boyu L=" + GenelSayiMetni(L) + " bağdaşmıyorlar");
}

void BagdasmiyorHatasi(const std::string& tanim, double a, double b, double L) {
    AnkastrelikHatasi(No() + ".elemanın " + tanim + " yük tanımında a=" + GenelSayiMetni(a) + " ve b=" +
                      GenelSayiMetni(b) + " elemanın boyu L=" + GenelSayiMetni(L) + " bağdaşmıyorlar");
}

// Check of the partial loads 8 to 12: the load must lie on the element and
// have a length.
bool KismiYukUygun(const std::string& tanim, double a, double b, double L) {
    if (a < 0 || b <= 0 || a + b > L) {
        BagdasmiyorHatasi(tanim, a, b, L);
        return false;
    }
    return true;
}

// Temperature difference (type 13). Returns false when the load is to be
// left out (a failed check or a "no" to the equal-temperature question).
bool FarkliSicaklik(UcKuvvetleri& F) {
    const double T1 = OkunanYuk, T2 = OkunanYuk1, h = OkunanaMesafesi;
    int kod = 0;
    std::string metin;
    if (OkunanAlfa <= 0) {
        kod = 1;
        metin = "Sıcaklık genleşme katsayısı verilmemiş";
    }
    if (T1 == 0 && T2 == 0) {
        kod = 2;
        metin = "Sıcaklık yükü verilmemiş";
    }
    if (h <= 0 && T1 != T2) {
        kod = 3;
        metin = "Kesit yüzünden-yüzüne mesafe a verilmemiş. Farklı sıcaklık yükü için gereklidir";
    }
    if (OkunanElemanTipi == CerceveEksenelYayi || OkunanElemanTipi == CerceveDonmeYayi ||
        OkunanElemanTipi == CerceveEksenelVeDonmeYayi) {
        kod = 4;
        metin = "Bu eleman tipinde sıcaklık yükü olamaz";
    }
    if (kod != 0) {
        HataMesaji = metin;
        MesajKutusu(No() + ".elemanda: " + metin, "HATA:", "TamamHata1");
        Hata = kod;
        return false;
    }
    if (T1 == T2) {
        auto& cevaplar = SicaklikCevaplari();
        auto it = cevaplar.find(TuretElemanNo);
        if (it == cevaplar.end()) {
            const std::string cevap = MesajKutusu(
                No() + ".elemanda yük tipi farklı sıcaklık seçilmiş, fakat yüzlerdeki sıcaklık aynı.\n Devam edeyim mi?",
                "UYARI:", "EvetHayırUyarı2");
            it = cevaplar.emplace(TuretElemanNo, cevap == "E").first;
        }
        if (!it->second) return false;
    }
    const double N = OkunanE * OkunanA * OkunanAlfa * (T1 + T2) / 2;
    const double M = (T1 == T2) ? 0.0 : OkunanE * OkunanIz * OkunanAlfa * (T1 - T2) / h;
    F[1] = N;
    F[3] = M;
    F[4] = -N;
    F[6] = -M;
    return true;
}

// Fixed-fixed forces of the current load. False when a check failed (its
// message is shown) or the load is to be left out.
bool AnkastreKuvvetler(double L, UcKuvvetleri& F) {
    const double P = OkunanYuk, a = OkunanaMesafesi, b = OkunanbMesafesi;
    const double EA = OkunanE * OkunanA, EI = OkunanE * OkunanIz;
    switch (OkunanYukTipi) {
    case 1:
        ArtanUcgenYukAnkastrelik(L, L, 0, P, F);
        AzalanUcgenYukAnkastrelik(L, L, 0, P, F);
        break;
    case 2:
        if (a <= 0 || L - a <= 0) {
            BagdasmiyorHatasi("tekil", a, L);
            return false;
        }
        NoktaYukuEtkisi(L, a, P, F);
        break;
    case 3:
        ArtanUcgenYukAnkastrelik(L, L / 2, 0, P, F);
        AzalanUcgenYukAnkastrelik(L, L / 2, L / 2, P, F);
        break;
    case 4:
        if (a <= 0 || 2 * a >= L) {
            BagdasmiyorHatasi("trapez", a, b, L);
            return false;
        }
        ArtanUcgenYukAnkastrelik(L, a, 0, P, F);
        DogrusalYayiliYuk(L, a, L - a, P, P, F);
        AzalanUcgenYukAnkastrelik(L, a, L - a, P, F);
        break;
    case 5:
        F[1] = -P * L / 2;
        F[4] = -P * L / 2;
        break;
    case 6:
        if (a <= 0 || L - a <= 0) {
            BagdasmiyorHatasi("eksende tekil", a, L);
            return false;
        }
        F[1] = -P * (L - a) / L;
        F[4] = -P * a / L;
        break;
    case 7:
        if (a <= 0 || L - a <= 0) {
            BagdasmiyorHatasi("tekil moment", a, L);
            return false;
        }
        TekilMomentEtkisi(L, a, P, F);
        break;
    case 8:
        if (!KismiYukUygun("kısmi sol üçgen", a, b, L)) return false;
        ArtanUcgenYukAnkastrelik(L, b, a, P, F);
        break;
    case 9:
        if (!KismiYukUygun("kısmi sağ üçgen", a, b, L)) return false;
        AzalanUcgenYukAnkastrelik(L, b, a, P, F);
        break;
    case 10:
        if (!KismiYukUygun("kısmi düzgün yayılı üçgen", a, b, L)) return false;
        DogrusalYayiliYuk(L, a, a + b, P, P, F);
        break;
    case 11:
        if (!KismiYukUygun("yamuk", a, b, L)) return false;
        if (OkunanYuk * OkunanYuk1 < 0) {
            AnkastrelikHatasi(No() + ".elemanın yamuk yük tanımında Yuk=" + GenelSayiMetni(OkunanYuk) +
                              " ve Yuk1=" + GenelSayiMetni(OkunanYuk1) +
                              " değerlerinin işaretleri farklı olamaz");
            return false;
        }
        DogrusalYayiliYuk(L, a, a + b, OkunanYuk, OkunanYuk1, F);
        break;
    case 12:
        if (!KismiYukUygun("kısmi ikizkenar", a, b, L)) return false;
        ArtanUcgenYukAnkastrelik(L, b / 2, a, P, F);
        AzalanUcgenYukAnkastrelik(L, b / 2, a + b / 2, P, F);
        break;
    case 13:
        return FarkliSicaklik(F);
    case 14:
        F[1] = EA * OkunanAlfa * P;
        F[4] = -F[1];
        break;
    // Imposed end displacements and rotations: the stiffness column of the
    // displaced end times the displacement.
    case 15:
        F[1] = EA / L * P;
        F[4] = -EA / L * P;
        break;
    case 16:
        F[1] = -EA / L * P;
        F[4] = EA / L * P;
        break;
    case 17:
        F[2] = 12 * EI / (L * L * L) * P;
        F[3] = 6 * EI / (L * L) * P;
        F[5] = -12 * EI / (L * L * L) * P;
        F[6] = 6 * EI / (L * L) * P;
        break;
    case 18:
        F[2] = -12 * EI / (L * L * L) * P;
        F[3] = -6 * EI / (L * L) * P;
        F[5] = 12 * EI / (L * L * L) * P;
        F[6] = -6 * EI / (L * L) * P;
        break;
    case 19:
        F[2] = 6 * EI / (L * L) * P;
        F[3] = 4 * EI / L * P;
        F[5] = -6 * EI / (L * L) * P;
        F[6] = 2 * EI / L * P;
        break;
    case 20:
        F[2] = 6 * EI / (L * L) * P;
        F[3] = 2 * EI / L * P;
        F[5] = -6 * EI / (L * L) * P;
        F[6] = 4 * EI / L * P;
        break;
    default:
        break;
    }
    return true;
}

}  // namespace

void AnkastrelikSorulariniSifirla() { SicaklikCevaplari().clear(); }

void DuzlemCerceveAnkastrelikKuvvetleri() {
    auto& Y = YerelAnkastrelikKuvvetleri;
    for (int i = 1; i <= 6; ++i) Y[i] = 0;
    if (OkunanYukTipi < 1 || OkunanYukTipi > 20) return;

    const double L = ElemanBoyu;
    if (!(L > 1e-8)) {
        AnkastrelikHatasi(No() + ".elemanın boyu sıfır");
        return;
    }

    UcKuvvetleri F{};
    if (!AnkastreKuvvetler(L, F)) return;

    std::array<bool, 7> serbest{};
    if (!MafsalSerbestlikleri(OkunanMafsalTipi, serbest) || !SerbestlikleriUygula(serbest, L, F)) {
        // The message comes once for every partial triangle the load is
        // made of: twice for the loads of two triangles, four times for the
        // trapezoid.
        int parca = 1;
        switch (OkunanYukTipi) {
        case 1: case 3: case 10: case 11: case 12: parca = 2; break;
        case 4: parca = 4; break;
        default: break;
        }
        for (int k = 0; k < parca; ++k)
            AnkastrelikHatasi(No() + ".elemanda tanımladığınız mafsalTipi Orvelta öngörülmemiştir.");
        return;
    }
    for (int i = 1; i <= 6; ++i) Y[i] = F[i];
}
