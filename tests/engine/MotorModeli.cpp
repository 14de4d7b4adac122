#include "MotorModeli.h"

#include "engine/CozumSurucusu.h"
#include "engine/SistemDengeDenklemleri.h"
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

void MotorModeli::Nokta(int No, double X, double Y, double Z) {
    auto& t = Tablolar.XYZ;
    t.Append();
    t.FieldByName("NoktaNo").SetInteger(No);
    t.FieldByName("X1").SetFloat(X);
    t.FieldByName("X2").SetFloat(Y);
    t.FieldByName("X3").SetFloat(Z);
    t.Post();
}

void MotorModeli::Noktalar(const std::vector<std::array<double, 3>>& xyz) {
    for (std::size_t n = 0; n < xyz.size(); ++n) Nokta(static_cast<int>(n) + 1, xyz[n][0], xyz[n][1], xyz[n][2]);
}

void MotorModeli::Malzeme(int No, double E, double Nu, double Alfa) {
    auto& t = Tablolar.MalzemeBilgileri;
    t.Append();
    t.FieldByName("MalzemeNo").SetInteger(No);
    t.FieldByName("E").SetFloat(E);
    t.FieldByName("Nu").SetFloat(Nu);
    t.FieldByName("Alfa").SetFloat(Alfa);
    t.Post();
}

void MotorModeli::Kesit(int No, double A, double Iz, double Iy, double J, double Ay, double Az) {
    auto& t = Tablolar.KesitBilgileri;
    t.Append();
    t.FieldByName("KesitNo").SetInteger(No);
    t.FieldByName("A").SetFloat(A);
    t.FieldByName("iz").SetFloat(Iz);
    t.FieldByName("iy").SetFloat(Iy);
    t.FieldByName("ix").SetFloat(J);
    t.FieldByName("Ay").SetFloat(Ay);
    t.FieldByName("Az").SetFloat(Az);
    t.Post();
}

void MotorModeli::Eleman(int No, int Tip, int i, int j, int k, int L, int MalzemeNo, int KesitNo,
                         const std::string& Mafsal) {
    auto& t = Tablolar.ED;
    t.Append();
    t.FieldByName("ElemanNo").SetInteger(No);
    t.FieldByName("ElemanTipi").SetInteger(Tip);
    t.FieldByName("iNoktasi").SetInteger(i);
    t.FieldByName("jNoktasi").SetInteger(j);
    t.FieldByName("kNoktasi").SetInteger(k);
    t.FieldByName("LNoktasi").SetInteger(L);
    t.FieldByName("MalzemeNo").SetInteger(MalzemeNo);
    t.FieldByName("KesitNo").SetInteger(KesitNo);
    t.FieldByName("MafsalTipi").SetString(Mafsal);
    t.Post();
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
    auto& t = Tablolar.TYUK;
    t.Append();
    t.FieldByName("NoktaNo").SetInteger(No);
    t.FieldByName("Px").SetFloat(Px);
    t.FieldByName("Py").SetFloat(Py);
    t.FieldByName("Pz").SetFloat(Pz);
    t.FieldByName("Mx").SetFloat(Mx);
    t.FieldByName("My").SetFloat(My);
    t.FieldByName("Mz").SetFloat(Mz);
    t.Post();
}

void MotorModeli::ElemanYuku(int ElemanNo, int YukNo, int YukTipi, double Yuk, double a, double b, double Yuk1) {
    auto& t = Tablolar.EYUK;
    t.Append();
    t.FieldByName("ElemanNo").SetInteger(ElemanNo);
    t.FieldByName("YukNo").SetInteger(YukNo);
    t.FieldByName("YukTipi").SetInteger(YukTipi);
    t.FieldByName("Yuk").SetFloat(Yuk);
    t.FieldByName("aMesafesi").SetFloat(a);
    t.FieldByName("bMesafesi").SetFloat(b);
    t.FieldByName("Yuk1").SetFloat(Yuk1);
    t.Post();
}

bool MotorModeli::Hazirla() {
    Hata = 0;
    SistemTipi = sistemTipi_;
    NoktaSerbestlikSayisi = SerbestlikSayisi(sistemTipi_);
    NoktaSayisi = Tablolar.XYZ.RecordCount();
    ToplamSerbestlikSayisi = NoktaSayisi * NoktaSerbestlikSayisi;
    // What the post handlers of ED and SK count.
    MafsalSayisi = 0;
    for (Tablolar.ED.First(); !Tablolar.ED.Eof(); Tablolar.ED.Next()) {
        const std::string m = Tablolar.ED.FieldByName("MafsalTipi").AsString();
        if (m != "00") MafsalSayisi += static_cast<int>(m.size()) / 2;
    }
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
    KuvvetMetoduCoz();
    return Hata == 0;
}

double MotorModeli::X(int e, int q) const { return Bilinmeyenler[ElemanBilinmeyenTablosu[1][e] + q - 1]; }

double MotorModeli::Reaksiyon(int i) const { return -Bilinmeyenler[ElemanBilinmeyenSayisi + i]; }

double MotorModeli::U(int n, int d) const { return YerDegistirmeler[(n - 1) * NoktaSerbestlikSayisi + d]; }

std::string MotorModeli::SonMesaj() const {
    return arayuz_->Mesajlar.empty() ? std::string() : arayuz_->Mesajlar.back().Metin;
}
