#include "input/YukKurallari.h"

#include "engine/AnkastrelikKuvvetleri.h"
#include "engine/SistemDengeDenklemleri.h"
#include "input/EditorKurallari.h"
#include "input/TuretDenetimi.h"
#include "model/AnahtarDenetimi.h"
#include "model/LibU.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {
constexpr double EnBuyukDeger = 1E100;
}  // namespace

// ================================================================ nodal loads

const std::array<TekilYukEditi, 6> TekilYukEditleri = {{
    {"Px(kN):", "Genel X ekseni yönündeki tekil yük", "Px"},
    {"Py(kN):", "Genel Y ekseni yönündeki tekil yük", "Py"},
    {"Pz(kN):", "Genel Z ekseni yönündeki tekil yük", "Pz"},
    {"Mx(kNm):", "Genel X ekseni etrafındaki tekil moment yükü", "Mx"},
    {"My(kNm):", "Genel Y ekseni etrafındaki tekil moment yükü", "My"},
    {"Mz(kNm):", "Genel Z ekseni etrafındaki tekil moment yükü", "Mz"},
}};

const char* const TekilYukNoktaEtiketi = "Nokta no:";
const char* const TekilYukNoktaIpucu = "Tekil yükleri tanımlanacak noktanın numarasını ver";
const char* const TekilYukIsaretKurali = "Kuvvetler: eksen yönünde pozitif. Momentler: sağ el kuralına göre pozitif";
const char* const TekilYukTuretAciklamasi =
    "Baş nokta dan Son nokta1 ve Son nokta2 ye kadar  Adım1 ve  Adım2 aralıkları ile türetilen noktalara solda "
    "verilenler kuvvetler atanır.";

bool TekilYukSistemde(int SistemTipi, int k) {
    int sayi = 0;
    const char* const* alanlar = DugumYukuAlanlari(SistemTipi, sayi);
    return !alanlar || AlanSistemde(alanlar, sayi, TekilYukEditleri[static_cast<std::size_t>(k)].Alan);
}

std::string TekilYukDenetle(const std::string& Anahtar, const std::array<std::string, 6>& Degerler,
                            int SistemTipi) {
    std::string mesaj;
    // an empty key names no node, so the message cannot begin with its number
    if (BosluklariSil(Anahtar).empty())
        mesaj = "Nokta no tanımsız";
    else if (!DuzNoktaTanimli(Anahtar))
        mesaj = Anahtar + " noktasının koordinatları tanımsız";
    std::array<double, 6> v{};
    bool okunamayan = false;
    for (std::size_t k = 0; k < 6; ++k)
        if (!GercelSayiMi(Degerler[k], v[k], -EnBuyukDeger, EnBuyukDeger)) {
            v[k] = 0;
            okunamayan = true;
            mesaj = std::string(TekilYukEditleri[k].Alan) + " hatalı";
        }
    bool hepsiSifir = true;
    std::string disarida;
    for (int k = 0; k < 6; ++k) {
        if (v[static_cast<std::size_t>(k)] == 0) continue;
        if (TekilYukSistemde(SistemTipi, k))
            hepsiSifir = false;
        else
            disarida = TekilYukEditleri[static_cast<std::size_t>(k)].Alan;
    }
    // a value that is no number keeps its own message
    if (hepsiSifir && !okunamayan) mesaj = "Noktadaki yüklerin tümü sıfır olamaz";
    if (!disarida.empty()) mesaj = disarida + " yükü bu sistem tipinde kullanılamaz, 0 olmalıdır";
    return mesaj;
}

std::string TekilYukSilmeSorusu(const std::string& Anahtar) {
    return Anahtar + " nolu noktanın yükleri veri tabanından silinecek\rDevam edeyim mi?";
}

// ============================================================= element loads

const char* const ElemanYukuElemanEtiketi = "Eleman no:";
const char* const ElemanYukuElemanIpucu = "Yükleri tanımlanacak eleman numarasını ver";
const char* const ElemanYukuNoEtiketi = "Yük no:";
const char* const ElemanYukuNoIpucu =
    "Aynı eleman üzerinde birden çok yük olabilir. Her yükün 1, 2,...,10 gibi  numarası olmalıdır. Bir "
    "elemanda en fazla 10 yük olabilir";
const char* const ElemanYukuTipiEtiketi = "Yük tipi:";
const char* const ElemanYukuTipiIpucu = "Yük tipini seç";
const char* const ElemanYukuDegerIpucu = "Yükün değerini ver";
const char* const ElemanYukuSekilIpucu = "Bazı yük tiplerinde gereklidir, şekle bakınız";
const char* const ElemanYukuResimIpucu = "Tanımlanacak yük tipi";
const char* const ElemanYukuaEtiketi = "a(m):";
const char* const ElemanYukubEtiketi = "b(m):";
const char* const ElemanYukuEksenNotu = "x, y, z: yerel eksenler.";
const char* const ElemanYukuIsaretNotu =
    "Yükün işaretini şekle bakarak verin. Elemanın boyu L hariç şekilde görülen diğer büyüklükleri "
    "vermelisiniz.";
const char* const ElemanYukuTuretAciklamasi =
    "Baş elemandan  Son eleman1 e kadar Adım1 ara ile,  Baş elemandan Son eleman2 ye kadar  Adım2 ara ile "
    "türetilen elemanlara soldaki yük değerleri atanır.";

