#pragma once
// Shared types, code tables and the global model state. The model lives in
// these globals and in the tables of the project and scratch databases.
// The globals are grouped by role in a few structs, each reachable by the
// plain names below, so that a test can reset a whole group in one statement
// (for example `ModelDurumu = {};`).
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Diziler.h"

// ---------------------------------------------------------------- settings
struct TAyarlar {
    std::string VeriTabaniAdi;                 // path of the open project
    int Olcek = 100;                           // scale percent, read by nothing
    std::array<bool, 12> SonucBolumSecimleri{}; // [1..11] report-section switches
};

// ---------------------------------------------------------------- code tables
extern const std::array<std::string, 7> SistemTipleri;       // [1..6]
extern const std::array<std::string, 7> KoordinatSistemleri; // [1..6]

// System type codes (SistemTipi), as the project stores them.
constexpr int DuzlemKafesSistemi = 10;
constexpr int UzayKafesSistemi = 20;
constexpr int DuzlemCerceveSistemi = 30;
constexpr int UzayCerceveSistemi = 40;
constexpr int LevhaSistemi = 50;  // plane stress
constexpr int PlakSistemi = 60;

// Element type codes (ElemanTipi), as the project stores them. The tens give
// the family: below 30 truss bars and their springs, 30 to 39 plane frame
// bars and springs, 40 and 41 space frame, from 50 on the surface elements.
constexpr int DuzlemKafesElemani = 10;
constexpr int DuzlemEksenelYay = 11;
constexpr int UzayKafesElemani = 20;
constexpr int UzayEksenelYay = 21;
constexpr int DuzlemCerceveElemani = 30;
constexpr int CerceveEksenelYayi = 31;
constexpr int CerceveDonmeYayi = 32;
constexpr int CerceveEksenelVeDonmeYayi = 33;
constexpr int UzayCerceveElemani = 40;
constexpr int DepremIzolatoru = 41;
constexpr int UcgenLevhaElemani = 50;
constexpr int DortgenLevhaElemani = 51;
constexpr int DortgenPlakElemani = 60;
// Membranes and plates, against the bars and springs.
constexpr bool YuzeyElemaniMi(int ElemanTipi) { return ElemanTipi >= UcgenLevhaElemani; }

struct ElemanTipiBilgisi {
    int Kod;
    const char* Metin;
    int GirilenNoktaSayisi;  // nodes the element-node editor asks for
    int NoktaSayisi;         // nodes in the element
    int NoktaSerbestlik;     // dof per node
    int ElemanSerbestlik;    // element dof
    int NoktadakiKuvvet;     // end-force components per node
    int BagimsizKuvvet;      // independent forces
};
extern const std::array<ElemanTipiBilgisi, 13> ElemanTipleri;
const ElemanTipiBilgisi* ElemanTipiBul(int kod);  // nullptr for an unknown code
// The hinge code a spring type always carries: "0306" for 31 (axial
// spring), "0405" for 32 (rotational spring); "" for every other type.
std::string YayMafsalTipi(int ElemanTipi);

// The element types that belong to a system type, in the order the
// element-node editor offers them (none for an unknown system type).
std::vector<int> SistemElemanTipKodlari(int SistemTipi);
// Whether an element type belongs to the system type.
bool ElemanTipiSistemde(int ElemanTipi, int SistemTipi);

// The hinge releases of an element, one entry per hinge equation, in the
// order of the codes in its hinge text: the text without blanks, read two
// characters at a time; a pair of two digits gives its code, any other pair
// 0 (an equation without entries). "00" (also written with blanks, or an
// empty text) means no hinge, and only the plane- and space-frame bars and
// their springs and the isolator (30 to 33, 40, 41) take hinge equations.
// The hinge count and the hinge rows both follow this rule.
std::vector<int> MafsalKodlari(int ElemanTipi, const std::string& MafsalTipi);

// Whether a support text holds its degree of freedom: a text that is not
// empty and does not begin with "S" ("Serbest"). An empty (NULL) field
// holds nothing. The support count, the support columns of the equations
// and the reactions of the report all follow this rule.
bool SinirKosuluTutar(const std::string& Metin);

