#include "engine/GaussEleme.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "engine/CozumIyilestirme.h"
#include "engine/MotorYardim.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "platform/KullaniciArayuzu.h"

namespace {

// Range pairs read by the workers (pairs 1..8); written only while no worker runs.
IsAraligi IsParcacigiAraliklari[9];

// Timing cells of the engine's steps.
std::int64_t SayacFrekansi_ = 0, SayacBaslangici = 0;

void ZamanlamaBaslat() {
    SayacFrekansi_ = MotorSayacFrekansi();
    SayacBaslangici = MotorSayaci();
}

void BitisSatiri(const std::string& metin) {
    Arayuz().MemoSonSatiriDegistir(metin + GecenSaniyeMetni(SayacBaslangici, MotorSayaci(), SayacFrekansi_) +
                                   " saniye");
}

// Runs one phase: the first wave together, then the rest on one more worker.
template <typename Isci>
void BolumuCalistir(const IsBolumu& b, Isci isci) {
    {
        std::vector<std::thread> iscler;
        iscler.reserve(b.IlkDalga.size());
        for (const auto& a : b.IlkDalga) IsParcacigiAraliklari[a.Isci] = a;
        for (const auto& a : b.IlkDalga) {
            try {
                iscler.emplace_back(isci, a.Isci);
            } catch (const std::system_error&) {
                isci(a.Isci);  // no thread to be had: this thread does the range itself
            }
        }
        for (auto& t : iscler) t.join();
    }
    for (const auto& a : b.Kalan) {
        IsParcacigiAraliklari[a.Isci] = a;
        try {
            std::thread t(isci, a.Isci);
            t.join();
        } catch (const std::system_error&) {
            isci(a.Isci);
        }
    }
}

// Workers of the reduction. Starting and ending threads for every round of
// work costs more than the round itself (measured here: 0.1 to 0.4 ms for
// eight threads, about 0.9 s for a 30-storey frame), so the reduction starts
// its workers once, hands each panel's ranges to them as one round, waits for
// the round to end before it goes on, and ends the workers when it ends. A
// round keeps the two phases of the split: the first wave runs together, the
// rest after it. A round of one range runs at once on the calling thread.
class IsciHavuzu {
public:
    template <typename Isci>
    // Throws std::system_error, with no thread left running, when the
    // threads cannot be started.
    IsciHavuzu(int sayi, Isci isci) : aktif_(static_cast<std::size_t>(sayi) + 1, false) {
        try {
            for (int i = 1; i <= sayi; ++i) iscler_.emplace_back([this, i, isci] { Dongu(i, isci); });
        } catch (...) {
            Bitir();
            throw;
        }
    }
    ~IsciHavuzu() { Bitir(); }
    // Runs the ranges of one wave (distinct workers) and waits for all of them.
    void Dalga(const std::vector<IsAraligi>& araliklar) {
        {
            std::lock_guard<std::mutex> k(kilit_);
            for (const auto& a : araliklar) {
                IsParcacigiAraliklari[a.Isci] = a;
                aktif_[a.Isci] = true;
            }
            bekleyen_ = static_cast<int>(araliklar.size());
            ++kusak_;
        }
        uyandir_.notify_all();
        std::unique_lock<std::mutex> k(kilit_);
        bitis_.wait(k, [this] { return bekleyen_ == 0; });
    }

private:
    void Bitir() {
        {
            std::lock_guard<std::mutex> k(kilit_);
            bitti_ = true;
            ++kusak_;
        }
        uyandir_.notify_all();
        for (auto& t : iscler_) t.join();
        iscler_.clear();
    }

    template <typename Isci>
    void Dongu(int no, Isci isci) {
        std::uint64_t gorulen = 0;
        while (true) {
            {
                std::unique_lock<std::mutex> k(kilit_);
                uyandir_.wait(k, [&] { return kusak_ != gorulen; });
                gorulen = kusak_;
                if (bitti_) return;
                if (!aktif_[no]) continue;
                aktif_[no] = false;
            }
            isci(no);
            {
                std::lock_guard<std::mutex> k(kilit_);
                if (--bekleyen_ == 0) bitis_.notify_one();
            }
        }
    }

