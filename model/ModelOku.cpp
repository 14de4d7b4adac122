#include "model/ModelOku.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

// The column numbers of a table's fields, looked up by name again only after
// a change of the table (an Open among them): the element reads run for
// every element in each step of a calculation.
template <std::size_t N>
class AlanNumaralari {
public:
    explicit AlanNumaralari(const char* const (&adlar)[N]) : adlar_(adlar) {}
    // The table's field number k (the table is open).
    Alan operator()(Tablo& t, std::size_t k) {
        if (degisiklik_ != t.DegisiklikNo()) {
            for (std::size_t i = 0; i < N; ++i) no_[i] = t.FieldByName(adlar_[i]).sutun();
            degisiklik_ = t.DegisiklikNo();
        }
        return Alan(t, no_[k]);
    }

private:
    const char* const (&adlar_)[N];
    std::uint64_t degisiklik_ = 0;
    int no_[N] = {};
};

const char* const kXYZAlanlari[] = {"X1", "X2", "X3"};
const char* const kEDAlanlari[] = {"ElemanTipi", "iNoktasi", "jNoktasi", "kNoktasi",
                                   "LNoktasi",   "MalzemeNo", "KesitNo",  "MafsalTipi"};
const char* const kMalzemeAlanlari[] = {"E", "Nu", "Ro", "Alfa"};
const char* const kKesitAlanlari[] = {"A", "ix", "iy", "iz", "Ay", "Az", "hy", "ey", "hz", "ez", "Wb"};
AlanNumaralari XYZAlani(kXYZAlanlari);
AlanNumaralari EDAlani(kEDAlanlari);
AlanNumaralari MalzemeAlani(kMalzemeAlanlari);
AlanNumaralari KesitAlani(kKesitAlanlari);

bool NoktaOku(int NoktaNo, double& X1, double& X2, double& X3) {
    Tablo& t = Tablolar.XYZ;
    if (!t.Locate("NoktaNo", NoktaNo)) return false;
    X1 = XYZAlani(t, 0).AsFloat();
    X2 = XYZAlani(t, 1).AsFloat();
    X3 = XYZAlani(t, 2).AsFloat();
    return true;
}

// The elements read whole since the element, node, material and section
// tables last changed: each step of a calculation reads every element again
// (the assembly, the end forces, the stresses, the drawing table), and the
// tables do not change between them. A node the element names but XYZ does
// not hold is marked: its coordinates are left as they were, as a fresh
// read leaves them.
struct ElemanKaydi {
    bool Var = false;
    int Tam[7] = {};  // type, i, j, k, L, material, section
    std::string Mafsal;
    double Gercel[15] = {};  // E, Nu, Ro, Alfa, A, ix, iy, iz, Ay, Az, hy, ey, hz, ez, Wb
    bool Nokta[4] = {};
    double X[4][3] = {};
};

class ElemanOnbellegi {
public:
    // The tables as they are now; false when one is closed or has a row
    // in edit (a fresh read then posts or drops it first).
    bool Guncelle() {
        Tablo* t[4] = {&Tablolar.ED, &Tablolar.XYZ, &Tablolar.MalzemeBilgileri, &Tablolar.KesitBilgileri};
        bool ayni = true;
        for (int q = 0; q < 4; ++q) {
            if (!t[q]->Active() || t[q]->Durum() != TabloDurumu::Gozatma) return false;
            ayni = ayni && t[q]->DegisiklikNo() == damga_[q];
        }
        if (!ayni) {
            kayitlar_.clear();
            for (int q = 0; q < 4; ++q) damga_[q] = t[q]->DegisiklikNo();
        }
        return true;
    }
    ElemanKaydi* Bul(int ElemanNo) {
        if (ElemanNo < 1 || static_cast<std::size_t>(ElemanNo) >= kayitlar_.size()) return nullptr;
        ElemanKaydi& k = kayitlar_[static_cast<std::size_t>(ElemanNo)];
        return k.Var ? &k : nullptr;
    }
    ElemanKaydi* Yeni(int ElemanNo) {
        if (ElemanNo < 1 || ElemanNo > 32767) return nullptr;
        if (static_cast<std::size_t>(ElemanNo) >= kayitlar_.size())
            kayitlar_.resize(std::max(static_cast<std::size_t>(ElemanNo) + 1,
                                      static_cast<std::size_t>(Tablolar.ED.RecordCount()) + 1));
        return &kayitlar_[static_cast<std::size_t>(ElemanNo)];
    }

private:
    std::uint64_t damga_[4] = {};
    std::vector<ElemanKaydi> kayitlar_;
};
ElemanOnbellegi Onbellek;

}  // namespace

