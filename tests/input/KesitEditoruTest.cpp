// The cross-section editor: a computed rectangle saved and read back, a
// profile chosen from the list, a stored profile section shown as stored,
// the types of the system type, the next number and the delete question.
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "EditorYardim.h"
#include "input/UiNputKesitBilgileri.h"

namespace {

class KesitEditoru : public EditorDenemesi<TiNputKesitBilgileri> {
protected:
    std::string Degerler(int ilk, int son) {
        std::string s;
        for (int i = ilk; i <= son; ++i) s += (i > ilk ? " " : "") + e->Deger(i)->text().toStdString();
        return s;
    }
    bool Gorunur(QWidget* w) { return w->isVisibleTo(e.get()); }
};

TEST_F(KesitEditoru, DikdortgenHesaplanipKaydedilir) {
    Ac(Sql::Kesit("A, ix, iy, iz", "1, '7:Eksenel yay', 5000, 0, 0, 0") +
       Sql::Kesit("A, ix, iy, iz", "3, '7:Eksenel yay', 5000, 0, 0, 0"));
    EXPECT_EQ(e->ComboBox1->count(), 15);  // plane truss: no rotation springs, isolator or plate
    EXPECT_EQ(e->Etiket(1)->text(), "Keksenel(kN/m):");
    e->Edit0->setText("2");  // a new number: no type, the plain labels
    EXPECT_EQ(e->Etiket(1)->text(), "A(m²)");
    EXPECT_EQ(e->Deger(1)->toolTip(), "Çubuk elemanlarda kesit alanı, levha ve plaklarda kalınlık");
    e->Edit0->setText("3");
    ListedenSec(e->ComboBox1, "1:Dikdörtgen");
    EXPECT_EQ(Degerler(1, 15), "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0");  // another type: values cleared, "Sil" kept
    EXPECT_TRUE(Gorunur(e->BitBtn2));
    EXPECT_EQ(e->Etiket(1)->text(), "A(m²)");
    EXPECT_TRUE(Gorunur(e->Deger(13)) && Gorunur(e->BitBtn4));
    EXPECT_FALSE(Gorunur(e->Deger(14)) || Gorunur(e->ListBox1));
    e->Deger(12)->setText("0.3");
    e->Deger(13)->setText("0.5");
    EXPECT_EQ(Bas(e->BitBtn4), Liste{});
    // J = (0.3³·0.5/3)·(1 − 0.63·0.6 + 0.0053·0.6⁵) = 0.002800854576
    EXPECT_EQ(Degerler(1, 11), "0.15 0.0028008546 0.001125 0.003125 0.1 0.5 0.25 0 0 0 0");
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    EXPECT_EQ(e->Edit0->text(), "2");  // sections 1 and 3 stored
    EXPECT_EQ(e->ComboBox1->currentIndex(), -1);
    ASSERT_TRUE(Tablolar.KesitBilgileri.Locate("KesitNo", 3));
    Tablo& t = Tablolar.KesitBilgileri;
    EXPECT_EQ(t.FieldByName("Kesit").AsString(), "1:Dikdörtgen");
    EXPECT_DOUBLE_EQ(t.FieldByName("ix").AsFloat(), 0.0028008546);
    EXPECT_DOUBLE_EQ(t.FieldByName("bw").AsFloat(), 0.3);
    // a decimal comma is refused and nothing is written
    e->Edit0->setText("3");
    e->Deger(2)->setText("0,35");
    const std::string once = Dosya();
    EXPECT_EQ(Bas(e->BitBtn3), Liste{"J hatalı"});
    EXPECT_EQ(Dosya(), once);
}

// A typed character opens the type list and moves within it; a stored
// section keeps its type and values until a type is chosen there.
TEST_F(KesitEditoru, YazilanKarakterYalnizListedeIlerler) {
    Ac(Sql::Kesit("A, ix, iy, iz", "1, '1:Dikdörtgen', 0.15, 0.0028, 0.001125, 0.003125"));
    Goster();
    const std::string kayitli = "1:Dikdörtgen 0.15 0.0028 0.001125 0.003125";
    const auto durum = [&] { return e->ComboBox1->currentText().toStdString() + " " + Degerler(1, 4); };
    ASSERT_EQ(durum(), kayitli);
    Tus(Qt::Key_Tab);
    ASSERT_TRUE(e->ComboBox1->hasFocus());
    QAbstractItemView* liste = e->ComboBox1->view();
    for (const int son : {Qt::Key_Escape, Qt::Key_Return}) {
        Tus(Qt::Key_2);
        ASSERT_TRUE(liste->isVisible());
        EXPECT_EQ(liste->currentIndex().data().toString(), "2:Tablalı");
        EXPECT_EQ(durum(), kayitli);
        Tus(son);
        EXPECT_FALSE(liste->isVisible());
    }
    // chosen: another type clears the stored values, "Sil" stays
    EXPECT_EQ(durum(), "2:Tablalı 0 0 0 0");
    EXPECT_TRUE(Gorunur(e->BitBtn2));
}

TEST_F(KesitEditoru, ProfilListedenSecilir) {
    ListedenSec(e->ComboBox1, "12:IPE profil");
    ASSERT_TRUE(Gorunur(e->ListBox1));
    EXPECT_EQ(e->ListBox1->item(0)->text(), "IPE100");
    EXPECT_FALSE(e->Deger(12)->isEnabled());
    EXPECT_EQ(Bas(e->BitBtn4), Liste{"Profil seçilmemiş. Profili listeden seçiniz (h(m): kutusuna çift tıklayın)"});
    EXPECT_EQ(Degerler(1, 1), "0");
    QListWidgetItem* ipe = e->ListBox1->findItems("IPE200", Qt::MatchExactly).front();
    e->ListBox1->setCurrentItem(ipe);
    emit e->ListBox1->itemDoubleClicked(ipe);
    EXPECT_EQ(Degerler(12, 15), "0.0056 0.2 0.1 0.0085");
    EXPECT_EQ(Degerler(1, 1) + " " + Degerler(3, 4) + " " + Degerler(8, 10), "0.00285 1.42E-6 1.94E-5 0.0017 0.1 0.05");
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    ASSERT_TRUE(Tablolar.KesitBilgileri.Locate("KesitNo", 1));
    EXPECT_EQ(Tablolar.KesitBilgileri.FieldByName("Kesit").AsString(), "12:IPE profil");
    EXPECT_DOUBLE_EQ(Tablolar.KesitBilgileri.FieldByName("Iz").AsFloat(), 1.94E-5);
}

// Without a mouse: Tab reaches the profiles, the arrow keys move over
// them, Enter takes one.
TEST_F(KesitEditoru, ProfilKlavyeIleSecilir) {
    Goster();
    ListedenSec(e->ComboBox1, "12:IPE profil");
    for (int i = 0; i < 30 && !e->ListBox1->hasFocus(); ++i) Tus(Qt::Key_Tab);
    ASSERT_TRUE(e->ListBox1->hasFocus());
    for (int i = 0; i < 100 && e->ListBox1->currentIndex().data().toString() != "IPE200"; ++i) Tus(Qt::Key_Down);
    Tus(Qt::Key_Return);
    EXPECT_EQ(Degerler(12, 15), "0.0056 0.2 0.1 0.0085");
    EXPECT_EQ(Degerler(1, 1), "0.00285");
}

// Showing a stored profile section selects its profile only: the stored
// (here hand-corrected) values stay; a height of no profile selects none.
TEST_F(KesitEditoru, KayitliProfilDegerleriyleGosterilir) {
    const std::string sutunlar = "A, ix, iy, iz, Ay, hy, ey, Az, hz, ez, Wb, bw, h, b, t";
    Ac(Sql::Sistem("40:Uzay çerçeve") +
       Sql::Kesit(sutunlar, "1, '12:IPE profil', 0.00285, 7E-8, 1.42E-6, 1.94E-5, 0.001, 0.2, 0.1, 0.0017, 0.1, "
                            "0.05, 0, 0.0056, 0.2, 0.1, 0.0085") +
       Sql::Kesit(sutunlar, "2, '12:IPE profil', 0.003, 8E-8, 1.5E-6, 2E-5, 0, 0, 0, 0, 0, 0, 0, 0.006, 0.21, 0.1, 0.009") +
       Sql::Baglar({{"1", 1, 2}}));
    EXPECT_EQ(e->ComboBox1->findText("29:Deprem izolatörü") >= 0, true);
    EXPECT_EQ(e->ComboBox1->findText("7:Eksenel yay"), -1);
    EXPECT_EQ(Degerler(1, 4), "0.00285 7E-8 1.42E-6 1.94E-5");
    ASSERT_EQ(e->ListBox1->selectedItems().size(), 1);
    EXPECT_EQ(e->ListBox1->selectedItems().front()->text(), "IPE200");
    e->Edit0->setText("2");
    EXPECT_EQ(Degerler(1, 4), "0.003 8E-8 1.5E-6 2E-5");
    EXPECT_TRUE(e->ListBox1->selectedItems().isEmpty());
    ui->Cevaplar = {"H"};
    EXPECT_EQ(Bas(e->BitBtn2), Liste{"2 nolu kesit veri tabanından silinecek\r1 eleman bu kesiti kullanıyor; silinirse "
                                     "hesap yapılamaz\rDevam edeyim mi?"});
    EXPECT_EQ(Tablolar.KesitBilgileri.RecordCount(), 2);
    // the isolator's shear stiffness typed once shows in both edits
    e->Edit0->setText("5");
    ListedenSec(e->ComboBox1, "29:Deprem izolatörü");
    e->Deger(8)->clear();
    QTest::keyClicks(e->Deger(8), "5000");
    EXPECT_EQ(Degerler(5, 5) + " " + e->Etiket(5)->text().toStdString(), "5000 Kesme(kN/m):");
}

}  // namespace
