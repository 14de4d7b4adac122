#include "engine/LevhaPlakMatrisleri.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/LibU.h"
#include "model/RaporSutunu.h"
#include "platform/KullaniciArayuzu.h"

namespace {

// Geometry of the current element, shared by the three operations.
struct LevhaGeometrisi {
    // triangle: side lengths, unit side vectors, twice the area (> 0)
    double l[4]{}, ex[4]{}, ey[4]{};
    double IkiAlan = 0;
    // rectangles: sides a (i->L) and b (i->j), r = b/a, diagonal d,
    // c1 = a/d, c2 = b/d, direction of i->L (membrane only)
    double a = 0, b = 0, r = 0, d = 0, c1 = 0, c2 = 0, cs = 1, sn = 0;
};

void ElemanHatasi(int ElemanNo, const std::string& Metin) {
    Hata = 1;
    MesajKutusu(std::to_string(ElemanNo) + Metin, "HATA:", "TamamHata1");
}

// Relative tolerance of the rectangle checks, on the larger side.
constexpr double DikdortgenToleransi = 1e-6;

// Node coordinates in the X-Y plane: X[n][0] = X, X[n][1] = Y for n = i, j, k, L.
using Koseler = double[4][2];

// The geometry checks below return false with Mesaj set to the text that
// follows the element number in the calculation's message.
bool UcgenGeometrisi(const Koseler& X, LevhaGeometrisi& g, std::string& Mesaj) {
    const double ax[4] = {0, X[1][0] - X[0][0], X[2][0] - X[1][0], X[0][0] - X[2][0]};
    const double ay[4] = {0, X[1][1] - X[0][1], X[2][1] - X[1][1], X[0][1] - X[2][1]};
    for (int q = 1; q <= 3; ++q) g.l[q] = std::sqrt(ax[q] * ax[q] + ay[q] * ay[q]);
    if (g.l[1] <= 1e-14 || g.l[2] <= 1e-9 || g.l[3] <= 1e-9) {
        Mesaj = " elemanın bir kenarı sıfır";
        return false;
    }
    for (int q = 1; q <= 3; ++q) {
        g.ex[q] = ax[q] / g.l[q];
        g.ey[q] = ay[q] / g.l[q];
    }
    // Twice the area from the cross product of two sides; its sign only
    // tells the node order, which does not matter for this element.
    g.IkiAlan = std::fabs(ax[2] * ay[1] - ax[1] * ay[2]);
    const double enUzun = std::max({g.l[1], g.l[2], g.l[3]});
    if (g.IkiAlan <= 1e-14 * enUzun * enUzun) {
        Mesaj = ".elemanın alanı sıfır (üç düğüm noktası bir doğru üzerinde)";
        return false;
    }
    return true;
}

bool YakinMi(double x, double y, double tx, double ty, double tol) {
    return std::hypot(x - tx, y - ty) <= tol;
}

// Quadrilateral membrane: a rectangle i, j, k, L clockwise (j at +90 degrees
// from i->L), in any position and direction in the X-Y plane.
bool DortgenLevhaGeometrisi(const Koseler& X, LevhaGeometrisi& g, std::string& Mesaj) {
    const double lx = X[3][0] - X[0][0], ly = X[3][1] - X[0][1];
    const double jx = X[1][0] - X[0][0], jy = X[1][1] - X[0][1];
    const double kx = X[2][0] - X[0][0], ky = X[2][1] - X[0][1];
    g.a = std::sqrt(lx * lx + ly * ly);
    g.b = std::sqrt(jx * jx + jy * jy);
    if (g.a <= 1e-9 || g.b <= 1e-9) {
        Mesaj = " elemanın bir kenarı sıfır";
        return false;
    }
    g.cs = lx / g.a;
    g.sn = ly / g.a;
    const double tol = DikdortgenToleransi * std::max(g.a, g.b);
    // local y is local x turned by +90 degrees
    const double yx = -g.sn, yy = g.cs;
    if (YakinMi(jx, jy, g.b * yx, g.b * yy, tol) &&
        YakinMi(kx, ky, lx + g.b * yx, ly + g.b * yy, tol)) {
        // the expected rectangle
    } else if (YakinMi(jx, jy, -g.b * yx, -g.b * yy, tol) &&
               YakinMi(kx, ky, lx - g.b * yx, ly - g.b * yy, tol)) {
        Mesaj = ".elemanın düğüm noktaları saat yönünün tersine sıralanmış; i, j, k, L saat "
                "yönünde verilmeli";
        return false;
    } else {
        Mesaj = ".elemanın düğüm noktaları bir dikdörtgen oluşturmuyor";
        return false;
    }
    g.r = g.b / g.a;
    g.d = std::sqrt(g.a * g.a + g.b * g.b);
    g.c1 = g.a / g.d;
    g.c2 = g.b / g.d;
    return true;
}

// Plate: a rectangle with sides parallel to X and Y, L in +X and j in +Y
// from i, k opposite i.
bool PlakGeometrisi(const Koseler& X, LevhaGeometrisi& g, std::string& Mesaj) {
    g.a = X[3][0] - X[0][0];
    g.b = X[1][1] - X[0][1];
    if (std::fabs(g.a) <= 1e-9 || std::fabs(g.b) <= 1e-9) {
        Mesaj = " elemanın bir kenarı sıfır";
        return false;
    }
    if (g.a < 0 || g.b < 0) {
        Mesaj = ".elemanın L noktası i noktasının +X yönünde, j noktası i noktasının +Y "
                "yönünde olmalı (i, j, k, L saat yönünde)";
        return false;
    }
    const double tol = DikdortgenToleransi * std::max(g.a, g.b);
    if (std::fabs(X[3][1] - X[0][1]) > tol || std::fabs(X[1][0] - X[0][0]) > tol ||
        std::fabs(X[2][0] - X[3][0]) > tol || std::fabs(X[2][1] - X[1][1]) > tol) {
        Mesaj = ".elemanın kenarları X ve Y eksenlerine paralel bir dikdörtgen oluşturmuyor";
        return false;
    }
    g.r = g.b / g.a;
    return true;
}

bool GeometriDenetle(int Tip, const Koseler& X, LevhaGeometrisi& g, std::string& Mesaj) {
    switch (Tip) {
        case UcgenLevhaElemani: return UcgenGeometrisi(X, g, Mesaj);
        case DortgenLevhaElemani: return DortgenLevhaGeometrisi(X, g, Mesaj);
        case DortgenPlakElemani: return PlakGeometrisi(X, g, Mesaj);
        default: return false;
    }
}

bool GeometriyiKur(int ElemanNo, LevhaGeometrisi& g) {
    const Koseler X = {{OkunaniX1, OkunaniX2}, {OkunanjX1, OkunanjX2}, {OkunankX1, OkunankX2},
                       {OkunanLX1, OkunanLX2}};
    std::string mesaj;
    if (GeometriDenetle(OkunanElemanTipi, X, g, mesaj)) return true;
    if (!mesaj.empty()) ElemanHatasi(ElemanNo, mesaj);
    return false;
}

void SayilariKur() {
    switch (OkunanElemanTipi) {
        case UcgenLevhaElemani:
            ElemanNoktaSayisi = 3;
            NoktaSerbestlikSayisi = 2;
            ElemanSerbestlikSayisi = 6;
            ElemaninNoktadakiKuvvetSayisi = 2;
            ElemanKuvvetSayisi = 3;
            break;
        case DortgenLevhaElemani:
            ElemanNoktaSayisi = 4;
            NoktaSerbestlikSayisi = 2;
            ElemanSerbestlikSayisi = 8;
            ElemaninNoktadakiKuvvetSayisi = 2;
            ElemanKuvvetSayisi = 5;
            break;
        case DortgenPlakElemani:
            ElemanNoktaSayisi = 4;
            NoktaSerbestlikSayisi = 3;
            ElemanSerbestlikSayisi = 12;
            ElemaninNoktadakiKuvvetSayisi = 3;
            ElemanKuvvetSayisi = 9;
            break;
    }
}

void BlokTemizle(Matris12x9& M, int satir, int kolon) {
    for (int p = 1; p <= satir; ++p)
        for (int q = 1; q <= kolon; ++q) M[p][q] = 0;
}

// Zero thickness or modulus would divide by zero; a negative one would give a
// flexibility that is not positive.
bool MalzemeKontrolu(int ElemanNo, bool ModulGerekli) {
    const double t = OkunanA;
    if (t == 0) {
        ElemanHatasi(ElemanNo, ".elemanın kalınlığı sıfır");
        return false;
    }
    if (t < 0) {
        ElemanHatasi(ElemanNo, ".elemanın kalınlığı negatif");
        return false;
    }
    if (ModulGerekli && OkunanE <= 0) {
        ElemanHatasi(ElemanNo, ".elemanın elastisite modülü sıfır veya negatif");
        return false;
    }
    return true;
}

// Lower triangle L (1-based, n x n) times Carpan, mirrored into the system's
// flexibility rows of the element.
void EsneklikYaz(const double L[10][10], int n, double Carpan) {
    const int s = ElemanIlkKolon - 1;
    for (int p = 1; p <= n; ++p)
        for (int q = 1; q <= p; ++q) {
            const double v = L[p][q] * Carpan;
            EsneklikMatrisi[s + p][q] = v;
            EsneklikMatrisi[s + q][p] = v;
        }
}

// ---------------------------------------------------------------- type 50
void UcgenDenge(const LevhaGeometrisi& g, Matris12x9& B) {
    BlokTemizle(B, 6, 3);
    // node i: -e1, e3; node j: e1, -e2; node k: e2, -e3
    B[1][1] = -g.ex[1]; B[2][1] = -g.ey[1];
    B[1][3] = g.ex[3];  B[2][3] = g.ey[3];
    B[3][1] = g.ex[1];  B[4][1] = g.ey[1];
    B[3][2] = -g.ex[2]; B[4][2] = -g.ey[2];
    B[5][2] = g.ex[2];  B[6][2] = g.ey[2];
    B[5][3] = -g.ex[3]; B[6][3] = -g.ey[3];
}

void UcgenEsneklik(const LevhaGeometrisi& g) {
    const double l1 = g.l[1], l2 = g.l[2], l3 = g.l[3], D = g.IkiAlan, nu = OkunanNu;
    const double sI = D / (l1 * l3), sJ = D / (l1 * l2), sK = D / (l2 * l3);
    const double cI = (l1 * l1 + l3 * l3 - l2 * l2) / (2 * l1 * l3);
    const double cJ = (l1 * l1 + l2 * l2 - l3 * l3) / (2 * l1 * l2);
    const double cK = (l2 * l2 + l3 * l3 - l1 * l1) / (2 * l2 * l3);
    const double tI = cI / sI, tJ = cJ / sJ, tK = cK / sK;
    double L[10][10] = {};
    L[1][1] = sK / (sI * sJ);
    L[2][2] = sI / (sJ * sK);
    L[3][3] = sJ / (sK * sI);
    L[2][1] = cJ * tJ - nu * sJ;
    L[3][1] = cI * tI - nu * sI;
    L[3][2] = cK * tK - nu * sK;
    EsneklikYaz(L, 3, 2 / (OkunanE * OkunanA));
}

// ---------------------------------------------------------------- type 51
void DortgenLevhaYerelDenge(const LevhaGeometrisi& g, Matris12x9& B) {
    BlokTemizle(B, 8, 5);
    B[1][4] = -1; B[1][5] = -g.c1;
    B[2][1] = -1; B[2][5] = -g.c2;
    B[3][2] = -1;
    B[4][1] = 1;
    B[5][2] = 1;  B[5][5] = g.c1;
    B[6][3] = 1;  B[6][5] = g.c2;
    B[7][4] = 1;
    B[8][3] = -1;
}

void DortgenLevhaGlobalDenge(const LevhaGeometrisi& g, Matris12x9& B) {
    BlokTemizle(B, 8, 5);
    const double cs = g.cs, sn = g.sn;
    const double g1 = g.c1 * cs - g.c2 * sn, g2 = g.c2 * cs + g.c1 * sn;
    B[1][1] = sn;  B[1][4] = -cs; B[1][5] = -g1;
    B[2][1] = -cs; B[2][4] = -sn; B[2][5] = -g2;
    B[3][1] = -sn; B[3][2] = -cs;
    B[4][1] = cs;  B[4][2] = -sn;
    B[5][2] = cs;  B[5][3] = -sn; B[5][5] = g1;
    B[6][2] = sn;  B[6][3] = cs;  B[6][5] = g2;
    B[7][3] = sn;  B[7][4] = cs;
    B[8][3] = -cs; B[8][4] = sn;
}

void DortgenLevhaEsneklik(const LevhaGeometrisi& g) {
    const double r = g.r, nu = OkunanNu, c1 = g.c1, c2 = g.c2;
    double L[10][10] = {};
    L[1][1] = 4 * r;
    L[2][1] = -nu;               L[2][2] = 4 / r;
    L[3][1] = -2 * r;            L[3][2] = -nu;               L[3][3] = 4 * r;
    L[4][1] = -nu;               L[4][2] = -2 / r;            L[4][3] = -nu;
    L[4][4] = 4 / r;
    L[5][1] = r * c2 - nu * c1;  L[5][2] = (1 / r - nu * r) * c1;
    L[5][3] = r * c2 - nu * c1;  L[5][4] = (1 / r - nu * r) * c1;
    L[5][5] = 1 / r + r;
    EsneklikYaz(L, 5, 1 / (OkunanE * OkunanA));
}

// ---------------------------------------------------------------- type 60
// Forces X1..X8 are the edge moments lumped to the corners; X9 is the
// constant twisting moment m_xy per unit width, whose statically equivalent
// corner forces are 2*m_xy (the sum of the two edge ends meeting at a corner).
void PlakDenge(const LevhaGeometrisi& g, Matris12x9& B) {
    BlokTemizle(B, 12, 9);
    const double a = g.a, b = g.b;
    B[1][2] = 2 / b;   B[1][8] = -2 / a; B[1][9] = -2;
    B[2][1] = 1;       B[2][2] = 1;
    B[3][7] = -1;      B[3][8] = 1;
    B[4][2] = -2 / b;  B[4][4] = 2 / a;  B[4][9] = 2;
    B[5][1] = -1;      B[5][2] = 1;
    B[6][3] = -1;      B[6][4] = -1;
    B[7][4] = -2 / a;  B[7][6] = 2 / b;  B[7][9] = -2;
    B[8][5] = -1;      B[8][6] = -1;
    B[9][3] = 1;       B[9][4] = -1;
    B[10][6] = -2 / b; B[10][8] = 2 / a; B[10][9] = 2;
    B[11][5] = 1;      B[11][6] = -1;
    B[12][7] = 1;      B[12][8] = 1;
}

void PlakEsneklik(const LevhaGeometrisi& g) {
    const double r = g.r, nu = OkunanNu, a = g.a, b = g.b;
    const double u3 = 4.0 / 3.0, i3 = 2.0 / 3.0;
    double L[10][10] = {};
    L[1][1] = 4 * r;
    L[2][2] = u3 * r;
    L[3][1] = -nu; L[3][2] = nu; L[3][3] = 4 / r;
    L[4][1] = -nu; L[4][2] = nu; L[4][4] = u3 / r;
    L[5][1] = -2 * r; L[5][3] = -nu; L[5][4] = nu; L[5][5] = 4 * r;
    L[6][2] = i3 * r; L[6][3] = -nu; L[6][4] = nu; L[6][6] = u3 * r;
    L[7][1] = -nu; L[7][2] = -nu; L[7][3] = -2 / r; L[7][5] = -nu; L[7][6] = nu; L[7][7] = 4 / r;
    L[8][1] = nu; L[8][2] = nu; L[8][4] = i3 / r; L[8][5] = -nu; L[8][6] = nu; L[8][8] = u3 / r;
    L[9][9] = 2 * (1 + nu) * a * b;
    const double t = OkunanA;
    EsneklikYaz(L, 9, 12 / (OkunanE * t * t * t));
}

// ---------------------------------------------------------------- stresses
// G of the element at (Ksi, Eta) into GerilmeMatrisi, the factor into Carpan.
void GerilmeMatrisiYaz(const LevhaGeometrisi& g, double Ksi, double Eta, double& Carpan) {
    for (int p = 1; p <= 3; ++p)
        for (int q = 1; q <= 9; ++q) GerilmeMatrisi[p][q] = 0;
    const double t = OkunanA;
    switch (OkunanElemanTipi) {
        case UcgenLevhaElemani:
            // each side force gives a uniaxial state along its side
            for (int q = 1; q <= 3; ++q) {
                const double f = g.l[q] / g.IkiAlan;
                GerilmeMatrisi[1][q] = g.ex[q] * g.ex[q] * f;
                GerilmeMatrisi[2][q] = g.ey[q] * g.ey[q] * f;
                GerilmeMatrisi[3][q] = g.ex[q] * g.ey[q] * f;
            }
            Carpan = 2 / t;
            break;
        case DortgenLevhaElemani: {
            const double r = g.r, c1 = g.c1;
            GerilmeMatrisi[1][2] = 3 * Eta - 1;
            GerilmeMatrisi[1][4] = 2 - 3 * Eta;
            GerilmeMatrisi[1][5] = c1 / 2;
            GerilmeMatrisi[2][1] = (2 - 3 * Ksi) * r;
            GerilmeMatrisi[2][3] = (3 * Ksi - 1) * r;
            GerilmeMatrisi[2][5] = r * r * c1 / 2;
            GerilmeMatrisi[3][5] = r * c1 / 2;
            Carpan = 2 / (g.b * t);
            break;
        }
        case DortgenPlakElemani: {
            const double a = g.a, b = g.b;
            GerilmeMatrisi[1][3] = (2 / b) * (3 * Eta - 1);
            GerilmeMatrisi[1][4] = (2 / b) * (3 * Eta - 1) * (1 - 2 * Ksi);
            GerilmeMatrisi[1][7] = (2 / b) * (2 - 3 * Eta);
            GerilmeMatrisi[1][8] = (2 / b) * (2 - 3 * Eta) * (2 * Ksi - 1);
            GerilmeMatrisi[2][1] = (2 / a) * (2 - 3 * Ksi);
            GerilmeMatrisi[2][2] = (2 / a) * (2 - 3 * Ksi) * (1 - 2 * Eta);
            GerilmeMatrisi[2][5] = (2 / a) * (3 * Ksi - 1);
            GerilmeMatrisi[2][6] = (2 / a) * (3 * Ksi - 1) * (2 * Eta - 1);
            GerilmeMatrisi[3][9] = 1;
            Carpan = 6 / (t * t);
            break;
        }
    }
}

// One stress row: the current G applied to the element's solved forces.
void GerilmeSatiriYaz(int ElemanNo, const std::string& NoktaAlani, double Carpan) {
    const int s = ElemanIlkKolon - 1;
    double sig[4] = {};
    for (int p = 1; p <= 3; ++p) {
        double toplam = 0;
        for (int q = 1; q <= ElemanKuvvetSayisi; ++q)
            if (GerilmeMatrisi[p][q] != 0) toplam += GerilmeMatrisi[p][q] * Bilinmeyenler[s + q];
        sig[p] = Carpan * toplam;
    }
    GerilmeSonuclari[1] = sig[1];
    GerilmeSonuclari[2] = sig[2];
    GerilmeSonuclari[3] = sig[3];
    AsalGerilmeler(sig[1], sig[2], sig[3], GerilmeSonuclari[4], GerilmeSonuclari[5],
                   GerilmeSonuclari[6]);
    std::string satir = RaporSutunu(std::to_string(ElemanNo), 6) + NoktaAlani;
    for (int k = 1; k <= 6; ++k) satir += YuvarlanmisSutun(GerilmeSonuclari[k], 2, 18);
    Arayuz().MemoEkle(satir);
}

void GerilmeleriYazLevhaPlak(int ElemanNo, const LevhaGeometrisi& g) {
    double Carpan = 0;
    if (OkunanElemanTipi == UcgenLevhaElemani) {
        GerilmeMatrisiYaz(g, 0, 0, Carpan);
        GerilmeSatiriYaz(ElemanNo, std::string(6, ' '), Carpan);
        return;
    }
    const int noktalar[4] = {OkunaniNoktasi, OkunanjNoktasi, OkunankNoktasi, OkunanLNoktasi};
    const double ksi[4] = {0, 0, 1, 1}, eta[4] = {0, 1, 1, 0};
    for (int p = 0; p < 4; ++p) {
        TuretNoktaNo = noktalar[p];
        GerilmeMatrisiYaz(g, ksi[p], eta[p], Carpan);
        GerilmeSatiriYaz(ElemanNo, RaporSutunu(std::to_string(TuretNoktaNo), 6), Carpan);
    }
}

}  // namespace

