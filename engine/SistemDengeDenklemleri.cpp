#include "engine/SistemDengeDenklemleri.h"

#include <cmath>
#include <charconv>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "engine/AnkastrelikKuvvetleri.h"
#include "engine/CubukBoyu.h"
#include "engine/ElemanMatrisleri.h"
#include "engine/MotorYardim.h"
#include "engine/SeyrekCozum.h"
#include "model/LibU.h"
#include "model/ModelOku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/KullaniciArayuzu.h"

namespace {

const char* const kSinir2[] = {"Ux", "Uy"};
const char* const kSinir3[] = {"Ux", "Uy", "Uz"};
const char* const kSinirDC[] = {"Ux", "Uy", "Fiz"};
const char* const kSinir6[] = {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"};
const char* const kSinirPlak[] = {"Uz", "Fix", "Fiy"};
const char* const kYuk2[] = {"Px", "Py"};
const char* const kYuk3[] = {"Px", "Py", "Pz"};
const char* const kYukDC[] = {"Px", "Py", "Mz"};
const char* const kYuk6[] = {"Px", "Py", "Pz", "Mx", "My", "Mz"};
const char* const kYukPlak[] = {"Pz", "Mx", "My"};

void HataGoster(const std::string& metin) {
    MesajKutusu(metin, "HATA:", "TamamHata1");
    Hata = 1;
}

int ElemanDugumSayisi(int tip) {
    switch (tip) {
        case UcgenLevhaElemani: return 3;
        case DortgenLevhaElemani: case DortgenPlakElemani: return 4;
        default: return 2;
    }
}

bool EksenKodu(int k) {
    return k == 10001 || k == 10002 || k == 10003 || k == -10001 || k == -10002 || k == -10003;
}

}  // namespace

namespace {

// The support fields and the nodal-load fields of each system type, in the
// order of its degrees of freedom.
struct SistemAlanlari {
    int Tip, Sayi;
    const char* const* Sinir;
    const char* const* Yuk;
};
const SistemAlanlari kSistemAlanlari[] = {
    {10, 2, kSinir2, kYuk2},    {50, 2, kSinir2, kYuk2},      {20, 3, kSinir3, kYuk3},
    {30, 3, kSinirDC, kYukDC},  {40, 6, kSinir6, kYuk6},      {60, 3, kSinirPlak, kYukPlak}};

const SistemAlanlari* AlanlariBul(int tip) {
    for (const auto& a : kSistemAlanlari)
        if (a.Tip == tip) return &a;
    return nullptr;
}

}  // namespace

const char* const* SinirKosuluAlanlari(int tip, int& sayi) {
    const SistemAlanlari* a = AlanlariBul(tip);
    sayi = a ? a->Sayi : 0;
    return a ? a->Sinir : nullptr;
}

const char* const* DugumYukuAlanlari(int tip, int& sayi) {
    const SistemAlanlari* a = AlanlariBul(tip);
    sayi = a ? a->Sayi : 0;
    return a ? a->Yuk : nullptr;
}

bool AlanSistemde(const char* const* Alanlar, int Sayi, const std::string& Alan) {
    for (int d = 0; d < Sayi; ++d)
        if (Alan == Alanlar[d]) return true;
    return false;
}

std::string SistemDisiSinirKosuluMesaji(const std::string& Nokta, const std::string& Alan) {
    return Nokta + " nolu noktanın " + Alan + " sınır koşulu bu sistem tipinde kullanılamaz, Serbest olmalıdır";
}

bool SinirKosuluDegeri(const std::string& metin, double& deger) {
    std::size_t bas = 0, son = metin.size();
    while (bas < son && metin[bas] == ' ') ++bas;
    while (son > bas && metin[son - 1] == ' ') --son;
    if (bas == son) return false;
    const char* ilk = metin.data() + bas;
    if (*ilk == '+') ++ilk;
    double d = 0;
    const auto sonuc = std::from_chars(ilk, metin.data() + son, d, std::chars_format::general);
    if (sonuc.ec != std::errc() || sonuc.ptr != metin.data() + son || !std::isfinite(d)) return false;
    deger = d;
    return true;
}

// ---------------------------------------------------------------- checks

namespace {

// The refusal of element e whose type, with its list text (e.g.
// "10:Düzlem kafes"), does not belong to the system type.
std::string SistemDisiElemanTipiMesaji(int e, const std::string& TipMetni) {
    return std::to_string(e) + " nolu elemanın tipi (" + TipMetni + ") bu sistem tipinde kullanılamaz";
}

}  // namespace

std::string GeometriHatasi() {
    auto& XYZ = Tablolar.XYZ;
    auto& ED = Tablolar.ED;
    if (!XYZ.Active()) XYZ.Open();
    if (!ED.Active()) ED.Open();

    const int noktaAdedi = XYZ.RecordCount();
    for (int k = 1; k <= noktaAdedi; ++k)
        if (!XYZ.Locate("NoktaNo", k))
            return std::to_string(k) +
                   " nolu nokta tanımsız: nokta numaraları 1'den başlayıp boşluksuz sürmelidir";
    const int elemanAdedi = ED.RecordCount();
    for (int e = 1; e <= elemanAdedi; ++e)
        if (!ED.Locate("ElemanNo", e))
            return std::to_string(e) +
                   " nolu eleman tanımsız: eleman numaraları 1'den başlayıp boşluksuz sürmelidir";

    // Nodes of the elements.
    static const char* const kDugumAlanlari[] = {"iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi"};
    for (int e = 1; e <= elemanAdedi; ++e) {
        ED.Locate("ElemanNo", e);
        const int tip = ED.FieldByName("ElemanTipi").AsInteger();
        int adet = ElemanDugumSayisi(tip);
        if (tip == UzayCerceveElemani || tip == DepremIzolatoru) adet = 3;  // k fixes the local axes
        for (int p = 0; p < adet; ++p) {
            const int n = ED.FieldByName(kDugumAlanlari[p]).AsInteger();
            if (p == 2 && (tip == UzayCerceveElemani || tip == DepremIzolatoru) && EksenKodu(n)) continue;
            if (n < 1 || n > noktaAdedi)
                return std::to_string(e) + ".elemanın " + std::to_string(n) + " nolu noktası koordinatlarda yok";
        }
    }
    return {};
}

void ModelDenetle() {
    auto& SK = Tablolar.SK;
    auto& TYUK = Tablolar.TYUK;

    const std::string geometri = GeometriHatasi();
    if (!geometri.empty()) {
        HataGoster(geometri);
        return;
    }
    const int noktaAdedi = Tablolar.XYZ.RecordCount();
    auto noktaVar = [&](int n) { return n >= 1 && n <= noktaAdedi; };

    // Element types: one of another system would be assembled with the
    // wrong degrees of freedom per node. An unknown type is refused by the
    // count of element unknowns with its own message.
    auto& ED = Tablolar.ED;
    const int elemanAdedi = ED.RecordCount();
    for (int e = 1; e <= elemanAdedi; ++e) {
        ED.Locate("ElemanNo", e);
        const int tip = ED.FieldByName("ElemanTipi").AsInteger();
        const ElemanTipiBilgisi* b = ElemanTipiBul(tip);
        if (b && !ElemanTipiSistemde(tip, SistemTipi)) {
            HataGoster(SistemDisiElemanTipiMesaji(e, b->Metin));
            return;
        }
    }

    // Supports.
    int sayi = 0;
    const char* const* alanlar = SinirKosuluAlanlari(SistemTipi, sayi);
    static const char* const kTumAlanlar[] = {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"};
    SK.First();
    while (!SK.Eof()) {
        const int n = SK.FieldByName("NoktaNo").AsInteger();
        if (!noktaVar(n)) {
            HataGoster("Sınır koşullarında " + std::to_string(n) + " nolu nokta koordinatlarda yok");
            return;
        }
        for (const char* alan : kTumAlanlar) {
            const std::string metin = SK.FieldByName(alan).AsString();
            if (!SinirKosuluTutar(metin)) continue;
            if (!AlanSistemde(alanlar, sayi, alan)) {
                HataGoster(SistemDisiSinirKosuluMesaji(std::to_string(n), alan));
                return;
            }
            double deger = 0;
            if (!SinirKosuluDegeri(metin, deger)) {
                HataGoster(std::to_string(n) + " nolu noktanın " + alan +
                           " sınır koşulu geçersiz: \"" + metin + "\"");
                return;
            }
        }
        SK.Next();
    }

    // Nodal loads.
    TYUK.First();
    while (!TYUK.Eof()) {
        const int n = TYUK.FieldByName("NoktaNo").AsInteger();
        if (!noktaVar(n)) {
            HataGoster("Düğüm yüklerinde " + std::to_string(n) + " nolu nokta koordinatlarda yok");
            return;
        }
        TYUK.Next();
    }
}

// ---------------------------------------------------------------- sizing

namespace {

// Moves to element e's row of ED and reads its number and type into the
// current-element globals; a missing element is refused with its message.
bool EDSatirinaGit(Tablo& ED, int e) {
    if (!ED.Locate("ElemanNo", e)) {
        HataGoster(std::to_string(e) + ".eleman tanımsız");
        return false;
    }
    TuretElemanNo = ED.FieldByName("ElemanNo").AsInteger();
    OkunanElemanTipi = ED.FieldByName("ElemanTipi").AsInteger();
    return true;
}

}  // namespace

void ElemanBilinmeyenTablosunuKur() {
    auto& ED = Tablolar.ED;
    ElemanSayisi = ED.RecordCount();
    auto& T = ElemanBilinmeyenTablosu;
    T.Bosalt();
    T.SetLength(2, static_cast<std::size_t>(ElemanSayisi) + static_cast<std::size_t>(SinirKosuluSayisi) + 1);
    if (T.Cols() > 1) T[1][1] = 1;
    for (int e = 1; e <= ElemanSayisi; ++e) {
        if (!EDSatirinaGit(ED, e)) return;
        const ElemanTipiBilgisi* b = ElemanTipiBul(OkunanElemanTipi);
        if (!b) {
            HataGoster(std::to_string(e) + ".Elemanın tipi=" + std::to_string(OkunanElemanTipi) + " hatalı");
            return;
        }
        ElemanKuvvetSayisi = b->BagimsizKuvvet;
        T[0][TuretElemanNo] = ElemanKuvvetSayisi;
        if (TuretElemanNo > 1) T[1][TuretElemanNo] = T[1][TuretElemanNo - 1] + T[0][TuretElemanNo - 1];
    }
}

void DizileriBoyutlandir() {
    BoyutlariHesapla();
    if (Hata == 0) DizileriAyir();
}

void BoyutlariHesapla() {
    const auto& T = ElemanBilinmeyenTablosu;
    const int E = ElemanSayisi;
    ElemanBilinmeyenSayisi =
        (E >= 1 && static_cast<std::size_t>(E) < T.Cols()) ? T[0][E] + T[1][E] - 1 : 0;
    DenklemSayisi = ToplamSerbestlikSayisi + MafsalSayisi;
    BilinmeyenSayisi = ElemanBilinmeyenSayisi + SinirKosuluSayisi;
    HiperstatiklikDerecesi = BilinmeyenSayisi - DenklemSayisi;

    if (HiperstatiklikDerecesi < 0) {
        Hata = 1;
        MesajKutusu("Denklem sayısı bilinmeyen sayısından fazla\rMafsal bilgilerini ve sınır(mesnet) "
                    "koşullarını kontrol ediniz",
                    "HATA:", "TamamHata1");
        return;
    }
    if (BilinmeyenSayisi > 1000 && Arayuz().MatrisGosterSecimi() != 0) {
        Hata = 1;
        MesajKutusu("Matris çok büyük, desen gösterilemiyor", "AÇIKLAMA:", "TamamAçıklama1");
        return;
    }
}

void DizileriBosalt() {
    NMatrisi.Bosalt();
    YukVektoru.Bosalt();
    Bilinmeyenler.Bosalt();
    EsneklikMatrisi.Bosalt();
    HiperstatikKolonlar.Bosalt();
    MesnetYerDegistirmeleri.Bosalt();
    YerDegistirmeler.Bosalt();
}

void DizileriAyir() {
    DizileriBosalt();

    // A large system keeps N sparse: no dense square matrix.
    const bool seyrek = SeyrekCozumSecilir(BilinmeyenSayisi, Arayuz().MatrisGosterSecimi());
    SeyrekCozumuHazirla(seyrek);
    const std::size_t n1 = static_cast<std::size_t>(BilinmeyenSayisi) + 1;
    const std::size_t m1 = static_cast<std::size_t>(DenklemSayisi) + 1;
    const std::size_t k1 = static_cast<std::size_t>(EnBuyukElemanKuvvetSayisi) + 1;
    const std::size_t r1 = static_cast<std::size_t>(HiperstatiklikDerecesi) + 1;
    // Zero-filling touches every page: ask for no more than the memory can give,
    // so that a too large system gets a message instead of the process being killed.
    const double kare = seyrek ? 0.0 : static_cast<double>(n1) * n1;
    const double gereken = 8.0 * (kare + 3.0 * n1 + static_cast<double>(n1) * k1 + m1) + 4.0 * r1;
    const std::uint64_t bos = KullanilabilirBellek();
    try {
        if (bos != 0 && gereken > static_cast<double>(bos)) throw std::bad_alloc();
        if (!seyrek) NMatrisi.SetLength(n1, n1);
        YukVektoru.SetLength(n1);
        Bilinmeyenler.SetLength(n1);
        EsneklikMatrisi.SetLength(n1, k1);
        HiperstatikKolonlar.SetLength(r1);
        MesnetYerDegistirmeleri.SetLength(n1);
        YerDegistirmeler.SetLength(m1);
    } catch (const std::exception&) {
        DizileriBosalt();
        Hata = 1;
        BellekYetersizMesaji();
    }
}

// ---------------------------------------------------------------- assembly

void DengeDenklemleriniKur() {
    DengeMatrisiniKur();
    if (Hata != 0) return;
    SinirKosullariniKur();
    if (Hata != 0) return;
    DugumYukleriniKur();
    if (Hata != 0) return;
    MafsalDenklemleriniKur();
}

void DengeMatrisiniKur() {
    Arayuz().MemoEkle("Denge denklemleri kuruluyor");
    Arayuz().MemoEkle("");
    Arayuz().MesajlariIsle();
    if (Hata != 0) return;

    auto& ED = Tablolar.ED;
    ToplamSerbestlikSayisi = NoktaSayisi * NoktaSerbestlikSayisi;
    ElemanSayisi = ED.RecordCount();
    EnBuyukMutlakDeger = 1.0;
    ED.First();

    static const char* const kDugumAlanlari[] = {"iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi"};
    for (int e = 1; e <= ElemanSayisi; ++e) {
        if (!EDSatirinaGit(ED, e)) return;
        int dugum[5] = {0, 0, 0, 0, 0};
        for (int p = 0; p < 4; ++p) dugum[p + 1] = ED.FieldByName(kDugumAlanlari[p]).AsInteger();

        ElemanMatrisleriniKur(TuretElemanNo, 2);

        for (int i = 1; i <= ElemanSerbestlikSayisi && i <= 12; ++i)
            for (int j = 1; j <= ElemanKuvvetSayisi && j <= 9; ++j)
                if (std::fabs(ElemanDengeMatrisi[i][j]) > EnBuyukMutlakDeger)
                    EnBuyukMutlakDeger = std::fabs(ElemanDengeMatrisi[i][j]);
        if (Hata != 0) return;

        ElemanKuvvetSayisi = ElemanBilinmeyenTablosu[0][e];
        ElemanIlkKolon = ElemanBilinmeyenTablosu[1][e];
        const int d = NoktaSerbestlikSayisi;
        for (int p = 1; p <= ElemanNoktaSayisi && p <= 4; ++p) {
            const int n = dugum[p];
            if (n < 1 || n > NoktaSayisi) {
                HataGoster(std::to_string(e) + ".elemanın " + std::to_string(n) +
                           " nolu noktası koordinatlarda yok");
                return;
            }
            for (int dd = 1; dd <= d; ++dd) {
                const auto& b = ElemanDengeMatrisi[(p - 1) * d + dd];
                for (int c = 1; c <= ElemanKuvvetSayisi; ++c)
                    NMatrisiYaz((n - 1) * d + dd, ElemanIlkKolon - 1 + c, b[c]);
            }
        }

        // Element loads subtract their equivalent nodal forces from the load vector.
        const int tip = OkunanElemanTipi;
        if (ElemanYukuAlir(tip)) {
            ElemanYukleriniGez(TuretElemanNo, [&] {
                switch (tip) {
                    case DuzlemKafesElemani: case UzayKafesElemani: KafesElemanYukleriniEkle(); break;
                    case DuzlemCerceveElemani: DuzlemCerceveElemanYukleriniEkle(); break;
                    case UzayCerceveElemani: UzayCerceveElemanYukleriniEkle(); break;
                    case DortgenPlakElemani: PlakElemanYukleriniEkle(); break;
                }
                return Hata == 0;
            });
            if (Hata != 0) return;
        } else if (Tablolar.EYUK.Locate("ElemanNo", TuretElemanNo)) {
            // A load left on a spring, an isolator or a membrane (its type was
            // changed afterwards, or the file came from elsewhere) would be lost.
            HataGoster(std::to_string(TuretElemanNo) + ".elemanda: " + YukAlmayanElemanMesaji);
            return;
        }
    }
}

void MesnetKolonuEkle(int Nokta, int d, const std::string& Metin) {
    SinirKosuluSayisi += 1;
    const int c = ElemanBilinmeyenSayisi + SinirKosuluSayisi;
    if (c > BilinmeyenSayisi) {
        HataGoster("Sınır koşulu sayısı bilinmeyen sayısı ile uyuşmuyor: " + std::to_string(Nokta) +
                   " nolu nokta");
        return;
    }
    NMatrisiYaz((Nokta - 1) * NoktaSerbestlikSayisi + d, c, 1.0);
    double deger = 0;
    SinirKosuluDegeri(Metin, deger);
    MesnetYerDegistirmeleri[c] = deger;
}

void SinirKosullariniKur() {
    auto& SK = Tablolar.SK;
    SinirKosulluNoktaSayisi = 0;
    SinirKosuluSayisi = 0;
    SK.First();
    int sayi = 0;
    const char* const* alanlar = SinirKosuluAlanlari(SistemTipi, sayi);
    const int satirSayisi = SK.RecordCount();
    for (int s = 1; s <= satirSayisi; ++s) {
        SinirKosulluNoktaSayisi += 1;
        TuretNoktaNo = SK.FieldByName("NoktaNo").AsInteger();
        for (int d = 1; d <= sayi; ++d) {
            const std::string metin = SK.FieldByName(alanlar[d - 1]).AsString();
            if (SinirKosuluTutar(metin)) {
                MesnetKolonuEkle(TuretNoktaNo, d, metin);
                if (Hata != 0) return;
            }
        }
        SK.Next();
    }
}

void DugumYukuEkle(int d, double Deger) {
    if (Deger != 0) YukVektoru[(TuretNoktaNo - 1) * NoktaSerbestlikSayisi + d] += Deger;
}

void DugumYukleriniKur() {
    auto& TYUK = Tablolar.TYUK;
    YukluNoktaSayisi = 0;
    if (TYUK.RecordCount() == 0) return;
    TYUK.First();
    int sayi = 0;
    const char* const* alanlar = DugumYukuAlanlari(SistemTipi, sayi);
    while (!TYUK.Eof()) {
        TuretNoktaNo = TYUK.FieldByName("NoktaNo").AsInteger();
        for (int d = 1; d <= sayi; ++d) DugumYukuEkle(d, TYUK.FieldByName(alanlar[d - 1]).AsFloat());
        YukluNoktaSayisi += 1;
        TYUK.Next();
    }
}

void MafsalDenklemleriniKur() {
    auto& ED = Tablolar.ED;
    int h = 0;
    ED.First();
    for (int e = 1; e <= ElemanSayisi; ++e) {
        TuretElemanNo = e;
        ED.Locate("ElemanNo", e);
        ElemanIlkKolon = ElemanBilinmeyenTablosu[1][e];
        const int c0 = ElemanIlkKolon;
        OkunanElemanTipi = ED.FieldByName("ElemanTipi").AsInteger();
        const int tip = OkunanElemanTipi;
        // The same rule as the hinge count that sized the equations.
        const std::vector<int> kodlar = MafsalKodlari(tip, ED.FieldByName("MafsalTipi").AsString());
        if (kodlar.empty()) continue;
        const bool uzay = tip == UzayCerceveElemani || tip == DepremIzolatoru;
        const bool duzlem = !uzay;

        OkunaniNoktasi = ED.FieldByName("iNoktasi").AsInteger();
        OkunanjNoktasi = ED.FieldByName("jNoktasi").AsInteger();
        NoktaKoordinatlariniOku(OkunaniNoktasi, OkunaniX1, OkunaniX2, OkunaniX3);
        NoktaKoordinatlariniOku(OkunanjNoktasi, OkunanjX1, OkunanjX2, OkunanjX3);
        const double L = OkunanCubugunEkseni(uzay).L;

        for (const int kod : kodlar) {
            h += 1;
            const int satirNo = ToplamSerbestlikSayisi + h;
            if (satirNo > DenklemSayisi) {
                HataGoster(std::to_string(e) + ".elemanın mafsal bilgisi mafsal sayısı ile uyuşmuyor");
                return;
            }
            auto satir = [&](int c, double v) { NMatrisiYaz(satirNo, c, v); };
            if (duzlem) {
                switch (kod) {
                    case 1: satir(c0, -1.0); break;
                    case 2: satir(c0 + 1, -1.0); break;
                    case 3: satir(c0 + 1, -L); satir(c0 + 2, -1.0); break;
                    case 4: satir(c0, 1.0); break;
                    case 5: satir(c0 + 1, 1.0); break;
                    case 6: satir(c0 + 2, 1.0); break;
                    default: break;
                }
            } else {
                switch (kod) {
                    case 4: satir(c0 + 3, -1.0); break;
                    case 5: satir(c0 + 2, L); satir(c0 + 4, -1.0); break;
                    case 6: satir(c0 + 1, -L); satir(c0 + 5, -1.0); break;
                    case 10: satir(c0 + 3, 1.0); break;
                    case 11: satir(c0 + 4, 1.0); break;
                    case 12: satir(c0 + 5, 1.0); break;
                    default: break;
                }
            }
            YukVektoru[satirNo] = 0;
        }
    }
}
