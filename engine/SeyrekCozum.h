#pragma once
// The force method for large structures. Above kYogunCozumSiniri unknowns the
// equilibrium matrix N is kept as a list of its non-zero entries instead of
// a dense square matrix, and the solution works on sparse matrices only:
//   - the base system: a sparse LU factorization of N transposed, with a
//     fill-reducing column order and partial pivoting over the unknowns,
//     P Nt Q = L U; its first m pivot rows are the unknowns of the
//     statically determinate base system, the other r are the redundants;
//   - Bx: for the redundant at pivot row m + j, the base unknowns
//     -L1^-T (row m + j of L), where L1 is the unit lower triangle of the
//     first m rows of L, and 1 at the redundant itself;
//   - S = Bx^T f Bx and its right-hand side -Bx^T (f X0 + d), with X0 the
//     forces of the base system under the loads and d the prescribed
//     support displacements;
//   - S factored by a sparse Cholesky factorization with a fill-reducing
//     order; X = X0 + Bx Xr;
//   - the displacements by the unit-load method, N_b^T u = (f X + d) over
//     the base unknowns, through the same LU factors.
// Nothing of size n x n or n x m is allocated. The progress lines and
// their order are those of the dense solution. The long calls of the
// libraries (the LU factorization, the analysis and factorization of S and
// the solution with it) run on a thread of their own while the window
// messages are pumped, so the stop button is served during each of them and
// after each phase; a stopped solution drops what they compute.
#include <cstdint>
#include <functional>

// Up to this many unknowns the dense solution runs, so that every matrix
// the matrix viewer shows is the one the solution works on.
constexpr int kYogunCozumSiniri = 1000;

// Which solution runs: chosen by the size, or forced (tests and the
// benchmark only; the program always chooses by the size).
enum class CozumYoluSecimi { Boyuta_Gore, Yogun, Seyrek };
extern CozumYoluSecimi CozumYolu;

// Whether the sparse solution runs for BilinmeyenSayisi unknowns with the
// matrix choice Secim (a chosen matrix always needs the dense solution).
bool SeyrekCozumSecilir(int BilinmeyenSayisi, int Secim);

// Called by the allocation of the engine arrays: starts (or ends) the
// sparse store of N for this run and empties it.
void SeyrekCozumuHazirla(bool Seyrek);
// Whether this run's N is kept sparse (NMatrisi is not allocated).
bool SeyrekCozumde();
// Releases everything the sparse solution keeps.
void SeyrekCozumuBirak();

// One entry of N, 1-based, as the assembly writes it: into NMatrisi when it
// is allocated, otherwise into the sparse store. A later write to the same
// place replaces the earlier one, as in the dense matrix.
void NMatrisiYaz(int Satir, int Sutun, double Deger);

// Every entry of this run's sparse N in the order the assembly wrote them (a
// later write to a place replaces an earlier one), for checks of the
// equations; nothing when N is dense.
void SeyrekNGirdileriniGez(const std::function<void(int Satir, int Sutun, double Deger)>& f);

// The sparse solution, in place of the dense steps of the solution driver.
void SeyrekKuvvetMetoduCoz();

// Sizes of the last sparse solution, for the benchmark and the tests:
// non-zero entries of N, of the LU factors, of Bx, of S (upper triangle
// with the diagonal) and of its Cholesky factor; whether S was summed in a
// dense triangle (few redundants, many products) and whether the factor
// was supernodal.
struct SeyrekCozumOlcusu {
    std::int64_t N = 0, LU = 0, Bx = 0, S = 0, Carpan = 0;
    bool YogunS = false, Superdugum = false;
};
extern SeyrekCozumOlcusu SonSeyrekCozumOlcusu;

// The factorization of S: chosen by the library, or forced to the
// simplicial or the supernodal method (benchmark only).
enum class CholeskyYontemi { Kendiliginden, Basit, Superdugum };
extern CholeskyYontemi SeyrekCholeskyYontemi;
