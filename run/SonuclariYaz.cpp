#include "run/SonuclariYaz.h"

#include <cmath>
#include <string>

#include "engine/CozumIyilestirme.h"
#include "engine/CubukBoyu.h"
#include "engine/ElemanKuvvetleriDosyasi.h"
#include "engine/ElemanMatrisleri.h"
#include "engine/ElemanUcKuvvetleri.h"
#include "engine/MotorYardim.h"
#include "model/LibU.h"
#include "model/RaporSutunu.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/KullaniciArayuzu.h"
#include "platform/TabloyuAc.h"

namespace {

void Satir(const std::string& s) { Arayuz().MemoEkle(s); }

// A value column keeps a blank before its value; a title is padded as it is.
std::string Sutun(const std::string& metin, int genislik) { return RaporSutunu(metin, genislik); }
std::string Baslik(const std::string& metin, int genislik) { return BaslikSutunu(metin, genislik); }
std::string BosSutun(int genislik) { return SolaDoldur(" ", ' ', genislik); }
std::string Cizgi(int uzunluk) { return SolaDoldur("", '-', uzunluk); }
std::string Tam(long long n) { return std::to_string(n); }

// A field's own text, by its kind: integers in decimal, reals in the general
// form, texts as stored; an empty (NULL) field gives an empty text.
std::string TamsayiAlani(Tablo& t, const char* ad) {
    Alan a = t.FieldByName(ad);
    return a.IsNull() ? std::string() : Tam(a.AsInteger());
}
std::string GercelAlani(Tablo& t, const char* ad) {
    Alan a = t.FieldByName(ad);
    return a.IsNull() ? std::string() : GenelSayiMetni(a.AsFloat());
}
std::string MetinAlani(Tablo& t, const char* ad) { return t.FieldByName(ad).AsString(); }

// Separator, title, column titles and rule of a section.
void BolumBasi(bool ilk, const std::string& baslik, const std::string& sutunBasliklari, int cizgi) {
    Satir(ilk ? " " : "");
    Satir(baslik);
    Satir(sutunBasliklari);
    Satir(Cizgi(cizgi));
}

// Walks a table from its first row as many rows as it holds.
template <typename F>
void Dolas(Tablo& t, F satirYaz) {
    TabloyuAc(t);
    int n = t.RecordCount();
    t.First();
    for (int i = 0; i < n; ++i) {
        satirYaz();
        t.Next();
    }
}

// The section text with the profile depth in mm before "profil":
// "12:IPE profil" with h = 0.2 gives "12:IPE200  profil".
std::string ProfilliKesitMetni(const std::string& kesit, double h) {
    auto p = kesit.find("profil");
    if (p == std::string::npos) return kesit;
    // Before the character that precedes "profil" (a whole UTF-8 character).
    std::size_t yer = p;
    if (yer > 0) {
        --yer;
        while (yer > 0 && (static_cast<unsigned char>(kesit[yer]) & 0xC0) == 0x80) --yer;
    }
    return kesit.substr(0, yer) + GenelSayiMetni(h * 1000) + " " + kesit.substr(yer);
}

}  // namespace

void MalzemeBilgileriniYaz() {
    Tablo& t = Tablolar.MalzemeBilgileri;
    BolumBasi(true, "MALZEME BİLGİLERİ:",
              Baslik("No", 6) + Baslik("E(kN/m²)", 12) + Baslik("Nu", 12) + Baslik("Ro(t/m³)", 12) +
                  Baslik("Alfa(1/°C)", 12) + "    Malzeme",
              75);
    Dolas(t, [&] {
        Satir(Sutun(TamsayiAlani(t, "MalzemeNo"), 6) + Sutun(GercelAlani(t, "E"), 12) +
              Sutun(GercelAlani(t, "Nu"), 12) + Sutun(GercelAlani(t, "Ro"), 12) +
              Sutun(GercelAlani(t, "Alfa"), 12) + "    " + MetinAlani(t, "Malzeme"));
    });
}

