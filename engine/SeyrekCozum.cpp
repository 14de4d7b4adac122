#include "engine/SeyrekCozum.h"

#include <suitesparse/cholmod.h>
#include <suitesparse/umfpack.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <new>
#include <numeric>
#include <system_error>
#include <thread>
#include <string>
#include <vector>

#include "engine/ArkaPlanCagrisi.h"
#include "engine/CozumIyilestirme.h"
#include "engine/GaussEleme.h"
#include "engine/MotorYardim.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "platform/KullaniciArayuzu.h"

CozumYoluSecimi CozumYolu = CozumYoluSecimi::Boyuta_Gore;
CholeskyYontemi SeyrekCholeskyYontemi = CholeskyYontemi::Kendiliginden;
SeyrekCozumOlcusu SonSeyrekCozumOlcusu;

namespace {

// The entries of N as the assembly wrote them (1-based), in writing order.
struct SeyrekN {
    bool Etkin = false;
    std::vector<int> Satir, Sutun;
    std::vector<double> Deger;
};
SeyrekN Depo;

// The columns of Bx, f Bx and S are worked out in waves of this many: the
// window messages are pumped before every wave, so that the stop button is
// served often without the pumping costing time.
constexpr int kDalga = 1024;

// Runs Is(first, end, piece) over the items [Bas, Son) split into `Parca`
// consecutive pieces, piece 0 on the calling thread and each other one on a
// thread of its own (or on the calling thread when no thread can be had).
// Every item is worked out alone, so the results do not depend on the split.
template <typename Is>
void Parcala(int Bas, int Son, int Parca, Is is) {
    const int adet = Son - Bas;
    auto sinir = [&](int k) { return Bas + static_cast<int>(static_cast<long long>(adet) * k / Parca); };
    std::vector<std::thread> iscler;
    std::vector<char> bellekYetmedi(static_cast<std::size_t>(Parca), 0);
    auto calis = [&](int k) {
        try {
            is(sinir(k), sinir(k + 1), k);
        } catch (const std::bad_alloc&) {
            bellekYetmedi[k] = 1;
        }
    };
    for (int k = 1; k < Parca; ++k) {
        try {
            iscler.emplace_back(calis, k);
        } catch (const std::system_error&) {
            calis(k);
        }
    }
    calis(0);
    for (auto& t : iscler) t.join();
    for (char b : bellekYetmedi)
        if (b) throw std::bad_alloc();
}

// Worker count of the column phases: the program's own, at most 8. A
// worker costs more to start than a small phase takes, and on a busy
// machine threads wait for processors: the phases of a structure with
// fewer than 4096 redundants run on the calling thread alone.
int ParcaSayisi() {
    if (BilinmeyenSayisi - DenklemSayisi < 4096) return 1;
    return std::clamp(static_cast<int>(IsParcacigiSayisi), 1, 8);
}

// The timing of one step and its progress line, as the dense steps write them.
class Adim {
public:
    explicit Adim(const char* satir) : frekans_(MotorSayacFrekansi()), bas_(MotorSayaci()) {
        Arayuz().MemoEkle(satir);
    }
    void Bitir(const char* metin) {
        Arayuz().MemoSonSatiriDegistir(metin + GecenSaniyeMetni(bas_, MotorSayaci(), frekans_) + " saniye");
    }

private:
    std::int64_t frekans_, bas_;
};

// The sparse factorizations call the BLAS only on small dense blocks, and
// the supernodal Cholesky factorization runs some of its loops on four
// OpenMP threads. Threads of the BLAS or of OpenMP wait for each other by
// spinning: on a space frame of 13200 redundants the Cholesky factor took
// 6 s with the BLAS's own threads and 0.25 s with one, and on a machine
// busy with other work the OpenMP threads turned 0.25 s into a minute. Both
// libraries are therefore told, where they can be, to work on this thread
// alone (an OpenMP program with no active parallel level runs its parallel
// loops on one thread); the results then also do not depend on the
// processor count.
void KutuphaneIsParcaciklariniAyarla() {
    using Ayarla = void (*)(int);
    static const Ayarla blas = reinterpret_cast<Ayarla>(dlsym(RTLD_DEFAULT, "openblas_set_num_threads"));
    static const Ayarla seviye = reinterpret_cast<Ayarla>(dlsym(RTLD_DEFAULT, "omp_set_max_active_levels"));
    if (blas) blas(1);
    if (seviye) seviye(0);
}

// A long call of the libraries, on a thread of its own while the window
// messages are pumped (see ArkaPlandaCalistir). OpenMP keeps its
// parallel-level setting per thread: each such thread is told afresh to
// keep the libraries' work on itself, or every call starts and ends a team
// of spinning threads (a third more time for a space frame of 7 x 7 x 7
// bays).
bool KutuphaneCagrisi(std::function<void()> cagri) {
    return ArkaPlandaCalistir([cagri = std::move(cagri)] {
        KutuphaneIsParcaciklariniAyarla();
        cagri();
    });
}

// Pumps the window messages; true when the run was stopped.
bool Durduruldu() {
    Arayuz().MesajlariIsle();
    return Hata != 0;
}

// The LU factors of N transposed (n rows, m columns): P Nt Q = L U.
// L by rows (n rows, m columns, unit diagonal in the first m rows stored
// apart), U by columns (m x m, diagonal apart).
struct LUCarpanlari {
    int n = 0, m = 0;
    std::vector<int> Lp, Lj;
    std::vector<double> Lx;
    std::vector<int> Up, Ui;
    std::vector<double> Ux, Ud;
    std::vector<int> P, Q;
};

// Sparse matrix by columns (0-based).
struct SutunMatrisi {
    int Satirlar = 0, Sutunlar = 0;
    std::vector<int> p, i;
    std::vector<double> x;
};

// The sparse store of N as N transposed by columns: column e (an equation)
// holds the unknowns of its row; a later write to the same place wins.
SutunMatrisi NDevrigi(int n, int m) {
    const std::size_t adet = Depo.Deger.size();
    std::vector<std::size_t> sira(adet);
    std::iota(sira.begin(), sira.end(), std::size_t{0});
    std::stable_sort(sira.begin(), sira.end(), [](std::size_t a, std::size_t b) {
        if (Depo.Satir[a] != Depo.Satir[b]) return Depo.Satir[a] < Depo.Satir[b];
        return Depo.Sutun[a] < Depo.Sutun[b];
    });
    SutunMatrisi A;
    A.Satirlar = n;
    A.Sutunlar = m;
    A.p.assign(static_cast<std::size_t>(m) + 1, 0);
    for (std::size_t k = 0; k < adet; ++k) {
        const std::size_t z = sira[k];
        if (k + 1 < adet && Depo.Satir[sira[k + 1]] == Depo.Satir[z] && Depo.Sutun[sira[k + 1]] == Depo.Sutun[z])
            continue;  // a later write to the same place follows
        if (Depo.Deger[z] == 0) continue;
        const int e = Depo.Satir[z] - 1;
        A.i.push_back(Depo.Sutun[z] - 1);
        A.x.push_back(Depo.Deger[z]);
        A.p[static_cast<std::size_t>(e) + 1] += 1;
    }
    for (int e = 0; e < m; ++e) A.p[e + 1] += A.p[e];
    return A;
}

// The LU factorization of N transposed as one call of the library, with
// everything it reads and writes; it runs away from the user-interface
// thread and touches nothing else.
struct LUCagrisi {
    SutunMatrisi A;
    LUCarpanlari lu;
    enum { Tamam, Tekil, BellekYok } Durum = Tamam;

