#include "drawing/CizimGeometrisi.h"

#include <algorithm>
#include <cmath>

#include "engine/CubukBoyu.h"
#include "engine/SistemDengeDenklemleri.h"
#include "model/LibU.h"
#include "model/ModelOku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/KullaniciArayuzu.h"
#include "platform/TabloyuAc.h"

TCizimDurumu CizimDurumu;

namespace {


int Yuvarla(double x) {
    const double r = std::nearbyint(x);
    return r == 0 ? 0 : static_cast<int>(r);
}

// h, v and d of a model point before scaling and rotation.
void Eksenler(double X, double Y, double Z, double& h, double& v, double& d) {
    const TCizimDurumu& c = CizimDurumu;
    const double k[4] = {0, X, Y, Z};
    h = c.EksenIsaretleri[0][c.YatayEksen] * k[c.YatayEksen];
    v = c.EksenIsaretleri[1][c.DuseyEksen] * k[c.DuseyEksen];
    d = k[c.DerinlikEksen];
    if (c.EksenTakimi == 2 || c.EksenTakimi == 3 || c.EksenTakimi == 6) d = -d;
    if (c.Boyut == 2 || c.Gorunus > 0) d = 0;
}

// The check of a range text pair, with the messages of the paint or, when
// Gorunus, of a view change (each number alone, the last one's fault first).
std::string AralikHatasi(const std::string& Ilk, const std::string& Son, int& IlkNo, int& SonNo, bool Gorunus) {
    const int n = CizimDurumu.ElemanSayisi;
    int i = 0, s = 0;
    const bool ilkTamam = TamSayiMi(BosluklariSil(Ilk), 1, n, i);
    const bool sonTamam = TamSayiMi(BosluklariSil(Son), 1, n, s);
    const char* hata = nullptr;
    if (Gorunus)
        hata = !sonTamam ? "Son eleman hatalı" : !ilkTamam ? "İlk eleman hatalı" : nullptr;
    else
        hata = !ilkTamam   ? "İlk eleman no hatalı"
               : !sonTamam ? "Son eleman no hatalı"
               : i > s     ? "İlk veya son eleman no hatalı"
                           : nullptr;
    if (hata) return hata;
    IlkNo = i;
    SonNo = s;
    return {};
}

// Where a model point lies on the screen relative to the model origin, in
// metres before the fit scale (x to the right, y upward): h, v and d with the
// scale factors (when Olcekli), turned by the rotation angles in the spatial
// picture, the depth taken by the oblique factor.
void Gorunum(double X, double Y, double Z, bool Olcekli, double& x, double& y) {
    const TCizimDurumu& c = CizimDurumu;
    double h, v, d;
    Eksenler(X, Y, Z, h, v, d);
    if (Olcekli) {
        h *= c.Olcekler[0] * c.Olcekler[1];
        v *= c.Olcekler[0] * c.Olcekler[2];
        d *= c.Olcekler[0] * c.Olcekler[3];
    }
    if (c.Boyut == 3 && c.Gorunus == 0) {
        const double r = 3.14159265358979323846 / 180;
        const double a1 = c.Acilar[0] * r, a2 = c.Acilar[1] * r, a3 = c.Acilar[2] * r;
        double v1 = v * std::cos(a1) - d * std::sin(a1);
        double d1 = v * std::sin(a1) + d * std::cos(a1);
        v = v1, d = d1;
        double h1 = h * std::cos(a2) - d * std::sin(a2);
        d1 = h * std::sin(a2) + d * std::cos(a2);
        h = h1, d = d1;
        h1 = h * std::cos(a3) - v * std::sin(a3);
        v1 = h * std::sin(a3) + v * std::cos(a3);
        h = h1, v = v1;
    }
    d *= c.EgikCarpan;
    x = h - d;
    y = v - d;
}

}  // namespace

int CizimNoktaSayisi(int ElemanTipi) {
    const ElemanTipiBilgisi* b = ElemanTipiBul(ElemanTipi);
    return b ? b->NoktaSayisi : 2;
}

int GecerliEksenTakimi(int ProjeEksenTakimi, int Boyut) {
    if (ProjeEksenTakimi < 1 || ProjeEksenTakimi > 6) return 1;
    if (Boyut == 2 && ProjeEksenTakimi != 1 && ProjeEksenTakimi != 3) return 1;
    return ProjeEksenTakimi;
}

std::array<const char*, 3> GorunusAdlari(int EksenTakimi) {
    static const std::array<const char*, 3> adlar[7] = {
        {"X-Y", "X-Z", "Y-Z"}, {"X-Y", "X-Z", "Y-Z"}, {"X-Z", "X-Y", "Z-Y"}, {"Y-X", "Y-Z", "X-Z"},
        {"Y-Z", "Y-X", "Z-X"}, {"Z-X", "Z-Y", "X-Y"}, {"Z-Y", "Z-X", "Y-X"}};
    return adlar[EksenTakimi >= 1 && EksenTakimi <= 6 ? EksenTakimi : 1];
}