struct YukTipiBilgisi {
    int Kod;
    const char* Metin;
    const char* Birim;
};
extern const std::array<YukTipiBilgisi, 26> YukTipleri;  // [1..25]

extern const std::array<std::string, 20> KesitTipleri;  // the nineteen items, [1..19]

// Every picture a window asks for by name ("Sistem10", "Eksen1", "Kesit1",
// "Eleman10", "Yuk1", and the icons of the load-type list "YukKucuk1"), taken
// from the code tables above, and the hinge types "Mafsal"), with the size
// the picture is drawn at. Section type 100 has no picture.
struct PencereResmi {
    std::string Ad;
    int Genislik;
    int Yukseklik;
};
std::vector<PencereResmi> PencereResimleri();

// The section names of the report, in the order of the eleven switches.
extern const std::array<std::string, 12> SonucBolumAdlari;  // [1..11]

// ---------------------------------------------------------------- globals
struct TProgramYollari {
    std::string ProgramKlasoru = "C:\\Orvelta";
    std::string VerilerKlasoru = "C:\\Orvelta\\Veriler";
    std::string ProgramTamAdi, ProgramAdi, ProgramUzantisi, ProgramSurucusu, Surucu;
    std::string AcikVeriTabani, FarkliKaydetAdi, SonVeriTabani;
    int FormOlcegi = 100;
};

struct THataDurumu {
    int Hata = 0;
    std::string HataMesaji;
};

struct TModelDurumu {
    std::string SistemAdi;
    int SistemTipi = 0;
    int GenelKoordinatSistemiNo = 0;
    int ElemanSayisi = 0, NoktaSayisi = 0, YukluNoktaSayisi = 0, SinirKosulluNoktaSayisi = 0,
        SinirKosuluSayisi = 0, NoktaSerbestlikSayisi = 0, ElemanNoktaSayisi = 0,
        ElemanSerbestlikSayisi = 0, ElemaninNoktadakiKuvvetSayisi = 0, ElemanKuvvetSayisi = 0,
        MafsalSayisi = 0, ToplamSerbestlikSayisi = 0, DenklemSayisi = 0, BilinmeyenSayisi = 0,
        HiperstatiklikDerecesi = 0;
    double EnBuyukMutlakDeger = 0;
    int ElemanIlkKolon = 0;
    int ElemanBilinmeyenSayisi = 0;
    int EnBuyukElemanKuvvetSayisi = 9;
    double ElemanBoyu = 0;
    // The solution missed its equations beyond round-off even after its
    // corrections: the base system it chose is nearly a mechanism.
    bool TemelSistemMekanizmayaYakin = false;
};

// The element being read, in the order in which the element lookup fills it.
struct TOkunanEleman {
    int TuretElemanNo = 0;
    int OkunanElemanTipi = 0, OkunaniNoktasi = 0, OkunanjNoktasi = 0, OkunankNoktasi = 0,
        OkunanLNoktasi = 0, OkunanMalzemeNo = 0, OkunanKesitNo = 0;
    std::string OkunanMafsalTipi;
    double OkunanE = 0, OkunanNu = 0, OkunanRo = 0, OkunanAlfa = 0, OkunanA = 0, OkunanJ = 0,
           OkunanIy = 0, OkunanIz = 0, OkunanAy = 0, OkunanAz = 0, Okunanhy = 0, Okunaney = 0,
           Okunanhz = 0, Okunanez = 0, OkunanWb = 0;
    double OkunaniX1 = 0, OkunaniX2 = 0, OkunaniX3 = 0, OkunanjX1 = 0, OkunanjX2 = 0,
           OkunanjX3 = 0, OkunankX1 = 0, OkunankX2 = 0, OkunankX3 = 0, OkunanLX1 = 0,
           OkunanLX2 = 0, OkunanLX3 = 0;
    // current node and element-load row
    int TuretNoktaNo = 0;
    int OkunanYukNo = 0, OkunanYukTipi = 0;
    double OkunanYuk = 0, OkunanaMesafesi = 0, OkunanbMesafesi = 0, OkunanYuk1 = 0;
};