    void operator()() {
        const int n = A.Satirlar, m = A.Sutunlar;
        double kontrol[UMFPACK_CONTROL], bilgi[UMFPACK_INFO];
        umfpack_di_defaults(kontrol);
        // No row scaling: the pivots are compared with the tolerance of the
        // dense elimination, in the units of the element matrices.
        kontrol[UMFPACK_SCALE] = UMFPACK_SCALE_NONE;
        kontrol[UMFPACK_PRL] = 0;
        kontrol[UMFPACK_PIVOT_TOLERANCE] = 0.1;
        kontrol[UMFPACK_ORDERING] = UMFPACK_ORDERING_METIS;
        void* sembolik = nullptr;
        void* sayisal = nullptr;
        int durum = umfpack_di_symbolic(n, m, A.p.data(), A.i.data(), A.x.data(), &sembolik, kontrol, bilgi);
        if (durum == UMFPACK_OK)
            durum = umfpack_di_numeric(A.p.data(), A.i.data(), A.x.data(), sembolik, &sayisal, kontrol, bilgi);
        if (sembolik) umfpack_di_free_symbolic(&sembolik);
        A = SutunMatrisi{};
        if (durum != UMFPACK_OK && durum != UMFPACK_WARNING_singular_matrix) {
            if (sayisal) umfpack_di_free_numeric(&sayisal);
            Durum = durum == UMFPACK_ERROR_out_of_memory ? BellekYok : Tekil;
            return;
        }
        int lnz = 0, unz = 0, satir = 0, sutun = 0, kosegen = 0;
        umfpack_di_get_lunz(&lnz, &unz, &satir, &sutun, &kosegen, sayisal);
        lu.n = n;
        lu.m = m;
        std::vector<int> Lp(static_cast<std::size_t>(n) + 1), Lj(static_cast<std::size_t>(lnz));
        std::vector<double> Lx(static_cast<std::size_t>(lnz));
        lu.Up.assign(static_cast<std::size_t>(m) + 1, 0);
        lu.Ui.assign(static_cast<std::size_t>(unz), 0);
        lu.Ux.assign(static_cast<std::size_t>(unz), 0);
        lu.Ud.assign(static_cast<std::size_t>(m), 0);
        lu.P.assign(static_cast<std::size_t>(n), 0);
        lu.Q.assign(static_cast<std::size_t>(m), 0);
        int ters = 0;
        durum = umfpack_di_get_numeric(Lp.data(), Lj.data(), Lx.data(), lu.Up.data(), lu.Ui.data(), lu.Ux.data(),
                                       lu.P.data(), lu.Q.data(), lu.Ud.data(), &ters, nullptr, sayisal);
        umfpack_di_free_numeric(&sayisal);
        if (durum != UMFPACK_OK) {
            Durum = BellekYok;
            return;
        }
        // L without its unit diagonal; U without its diagonal.
        lu.Lp.assign(static_cast<std::size_t>(n) + 1, 0);
        for (int s = 0; s < n; ++s) {
            for (int z = Lp[s]; z < Lp[s + 1]; ++z)
                if (Lj[z] != s && Lx[z] != 0) {
                    lu.Lj.push_back(Lj[z]);
                    lu.Lx.push_back(Lx[z]);
                }
            lu.Lp[s + 1] = static_cast<int>(lu.Lj.size());
        }
        std::vector<int> Up(static_cast<std::size_t>(m) + 1, 0);
        std::size_t y = 0;
        for (int l = 0; l < m; ++l) {
            for (int z = lu.Up[l]; z < lu.Up[l + 1]; ++z)
                if (lu.Ui[z] != l && lu.Ux[z] != 0) {
                    lu.Ui[y] = lu.Ui[z];
                    lu.Ux[y] = lu.Ux[z];
                    ++y;
                }
            Up[l + 1] = static_cast<int>(y);
        }
        lu.Up.swap(Up);
        lu.Ui.resize(y);
        lu.Ux.resize(y);
    }
};

// The LU factorization of N transposed, worked out while the window
// messages are pumped; false when the run was stopped meanwhile, or (with
// Hata and the message of dependent equilibrium equations, or of the
// memory) when N has no base system.
bool TabanSisteminiSec(SutunMatrisi A, LUCarpanlari& lu) {
    auto cagri = std::make_shared<LUCagrisi>();
    cagri->A = std::move(A);
    if (!KutuphaneCagrisi([cagri] { (*cagri)(); })) return false;
    if (cagri->Durum == LUCagrisi::BellekYok) throw std::bad_alloc();
    // Every unknown's column of N needs a pivot of at least the tolerance of
    // the dense elimination; a smaller one means dependent equations.
    const double t = 1e-6 * EnBuyukMutlakDeger;
    bool bagimsiz = cagri->Durum == LUCagrisi::Tamam;
    for (int k = 0; bagimsiz && k < cagri->lu.m; ++k)
        if (!(std::fabs(cagri->lu.Ud[k]) >= t)) bagimsiz = false;
    if (!bagimsiz) {
        MesajKutusu(kDogrusalBagimliDenge, "HATA:", "TamamHata1");
        Hata = 1;
        return false;
    }
    lu = std::move(cagri->lu);
    return true;
}

// x := L1^-T x (L1 the unit lower triangle of the first m rows of L), x dense.
void L1DevrikCoz(const LUCarpanlari& lu, std::vector<double>& x) {
    for (int k = lu.m - 1; k >= 0; --k) {
        const double xk = x[k];
        if (xk == 0) continue;
        for (int z = lu.Lp[k]; z < lu.Lp[k + 1]; ++z) x[lu.Lj[z]] -= lu.Lx[z] * xk;
    }
}

// x := L1^-1 x.
void L1Coz(const LUCarpanlari& lu, std::vector<double>& x) {
    for (int k = 0; k < lu.m; ++k) {
        double s = x[k];
        for (int z = lu.Lp[k]; z < lu.Lp[k + 1]; ++z) s -= lu.Lx[z] * x[lu.Lj[z]];
        x[k] = s;
    }
}

// x := U^-1 x.
void UCoz(const LUCarpanlari& lu, std::vector<double>& x) {
    for (int l = lu.m - 1; l >= 0; --l) {
        const double xl = x[l] / lu.Ud[l];
        x[l] = xl;
        if (xl == 0) continue;
        for (int z = lu.Up[l]; z < lu.Up[l + 1]; ++z) x[lu.Ui[z]] -= lu.Ux[z] * xl;
    }
}

// x := U^-T x.
void UDevrikCoz(const LUCarpanlari& lu, std::vector<double>& x) {
    for (int l = 0; l < lu.m; ++l) {
        double s = x[l];
        for (int z = lu.Up[l]; z < lu.Up[l + 1]; ++z) s -= lu.Ux[z] * x[lu.Ui[z]];
        x[l] = s / lu.Ud[l];
    }
}

// The forces of the base system (0-based, 0 at the redundants) for the
// right-hand side yuk of the equations (1-based): U^T y = yuk (equations in
// the order Q), L1^T x = y.
void TabanKuvvetleri(const LUCarpanlari& lu, const double* yuk, std::vector<double>& X) {
    std::vector<double> y(static_cast<std::size_t>(lu.m));
    for (int l = 0; l < lu.m; ++l) y[l] = yuk[lu.Q[l] + 1];
    UDevrikCoz(lu, y);
    L1DevrikCoz(lu, y);
    X.assign(static_cast<std::size_t>(lu.n), 0.0);
    for (int k = 0; k < lu.m; ++k) X[lu.P[k]] = y[k];
}

// u (1..m) with N_b^T u = v (1..n) over the base unknowns, the unit-load
// method through the LU factors: L1 U u~ = v~, u[Q[l]] = u~[l].
void TabanYerDegistirmeleri(const LUCarpanlari& lu, const std::vector<double>& v, std::vector<double>& u) {
    std::vector<double> w(static_cast<std::size_t>(lu.m));
    for (int k = 0; k < lu.m; ++k) w[k] = v[lu.P[k] + 1];
    L1Coz(lu, w);
    UCoz(lu, w);
    u.assign(static_cast<std::size_t>(lu.m) + 1, 0.0);
    for (int l = 0; l < lu.m; ++l) u[lu.Q[l] + 1] = w[l];
}

// Sparse matrix columns appended piece by piece: column c of piece k.
struct SutunParcasi {
    std::vector<int> Uzunluk, i;
    std::vector<double> x;
};

// Joins the pieces, in order, into A's columns.
void ParcalariBirlestir(std::vector<SutunParcasi>& parcalar, SutunMatrisi& A) {
    for (auto& p : parcalar) {
        for (int u : p.Uzunluk) A.p.push_back(A.p.back() + u);
        A.i.insert(A.i.end(), p.i.begin(), p.i.end());
        A.x.insert(A.x.end(), p.x.begin(), p.x.end());
        p = SutunParcasi{};
    }
}

// Works out columns [0, Adet) of A wave by wave, each wave's columns in
// pieces on the workers; Sutun(j, k, parca) appends column j to piece k.
// False when the run was stopped.
template <typename Sutun>
bool SutunlariKur(int Adet, SutunMatrisi& A, Sutun sutun) {
    A.Sutunlar = Adet;
    A.p.assign(1, 0);
    A.i.clear();
    A.x.clear();
    const int parca = ParcaSayisi();
    for (int bas = 0; bas < Adet; bas += kDalga) {
        if (Durduruldu()) return false;
        const int son = std::min(Adet, bas + kDalga);
        std::vector<SutunParcasi> parcalar(static_cast<std::size_t>(parca));
        Parcala(bas, son, parca, [&](int b, int e, int k) {
            for (int j = b; j < e; ++j) {
                const std::size_t once = parcalar[k].i.size();
                sutun(j, k, parcalar[k]);
                parcalar[k].Uzunluk.push_back(static_cast<int>(parcalar[k].i.size() - once));
            }
        });
        ParcalariBirlestir(parcalar, A);
    }
    return true;
}

// Bx by columns (n rows: the unknowns; r columns: the redundants, in the
// order of their pivot rows). Column j: -L1^-T (row m + j of L) over the
// base unknowns, 1 at the redundant. The triangular solve with a sparse
// right-hand side visits only the positions it reaches: a depth-first walk
// from the right-hand side's positions along the rows of L gives them in
// an order in which every position comes before those it updates.
// Returns false when stopped.
bool BxKur(const LUCarpanlari& lu, SutunMatrisi& Bx) {
    const int n = lu.n, m = lu.m, r = n - m;
    Bx.Satirlar = n;
    // Work arrays of each piece: the dense solution, the walk's marks (the
    // column's number plus one), its stack and the order it found.
    struct Calisma {
        std::vector<double> x;
        std::vector<int> isaret, konum, yigin, sira;
        std::vector<std::pair<int, double>> sutun;
    };
    std::vector<Calisma> calisma(static_cast<std::size_t>(ParcaSayisi()));
    return SutunlariKur(r, Bx, [&](int j, int k, SutunParcasi& cikti) {
        Calisma& c = calisma[k];
        if (c.x.empty()) {
            c.x.assign(static_cast<std::size_t>(m), 0.0);
            c.isaret.assign(static_cast<std::size_t>(m), 0);
            c.konum.assign(static_cast<std::size_t>(m), 0);
        }
        const int s = m + j, damga = j + 1;
        c.sira.clear();
        for (int z = lu.Lp[s]; z < lu.Lp[s + 1]; ++z) {
            const int b = lu.Lj[z];
            c.x[b] = -lu.Lx[z];
            if (c.isaret[b] == damga) continue;
            c.isaret[b] = damga;
            c.konum[b] = lu.Lp[b];
            c.yigin.push_back(b);
            while (!c.yigin.empty()) {
                const int q = c.yigin.back();
                if (c.konum[q] < lu.Lp[q + 1]) {
                    const int l = lu.Lj[c.konum[q]++];
                    if (c.isaret[l] != damga) {
                        c.isaret[l] = damga;
                        c.konum[l] = lu.Lp[l];
                        c.yigin.push_back(l);
                    }
                } else {
                    c.yigin.pop_back();
                    c.sira.push_back(q);
                }
            }
        }
        c.sutun.clear();
        for (auto it = c.sira.rbegin(); it != c.sira.rend(); ++it) {
            const int q = *it;
            const double xq = c.x[q];
            c.x[q] = 0;
            if (xq == 0) continue;
            c.sutun.emplace_back(lu.P[q], xq);
            for (int z = lu.Lp[q]; z < lu.Lp[q + 1]; ++z) c.x[lu.Lj[z]] -= lu.Lx[z] * xq;
        }
        c.sutun.emplace_back(lu.P[s], 1.0);
        // the rows are distinct: by row alone
        std::sort(c.sutun.begin(), c.sutun.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [i, v] : c.sutun) {
            cikti.i.push_back(i);
            cikti.x.push_back(v);
        }
    });
}

// Column j of Bx times v (0-based).
double BxDevrikCarp(const SutunMatrisi& Bx, int j, const std::vector<double>& v) {
    double s = 0;
    for (int z = Bx.p[j]; z < Bx.p[j + 1]; ++z) s += Bx.x[z] * v[Bx.i[z]];
    return s;
}

// X += Bx a (0-based).
void FazlalariEkle(const SutunMatrisi& Bx, const double* a, std::vector<double>& X) {
    for (int j = 0; j < Bx.Sutunlar; ++j) {
        if (a[j] == 0) continue;
        for (int z = Bx.p[j]; z < Bx.p[j + 1]; ++z) X[Bx.i[z]] += Bx.x[z] * a[j];
    }
}

// The element block of every unknown: its first unknown and force count
// (0-based first; count 0 for support reactions).
struct Bloklar {
    std::vector<int> Ilk, Sayi;
};

Bloklar BloklariKur(int n) {
    Bloklar b;
    b.Ilk.assign(static_cast<std::size_t>(n), 0);
    b.Sayi.assign(static_cast<std::size_t>(n), 0);
    for (int e = 1; e <= ElemanSayisi; ++e) {
        const int k = ElemanBilinmeyenTablosu[0][e], F = ElemanBilinmeyenTablosu[1][e] - 1;
        for (int a = 0; a < k && F + a < n; ++a) {
            b.Ilk[F + a] = F;
            b.Sayi[F + a] = k;
        }
    }
    return b;
}

// f times the dense vector x (the flexibility blocks of the elements; 0 at
// the support reactions), 0-based.
void EsneklikCarp(const Bloklar& b, const std::vector<double>& x, std::vector<double>& y) {
    const int n = static_cast<int>(x.size());
    y.assign(x.size(), 0.0);
    for (int i = 0; i < n; ++i) {
        const int k = b.Sayi[i];
        if (k == 0) continue;
        const int F = b.Ilk[i];
        const double* fs = EsneklikMatrisi[i + 1];
        double s = 0;
        for (int a = 0; a < k; ++a) s += fs[a + 1] * x[F + a];
        y[i] = s;
    }
}

// W = f Bx by columns: for every element block that column j touches, the
// whole block of f times the column's entries in it.
bool EsneklikCarpBx(const Bloklar& b, const SutunMatrisi& Bx, SutunMatrisi& W) {
    W.Satirlar = Bx.Satirlar;
    return SutunlariKur(Bx.Sutunlar, W, [&](int j, int, SutunParcasi& cikti) {
        int z = Bx.p[j];
        const int son = Bx.p[j + 1];
        while (z < son) {
            const int i = Bx.i[z];
            const int k = b.Sayi[i];
            if (k == 0) {
                ++z;
                continue;
            }
            const int F = b.Ilk[i];
            double v[9] = {};
            while (z < son && Bx.i[z] < F + k) {
                v[Bx.i[z] - F] = Bx.x[z];
                ++z;
            }
            // The flexibility block is symmetric: row a of f times v.
            for (int a = 0; a < k; ++a) {
                const double* fs = EsneklikMatrisi[F + a + 1];
                double t = 0;
                for (int c = 0; c < k; ++c) t += fs[c + 1] * v[c];
                if (t != 0) {
                    cikti.i.push_back(F + a);
                    cikti.x.push_back(t);
                }
            }
        }
    });
}

// The rows of A (its transpose by columns), each in ascending column order.
SutunMatrisi Devrik(const SutunMatrisi& A) {
    SutunMatrisi T;
    T.Satirlar = A.Sutunlar;
    T.Sutunlar = A.Satirlar;
    T.p.assign(static_cast<std::size_t>(A.Satirlar) + 1, 0);
    for (int i : A.i) T.p[static_cast<std::size_t>(i) + 1] += 1;
    for (int i = 0; i < A.Satirlar; ++i) T.p[i + 1] += T.p[i];
    T.i.resize(A.i.size());
    T.x.resize(A.x.size());
    std::vector<int> yer(T.p.begin(), T.p.end() - 1);
    for (int j = 0; j < A.Sutunlar; ++j)
        for (int z = A.p[j]; z < A.p[j + 1]; ++z) {
            const int y = yer[A.i[z]]++;
            T.i[y] = j;
            T.x[y] = A.x[z];
        }
    return T;
}

// Up to this many redundants S may be summed in a dense upper triangle (at
// most 4.7 MB with its marks): when the triangle has fewer places than an
// eighth of the products to sum (each place is zeroed, marked, scanned and
// faulted in with its page once; each product costs the column-wise sum
// its mark test and its bookkeeping).
constexpr int kYogunSEnFazla = 1024;

// The same S for few redundants: every row i of Bx and W adds Bx(i, l)
// W(i, j) to its place in a dense upper triangle (packed by columns), rows
// in increasing order, so that each sum takes its terms in the order the
// column-wise sum takes them (the rows of a column of W increase) and the
// two give the same bits; the places reached make the pattern.
bool SKurYogun(const SutunMatrisi& BxSatir, const SutunMatrisi& W, SutunMatrisi& S) {
    if (Durduruldu()) return false;
    const int r = BxSatir.Satirlar;
    const SutunMatrisi WSatir = Devrik(W);
    auto taban = [](int j) { return static_cast<std::size_t>(j) * static_cast<std::size_t>(j + 1) / 2; };
    std::vector<double> toplam(taban(r), 0.0);
    std::vector<char> var(taban(r), 0);
    for (int i = 0; i < BxSatir.Sutunlar; ++i) {
        const int b0 = BxSatir.p[i], b1 = BxSatir.p[i + 1];
        if (b0 == b1) continue;
        for (int y = WSatir.p[i]; y < WSatir.p[i + 1]; ++y) {
            const int j = WSatir.i[y];
            const double w = WSatir.x[y];
            double* t = toplam.data() + taban(j);
            char* v = var.data() + taban(j);
            for (int z = b0; z < b1; ++z) {
                const int l = BxSatir.i[z];
                if (l > j) break;
                t[l] += BxSatir.x[z] * w;
                v[l] = 1;
            }
        }
    }
    S.Satirlar = r;
    S.Sutunlar = r;
    S.p.assign(1, 0);
    S.i.clear();
    S.x.clear();
    for (int j = 0; j < r; ++j) {
        const std::size_t t = taban(j);
        for (int l = 0; l <= j; ++l)
            if (var[t + static_cast<std::size_t>(l)]) {
                S.i.push_back(l);
                S.x.push_back(toplam[t + static_cast<std::size_t>(l)]);
            }
        S.p.push_back(static_cast<int>(S.i.size()));
    }
    return true;
}

// The upper triangle of S = Bx^T W by columns: column j holds, for l <= j,
// the sum over the rows i of column j of W of Bx(i, l) W(i, j), each sum in
// the order of the rows of W; rows of a column in the order first reached.
bool SKur(const SutunMatrisi& Bx, const SutunMatrisi& W, SutunMatrisi& S) {
    const SutunMatrisi BxSatir = Devrik(Bx);
    if (const int r = Bx.Sutunlar; r <= kYogunSEnFazla) {
        // the products: about half of (entries of row i of Bx) x (of W) per row
        std::vector<int> wSatirSayisi(static_cast<std::size_t>(W.Satirlar), 0);
        for (int i : W.i) ++wSatirSayisi[static_cast<std::size_t>(i)];
        double carpim = 0;
        for (int i = 0; i < BxSatir.Sutunlar; ++i)
            carpim += 0.5 * (BxSatir.p[i + 1] - BxSatir.p[i]) * wSatirSayisi[static_cast<std::size_t>(i)];
        if (8.0 * (0.5 * r * (r + 1.0)) <= carpim) {
            SonSeyrekCozumOlcusu.YogunS = true;
            return SKurYogun(BxSatir, W, S);
        }
    }
    S.Satirlar = Bx.Sutunlar;
    struct Calisma {
        std::vector<double> toplam;
        std::vector<int> isaret, satirlar;
    };
    std::vector<Calisma> calisma(static_cast<std::size_t>(ParcaSayisi()));
    return SutunlariKur(W.Sutunlar, S, [&](int j, int k, SutunParcasi& cikti) {
        Calisma& c = calisma[k];
        if (c.toplam.empty()) {
            c.toplam.assign(static_cast<std::size_t>(Bx.Sutunlar), 0.0);
            c.isaret.assign(static_cast<std::size_t>(Bx.Sutunlar), -1);
        }
        c.satirlar.clear();
        for (int z = W.p[j]; z < W.p[j + 1]; ++z) {
            const int i = W.i[z];
            const double w = W.x[z];
            for (int y = BxSatir.p[i]; y < BxSatir.p[i + 1]; ++y) {
                const int l = BxSatir.i[y];
                if (l > j) break;
                if (c.isaret[l] != j) {
                    c.isaret[l] = j;
                    c.toplam[l] = 0;
                    c.satirlar.push_back(l);
                }
                c.toplam[l] += BxSatir.x[y] * w;
            }
        }
        std::sort(c.satirlar.begin(), c.satirlar.end());
        for (int l : c.satirlar) {
            cikti.i.push_back(l);
            cikti.x.push_back(c.toplam[l]);
        }
    });
}

// A cholmod view of a column matrix (the arrays stay owned by it).
cholmod_sparse Gorunum(SutunMatrisi& A) {
    cholmod_sparse c{};
    c.nrow = static_cast<std::size_t>(A.Satirlar);
    c.ncol = static_cast<std::size_t>(A.Sutunlar);
    c.nzmax = A.x.size();
    c.p = A.p.data();
    c.i = A.i.data();
    c.x = A.x.data();
    c.stype = 0;
    c.itype = CHOLMOD_INT;
    c.xtype = CHOLMOD_REAL;
    c.dtype = CHOLMOD_DOUBLE;
    c.sorted = 1;
    c.packed = 1;
    return c;
}

// The library's workspace, ended on every way out.
struct Cholmod {
    cholmod_common c;
    Cholmod() {
        cholmod_start(&c);
        c.print = 0;  // a matrix that is not positive definite gets the program's own message
    }
    ~Cholmod() { cholmod_finish(&c); }
    void Denetle() {
        if (c.status == CHOLMOD_OUT_OF_MEMORY || c.status == CHOLMOD_TOO_LARGE) throw std::bad_alloc();
    }
};

// S, its factor and the vectors of the solution with it: everything the
// library works on. Its calls run away from the user-interface thread; a
// call that a stop leaves running frees all of it when it ends.
struct CholeskyCagrisi {
    Cholmod ch;
    SutunMatrisi Sm;
    cholmod_sparse Sg{};
    cholmod_factor* f = nullptr;
    cholmod_dense* b = nullptr;
    cholmod_dense* x = nullptr;
    ~CholeskyCagrisi() {
        if (x) cholmod_free_dense(&x, &ch.c);
        if (b) cholmod_free_dense(&b, &ch.c);
        if (f) cholmod_free_factor(&f, &ch.c);
    }
};

// The smallest pivot of the factor: D of LDL^T, or the squared diagonal of LL^T.
double EnKucukPivot(const cholmod_factor* L) {
    double enKucuk = HUGE_VAL;
    const double* x = static_cast<const double*>(L->x);
    if (L->is_super) {
        const int* sp = static_cast<const int*>(L->super);
        const int* pi = static_cast<const int*>(L->pi);
        const int* px = static_cast<const int*>(L->px);
        for (std::size_t s = 0; s < L->nsuper; ++s) {
            const int k1 = sp[s], k2 = sp[s + 1], nr = pi[s + 1] - pi[s];
            for (int k = k1; k < k2; ++k) {
                const double d = x[px[s] + (k - k1) * nr + (k - k1)];
                enKucuk = std::min(enKucuk, d * d);
            }
        }
    } else {
        const int* p = static_cast<const int*>(L->p);
        for (std::size_t k = 0; k < L->n; ++k) {
            const double d = x[p[k]];
            enKucuk = std::min(enKucuk, L->is_ll ? d * d : d);
        }
    }
    return enKucuk;
}

void Coz() {
    auto& arayuz = Arayuz();
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    const int r = n - m;
    HiperstatiklikDerecesi = r;
    SonSeyrekCozumOlcusu = {};
    KutuphaneIsParcaciklariniAyarla();
    const bool yerDegistirmeli = arayuz.YerDegistirmeliHesap();

    // The base system.
    LUCarpanlari lu;
    DengeSatirlari denge;
    {
        Adim adim(r > 0 ? "GAUSS - izostatik esas sistem seçiliyor" : "GAUSS - denge denklemleri çözülüyor");
        if (Durduruldu()) return;
        SutunMatrisi A = NDevrigi(n, m);
        SonSeyrekCozumOlcusu.N = static_cast<std::int64_t>(A.x.size());
        // N by rows, for the check of the solution: column e of N transposed is row e + 1.
        denge.Yuk.assign(YukVektoru.data(), YukVektoru.data() + m + 1);
        for (int e = 0; e < m; ++e) {
            for (int z = A.p[e]; z < A.p[e + 1]; ++z) denge.Ekle(A.i[z] + 1, A.x[z]);
            denge.SatirBitir();
        }
        Depo.Satir = {};
        Depo.Sutun = {};
        Depo.Deger = {};
        if (!TabanSisteminiSec(std::move(A), lu)) return;
        SonSeyrekCozumOlcusu.LU = static_cast<std::int64_t>(lu.Lx.size() + lu.Ux.size()) + 2 * m;
        HiperstatikKolonlar.Bosalt();
        HiperstatikKolonlar.SetLength(static_cast<std::size_t>(r) + 1);
        std::vector<int> kolonlar(lu.P.begin() + m, lu.P.end());
        std::sort(kolonlar.begin(), kolonlar.end());
        for (int j = 0; j < r; ++j) HiperstatikKolonlar[j + 1] = kolonlar[j] + 1;
        adim.Bitir(r > 0 ? "GAUSS - izostatik esas sistem seçildi: " : "GAUSS - denge denklemleri çözülüdü: ");
    }
    if (Durduruldu()) return;

    // B0 is not formed: the forces of the base system under the loads and
    // the unit loads of the displacements come from the LU factors.
    arayuz.IlerlemeKonumu(9);
    const Bloklar bloklar = BloklariKur(n);
    std::vector<double> X(static_cast<std::size_t>(n), 0.0);
    {
        if (yerDegistirmeli) {
            BellekEtiketiniYenile();
            Adim adim("B0 hesaplanıyor");
            adim.Bitir("B0 hesaplandı: ");
        }
        TabanKuvvetleri(lu, YukVektoru.data(), X);
    }
    if (Durduruldu()) return;

    arayuz.IlerlemeKonumu(10);
    SutunMatrisi Bx;
    if (r > 0) {
        Adim adim("Bx hesaplanıyor");
        if (Durduruldu()) return;
        if (!BxKur(lu, Bx)) return;
        SonSeyrekCozumOlcusu.Bx = static_cast<std::int64_t>(Bx.x.size());
        adim.Bitir("Bx hesaplanıdı: ");
    }

    arayuz.IlerlemeKonumu(11);
    // v0 = f X0 + d; the right-hand side of the compatibility equations is -Bx^T v0.
    std::vector<double> v0;
    EsneklikCarp(bloklar, X, v0);
    for (int i = 0; i < n; ++i) v0[i] += MesnetYerDegistirmeleri[i + 1];
    const auto sc = std::make_shared<CholeskyCagrisi>();
    if (r > 0) {
        Adim adim("Bxt*f hesaplanıyor");
        if (Durduruldu()) return;
        SutunMatrisi W;
        if (!EsneklikCarpBx(bloklar, Bx, W)) return;
        if (!SKur(Bx, W, sc->Sm)) return;
        sc->Sg = Gorunum(sc->Sm);
        sc->Sg.stype = 1;  // the upper triangle of a symmetric matrix
        SonSeyrekCozumOlcusu.S = static_cast<std::int64_t>(sc->Sm.x.size());
        adim.Bitir("Bxt*f hesaplandı: ");
    }

    arayuz.IlerlemeKonumu(12);
    if (r > 0) {
        Adim adim("GAUSS - süreklilik denklemleri indirgeniyor");
        if (Durduruldu()) return;
        cholmod_common& c = sc->ch.c;
        switch (SeyrekCholeskyYontemi) {
            case CholeskyYontemi::Basit: c.supernodal = CHOLMOD_SIMPLICIAL; break;
            case CholeskyYontemi::Superdugum: c.supernodal = CHOLMOD_SUPERNODAL; break;
            default: c.supernodal = CHOLMOD_AUTO; break;
        }
        c.quick_return_if_not_posdef = 1;
        if (!KutuphaneCagrisi([sc] { sc->f = cholmod_analyze(&sc->Sg, &sc->ch.c); })) return;
        sc->ch.Denetle();
        // The factor fills its pages as it goes: ask for no more than the
        // memory can give, so that a too large system gets the memory
        // message instead of the process being ended by the system.
        const std::uint64_t bos = KullanilabilirBellek();
        if (bos != 0 && 12.0 * c.lnz > static_cast<double>(bos)) throw std::bad_alloc();
        if (!KutuphaneCagrisi([sc] {
                if (sc->f) cholmod_factorize(&sc->Sg, sc->f, &sc->ch.c);
            }))
            return;
        sc->ch.Denetle();
        if (!sc->f || c.status == CHOLMOD_NOT_POSDEF || sc->f->minor < sc->f->n ||
            !(EnKucukPivot(sc->f) >= 1e-14 * EnBuyukMutlakDeger)) {
            MesajKutusu(kDogrusalBagimliSureklilik, "HATA:", "TamamHata1");
            Hata = 1;
            return;
        }
        SonSeyrekCozumOlcusu.Superdugum = sc->f->is_super;
        SonSeyrekCozumOlcusu.Carpan = static_cast<std::int64_t>(c.lnz);
        adim.Bitir("GAUSS - süreklilik denklemleri indirgendi: ");
    }

    arayuz.IlerlemeKonumu(15);
    if (Hata != 0) return;
    arayuz.MemoEkle("Bilinmeyenler hesaplanıyor");
    if (r > 0) {
        // S Xr = -Bx^T v0; X = X0 + Bx Xr.
        sc->b = cholmod_zeros(static_cast<std::size_t>(r), 1, CHOLMOD_REAL, &sc->ch.c);
        sc->ch.Denetle();
        double* bs = static_cast<double*>(sc->b->x);
        for (int j = 0; j < r; ++j) bs[j] = -BxDevrikCarp(Bx, j, v0);
        if (!KutuphaneCagrisi([sc] { sc->x = cholmod_solve(CHOLMOD_A, sc->f, sc->b, &sc->ch.c); })) return;
        sc->ch.Denetle();
        FazlalariEkle(Bx, static_cast<const double*>(sc->x->x), X);
    }

    // The check of the forces against the equations, with corrections
    // solved through the same factors.
    IyilestirmeAraclari araclar;
    for (int j = 0; j < r; ++j) araclar.FazlaKolonlar.push_back(lu.P[m + j] + 1);
    araclar.TabanDevrikCoz = [&lu](const std::vector<double>& v, std::vector<double>& u) {
        TabanYerDegistirmeleri(lu, v, u);
    };
    araclar.Duzelt = [&](const std::vector<double>& yuk, const std::vector<double>& uyum, std::vector<double>& d) {
        std::vector<double> d0, v;
        TabanKuvvetleri(lu, yuk.data(), d0);
        if (r > 0) {
            // S a = uyum - Bx^T f d0; d = d0 + Bx a.
            EsneklikCarp(bloklar, d0, v);
            cholmod_dense* b = cholmod_zeros(static_cast<std::size_t>(r), 1, CHOLMOD_REAL, &sc->ch.c);
            sc->ch.Denetle();
            double* bs = static_cast<double*>(b->x);
            for (int j = 0; j < r; ++j) bs[j] = uyum[j] - BxDevrikCarp(Bx, j, v);
            cholmod_dense* a = cholmod_solve(CHOLMOD_A, sc->f, b, &sc->ch.c);
            cholmod_free_dense(&b, &sc->ch.c);
            sc->ch.Denetle();
            if (a) {
                FazlalariEkle(Bx, static_cast<const double*>(a->x), d0);
                cholmod_free_dense(&a, &sc->ch.c);
            }
        }
        d.assign(static_cast<std::size_t>(n) + 1, 0.0);
        std::copy(d0.begin(), d0.end(), d.begin() + 1);
    };
    std::copy(X.begin(), X.end(), Bilinmeyenler.data() + 1);
    CozumuDenetleVeIyilestir(denge, araclar, Bilinmeyenler.data());
    for (int i = 0; i < n; ++i) YukVektoru[i + 1] = Bilinmeyenler[i + 1];

    if (yerDegistirmeli) {
        // Unit-load method through the base system: N_b^T u = (f X + d) over
        // the base unknowns.
        BellekEtiketiniYenile();
        arayuz.MemoEkle("Yer değiştirmeler hesaplanıyor");
        std::vector<double> v, u;
        SekilDegistirmeleri(Bilinmeyenler.data(), v);
        TabanYerDegistirmeleri(lu, v, u);
        for (int e = 1; e <= m; ++e) YerDegistirmeler[e] = u[e];
    }
    // A stop pressed up to here still ends the run before its report.
    if (Durduruldu()) return;
    arayuz.IlerlemeKonumu(16);
}

}  // namespace

