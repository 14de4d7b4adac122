#include "engine/ElemanMatrisleri.h"

#include <cmath>
#include <string>

#include "engine/CubukBoyu.h"
#include "engine/CubukGerilmeleri.h"
#include "engine/LevhaPlakMatrisleri.h"
#include "engine/TransformasyonMatrisleri.h"
#include "model/LibU.h"
#include "model/ModelOku.h"
#include "model/Tipler.h"

namespace {

void Hatali(int ElemanNo, const char* metin) {
    MesajKutusu(std::to_string(ElemanNo) + metin, "HATA:", "TamamHata1");
    Hata = 1;
}

// Entry (r, c) of the element's flexibility block.
void EsneklikBlogunaYaz(int r, int c, double deger) {
    const int satir = ElemanIlkKolon - 1 + r;
    if (satir >= 1 && static_cast<std::size_t>(satir) < EsneklikMatrisi.Rows() &&
        static_cast<std::size_t>(c) < EsneklikMatrisi.Cols())
        EsneklikMatrisi[satir][c] = deger;
}

void Sayilar(int nokta, int serbestlik, int kuvvet) {
    ElemanNoktaSayisi = nokta;
    NoktaSerbestlikSayisi = serbestlik;
    ElemanSerbestlikSayisi = nokta * serbestlik;
    ElemaninNoktadakiKuvvetSayisi = kuvvet;
}

void BlokTemizle(Matris12x9& B) {
    for (int i = 1; i <= 12; ++i)
        for (int j = 1; j <= ElemanKuvvetSayisi && j <= 9; ++j) B[i][j] = 0;
}

// The bar of the element just read; false, with the message, when its length
// or its modulus of elasticity is zero.
bool CubukEkseniniAl(int ElemanNo, bool uzay, CubukEkseni& eksen) {
    eksen = OkunanCubugunEkseni(uzay);
    if (eksen.Sifir || OkunanE == 0) {
        Hatali(ElemanNo, ".elemanın boyu veya elastisite modülü sıfır");
        return false;
    }
    return true;
}

// Types 10, 11, 20, 21: one normal force.
void KafesCubugu(int ElemanNo, int Islem, bool uzay) {
    CubukEkseni eksen;
    if (!CubukEkseniniAl(ElemanNo, uzay, eksen)) return;
    const double dx = eksen.dx, dy = eksen.dy, dz = eksen.dz, L = eksen.L;
    if (Islem == 1) {
        ElemanYerelDengeMatrisi[1][1] = -1;
        ElemanYerelDengeMatrisi[2][1] = 1;
    } else if (Islem == 2) {
        auto& B = ElemanDengeMatrisi;
        if (uzay) {
            B[1][1] = -dx / L; B[2][1] = -dy / L; B[3][1] = -dz / L;
            B[4][1] = dx / L;  B[5][1] = dy / L;  B[6][1] = dz / L;
        } else {
            B[1][1] = -dx / L; B[2][1] = -dy / L;
            B[3][1] = dx / L;  B[4][1] = dy / L;
        }
        const bool yay = OkunanElemanTipi == DuzlemEksenelYay || OkunanElemanTipi == UzayEksenelYay;
        if (OkunanA == 0) {
            Hatali(ElemanNo, yay ? ".elemanın eksenel yay katsayısı sıfır" : ".elemanın kesit alanı sıfır");
            return;
        }
        // A spring's A is its stiffness in kN/m, as for the plane-frame spring.
        EsneklikBlogunaYaz(1, 1, yay ? 1 / OkunanA : L / (OkunanE * OkunanA));
    } else if (Islem == 4) {
        CubukGerilmeleriniYaz(ElemanNo);
    }
}

// Types 30 to 33: normal force, shear force and moment at end j.
void DuzlemCerceveCubugu(int ElemanNo, int Islem) {
    CubukEkseni eksen;
    if (!CubukEkseniniAl(ElemanNo, false, eksen)) return;
    const double L = eksen.L;
    const double c = eksen.dx / L, s = eksen.dy / L;
    if (Islem == 1) {
        auto& B = ElemanYerelDengeMatrisi;
        B[1][1] = -1; B[1][2] = 0;  B[1][3] = 0;
        B[2][1] = 0;  B[2][2] = -1; B[2][3] = 0;
        B[3][1] = 0;  B[3][2] = -L; B[3][3] = -1;
        B[4][1] = 1;  B[4][2] = 0;  B[4][3] = 0;
        B[5][1] = 0;  B[5][2] = 1;  B[5][3] = 0;
        B[6][1] = 0;  B[6][2] = 0;  B[6][3] = 1;
    } else if (Islem == 2) {
        auto& B = ElemanDengeMatrisi;
        B[1][1] = -c; B[1][2] = s;  B[1][3] = 0;
        B[2][1] = -s; B[2][2] = -c; B[2][3] = 0;
        B[3][1] = 0;  B[3][2] = -L; B[3][3] = -1;
        B[4][1] = c;  B[4][2] = -s; B[4][3] = 0;
        B[5][1] = s;  B[5][2] = c;  B[5][3] = 0;
        B[6][1] = 0;  B[6][2] = 0;  B[6][3] = 1;
        const double E = OkunanE, A = OkunanA, Iz = OkunanIz;
        switch (OkunanElemanTipi) {
            case DuzlemCerceveElemani: {
                if (A == 0 || Iz == 0) {
                    Hatali(ElemanNo, ".elemanın kesit alanı veya atalet momenti sıfır");
                    return;
                }
                EsneklikBlogunaYaz(1, 1, L / (E * A));
                const bool ikiUcMafsal = OkunanMafsalTipi.find("03") != std::string::npos &&
                                         OkunanMafsalTipi.find("06") != std::string::npos;
                if (!ikiUcMafsal) {
                    EsneklikBlogunaYaz(2, 2, 4 * L * L * L / 12 / E / Iz);
                    EsneklikBlogunaYaz(2, 3, L * L / (2 * E * Iz));
                    EsneklikBlogunaYaz(3, 2, L * L / (2 * E * Iz));
                    EsneklikBlogunaYaz(3, 3, L / (E * Iz));
                }
                break;
            }
            case CerceveEksenelYayi:
                if (A == 0) { Hatali(ElemanNo, ".elemanın eksenel yay katsayısı sıfır"); return; }
                EsneklikBlogunaYaz(1, 1, 1 / A);
                break;
            case CerceveDonmeYayi:
                if (Iz == 0) { Hatali(ElemanNo, ".elemanın dönme yayı katsayısı sıfır"); return; }
                EsneklikBlogunaYaz(3, 3, 1 / Iz);
                break;
            case CerceveEksenelVeDonmeYayi:
                if (A == 0 || Iz == 0) {
                    Hatali(ElemanNo, ".elemanın eksenel veya dönme yayı katsayısı sıfır");
                    return;
                }
                EsneklikBlogunaYaz(1, 1, 1 / A);
                EsneklikBlogunaYaz(3, 3, 1 / Iz);
                break;
        }
    } else if (Islem == 4) {
        CubukGerilmeleriniYaz(ElemanNo);
    }
}

// Types 40 and 41: N, Vy, Vz, Mx, My, Mz at end j.
void UzayCerceveCubugu(int ElemanNo, int Islem) {
    CubukEkseni eksen;
    if (!CubukEkseniniAl(ElemanNo, true, eksen)) return;
    const double L = eksen.L;
    if (Islem == 1) {
        auto& B = ElemanYerelDengeMatrisi;
        BlokTemizle(B);
        for (int k = 1; k <= 6; ++k) {
            B[k][k] = -1;
            B[k + 6][k] = 1;
        }
        B[5][3] = L;
        B[6][2] = -L;
    } else if (Islem == 2) {
        auto& B = ElemanDengeMatrisi;
        BlokTemizle(B);
        UzayTransformasyonMatrisi();
        if (Hata != 0) return;
        const auto& T = TransformasyonMatrisi;
        for (int p = 1; p <= 3; ++p)
            for (int q = 1; q <= 3; ++q) {
                B[p][q] = -T[q][p];
                B[p + 3][q + 3] = -T[q][p];
                B[p + 6][q] = T[q][p];
                B[p + 9][q + 3] = T[q][p];
            }
        for (int p = 1; p <= 3; ++p) {
            B[p + 3][2] = -L * T[3][p];
            B[p + 3][3] = L * T[2][p];
        }
        const double E = OkunanE, A = OkunanA, Iy = OkunanIy, Iz = OkunanIz;
        if (OkunanElemanTipi == UzayCerceveElemani) {
            if (A == 0 || Iy == 0 || Iz == 0) {
                Hatali(ElemanNo, ".elemanın kesit alanı veya atalet momenti sıfır");
                return;
            }
            // Without a torsion constant the twist of the bar has no finite value.
            if (OkunanJ == 0) {
                Hatali(ElemanNo, ".elemanın burulma sabiti (J) sıfır");
                return;
            }
            const double G = E / (2 * (1 + OkunanNu));
            EsneklikBlogunaYaz(1, 1, L / (E * A));
            EsneklikBlogunaYaz(2, 2, L * L * L / (3 * E * Iz));
            EsneklikBlogunaYaz(3, 3, L * L * L / (3 * E * Iy));
            EsneklikBlogunaYaz(4, 4, L / (G * OkunanJ));
            EsneklikBlogunaYaz(3, 5, -L * L / (2 * E * Iy));
            EsneklikBlogunaYaz(5, 3, -L * L / (2 * E * Iy));
            EsneklikBlogunaYaz(5, 5, L / (E * Iy));
            EsneklikBlogunaYaz(2, 6, L * L / (2 * E * Iz));
            EsneklikBlogunaYaz(6, 2, L * L / (2 * E * Iz));
            EsneklikBlogunaYaz(6, 6, L / (E * Iz));
        } else {
            if (A == 0 || OkunanAy == 0 || OkunanAz == 0) {
                Hatali(ElemanNo, ".elemanın kesit alanı veya kesme rijitliği sıfır");
                return;
            }
            EsneklikBlogunaYaz(1, 1, 1 / A);
            EsneklikBlogunaYaz(2, 2, 1 / OkunanAy);
            EsneklikBlogunaYaz(3, 3, 1 / OkunanAz);
        }
    } else if (Islem == 4) {
        CubukGerilmeleriniYaz(ElemanNo);
    }
}

}  // namespace

