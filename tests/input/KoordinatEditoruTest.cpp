// The record editor pattern through the coordinate editor: saves and deletes
// read back through the project and scratch tables, the generation-key
// builder's checks, and the messages shown headless.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "EditorYardim.h"
#include "input/UiNputKoordinatlar.h"
#include "platform/TabloBildirimi.h"

namespace {

class KoordinatEditoru : public EditorDenemesi<TiNputKoordinatlar> {
protected:
    // Types the fields and presses "Kaydet"; the messages shown.
    Liste Kaydet(const char* no, const char* x, const char* y = "0", const char* z = "0",
                 std::initializer_list<const char*> turet = {"0", "0", "0", "0", "0"}) {
        e->Edit0->setText("?");  // a fresh find, as typing does
        e->Edit0->setText(no);
        e->Deger(1)->setText(x);
        e->Deger(2)->setText(y);
        e->Deger(3)->setText(z);
        int i = 0;
        for (const char* t : turet) e->TuretEdit[i++]->setText(t);
        return Bas(e->BitBtn3);
    }
};

TEST_F(KoordinatEditoru, DuzSatirVeTuretAnahtariKaydedilipOkunur) {
    EXPECT_EQ(e->Edit0->text(), "1");  // empty table: scratch count + 1
    EXPECT_EQ(e->property("Tag").toInt(), 0);
    int bildirim = 0;
    const int d = TabloDegistiDinle([&](Tablo& t) { bildirim += &t == &Tablolar.Koordinatlar; });
    EXPECT_EQ(Kaydet(" 01 ", "1.5", "2"), Liste{});
    EXPECT_EQ(Kaydet("9", "9.5", "2", "1e2"), Liste{});
    EXPECT_EQ(Kaydet("", "0", "0", "0", {"1", "9", "2", "0", "0"}), Liste{});
    TabloDinlemesiniBirak(d);
    EXPECT_EQ(bildirim, 3);
    EXPECT_EQ(Anahtarlar(Tablolar.Koordinatlar, "NoktaNo"), (Liste{"1", "9", "1,9,2,0,0"}));
    EXPECT_EQ(Anahtarlar(Tablolar.XYZ, "NoktaNo"), (Liste{"1", "3", "5", "7", "9"}));
    ASSERT_TRUE(Tablolar.XYZ.Locate("NoktaNo", 5));
    EXPECT_DOUBLE_EQ(Tablolar.XYZ.FieldByName("X1").AsFloat(), 5.5);
    EXPECT_DOUBLE_EQ(Tablolar.XYZ.FieldByName("X3").AsFloat(), 50);
    EXPECT_EQ(Tablolar.Koordinatlar.FieldByName("NoktaNo").AsString(), "1,9,2,0,0");  // saved row current
}

TEST_F(KoordinatEditoru, TuretAnahtariDenetimleri) {
    Kaydet("1", "0");
    Kaydet("5", "0");
    Kaydet("9", "0");
    Kaydet("10", "0");
    struct Durum {
        const char* no;
        std::initializer_list<const char*> turet;
        Liste mesaj;
    };
    const Durum durumlar[] = {
        {"", {"1", "9", "2", "0", "0"}, {}},
        {"", {"5", "1", "2", "0", "0"}, {}},
        {"", {"1", "10", "2", "0", "0"}, {"Verilen adımla başlangıçtan sona varılamıyor"}},
        {"", {"1", "9", "2", "5", "0"}, {"Son eleman2  veya Adım2 hatalı"}},
        {"", {"1", "9", "0", "0", "0"}, {"Adim1 hatalı"}},
        {"", {"2", "9", "1", "0", "0"}, {"Baş nokta tanımsız"}},
        {"", {"1", "9", "4", "5", "4"}, {"5 numarası birden çok kez türetiliyor"}},
        // a generation key typed into the key edit takes the same checks
        {"1,10,1,1,5", {"0", "0", "0", "0", "0"}, {"Verilen adımla başlangıçtan sona varılamıyor"}},
        {"1,10,1", {"0", "0", "0", "0", "0"}, {"Türet anahtarı Baş,Son1,Adım1,Son2,Adım2 biçiminde beş tam sayı olmalı"}},
        {" 1, 5,04,0,0", {"0", "0", "0", "0", "0"}, {}},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(std::string(d.no) + *d.turet.begin());
        const int satir = Tablolar.Koordinatlar.RecordCount();
        EXPECT_EQ(Kaydet(d.no, "0", "0", "0", d.turet), d.mesaj);
        EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), satir + (d.mesaj.empty() ? 1 : 0));
    }
    // keys are written normalised
    EXPECT_TRUE(Tablolar.Koordinatlar.Locate("NoktaNo", "1,5,4,0,0"));
}