std::string ElemanAraligiHatasi(const std::string& Ilk, const std::string& Son, int& IlkNo, int& SonNo) {
    return AralikHatasi(Ilk, Son, IlkNo, SonNo, false);
}

std::string GorunusAraligiHatasi(const std::string& Ilk, const std::string& Son, int& IlkNo, int& SonNo) {
    return AralikHatasi(Ilk, Son, IlkNo, SonNo, true);
}

bool CizimTablolariniDoldur(int Genislik, int Yukseklik) {
    TCizimDurumu& c = CizimDurumu;
    const std::string hata = GeometriHatasi();
    if (!hata.empty()) {
        MesajKutusu(hata, "HATA:", "TamamHata1");
        return false;
    }
    Tablo& ed = Tablolar.ED;
    Tablo& xyz = Tablolar.XYZ;
    Tablo& av = Tablolar.AnaVeriler;
    TabloyuAc(av);

    c = TCizimDurumu{};
    // The system type and the axis set of the project.
    av.First();
    int projeEksenTakimi = 1;
    if (!av.Eof()) {
        const std::string sistem = av.FieldByName("Sistem").AsString();
        TamSayiMi(AyiracOncesi(sistem, ":"), 1, 100, c.SistemTipi);
        TamSayiMi(av.FieldByName("KoordinatSistemiNo").AsString(), 1, 6, projeEksenTakimi);
        c.ProbleminTanimi = av.FieldByName("ProbleminTanimi").AsString();
    }
    c.Boyut = (c.SistemTipi == UzayKafesSistemi || c.SistemTipi == UzayCerceveSistemi) ? 3 : 2;
    c.EksenTakimi = GecerliEksenTakimi(projeEksenTakimi, c.Boyut);
    c.Genislik = Genislik;
    c.Yukseklik = Yukseklik;
    c.OrijinX = Genislik / 2;
    c.OrijinY = Yukseklik / 2;

    c.ElemanSayisi = ed.RecordCount();
    c.NoktaSayisi = xyz.RecordCount();
    c.ElemanCizimBilgisi.assign(static_cast<std::size_t>(c.ElemanSayisi) + 1, {});
    c.NoktaKoordinatlari.assign(static_cast<std::size_t>(c.NoktaSayisi) + 1, {});
    c.IlkEleman = 1;
    c.SonEleman = c.ElemanSayisi;

    bool kusurlu = false;
    for (int n = 1; n <= c.NoktaSayisi; ++n) {
        // A coordinate that is not a finite number is taken as 0.
        auto& k = c.NoktaKoordinatlari[n];
        NoktaKoordinatlariniOku(n, k[1], k[2], k[3]);
        for (int a = 1; a <= 3; ++a)
            if (!std::isfinite(k[a])) k[a] = 0, kusurlu = true;
    }

    Tablo& mb = Tablolar.MalzemeBilgileri;
    Tablo& kb = Tablolar.KesitBilgileri;
    int malzemesiz = 0;
    static const char* const kDugumAlanlari[5] = {"", "iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi"};
    for (int e = 1; e <= c.ElemanSayisi; ++e) {
        ed.Locate("ElemanNo", e);
        auto& s = c.ElemanCizimBilgisi[e];
        const int tip = ed.FieldByName("ElemanTipi").AsInteger();
        s[5] = tip;
        if (tip == DuzlemCerceveElemani || tip == CerceveEksenelYayi) {
            // The hinge code's digits; blanks are left out, anything else is noted.
            const std::string m = BosluklariSil(ed.FieldByName("MafsalTipi").AsString());
            int kod = 0;
            if (!m.empty() && !TamSayiMi(m, 0, 999999, kod)) kusurlu = true;
            s[6] = kod;
        }
        const int p = CizimNoktaSayisi(tip);
        for (int k = 1; k <= p; ++k) s[k] = ed.FieldByName(kDugumAlanlari[k]).AsInteger();

        // Size value: bars by their length, membranes and plates by their thickness.
        bool bulundu = mb.Active() && kb.Active() && mb.Locate("MalzemeNo", ed.FieldByName("MalzemeNo").AsInteger()) &&
                       kb.Locate("KesitNo", ed.FieldByName("KesitNo").AsInteger());
        double boy = 0;
        if (YuzeyElemaniMi(tip)) {
            const double A = bulundu ? kb.FieldByName("A").AsFloat() : 0;
            boy = std::isfinite(A) ? A * 100000 : 0;
        } else {
            const auto& a = c.NoktaKoordinatlari[s[1]];
            const auto& b = c.NoktaKoordinatlari[s[2]];
            boy = CubukBoyu(b[1] - a[1], b[2] - a[2], b[3] - a[3]) * 100;
        }
        const int deger = std::clamp(Yuvarla(boy), 0, 2000000000);
        int& enBuyuk = YuzeyElemaniMi(tip) ? c.EnBuyukYuzeyBoyu : c.EnBuyukCubukBoyu;
        enBuyuk = std::max(enBuyuk, deger);
        s[0] = deger;
        if (!bulundu) {
            ++malzemesiz;
            s[0] = 0;
            continue;
        }
        const double E = mb.FieldByName("E").AsFloat();
        if (tip == DuzlemEksenelYay || tip == UzayEksenelYay || tip == CerceveEksenelYayi || tip == CerceveDonmeYayi ||
            tip == CerceveEksenelVeDonmeYayi || tip == DepremIzolatoru ||
            !(E >= 1000.01 && E <= 1e10))
            s[0] = 0;
    }
    if (malzemesiz > 0)
        MesajKutusu(std::to_string(malzemesiz) +
                        " elemanın malzeme veya kesit bilgisi yok; bu elemanlar kırmızı çizilir",
                    "Uyarı:", "TamamUyari1");
    if (kusurlu)
        MesajKutusu("Bazı koordinat veya mafsal değerleri okunamadı; okunamayan değerler 0 alındı",
                    "Uyarı:", "TamamUyari1");
    return true;
}