void ElemanMatrisleriniKur(int ElemanNo, int Islem) {
    ElemanBilgileriniOku(ElemanNo);
    if (Hata != 0) return;  // the lookup has shown its message

    const auto& T = ElemanBilinmeyenTablosu;
    if (ElemanNo >= 0 && T.Rows() >= 2 && static_cast<std::size_t>(ElemanNo) < T.Cols()) {
        ElemanKuvvetSayisi = T[0][ElemanNo];
        ElemanIlkKolon = T[1][ElemanNo];
    }

    switch (OkunanElemanTipi) {
        case DuzlemKafesElemani: case DuzlemEksenelYay:
            Sayilar(2, 2, 1);
            KafesCubugu(ElemanNo, Islem, false);
            break;
        case UzayKafesElemani: case UzayEksenelYay:
            Sayilar(2, 3, 1);
            KafesCubugu(ElemanNo, Islem, true);
            break;
        case DuzlemCerceveElemani: case CerceveEksenelYayi: case CerceveDonmeYayi: case CerceveEksenelVeDonmeYayi:
            Sayilar(2, 3, 3);
            DuzlemCerceveCubugu(ElemanNo, Islem);
            break;
        case UzayCerceveElemani: case DepremIzolatoru:
            Sayilar(2, 6, 6);
            UzayCerceveCubugu(ElemanNo, Islem);
            break;
        case UcgenLevhaElemani: case DortgenLevhaElemani: case DortgenPlakElemani:
            LevhaPlakMatrisleriniKur(ElemanNo, Islem);
            break;
        default:
            break;
    }
}