    std::vector<std::thread> iscler_;
    std::vector<bool> aktif_;
    std::mutex kilit_;
    std::condition_variable uyandir_, bitis_;
    std::uint64_t kusak_ = 0;
    int bekleyen_ = 0;
    bool bitti_ = false;
};

// Non-zero entries of a row right of column k, as runs of adjacent columns
// [first, last], so that the updates skip every zero and still run over
// contiguous memory.
void SifirOlmayanKosular(const double* satir, int k, int n, std::vector<std::pair<int, int>>& kosular) {
    kosular.clear();
    int c = k + 1;
    while (c <= n) {
        while (c <= n && satir[c] == 0) ++c;
        if (c > n) break;
        const int bas = c;
        while (c <= n && satir[c] != 0) ++c;
        kosular.emplace_back(bas, c - 1);
    }
}

// r[c] -= carpan * p[c] over the runs.
// The row being updated is never the pivot row, so the two do not overlap.
__attribute__((optimize("tree-vectorize"))) inline void KosulardaCikar(
    double* __restrict r, const double* __restrict p, double carpan, const std::vector<std::pair<int, int>>& kosular) {
    for (const auto& [bas, son] : kosular)
        for (int c = bas; c <= son; ++c) r[c] -= carpan * p[c];
}

// Upper triangle of the factored equilibrium rows, without its zeros, by
// position: entries (column, value) of row SatirSirasi[k] right of column k,
// in ascending column order; and the reciprocal of each pivot. Positions of
// unit rows are empty and their reciprocal is 0.
struct UstUcgen {
    std::vector<std::size_t> Bas;  // n + 2 entries
    std::vector<int> Sutun;
    std::vector<double> Deger;
    std::vector<double> Ters;
};
UstUcgen U;

void UstUcgeniHazirla() {
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    U.Bas.assign(static_cast<std::size_t>(n) + 2, 0);
    U.Ters.assign(static_cast<std::size_t>(n) + 1, 0.0);
    U.Sutun.clear();
    U.Deger.clear();
    for (int k = 1; k <= n; ++k) {
        U.Bas[k] = U.Sutun.size();
        const int R = SatirSirasi[k];
        if (R <= m) {
            const double* satir = NMatrisi[R];
            U.Ters[k] = 1.0 / satir[k];
            for (int c = k + 1; c <= n; ++c)
                if (satir[c] != 0) {
                    U.Sutun.push_back(c);
                    U.Deger.push_back(satir[c]);
                }
        }
    }
    U.Bas[static_cast<std::size_t>(n) + 1] = U.Sutun.size();
}

void UstUcgeniBirak() {
    U = UstUcgen{};
}

// ---- B0 workers: back substitution of the columns of their range. The
// columns of the range are carried together row by row; every entry sees the
// same operations in the same order as when its column is done alone.
void B0IsParcacigi(int cift) {
    const IsAraligi a = IsParcacigiAraliklari[cift];
    const int n = BilinmeyenSayisi;
    const std::size_t genislik = B0Matrisi.Cols();
    double* B0 = B0Matrisi.data();
    for (int k = n; k >= 1; --k) {
        const double ters = U.Ters[k];
        if (ters == 0) continue;  // unit row
        double* Bk = B0 + static_cast<std::size_t>(k) * genislik;
        for (std::size_t z = U.Bas[k]; z < U.Bas[k + 1]; ++z) {
            const double u = U.Deger[z];
            const double* Bc = B0 + static_cast<std::size_t>(U.Sutun[z]) * genislik;
            for (int e = a.Bas; e <= a.Son; ++e) Bk[e] -= u * Bc[e];
        }
        for (int e = a.Bas; e <= a.Son; ++e) Bk[e] *= ters;
    }
}

// ---- Bx workers: back substitution of the unit rows of their redundants.
void BxIsParcacigi(int cift) {
    const IsAraligi a = IsParcacigiAraliklari[cift];
    const int m = DenklemSayisi;
    for (int j = a.Bas; j <= a.Son; ++j) {
        const int c = HiperstatikKolonlar[j];
        double* Rs = NMatrisi[m + j];
        for (int k = c; k >= 1; --k) {
            if (U.Ters[k] == 0) continue;  // unit row
            double s = Rs[k];
            for (std::size_t z = U.Bas[k]; z < U.Bas[k + 1]; ++z) {
                const int l = U.Sutun[z];
                if (l > c) break;
                s -= U.Deger[z] * Rs[l];
            }
            Rs[k] = s * U.Ters[k];
        }
        double d = 0;
        for (int k = 1; k <= c; ++k)
            if (MesnetYerDegistirmeleri[k] != 0 && Rs[k] != 0) d += Rs[k] * MesnetYerDegistirmeleri[k];
        YukVektoru[m + j] -= d;
    }
}

// ---- reduction workers: the compatibility rows of their range, right of the panel.
// The reduction works on panels of consecutive pivot columns. Inside a panel
// the columns are eliminated one after the other, but only the panel's own
// columns of the rows below are updated at once; the columns right of the
// panel receive the panel's updates afterwards, row by row, in the same
// column order. Every entry therefore sees the same operations, with the same
// operands, in the same order as when each column updated the whole rows,
// and the results are the same to the last bit; a row stays in the cache
// while the panel's pivot rows are applied to it, and the workers meet once
// per panel instead of once per column.
constexpr int kPanelGenisligi = 32;

struct SureklilikPaneli {
    int k0 = 0, k1 = 0;
    int P[kPanelGenisligi] = {};                                // pivot row of column k0 + j
    std::vector<std::pair<int, int>> Kosular[kPanelGenisligi];  // its non-zero runs right of k1
};
SureklilikPaneli Panel;

// The panel's updates right of it, on the compatibility row at position i.
void PanelSatiriniGuncelle(int i) {
    const int R = SatirSirasi[i];
    if (R <= DenklemSayisi) return;  // equilibrium rows are left as they are
    double* Rs = NMatrisi[R];
    const int son = std::min(i - 1, Panel.k1);
    for (int kk = Panel.k0; kk <= son; ++kk) {
        const double carpan = Rs[kk];  // the multiplier stored at the pivot column
        if (carpan == 0) continue;
        const int j = kk - Panel.k0;
        KosulardaCikar(Rs, NMatrisi[Panel.P[j]], carpan, Panel.Kosular[j]);
    }
}

void SureklilikIsParcacigi(int cift) {
    const IsAraligi a = IsParcacigiAraliklari[cift];
    for (int i = a.Bas; i <= a.Son; ++i) PanelSatiriniGuncelle(i);
}

}  // namespace

