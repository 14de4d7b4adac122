#pragma once
// The check of a solved force method against the equations its forces must
// satisfy, and their improvement where they miss them. A base system that is
// nearly a mechanism (a pivot just above the tolerance) makes the
// compatibility equations lose digits, and the forces then satisfy neither
// equilibrium nor compatibility to round-off. The residuals are
//   - of equilibrium: P - N X;
//   - of compatibility at every redundant c: (f X + d)_c - (N^T u)_c, where
//     u solves N_b^T u = (f X + d) over the base unknowns (the displacements
//     by the unit-load method).
// Both are solved, as loads and as imposed deformations, with the factors
// the solution made; the correction they call for, over the largest load or
// product N_ij X_j, is round-off up to 1e-9. Beyond it the correction is
// added, again and again while it shrinks; where that does not reach
// round-off the result is marked and the memo and the report say so in one
// line. The dense and the sparse solution use it, each with its own solves.
#include <cstddef>
#include <functional>
#include <vector>

// The line of the memo and the report for a result that stays inaccurate.
inline constexpr char kMekanizmayaYakinUyarisi[] =
    "UYARI: Seçilen izostatik esas sistem mekanizmaya çok yakın; sonuçlar hassas değil.";

// The equilibrium equations as assembled, row by row (1-based), and the load
// vector; kept for the check after the solution.
struct DengeSatirlari {
    std::vector<std::size_t> Bas{0, 0};  // row i: entries Bas[i] .. Bas[i + 1] - 1
    std::vector<int> Sutun;
    std::vector<double> Deger;
    std::vector<double> Yuk;  // 0..m
    // An entry of the row being written; SatirBitir ends that row.
    void Ekle(int s, double d) {
        Sutun.push_back(s);
        Deger.push_back(d);
    }
    void SatirBitir() { Bas.push_back(Sutun.size()); }
};

// The solves a solution offers for the check.
struct IyilestirmeAraclari {
    // The redundant columns (1..n), in the order of the compatibility
    // equations; vectors over the redundants follow it from index 0, vectors
    // over unknowns and equations are 1-based.
    std::vector<int> FazlaKolonlar;
    // u (1..m) with N_b^T u = v over the base unknowns, for v (1..n).
    std::function<void(const std::vector<double>& v, std::vector<double>& u)> TabanDevrikCoz;
    // d (1..n) with N d = a (1..m) and Bx^T f d = b (in the order of FazlaKolonlar).
    std::function<void(const std::vector<double>& a, const std::vector<double>& b, std::vector<double>& d)> Duzelt;
};

// Element deformations plus the prescribed support displacements,
// v = f X + d (0..n), for the unknowns X (1..n).
void SekilDegistirmeleri(const double* X, std::vector<double>& v);

// Checks the unknowns X (1..n) and improves them in place; when they still
// miss the equations beyond round-off, TemelSistemMekanizmayaYakin is set and
// the memo gets kMekanizmayaYakinUyarisi.
void CozumuDenetleVeIyilestir(const DengeSatirlari& N, const IyilestirmeAraclari& Araclar, double* X);
