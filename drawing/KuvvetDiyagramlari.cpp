#include "drawing/KuvvetDiyagramlari.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "engine/CubukBoyu.h"
#include "model/LibU.h"
#include "model/ModelOku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/TabloyuAc.h"

std::array<double, 4> DiyagramEnBuyukleri{};

namespace {

// The run whose ordinates the drawing table holds (the counter value at its end).
std::int64_t hesaplananCalisma = -1;

struct Yuk {
    int Tip;
    double q, a, b, q1;
};

// The part W of a distributed transverse load's resultant between node i and x
// (loads 3, 4 and 8 to 12); false where the load adds nothing.
bool YukBileskesi(const Yuk& y, double x, double L, double& W) {
    const double q = y.q, a = y.a, b = y.b, q1 = y.q1;
    float w = 0;
    switch (y.Tip) {
        case 3:
            w = static_cast<float>(x < L / 2 ? q * x * x / L : q * (L / 2 - (L - x) * (L - x) / L));
            break;
        case 4: {
            const double c = L - 2 * a;
            if (a <= 0) return false;
            if (x <= a) w = static_cast<float>(q * x * x / (2 * a));
            else if (x <= a + c) w = static_cast<float>(q * (x - a / 2));
            else w = static_cast<float>(q * (a + c - (L - x) * (L - x) / (2 * a)));
            break;
        }
        case 8:
            if (x <= a || b <= 0) return false;
            w = static_cast<float>(x <= a + b ? q * (x - a) * (x - a) / (2 * b) : q * b / 2);
            break;
        case 9:
            if (x <= a || b <= 0) return false;
            w = static_cast<float>(x <= a + b ? (q * (a + b - x) / b + q) / 2 * (x - a) : q * b / 2);
            break;
        case 10:
            if (x <= a) return false;
            w = static_cast<float>(x <= a + b ? q * (x - a) : q * b);
            break;
        case 11:
            if (x <= a || b <= 0) return false;
            w = static_cast<float>(x <= a + b ? q1 * (x - a) * (x - a) / (2 * b) + (q * (a + b - x) / b + q) / 2 * (x - a)
                                              : q1 * b / 2 + q * b / 2);
            break;
        case 12:
            if (x <= a || b <= 0) return false;
            if (x <= a + b / 2) w = static_cast<float>(q * (x - a) * (x - a) / b);
            else if (x <= a + b) w = static_cast<float>(q * b / 2 - q * (a + b - x) * (a + b - x) / b);
            else w = static_cast<float>(q * b / 2);
            break;
        default: return false;
    }
    W = w;
    return true;
}

// The ordinates of one bar; false when a load was left out.
bool ElemanDiyagramlari(int tip, double L, double EI, const double S[7], double u2, double u3,
                        const std::vector<Yuk>& yukler, DiyagramDizisi& N, DiyagramDizisi& V, DiyagramDizisi& M,
                        DiyagramDizisi& u) {
    N.fill(0);
    V.fill(0);
    M.fill(0);
    u.fill(0);
    bool tamam = true;
    const double adim = L / 199;
    auto X = [&](int k) { return (k - 1) * adim; };
    for (const Yuk& y : yukler) {
        if (y.Tip == 7) {
            const double k = adim > 0 ? std::nearbyint(y.a / adim) + 1 : -1;
            if (!(y.a >= 0 && y.a <= L) || k < 1 || k > 200) {
                tamam = false;
                continue;
            }
            M[static_cast<int>(k)] -= y.q;
            continue;
        }
        for (int k = 2; k <= 199; ++k) {
            const double x = X(k);
            double W = 0;
            switch (y.Tip) {
                case 1:
                    V[k] -= y.q * x;
                    if (EI != 0) u[k] -= y.q * x * x * x * x / (24 * EI);
                    break;
                case 2:
                    if (x > y.a) {
                        V[k] -= y.q;
                        if (EI != 0) u[k] -= y.q * (x - y.a) * (x - y.a) * (x - y.a) / (6 * EI);
                    }
                    break;
                case 5: N[k] -= y.q * x; break;
                case 6:
                    if (x >= y.a) N[k] -= y.q;
                    break;
                default:
                    if (YukBileskesi(y, x, L, W)) V[k] -= W;
                    break;
            }
        }
    }
    if (tip < DuzlemCerceveElemani) {
        N[1] = -S[1];
        N[200] = S[2];
        for (int k = 2; k <= 199; ++k) N[k] = -S[1];
    } else if (tip < UzayCerceveElemani) {
        // Plane frames and their springs: end forces N, V, M at i (S1..S3) and j (S4..S6).
        N[1] = -S[1];
        N[200] = S[4];
        V[1] = S[2];
        V[200] = -S[5];
        M[1] = -S[3];
        M[200] = S[6];
        for (int k = 2; k <= 199; ++k) {
            N[k] += -S[1];
            V[k] += S[2];
        }
        for (int k = 2; k <= 199; ++k) M[k] += M[k - 1] + (V[k - 1] + V[k]) / 2 * adim;
        if (EI != 0)
            for (int k = 2; k <= 199; ++k) {
                const double x = X(k);
                u[k] += u2 + u3 * x + S[2] * x * x * x / (6 * EI) - S[3] * x * x / (2 * EI);
            }
    }
    return tamam;
}

// Rounded to two decimals, -0 made 0; a non-finite value becomes 0.
double Iki(double x, bool& kusurlu) {
    if (!std::isfinite(x)) {
        kusurlu = true;
        return 0;
    }
    const double r = Yuvarla(x, 2);
    return r == 0 ? 0 : r;
}

}  // namespace