void AsalGerilmeler(double sx, double sy, double txy, double& SigmaMax, double& SigmaMin,
                    double& AciDerece) {
    const double orta = (sx + sy) / 2;
    const double yaricap = std::sqrt(((sx - sy) / 2) * ((sx - sy) / 2) + txy * txy);
    SigmaMax = orta + yaricap;
    SigmaMin = orta - yaricap;
    double fi;
    if (std::fabs(sx - sy) <= 1e-12)
        fi = txy < 0 ? -M_PI / 4 : M_PI / 4;
    else
        fi = 0.5 * std::atan2(2 * txy, sx - sy);  // direction of SigmaMax
    AciDerece = fi * 180 / M_PI;
    // -90 and 90 degrees are the same direction: report it as 90
    if (AciDerece <= -89.995) AciDerece += 180;
}

void PlakMomentleri(Vektor12& UcKuvvetleri, double a, double b) {
    for (int p = 1; p <= 4; ++p) {
        UcKuvvetleri[(p - 1) * 3 + 2] = UcKuvvetleri[(p - 1) * 3 + 2] * 2 / a;
        UcKuvvetleri[(p - 1) * 3 + 3] = UcKuvvetleri[(p - 1) * 3 + 3] * 2 / b;
    }
}

bool LevhaPlakGerilmeMatrisiniKur(int ElemanNo, double Ksi, double Eta, double& Carpan) {
    LevhaGeometrisi g;
    SayilariKur();
    if (!GeometriyiKur(ElemanNo, g)) return false;
    if (!MalzemeKontrolu(ElemanNo, false)) return false;
    GerilmeMatrisiYaz(g, Ksi, Eta, Carpan);
    return true;
}

