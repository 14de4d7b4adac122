#include "input/KesitOzellikleri.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "input/KesitTipiDuzeni.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

double DikdortgenBurulmaFonksiyonu(double x, double y) {
    const double q = x > y ? x : y;
    const double p = x > y ? y : x;
    const double r = p / q;
    return (p * p * p * q / 3.0) * (1.0 - 0.63 * r + 0.0053 * std::pow(r, 5));
}

bool GeometrikKesitHesapla(int Tip, const KesitBoyutlari& d, KesitDegerleri& s, std::string& Mesaj) {
    s = {};
    Mesaj.clear();
    const double pi = std::numbers::pi;
    const double bw = d.bw, h = d.h, b = d.b, t = d.t;
    switch (Tip) {
        case 1:  // rectangle of width b and height h
            s.A = b * h;
            s.J = DikdortgenBurulmaFonksiyonu(b, h);
            s.Iy = h * b * b * b / 12.0;
            s.Iz = b * h * h * h / 12.0;
            s.Ay = 2.0 / 3.0 * s.A;
            s.hy = h;
            s.ey = h / 2.0;
            return true;
        case 2: {  // T
            if (b < bw || t > h) {
                Mesaj = "b<bw ve t>h olamaz";
                return false;
            }
            const double hw = h - t, fark = b - bw;
            s.A = bw * hw + b * t;
            s.J = DikdortgenBurulmaFonksiyonu(bw, h);
            s.Iy = (b * b * b * t + bw * bw * bw * hw) / 12.0;
            s.ey = ((h * h * bw + fark * t * t) / 2.0) / (b * t + hw * bw);
            s.Iz = (b * std::pow(s.ey, 3) + bw * std::pow(h - s.ey, 3) - fark * std::pow(s.ey - t, 3)) / 3.0;
            s.Ay = (h - t) * bw;
            s.hy = h;
            return true;
        }
        case 3: {  // I
            if (b < bw || 2.0 * t > h) {
                Mesaj = "b<bw ve h<2t olamaz";
                return false;
            }
            const double hw = h - 2.0 * t;
            s.A = 2.0 * b * t + hw * bw;
            s.J = DikdortgenBurulmaFonksiyonu(bw, h);
            s.Iy = (bw * bw * bw * hw + 2.0 * t * b * b * b) / 12.0;
            s.ey = h / 2.0;
            s.Iz = (b * h * h * h - (b - bw) * hw * hw * hw) / 12.0;
            s.Ay = (h - t) * bw;
            s.hy = h;
            return true;
        }
        case 4: {  // circle of diameter bw
            const double R = bw / 2.0;
            s.A = pi * R * R;
            s.J = pi * std::pow(R, 4) / 2.0;
            s.Iy = s.Iz = pi * std::pow(R, 4) / 4.0;
            s.Ay = 0.75 * s.A;
            s.hy = bw;
            s.ey = bw / 2.0;
            return true;
        }
        case 5: {  // ring of outer diameter bw and wall t
            if (bw - 2.0 * t < 0) {
                Mesaj = "bw ve t uyumsuz, halka oluşturmuyor";
                return false;
            }
            const double R = bw / 2.0, r = (bw - 2.0 * t) / 2.0;
            s.A = pi * (R * R - r * r);
            s.J = (std::pow(R, 4) - std::pow(r, 4)) * pi / 2.0;
            s.Iy = s.Iz = s.J / 2.0;
            s.Ay = s.A / 2.0;
            s.hy = bw;
            s.ey = R;
            return true;
        }
        case 6: {  // box: webs bw, flanges t
            if (2.0 * bw > b || 2.0 * t > h) {
                Mesaj = "b<2bw ve h<2t olamaz";
                return false;
            }
            const double bi = b - 2.0 * bw, hi = h - 2.0 * t;
            s.A = b * h - bi * hi;
            // Bredt's thin-walled formula on the mid-line of the walls
            s.J = 2.0 * t * bw * std::pow(b - bw, 2) * std::pow(h - t, 2) / (b * bw + h * t - bw * bw - t * t);
            s.Iy = (b * b * b * h - bi * bi * bi * hi) / 12.0;
            s.Iz = (h * h * h * b - hi * hi * hi * bi) / 12.0;
            s.Ay = 2.0 * bw * (h - t);
            s.hy = h;
            s.ey = h / 2.0;
            return true;
        }
        default:
            return true;
    }
}

std::string SekizBasamakMetni(double v) {
    if (v == 0 || !std::isfinite(v)) return GenelSayiMetni(v == 0 ? 0.0 : v);
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.7e", v);
    return GenelSayiMetni(std::strtod(tampon, nullptr));
}

// ---------------------------------------------------------------- catalogue

void ProfilDegerleri(const ProfilSatiri& p, KesitBoyutlari& d, KesitDegerleri& s) {
    d.bw = p.bw * 0.001;
    d.h = p.h * 0.001;
    d.b = p.b * 0.001;
    d.t = p.t * 0.001;
    s = {};
    s.A = p.A * 0.0001;
    s.J = 0.43 * (2.0 * d.b * std::pow(d.t, 3) + std::pow(d.bw, 3) * (d.h - d.t));
    s.Iy = p.iy * 1E-8;
    s.Iz = p.iz * 1E-8;
    s.Ay = (d.h - d.t) * d.bw;
    s.hy = d.h;
    s.ey = d.h / 2.0;
    s.Az = 2.0 * d.b * d.t;
    s.hz = d.b;
    s.ez = d.b / 2.0;
}