std::string DiyagramMetni(const DiyagramDizisi& f) {
    std::string s;
    s.reserve(200 * 8);
    bool kusurlu = false;
    for (int k = 1; k <= 200; ++k) {
        s += GenelSayiMetni(Iki(f[k], kusurlu));
        s += ',';
    }
    return s;
}

bool DiyagramMetniniOku(const std::string& Metin, DiyagramDizisi& f) {
    f.fill(0);
    const char* p = Metin.data();
    const char* son = p + Metin.size();
    for (int k = 1; k <= 200; ++k) {
        const char* virgul = p;
        while (virgul < son && *virgul != ',') ++virgul;
        if (virgul == son) {
            f.fill(0);
            return false;
        }
        double d = 0;
        const auto r = std::from_chars(p, virgul, d, std::chars_format::general);
        if (r.ec != std::errc() || r.ptr != virgul || !std::isfinite(d)) {
            f.fill(0);
            return false;
        }
        f[k] = d;
        p = virgul + 1;
    }
    return true;
}

bool DiyagramOku(int ElemanNo, const char* Alan, DiyagramDizisi& f) {
    Tablo& t = Tablolar.ElemanKuvvetleriCizim;
    TabloyuAc(t);
    if (!t.Locate("ElemanNo", ElemanNo)) {
        f.fill(0);
        return false;
    }
    return DiyagramMetniniOku(t.FieldByName(Alan).AsString(), f);
}

