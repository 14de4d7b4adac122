#include "input/UiNputKoordinatlar.h"

#include <QLineEdit>

#include "model/AnahtarDenetimi.h"
#include "model/LibU.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

KayitEditoruAyarlari KoordinatAyarlari() {
    KayitEditoruAyarlari a;
    a.Baslik = "Koordinatlar";
    a.ProjeTablosu = &Tablolar.Koordinatlar;
    a.AnahtarAlani = "NoktaNo";
    a.AnahtarEtiketi = "Nokta no:";
    a.AnahtarIpucu = "Koordinatları tanımlanacak noktanın numarasını ver";
    a.VarlikTablosu = &Tablolar.XYZ;
    a.VarlikAlani = "NoktaNo";
    a.SolKaydirma = 250;
    a.Okuyucu = KoordinatlariOku;
    a.SilmeIfadesi = " nolu noktanın koordinatları veri tabanından silinecek";
    a.VarsayilanAnahtar = [] { return std::to_string(Tablolar.XYZ.RecordCount() + 1); };
    a.Turet = TuretTuru::Koordinat;
    a.TuretAciklamasi =
        "Baş nokta dan Son nokta1 ve Son nokta2 ye kadar noktalar Adım1 ve  Adım2 aralıkları ile "
        "türetilir. Baş ve son noktalar daha önce tanımlanmış olmalıdır.";
    return a;
}

}  // namespace

TiNputKoordinatlar::TiNputKoordinatlar(QWidget* Ust) : TKayitEditoru(KoordinatAyarlari(), Ust) {
    setObjectName("iNputKoordinatlar");
    DegerEkle(1, "X1", "X(m):", "Noktanın X ordinatı");
    DegerEkle(2, "X2", "Y(m):", "Noktanın Y ordinatı");
    DegerEkle(3, "X3", "Z(m):", "Noktanın Z ordinatı");
    TuretGrubunuKur();
    Bitir();
}

void TiNputKoordinatlar::Denetle(const std::string& Anahtar, bool Turet) {
    // A generation key writes the coordinate texts as entered (their columns
    // were checked by the pattern).
    if (Turet) return;
    int no = 0;
    if (DuzAnahtarCoz(Anahtar, GirisEnBuyukNo, no))
        TuretNoktaNo = no;
    else
        Hatali("Nokta no hatalı");
    if (!GercelSayiMi(Deger(1)->text().toStdString(), OkunaniX1, -1e100, 1e100)) Hatali("X ordinatı hatalı");
    if (!GercelSayiMi(Deger(2)->text().toStdString(), OkunaniX2, -1e100, 1e100)) Hatali("Y ordinatı hatalı");
    if (!GercelSayiMi(Deger(3)->text().toStdString(), OkunaniX3, -1e100, 1e100)) Hatali("Z ordinatı hatalı");
}