bool SistemTipiniOku() {
    Tablo& av = Tablolar.AnaVeriler;
    av.First();
    SistemAdi = av.Eof() ? std::string() : av.FieldByName("Sistem").AsString();
    for (int i = 1; i <= 6; ++i) {
        if (SistemAdi != SistemTipleri[i]) continue;
        SistemTipi = std::stoi(AyiracOncesi(SistemTipleri[i], ":"));
        GenelKoordinatSistemiNo = av.FieldByName("KoordinatSistemiNo").AsInteger();
        switch (SistemTipi) {
            case DuzlemKafesSistemi:
                NoktaSerbestlikSayisi = 2, ElemanNoktaSayisi = 2, ElemanSerbestlikSayisi = 2, ElemanKuvvetSayisi = 1;
                break;
            case UzayKafesSistemi:
                NoktaSerbestlikSayisi = 3, ElemanNoktaSayisi = 2, ElemanSerbestlikSayisi = 2, ElemanKuvvetSayisi = 1;
                break;
            case DuzlemCerceveSistemi:
                NoktaSerbestlikSayisi = 3, ElemanNoktaSayisi = 2, ElemanSerbestlikSayisi = 6, ElemanKuvvetSayisi = 3;
                break;
            case UzayCerceveSistemi:
                NoktaSerbestlikSayisi = 6, ElemanNoktaSayisi = 2, ElemanSerbestlikSayisi = 12, ElemanKuvvetSayisi = 6;
                break;
            case LevhaSistemi: NoktaSerbestlikSayisi = 2; break;
            case PlakSistemi: NoktaSerbestlikSayisi = 3; break;
        }
        return true;
    }
    SistemTipi = 0;
    Hata = 1;
    MesajKutusu("Sistem tanımlanmamış, Ana verilerden sistem seçiniz", "HATA:", "TamamHata1");
    return false;
}

void NoktaKoordinatlariniOku(int NoktaNo, double& X1, double& X2, double& X3) { NoktaOku(NoktaNo, X1, X2, X3); }

namespace {

// Moves to the material or section row no of element ElemanNo; a missing row
// is refused with its message and Hata set.
bool BilgiSatirinaGit(Tablo& t, const char* alan, int no, int ElemanNo, const char* ne) {
    if (t.Locate(alan, no)) return true;
    Hata = 1;
    MesajKutusu(std::to_string(ElemanNo) + ".elemanda " + std::to_string(no) + " nolu " + ne +
                    " bilgileri veri tabanında bulunamadı",
                "HATA:", "TamamHata1");
    return false;
}

}  // namespace