// Engine arrays, sized by the run for every calculation.
struct TMotorDizileri {
    ikiboyutluFloatArray NMatrisi;
    ikiboyutluFloatArray B0Matrisi;
    BirBoyutluIntegerArray HiperstatikKolonlar;
    BirBoyutluFloatArray YukVektoru, MesnetYerDegistirmeleri, Bilinmeyenler;
    ikiboyutluFloatArray EsneklikMatrisi;
    BirBoyutluFloatArray YerDegistirmeler;
    ikiboyutluIntegerArray ElemanBilinmeyenTablosu;  // rows 0 and 1
    BirBoyutluIntegerArray SatirSirasi;
    void Bosalt();
};

using Matris12x12 = std::array<std::array<double, 13>, 13>;
using Matris12x9 = std::array<std::array<double, 10>, 13>;
using Vektor12 = std::array<double, 13>;

// Matrices of the current element (indices from 1).
struct TElemanMatrisleri {
    Matris12x12 TransformasyonMatrisi{};
    Matris12x9 ElemanYerelDengeMatrisi{};
    Matris12x9 ElemanDengeMatrisi{};
    Vektor12 ElemanUcKuvvetleri{};
    Vektor12 GlobalAnkastrelikKuvvetleri{};
    Vektor12 YerelAnkastrelikKuvvetleri{};
    Matris12x12 GerilmeMatrisi{};
    std::array<double, 7> GerilmeSonuclari{};  // sx, sy, txy, s1, s2, angle (1..6)
};

struct TDigerDegerler {
    std::int64_t SayacFrekansi = 0, HesapBaslangici = 0, HesapBitisi = 0;
    std::uint16_t IsParcacigiSayisi = 1;
    int EkranGenisligi = 0, EkranYuksekligi = 0;
    std::string TelifMetni;
    int GeciciTamSayi = 0;
    int MalzemeSayisi = 0, KesitSayisi = 0;
};

extern TAyarlar Ayarlar;
extern TProgramYollari ProgramYollari;
extern THataDurumu HataDurumu;
extern TModelDurumu ModelDurumu;
extern TOkunanEleman OkunanEleman;
extern TMotorDizileri MotorDizileri;
extern TElemanMatrisleri ElemanMatrisleri;
extern TDigerDegerler DigerDegerler;

// Plain names of the globals.
inline std::string& ProgramKlasoru = ProgramYollari.ProgramKlasoru;
inline std::string& VerilerKlasoru = ProgramYollari.VerilerKlasoru;
inline std::string& ProgramTamAdi = ProgramYollari.ProgramTamAdi;
inline std::string& ProgramAdi = ProgramYollari.ProgramAdi;
inline std::string& ProgramUzantisi = ProgramYollari.ProgramUzantisi;
inline std::string& ProgramSurucusu = ProgramYollari.ProgramSurucusu;
inline std::string& Surucu = ProgramYollari.Surucu;
inline std::string& AcikVeriTabani = ProgramYollari.AcikVeriTabani;
inline std::string& FarkliKaydetAdi = ProgramYollari.FarkliKaydetAdi;
inline std::string& SonVeriTabani = ProgramYollari.SonVeriTabani;
inline int& FormOlcegi = ProgramYollari.FormOlcegi;

inline int& Hata = HataDurumu.Hata;
inline std::string& HataMesaji = HataDurumu.HataMesaji;