// ---------------------------------------------------------------- splits

IsBolumu B0BxBolumu(int N) {
    IsBolumu b;
    if (N < 1) return b;
    if (N < 8) {
        b.IlkDalga.push_back({1, 1, N});
        return b;
    }
    const int q = N / 4;
    for (int i = 1; i <= 4; ++i) b.IlkDalga.push_back({i, (i - 1) * q + 1, i * q});
    if (4 * q < N) b.Kalan.push_back({4, 4 * q + 1, N});
    return b;
}

int SureklilikIsciSayisi(int islemci) {
    if (islemci < 1) return 1;
    return islemci <= 4 ? islemci : 8;
}

IsBolumu SureklilikBolumu(int k, int n, int w) {
    IsBolumu b;
    const int d = n - k;
    if (d < 1) return b;
    if (w <= 1 || d < 80) {
        b.IlkDalga.push_back({1, k + 1, n});
        return b;
    }
    const int q = d / w;
    for (int i = 1; i <= w; ++i) b.IlkDalga.push_back({i, k + 1 + (i - 1) * q, k + i * q});
    if (k + w * q < n) b.Kalan.push_back({w == 8 ? 8 : w + 1, k + w * q + 1, n});
    return b;
}

// ---------------------------------------------------------------- elimination

void IzostatikEsasSistemSec() {
    ZamanlamaBaslat();
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    const int r = n - m;
    Arayuz().MemoEkle(r > 0 ? "GAUSS - izostatik esas sistem seçiliyor" : "GAUSS - denge denklemleri çözülüyor");
    HiperstatiklikDerecesi = r;
    SatirSirasi.Bosalt();
    HiperstatikKolonlar.Bosalt();
    SatirSirasi.SetLength(static_cast<std::size_t>(n) + 1);
    HiperstatikKolonlar.SetLength(static_cast<std::size_t>(n) + 1);
    for (int k = 1; k <= n; ++k) SatirSirasi[k] = k;
    const double t = 1e-6 * EnBuyukMutlakDeger;
    int q = 0;
    std::vector<std::pair<int, int>> pivotKosulari;

    for (int k = 1; k <= n - 1; ++k) {
        Arayuz().MesajlariIsle();
        if (Hata != 0) return;

        int p = k;
        double b = std::fabs(NMatrisi[SatirSirasi[k]][k]);
        for (int i = k + 1; i <= n; ++i) {
            const double v = NMatrisi[SatirSirasi[i]][k];
            if (v != 0 && std::fabs(v) > b) {
                b = std::fabs(v);
                p = i;
            }
        }
        if (p != k) std::swap(SatirSirasi[p], SatirSirasi[k]);
        const int P = SatirSirasi[k];
        double* Ps = NMatrisi[P];

        if (std::fabs(Ps[k]) < t) {
            q += 1;
            if (q > r) {
                MesajKutusu(kDogrusalBagimliDenge, "HATA:", "TamamHata1");
                Hata = 1;
                return;
            }
            HiperstatikKolonlar[q] = k;
            NMatrisi[m + q][k] = 1.0;
            std::swap(SatirSirasi[m + q], SatirSirasi[k]);
            continue;
        }

        const double w = 1.0 / Ps[k];
        SifirOlmayanKosular(Ps, k, n, pivotKosulari);
        for (int i = k + 1; i <= n; ++i) {
            double* Rs = NMatrisi[SatirSirasi[i]];
            if (Rs[k] == 0) continue;
            const double carpan = Rs[k] * w;
            Rs[k] = carpan;
            KosulardaCikar(Rs, Ps, carpan, pivotKosulari);
        }
    }

    if (n >= 1) {
        const int P = SatirSirasi[n];
        if (std::fabs(NMatrisi[P][n]) < t) {
            q += 1;
            if (q > r) {
                MesajKutusu(kDogrusalBagimliDenge, "HATA:", "TamamHata1");
                Hata = 1;
                return;
            }
            HiperstatikKolonlar[q] = n;
            NMatrisi[m + q][n] = 1.0;
        }
    }
    BitisSatiri(r > 0 ? "GAUSS - izostatik esas sistem seçildi: " : "GAUSS - denge denklemleri çözülüdü: ");
}