void KesitBilgileriniYaz() {
    Tablo& t = Tablolar.KesitBilgileri;
    BolumBasi(false, "KESİT BİLGİLERİ:",
              Baslik("No", 6) + Baslik("A(m²)", 12) + Baslik("J(m4)", 12) + Baslik("Iy(m4)", 12) +
                  Baslik("Iz(m4)", 12) + "    Kesit",
              75);
    Dolas(t, [&] {
        Satir(Sutun(TamsayiAlani(t, "KesitNo"), 6) + Sutun(GercelAlani(t, "A"), 12) +
              Sutun(GercelAlani(t, "ix"), 12) + Sutun(GercelAlani(t, "iy"), 12) +
              Sutun(GercelAlani(t, "iz"), 12) + "    " +
              ProfilliKesitMetni(MetinAlani(t, "Kesit"), t.FieldByName("h").AsFloat()));
    });
}

void KoordinatlariYaz() {
    Tablo& t = Tablolar.XYZ;
    BolumBasi(false, "KOORDİNATLAR:",
              Baslik("Nokta", 6) + Baslik("X(m)", 12) + Baslik("Y(m)", 12) + Baslik("Z(m)", 12), 55);
    Dolas(t, [&] {
        Satir(Sutun(TamsayiAlani(t, "NoktaNo"), 6) +
              YuvarlanmisSutun(t.FieldByName("X1").AsFloat(), 4, 12) +
              YuvarlanmisSutun(t.FieldByName("X2").AsFloat(), 4, 12) +
              YuvarlanmisSutun(t.FieldByName("X3").AsFloat(), 4, 12));
    });
}

void ElemanNoktaBaginiYaz() {
    Tablo& t = Tablolar.ED;
    BolumBasi(false, "ELEMAN-NOKTA BAĞI:",
              Baslik("Eleman", 6) + Baslik("Tip", 6) + Baslik("i Noktası", 12) + Baslik("j noktası", 12) +
                  Baslik("k noktası", 12) + Baslik("L noktası", 12) + Baslik("Mal No", 12) +
                  Baslik("Kesit No", 12) + "    Mafsal tipi",
              100);
    Dolas(t, [&] {
        Satir(Sutun(TamsayiAlani(t, "ElemanNo"), 6) + Sutun(TamsayiAlani(t, "ElemanTipi"), 6) +
              Sutun(TamsayiAlani(t, "iNoktasi"), 12) + Sutun(TamsayiAlani(t, "jNoktasi"), 12) +
              Sutun(TamsayiAlani(t, "kNoktasi"), 12) + Sutun(TamsayiAlani(t, "LNoktasi"), 12) +
              Sutun(TamsayiAlani(t, "MalzemeNo"), 12) + Sutun(TamsayiAlani(t, "KesitNo"), 12) +
              "    " + MetinAlani(t, "MafsalTipi"));
    });
}

void DugumTekilYukleriniYaz() {
    Tablo& t = Tablolar.TYUK;
    TabloyuAc(t);
    if (t.RecordCount() < 1) return;
    BolumBasi(false, "DÜĞÜM TEKİL YÜKLERİ:",
              Baslik("Nokta", 6) + Baslik("Px(kN)", 12) + Baslik("Py(kN)", 12) + Baslik("Pz(kN)", 12) +
                  Baslik("Mx(kNm)", 12) + Baslik("My(kNm)", 12) + Baslik("Mz(kNm)", 12),
              80);
    Dolas(t, [&] {
        std::string s = Sutun(TamsayiAlani(t, "NoktaNo"), 6);
        for (const char* ad : {"Px", "Py", "Pz", "Mx", "My", "Mz"}) s += Sutun(GercelAlani(t, ad), 12);
        Satir(s);
    });
}

