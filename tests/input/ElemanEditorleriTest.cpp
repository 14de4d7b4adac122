// The element-node and element-material-section-hinge windows: rows and
// generation keys saved through the window and read back through the
// scratch table ED, the type list, the hinge boxes, the list details and the
// prefilled key.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "EditorYardim.h"
#include "input/AcilirListe.h"
#include "input/UiNputElemanKesitMafsalBilgileri.h"
#include "input/UiNputElemanNoktaBagi.h"
#include "model/Oku.h"
#include "platform/Resimler.h"

namespace {

using Turet = std::array<const char*, 5>;
constexpr Turet Sifir = {"0", "0", "0", "0", "0"};

// A project of the system given with nodes 1 (0,0), 2 (0,2), 3 (3,2),
// 4 (3,0), 5 (6,0) and the rows given, expanded, and the editor set up on it.
template <class Editor>
class ElemanPenceresi : public EditorDenemesi<Editor> {
protected:
    void Proje(const std::string& Sistem, const std::string& Satirlar = "") {
        this->Ac(Sql::Sistem(Sistem) +
                 Sql::Noktalar({{"1", 0, 0}, {"2", 0, 2}, {"3", 3, 2}, {"4", 3, 0}, {"5", 6, 0}}) + Satirlar);
        KoordinatlariOku();
        ElemanNoktaBaginiOku();
        ASSERT_EQ(Hata, 0);
        this->EditoruKur();
    }
};

int EdAlani(int Eleman, const char* Alan) {
    return Tablolar.ED.Locate("ElemanNo", Eleman) ? Tablolar.ED.FieldByName(Alan).AsInteger() : -1;
}

class ElemanNoktaPenceresi : public ElemanPenceresi<TiNputElemanNoktaBagi> {
protected:
    Liste Kaydet(const char* no, int tip, std::array<const char*, 4> n, Turet t = Sifir) {
        e->Edit0->setText("?");
        e->Edit0->setText(no);
        e->ComboBox1->setCurrentIndex(tip);
        for (int x = 0; x < 4; ++x) e->Deger(x + 1)->setText(n[x]);
        for (int i = 0; i < 5; ++i) e->TuretEdit[i]->setText(t[i]);
        return Bas(e->BitBtn3);
    }
    bool ResimGosteriliyor(const std::string& Ad) const {
        return e->Image1->isVisibleTo(e.get()) &&
               e->Image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) ==
                   ResimCiz(Ad, e->Image1->size()).convertToFormat(QImage::Format_ARGB32);
    }
};

TEST_F(ElemanNoktaPenceresi, RowsAndAGenerationKeyReadBackThroughED) {
    Proje("30:Düzlem çerçeve");
    EXPECT_EQ(e->property("Tag").toInt(), 5);
    EXPECT_EQ(e->Edit0->text(), "1");  // ED empty: its row count + 1
    EXPECT_EQ(Kaydet(" 01 ", 0, {"1", "2", "0", "0"}), Liste{});
    EXPECT_EQ(Kaydet("3", 0, {"3", "04", "0", "0"}), Liste{});
    EXPECT_EQ(Kaydet("5", 2, {"4", "5", "0", "0"}), Liste{});
    // the key's row takes the start element's type, whatever the list shows
    EXPECT_EQ(Kaydet("", 1, {"0", "0", "0", "0"}, {"1", "3", "1", "0", "0"}), Liste{});
    EXPECT_EQ(Anahtarlar(Tablolar.ElemanNoktaBagi, "ElemanNo"), (Liste{"1", "3", "5", "1,3,1,0,0"}));
    // element: type, i, j
    const int beklenen[][4] = {{1, 30, 1, 2}, {2, 30, 2, 3}, {3, 30, 3, 4}, {5, 32, 4, 5}};
    for (const auto& b : beklenen) {
        EXPECT_EQ(EdAlani(b[0], "ElemanTipi"), b[1]) << b[0];
        EXPECT_EQ(EdAlani(b[0], "iNoktasi"), b[2]) << b[0];
        EXPECT_EQ(EdAlani(b[0], "jNoktasi"), b[3]) << b[0];
    }
    e->Edit0->setText("5");  // a stored row selects its type
    EXPECT_EQ(e->ComboBox1->currentText(), "32:Dönme yayı");
}