// ---------------------------------------------------------------- B0, Bx, BxT f

void B0Hesapla() {
    if (!Arayuz().YerDegistirmeliHesap()) return;
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    ZamanlamaBaslat();
    B0Matrisi.Bosalt();
    try {
        const double gereken = 8.0 * (static_cast<double>(n) + 1) * (static_cast<double>(m) + 1);
        const std::uint64_t bos = KullanilabilirBellek();
        if (bos != 0 && gereken > static_cast<double>(bos)) throw std::bad_alloc();
        B0Matrisi.SetLength(static_cast<std::size_t>(n) + 1, static_cast<std::size_t>(m) + 1);
    } catch (const std::exception&) {
        B0Matrisi.Bosalt();
        Hata = 1;
        BellekYetersizMesaji();
        return;
    }
    BellekEtiketiniYenile();
    Arayuz().MemoEkle("B0 hesaplanıyor");

    const std::size_t genislik = B0Matrisi.Cols();
    double* B0 = B0Matrisi.data();
    // Forward pass: the multipliers on all m unit loads at once. Each row's
    // non-zeros lie between Alt[i] and Ust[i]; outside that span its entries are 0.
    std::vector<int> Alt(static_cast<std::size_t>(n) + 1, 1), Ust(static_cast<std::size_t>(n) + 1, 0);
    bool durdu = false;
    if (n >= 1 && SatirSirasi[1] <= m) {
        B0[1 * genislik + SatirSirasi[1]] = 1.0;
        Alt[1] = Ust[1] = SatirSirasi[1];
    }
    for (int i = 2; i <= n; ++i) {
        Arayuz().MesajlariIsle();
        if (Hata != 0) {
            durdu = true;
            break;
        }
        const int R = SatirSirasi[i];
        if (R > m) continue;
        double* Bi = B0 + static_cast<std::size_t>(i) * genislik;
        Bi[R] = 1.0;
        int alt = R, ust = R;
        const double* Rs = NMatrisi[R];
        for (int j = 1; j <= i - 1; ++j) {
            const double carpan = Rs[j];
            if (carpan == 0 || Alt[j] > Ust[j]) continue;
            const double* Bj = B0 + static_cast<std::size_t>(j) * genislik;
            for (int e = Alt[j]; e <= Ust[j]; ++e)
                if (Bj[e] != 0) Bi[e] -= carpan * Bj[e];
            if (Alt[j] < alt) alt = Alt[j];
            if (Ust[j] > ust) ust = Ust[j];
        }
        Alt[i] = alt;
        Ust[i] = ust;
    }
    if (!durdu) {
        UstUcgeniHazirla();
        BolumuCalistir(B0BxBolumu(m), B0IsParcacigi);
        UstUcgeniBirak();
    }
    BitisSatiri("B0 hesaplandı: ");
}

