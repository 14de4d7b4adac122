#include "engine/MotorYardim.h"

#include <cmath>
#include <cstdio>

#include "model/LibU.h"
#include "model/Tipler.h"
#include "platform/KullaniciArayuzu.h"
#include "platform/Sistem.h"

std::int64_t MotorSayacFrekansi() { return SayacFrekansiOku(); }

std::int64_t MotorSayaci() { return SayacDegeri(); }

std::string GecenSaniyeMetni(std::int64_t Bas, std::int64_t Son, std::int64_t Frekans) {
    const double saniye = Frekans > 0 ? static_cast<double>(Son - Bas) / static_cast<double>(Frekans) : 0.0;
    return GenelSayiMetni(Yuvarla(saniye, 2));
}

std::uint64_t CalismaKumesi() { return KullanilanBellek(); }

namespace {

// Megabytes of a byte count with "," between thousands and at most one
// decimal, rounded half away from zero ("1,234.5", "12").
std::string MegabaytMetni(std::uint64_t Bayt) {
    const double mb = static_cast<double>(Bayt) / 1024.0 / 1024.0;
    const long long onda = static_cast<long long>(std::floor(mb * 10.0 + 0.5));
    const long long tam = onda / 10;
    const int ondalik = static_cast<int>(onda % 10);
    std::string rakamlar = std::to_string(tam);
    std::string gruplu;
    const int uzunluk = static_cast<int>(rakamlar.size());
    for (int i = 0; i < uzunluk; ++i) {
        if (i > 0 && (uzunluk - i) % 3 == 0) gruplu += ',';
        gruplu += rakamlar[i];
    }
    if (ondalik != 0) gruplu += "." + std::to_string(ondalik);
    return gruplu;
}

}  // namespace

std::string BellekKullanimMetni(std::uint64_t Bayt) { return "Memory used: " + MegabaytMetni(Bayt) + " MB"; }

std::string CalismaBellegiMetni(std::uint64_t Bayt) {
    return "Kullanılan bellek: " + MegabaytMetni(Bayt) + " MB";
}

void CalismaBellegiGoster() { Arayuz().BellekEtiketi(CalismaBellegiMetni(CalismaKumesi())); }

void BellekEtiketiniYenile() { Arayuz().BellekEtiketi(BellekKullanimMetni(CalismaKumesi())); }

std::uint64_t KullanilabilirBellek() {
    std::FILE* f = std::fopen("/proc/meminfo", "r");
    if (!f) return 0;
    char satir[256];
    std::uint64_t kb = 0;
    while (std::fgets(satir, sizeof satir, f)) {
        unsigned long long deger = 0;
        if (std::sscanf(satir, "MemAvailable: %llu kB", &deger) == 1) {
            kb = deger;
            break;
        }
    }
    std::fclose(f);
    return kb * 1024;
}

void BellekYetersizMesaji() {
    MesajKutusu("Bellek yetersiz: bu sistemin boyutu için gereken diziler belleğe sığmıyor\r"
                "Bilinmeyen sayısı: " + std::to_string(BilinmeyenSayisi),
                "HATA:", "TamamHata1");
}
