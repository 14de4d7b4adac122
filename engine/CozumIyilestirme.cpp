#include "engine/CozumIyilestirme.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/Tipler.h"
#include "platform/KullaniciArayuzu.h"

namespace {

// A correction at most this fraction of the largest force is round-off. The
// structures of the tests call for at most 4e-12 and the reference
// structures of the benchmark for 2.3e-11; of its growth series only the
// largest plane frames (12318 unknowns: 2e-9) get a correction.
constexpr double kYuvarlama = 1e-9;
// Corrections tried at most; each must be smaller than the one before. Near
// a mechanism each step may take off only a part of the error.
constexpr int kEnFazlaAdim = 20;

// Column c of N for every redundant c: (row, entry) pairs.
using FazlaSutunlari = std::vector<std::vector<std::pair<int, double>>>;

// The correction d of X and its size: the residuals of equilibrium, P - N X,
// and of compatibility at the redundants, (f X + d)_c - (N^T u)_c, solved as
// loads and imposed deformations with the solution's own factors; the size
// is the largest entry of d over the largest load or product N_ij X_j. The
// residuals are summed in the wider type, so that they keep the digits the
// terms cancel.
double Duzeltme(const DengeSatirlari& N, const IyilestirmeAraclari& a, const FazlaSutunlari& fazla, const double* X,
                std::vector<double>& d) {
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    std::vector<double> denge(static_cast<std::size_t>(m) + 1, 0.0), uyum(fazla.size(), 0.0);
    double olcek = 0;
    for (int i = 1; i <= m; ++i) {
        long double s = N.Yuk[i];
        olcek = std::max(olcek, std::fabs(N.Yuk[i]));
        for (std::size_t z = N.Bas[i]; z < N.Bas[i + 1]; ++z) {
            const double x = X[N.Sutun[z]];
            olcek = std::max(olcek, std::fabs(N.Deger[z] * x));
            s -= static_cast<long double>(N.Deger[z]) * x;
        }
        denge[i] = static_cast<double>(s);
    }
    if (!fazla.empty()) {
        std::vector<double> v, u;
        SekilDegistirmeleri(X, v);
        a.TabanDevrikCoz(v, u);
        // Bx^T f d must take back the incompatibility.
        for (std::size_t j = 0; j < fazla.size(); ++j) {
            long double s = v[a.FazlaKolonlar[j]];
            for (const auto& [i, e] : fazla[j]) s -= static_cast<long double>(e) * u[i];
            uyum[j] = -static_cast<double>(s);
        }
    }
    a.Duzelt(denge, uyum, d);
    double enBuyuk = 0;
    for (int k = 1; k <= n; ++k) enBuyuk = std::max(enBuyuk, std::fabs(d[k]));
    if (enBuyuk == 0) return 0;
    return olcek > 0 ? enBuyuk / olcek : HUGE_VAL;
}

}  // namespace

void SekilDegistirmeleri(const double* X, std::vector<double>& v) {
    const int n = BilinmeyenSayisi;
    v.assign(static_cast<std::size_t>(n) + 1, 0.0);
    for (int e = 1; e <= ElemanSayisi; ++e) {
        const int k = ElemanBilinmeyenTablosu[0][e], F = ElemanBilinmeyenTablosu[1][e];
        for (int a = 1; a <= k; ++a) {
            const double* Fs = EsneklikMatrisi[F - 1 + a];
            double s = 0;
            for (int b = 1; b <= k; ++b) s += Fs[b] * X[F - 1 + b];
            v[F - 1 + a] = s;
        }
    }
    for (int k = 1; k <= n; ++k) v[k] += MesnetYerDegistirmeleri[k];
}

void CozumuDenetleVeIyilestir(const DengeSatirlari& N, const IyilestirmeAraclari& a, double* X) {
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    std::vector<int> fazlaSirasi(static_cast<std::size_t>(n) + 1, -1);
    for (std::size_t j = 0; j < a.FazlaKolonlar.size(); ++j) fazlaSirasi[a.FazlaKolonlar[j]] = static_cast<int>(j);
    FazlaSutunlari fazla(a.FazlaKolonlar.size());
    for (int i = 1; i <= m; ++i)
        for (std::size_t z = N.Bas[i]; z < N.Bas[i + 1]; ++z)
            if (const int j = fazlaSirasi[N.Sutun[z]]; j >= 0) fazla[j].emplace_back(i, N.Deger[z]);

    std::vector<double> d;
    double oran = Duzeltme(N, a, fazla, X, d);
    if (oran <= kYuvarlama) return;
    std::vector<double> enIyi(X, X + n + 1);
    for (int adim = 0; adim < kEnFazlaAdim && oran > kYuvarlama; ++adim) {
        for (int k = 1; k <= n; ++k) X[k] += d[k];
        const double yeni = Duzeltme(N, a, fazla, X, d);
        if (!(yeni < oran)) break;
        enIyi.assign(X, X + n + 1);
        oran = yeni;
    }
    std::copy(enIyi.begin(), enIyi.end(), X);
    if (oran > kYuvarlama) {
        TemelSistemMekanizmayaYakin = true;
        Arayuz().MemoEkle(kMekanizmayaYakinUyarisi);
    }
}
