// The main-data and material editors: the system-type guard, the row read
// with an unknown system, presets only on a choice from the list, the next
// number, the delete question and a refused decimal comma.
#include <QDialog>
#include <QLineEdit>

#include "EditorYardim.h"
#include "input/UiNputAnaVeriler.h"
#include "input/UiNputMalzemeBilgileri.h"

namespace {

class AnaVeriEditoru : public EditorDenemesi<TiNputAnaVeriler> {};

TEST_F(AnaVeriEditoru, SistemTipiVeriVarkenDegismez) {
    const std::string uyari =
        "Düzlem çerçeve verileri var, sistemi değiştiremezsiniz.\rYa tüm verileri silin ya da yeni boş bir veri "
        "tabanı açın";
    for (const bool veriVar : {true, false}) {
        SCOPED_TRACE(veriVar);
        Ac("DELETE FROM MalzemeBilgileri;" + Sql::Sistem("30:Düzlem çerçeve") + (veriVar ? Sql::Celik() : ""));
        EXPECT_EQ(e->ComboBox1->currentText(), "30:Düzlem çerçeve");
        ListedenSec(e->ComboBox1, "20:Uzay kafes");
        ASSERT_EQ(Mesajlar(), veriVar ? Liste{uyari} : Liste{});
        if (veriVar) {
            EXPECT_EQ(ui->Mesajlar[0].Baslik, "UYARI:");
            EXPECT_EQ(e->ComboBox1->currentText(), "30:Düzlem çerçeve");
            continue;
        }
        ListedenSec(e->ComboBox2, "4:Ekran düzlemi Y-Z");
        e->Deger(1)->setText("Çatı makası");
        EXPECT_EQ(Bas(e->BitBtn3), Liste{});
        EXPECT_EQ(e->result(), QDialog::Accepted);
        Tablo& t = Tablolar.AnaVeriler;
        t.First();
        EXPECT_EQ(t.FieldByName("Sistem").AsString() + "|" + t.FieldByName("KoordinatSistemiNo").AsString() + "|" +
                      t.FieldByName("ProbleminTanimi").AsString(),
                  "20:Uzay kafes|4|Çatı makası");
        EXPECT_EQ(SistemTipi, 20);
        EXPECT_EQ(GenelKoordinatSistemiNo, 4);
    }
}

// An unknown stored system: the description and axis set of the row are
// shown (never those of an earlier project), and no system is saved; with
// data in the project a system can still be chosen.
TEST_F(AnaVeriEditoru, BilinmeyenSistemdeSatirYineOkunur) {
    Ac(Sql::Celik());
    e->Deger(1)->setText("başka proje");  // shown again with another row
    Tablo& t = Tablolar.AnaVeriler;
    t.First();
    t.Edit();
    t.FieldByName("Sistem").SetString("Kemer");
    t.FieldByName("ProbleminTanimi").SetString("Köprü");
    t.FieldByName("KoordinatSistemiNo").SetInteger(3);
    t.Post();
    e->GosterimSonrasi();
    EXPECT_EQ(Mesajlar(), Liste{"Sistem seçilmemiş. Önce bir Sistem seçiniz"});
    EXPECT_EQ(e->Deger(1)->text(), "Köprü");
    EXPECT_EQ(e->ComboBox2->currentText(), "3:Ekran düzlemi Y-X");
    EXPECT_EQ(e->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(Bas(e->BitBtn3), Liste{"Sistem hatalı"});
    t.First();
    EXPECT_EQ(t.FieldByName("Sistem").AsString(), "Kemer");
    ListedenSec(e->ComboBox1, "60:Plak");  // nothing to protect: the choice stands
    EXPECT_EQ(Mesajlar(), Liste{"Sistem hatalı"});
    EXPECT_EQ(e->ComboBox1->currentText(), "60:Plak");
}

class MalzemeEditoru : public EditorDenemesi<TiNputMalzemeBilgileri> {};

TEST_F(MalzemeEditoru, OnAyarYalnizListedenSecilinceUygulanir) {
    e->Edit0->setText("150");
    ListedenSec(e->ComboBox1, "Beton: C25/30");
    EXPECT_EQ(e->Deger(1)->text() + " " + e->Deger(2)->text() + " " + e->Deger(3)->text() + " " + e->Deger(4)->text(),
              "30250000 0.20 2.5 1E-5");
    // typed names and hand-made constants stay as typed
    e->Deger(1)->setText("31000000");
    e->ComboBox1->setEditText("Beton: C30/37");
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    EXPECT_EQ(e->Edit0->text(), "1");  // the smallest unused number
    e->Edit0->setText("150");
    EXPECT_EQ(e->ComboBox1->currentText(), "Beton: C30/37");
    EXPECT_EQ(e->Deger(1)->text(), "31000000");
    ASSERT_TRUE(Tablolar.MalzemeBilgileri.Locate("MalzemeNo", 150));
    EXPECT_EQ(Tablolar.MalzemeBilgileri.FieldByName("E").AsFloat(), 31000000);
    ListedenSec(e->ComboBox1, "Diğer");
    EXPECT_EQ(e->Deger(1)->text(), "0");
    EXPECT_EQ(e->ComboBox1->currentText(), "Diğer");
    EXPECT_FALSE(e->BitBtn2->isVisibleTo(e.get()));
}

TEST_F(MalzemeEditoru, KullanilanMalzemeSorulurVirgulReddedilir) {
    Ac(Sql::Celik() + Sql::Baglar({{"1"}, {"2"}, {"7", 2}}));
    EXPECT_EQ(e->Edit0->text(), "1");
    ui->Cevaplar = {"H"};
    EXPECT_EQ(Bas(e->BitBtn2), Liste{"1 nolu malzeme veri tabanından silinecek\r2 eleman bu malzemeyi kullanıyor; "
                                     "silinirse hesap yapılamaz\rDevam edeyim mi?"});
    EXPECT_EQ(Tablolar.MalzemeBilgileri.RecordCount(), 1);
    const std::string once = Dosya();
    e->Deger(2)->setText("0,35");
    EXPECT_EQ(Bas(e->BitBtn3), Liste{"Nu hatalı"});
    EXPECT_EQ(Dosya(), once);
    EXPECT_EQ(Tablolar.MalzemeBilgileri.Durum(), TabloDurumu::Gozatma);
}

}  // namespace