inline std::string& SistemAdi = ModelDurumu.SistemAdi;
inline int& SistemTipi = ModelDurumu.SistemTipi;
inline int& GenelKoordinatSistemiNo = ModelDurumu.GenelKoordinatSistemiNo;
inline int& ElemanSayisi = ModelDurumu.ElemanSayisi;
inline int& NoktaSayisi = ModelDurumu.NoktaSayisi;
inline int& YukluNoktaSayisi = ModelDurumu.YukluNoktaSayisi;
inline int& SinirKosulluNoktaSayisi = ModelDurumu.SinirKosulluNoktaSayisi;
inline int& SinirKosuluSayisi = ModelDurumu.SinirKosuluSayisi;
inline int& NoktaSerbestlikSayisi = ModelDurumu.NoktaSerbestlikSayisi;
inline int& ElemanNoktaSayisi = ModelDurumu.ElemanNoktaSayisi;
inline int& ElemanSerbestlikSayisi = ModelDurumu.ElemanSerbestlikSayisi;
inline int& ElemaninNoktadakiKuvvetSayisi = ModelDurumu.ElemaninNoktadakiKuvvetSayisi;
inline int& ElemanKuvvetSayisi = ModelDurumu.ElemanKuvvetSayisi;
inline int& MafsalSayisi = ModelDurumu.MafsalSayisi;
inline int& ToplamSerbestlikSayisi = ModelDurumu.ToplamSerbestlikSayisi;
inline int& DenklemSayisi = ModelDurumu.DenklemSayisi;
inline int& BilinmeyenSayisi = ModelDurumu.BilinmeyenSayisi;
inline int& HiperstatiklikDerecesi = ModelDurumu.HiperstatiklikDerecesi;
inline double& EnBuyukMutlakDeger = ModelDurumu.EnBuyukMutlakDeger;
inline int& ElemanIlkKolon = ModelDurumu.ElemanIlkKolon;
inline int& ElemanBilinmeyenSayisi = ModelDurumu.ElemanBilinmeyenSayisi;
inline int& EnBuyukElemanKuvvetSayisi = ModelDurumu.EnBuyukElemanKuvvetSayisi;
inline double& ElemanBoyu = ModelDurumu.ElemanBoyu;
inline bool& TemelSistemMekanizmayaYakin = ModelDurumu.TemelSistemMekanizmayaYakin;

#define ORVELTA_OKUNAN(tip, ad) inline tip& ad = OkunanEleman.ad;
ORVELTA_OKUNAN(int, TuretElemanNo)
ORVELTA_OKUNAN(int, OkunanElemanTipi)
ORVELTA_OKUNAN(int, OkunaniNoktasi)
ORVELTA_OKUNAN(int, OkunanjNoktasi)
ORVELTA_OKUNAN(int, OkunankNoktasi)
ORVELTA_OKUNAN(int, OkunanLNoktasi)
ORVELTA_OKUNAN(int, OkunanMalzemeNo)
ORVELTA_OKUNAN(int, OkunanKesitNo)
ORVELTA_OKUNAN(std::string, OkunanMafsalTipi)
ORVELTA_OKUNAN(double, OkunanE)
ORVELTA_OKUNAN(double, OkunanNu)
ORVELTA_OKUNAN(double, OkunanRo)
ORVELTA_OKUNAN(double, OkunanAlfa)
ORVELTA_OKUNAN(double, OkunanA)
ORVELTA_OKUNAN(double, OkunanJ)
ORVELTA_OKUNAN(double, OkunanIy)
ORVELTA_OKUNAN(double, OkunanIz)
ORVELTA_OKUNAN(double, OkunanAy)
ORVELTA_OKUNAN(double, OkunanAz)
ORVELTA_OKUNAN(double, Okunanhy)
ORVELTA_OKUNAN(double, Okunaney)
ORVELTA_OKUNAN(double, Okunanhz)
ORVELTA_OKUNAN(double, Okunanez)
ORVELTA_OKUNAN(double, OkunanWb)
ORVELTA_OKUNAN(double, OkunaniX1)
ORVELTA_OKUNAN(double, OkunaniX2)
ORVELTA_OKUNAN(double, OkunaniX3)
ORVELTA_OKUNAN(double, OkunanjX1)
ORVELTA_OKUNAN(double, OkunanjX2)
ORVELTA_OKUNAN(double, OkunanjX3)
ORVELTA_OKUNAN(double, OkunankX1)
ORVELTA_OKUNAN(double, OkunankX2)
ORVELTA_OKUNAN(double, OkunankX3)
ORVELTA_OKUNAN(double, OkunanLX1)
ORVELTA_OKUNAN(double, OkunanLX2)
ORVELTA_OKUNAN(double, OkunanLX3)
ORVELTA_OKUNAN(int, TuretNoktaNo)
ORVELTA_OKUNAN(int, OkunanYukNo)
ORVELTA_OKUNAN(int, OkunanYukTipi)
ORVELTA_OKUNAN(double, OkunanYuk)
ORVELTA_OKUNAN(double, OkunanaMesafesi)
ORVELTA_OKUNAN(double, OkunanbMesafesi)
ORVELTA_OKUNAN(double, OkunanYuk1)
#undef ORVELTA_OKUNAN