void ElemanYukleriniYaz() {
    Tablo& t = Tablolar.EYUK;
    TabloyuAc(t);
    if (t.RecordCount() < 1) return;
    BolumBasi(false, "ELEMAN YÜKLERİ:",
              Baslik("Eleman", 6) + Baslik("Yuk No", 10) + Baslik("Yuk tipi", 10) + Baslik("Yuk", 12) +
                  Baslik("a mesafesi", 12) + Baslik("b mesafesi", 12) + Baslik("Yuk1", 12),
              75);
    Dolas(t, [&] {
        Satir(Sutun(TamsayiAlani(t, "ElemanNo"), 6) + Sutun(TamsayiAlani(t, "YukNo"), 10) +
              Sutun(TamsayiAlani(t, "YukTipi"), 10) + Sutun(GercelAlani(t, "Yuk"), 12) +
              Sutun(GercelAlani(t, "aMesafesi"), 12) + Sutun(GercelAlani(t, "bMesafesi"), 12) +
              Sutun(GercelAlani(t, "Yuk1"), 12));
    });
}

void SinirKosullariniYaz() {
    Tablo& t = Tablolar.SK;
    BolumBasi(false, "SINIR KOŞULLARI:",
              Baslik("Nokta", 6) + Baslik("Ux(m)", 15) + Baslik("Uy(m)", 15) + Baslik("Uz(m)", 15) +
                  Baslik("Dönme X(rad)", 15) + Baslik("Dönme Y(rad)", 15) + Baslik("Dönme Z(rad)", 15),
              100);
    Dolas(t, [&] {
        std::string s = Sutun(TamsayiAlani(t, "NoktaNo"), 6);
        for (const char* ad : {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"}) s += Sutun(MetinAlani(t, ad), 15);
        Satir(s);
    });
}

// ------------------------------------------------------------ element forces

namespace {

void KuvvetBasliklari(std::string& s) {
    auto ekle = [&](std::initializer_list<const char*> l) {
        for (const char* b : l) s += Baslik(b, 12);
    };
    switch (SistemTipi) {
        case DuzlemKafesSistemi:
        case UzayKafesSistemi: ekle({"Normal(kN)"}); break;
        case DuzlemCerceveSistemi: ekle({"Normal(kN)", "Vy(kN)", "Mz(kNm)"}); break;
        case UzayCerceveSistemi: ekle({"Normal(kN)", "Vy(kN)", "Vz(kN)", "Mx(kNm)", "My(kNm)", "Mz(kNm)"}); break;
        case LevhaSistemi: ekle({"Sx(kN)", "Sy(kN)"}); break;
        case PlakSistemi: ekle({"Sz(kN)", "Mx(kNm/m)", "My(kNm/m)"}); break;
        default: break;
    }
}

const char* const DugumAlanlari[5] = {"", "iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi"};

bool CubukMu(int tip) {
    return tip == DuzlemKafesElemani || tip == UzayKafesElemani || tip == DuzlemCerceveElemani ||
           tip == UzayCerceveElemani;
}

// A bar's end forces as one line of the element force file.
void KuvvetDosyasinaYaz() {
    if (!CubukMu(OkunanElemanTipi)) return;
    for (int k = 1; k <= ElemanSerbestlikSayisi; ++k) ElemanKuvvetleriDosyasi.SayiYaz(ElemanUcKuvvetleri[k]);
    ElemanKuvvetleriDosyasi.SatirSonu();
}

// In the calculation mode with displacements, the end displacements of the
// element along and across its axis (plane trusses, membranes and plane
// frames), written with its row of the drawing table. A bar of zero length
// has no axis and gets none.
void UcYerDegistirmeleriniYaz(Tablo& cizim) {
    if (!Arayuz().YerDegistirmeliHesap()) return;
    const bool kafes = SistemTipi == DuzlemKafesSistemi || SistemTipi == LevhaSistemi;
    if (!kafes && SistemTipi != DuzlemCerceveSistemi) return;
    // The axis only: the element's length (ElemanBoyu), which the buckling
    // check reads after this row, stays as the element routine set it.
    const CubukEkseni eksen =
        CubukEkseniHesapla(OkunanjX1 - OkunaniX1, OkunanjX2 - OkunaniX2, OkunanjX3 - OkunaniX3, false);
    if (eksen.Sifir) return;
    const double dx = eksen.dx, dy = eksen.dy, L = eksen.L;
    const int d = NoktaSerbestlikSayisi;
    auto U = [&](int p, int k) { return YerDegistirmeler[(p - 1) * d + k]; };
    const double cs = dx / L, sn = dy / L;
    const int i = OkunaniNoktasi, j = OkunanjNoktasi;
    if (kafes) {
        cizim.FieldByName("u1").SetFloat(cs * U(i, 1) + sn * U(i, 2));
        cizim.FieldByName("u2").SetFloat(cs * U(j, 1) + sn * U(j, 2));
    } else {
        cizim.FieldByName("u1").SetFloat(cs * U(i, 1) + sn * U(i, 2));
        cizim.FieldByName("u2").SetFloat(-sn * U(i, 1) + cs * U(i, 2));
        cizim.FieldByName("u3").SetFloat(U(i, 3));
        cizim.FieldByName("u4").SetFloat(cs * U(j, 1) + sn * U(j, 2));
        cizim.FieldByName("u5").SetFloat(-sn * U(j, 1) + cs * U(j, 2));
        cizim.FieldByName("u6").SetFloat(U(j, 3));
    }
}

// The element's row of the drawing table: its type, nodes and end forces
// (at most twelve) rounded to two decimals.
void CizimSatiriYaz(Tablo& cizim, int e, const int dugum[5]) {
    const int n = ElemaninNoktadakiKuvvetSayisi;
    cizim.Append();
    cizim.FieldByName("ElemanNo").SetInteger(e);
    cizim.FieldByName("ElemanTipi").SetInteger(OkunanElemanTipi);
    cizim.FieldByName("ElemaninNoktadakiKuvvetSayisi").SetInteger(n);
    for (int p = 1; p <= ElemanNoktaSayisi && p <= 4; ++p) {
        cizim.FieldByName(DugumAlanlari[p]).SetInteger(dugum[p]);
        if (dugum[p] == 0) continue;
        for (int k = 1; k <= n; ++k) {
            const int yer = (p - 1) * n + k;
            if (yer <= 12) cizim.FieldByName("S" + Tam(yer)).SetFloat(Yuvarla(ElemanUcKuvvetleri[yer], 2));
        }
    }
    UcYerDegistirmeleriniYaz(cizim);
    cizim.Post();
}

// One report line per node of the element: the node, the element on the
// first line, and the end forces at that node.
void KuvvetSatirlariniYaz(int e, const int dugum[5]) {
    const int n = ElemaninNoktadakiKuvvetSayisi;
    for (int p = 1; p <= ElemanNoktaSayisi && p <= 4; ++p) {
        if (dugum[p] == 0) continue;
        std::string satir = Sutun(Tam(dugum[p]), 8) + (p == 1 ? Sutun(Tam(e), 8) : BosSutun(8));
        for (int k = 1; k <= n; ++k) satir += YuvarlanmisSutun(ElemanUcKuvvetleri[(p - 1) * n + k], 2, 12);
        Satir(satir);
    }
}

// Euler buckling of a compressed bar: a line under its forces.
void BurkulmaDenetle(int e) {
    if (!CubukMu(OkunanElemanTipi)) return;
    const double P = Yuvarla(ElemanUcKuvvetleri[1], 2);
    if (P > 0 && OkunanJ != 0 && OkunanIy != 0) {
        double I = OkunanIz < OkunanIy ? OkunanIz : OkunanIy;
        double PE = Yuvarla(9.869604401089358 * OkunanE * I / ElemanBoyu / ElemanBoyu, 2);
        if (P >= PE)
            Satir("----->" + Tam(e) + " nolu eleman burkuldu(P_Eksenel=" + GenelSayiMetni(P) +
                  " kN> P_Euler=" + GenelSayiMetni(PE) + " kN)");
    }
}

}  // namespace

void ElemanKuvvetleriniYaz() {
    Tablo& cizim = Tablolar.ElemanKuvvetleriCizim;
    TabloyuAc(cizim);
    cizim.TumunuSil();
    ElemanKuvvetleriDosyasi.Olustur();

    std::string baslik = Baslik("Nokta", 8) + Baslik("Eleman", 8);
    KuvvetBasliklari(baslik);
    BolumBasi(false, "ELEMAN KUVVETLERİ:", baslik, 88);

    if (ElemanSayisi < 1) {
        ElemanKuvvetleriDosyasi.YazmayiBitir();
        cizim.Close();
        return;
    }

    // The rows go in one transaction, committed and the table closed whatever
    // ends the loop.
    struct Islem {
        Tablo& t;
        explicit Islem(Tablo& t) : t(t) { t.IslemBaslat(); }
        ~Islem() {
            try {
                if (t.Durum() != TabloDurumu::Gozatma) t.Cancel();
                t.IslemOnayla();
                t.Close();
            } catch (...) {
            }
        }
    };
    Islem islem(cizim);
    for (int e = 1; e <= ElemanSayisi; ++e) {
        if (!ElemanUcKuvvetleriniHesapla(e)) break;
        const int dugum[5] = {0, OkunaniNoktasi, OkunanjNoktasi, OkunankNoktasi, OkunanLNoktasi};
        KuvvetDosyasinaYaz();
        CizimSatiriYaz(cizim, e, dugum);
        KuvvetSatirlariniYaz(e, dugum);
        BurkulmaDenetle(e);
    }
    ElemanKuvvetleriDosyasi.YazmayiBitir();
}

// ------------------------------------------------------------ reactions, stresses, displacements

void ReaksiyonlariYaz() {
    BolumBasi(false, "REAKSİYONLAR:",
              Baslik("Nokta", 8) + Baslik("Rx(kN)", 10) + Baslik("Ry(kN)", 10) + Baslik("Rz(kN)", 10) +
                  Baslik("Mx(kNm)", 10) + Baslik("My(kNm)", 10) + Baslik("Mz(kNm)", 10),
              70);
    Tablo& t = Tablolar.SK;
    const int taban = BilinmeyenSayisi - SinirKosuluSayisi;
    int c = 0;
    Dolas(t, [&] {
        std::string s = Sutun(Tam(t.FieldByName("NoktaNo").AsInteger()), 8);
        for (const char* ad : {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"}) {
            if (!SinirKosuluTutar(t.FieldByName(ad).AsString())) {
                s += BosSutun(10);
            } else {
                ++c;
                const int k = taban + c;
                double r = (k >= 1 && static_cast<std::size_t>(k) < Bilinmeyenler.Length()) ? -Bilinmeyenler[k]
                                                                                             : NAN;
                s += YuvarlanmisSutun(r, 2, 10);
            }
        }
        Satir(s);
    });
}

void GerilmeleriYaz() {
    ElemanKuvvetleriDosyasi.OkumakIcinAc();
    Satir("");
    Satir("GERİLMELER:");
    auto basliklar = [](std::initializer_list<const char*> l) {
        std::string s = Baslik("Eleman", 6) + Baslik("Nokta", 6);
        for (const char* b : l) s += Baslik(b, 18);
        return s;
    };
    switch (SistemTipi) {
        case DuzlemKafesSistemi:
        case UzayKafesSistemi: Satir(Baslik("Eleman", 6) + BosSutun(6) + Baslik("Sigxx(kN/m²)", 18)); break;
        case DuzlemCerceveSistemi: Satir(basliklar({"Sigxx-Üst(kN/m²)", "Sigxx-Alt(kN/m²)", "Sigxy(kN/m²)"})); break;
        case UzayCerceveSistemi:
            Satir(basliklar({"Sigxx-Üst(kN/m²)", "Sigxx-Alt(kN/m²)", "Sigxy(kN/m²)", "Sigxx-Sağ(kN/m²)",
                             "Sigxx-Sol(kN/m²)", "Sigxz(kN/m²)"}));
            break;
        case LevhaSistemi:
        case PlakSistemi:
            Satir(basliklar({"Sigxx(kN/m²)", "Sigyy(kN/m²)", "Sigxy(kN/m²)", "SigMax(kN/m²)", "SigMin(kN/m²)",
                             "Fi(derece)"}));
            break;
        default: break;
    }
    Satir(Cizgi(115));
    for (int e = 1; e <= ElemanSayisi; ++e) {
        TuretElemanNo = e;
        ElemanMatrisleriniKur(e, 4);
        if (Hata != 0) break;
    }
}

void YerDegistirmeleriYaz() {
    if (!Arayuz().YerDegistirmeliHesap()) return;
    BolumBasi(false, "YER DEĞİŞTİRMELER:",
              Baslik("Nokta", 6) + Baslik("Ux(m)", 15) + Baslik("Uy(m)", 15) + Baslik("Uz(m)", 15) +
                  Baslik("Dönme X(rad)", 15) + Baslik("Dönme Y(rad)", 15) + Baslik("Dönme Z(rad)", 15),
              100);
    const int d = NoktaSerbestlikSayisi;
    auto U = [&](int k) {
        return static_cast<std::size_t>(k) < YerDegistirmeler.Length() ? YerDegistirmeler[k] : NAN;
    };
    for (int n = 1; n <= NoktaSayisi; ++n) {
        std::string s = Sutun(Tam(n), 6);
        const int t = (n - 1) * d;
        switch (SistemTipi) {
            case DuzlemKafesSistemi:
            case UzayKafesSistemi:
            case UzayCerceveSistemi:
            case LevhaSistemi:
                for (int k = 1; k <= d; ++k) s += YuvarlanmisSutun(U(t + k), 6, 15);
                break;
            case DuzlemCerceveSistemi:
                s += YuvarlanmisSutun(U(t + 1), 6, 15) + YuvarlanmisSutun(U(t + 2), 6, 15) + BosSutun(15) +
                     BosSutun(15) + BosSutun(15) + YuvarlanmisSutun(U(t + 3), 6, 15);
                break;
            case PlakSistemi:
                s += BosSutun(15) + BosSutun(15) + YuvarlanmisSutun(U(t + 1), 6, 15) +
                     YuvarlanmisSutun(U(t + 2), 6, 15) + YuvarlanmisSutun(U(t + 3), 6, 15);
                break;
            default: break;
        }
        Satir(s);
    }
}

// ------------------------------------------------------------ driver

void TumSonuclariYaz() {
    Tablo& ana = Tablolar.AnaVeriler;
    TabloyuAc(ana);
    ana.First();
    Satir("SİSTEM:" + ana.FieldByName("Sistem").AsString());
    Satir("Nokta sayısı: " + Tam(NoktaSayisi) + ",  Eleman sayısı: " + Tam(ElemanSayisi));
    Satir("Sınır koşullu nokta sayısı: " + Tam(SinirKosulluNoktaSayisi) +
          ", Sınır koşulu sayısı: " + Tam(SinirKosuluSayisi));
    Satir("Yüklü nokta sayısı: " + Tam(YukluNoktaSayisi) + ",  Mafsal sayısı: " + Tam(MafsalSayisi));
    Satir("Denklem sayısı: " + Tam(DenklemSayisi) + ",  Bilinmeyen yayısı: " + Tam(BilinmeyenSayisi) +
          ",  Hiperstatiklik derecesi: " + Tam(HiperstatiklikDerecesi));
    if (TemelSistemMekanizmayaYakin) Satir(kMekanizmayaYakinUyarisi);

    MalzemeBilgileriniYaz();
    KesitBilgileriniYaz();
    KoordinatlariYaz();
    ElemanNoktaBaginiYaz();
    DugumTekilYukleriniYaz();
    ElemanYukleriniYaz();
    SinirKosullariniYaz();
    ElemanKuvvetleriniYaz();
    ReaksiyonlariYaz();
    GerilmeleriYaz();
    YerDegistirmeleriYaz();
    CalismaBellegiGoster();
}
