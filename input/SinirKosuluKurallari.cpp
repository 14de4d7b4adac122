#include "input/SinirKosuluKurallari.h"

#include "engine/SistemDengeDenklemleri.h"
#include "input/TuretDenetimi.h"
#include "model/LibU.h"
#include "model/Tipler.h"

const std::array<SinirKosuluEditi, 6> SinirKosuluEditleri = {{
    {"X yönünde:", "m",
     "Nokta X yönünde hareket edemiyorsa  Yer değiştirme seç, otomatik sıfır olacaktır. Mesnet yer "
     "değiştirmesi(çökmesi) varsa değerini ver. Hareket edebiliyorsa Serbet seç",
     "Ux", "X yönü sınır koşulu hatalı"},
    {"Y yönünde:", "m",
     "Nokta Y yönünde hareket edemiyorsa  Yer değiştirme seç, otomatik sıfır olacaktır. Mesnet yer "
     "değiştirmesi(çökmesi) varsa değerini ver. Hareket edebiliyorsa Serbet seç",
     "Uy", "Y yönü sınır koşulu hatalı"},
    {"Z yönünde:", "m",
     "Nokta Z yönünde hareket edemiyorsa  Yer değiştirme seç, otomatik sıfır olacaktır. Mesnet yer "
     "değiştirmesi(çökmesi) varsa değerini ver. Hareket edebiliyorsa Serbet seç",
     "Uz", "Z yönü sınır koşulu hatalı"},
    {"X etrafında dönme:", "rad",
     "Nokta X etrafında dönemiyorsa  Yer değiştirme seç, otomatik sıfır olacaktır. Mesnet dönmesi varsa "
     "değerini ver. Dönebiliyorsa Serbet seç",
     "Fix", "X etrafında dönme sınır koşulu hatalı"},
    {"Y etrafında dönme:", "rad",
     "Nokta Y etrafında dönemiyorsa  Yer değiştirme seç, otomatik sıfır olacaktır. Mesnet dönmesi varsa "
     "değerini ver. Dönebiliyorsa Serbet seç",
     "Fiy", "Y etrafında dönme sınır koşulu hatalı"},
    {"Z etrafında dönme:", "rad",
     "Nokta Z etrafında dönemiyorsa  Yer değiştirme seç, otomatik sıfır olacaktır. Mesnet dönmesi varsa "
     "değerini ver. Dönebiliyorsa Serbet seç",
     "Fiz", "Z etrafında dönme sınır koşulu hatalı"},
}};

const std::array<const char*, 2> SinirKosuluSecenekleri = {"Serbest", "Yer değiştirme"};
const char* const SerbestMetni = "Serbest";
const char* const SinirKosuluNoktaEtiketi = "Nokta no:";
const char* const SinirKosuluNoktaIpucu = "Sınır(mesnet) koşulları  tanımlanacak noktanın numarasını ver";
const char* const SinirKosuluIsaretKurali =
    "Yer değiştirmeler: eksenler yönünde pozitif. Dönmeler: sağ el kuralına göre pozitif";
const char* const SinirKosuluTuretAciklamasi =
    "Baş nokta dan Son nokta1 ve Son nokta2 ye kadar  Adım1 ve  Adım2 aralıkları ile türetilen noktalara "
    "solda verilen sınır koşulları atanır.";

namespace {
bool SerbestMi(const std::string& Metin) { return !Metin.empty() && Metin[0] == 'S'; }
}  // namespace

std::string SinirKosuluSecimMetni(int Secim) { return Secim == 0 ? SerbestMetni : "0"; }

void SinirKosuluGoster(const std::string& Saklanan, int& Secim, std::string& EditMetni) {
    const bool bos = Saklanan.empty();
    Secim = bos || SerbestMi(Saklanan) ? 0 : 1;
    EditMetni = bos ? SerbestMetni : Saklanan;
}

std::string NoktaNoTanimsizMi(const std::string& Edit0, const std::string& BasNokta) {
    return BosluklariSil(Edit0).empty() && BasNokta == "0" ? "Nokta no tanımsız" : "";
}

std::string SinirKosuluDenetle(const std::string& Anahtar, const std::array<int, 6>& Secimler,
                               const std::array<std::string, 6>& Metinler, int SistemTipi) {
    std::string mesaj;
    if (!DuzNoktaTanimli(Anahtar)) mesaj = Anahtar + " noktasının koordinatları tanımsız";
    bool hepsiSerbest = true;
    for (std::size_t k = 0; k < 6; ++k) {
        double d = 0;
        const bool uygun = Secimler[k] == 0 ? Metinler[k] == SerbestMetni
                                            : GercelSayiMi(Metinler[k], d, -1E100, 1E100);
        if (!uygun) mesaj = SinirKosuluEditleri[k].Mesaj;
        if (!SerbestMi(Metinler[k])) hepsiSerbest = false;
    }
    if (hepsiSerbest) mesaj = "Noktadaki sınır koşullarının tümü Serbest olamaz";
    int sayi = 0;
    const char* const* alanlar = SinirKosuluAlanlari(SistemTipi, sayi);
    if (alanlar)
        for (std::size_t k = 0; k < 6; ++k)
            if (!Metinler[k].empty() && !SerbestMi(Metinler[k]) &&
                !AlanSistemde(alanlar, sayi, SinirKosuluEditleri[k].Alan))
                mesaj = SistemDisiSinirKosuluMesaji(Anahtar, SinirKosuluEditleri[k].Alan);
    return mesaj;
}

std::string SinirKosuluSilmeSorusu(const std::string& Anahtar) {
    return Anahtar + " nolu noktanın sınır koşulları veri tabanından silinecek\rDevam edeyim mi?";
}
