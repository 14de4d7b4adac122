#include "model/Oku.h"

#include <charconv>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "model/AnahtarDenetimi.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/KullaniciArayuzu.h"
#include "platform/TurkceMetin.h"

namespace {

// Node and element numbers live in 16-bit key columns.
constexpr long long EnKucukNo = 1;
constexpr long long EnBuyukNo = DosyaEnBuyukNo;

void HataGoster(const std::string& metin) { MesajKutusu(metin, "HATA:", "TamamHata1"); }

std::string TamSayiMetni(long long v) { return std::to_string(v); }

bool AraliktaMi(long long n) { return n >= EnKucukNo && n <= EnBuyukNo; }

// A single number in a key column: refused with a message unless it is an
// integer in 1..32767.
bool DuzNumara(const std::string& anahtar, int& no) {
    if (DuzAnahtarCoz(anahtar, EnBuyukNo, no)) return true;
    Hata = 1;
    if (anahtar.empty())
        HataGoster("Numarası boş bir satır var, numara 1..32767 aralığında bir tam sayı olmalı");
    else
        HataGoster(anahtar + " numarası 1..32767 aralığında bir tam sayı olmalı");
    return false;
}

// A generation key after the generation rule: the signed steps, the step
// counts m1 and m2, and the numbers Baş + Adım1*I + Adım2*J it stands for.
struct TuretAnahtari {
    std::string Metin;  // as used in messages
    long long Bas = 0, Son1 = 0, Adim1 = 0, Son2 = 0, Adim2 = 0;
    long long m1 = 0, m2 = 0;
    bool IkiYonlu = false;  // a second step was given (before the rule)
    long long No(long long I, long long J) const { return Bas + Adim1 * I + Adim2 * J; }
};

// Splits and checks a generation key with the editors' own key check (the
// numbers bounded by the 16-bit key columns). A key that cannot be expanded
// soundly is refused here, before anything of it is written: the message is
// shown, Hata is set and false returned (Sessiz: only false).
bool AnahtariHazirla(const std::string& metin, TuretAnahtari& a, bool Sessiz = false) {
    a = TuretAnahtari{};
    a.Metin = metin;
    auto reddet = [&](const std::string& neden) {
        if (Sessiz) return false;
        Hata = 1;
        HataGoster(metin + "->" + neden + ", türet tamamlanamadı");
        return false;
    };

    TuretBilesenleri p;
    if (!TuretParcala(metin, p))
        return reddet(" türet anahtarı Baş,Son1,Adım1,Son2,Adım2 biçiminde beş tam sayı olmalı");
    long long kotu = 0;
    switch (TuretDenetle(p, EnBuyukNo, kotu)) {
    case AnahtarKusuru::Yok: break;
    case AnahtarKusuru::Adim1: return reddet(" Adım1 sıfırdan büyük olmalı");
    case AnahtarKusuru::Adim2: return reddet(" Adım2 negatif olamaz");
    case AnahtarKusuru::Aralik:
    case AnahtarKusuru::TuretAralik:
        return reddet(TamSayiMetni(kotu) + " numarası 1..32767 aralığında değil");
    case AnahtarKusuru::Esit:
    case AnahtarKusuru::Varilamiyor: return reddet(" verilen adımla başlangıçtan sona varılamıyor");
    case AnahtarKusuru::CokFazla: return reddet(" türet 32767'den fazla numara üretiyor");
    case AnahtarKusuru::Tekrar: return reddet(TamSayiMetni(kotu) + " numarası birden çok kez türetiliyor");
    }

    a.Bas = p.Bas;
    a.Son1 = p.Son1;
    a.Son2 = p.Son2;
    a.IkiYonlu = p.Adim2 != 0;
    if (!a.IkiYonlu) a.Son2 = a.Bas;
    const TuretAdimlari d = TuretAdimlariniBul(p);
    a.m1 = d.M1;
    a.m2 = d.M2;
    a.Adim1 = d.D1;
    a.Adim2 = d.D2;
    return true;
}

// Walks the numbers of a key, the first direction inside the second;
// stops when the step returns false.
void Tara(const TuretAnahtari& a, const std::function<bool(long long I, long long J, int no)>& adim) {
    for (long long J = 0; J <= a.m2; ++J)
        for (long long I = 0; I <= a.m1; ++I)
            if (!adim(I, J, static_cast<int>(a.No(I, J)))) return;
}

// A node number stepped along a key: x0 + I*d1 + J*d2. A number that stays 0
// all along is a node the element type does not have; any other must lie in
// 1..32767 at every corner of the range.
bool AdimliNoktaUygun(const TuretAnahtari& a, long long x0, long long d1, long long d2,
                      long long& kotu) {
    if (x0 == 0 && d1 == 0 && d2 == 0) return true;
    for (long long J : {0LL, a.m2})
        for (long long I : {0LL, a.m1}) {
            long long x = x0 + I * d1 + J * d2;
            if (!AraliktaMi(x)) {
                kotu = x;
                return false;
            }
        }
    return true;
}

// Copies one value field; an empty (NULL) value stays empty.
void AlanKopyala(Tablo& kaynak, Tablo& hedef, const char* ad, bool metin) {
    Alan k = kaynak.FieldByName(ad);
    Alan h = hedef.FieldByName(ad);
    if (k.IsNull())
        h.Clear();
    else if (metin)
        h.SetString(k.AsString());
    else
        h.SetFloat(k.AsFloat());
}

// The key text of the current source row: without blanks, or as it is.
std::string AnahtarMetni(Tablo& kaynak, const char* alan, bool BosluklarKalir) {
    std::string m = kaynak.FieldByName(alan).AsString();
    return BosluklarKalir ? m : BosluklariSil(m);
}

// Walks the rows of a reader's source. A row's key is either one number,
// checked by DuzNumara and handed to Duz, or a generation key, checked by
// AnahtariHazirla and handed to Turet; SatirBasi, when given, comes first
// (reads and checks the row's values). The walk ends at a refused key or
// when a step returns false (having set Hata); true: every row was walked.
bool KaynagiDolas(Tablo& kaynak, const char* anahtarAlani, bool BosluklarKalir,
                  const std::function<bool(const std::string& anahtar)>& SatirBasi,
                  const std::function<bool(const std::string& anahtar, int no)>& Duz,
                  const std::function<bool(const TuretAnahtari& a)>& Turet) {
    for (kaynak.First(); !kaynak.Eof(); kaynak.Next()) {
        const std::string anahtar = AnahtarMetni(kaynak, anahtarAlani, BosluklarKalir);
        if (SatirBasi && !SatirBasi(anahtar)) return false;
        if (!TuretAnahtariMi(anahtar)) {
            int no = 0;
            if (!DuzNumara(anahtar, no) || !Duz(anahtar, no)) return false;
        } else {
            TuretAnahtari a;
            if (!AnahtariHazirla(anahtar, a) || !Turet(a)) return false;
        }
    }
    return true;
}

// Puts the table in edit on the row of key no, or appends a row with that key:
// a later row for the same number overwrites the earlier one.
void AnahtarSatirinaYaz(Tablo& t, const char* alan, int no) {
    if (t.Locate(alan, no))
        t.Edit();
    else
        t.Append();
    t.FieldByName(alan).SetInteger(no);
}

// An empty source: refused only during a calculation started by "Hesapla"
// (not during the geometry-only pass of "Çiz", an editor's save or an open).
bool KaynakBos(Tablo& kaynak, const char* mesaj) {
    if (kaynak.RecordCount() > 0) return false;
    const KullaniciArayuzu& a = Arayuz();
    if (mesaj && a.HesapYapiliyor() && !a.SadeceGeometriOkunuyor()) {
        Hata = 1;
        HataGoster(mesaj);
    }
    return true;
}

// Runs a reader's writing of its target in one transaction (emptying it
// first when Bosalt). Rows written before a failure stay, so the transaction
// is committed in every case. A database refusal (a value that does not fit
// a column, a damaged file) ends the reader with its message and Hata set.
void HedefeYaz(Tablo& hedef, bool Bosalt, const std::function<void()>& govde) {
    bool islemAcik = false;
    try {
        hedef.IslemBaslat();
        islemAcik = true;
        if (Bosalt) hedef.TumunuSil();
        govde();
    } catch (const std::exception& e) {
        try {
            hedef.Cancel();
        } catch (...) {
        }
        Hata = 1;
        HataGoster(e.what());
    }
    if (islemAcik) {
        try {
            hedef.IslemOnayla();
        } catch (const std::exception& e) {
            Hata = 1;
            HataGoster(e.what());
        }
    }
}

// ---------------------------------------------------------------- nodes

void NoktalariTuret(const TuretAnahtari& a) {
    Tablo& xyz = Tablolar.XYZ;
    double P[3][3] = {};
    const long long uclar[3] = {a.Bas, a.Son1, a.Son2};
    long long eksik = 0;
    for (int u = 0; u < 3; ++u) {
        if (xyz.Locate("NoktaNo", static_cast<int>(uclar[u]))) {
            P[u][0] = xyz.FieldByName("X1").AsFloat();
            P[u][1] = xyz.FieldByName("X2").AsFloat();
            P[u][2] = xyz.FieldByName("X3").AsFloat();
        } else {
            Hata = 1;
            eksik = uclar[u];
        }
    }
    if (Hata != 0) {
        HataGoster(a.Metin + "->" + TamSayiMetni(eksik) + " noktası tanımsız, türet tamamlanamadı");
        return;
    }
    double d1[3], d2[3];
    for (int c = 0; c < 3; ++c) {
        d1[c] = (P[1][c] - P[0][c]) / static_cast<double>(a.m1);
        d2[c] = a.IkiYonlu ? (P[2][c] - P[0][c]) / static_cast<double>(a.m2) : 0.0;
    }
    double B[3];
    long long sonJ = -1;
    Tara(a, [&](long long I, long long J, int no) {
        if (J != sonJ) {
            for (int c = 0; c < 3; ++c) B[c] = P[0][c] + static_cast<double>(J) * d2[c];
            sonJ = J;
        }
        TuretNoktaNo = no;
        AnahtarSatirinaYaz(xyz, "NoktaNo", no);
        xyz.FieldByName("X1").SetFloat(B[0] + static_cast<double>(I) * d1[0]);
        xyz.FieldByName("X2").SetFloat(B[1] + static_cast<double>(I) * d1[1]);
        xyz.FieldByName("X3").SetFloat(B[2] + static_cast<double>(I) * d1[2]);
        xyz.Post();
        return true;
    });
}

// ---------------------------------------------------------------- elements

struct EDSatiri {
    int Tip = 0;
    long long N[4] = {};  // i, j, k, L
};

bool EDOku(int no, EDSatiri& s) {
    Tablo& ed = Tablolar.ED;
    if (!ed.Locate("ElemanNo", no)) return false;
    s.Tip = ed.FieldByName("ElemanTipi").AsInteger();
    s.N[0] = ed.FieldByName("iNoktasi").AsInteger();
    s.N[1] = ed.FieldByName("jNoktasi").AsInteger();
    s.N[2] = ed.FieldByName("kNoktasi").AsInteger();
    s.N[3] = ed.FieldByName("LNoktasi").AsInteger();
    return true;
}

const char* const NoktaAlanlari[4] = {"iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi"};

// Bar elements step their i and j nodes and take k and the type of the
// start element; surface elements step all four nodes.
void ElemanlariTuret(const TuretAnahtari& a, bool Yuzey) {
    Tablo& ed = Tablolar.ED;
    EDSatiri uc[3];
    const long long uclar[3] = {a.Bas, a.Son1, a.Son2};
    long long eksik = 0;
    for (int u = 0; u < 3; ++u) {
        if (!EDOku(static_cast<int>(uclar[u]), uc[u])) {
            Hata = 1;
            eksik = uclar[u];
        }
    }
    if (Hata != 0) {
        HataGoster("Eleman nokta bağında:\r" + a.Metin + "->" + TamSayiMetni(eksik) +
                   " nolu eleman tanımsız, türet tamamlanamadı");
        return;
    }
    OkunanElemanTipi = uc[0].Tip;
    const int adimli = Yuzey ? 4 : 2;
    long long d1[4] = {}, d2[4] = {};
    for (int x = 0; x < adimli; ++x) {
        d1[x] = (uc[1].N[x] - uc[0].N[x]) / a.m1;
        d2[x] = a.IkiYonlu ? (uc[2].N[x] - uc[0].N[x]) / a.m2 : 0;
        long long kotu = 0;
        if (!AdimliNoktaUygun(a, uc[0].N[x], d1[x], d2[x], kotu)) {
            Hata = 1;
            HataGoster("Eleman nokta bağında:\r" + a.Metin + "-> türetilen " + TamSayiMetni(kotu) +
                       " nolu nokta 1..32767 aralığında değil, türet tamamlanamadı");
            return;
        }
    }
    Tara(a, [&](long long I, long long J, int no) {
        TuretElemanNo = no;
        AnahtarSatirinaYaz(ed, "ElemanNo", no);
        ed.FieldByName("ElemanTipi").SetInteger(uc[0].Tip);
        for (int x = 0; x < adimli; ++x)
            ed.FieldByName(NoktaAlanlari[x]).SetInteger(uc[0].N[x] + J * d2[x] + I * d1[x]);
        if (!Yuzey) ed.FieldByName("kNoktasi").SetInteger(uc[0].N[2]);
        ed.FieldByName("MalzemeNo").SetInteger(0);
        ed.FieldByName("KesitNo").SetInteger(0);
        ed.FieldByName("MafsalTipi").SetString("00");
        ed.Post();
        return true;
    });
}

// ---------------------------------------------------------------- materials

// A spring type keeps its own hinge code whatever the row gives, so a key
// over elements of mixed types sets each element by its type.
void MalzemeKesitMafsalYaz(Tablo& ed) {
    const std::string yay = YayMafsalTipi(ed.FieldByName("ElemanTipi").AsInteger());
    ed.Edit();
    ed.FieldByName("MalzemeNo").SetInteger(OkunanMalzemeNo);
    ed.FieldByName("KesitNo").SetInteger(OkunanKesitNo);
    ed.FieldByName("MafsalTipi").SetString(yay.empty() ? OkunanMafsalTipi : yay);
    ed.Post();
}

void ElemanMalzemeKesitMafsalTuret(const TuretAnahtari& a) {
    Tablo& ed = Tablolar.ED;
    long long eksik = 0;
    for (long long n : {a.Bas, a.Son1, a.Son2})
        if (!ed.Locate("ElemanNo", static_cast<int>(n))) {
            Hata = 1;
            eksik = n;
        }
    if (Hata != 0) {
        HataGoster("Eleman malzeme kesit mafsal bağında:\r" + a.Metin + "->" + TamSayiMetni(eksik) +
                   " nolu eleman tanımsız, türet tamamlanamadı");
        return;
    }
    Tara(a, [&](long long, long long, int no) {
        TuretElemanNo = no;
        if (ed.Locate("ElemanNo", no)) MalzemeKesitMafsalYaz(ed);
        return true;
    });
}

// Restores a table's post handler when the reader ends.
struct SonrasiniBekle {
    Tablo& t;
    std::function<void(Tablo&)> eski;
    explicit SonrasiniBekle(Tablo& tablo) : t(tablo), eski(tablo.AfterPost) { t.AfterPost = nullptr; }
    ~SonrasiniBekle() { t.AfterPost = eski; }
};

// ---------------------------------------------------------------- loads

// Adds the element load just read (the Okunan... values) to element no:
// refused, with Hata set, when the element is not defined or already has a
// load of that number. anahtar is the row's key, as used in the message.
bool ElemanaYukEkle(const std::string& anahtar, int eleman, const std::string& YukNoMetni) {
    TuretElemanNo = eleman;
    if (!Tablolar.ED.Locate("ElemanNo", eleman)) {
        Hata = 1;
        HataGoster(anahtar + "-> tanımsız elemana yük verilemez");
        return false;
    }
    Tablo& eyuk = Tablolar.EYUK;
    if (eyuk.Locate("ElemanNo;YukNo",
                    std::vector<AnahtarDegeri>{AnahtarDegeri(eleman), AnahtarDegeri(OkunanYukNo)})) {
        Hata = 1;
        HataGoster("Eleman=" + TamSayiMetni(eleman) + " Yük no=" + YukNoMetni + " yük tekrar tanımlanmiş");
        return false;
    }
    eyuk.Append();
    eyuk.FieldByName("ElemanNo").SetInteger(eleman);
    eyuk.FieldByName("YukNo").SetInteger(OkunanYukNo);
    eyuk.FieldByName("YukTipi").SetInteger(OkunanYukTipi);
    eyuk.FieldByName("Yuk").SetFloat(OkunanYuk);
    eyuk.FieldByName("aMesafesi").SetFloat(OkunanaMesafesi);
    eyuk.FieldByName("bMesafesi").SetFloat(OkunanbMesafesi);
    eyuk.FieldByName("Yuk1").SetFloat(OkunanYuk1);
    eyuk.Post();
    return true;
}

void ElemanYukleriTuret(const TuretAnahtari& a, const std::string& YukNoMetni) {
    Tablo& ed = Tablolar.ED;
    for (long long n : {a.Bas, a.Son1, a.Son2})
        if (!ed.Locate("ElemanNo", static_cast<int>(n))) Hata = 1;
    if (Hata != 0) {
        HataGoster(a.Metin + "-> Elemanlardan biri tanımsız, elemana yük verilemez");
        return;
    }
    // A second step longer than the way to the second end: ends silently.
    if (a.IkiYonlu && a.m2 == 0) {
        Hata = 1;
        return;
    }
    Tara(a, [&](long long, long long, int no) { return ElemanaYukEkle(a.Metin, no, YukNoMetni); });
}

// The value fields of the nodal loads and of the supports.
const char* const YukAlanlari[6] = {"Px", "Py", "Pz", "Mx", "My", "Mz"};
const char* const SinirAlanlari[6] = {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"};

// A nodal-load or support row for node no with the source row's values.
void NoktaSatiriEkle(Tablo& kaynak, Tablo& hedef, int no, const char* const alanlar[6], bool metin) {
    hedef.Append();
    hedef.FieldByName("NoktaNo").SetInteger(no);
    for (int k = 0; k < 6; ++k) AlanKopyala(kaynak, hedef, alanlar[k], metin);
    hedef.Post();
}

// One row per generated node; refused at a node that already has one.
void NoktaSatirlariTuret(const TuretAnahtari& a, Tablo& kaynak, Tablo& hedef,
                         const char* const alanlar[6], bool metin, const char* tekrarMetni) {
    Tara(a, [&](long long, long long, int no) {
        TuretNoktaNo = no;
        if (hedef.Locate("NoktaNo", no)) {
            Hata = 1;
            HataGoster(a.Metin + "->" + TamSayiMetni(no) + tekrarMetni);
            return false;
        }
        NoktaSatiriEkle(kaynak, hedef, no, alanlar, metin);
        return true;
    });
}

}  // namespace

// ==================================================================== readers

void KoordinatlariOku() {
    Hata = 0;
    Tablo& kaynak = Tablolar.Koordinatlar;
    Tablo& xyz = Tablolar.XYZ;
    HedefeYaz(xyz, true, [&] {
        NoktaSayisi = 0;
        if (KaynakBos(kaynak, "Koordinatlar verilmemiş")) return;
        const bool tamam = KaynagiDolas(
            kaynak, "NoktaNo", false, nullptr,
            [&](const std::string&, int no) {
                AnahtarSatirinaYaz(xyz, "NoktaNo", no);
                xyz.FieldByName("X1").SetFloat(kaynak.FieldByName("X1").AsFloat());
                xyz.FieldByName("X2").SetFloat(kaynak.FieldByName("X2").AsFloat());
                xyz.FieldByName("X3").SetFloat(kaynak.FieldByName("X3").AsFloat());
                xyz.Post();
                return true;
            },
            [&](const TuretAnahtari& a) {
                NoktalariTuret(a);
                return Hata == 0;
            });
        if (!tamam) return;
        NoktaSayisi = xyz.RecordCount();
        ToplamSerbestlikSayisi = NoktaSayisi * NoktaSerbestlikSayisi;
    });
    if (Hata != 0) NoktaSayisi = 0;
}

void ElemanNoktaBaginiOku() {
    Hata = 0;
    Tablo& kaynak = Tablolar.ElemanNoktaBagi;
    Tablo& ed = Tablolar.ED;
    HedefeYaz(ed, true, [&] {
        ElemanSayisi = 0;
        if (KaynakBos(kaynak, "Eleman-Nokta bağı bilgileri verilmemiş")) return;
        const bool tamam = KaynagiDolas(
            kaynak, "ElemanNo", false,
            [&](const std::string&) {
                OkunanElemanTipi = kaynak.FieldByName("ElemanTipi").AsInteger();
                return true;
            },
            [&](const std::string&, int no) {
                AnahtarSatirinaYaz(ed, "ElemanNo", no);
                ed.FieldByName("ElemanTipi").SetInteger(OkunanElemanTipi);
                for (const char* alan : NoktaAlanlari)
                    ed.FieldByName(alan).SetInteger(kaynak.FieldByName(alan).AsInteger());
                ed.FieldByName("MalzemeNo").SetInteger(0);
                ed.FieldByName("KesitNo").SetInteger(0);
                ed.FieldByName("MafsalTipi").SetString("00");
                ed.Post();
                return true;
            },
            [&](const TuretAnahtari& a) {
                ElemanlariTuret(a, YuzeyElemaniMi(OkunanElemanTipi));
                return Hata == 0;
            });
        if (!tamam) return;
        ElemanSayisi = ed.RecordCount();
    });
    if (Hata != 0) ElemanSayisi = 0;
}

void ElemanMalzemeKesitMafsalBaginiOku() {
    Hata = 0;
    MafsalSayisi = 0;
    Tablo& kaynak = Tablolar.ElemanMalzemeKesitMafsalbagi;
    Tablo& ed = Tablolar.ED;
    bool kaynakBos = false;
    {
        // An element that two rows cover is posted twice; the releases are
        // counted once per element from the final rows instead.
        SonrasiniBekle sayma(ed);
        HedefeYaz(ed, false, [&] {
            kaynakBos = KaynakBos(kaynak, "Eleman-Malzeme-Kesit-Mafsal bağı bilgileri verilmemiş");
            if (kaynakBos) return;
            KaynagiDolas(
                kaynak, "ElemanNO", false,
                [&](const std::string& anahtar) {
                    Alan malzeme = kaynak.FieldByName("MalzemeNo");
                    Alan kesit = kaynak.FieldByName("KesitNo");
                    OkunanMalzemeNo = malzeme.AsInteger();
                    OkunanKesitNo = kesit.AsInteger();
                    OkunanMafsalTipi = kaynak.FieldByName("MafsalTipi").AsString();
                    std::string mesaj;
                    if (!Tablolar.MalzemeBilgileri.Locate("MalzemeNo", OkunanMalzemeNo))
                        mesaj = "Eleman=" + anahtar + "->" + malzeme.AsString() + " nolu malzeme tanımsız";
                    if (!Tablolar.KesitBilgileri.Locate("KesitNo", OkunanKesitNo))
                        mesaj = "Eleman=" + anahtar + "->" + kesit.AsString() + " nolu kesit tanımsız";
                    if (mesaj.empty()) return true;
                    Hata = 1;
                    HataGoster(mesaj);
                    return false;
                },
                [&](const std::string& anahtar, int no) {
                    TuretElemanNo = no;
                    if (!ed.Locate("ElemanNo", no)) {
                        Hata = 1;
                        HataGoster(anahtar + "nolu eleman tanımlanmamış");
                        return false;
                    }
                    MalzemeKesitMafsalYaz(ed);
                    return true;
                },
                [&](const TuretAnahtari& a) {
                    ElemanMalzemeKesitMafsalTuret(a);
                    return Hata == 0;
                });
        });
    }
    if (!kaynakBos) {
        try {
            MafsalSayisi = EDMafsalSayisi();
        } catch (const std::exception& e) {
            // A table that already failed above has shown its message.
            if (Hata == 0) {
                Hata = 1;
                HataGoster(e.what());
            }
        }
    }
}

namespace {

// What the nodal-load and the support readers do differently.
struct NoktaOkumaAyari {
    const char* BosMesaji;         // shown for an empty source during a calculation; nullptr: none
    bool BosluklarKalir;           // the key is taken as it stands, blanks and all
    const char* const* Alanlar;    // the six value fields
    bool Metin;                    // values are copied as field texts
    const char* TekrarMesaji;      // a plain key met again
    const char* TuretTekrarMesaji; // a generated number met again
    bool KoseleriDenetle;          // a key's start and ends checked before it is generated
};

// The common body of the two node-keyed readers: one target row per node,
// from plain keys and generation keys.
void NoktaAnahtarliOku(Tablo& kaynak, Tablo& hedef, const NoktaOkumaAyari& ay) {
    HedefeYaz(hedef, true, [&] {
        if (KaynakBos(kaynak, ay.BosMesaji)) return;
        KaynagiDolas(
            kaynak, "NoktaNo", ay.BosluklarKalir, nullptr,
            [&](const std::string& anahtar, int no) {
                if (hedef.Locate("NoktaNo", no)) {
                    Hata = 1;
                    HataGoster(anahtar + ay.TekrarMesaji);
                    return false;
                }
                NoktaSatiriEkle(kaynak, hedef, no, ay.Alanlar, ay.Metin);
                return true;
            },
            [&](const TuretAnahtari& a) {
                if (ay.KoseleriDenetle) {
                    long long tekrar = 0;
                    for (long long n : {a.Bas, a.Son1, a.Son2})
                        if (hedef.Locate("NoktaNo", static_cast<int>(n))) tekrar = n;
                    if (tekrar != 0) {
                        Hata = 1;
                        HataGoster(a.Metin + "->" + TamSayiMetni(tekrar) + ay.TekrarMesaji);
                        return false;
                    }
                }
                // A failed generation leaves Hata set and goes on with the next row.
                NoktaSatirlariTuret(a, kaynak, hedef, ay.Alanlar, ay.Metin, ay.TuretTekrarMesaji);
                return true;
            });
    });
}

}  // namespace

void TekilYukleriniOku() {
    Hata = 0;
    NoktaAnahtarliOku(Tablolar.Yukler, Tablolar.TYUK,
                      {nullptr, false, YukAlanlari, false, " nolu noktanın yükleri tekrar verilmiş",
                       " nolu noktada yükler tekrar verilmiş", true});
}

void ElemanYukleriniOku() {
    Hata = 0;
    Tablo& kaynak = Tablolar.ElemanYukleri;
    HedefeYaz(Tablolar.EYUK, true, [&] {
        if (KaynakBos(kaynak, nullptr)) return;
        std::string yukNoMetni;
        KaynagiDolas(
            kaynak, "ElemanNo", false,
            [&](const std::string&) {
                OkunanYukNo = kaynak.FieldByName("YukNo").AsInteger();
                OkunanYukTipi = kaynak.FieldByName("YukTipi").AsInteger();
                OkunanYuk = kaynak.FieldByName("Yuk").AsFloat();
                OkunanaMesafesi = kaynak.FieldByName("aMesafesi").AsFloat();
                OkunanbMesafesi = kaynak.FieldByName("bMesafesi").AsFloat();
                OkunanYuk1 = kaynak.FieldByName("Yuk1").AsFloat();
                yukNoMetni = kaynak.FieldByName("YukNo").AsString();
                return true;
            },
            [&](const std::string& anahtar, int no) { return ElemanaYukEkle(anahtar, no, yukNoMetni); },
            [&](const TuretAnahtari& a) {
                ElemanYukleriTuret(a, yukNoMetni);
                return Hata == 0;
            });
    });
}

void SinirKosullariniOku() {
    Hata = 0;
    SinirKosuluSayisi = 0;
    NoktaAnahtarliOku(Tablolar.SinirKosullari, Tablolar.SK,
                      {"Sınır(mesnet) koşulları verilmemiş", true, SinirAlanlari, true,
                       " nolu noktanın sınır koşulları tekrar verilmiş",
                       " nolu noktada sınır koşulları tekrar verilmiş", false});
}

int EDMafsalSayisi() {
    Tablo& ed = Tablolar.ED;
    int toplam = 0;
    for (ed.First(); !ed.Eof(); ed.Next())
        toplam += static_cast<int>(
            MafsalKodlari(ed.FieldByName("ElemanTipi").AsInteger(), ed.FieldByName("MafsalTipi").AsString()).size());
    return toplam;
}

bool AnahtarNumaralari(const std::string& anahtar, std::vector<int>& numaralar) {
    numaralar.clear();
    const std::string m = BosluklariSil(anahtar);
    if (!TuretAnahtariMi(m)) {
        int no = 0;
        if (!DuzAnahtarCoz(m, DosyaEnBuyukNo, no)) return false;
        numaralar.push_back(no);
        return true;
    }
    TuretAnahtari a;
    if (!AnahtariHazirla(m, a, true)) return false;
    Tara(a, [&](long long, long long, int no) {
        numaralar.push_back(no);
        return true;
    });
    return true;
}