void BxHesapla() {
    const int r = BilinmeyenSayisi - DenklemSayisi;
    if (r == 0) return;
    ZamanlamaBaslat();
    Arayuz().MemoEkle("Bx hesaplanıyor");
    Arayuz().MesajlariIsle();
    if (Hata != 0) return;
    UstUcgeniHazirla();
    BolumuCalistir(B0BxBolumu(r), BxIsParcacigi);
    UstUcgeniBirak();
    BitisSatiri("Bx hesaplanıdı: ");
}

void BxTfHesapla() {
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    const int r = n - m;
    if (r == 0) return;
    ZamanlamaBaslat();
    Arayuz().MemoEkle("Bxt*f hesaplanıyor");
    std::vector<double> is(static_cast<std::size_t>(n) + 1);
    for (int j = 1; j <= r; ++j) {
        Arayuz().MesajlariIsle();
        if (Hata != 0) return;
        std::fill(is.begin(), is.end(), 0.0);
        const int c = HiperstatikKolonlar[j];
        double* Rs = NMatrisi[m + j];
        for (int e = 1; e <= ElemanSayisi; ++e) {
            ElemanKuvvetSayisi = ElemanBilinmeyenTablosu[0][e];
            ElemanIlkKolon = ElemanBilinmeyenTablosu[1][e];
            const int F = ElemanIlkKolon;
            const int L = F + ElemanKuvvetSayisi - 1;
            if (F > c) break;
            for (int a = 1; a <= ElemanKuvvetSayisi; ++a) {
                double toplam = 0;
                for (int b = F; b <= L; ++b)
                    if (Rs[b] != 0) toplam += Rs[b] * EsneklikMatrisi[b][a];
                is[F + a - 1] = toplam;
            }
        }
        for (int k = 1; k <= n; ++k) Rs[k] = is[k];
    }
    BitisSatiri("Bxt*f hesaplandı: ");
}

// ---------------------------------------------------------------- reduction

