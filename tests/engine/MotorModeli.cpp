#include "MotorModeli.h"

#include <gtest/gtest.h>


#include "engine/CozumSurucusu.h"
#include "engine/SistemDengeDenklemleri.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"

namespace {

int SerbestlikSayisi(int tip) {
    switch (tip) {
        case 10: case 50: return 2;
        case 20: case 30: case 60: return 3;
        case 40: return 6;
        default: return 0;
    }
}

}  // namespace

void HataBekle(const BasliksizArayuz& a, const std::string& metin, std::size_t kez) {
    ASSERT_EQ(a.Mesajlar.size(), kez) << metin;
    for (const auto& m : a.Mesajlar) {
        EXPECT_EQ(m.Metin, metin);
        EXPECT_EQ(m.Baslik, "HATA:");
        EXPECT_EQ(m.Stil, "TamamHata1");
    }
}

MotorModeli::MotorModeli(int SistemTipi) : arayuz_(&TemizBasliksizArayuz()), sistemTipi_(SistemTipi) {
    TumTablolariKapat();
    const std::string proje = klasor_.Dosya("Proje.mdb");
    BosSablonuYaz(proje);
    ProjeTablolariniAc(proje);
    CalismaTablolariniAc(klasor_.Yol().string());
}

MotorModeli::~MotorModeli() {
    TumTablolariKapat();
    MotorDizileri.Bosalt();
}

namespace {

// Appends a row with the given whole numbers, numbers and text.
void Satir(Tablo& t, std::initializer_list<std::pair<const char*, long long>> tamsayilar,
           std::initializer_list<std::pair<const char*, double>> sayilar, const char* metinAlani = nullptr,
           const std::string& metin = "") {
    t.Append();
    for (const auto& [ad, deger] : tamsayilar) t.FieldByName(ad).SetInteger(deger);
    for (const auto& [ad, deger] : sayilar) t.FieldByName(ad).SetFloat(deger);
    if (metinAlani) t.FieldByName(metinAlani).SetString(metin);
    t.Post();
}

}  // namespace

void MotorModeli::Nokta(int No, double X, double Y, double Z) {
    Satir(Tablolar.XYZ, {{"NoktaNo", No}}, {{"X1", X}, {"X2", Y}, {"X3", Z}});
}

void MotorModeli::Noktalar(const std::vector<std::array<double, 3>>& xyz) {
    for (std::size_t n = 0; n < xyz.size(); ++n) Nokta(static_cast<int>(n) + 1, xyz[n][0], xyz[n][1], xyz[n][2]);
}

void MotorModeli::Malzeme(int No, double E, double Nu, double Alfa) {
    Satir(Tablolar.MalzemeBilgileri, {{"MalzemeNo", No}}, {{"E", E}, {"Nu", Nu}, {"Alfa", Alfa}});
}

void MotorModeli::Kesit(int No, double A, double Iz, double Iy, double J, double Ay, double Az) {
    Satir(Tablolar.KesitBilgileri,
          {{"KesitNo", No}}, {{"A", A}, {"iz", Iz}, {"iy", Iy}, {"ix", J}, {"Ay", Ay}, {"Az", Az}});
}

void MotorModeli::Eleman(int No, int Tip, int i, int j, int k, int L, int MalzemeNo, int KesitNo,
                         const std::string& Mafsal) {
    Satir(Tablolar.ED,
          {{"ElemanNo", No}, {"ElemanTipi", Tip}, {"iNoktasi", i}, {"jNoktasi", j}, {"kNoktasi", k},
           {"LNoktasi", L}, {"MalzemeNo", MalzemeNo}, {"KesitNo", KesitNo}},
          {},
          "MafsalTipi", Mafsal);
}

void MotorModeli::Mesnet(int No, std::vector<std::string> Kosullar) {
    static const char* const alanlar[] = {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"};
    Kosullar.resize(6, "Serbest");
    auto& t = Tablolar.SK;
    t.Append();
    t.FieldByName("NoktaNo").SetInteger(No);
    for (int d = 0; d < 6; ++d) t.FieldByName(alanlar[d]).SetString(Kosullar[d]);
    t.Post();
}

void MotorModeli::Yuk(int No, double Px, double Py, double Pz, double Mx, double My, double Mz) {
    Satir(Tablolar.TYUK, {{"NoktaNo", No}}, {{"Px", Px}, {"Py", Py}, {"Pz", Pz}, {"Mx", Mx}, {"My", My}, {"Mz", Mz}});
}

void MotorModeli::ElemanYuku(int ElemanNo, int YukNo, int YukTipi, double Yuk, double a, double b, double Yuk1) {
    Satir(Tablolar.EYUK, {{"ElemanNo", ElemanNo}, {"YukNo", YukNo}, {"YukTipi", YukTipi}}, {{"Yuk", Yuk},
                          {"aMesafesi", a}, {"bMesafesi", b}, {"Yuk1", Yuk1}});
}

bool MotorModeli::Hazirla() {
    Hata = 0;
    SistemTipi = sistemTipi_;
    NoktaSerbestlikSayisi = SerbestlikSayisi(sistemTipi_);
    NoktaSayisi = Tablolar.XYZ.RecordCount();
    ToplamSerbestlikSayisi = NoktaSayisi * NoktaSerbestlikSayisi;
    // What the readers and the post handler of SK count.
    MafsalSayisi = EDMafsalSayisi();
    SinirKosuluSayisi = 0;
    for (Tablolar.SK.First(); !Tablolar.SK.Eof(); Tablolar.SK.Next())
        for (const char* a : {"Ux", "Uy", "Uz", "Fix", "Fiy", "Fiz"}) {
            const std::string s = Tablolar.SK.FieldByName(a).AsString();
            if (!s.empty() && s[0] != 'S') ++SinirKosuluSayisi;
        }
    Tablolar.EYUK.SetSort("ElemanNo, YukNo");

    ModelDenetle();
    if (Hata != 0) return false;
    ElemanBilinmeyenTablosunuKur();
    if (Hata != 0) return false;
    DizileriBoyutlandir();
    return Hata == 0;
}

bool MotorModeli::Coz(bool YerDegistirmeli) {
    arayuz_->YerDegistirmeliHesapAyarla(YerDegistirmeli);
    if (!Hazirla()) return false;
    DengeDenklemleriniKur();
    if (Hata != 0) return false;
    const DengeDenklemleri d = DengeDenklemleriniAl();
    KuvvetMetoduCoz();
    if (Hata != 0) return false;
    if (!TemelSistemMekanizmayaYakin) DengeBekle(d);
    return true;
}


double MotorModeli::X(int e, int q) const { return Bilinmeyenler[ElemanBilinmeyenTablosu[1][e] + q - 1]; }

double MotorModeli::Reaksiyon(int i) const { return -Bilinmeyenler[ElemanBilinmeyenSayisi + i]; }

void MotorModeli::ReaksiyonlarBekle(std::initializer_list<double> beklenen, double tol) const {
    int i = 0;
    for (double b : beklenen) {
        ++i;
        EXPECT_NEAR(Reaksiyon(i), b, tol) << "reaction " << i;
    }
}

double MotorModeli::U(int n, int d) const { return YerDegistirmeler[(n - 1) * NoktaSerbestlikSayisi + d]; }

std::string MotorModeli::SonMesaj() const {
    return arayuz_->Mesajlar.empty() ? std::string() : arayuz_->Mesajlar.back().Metin;
}