bool SeyrekCozumSecilir(int n, int secim) {
    if (secim != 0) return false;
    switch (CozumYolu) {
        case CozumYoluSecimi::Yogun: return false;
        case CozumYoluSecimi::Seyrek: return true;
        default: return n > kYogunCozumSiniri;
    }
}

void SeyrekCozumuHazirla(bool seyrek) {
    SeyrekCozumuBirak();
    Depo.Etkin = seyrek;
}

bool SeyrekCozumde() {
    return Depo.Etkin && NMatrisi.Rows() == 0;
}

void SeyrekCozumuBirak() {
    Depo = SeyrekN{};
}

void NMatrisiYaz(int satir, int sutun, double deger) {
    if (static_cast<std::size_t>(satir) < NMatrisi.Rows()) {
        NMatrisi[satir][sutun] = deger;
        return;
    }
    if (!Depo.Etkin) return;
    Depo.Satir.push_back(satir);
    Depo.Sutun.push_back(sutun);
    Depo.Deger.push_back(deger);
}

void SeyrekNGirdileriniGez(const std::function<void(int, int, double)>& f) {
    if (!Depo.Etkin) return;
    for (std::size_t k = 0; k < Depo.Deger.size(); ++k) f(Depo.Satir[k], Depo.Sutun[k], Depo.Deger[k]);
}

void SeyrekKuvvetMetoduCoz() {
    try {
        Coz();
    } catch (const std::bad_alloc&) {
        Hata = 1;
        BellekYetersizMesaji();
    }
}