void SureklilikDenklemleriniIndirge() {
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    HiperstatiklikDerecesi = n - m;
    if (HiperstatiklikDerecesi == 0) return;
    ZamanlamaBaslat();
    Arayuz().MemoEkle("GAUSS - süreklilik denklemleri indirgeniyor");
    if (IsParcacigiSayisi > 8) IsParcacigiSayisi = 8;
    const int w = SureklilikIsciSayisi(IsParcacigiSayisi);
    const double t2 = 1e-14 * EnBuyukMutlakDeger;
    std::unique_ptr<IsciHavuzu> havuz;  // started at the first column that splits
    bool havuzYok = false;              // no threads could be started: this thread does all

    std::vector<std::pair<int, int>> paneldeKosular;
    for (int k0 = 1; k0 <= n - 1; k0 += kPanelGenisligi) {
        const int k1 = std::min(k0 + kPanelGenisligi - 1, n - 1);
        Panel.k0 = k0;
        Panel.k1 = k1;
        for (int k = k0; k <= k1; ++k) {
            Arayuz().MesajlariIsle();
            if (Hata != 0) return;
            int p = k;
            int P = SatirSirasi[k];
            double b = std::fabs(NMatrisi[P][k]);
            if (P > m) {
                for (int i = k + 1; i <= n; ++i) {
                    const int R = SatirSirasi[i];
                    if (R > m && std::fabs(NMatrisi[R][k]) > b) {
                        b = std::fabs(NMatrisi[R][k]);
                        p = i;
                    }
                }
            }
            if (p != k) std::swap(SatirSirasi[p], SatirSirasi[k]);
            P = SatirSirasi[k];
            const double* Ps = NMatrisi[P];
            if (std::fabs(Ps[k]) < t2) {
                MesajKutusu(kDogrusalBagimliSureklilik, "HATA:", "TamamHata1");
                Hata = 1;
                return;
            }
            const double ters = 1.0 / Ps[k];
            Panel.P[k - k0] = P;
            // The multipliers and the panel's own columns of the compatibility rows below.
            SifirOlmayanKosular(Ps, k, k1, paneldeKosular);
            for (int i = k + 1; i <= n; ++i) {
                const int R = SatirSirasi[i];
                if (R <= m) continue;
                double* Rs = NMatrisi[R];
                if (Rs[k] == 0) continue;
                const double carpan = Rs[k] * ters;
                Rs[k] = carpan;
                KosulardaCikar(Rs, Ps, carpan, paneldeKosular);
            }
        }
        // Right of the panel: first the panel's own pivot rows in order (each
        // is the pivot row of the next columns; its runs right of the panel
        // are known once it has its updates), then the rows below on the workers.
        for (int i = k0; i <= k1; ++i) {
            PanelSatiriniGuncelle(i);
            SifirOlmayanKosular(NMatrisi[Panel.P[i - k0]], k1, n, Panel.Kosular[i - k0]);
        }
        IsBolumu bolum = SureklilikBolumu(k1, n, w);
        auto isVar = [&](const IsAraligi& a) {
            for (int i = a.Bas; i <= a.Son; ++i)
                if (SatirSirasi[i] > m) return true;
            return false;
        };
        std::erase_if(bolum.IlkDalga, [&](const IsAraligi& a) { return !isVar(a); });
        std::erase_if(bolum.Kalan, [&](const IsAraligi& a) { return !isVar(a); });
        if (!havuz && !havuzYok && bolum.IlkDalga.size() + bolum.Kalan.size() > 1) {
            try {
                havuz = std::make_unique<IsciHavuzu>(w == 8 ? 8 : w + 1, SureklilikIsParcacigi);
            } catch (const std::system_error&) {
                havuzYok = true;
            }
        }
        if (!havuz || bolum.IlkDalga.size() + bolum.Kalan.size() <= 1) {
            for (const auto* dalga : {&bolum.IlkDalga, &bolum.Kalan})
                for (const auto& a : *dalga) {
                    IsParcacigiAraliklari[a.Isci] = a;
                    SureklilikIsParcacigi(a.Isci);
                }
        } else {
            if (!bolum.IlkDalga.empty()) havuz->Dalga(bolum.IlkDalga);
            if (!bolum.Kalan.empty()) havuz->Dalga(bolum.Kalan);
        }
    }
    if (n >= 1 && std::fabs(NMatrisi[SatirSirasi[n]][n]) < t2) {
        MesajKutusu(kDogrusalBagimliSureklilik, "HATA:", "TamamHata1");
        Hata = 1;
    }
    Panel = SureklilikPaneli{};
    BitisSatiri("GAUSS - süreklilik denklemleri indirgendi: ");
}

// ---------------------------------------------------------------- unknowns, displacements

namespace {

// The whole factored system solved for b (by physical row): forward
// substitution into y, back substitution into x (both by position, which is
// the column). b and x may be the same vector: b is read only before x is
// written.
void UcgenlerleCoz(const double* b, double* y, double* x) {
    const int n = BilinmeyenSayisi;
    y[1] = b[SatirSirasi[1]];
    for (int i = 2; i <= n; ++i) {
        const int R = SatirSirasi[i];
        const double* Rs = NMatrisi[R];
        double s = b[R];
        for (int j = 1; j <= i - 1; ++j)
            if (Rs[j] != 0) s -= Rs[j] * y[j];
        y[i] = s;
    }
    x[n] = y[n] / NMatrisi[SatirSirasi[n]][n];
    for (int i = n - 1; i >= 1; --i) {
        const double* Rs = NMatrisi[SatirSirasi[i]];
        double s = y[i];
        for (int j = i + 1; j <= n; ++j)
            if (Rs[j] != 0) s -= Rs[j] * x[j];
        x[i] = s / Rs[i];
    }
}

// u (1..m) with N_b^T u = v, by the factors of the equilibrium rows alone:
// they factor N with a unit row at every redundant column, and the
// compatibility rows stand at the positions of those unit rows. First U^T,
// then L^T, both row by row.
void TabanDevrikCoz(const std::vector<double>& v, std::vector<double>& u) {
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    std::vector<double> y(v);
    for (int k = 1; k <= n; ++k) {
        const int R = SatirSirasi[k];
        if (R > m) continue;
        const double* Rs = NMatrisi[R];
        const double yk = y[k] / Rs[k];
        y[k] = yk;
        if (yk == 0) continue;
        for (int c = k + 1; c <= n; ++c)
            if (Rs[c] != 0) y[c] -= Rs[c] * yk;
    }
    u.assign(static_cast<std::size_t>(m) + 1, 0.0);
    for (int i = n; i >= 1; --i) {
        const int R = SatirSirasi[i];
        if (R > m) continue;
        const double* Rs = NMatrisi[R];
        const double zi = y[i];
        u[R] = zi;
        if (zi == 0) continue;
        for (int k = 1; k < i; ++k)
            if (Rs[k] != 0) y[k] -= Rs[k] * zi;
    }
}

}  // namespace

