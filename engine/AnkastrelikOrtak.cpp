#include "engine/AnkastrelikOrtak.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/LibU.h"
#include "model/Tipler.h"

void AnkastrelikHatasi(const std::string& Metin) {
    MesajKutusu(Metin, "HATA:", "TamamHata1");
    Hata = 1;
}

bool MafsalSerbestlikleri(const std::string& MafsalTipi, std::array<bool, 7>& Serbest) {
    Serbest.fill(false);
    std::string metin;
    for (char c : MafsalTipi)
        if (c != ' ') metin += c;
    if (metin.empty()) metin = "00";
    if (metin.size() % 2 != 0) return false;
    for (std::size_t p = 0; p < metin.size(); p += 2) {
        const char c1 = metin[p], c2 = metin[p + 1];
        if (c1 != '0' || c2 < '0' || c2 > '6') return false;
        const int kod = c2 - '0';
        if (kod != 0) Serbest[kod] = true;
    }
    return true;
}

// Solves the condensation of one subsystem: K (n x n, scaled, symmetric) and
// the fixed-fixed forces f; the forces of the released places R are brought
// to zero by free displacements u with K_RR u = -f_R, and f becomes
// f + K_:R u. When K_RR is singular the released places allow a rigid-body
// motion; the load is then carried only if it does no work on that motion
// (the equations stay consistent); otherwise the result is false.
bool UcKuvvetleriniYogust(const double K[4][4], int n, double f[4], const bool serbest[4]) {
    int R[4], m = 0;
    for (int i = 0; i < n; ++i)
        if (serbest[i]) R[m++] = i;
    if (m == 0) return true;
    double olcek = 0;
    for (int i = 0; i < n; ++i) olcek = std::max(olcek, std::fabs(f[i]));
    double A[4][4], b[4];
    for (int r = 0; r < m; ++r) {
        for (int c = 0; c < m; ++c) A[r][c] = K[R[r]][R[c]];
        b[r] = -f[R[r]];
    }
    // Row echelon form with partial pivoting; a column without a pivot is a
    // free displacement that is set to zero.
    const double tolerans = 1e-9;
    int pivotKolonu[4];
    int satir = 0;
    for (int c = 0; c < m && satir < m; ++c) {
        int p = satir;
        for (int r = satir + 1; r < m; ++r)
            if (std::fabs(A[r][c]) > std::fabs(A[p][c])) p = r;
        if (std::fabs(A[p][c]) <= tolerans) continue;
        if (p != satir) {
            for (int k = 0; k < m; ++k) std::swap(A[p][k], A[satir][k]);
            std::swap(b[p], b[satir]);
        }
        for (int r = satir + 1; r < m; ++r) {
            const double t = A[r][c] / A[satir][c];
            if (t == 0) continue;
            for (int k = c; k < m; ++k) A[r][k] -= t * A[satir][k];
            b[r] -= t * b[satir];
        }
        pivotKolonu[satir++] = c;
    }
    for (int r = satir; r < m; ++r)
        if (std::fabs(b[r]) > 1e-9 * olcek + 1e-300) return false;
    double u[4] = {0, 0, 0, 0};
    for (int r = satir - 1; r >= 0; --r) {
        const int c = pivotKolonu[r];
        double s = b[r];
        for (int k = c + 1; k < m; ++k) s -= A[r][k] * u[k];
        u[c] = s / A[r][c];
    }
    for (int i = 0; i < n; ++i) {
        double s = 0;
        for (int k = 0; k < m; ++k) s += K[i][R[k]] * u[k];
        f[i] += s;
    }
    for (int k = 0; k < m; ++k) f[R[k]] = 0;  // exactly zero at a release
    return true;
}

bool EgilmeSerbestlikleri(double L, double& Vi, double& Mi, double& Vj, double& Mj, bool SerbestVi,
                          bool SerbestMi, bool SerbestVj, bool SerbestMj) {
    // Displacements (v_i/L, th_i, v_j/L, th_j) against forces (V_i L, M_i,
    // V_j L, M_j): the stiffness of a prismatic bar over EI/L, free of L.
    static const double Kb[4][4] = {
        {12, 6, -12, 6}, {6, 4, -6, 2}, {-12, -6, 12, -6}, {6, 2, -6, 4}};
    double f[4] = {Vi * L, Mi, Vj * L, Mj};
    const bool s[4] = {SerbestVi, SerbestMi, SerbestVj, SerbestMj};
    if (f[0] == 0 && f[1] == 0 && f[2] == 0 && f[3] == 0) return true;
    if (!UcKuvvetleriniYogust(Kb, 4, f, s)) return false;
    Vi = f[0] / L;
    Mi = f[1];
    Vj = f[2] / L;
    Mj = f[3];
    return true;
}