void GorunusVeOlcekHesapla() {
    TCizimDurumu& c = CizimDurumu;
    c.Acilar[0] = c.Acilar[1] = c.Acilar[2] = 0;
    // h, v (with signs) and depth of each axis set, for view 0/1, 2 and 3.
    struct Eksen {
        int a, s;
    };
    struct Satir {
        Eksen h, v;
        int d;
        Eksen h2, v2, h3, v3;
    };
    static const Satir kTablo[7] = {
        {},
        {{1, 1}, {2, 1}, 3, {1, 1}, {3, -1}, {2, -1}, {3, -1}},
        {{1, 1}, {3, 1}, 2, {1, 1}, {2, 1}, {3, -1}, {2, 1}},
        {{2, 1}, {1, 1}, 3, {2, 1}, {3, 1}, {1, -1}, {3, 1}},
        {{2, 1}, {3, 1}, 1, {2, 1}, {1, -1}, {3, -1}, {1, -1}},
        {{3, 1}, {1, 1}, 2, {3, 1}, {2, -1}, {1, -1}, {2, -1}},
        {{3, 1}, {2, 1}, 1, {3, 1}, {1, 1}, {2, -1}, {1, 1}},
    };
    const Satir& t = kTablo[c.EksenTakimi >= 1 && c.EksenTakimi <= 6 ? c.EksenTakimi : 1];
    Eksen h = t.h, v = t.v;
    if (c.Gorunus == 2) h = t.h2, v = t.v2;
    if (c.Gorunus == 3) h = t.h3, v = t.v3;
    for (auto& satir : c.EksenIsaretleri)
        for (int& x : satir) x = 0;
    c.YatayEksen = h.a;
    c.DuseyEksen = v.a;
    c.DerinlikEksen = 6 - h.a - v.a;
    if (c.Gorunus <= 1) c.DerinlikEksen = t.d;
    c.EksenIsaretleri[0][h.a] = h.s;
    c.EksenIsaretleri[1][v.a] = v.s;

    c.EgikCarpan = c.Boyut == 2 ? 0 : 0.5;
    SigdirmeHesapla();
}

double DiyagramCarpani(int DiyagramCubugu) {
    const TCizimDurumu& c = CizimDurumu;
    return (c.SonEleman - c.IlkEleman < 20 ? 8 : 3) * DiyagramCubugu;
}

int CizimKenarPayi() { return static_cast<int>(DiyagramCarpani(10)) + 20; }