void KuvvetDiyagramlariniHesapla() {
    if (hesaplananCalisma == HesapBitisi) return;
    DiyagramEnBuyukleri = {};
    Tablo& t = Tablolar.ElemanKuvvetleriCizim;
    Tablo& ed = Tablolar.ED;
    Tablo& yt = Tablolar.EYUK;
    Tablo& mb = Tablolar.MalzemeBilgileri;
    Tablo& kb = Tablolar.KesitBilgileri;
    TabloyuAc(t);
    TabloyuAc(yt);
    bool kusurlu = false;

    // Element loads by element, in their stored order.
    std::vector<std::vector<Yuk>> yukler(static_cast<std::size_t>(ed.RecordCount()) + 1);
    for (yt.First(); !yt.Eof(); yt.Next()) {
        const int e = yt.FieldByName("ElemanNo").AsInteger();
        if (e < 1 || e >= static_cast<int>(yukler.size())) continue;
        Yuk y{yt.FieldByName("YukTipi").AsInteger(), yt.FieldByName("Yuk").AsFloat(),
              yt.FieldByName("aMesafesi").AsFloat(), yt.FieldByName("bMesafesi").AsFloat(),
              yt.FieldByName("Yuk1").AsFloat()};
        if (!std::isfinite(y.q) || !std::isfinite(y.a) || !std::isfinite(y.b) || !std::isfinite(y.q1)) {
            kusurlu = true;
            continue;
        }
        yukler[e].push_back(y);
    }

    t.IslemBaslat();
    try {
        DiyagramDizisi N, V, M, u;
        for (t.First(); !t.Eof(); t.Next()) {
            const int e = t.FieldByName("ElemanNo").AsInteger();
            const int tip = t.FieldByName("ElemanTipi").AsInteger();
            if (tip >= UzayCerceveElemani || !ed.Locate("ElemanNo", e)) continue;
            double S[7] = {};
            for (int k = 1; k <= 6; ++k) {
                const double d = t.FieldByName("S" + std::to_string(k)).AsFloat();
                S[k] = std::isfinite(d) ? d : (kusurlu = true, 0.0);
            }
            double u2 = t.FieldByName("u2").AsFloat(), u3 = t.FieldByName("u3").AsFloat();
            if (!std::isfinite(u2) || !std::isfinite(u3)) u2 = u3 = 0;
            double xi[4] = {}, xj[4] = {};
            NoktaKoordinatlariniOku(ed.FieldByName("iNoktasi").AsInteger(), xi[1], xi[2], xi[3]);
            NoktaKoordinatlariniOku(ed.FieldByName("jNoktasi").AsInteger(), xj[1], xj[2], xj[3]);
            // The length the calculation used: a plane bar's Z difference left out.
            const double L = CubukEkseniHesapla(xj[1] - xi[1], xj[2] - xi[2], xj[3] - xi[3], UzayCubuguMu(tip)).L;
            double EI = 0;
            if (mb.Locate("MalzemeNo", ed.FieldByName("MalzemeNo").AsInteger()) &&
                kb.Locate("KesitNo", ed.FieldByName("KesitNo").AsInteger()))
                EI = mb.FieldByName("E").AsFloat() * kb.FieldByName("iz").AsFloat();
            if (!std::isfinite(EI)) EI = 0;
            // Only the loads the analysis uses: none on springs.
            static const std::vector<Yuk> kYuksuz;
            const bool yuklu = tip == DuzlemKafesElemani || tip == UzayKafesElemani || tip == DuzlemCerceveElemani;
            const std::vector<Yuk>& y = yuklu ? yukler[e] : kYuksuz;
            if (!std::isfinite(L) || !ElemanDiyagramlari(tip, L, EI, S, u2, u3, y, N, V, M, u)) kusurlu = true;
            for (int k = 1; k <= 200; ++k) u[k] *= 1000000;

            t.Edit();
            const DiyagramDizisi* diziler[4] = {&N, &V, &M, &u};
            const char* alanlar[4] = {"Nx", "Vy", "Mz", "u"};
            for (int i = 0; i < 4; ++i) {
                for (int k = 1; k <= 200; ++k)
                    DiyagramEnBuyukleri[i] = std::max(DiyagramEnBuyukleri[i], std::fabs(Iki((*diziler[i])[k], kusurlu)));
                t.FieldByName(alanlar[i]).SetString(DiyagramMetni(*diziler[i]));
            }
            t.Post();
        }
    } catch (...) {
        if (t.Durum() != TabloDurumu::Gozatma) t.Cancel();
        t.IslemGeriAl();
        throw;
    }
    t.IslemOnayla();
    hesaplananCalisma = HesapBitisi;
    if (kusurlu)
        MesajKutusu("Bazı eleman kuvveti veya yük değerleri kullanılamadı; bu değerler çizimde yok",
                    "Uyarı:", "TamamUyari1");
}