TEST_F(KoordinatEditoru, SonBasarisizDenetimGosterilir) {
    EXPECT_EQ(Kaydet("0", "a", "0", "b"), Liste{"Z ordinatı hatalı"});
    EXPECT_EQ(Kaydet("10001", "0"), Liste{"Nokta no hatalı"});
    EXPECT_EQ(Kaydet("x", "1.1e100"), Liste{"X ordinatı hatalı"});
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 0);
}

TEST_F(KoordinatEditoru, SilmeSorusu) {
    Kaydet("12", "1");
    e->Edit0->setText(" 12 ");
    ASSERT_TRUE(e->BitBtn2->isVisibleTo(e.get()));
    ui->Cevaplar = {"H"};
    EXPECT_EQ(Bas(e->BitBtn2), Liste{"12 nolu noktanın koordinatları veri tabanından silinecek\rDevam edeyim mi?"});
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 1);
    ui->Cevaplar = {"E"};
    Bas(e->BitBtn2);
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 0);
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 0);
    EXPECT_FALSE(e->BitBtn2->isVisibleTo(e.get()));
}

// After a generation-key row, a plain row shows "0" in the "Türet:" edits:
// "Sil" deletes the plain row, "Kaydet" rewrites it.
TEST_F(KoordinatEditoru, DuzSatirEskiTuretAnahtariniBirakmaz) {
    Kaydet("1", "0");
    Kaydet("9", "8");
    Kaydet("20", "8");
    Kaydet("", "0", "0", "0", {"1", "9", "2", "0", "0"});
    e->Edit0->setText("1,9,2,0,0");
    EXPECT_EQ(e->TuretEdit[1]->text(), "9");
    e->Edit0->setText("20");
    for (QLineEdit* t : e->TuretEdit) EXPECT_EQ(t->text(), "0");
    ui->Cevaplar = {"E"};
    EXPECT_EQ(Bas(e->BitBtn2), Liste{"20 nolu noktanın koordinatları veri tabanından silinecek\rDevam edeyim mi?"});
    EXPECT_EQ(Anahtarlar(Tablolar.Koordinatlar, "NoktaNo"), (Liste{"1", "9", "1,9,2,0,0"}));
    // A delete the reader then refuses: its message, and Hata not left set.
    e->Edit0->setText("9");
    ui->Cevaplar = {"E"};
    EXPECT_EQ(Bas(e->BitBtn2).back(), "1,9,2,0,0->9 noktası tanımsız, türet tamamlanamadı");
}

TEST_F(KoordinatEditoru, GosterilenTuretSatiriDegistirilir) {
    Kaydet("1", "0");
    Kaydet("5", "4");
    Kaydet("9", "8");
    Kaydet("", "0", "0", "0", {"1", "9", "2", "0", "0"});
    e->Edit0->setText("1,9,2,0,0");
    e->TuretEdit[1]->setText("5");
    ui->Cevaplar = {"E"};
    EXPECT_EQ(Bas(e->BitBtn3), Liste{"1,9,2,0,0 türet satırı 1,5,2,0,0 ile değiştirilecek\rDevam edeyim mi?"});
    EXPECT_EQ(Anahtarlar(Tablolar.Koordinatlar, "NoktaNo"), (Liste{"1", "5", "9", "1,5,2,0,0"}));
    EXPECT_EQ(Anahtarlar(Tablolar.XYZ, "NoktaNo"), (Liste{"1", "3", "5", "9"}));
}

// Texts that do not fit their column are refused before the row is touched.
TEST_F(KoordinatEditoru, BasarisizKayitTabloyuVeDosyayiDegistirmez) {
    Kaydet("1", "0");
    Kaydet("9", "0");
    const std::string once = Dosya();
    EXPECT_EQ(Kaydet("", "0,35", "0", "0", {"1", "9", "2", "0", "0"}), Liste{"X(m): alanına yazılamaz: 0,35"});
    EXPECT_EQ(Tablolar.Koordinatlar.Durum(), TabloDurumu::Gozatma);
    EXPECT_EQ(Dosya(), once);
}

// Enter and Down move to the next control, Up to the previous one; the
// focused edit has its text selected; no button takes Enter.
TEST_F(KoordinatEditoru, TuslarOdagiTasir) {
    e->show();
    e->activateWindow();
    QTest::qWait(50);
    e->Edit0->setFocus();
    QTest::keyClick(e->Edit0, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), e->Deger(1));
    QTest::keyClick(e->Deger(1), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), e->Deger(2));
    QTest::qWait(10);
    EXPECT_EQ(e->Deger(2)->selectedText(), "0");
    QTest::keyClick(e->Deger(2), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), e->Deger(1));
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 0);
    e->hide();
}

}  // namespace
