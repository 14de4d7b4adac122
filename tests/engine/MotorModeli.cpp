#include "MotorModeli.h"

#include "engine/CozumSurucusu.h"
#include "engine/SistemDengeDenklemleri.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"

namespace {

const char* const kSema = R"(
CREATE TABLE AnaVeriler (Sistem VARCHAR(25), ProbleminTanimi VARCHAR(255), KoordinatSistemiNo SMALLINT, Tarih DATETIME);
CREATE TABLE MalzemeBilgileri (MalzemeNo SMALLINT, Malzeme VARCHAR(15), E DOUBLE, Nu DOUBLE, Ro DOUBLE, Alfa DOUBLE, Tarih DATETIME);
CREATE TABLE KesitBilgileri (KesitNo SMALLINT, Kesit VARCHAR(25), A DOUBLE, ix DOUBLE, iy DOUBLE, iz DOUBLE, Ay DOUBLE, hy DOUBLE, ey DOUBLE, Az DOUBLE, hz DOUBLE, ez DOUBLE, Wb DOUBLE, b DOUBLE, h DOUBLE, t DOUBLE, bw DOUBLE, Tarih DATETIME);
CREATE TABLE ED (ElemanNo SMALLINT PRIMARY KEY, ElemanTipi SMALLINT, iNoktasi SMALLINT, jNoktasi SMALLINT, kNoktasi SMALLINT, LNoktasi SMALLINT, MalzemeNo SMALLINT, KesitNo SMALLINT, MafsalTipi VARCHAR(24));
CREATE TABLE EYUK (ElemanNo SMALLINT, YukNo SMALLINT, YukTipi SMALLINT, Yuk DOUBLE, aMesafesi DOUBLE, bMesafesi DOUBLE, Yuk1 DOUBLE);
CREATE TABLE SK (NoktaNo SMALLINT PRIMARY KEY, Ux VARCHAR(12), Uy VARCHAR(12), Uz VARCHAR(12), Fix VARCHAR(12), Fiy VARCHAR(12), Fiz VARCHAR(12));
CREATE TABLE TYUK (NoktaNo SMALLINT PRIMARY KEY, Px DOUBLE, Py DOUBLE, Pz DOUBLE, Mx DOUBLE, My DOUBLE, Mz DOUBLE);
CREATE TABLE XYZ (NoktaNo SMALLINT PRIMARY KEY, X1 DOUBLE, X2 DOUBLE, X3 DOUBLE);
)";

Tablo* const* Tablolarim() {
    static Tablo* const t[] = {&Tablolar.AnaVeriler, &Tablolar.MalzemeBilgileri, &Tablolar.KesitBilgileri,
                               &Tablolar.ED, &Tablolar.EYUK, &Tablolar.SK, &Tablolar.TYUK, &Tablolar.XYZ,
                               nullptr};
    return t;
}

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
    const std::string dosya = klasor_.Dosya("YazBoz.mdb");
    SqlDosyasiniCalistir(dosya, kSema);
    for (Tablo* const* t = Tablolarim(); *t; ++t) {
        (*t)->Close();
        (*t)->AfterPost = nullptr;
        (*t)->DosyaAyarla(dosya, true);
        (*t)->Open();
    }
    Tablolar.XYZ.SetIndexFieldNames("X1;X2;X3");
}

MotorModeli::~MotorModeli() {
    for (Tablo* const* t = Tablolarim(); *t; ++t) (*t)->Close();
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

void MotorModeli::Malzeme(int No, double E, double Nu) {
    auto& t = Tablolar.MalzemeBilgileri;
    t.Append();
    t.FieldByName("MalzemeNo").SetInteger(No);
    t.FieldByName("E").SetFloat(E);
    t.FieldByName("Nu").SetFloat(Nu);
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
            if (s.empty() || s[0] != 'S') ++SinirKosuluSayisi;
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