std::vector<std::string> SistemYukTipleri(int SistemTipi) {
    int ilk = 0, son = -1;
    switch (SistemTipi) {
        case DuzlemKafesSistemi:
        case UzayKafesSistemi: ilk = 14, son = 16; break;
        case DuzlemCerceveSistemi: ilk = 1, son = 20; break;
        case UzayCerceveSistemi: ilk = 21, son = 24; break;
        case PlakSistemi: ilk = son = 25; break;
        default: break;
    }
    std::vector<std::string> l;
    for (int k = ilk; k <= son; ++k) l.push_back(YukTipleri[static_cast<std::size_t>(k)].Metin);
    return l;
}

int SistemElemanNoktaSayisi(int SistemTipi) {
    switch (SistemTipi) {
        case DuzlemKafesSistemi:
        case UzayKafesSistemi:
        case DuzlemCerceveSistemi: return 2;
        case UzayCerceveSistemi: return 3;
        case LevhaSistemi:
        case PlakSistemi: return 4;
        default: return 0;
    }
}

int YukTipiKodu(const std::string& YukTipiMetni) {
    return YukTipiMetni.find(':') == std::string::npos ? 0 : ListeKodu(YukTipiMetni, 25);
}

YukTipiDuzeni YukTipiDuzeniBul(int Kod) {
    YukTipiDuzeni d;
    if (Kod < 1 || Kod > 25) return d;
    d.Kod = Kod;
    const std::string birim = YukTipleri[static_cast<std::size_t>(Kod)].Birim;
    d.YukEtiketi = "Yük(" + birim + ")";
    d.Yuk1Etiketi = "Yük1(" + birim + ")";
    if (Kod == 13) d.Not = "Farklı sıcaklık yükünde\neleman yüzünden-yüzüne\na gereklidir, verilmelidir.";
    if (Kod == 14) d.Not = "Üniform sıcaklık yükünde\neleman yüzünden-yüzüne\na gereklsizdir, 0 olabilir.";
    d.Yuk1Etkin = Kod == 11 || Kod == 13;
    d.Yuk1YukKopyasi = Kod == 14;
    d.Resim = "Yuk" + std::to_string(Kod);
    d.Simge = "YukKucuk" + std::to_string(Kod);
    return d;
}

bool UniformSicaklikKopyasi(int Kod, const std::string& Yuk, std::string& a, std::string& b, std::string& Yuk1) {
    if (Kod != 14) return false;
    Yuk1 = Yuk;
    a = "0";
    b = "0";
    return true;
}

bool YukNoGecerli(const std::string& YukNoMetni, int& No) { return TamSayiMi(YukNoMetni, 1, EnBuyukYukNo, No); }

namespace {

// The elements of the key that ED holds with a type that takes no load.
std::vector<int> YukAlmayanElemanlar(const std::string& Anahtar) {
    std::vector<int> numaralar, sonuc;
    if (!AnahtarNumaralari(Anahtar, numaralar)) return sonuc;
    Tablo& ed = Tablolar.ED;
    for (int n : numaralar)
        if (ed.Locate("ElemanNo", n) && !ElemanYukuAlir(ed.FieldByName("ElemanTipi").AsInteger()))
            sonuc.push_back(n);
    return sonuc;
}

}  // namespace

std::string ElemanYukuDenetle(const ElemanYukuGirdisi& g) {
    std::string mesaj;
    const bool duz = !TuretAnahtariMi(g.Anahtar);
    int eleman = 0, no = 0;
    const bool elemanOkundu = duz && TamSayiMi(g.Anahtar, 1, 10000, eleman);
    if (duz && !elemanOkundu) mesaj = "Eleman no hatalı";
    if (!YukNoGecerli(g.YukNo, no)) mesaj = "Yük no hatalı";
    const int tip = YukTipiKodu(g.YukTipi);
    if (tip == 0) mesaj = "Yük tipi hatalı";
    double yuk = 0, a = 0, b = 0, yuk1 = 0;
    const bool yukOkundu = GercelSayiMi(g.Yuk, yuk, -EnBuyukDeger, EnBuyukDeger);
    if (!yukOkundu) mesaj = "Yük hatalı";
    if (!GercelSayiMi(g.a, a, 0, EnBuyukDeger)) mesaj = "a hatalı";
    if (!GercelSayiMi(g.b, b, 0, EnBuyukDeger)) mesaj = "b hatalı";
    if (!GercelSayiMi(g.Yuk1, yuk1, -EnBuyukDeger, EnBuyukDeger)) mesaj = "Yük1 hatalı";
    // an empty or unreadable element number keeps its own message
    if (elemanOkundu && !Tablolar.ED.Locate("ElemanNo", eleman))
        mesaj = g.Anahtar + " nolu eleman-nokta bağı tanımsız";
    const bool ikiDegerli = tip == 11 || tip == 13;
    // an unreadable Yük keeps its own message
    if (yukOkundu && yuk == 0 && (!ikiDegerli || yuk1 == 0)) mesaj = "Yük=0 olamaz";
    const std::vector<int> yuksuz = YukAlmayanElemanlar(g.Anahtar);
    if (!yuksuz.empty()) {
        if (duz) {
            mesaj = YukAlmayanElemanMesaji;
        } else {
            std::string liste;
            for (std::size_t i = 0; i < yuksuz.size() && i < 10; ++i)
                liste += (i ? ", " : "") + std::to_string(yuksuz[i]);
            if (yuksuz.size() > 10) liste += ", ...";
            mesaj = g.Anahtar + "-> " + liste + " nolu elemanların tipine eleman yükü verilemez";
        }
    }
    return mesaj;
}

std::string ElemanYukuSilmeSorusu(const std::string& Anahtar) {
    return Anahtar + " nolu elemanın bu yükü veri tabanından silinecek\rDevam edeyim mi?";
}