void BilinmeyenleriHesapla() {
    const int n = BilinmeyenSayisi;
    Arayuz().MemoEkle("Bilinmeyenler hesaplanıyor");
    if (n < 1) return;
    UcgenlerleCoz(YukVektoru.data(), Bilinmeyenler.data(), YukVektoru.data());
    for (int k = 0; k <= n; ++k) Bilinmeyenler[k] = YukVektoru[k];
}

DengeSatirlari YogunDengeSatirlari() {
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    DengeSatirlari N;
    N.Yuk.assign(static_cast<std::size_t>(m) + 1, 0.0);
    for (int i = 1; i <= m; ++i) {
        const double* Rs = NMatrisi[i];
        for (int j = 1; j <= n; ++j)
            if (Rs[j] != 0) N.Ekle(j, Rs[j]);
        N.SatirBitir();
        N.Yuk[i] = YukVektoru[i];
    }
    return N;
}

void YogunCozumuIyilestir(const DengeSatirlari& N) {
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    if (n < 1) return;
    IyilestirmeAraclari a;
    for (int j = 1; j <= n - m; ++j) a.FazlaKolonlar.push_back(HiperstatikKolonlar[j]);
    a.TabanDevrikCoz = TabanDevrikCoz;
    a.Duzelt = [n, m](const std::vector<double>& yuk, const std::vector<double>& uyum, std::vector<double>& d) {
        // By physical row: the equilibrium rows, then the compatibility row of redundant j at m + j.
        std::vector<double> b(static_cast<std::size_t>(n) + 1, 0.0), y(b.size());
        std::copy(yuk.begin(), yuk.end(), b.begin());
        std::copy(uyum.begin(), uyum.end(), b.begin() + m + 1);
        d.assign(b.size(), 0.0);
        UcgenlerleCoz(b.data(), y.data(), d.data());
    };
    CozumuDenetleVeIyilestir(N, a, Bilinmeyenler.data());
    for (int k = 0; k <= n; ++k) YukVektoru[k] = Bilinmeyenler[k];
}

void YerDegistirmeleriHesapla() {
    if (!Arayuz().YerDegistirmeliHesap()) return;
    const int n = BilinmeyenSayisi, m = DenklemSayisi;
    std::vector<double> v;
    BellekEtiketiniYenile();
    Arayuz().MemoEkle("Yer değiştirmeler hesaplanıyor");
    SekilDegistirmeleri(Bilinmeyenler.data(), v);
    if (ElemanSayisi >= 1) {  // the element walk leaves the last element's block
        ElemanKuvvetSayisi = ElemanBilinmeyenTablosu[0][ElemanSayisi];
        ElemanIlkKolon = ElemanBilinmeyenTablosu[1][ElemanSayisi];
    }
    if (B0Matrisi.Rows() < static_cast<std::size_t>(n) + 1) return;
    const std::size_t genislik = B0Matrisi.Cols();
    const double* B0 = B0Matrisi.data();
    // Row by row of B0; every displacement still sums its terms in k order.
    for (int e = 1; e <= m; ++e) YerDegistirmeler[e] = 0;
    for (int k = 1; k <= n; ++k) {
        const double* Bk = B0 + static_cast<std::size_t>(k) * genislik;
        const double vk = v[k];
        for (int e = 1; e <= m; ++e)
            if (Bk[e] != 0) YerDegistirmeler[e] += Bk[e] * vk;
    }
}