inline ikiboyutluFloatArray& NMatrisi = MotorDizileri.NMatrisi;
inline ikiboyutluFloatArray& B0Matrisi = MotorDizileri.B0Matrisi;
inline BirBoyutluIntegerArray& HiperstatikKolonlar = MotorDizileri.HiperstatikKolonlar;
inline BirBoyutluFloatArray& YukVektoru = MotorDizileri.YukVektoru;
inline BirBoyutluFloatArray& MesnetYerDegistirmeleri = MotorDizileri.MesnetYerDegistirmeleri;
inline BirBoyutluFloatArray& Bilinmeyenler = MotorDizileri.Bilinmeyenler;
inline ikiboyutluFloatArray& EsneklikMatrisi = MotorDizileri.EsneklikMatrisi;
inline BirBoyutluFloatArray& YerDegistirmeler = MotorDizileri.YerDegistirmeler;
inline ikiboyutluIntegerArray& ElemanBilinmeyenTablosu = MotorDizileri.ElemanBilinmeyenTablosu;
inline BirBoyutluIntegerArray& SatirSirasi = MotorDizileri.SatirSirasi;

inline Matris12x12& TransformasyonMatrisi = ElemanMatrisleri.TransformasyonMatrisi;
inline Matris12x9& ElemanYerelDengeMatrisi = ElemanMatrisleri.ElemanYerelDengeMatrisi;
inline Matris12x9& ElemanDengeMatrisi = ElemanMatrisleri.ElemanDengeMatrisi;
inline Vektor12& ElemanUcKuvvetleri = ElemanMatrisleri.ElemanUcKuvvetleri;
inline Vektor12& GlobalAnkastrelikKuvvetleri = ElemanMatrisleri.GlobalAnkastrelikKuvvetleri;
inline Vektor12& YerelAnkastrelikKuvvetleri = ElemanMatrisleri.YerelAnkastrelikKuvvetleri;
inline Matris12x12& GerilmeMatrisi = ElemanMatrisleri.GerilmeMatrisi;
inline std::array<double, 7>& GerilmeSonuclari = ElemanMatrisleri.GerilmeSonuclari;

inline std::int64_t& SayacFrekansi = DigerDegerler.SayacFrekansi;
inline std::int64_t& HesapBaslangici = DigerDegerler.HesapBaslangici;
inline std::int64_t& HesapBitisi = DigerDegerler.HesapBitisi;
inline std::uint16_t& IsParcacigiSayisi = DigerDegerler.IsParcacigiSayisi;
inline int& EkranGenisligi = DigerDegerler.EkranGenisligi;
inline int& EkranYuksekligi = DigerDegerler.EkranYuksekligi;
inline std::string& TelifMetni = DigerDegerler.TelifMetni;
inline int& GeciciTamSayi = DigerDegerler.GeciciTamSayi;
inline int& MalzemeSayisi = DigerDegerler.MalzemeSayisi;
inline int& KesitSayisi = DigerDegerler.KesitSayisi;

// Start-up and shut-down of the global state.
void GenelDegiskenleriBaslat();
void GenelDegiskenleriSerbestBirak();

// Resets every model group to its start-up values (tests use it).
void ModelDurumunuSifirla();