TEST_F(ElemanNoktaPenceresi, TypeListSwitchesNodeEditsAndPicture) {
    Proje("50:Levha(düzlem gerilme)");
    struct Durum {
        int Sira;
        bool k, L;
        int Nokta;
        const char* Resim;
    };
    const Durum durumlar[] = {{3, true, true, 4, "Eleman51"}, {0, false, false, 2, "Eleman10"},
                              {2, true, false, 3, "Eleman50"}};
    for (const Durum& d : durumlar) {
        e->ComboBox1->setCurrentIndex(d.Sira);
        EXPECT_EQ(e->Deger(3)->isEnabled(), d.k) << d.Resim;
        EXPECT_EQ(e->Deger(4)->isEnabled(), d.L) << d.Resim;
        EXPECT_EQ(ElemanNoktaSayisi, d.Nokta);
        EXPECT_TRUE(ResimGosteriliyor(d.Resim)) << d.Resim;
    }
}

// The calculation's own message, and nothing written.
TEST_F(ElemanNoktaPenceresi, CounterClockwiseMembraneRefusedAtSave) {
    Proje("50:Levha(düzlem gerilme)");
    const std::string once = Dosya();
    EXPECT_EQ(Kaydet("7", 3, {"1", "4", "3", "2"}),
              Liste{"7.elemanın düğüm noktaları saat yönünün tersine sıralanmış; i, j, k, L saat yönünde verilmeli"});
    EXPECT_EQ(Tablolar.ElemanNoktaBagi.RecordCount(), 0);
    EXPECT_EQ(Dosya(), once);
    EXPECT_EQ(Kaydet("7", 3, {"1", "2", "3", "4"}), Liste{});
    EXPECT_EQ(EdAlani(7, "LNoktasi"), 4);
}

// Materials 1 and 5, sections 1 and 7; elements 1 (frame), 2 (axial
// spring), 3 (rotation spring), 4 (frame).
const std::string IkiMalzeme = Sql::Malzeme("1, 'Çelik', 2E8, 0.3, 7.85, 1.2E-5") +
                               Sql::Malzeme("5, 'Ahşap', 1E7, 0.3, 0.6, 0") +
                               Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") + Sql::Kesit("A", "7, '12:IPE profil', 0.002");
const std::string Elemanlar = Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 31, 2, 3}, {"3", 32, 3, 4}, {"4", 30, 4, 5}});

class ElemanMalzemePenceresi : public ElemanPenceresi<TiNputElemanKesitMafsalBilgileri> {
protected:
    Liste Kaydet(const char* no, const char* malzeme, const char* kesit, Turet t = Sifir) {
        e->Edit0->setText("?");
        e->Edit0->setText(no);
        e->Deger(1)->setText(malzeme);
        e->Deger(2)->setText(kesit);
        for (int i = 0; i < 5; ++i) e->TuretEdit[i]->setText(t[i]);
        return Bas(e->BitBtn3);
    }
    Liste Tikla(int Kutu) {
        ui->Mesajlar.clear();
        e->CheckBox[Kutu]->click();
        return Mesajlar();
    }
};

TEST_F(ElemanMalzemePenceresi, RowsAndAGenerationKeyReadBackThroughED) {
    Proje("30:Düzlem çerçeve", IkiMalzeme + Elemanlar);
    EXPECT_EQ(e->property("Tag").toInt(), 6);
    e->Edit0->setText("1");
    e->ComboBox1->setCurrentIndex(1);  // picked from the lists
    e->ComboBox2->setCurrentIndex(1);
    EXPECT_EQ(e->Deger(1)->text() + e->Deger(2)->text(), "57");
    Tikla(3);
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    EXPECT_EQ(Kaydet("2", "1", "1"), Liste{});  // the boxes still show "03"
    EXPECT_EQ(e->Deger(3)->text(), "0306");     // the axial spring's own code
    EXPECT_TRUE(e->CheckBox[6]->isChecked());
    EXPECT_EQ(Kaydet("", "5", "1", {"3", "4", "1", "0", "0"}), Liste{});
    EXPECT_EQ(Anahtarlar(Tablolar.ElemanMalzemeKesitMafsalbagi, "ElemanNO"), (Liste{"1", "2", "3,4,1,0,0"}));
    // element: material, section, hinge code
    const std::tuple<int, int, int, const char*> beklenen[] = {
        {1, 5, 7, "03"}, {2, 1, 1, "0306"}, {3, 5, 1, "0405"}, {4, 5, 1, "00"}};
    for (auto [n, m, k, h] : beklenen) {
        EXPECT_EQ(EdAlani(n, "MalzemeNo"), m) << n;
        EXPECT_EQ(EdAlani(n, "KesitNo"), k) << n;
        EXPECT_EQ(Tablolar.ED.FieldByName("MafsalTipi").AsString(), h) << n;
    }
}

