#include "input/KesitTipiDuzeni.h"

#include <algorithm>

#include "input/EditorKurallari.h"
#include "model/LibU.h"
#include "model/Tipler.h"

const std::array<KesitEditi, 15> KesitEditleri = {{
    {"A(m²)", "Çubuk elemanlarda kesit alanı, levha ve plaklarda kalınlık", "A"},
    {"J(m4):", "Kiriş eleman burulma atalet momenti", "ix"},
    {"Iy(m4):", "Kiriş eleman atalet momenti", "iy"},
    {"Iz(m4)", "Kiriş eleman atalet momenti", "Iz"},
    {"Ay(m²)", "y yönü kesme alanı. Sadece gerilme hesabı için gerekli", "Ay"},
    {"hy(m):", "y yönü kesit yüksekliği. Sadece sıcaklık ve gerilme hesabı için gerekli", "hy"},
    {"ey(m):",
     "Kesit ağırlık merkezinin y yönünde basınç lifine mesafesi. Sadece gerilme hesabı için gerekli", "ey"},
    {"Az(m²)", "z yönü kesme alanı. Sadece gerilme hesabı için gerekli", "Az"},
    {"hz(m):", "z yönü kesit yüksekliği. Sadece sıcaklık ve gerilme hesabı için gerekli", "hz"},
    {"ez(m):",
     "Kesit ağırlık merkezinin z yönünde basınç lifine mesafesi. Sadece gerilme hesabı için gerekli", "ez"},
    {"Wb(m³)", "Burulma mukavemet momenti. Sadece gerilme hesabı için gerekli", "Wb"},
    {"bw(m):", "", "bw"},
    {"h(m):", "", "h"},
    {"b(m):", "", "b"},
    {"t(m):", "", "t"},
}};

namespace {

constexpr double k = 1E-99;
using Sinir = std::array<double, 11>;
const Sinir Geometrik = {1E-9, k, k, k, 0, 0, 0, 0, 0, 0, 0};
const Sinir Profil = {k, k, k, k, 0, 0, 0, 0, 0, 0, 0};
const Sinir Kalinlik = {k, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

const EtiketDegisikligi YayEksenel{0, "Keksenel(kN/m):", "Yay eksenel rijitliği"};
const EtiketDegisikligi YayDonme{3, "Kdönme(kNm/Rad):", "Yay dönme rijitliği"};

constexpr std::array<bool, 4> Yok{false, false, false, false};
constexpr std::array<bool, 4> Hepsi{true, true, true, true};

const std::vector<KesitTipiDuzeni> Duzenler = {
    {1, "Kesit1", Geometrik, {}, true, {true, true, false, false}, false, false},
    {2, "Kesit2", Geometrik, {}, true, Hepsi, false, false},
    {3, "Kesit3", Geometrik, {}, true, Hepsi, false, false},
    {4, "Kesit4", Geometrik, {}, true, {true, false, false, false}, false, false},
    {5, "Kesit5", Geometrik, {}, true, {true, false, false, true}, false, false},
    {6, "Kesit6", Geometrik, {}, true, Hepsi, false, false},
    {7, "Kesit7", {1E-9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {YayEksenel}, false, Yok, false, false},
    {8, "Kesit8", {0, 0, 0, k, 0, 0, 0, 0, 0, 0, 0}, {YayDonme}, false, Yok, false, false},
    {9, "Kesit9", {k, 0, 0, k, 0, 0, 0, 0, 0, 0, 0}, {YayEksenel, YayDonme}, false, Yok, false, false},
    {10, "Kesit10", Profil, {}, true, Hepsi, true, true},
    {11, "Kesit11", Profil, {}, true, Hepsi, true, true},
    {12, "Kesit12", Profil, {}, true, Hepsi, true, true},
    {13, "Kesit13", Profil, {}, true, Hepsi, true, true},
    {14, "Kesit14", Profil, {}, true, Hepsi, true, true},
    {15, "Kesit15", Profil, {}, true, Hepsi, true, true},
    {29, "Kesit29", {k, 0, 0, 0, k, 0, 0, k, 0, 0, 0},
     {{0, "Keksenel(kN/m):", "İzolatör eksenel rijitliği"},
      {4, "Kesme(kN/m):", "İzolatör kesme rijitliği"},
      {7, "Kkesme(kN/m):", "İzolatör kesme rijitliği"}},
     false, Yok, false, false},
    {50, "Kesit50", Kalinlik, {{0, "t(m):", "Levha kalınlığı"}}, false, Yok, false, false, true},
    {60, "Kesit60", Kalinlik, {{0, "t(m):", "Plak kalınlığı"}}, false, Yok, false, false, true},
    {100, nullptr, {}, {}, false, Yok, false, false},
};

}  // namespace

const KesitTipiDuzeni* KesitTipiDuzeniBul(int Kod) {
    for (const auto& d : Duzenler)
        if (d.Kod == Kod) return &d;
    return nullptr;
}

int KesitTipiKodu(const std::string& KesitTipiMetni) { return ListeKodu(KesitTipiMetni, 32767); }

std::vector<std::string> SistemKesitTipleri(int SistemTipi) {
    std::vector<int> cikan;
    switch (SistemTipi) {
        case DuzlemKafesSistemi:
        case LevhaSistemi: cikan = {8, 9, 29, 60}; break;
        case UzayKafesSistemi: cikan = {8, 9, 29, 50, 60}; break;
        case DuzlemCerceveSistemi: cikan = {29, 50, 60}; break;
        case UzayCerceveSistemi: cikan = {7, 8, 9, 50, 60}; break;
        default: break;
    }
    std::vector<std::string> l;
    for (std::size_t i = 1; i < KesitTipleri.size(); ++i) {
        const int kod = KesitTipiKodu(KesitTipleri[i]);
        if (SistemTipi == PlakSistemi ? kod == 60 : std::find(cikan.begin(), cikan.end(), kod) == cikan.end())
            l.push_back(KesitTipleri[i]);
    }
    return l;
}

std::string KesitEditMesaji(const std::string& Etiket) { return AyiracOncesi(Etiket, "(") + " hatalı"; }

std::string KesitEditEtiketi(const KesitTipiDuzeni* d, int i) {
    std::string e = KesitEditleri[static_cast<std::size_t>(i)].Etiket;
    if (d)
        for (const auto& g : d->Degisiklikler)
            if (g.Edit == i) e = g.Etiket;
    return e;
}

std::string KesitDenetle(const std::string& KesitNo, int Kod, const std::array<std::string, 11>& Sonuclar) {
    std::string mesaj;
    int no = 0;
    if (!TamSayiMi(KesitNo, EnKucukMalzemeKesitNo, EnBuyukMalzemeKesitNo, no)) mesaj = "Kesit no hatalı";
    const KesitTipiDuzeni* d = KesitTipiDuzeniBul(Kod);
    for (int i = 0; i < 11; ++i) {
        double v = 0;
        const double alt = d ? d->EnKucukDeger[static_cast<std::size_t>(i)] : 0.0;
        if (!GercelSayiMi(Sonuclar[static_cast<std::size_t>(i)], v, alt, 1E200))
            mesaj = KesitEditMesaji(KesitEditEtiketi(d, i));
    }
    return mesaj;
}
