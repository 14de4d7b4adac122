#include "model/ModelOku.h"

#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

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

void NoktaKoordinatlariniOku(int NoktaNo, double& X1, double& X2, double& X3) {
    Tablo& t = Tablolar.XYZ;
    if (!t.Locate("NoktaNo", NoktaNo)) return;
    X1 = t.FieldByName("X1").AsFloat();
    X2 = t.FieldByName("X2").AsFloat();
    X3 = t.FieldByName("X3").AsFloat();
}

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
    Tablo& ed = Tablolar.ED;
    if (!ed.Locate("ElemanNo", ElemanNo)) {
        Hata = 1;
        MesajKutusu(std::to_string(ElemanNo) + ".eleman tanımsız", "HATA:", "TamamHata1");
        return;
    }
    ElemanTipi = ed.FieldByName("ElemanTipi").AsInteger();
    iNoktasi = ed.FieldByName("iNoktasi").AsInteger();
    jNoktasi = ed.FieldByName("jNoktasi").AsInteger();
    kNoktasi = ed.FieldByName("kNoktasi").AsInteger();
    LNoktasi = ed.FieldByName("LNoktasi").AsInteger();
    MalzemeNo = ed.FieldByName("MalzemeNo").AsInteger();
    KesitNo = ed.FieldByName("KesitNo").AsInteger();
    MafsalTipi = ed.FieldByName("MafsalTipi").AsString();

    NoktaKoordinatlariniOku(iNoktasi, iX1, iX2, iX3);
    NoktaKoordinatlariniOku(jNoktasi, jX1, jX2, jX3);
    NoktaKoordinatlariniOku(kNoktasi, kX1, kX2, kX3);
    NoktaKoordinatlariniOku(LNoktasi, LX1, LX2, LX3);

    Tablo& mb = Tablolar.MalzemeBilgileri;
    if (!BilgiSatirinaGit(mb, "MalzemeNo", MalzemeNo, ElemanNo, "malzeme")) return;
    E = mb.FieldByName("E").AsFloat();
    Nu = mb.FieldByName("Nu").AsFloat();
    Ro = mb.FieldByName("Ro").AsFloat();
    Alfa = mb.FieldByName("Alfa").AsFloat();

    Tablo& kb = Tablolar.KesitBilgileri;
    if (!BilgiSatirinaGit(kb, "KesitNo", KesitNo, ElemanNo, "kesit")) return;
    A = kb.FieldByName("A").AsFloat();
    ix = kb.FieldByName("ix").AsFloat();
    iy = kb.FieldByName("iy").AsFloat();
    iz = kb.FieldByName("iz").AsFloat();
    Ay = kb.FieldByName("Ay").AsFloat();
    Az = kb.FieldByName("Az").AsFloat();
    hy = kb.FieldByName("hy").AsFloat();
    ey = kb.FieldByName("ey").AsFloat();
    hz = kb.FieldByName("hz").AsFloat();
    ez = kb.FieldByName("ez").AsFloat();
    Wb = kb.FieldByName("Wb").AsFloat();
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