TEST_F(ElemanMalzemePenceresi, HingeExclusionClickedInTheWindow) {
    Proje("30:Düzlem çerçeve", IkiMalzeme + Elemanlar);
    Tikla(4);
    ASSERT_EQ(Tikla(1), Liste{"Normal kuvvet mafsalı elemanın sadece bir ucunda olabilir"});
    EXPECT_EQ(ui->Mesajlar.back().Baslik, "Uyarı:");
    EXPECT_FALSE(e->CheckBox[1]->isChecked());
    EXPECT_EQ(e->Deger(3)->text(), "04");
    Tikla(4);  // the last box off: no hinge
    EXPECT_EQ(e->Deger(3)->text(), "00");
    EXPECT_TRUE(e->CheckBox[0]->isChecked());
}

// While a list is open, the panel shows the details of the item under it.
TEST_F(ElemanMalzemePenceresi, DetailsOfTheItemUnderTheOpenList) {
    Proje("30:Düzlem çerçeve", IkiMalzeme + Elemanlar);
    e->show();
    QTest::qWait(50);
    e->ComboBox2->setCurrentIndex(1);
    e->ComboBox2->showPopup();
    EXPECT_TRUE(e->Panel1->isVisible());
    EXPECT_EQ(e->Memo1->toPlainText(), "Kesit no:7\nKesit:IPE profil\nA=0.002\nJ=\nIy=\nIz=\nb=\nh=\nt=\nbw=");
    EXPECT_TRUE(e->Image2->isVisible());  // the picture of section type 12
    e->ComboBox2->hidePopup();
    EXPECT_FALSE(e->Panel1->isVisible());
    e->ComboBox1->showPopup();
    emit e->ComboBox1->highlighted(0);  // the item under the mouse
    EXPECT_EQ(e->Memo1->toPlainText(), "Malzeme no:1\nMalzeme:Çelik\nE=200000000\nNu=0.3\nRo=7.85\nAlfa=1.2E-5");
    e->ComboBox1->hidePopup();
}

// One material and one section: an empty link table opens ready to give
// them to every element; after the last row is deleted it is so again.
TEST_F(ElemanMalzemePenceresi, PrefilledKeyOnOpeningAndAfterTheLastDelete) {
    Proje("30:Düzlem çerçeve", Sql::Malzeme("5, 'Ahşap', 1E7, 0.3, 0.6, 0") +
                                   Sql::Kesit("A", "7, '12:IPE profil', 0.002") +
                                   Sql::Elemanlar({{"2", 30, 1, 2}, {"6", 30, 2, 3}}));
    auto alanlar = [&] {
        QString s = e->Edit0->text() + "|" + e->Deger(1)->text() + "|" + e->Deger(2)->text() + "|";
        for (QLineEdit* t : e->TuretEdit) s += t->text() + ",";
        return s.toStdString() + e->ComboBox1->currentText().toStdString();
    };
    EXPECT_EQ(alanlar(), "1|5|7|2,6,1,0,0,5:Ahşap");
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    EXPECT_EQ(Anahtarlar(Tablolar.ElemanMalzemeKesitMafsalbagi, "ElemanNO"), Liste{"2,6,1,0,0"});
    EXPECT_EQ(EdAlani(6, "KesitNo"), 7);
    e->Edit0->setText("2,6,1,0,0");
    ui->Cevaplar = {"E"};
    EXPECT_EQ(Bas(e->BitBtn2).front(),
              "2,6,1,0,0 nolu elemanın malzeme kesit mafsal bilgileri veri tabanından silinecek\rDevam edeyim mi?");
    EXPECT_EQ(alanlar(), "2,6,1,0,0|5|7|2,6,1,0,0,5:Ahşap");
}

}  // namespace