void ElemanBilgileriniOku(int ElemanNo, int& ElemanTipi, int& iNoktasi, int& jNoktasi, int& kNoktasi,
                          int& LNoktasi, int& MalzemeNo, int& KesitNo, std::string& MafsalTipi, double& E,
                          double& Nu, double& Ro, double& Alfa, double& A, double& ix, double& iy,
                          double& iz, double& Ay, double& Az, double& hy, double& ey, double& hz,
                          double& ez, double& Wb, double& iX1, double& iX2, double& iX3, double& jX1,
                          double& jX2, double& jX3, double& kX1, double& kX2, double& kX3, double& LX1,
                          double& LX2, double& LX3) {
    int* tam[7] = {&ElemanTipi, &iNoktasi, &jNoktasi, &kNoktasi, &LNoktasi, &MalzemeNo, &KesitNo};
    double* gercel[15] = {&E, &Nu, &Ro, &Alfa, &A, &ix, &iy, &iz, &Ay, &Az, &hy, &ey, &hz, &ez, &Wb};
    double* X[4][3] = {{&iX1, &iX2, &iX3}, {&jX1, &jX2, &jX3}, {&kX1, &kX2, &kX3}, {&LX1, &LX2, &LX3}};
    const bool onbellekli = Onbellek.Guncelle();
    if (onbellekli) {
        if (const ElemanKaydi* k = Onbellek.Bul(ElemanNo)) {
            for (int q = 0; q < 7; ++q) *tam[q] = k->Tam[q];
            MafsalTipi = k->Mafsal;
            for (int q = 0; q < 15; ++q) *gercel[q] = k->Gercel[q];
            for (int p = 0; p < 4; ++p)
                if (k->Nokta[p])
                    for (int c = 0; c < 3; ++c) *X[p][c] = k->X[p][c];
            return;
        }
    }
    Tablo& ed = Tablolar.ED;
    if (!ed.Locate("ElemanNo", ElemanNo)) {
        Hata = 1;
        MesajKutusu(std::to_string(ElemanNo) + ".eleman tanımsız", "HATA:", "TamamHata1");
        return;
    }
    ElemanTipi = EDAlani(ed, 0).AsInteger();
    iNoktasi = EDAlani(ed, 1).AsInteger();
    jNoktasi = EDAlani(ed, 2).AsInteger();
    kNoktasi = EDAlani(ed, 3).AsInteger();
    LNoktasi = EDAlani(ed, 4).AsInteger();
    MalzemeNo = EDAlani(ed, 5).AsInteger();
    KesitNo = EDAlani(ed, 6).AsInteger();
    MafsalTipi = EDAlani(ed, 7).AsString();

    bool nokta[4];
    for (int p = 0; p < 4; ++p) nokta[p] = NoktaOku(*tam[p + 1], *X[p][0], *X[p][1], *X[p][2]);

    Tablo& mb = Tablolar.MalzemeBilgileri;
    if (!BilgiSatirinaGit(mb, "MalzemeNo", MalzemeNo, ElemanNo, "malzeme")) return;
    E = MalzemeAlani(mb, 0).AsFloat();
    Nu = MalzemeAlani(mb, 1).AsFloat();
    Ro = MalzemeAlani(mb, 2).AsFloat();
    Alfa = MalzemeAlani(mb, 3).AsFloat();

    Tablo& kb = Tablolar.KesitBilgileri;
    if (!BilgiSatirinaGit(kb, "KesitNo", KesitNo, ElemanNo, "kesit")) return;
    A = KesitAlani(kb, 0).AsFloat();
    ix = KesitAlani(kb, 1).AsFloat();
    iy = KesitAlani(kb, 2).AsFloat();
    iz = KesitAlani(kb, 3).AsFloat();
    Ay = KesitAlani(kb, 4).AsFloat();
    Az = KesitAlani(kb, 5).AsFloat();
    hy = KesitAlani(kb, 6).AsFloat();
    ey = KesitAlani(kb, 7).AsFloat();
    hz = KesitAlani(kb, 8).AsFloat();
    ez = KesitAlani(kb, 9).AsFloat();
    Wb = KesitAlani(kb, 10).AsFloat();

    // Read whole (the reads above change no table): kept while the tables
    // stay as they are now.
    if (!onbellekli) return;
    if (ElemanKaydi* k = Onbellek.Yeni(ElemanNo)) {
        for (int q = 0; q < 7; ++q) k->Tam[q] = *tam[q];
        k->Mafsal = MafsalTipi;
        for (int q = 0; q < 15; ++q) k->Gercel[q] = *gercel[q];
        for (int p = 0; p < 4; ++p) {
            k->Nokta[p] = nokta[p];
            for (int c = 0; c < 3; ++c) k->X[p][c] = *X[p][c];
        }
        k->Var = true;
    }
}

void ElemanBilgileriniOku(int ElemanNo) {
    TuretElemanNo = ElemanNo;
    ElemanBilgileriniOku(TuretElemanNo, OkunanElemanTipi, OkunaniNoktasi, OkunanjNoktasi, OkunankNoktasi,
                         OkunanLNoktasi, OkunanMalzemeNo, OkunanKesitNo, OkunanMafsalTipi, OkunanE, OkunanNu,
                         OkunanRo, OkunanAlfa, OkunanA, OkunanJ, OkunanIy, OkunanIz, OkunanAy, OkunanAz,
                         Okunanhy, Okunaney, Okunanhz, Okunanez, OkunanWb, OkunaniX1, OkunaniX2, OkunaniX3,
                         OkunanjX1, OkunanjX2, OkunanjX3, OkunankX1, OkunankX2, OkunankX3, OkunanLX1,
                         OkunanLX2, OkunanLX3);
}