void SigdirmeHesapla() {
    TCizimDurumu& c = CizimDurumu;
    c.EnKucukH = c.EnKucukV = 100000;
    c.EnBuyukH = c.EnBuyukV = -100000;
    for (int e = c.IlkEleman; e <= c.SonEleman && e < static_cast<int>(c.ElemanCizimBilgisi.size()); ++e) {
        const auto& s = c.ElemanCizimBilgisi[e];
        for (int p = 1; p <= CizimNoktaSayisi(s[5]); ++p) {
            const int n = s[p];
            if (n < 1 || n > c.NoktaSayisi) continue;
            const auto& k = c.NoktaKoordinatlari[n];
            double x, y;
            Gorunum(k[1], k[2], k[3], false, x, y);
            c.EnKucukH = std::min(c.EnKucukH, x);
            c.EnBuyukH = std::max(c.EnBuyukH, x);
            c.EnKucukV = std::min(c.EnKucukV, y);
            c.EnBuyukV = std::max(c.EnBuyukV, y);
        }
    }
    if (c.EnKucukH > c.EnBuyukH) c.EnKucukH = c.EnBuyukH = c.EnKucukV = c.EnBuyukV = 0;

    const int m = CizimKenarPayi();
    const double genislik = std::max(1, c.Genislik - 2 * m);
    const double yukseklik = std::max(1, c.Yukseklik - kBaslikBandi - 2 * m);
    const double dh = c.EnBuyukH - c.EnKucukH, dv = c.EnBuyukV - c.EnKucukV;
    c.YatayOlcek = dh > 0 ? genislik / dh : 0;
    c.DuseyOlcek = dv > 0 ? yukseklik / dv : 0;
    if (c.YatayOlcek != 0 && c.DuseyOlcek != 0) c.YatayOlcek = c.DuseyOlcek = std::min(c.YatayOlcek, c.DuseyOlcek);
    c.SigdirmeOrijinX = Yuvarla(c.Genislik / 2.0 - c.YatayOlcek * (c.EnKucukH + c.EnBuyukH) / 2);
    c.SigdirmeOrijinY = Yuvarla((c.Yukseklik + kBaslikBandi) / 2.0 + c.DuseyOlcek * (c.EnKucukV + c.EnBuyukV) / 2);
}

void OrijiniAyarla() {
    TCizimDurumu& c = CizimDurumu;
    c.OrijinX = c.SigdirmeOrijinX;
    c.OrijinY = c.SigdirmeOrijinY;
}

void GorunusOrijiniAyarla() {
    TCizimDurumu& c = CizimDurumu;
    if (!c.OrijinTiklandi) {
        OrijiniAyarla();
        return;
    }
    if (c.Boyut == 2 && c.EnKucukH == 0) {
        const int y = c.OrijinY;
        OrijiniAyarla();
        c.OrijinY = y;
    }
}

void AcilariAyarla(int XCubugu, int YCubugu, int ZCubugu) {
    // Bars of the axes about the screen's horizontal, vertical and depth axis, by axis set.
    static const int kSira[7][3] = {{0, 1, 2}, {0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    const int cubuk[3] = {XCubugu, YCubugu, ZCubugu};
    const int t = CizimDurumu.EksenTakimi >= 1 && CizimDurumu.EksenTakimi <= 6 ? CizimDurumu.EksenTakimi : 1;
    for (int i = 0; i < 3; ++i) CizimDurumu.Acilar[i] = cubuk[kSira[t][i]];
}

QPoint Izdusum(double X, double Y, double Z) {
    const TCizimDurumu& c = CizimDurumu;
    double x, y;
    Gorunum(X, Y, Z, true, x, y);
    return {Yuvarla(c.OrijinX + x * c.YatayOlcek), Yuvarla(c.OrijinY - y * c.DuseyOlcek)};
}

QPoint NoktaIzdusumu(int Nokta) {
    const auto& k = CizimDurumu.NoktaKoordinatlari;
    if (Nokta < 1 || Nokta >= static_cast<int>(k.size())) return {};
    return Izdusum(k[Nokta][1], k[Nokta][2], k[Nokta][3]);
}

int YanIsareti() {
    const auto& s = CizimDurumu.EksenIsaretleri;
    const int det = s[0][1] * s[1][2] - s[0][2] * s[1][1];
    return det < 0 ? -1 : 1;
}

void YerDegistirmeleriAl() {
    TCizimDurumu& c = CizimDurumu;
    c.YerDegistirmeler.clear();
    const int d = NoktaSerbestlikSayisi;
    if (!Arayuz().YerDegistirmeliHesap() || d < 2 ||
        YerDegistirmeler.Length() <= static_cast<std::size_t>(c.NoktaSayisi) * d)
        return;
    c.YerDegistirmeler.assign(static_cast<std::size_t>(c.NoktaSayisi) + 1, {});
    const bool uc = c.SistemTipi == UzayKafesSistemi || c.SistemTipi == UzayCerceveSistemi;
    for (int n = 1; n <= c.NoktaSayisi; ++n) {
        auto& u = c.YerDegistirmeler[n];
        u = {YerDegistirmeler[(n - 1) * d + 1], YerDegistirmeler[(n - 1) * d + 2], uc ? YerDegistirmeler[(n - 1) * d + 3] : 0.0};
        for (double& x : u)
            if (!std::isfinite(x)) x = 0;
    }
}
