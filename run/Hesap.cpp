#include "run/Hesap.h"

#include <exception>
#include <new>
#include <string>

#include "engine/AnkastrelikKuvvetleri.h"
#include "engine/CubukBoyu.h"
#include "engine/ElemanMatrisleri.h"
#include "engine/CozumSurucusu.h"
#include "engine/MotorYardim.h"
#include "engine/SeyrekCozum.h"
#include "engine/SistemDengeDenklemleri.h"
#include "model/LibU.h"
#include "model/ModelOku.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/KullaniciArayuzu.h"
#include "platform/TabloyuAc.h"
#include "platform/Sistem.h"
#include "run/SonuclariYaz.h"

std::function<void(const std::string& Asama)> HesapAsamasiBildirimi;

namespace {

void Asama(const char* ad) {
    if (HesapAsamasiBildirimi) HesapAsamasiBildirimi(ad);
}

// Everything the run leaves behind is put back, whatever ended it.
void SonTemizlik() {
    DizileriBosalt();
    B0Matrisi.Bosalt();
    ElemanBilinmeyenTablosu.Bosalt();
    SeyrekCozumuBirak();
    KullaniciArayuzu& a = Arayuz();
    a.MemoTemizle();
    a.DurdurmaDugmesiGorunur(false);
    a.MemoGorunur(false);
    a.IlerlemeGoster(false);
    a.KomutPanelleriniEtkinlestir(true);
    a.HesapYapiliyorAyarla(false);
    a.SadeceGeometriOkunuyorAyarla(false);
    CalismaBellegiGoster();
}

// One reader of the model, run only while Hata is 0; false when it set Hata.
template <void (*Oku)()>
bool Okuyucu() {
    if (Hata == 0) Oku();
    return Hata == 0;
}

// Loads and supports: a warning when there are no loads at all, a refusal
// when there are no support conditions.
bool YukVeMesnetVarMi() {
    TabloyuAc(Tablolar.TYUK);
    TabloyuAc(Tablolar.EYUK);
    TabloyuAc(Tablolar.SK);
    if (Tablolar.TYUK.RecordCount() < 1 && Tablolar.EYUK.RecordCount() < 1)
        MesajKutusu("Eleman ve/veya düğüm tekil yükü verilmemiş.", "UYARI:", "TamamUyarı1");
    if (Tablolar.SK.RecordCount() < 1) {
        MesajKutusu("Önce sınır(mesnet) koşullarını veriniz.", "HATA:", "TamamHata1");
        return false;
    }
    return true;
}

bool ElemanYukleriniSirala() {
    Tablolar.EYUK.SetSort("ElemanNo, YukNo");
    return true;
}

// One step of reading the model: the progress position shown before it
// (0: none), the memo line written before it (nullptr: none) and the step,
// false when the run ends there. A run that reads only the geometry stops at
// the first step that belongs to the loads and supports.
struct OkumaAdimi {
    int Konum;
    const char* Satir;
    bool (*Adim)();
    bool YukVeMesnet;
};

constexpr OkumaAdimi OkumaAdimlari[] = {
    {0, "Ana veriler okunuyor", SistemTipiniOku, false},
    {1, "Koordinatlar okunuyor", Okuyucu<KoordinatlariOku>, false},
    {2, "Eleman bilgileri okunuyor", Okuyucu<ElemanNoktaBaginiOku>, false},
    {3, "Eleman-malzeme-kesit-mafsal bilgileri okunuyor", Okuyucu<ElemanMalzemeKesitMafsalBaginiOku>, false},
    {4, nullptr, YukVeMesnetVarMi, true},
    {0, "Tekil yükler okunuyor", Okuyucu<TekilYukleriniOku>, true},
    {5, "Eleman yükleri okunuyor", Okuyucu<ElemanYukleriniOku>, true},
    {6, nullptr, ElemanYukleriniSirala, true},
    {0, "Sınır koşulları okunuyor", Okuyucu<SinirKosullariniOku>, true},
};

// Steps of the run up to the results window; false when it ends early.
bool Calistir(bool SadeceGeometri) {
    KullaniciArayuzu& a = Arayuz();

    // Preconditions on the scratch tables as the last expansion left them.
    TabloyuAc(Tablolar.XYZ);
    TabloyuAc(Tablolar.ED);
    if (Tablolar.XYZ.RecordCount() < 2) {
        MesajKutusu("Önce koordinatları veriniz", "HATA:", "TamamHata1");
        return false;
    }
    if (Tablolar.ED.RecordCount() < 1) {
        MesajKutusu("Önce eleman-nokta bağı bilgilerini veriniz", "HATA:", "TamamHata1");
        return false;
    }

    a.MemoTemizle();
    a.MemoGorunur(true);
    a.DurdurmaDugmesiGorunur(true);

    SayacFrekansi = SayacFrekansiOku();
    HesapBaslangici = SayacDegeri();

    Hata = 0;
    // Questions about element loads (equal temperatures) are asked afresh in
    // every run.
    AnkastrelikSorulariniSifirla();
    SistemAdi.clear();
    SistemTipi = ElemanSayisi = NoktaSayisi = YukluNoktaSayisi = SinirKosulluNoktaSayisi = 0;
    SinirKosuluSayisi = NoktaSerbestlikSayisi = OkunanElemanTipi = ElemanNoktaSayisi = 0;
    MafsalSayisi = ElemanSerbestlikSayisi = ElemaninNoktadakiKuvvetSayisi = ElemanKuvvetSayisi = 0;
    ToplamSerbestlikSayisi = DenklemSayisi = BilinmeyenSayisi = HiperstatiklikDerecesi = 0;

    a.IlerlemeMaksimum(14);
    a.IlerlemeGoster(true);

    // The model readers.
    Asama("okuma");
    for (const OkumaAdimi& adim : OkumaAdimlari) {
        if (adim.YukVeMesnet && SadeceGeometri) return true;
        if (adim.Konum != 0) a.IlerlemeKonumu(adim.Konum);
        if (adim.Satir != nullptr) a.MemoEkle(adim.Satir);
        if (!adim.Adim()) return false;
    }

    // Checks that keep every index inside the arrays, the count of element
    // unknowns, the sizes and the allocation.
    Asama("boyutlandırma");
    ModelDenetle();
    if (Hata != 0) return false;
    ElemanBilinmeyenTablosunuKur();
    if (Hata != 0) return false;
    BoyutlariHesapla();
    if (Hata != 0) return false;
    a.IlerlemeKonumu(7);
    DizileriAyir();
    CalismaBellegiGoster();
    if (Hata != 0) return false;

    Asama("kurma");
    DengeDenklemleriniKur();
    if (Hata != 0) return false;
    a.IlerlemeKonumu(8);

    Asama("çözüm");
    KuvvetMetoduCoz();
    CalismaBellegiGoster();
    if (Hata != 0) return false;

    Asama("rapor");
    a.IlerlemeGoster(false);
    a.DurdurmaDugmesiGorunur(false);
    a.MemoGorunur(false);
    a.MemoTemizle();
    TumSonuclariYaz();
    if (Hata != 0) return false;

    HesapBitisi = SayacDegeri();
    a.MemoEkle("");
    a.MemoEkle("HESAP SÜRESİ: " + GecenSaniyeMetni(HesapBaslangici, HesapBitisi, SayacFrekansi) + " Saniye");
    Asama("son");
    if (Hata != 0) return false;

    a.SonuclariGoster();
    CalismaBellegiGoster();
    return true;
}

}  // namespace