bool ProfilBul(const std::string& Ad, ProfilSatiri& p) {
    Tablo& t = Tablolar.Profiller;
    if (!t.Active() || Ad.empty() || !t.Locate("Kesit", Ad)) return false;
    p.Kesit = t.FieldByName("Kesit").AsString();
    p.h = t.FieldByName("h").AsFloat();
    p.b = t.FieldByName("b").AsFloat();
    p.bw = t.FieldByName("bw").AsFloat();
    p.t = t.FieldByName("t").AsFloat();
    p.A = t.FieldByName("A").AsFloat();
    p.iy = t.FieldByName("iy").AsFloat();
    p.iz = t.FieldByName("iz").AsFloat();
    return true;
}

std::string ProfilAilesi(const std::string& KesitTipiMetni) {
    if (KesitTipiMetni.find("profil") == std::string::npos) return {};
    return AyiracOncesi(AyiracSonrasi(KesitTipiMetni, ":"), " profil");
}

std::vector<std::string> ProfilListesi(const std::string& KesitTipiMetni) {
    std::vector<std::string> liste;
    const std::string aile = ProfilAilesi(KesitTipiMetni);
    Tablo& t = Tablolar.Profiller;
    if (aile.empty() || !t.Active()) return liste;
    for (t.First(); !t.Eof(); t.Next()) {
        std::string ad = t.FieldByName("Kesit").AsString();
        if (ad.find(aile) != std::string::npos) liste.push_back(std::move(ad));
    }
    std::sort(liste.begin(), liste.end());
    return liste;
}

int KayitliProfilSirasi(const std::vector<std::string>& Liste, double KayitliH) {
    const double hedef = KayitliH * 1000.0;
    int secim = -1;
    ProfilSatiri p;
    for (int i = 0; i < static_cast<int>(Liste.size()); ++i)
        if (ProfilBul(Liste[static_cast<std::size_t>(i)], p) &&
            std::fabs(std::nearbyint(p.h) - hedef) <= 1E-9 * std::max(1.0, std::fabs(hedef)))
            secim = i;
    return secim;
}

// ---------------------------------------------------------------- "Hesapla"

namespace {

struct BoyutOkuma {
    int Sira;  // 0 bw, 1 h, 2 b, 3 t
    const char* Mesaj;
};

// The dimensions each type reads, in order.
std::vector<BoyutOkuma> OkunanBoyutlar(int tip) {
    switch (tip) {
        case 1: return {{0, "b hatalı"}, {1, "h hatalı"}};
        case 2:
        case 3:
        case 6: return {{0, "bw hatalı"}, {1, "h hatalı"}, {2, "b hatalı"}, {3, "t hatalı"}};
        case 4: return {{0, "bw hatalı"}};
        case 5: return {{0, "bw hatalı"}, {3, "t hatalı"}};
        case 10: case 11: case 12: case 13: case 14: case 15: return {{1, "h hatalı"}};
        default: return {};
    }
}

KesitHesapSonucu Hatali(const std::string& mesaj, const char* baslik, const char* stil) {
    KesitHesapSonucu r;
    r.Mesaj = mesaj;
    r.Baslik = baslik;
    r.Stil = stil;
    return r;
}

}  // namespace

KesitHesapSonucu KesitHesapla(const std::string& KesitTipiMetni, const std::array<std::string, 4>& BoyutMetinleri,
                              const std::string& SeciliProfil) {
    if (KesitTipiMetni.empty() ||
        std::find(KesitTipleri.begin() + 1, KesitTipleri.end(), KesitTipiMetni) == KesitTipleri.end())
        return Hatali("Kesit seçilmemiş", "HATA:", "TamamHata1");

    const int tip = KesitTipiKodu(KesitTipiMetni);
    const bool profil = tip >= 10 && tip <= 15;
    if (profil && SeciliProfil.empty())
        return Hatali("Profil seçilmemiş. Profili listeden seçiniz (h(m): kutusuna çift tıklayın)", "UYARI:",
                      "TamamUyarı1");

    double boyut[4] = {0, 0, 0, 0};
    std::string mesaj;
    for (const BoyutOkuma& o : OkunanBoyutlar(tip))
        if (!GercelSayiMi(BoyutMetinleri[static_cast<std::size_t>(o.Sira)], boyut[o.Sira], 1E-10, 1E10))
            mesaj = o.Mesaj;
    if (!mesaj.empty()) return Hatali(mesaj, "HATA:", "TamamHata1");

    KesitHesapSonucu r;
    KesitDegerleri s;
    if (profil) {
        ProfilSatiri p;
        if (!ProfilBul(SeciliProfil, p))
            return Hatali(SeciliProfil + " profil tanımlı değil", "UYARI:", "TamamUyarı1");
        KesitBoyutlari d;
        ProfilDegerleri(p, d, s);
        r.Boyutlar = {GenelSayiMetni(d.bw), GenelSayiMetni(d.h), GenelSayiMetni(d.b), GenelSayiMetni(d.t)};
    } else {
        const KesitBoyutlari d{boyut[0], boyut[1], boyut[2], boyut[3]};
        // the rectangle's width is typed into "bw(m):"
        const KesitBoyutlari g = tip == 1 ? KesitBoyutlari{0, d.h, d.bw, 0} : d;
        if (!GeometrikKesitHesapla(tip, g, s, mesaj)) return Hatali(mesaj, "HATA:", "TamamHata1");
    }
    const auto v = s.Dizi();
    for (std::size_t i = 0; i < v.size(); ++i) r.Sonuclar[i] = SekizBasamakMetni(v[i]);
    r.Basarili = true;
    return r;
}

bool ProfilSec(const std::string& Ad, std::string& hMetni, std::string& Mesaj) {
    ProfilSatiri p;
    if (!ProfilBul(Ad, p)) {
        Mesaj = Ad + " profil tanımlı değil";
        return false;
    }
    Mesaj.clear();
    hMetni = GenelSayiMetni(p.h / 1000.0);
    return true;
}
