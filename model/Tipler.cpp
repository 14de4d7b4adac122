#include "model/Tipler.h"

#include "model/LibU.h"
#include "platform/TurkceMetin.h"

const std::array<std::string, 7> SistemTipleri = {
    "", "10:Düzlem kafes", "20:Uzay kafes", "30:Düzlem çerçeve", "40:Uzay çerçeve",
    "50:Levha(düzlem gerilme)", "60:Plak"};

const std::array<std::string, 7> KoordinatSistemleri = {
    "", "1:Ekran düzlemi X-Y", "2:Ekran düzlemi X-Z", "3:Ekran düzlemi Y-X",
    "4:Ekran düzlemi Y-Z", "5:Ekran düzlemi Z-X", "6:Ekran düzlemi Z-Y"};

const std::array<ElemanTipiBilgisi, 13> ElemanTipleri = {{
    {10, "10:Düzlem kafes", 2, 2, 2, 4, 1, 1},
    {11, "11:Eksenel yay", 2, 2, 2, 4, 1, 1},
    {20, "20:Uzay kafes", 2, 2, 3, 6, 1, 1},
    {21, "21:Eksenel yay", 2, 2, 3, 6, 1, 1},
    {30, "30:Düzlem çerçeve", 2, 2, 3, 6, 3, 3},
    {31, "31:Eksenel yay", 2, 2, 3, 6, 3, 3},
    {32, "32:Dönme yayı", 2, 2, 3, 6, 3, 3},
    {33, "33:Eksenel ve dönme yayı", 2, 2, 3, 6, 3, 3},
    {40, "40:Uzay çerçeve", 3, 2, 6, 12, 6, 6},
    {41, "41:Deprem  izolatörü", 3, 2, 6, 12, 6, 6},
    {50, "50:Üçgen levha(düzlem gerilme)", 3, 3, 2, 6, 2, 3},
    {51, "51:Dörtgen levha(düzlem gerilme)", 4, 4, 2, 8, 2, 5},
    {60, "60:Dörtgen plak", 4, 4, 3, 12, 3, 9},
}};

const ElemanTipiBilgisi* ElemanTipiBul(int kod) {
    for (const auto& t : ElemanTipleri)
        if (t.Kod == kod) return &t;
    return nullptr;
}

std::string YayMafsalTipi(int ElemanTipi) {
    if (ElemanTipi == CerceveEksenelYayi) return "0306";
    if (ElemanTipi == CerceveDonmeYayi) return "0405";
    return "";
}

std::vector<int> SistemElemanTipKodlari(int SistemTipi) {
    switch (SistemTipi) {
        case DuzlemKafesSistemi:
        case LevhaSistemi: return {DuzlemKafesElemani, DuzlemEksenelYay, UcgenLevhaElemani, DortgenLevhaElemani};
        case UzayKafesSistemi: return {UzayKafesElemani, UzayEksenelYay};
        case DuzlemCerceveSistemi:
            return {DuzlemCerceveElemani, CerceveEksenelYayi, CerceveDonmeYayi, CerceveEksenelVeDonmeYayi};
        case UzayCerceveSistemi: return {UzayCerceveElemani, DepremIzolatoru};
        case PlakSistemi: return {DortgenPlakElemani};
        default: return {};
    }
}

bool ElemanTipiSistemde(int ElemanTipi, int SistemTipi) {
    for (int k : SistemElemanTipKodlari(SistemTipi))
        if (k == ElemanTipi) return true;
    return false;
}

std::vector<int> MafsalKodlari(int ElemanTipi, const std::string& MafsalTipi) {
    const bool mafsalli = (ElemanTipi >= DuzlemCerceveElemani && ElemanTipi <= CerceveEksenelVeDonmeYayi) ||
                          ElemanTipi == UzayCerceveElemani || ElemanTipi == DepremIzolatoru;
    const std::string metin = BosluklariSil(MafsalTipi);
    std::vector<int> kodlar;
    if (!mafsalli || metin.empty() || metin == "00") return kodlar;
    // Two characters a code; a character may take more than one byte.
    const std::size_t sayi = Utf8KarakterSayisi(metin) / 2;
    for (std::size_t q = 0; q < sayi; ++q) {
        const std::size_t bas = Utf8OnekUzunlugu(metin, 2 * q);
        const std::string cift = metin.substr(bas, Utf8OnekUzunlugu(metin, 2 * q + 2) - bas);
        const bool rakamlar = cift.size() == 2 && cift[0] >= '0' && cift[0] <= '9' && cift[1] >= '0' && cift[1] <= '9';
        kodlar.push_back(rakamlar ? (cift[0] - '0') * 10 + (cift[1] - '0') : 0);
    }
    return kodlar;
}

bool SinirKosuluTutar(const std::string& Metin) { return !Metin.empty() && Metin[0] != 'S'; }