bool HesaplaCalistir(bool SadeceGeometri) {
    KullaniciArayuzu& a = Arayuz();
    // A run never starts inside another one (the stop button pumps messages).
    if (a.HesapYapiliyor()) return false;
    a.HesapYapiliyorAyarla(true);
    a.SadeceGeometriOkunuyorAyarla(SadeceGeometri);
    a.KomutPanelleriniEtkinlestir(false);
    CalismaBellegiGoster();
    std::string hata;
    bool bellekYetmedi = false;
    bool tamam = false;
    try {
        tamam = Calistir(SadeceGeometri);
    } catch (const std::bad_alloc&) {
        bellekYetmedi = true;
    } catch (const std::exception& e) {
        hata = e.what();
    } catch (...) {
        hata = "Hesap beklenmeyen bir hatayla kesildi";
    }
    SonTemizlik();
    if (bellekYetmedi) {
        Hata = 1;
        BellekYetersizMesaji();
    } else if (!hata.empty()) {
        Hata = 1;
        MesajKutusu(hata, "HATA:", "TamamHata1");
    }
    // Whatever ended the run has been shown and cleaned up: the flag does not
    // outlive the run, so the next open or run starts afresh.
    Hata = 0;
    return tamam && !bellekYetmedi && hata.empty();
}