void LevhaPlakMatrisleriniKur(int ElemanNo, int Islem) {
    if (OkunanElemanTipi != UcgenLevhaElemani && OkunanElemanTipi != DortgenLevhaElemani &&
        OkunanElemanTipi != DortgenPlakElemani)
        return;
    SayilariKur();
    LevhaGeometrisi g;
    if (!GeometriyiKur(ElemanNo, g)) return;
    switch (Islem) {
        case 1:
            if (OkunanElemanTipi == UcgenLevhaElemani) UcgenDenge(g, ElemanYerelDengeMatrisi);
            else if (OkunanElemanTipi == DortgenLevhaElemani) DortgenLevhaYerelDenge(g, ElemanYerelDengeMatrisi);
            else PlakDenge(g, ElemanYerelDengeMatrisi);
            break;
        case 2:
            if (OkunanElemanTipi == UcgenLevhaElemani) UcgenDenge(g, ElemanDengeMatrisi);
            else if (OkunanElemanTipi == DortgenLevhaElemani) DortgenLevhaGlobalDenge(g, ElemanDengeMatrisi);
            else PlakDenge(g, ElemanDengeMatrisi);
            if (!MalzemeKontrolu(ElemanNo, true)) return;
            if (OkunanElemanTipi == UcgenLevhaElemani) UcgenEsneklik(g);
            else if (OkunanElemanTipi == DortgenLevhaElemani) DortgenLevhaEsneklik(g);
            else PlakEsneklik(g);
            break;
        case 4:
            if (!MalzemeKontrolu(ElemanNo, false)) return;
            GerilmeleriYazLevhaPlak(ElemanNo, g);
            break;
        default:
            break;
    }
}

std::string LevhaPlakGeometriHatasi(int Tip, const double X[4][2]) {
    if (Tip != UcgenLevhaElemani && Tip != DortgenLevhaElemani && Tip != DortgenPlakElemani) return "";
    const Koseler K = {{X[0][0], X[0][1]}, {X[1][0], X[1][1]}, {X[2][0], X[2][1]}, {X[3][0], X[3][1]}};
    LevhaGeometrisi g;
    std::string mesaj;
    GeometriDenetle(Tip, K, g, mesaj);
    return mesaj;
}