const std::array<YukTipiBilgisi, 26> YukTipleri = {{
    {0, "", ""},
    {1, "1:Düzgün yayılı", "kN/m"},
    {2, "2:Tekil", "kN"},
    {3, "3:Üçgen", "kN/m"},
    {4, "4:Trapez", "kN/m"},
    {5, "5:Yerel x ekseni boyunca düzgün yayılı", "kN"},
    {6, "6:Yerel x ekseni üzerinde tekil", "kN"},
    {7, "7:Yerel z ekseni etrafında tekil moment", "kNm"},
    {8, "8:Kısmi sağ dik üçgen", "kN/m"},
    {9, "9:Kısmi sol dik üçgen", "kN/m"},
    {10, "10:Kısmi düzgün yayılı", "kN/m"},
    {11, "11:Kısmi yamuk", "kN/m"},
    {12, "12:Kısmi ikizkenar üçgen", "kN/m"},
    {13, "13:Farklı Sıcaklık artışı", "°C"},
    {14, "14:Üniform sıcaklık artışı", "°C"},
    {15, "15:i ucunda yerel x yönünde yer değiştirme", "m"},
    {16, "16:j ucunda yerel x yönünde yer değiştirme", "m"},
    {17, "17:i ucunda yerel y yönünde yer değiştirme", "m"},
    {18, "18:j ucunda yerel y yönünde yer değiştirme", "m"},
    {19, "19:i ucunda yerel z etrafında dönme", "m"},
    {20, "20:j ucunda yerel z etrafında dönme", "m"},
    {21, "21:Lokal y doğrultusunda düzgün yayılı", "kN/m"},
    {22, "22:Lokal z doğrultusunda düzgün yayılı", "kN/m"},
    {23, "23:Lokal y doğrultusunda tekil", "kN"},
    {24, "24:Lokal z doğrultusunda tekil", "kN"},
    {25, "25:Düzgün yayılı", "kN/m²"},
}};

const std::array<std::string, 20> KesitTipleri = {
    "",
    "1:Dikdörtgen", "2:Tablalı", "3:I", "4:Daire", "5:Halka", "6:Kutu", "7:Eksenel yay",
    "8:Dönme yayı", "9:Eksenel ve dönme yayı", "10:NPI profil", "11:NPU profil",
    "12:IPE profil", "13:HE-A profil", "14:HE-B profil", "15:HE-M profil",
    "29:Deprem izolatörü", "50:Levha", "60:Plak", "100:Diğer"};

std::vector<PencereResmi> PencereResimleri() {
    std::vector<PencereResmi> r;
    auto ekle = [&r](const std::string& onek, const std::string& metin, int g, int y) {
        r.push_back({onek + AyiracOncesi(metin, ":"), g, y});
    };
    for (std::size_t i = 1; i < SistemTipleri.size(); ++i) ekle("Sistem", SistemTipleri[i], 220, 160);
    for (std::size_t i = 1; i < KoordinatSistemleri.size(); ++i) ekle("Eksen", KoordinatSistemleri[i], 80, 80);
    for (std::size_t i = 1; i < KesitTipleri.size(); ++i)
        if (AyiracOncesi(KesitTipleri[i], ":") != "100") ekle("Kesit", KesitTipleri[i], 200, 180);
    for (const auto& t : ElemanTipleri) ekle("Eleman", t.Metin, 260, 160);
    for (std::size_t i = 1; i < YukTipleri.size(); ++i) ekle("Yuk", YukTipleri[i].Metin, 260, 160);
    for (std::size_t i = 1; i < YukTipleri.size(); ++i) ekle("YukKucuk", YukTipleri[i].Metin, 32, 12);
    r.push_back({"Mafsal", 200, 96});  // the hinge types beside their check boxes
    return r;
}

const std::array<std::string, 12> SonucBolumAdlari = {
    "", "Malzeme bilgileri", "Kesit bilgileri", "Koordinatlar", "Eleman-nokta bağı",
    "Düğüm tekil yükleri", "Eleman yükleri", "Sınır koşulları", "Eleman kuvvetleri",
    "Reaksiyonlar", "Gerilmeler", "Yer değiştirmeler"};

TAyarlar Ayarlar;
TProgramYollari ProgramYollari;
THataDurumu HataDurumu;
TModelDurumu ModelDurumu;
TOkunanEleman OkunanEleman;
TMotorDizileri MotorDizileri;
TElemanMatrisleri ElemanMatrisleri;
TDigerDegerler DigerDegerler;

void TMotorDizileri::Bosalt() {
    NMatrisi.Bosalt();
    B0Matrisi.Bosalt();
    HiperstatikKolonlar.Bosalt();
    YukVektoru.Bosalt();
    MesnetYerDegistirmeleri.Bosalt();
    Bilinmeyenler.Bosalt();
    EsneklikMatrisi.Bosalt();
    YerDegistirmeler.Bosalt();
    ElemanBilinmeyenTablosu.Bosalt();
    SatirSirasi.Bosalt();
}

void GenelDegiskenleriBaslat() {
    const std::string test = "C:\\Orvelta\\VerilerOrtak\\Test\\Test.mdb";
    AcikVeriTabani = test;
    FarkliKaydetAdi = test;
    SonVeriTabani = test;
    Ayarlar.VeriTabaniAdi = AcikVeriTabani;
    Ayarlar.Olcek = FormOlcegi;
    for (GeciciTamSayi = 1; GeciciTamSayi <= 11; ++GeciciTamSayi)
        Ayarlar.SonucBolumSecimleri[GeciciTamSayi] = true;
    TelifMetni = "Sürüm 1.0  (c) Orvelta geliştiricileri";
    EnBuyukElemanKuvvetSayisi = 9;
    IsParcacigiSayisi = IslemciSayisi();
}

void GenelDegiskenleriSerbestBirak() {
    OkunanMafsalTipi.clear();
    SistemAdi.clear();
    HataMesaji.clear();
    TelifMetni.clear();
    AcikVeriTabani.clear();
    FarkliKaydetAdi.clear();
    SonVeriTabani.clear();
    Ayarlar = {};
    VerilerKlasoru.clear();
    Surucu.clear();
    ProgramSurucusu.clear();
    ProgramUzantisi.clear();
    ProgramAdi.clear();
    ProgramKlasoru.clear();
    ProgramTamAdi.clear();
    MotorDizileri.Bosalt();
}

void ModelDurumunuSifirla() {
    HataDurumu = {};
    ModelDurumu = {};
    OkunanEleman = {};
    MotorDizileri.Bosalt();
    ElemanMatrisleri = {};
}
