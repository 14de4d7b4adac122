// The main-data and material editors: the system-type guard, the row read
// with an unknown system, presets only on a choice from the list, the next
// number, the delete question and a refused decimal comma.
#include <QAbstractItemView>
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

// A stored material keeps its values however the focus leaves its name;
// a choice in the list's own popup, by mouse or by keys, applies a preset.
TEST_F(MalzemeEditoru, KayitliMalzemeOdakGecinceOnAyaraDonmez) {
    Ac(Sql::Malzeme("1, 'Yapı çeliği', 2.0E8, 0.28, 7.8, 0.000011"));
    Goster();
    const auto degerler = [&] {
        QString s = e->ComboBox1->currentText();
        for (int i = 1; i <= 4; ++i) s += " " + e->Deger(i)->text();
        return s.toStdString();
    };
    const std::string kayitli = "Yapı çeliği 200000000 0.28 7.8 1.1E-5";
    ASSERT_EQ(degerler(), kayitli);
    ASSERT_TRUE(e->Edit0->hasFocus());
    Tus(Qt::Key_Tab);  // into the name, Enter out of it
    ASSERT_TRUE(e->ComboBox1->hasFocus());
    Tus(Qt::Key_Return);
    EXPECT_TRUE(e->Deger(1)->hasFocus());
    EXPECT_EQ(degerler(), kayitli);
    QTest::mouseClick(e->ComboBox1->lineEdit(), Qt::LeftButton);  // Tab out, a click elsewhere
    Tus(Qt::Key_Tab);
    QTest::mouseClick(e->ComboBox1->lineEdit(), Qt::LeftButton);
    QTest::mouseClick(e->Deger(3), Qt::LeftButton);
    EXPECT_EQ(degerler(), kayitli);
    EXPECT_EQ(FareyleBas(e->BitBtn3), Liste{});
    ASSERT_TRUE(Tablolar.MalzemeBilgileri.Locate("MalzemeNo", 1));
    EXPECT_EQ(Tablolar.MalzemeBilgileri.FieldByName("E").AsFloat(), 2.0E8);

    Yaz(e->Edit0, "1");
    ListedenSec(e->ComboBox1, "Yapı çeliği");
    EXPECT_EQ(degerler(), "Yapı çeliği 2.1E8 0.30 7.85 1.2E-5");
    QTest::mouseClick(e->ComboBox1->lineEdit(), Qt::LeftButton);
    Tus(Qt::Key_Down, Qt::AltModifier);  // the list opens; one up, Enter
    ASSERT_TRUE(e->ComboBox1->view()->isVisible());
    Tus(Qt::Key_Up);
    Tus(Qt::Key_Return);
    EXPECT_EQ(degerler(), "Beton: C100/115 46500000 0.20 2.5 1E-5");
}

// The list opened in its own popup and closed with Escape chose nothing:
// a preset's name typed afterwards and left with Tab keeps the stored values.
TEST_F(MalzemeEditoru, KapatilanListedenSonraYazilanAdOnAyarUygulamaz) {
    Ac(Sql::Malzeme("1, 'Yapı çeliği', 2.0E8, 0.28, 7.8, 0.000011"));
    Goster();
    const auto degerler = [&] {
        QString s;
        for (int i = 1; i <= 4; ++i) s += e->Deger(i)->text() + " ";
        return s.toStdString();
    };
    const std::string kayitli = "200000000 0.28 7.8 1.1E-5 ";
    ASSERT_EQ(degerler(), kayitli);
    QTest::mouseClick(e->ComboBox1->lineEdit(), Qt::LeftButton);
    Tus(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(e->ComboBox1->view()->isVisible());
    Tus(Qt::Key_Escape);
    ASSERT_FALSE(e->ComboBox1->view()->isVisible());
    // the offscreen platform leaves the closed popup active; a desktop
    // hands the activation back to the editor
    e->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(e.get()));
    QTest::qWait(20);
    EXPECT_EQ(degerler(), kayitli);
    for (const char* ad : {"Beton: C25/30", "Diğer"}) {
        SCOPED_TRACE(ad);
        QLineEdit* l = e->ComboBox1->lineEdit();
        QTest::mouseClick(l, Qt::LeftButton);
        QTest::keyClick(l, Qt::Key_A, Qt::ControlModifier);
        for (QChar c : QString::fromUtf8(ad)) {
            if (c.unicode() < 128) QTest::keyClick(l, c.toLatin1());
            else QTest::sendKeyEvent(QTest::Click, l, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        Tus(Qt::Key_Tab);
        EXPECT_FALSE(e->ComboBox1->hasFocus());
        EXPECT_EQ(e->ComboBox1->currentText().toStdString(), ad);
        EXPECT_EQ(degerler(), kayitli);
    }
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
