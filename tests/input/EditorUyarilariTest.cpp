// Messages of the editors typed into as a user types: the question before a
// shown generation-key row is replaced ("Hayır" writes nothing) and none for
// the next key after a saved one, the builder's limits on what a key
// generates, the set-up warning and the hints of the
// element-material-section-hinge editor, and an unknown stored axis set of
// the main data.
#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>
#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>

#include "EditorYardim.h"
#include "input/AcilirListe.h"
#include "input/UiNputAnaVeriler.h"
#include "input/UiNputElemanKesitMafsalBilgileri.h"
#include "input/UiNputElemanNoktaBagi.h"
#include "input/UiNputKoordinatlar.h"
#include "model/Oku.h"

namespace {

// Clicks into the edit, selects its text and types Metin over it.
void Yaz(QLineEdit* e, const QString& Metin) {
    QTest::mouseClick(e, Qt::LeftButton);
    QTest::keyClick(e, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(e, Metin);
    EXPECT_EQ(e->text(), Metin) << e->objectName().toStdString();
}

// An editor shown on a project of the rows given, its scratch tables filled.
template <class Editor>
class GosterilenEditor : public EditorDenemesi<Editor> {
protected:
    void SetUp() override {}
    void Goster(const std::string& Satirlar) {
        this->ProjeyiAc(Satirlar);
        KoordinatlariOku();
        ElemanNoktaBaginiOku();
        ElemanMalzemeKesitMafsalBaginiOku();
        ASSERT_EQ(Hata, 0);
        this->ui->Mesajlar.clear();
        this->e = std::make_unique<Editor>(nullptr);
        this->e->show();  // the set-up runs once, after the show
        this->e->activateWindow();
        QTest::qWait(50);
    }
    // Clicks the button; the messages it showed.
    Liste Tikla(QPushButton* b) {
        this->ui->Mesajlar.clear();
        QTest::mouseClick(b, Qt::LeftButton);
        return this->Mesajlar();
    }
};

// Each editor's project holds the generation-key row 1,7,2,0,0 over stored
// nodes or elements 1 and 7.
template <class Editor>
std::string TuretSatiriOlanProje();
const std::string SekizNokta = Sql::Noktalar(
    {{"1", 0}, {"2", 1}, {"3", 2}, {"4", 3}, {"5", 4}, {"6", 5}, {"7", 6}, {"8", 7}});
template <>
std::string TuretSatiriOlanProje<TiNputKoordinatlar>() {
    return Sql::Noktalar({{"1", 0}, {"7", 6}, {"1,7,2,0,0", 0}});
}
template <>
std::string TuretSatiriOlanProje<TiNputElemanNoktaBagi>() {
    return SekizNokta + Sql::Elemanlar({{"1", 10, 1, 2}, {"7", 10, 7, 8}, {"1,7,2,0,0", 10, 0, 0}});
}
template <>
std::string TuretSatiriOlanProje<TiNputElemanKesitMafsalBilgileri>() {
    return Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") + SekizNokta +
           Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 10, 2, 3}, {"3", 10, 3, 4}, {"4", 10, 4, 5}, {"5", 10, 5, 6},
                           {"6", 10, 6, 7}, {"7", 10, 7, 8}}) +
           Sql::Baglar({{"1,7,2,0,0"}});
}

template <class Editor>
class TuretSatiri : public GosterilenEditor<Editor> {};
using TuretliEditorler = ::testing::Types<TiNputKoordinatlar, TiNputElemanNoktaBagi, TiNputElemanKesitMafsalBilgileri>;
TYPED_TEST_SUITE(TuretSatiri, TuretliEditorler);

// The step of a shown key row changed: "Hayır" to the question keeps the
// project file as it was, byte for byte, and the row on screen.
TYPED_TEST(TuretSatiri, HayirKaydetmeyiBitirirDosyaAyniKalir) {
    this->Goster(Sql::Sistem("10:Düzlem kafes") + TuretSatiriOlanProje<TypeParam>());
    auto& e = this->e;
    Tablo& t = *e->Ayarlar().ProjeTablosu;
    Yaz(e->Edit0, "1,7,2,0,0");
    ASSERT_TRUE(e->BitBtn2->isVisible());
    Yaz(e->TuretEdit[2], "3");
    const std::string once = this->Dosya();
    const Liste satirlar = this->Anahtarlar(t, e->Ayarlar().AnahtarAlani.c_str());
    this->ui->Cevaplar = {"H"};
    EXPECT_EQ(this->Tikla(e->BitBtn3), Liste{"1,7,2,0,0 türet satırı 1,7,3,0,0 ile değiştirilecek\rDevam edeyim mi?"});
    EXPECT_EQ(this->ui->Mesajlar.at(0).Baslik, "SORU:");
    EXPECT_TRUE(this->Dosya() == once) << "the project file changed";
    EXPECT_EQ(this->Anahtarlar(t, e->Ayarlar().AnahtarAlani.c_str()), satirlar);
    EXPECT_EQ(t.Durum(), TabloDurumu::Gozatma);
    EXPECT_EQ(e->TuretEdit[2]->text(), "3");
}

// Each editor's project holds the key row 1,7,2,0,0, then a plain row 3 that
// overrides what the key gives number 3 (coordinate X 10, element nodes 5-6,
// hinge "06"), then the key row 1,7,3,0,0. What a number has in the scratch
// table is read by Numara.
template <class Editor>
std::string OrtadaTuretSatiriOlanProje();
template <class Editor>
std::string Numara(int No);
template <>
std::string OrtadaTuretSatiriOlanProje<TiNputKoordinatlar>() {
    return Sql::Noktalar({{"1", 0}, {"7", 6}, {"1,7,2,0,0", 0}, {"3", 10}, {"1,7,3,0,0", 0}});
}
template <>
std::string Numara<TiNputKoordinatlar>(int No) {
    return Tablolar.XYZ.Locate("NoktaNo", No) ? Tablolar.XYZ.FieldByName("X1").AsString() : "yok";
}
template <>
std::string OrtadaTuretSatiriOlanProje<TiNputElemanNoktaBagi>() {
    return SekizNokta + Sql::Elemanlar({{"1", 10, 1, 2},
                                        {"7", 10, 7, 8},
                                        {"1,7,2,0,0", 10, 0, 0},
                                        {"3", 10, 5, 6},
                                        {"1,7,3,0,0", 10, 0, 0}});
}
template <>
std::string Numara<TiNputElemanNoktaBagi>(int No) {
    Tablo& ed = Tablolar.ED;
    return ed.Locate("ElemanNo", No)
               ? ed.FieldByName("iNoktasi").AsString() + "-" + ed.FieldByName("jNoktasi").AsString()
               : "yok";
}
template <>
std::string OrtadaTuretSatiriOlanProje<TiNputElemanKesitMafsalBilgileri>() {
    return Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") + SekizNokta +
           Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 10, 2, 3}, {"3", 10, 3, 4}, {"4", 10, 4, 5}, {"5", 10, 5, 6},
                           {"6", 10, 6, 7}, {"7", 10, 7, 8}}) +
           Sql::Baglar({{"1,7,2,0,0"}, {"3", 1, 1, "06"}, {"1,7,3,0,0"}});
}
template <>
std::string Numara<TiNputElemanKesitMafsalBilgileri>(int No) {
    Tablo& ed = Tablolar.ED;
    return ed.Locate("ElemanNo", No)
               ? ed.FieldByName("KesitNo").AsString() + " " + ed.FieldByName("MafsalTipi").AsString()
               : "yok";
}

// A shown key row replaced ("Evet") keeps its place in the table, so the
// row after it still overrides number 3; the key edit shows the new key.
// A key another row already holds is refused before the question.
TYPED_TEST(TuretSatiri, DegistirilenSatirYeriniVeOnceliginiKorur) {
    this->Goster(Sql::Sistem("10:Düzlem kafes") + OrtadaTuretSatiriOlanProje<TypeParam>());
    auto& e = this->e;
    Tablo& t = *e->Ayarlar().ProjeTablosu;
    const char* alan = e->Ayarlar().AnahtarAlani.c_str();
    const std::string ucuncu = Numara<TypeParam>(3);
    EXPECT_NE(ucuncu, "yok");
    Liste satirlar = this->Anahtarlar(t, alan);
    auto yer = std::find(satirlar.begin(), satirlar.end(), "1,7,2,0,0");
    ASSERT_TRUE(yer != satirlar.end() && yer + 2 < satirlar.end());
    *yer = "1,7,1,0,0";
    Yaz(e->Edit0, "1,7,2,0,0");
    ASSERT_TRUE(e->BitBtn2->isVisible());

    Yaz(e->TuretEdit[2], "3");
    const std::string once = this->Dosya();
    EXPECT_EQ(this->Tikla(e->BitBtn3),
              Liste{"1,7,3,0,0 satırı zaten var; 1,7,2,0,0 türet satırı bu anahtarla değiştirilemez"});
    EXPECT_EQ(this->ui->Mesajlar.at(0).Baslik, "HATA:");
    EXPECT_TRUE(this->Dosya() == once) << "the project file changed";

    Yaz(e->TuretEdit[2], "1");
    this->ui->Cevaplar = {"E"};
    EXPECT_EQ(this->Tikla(e->BitBtn3), Liste{"1,7,2,0,0 türet satırı 1,7,1,0,0 ile değiştirilecek\rDevam edeyim mi?"});
    EXPECT_EQ(Hata, 0);
    EXPECT_EQ(this->Anahtarlar(t, alan), satirlar);
    EXPECT_EQ(Numara<TypeParam>(3), ucuncu);
    EXPECT_EQ(e->Edit0->text().toStdString(), "1,7,1,0,0");
    EXPECT_EQ(e->TuretEdit[2]->text(), "1");
    EXPECT_TRUE(e->BitBtn2->isVisible());
    e->BulVeGoster();  // the table's current row is the one shown
    EXPECT_EQ(t.FieldByName(alan).AsString(), "1,7,1,0,0");
}

// Each editor's project holds the plain rows 41, 45, 51 and 55 and opens on
// 41; what the keys 41,45,1,0,0 and 51,55,1,0,0 give numbers 42 and 52.
template <class Editor>
std::pair<std::string, std::string> DortSatirliProje();
const std::string DortEleman =
    SekizNokta + Sql::Elemanlar({{"41", 10, 1, 2}, {"45", 10, 5, 6}, {"51", 10, 1, 3}, {"55", 10, 5, 7}});
template <>
std::pair<std::string, std::string> DortSatirliProje<TiNputKoordinatlar>() {
    return {Sql::Noktalar({{"41", 0}, {"45", 4}, {"51", 10}, {"55", 14}}), "1|11"};
}
template <>
std::pair<std::string, std::string> DortSatirliProje<TiNputElemanNoktaBagi>() {
    return {DortEleman, "2-3|2-4"};
}
template <>
std::pair<std::string, std::string> DortSatirliProje<TiNputElemanKesitMafsalBilgileri>() {
    return {Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") + Sql::Kesit("A", "2, '1:Dikdörtgen', 0.02") +
                DortEleman + Sql::Elemanlar({{"41,45,1,0,0", 10, 0, 0}, {"51,55,1,0,0", 10, 0, 0}}) +
                Sql::Baglar({{"41"}, {"45"}, {"51"}, {"55"}}),
            "1 00|2 00"};
}

// A key just saved is not a row brought up to change: the next key typed
// into the "Türet:" edits (the start reached with Up, a click there would
// clear them) is a row of its own, and the first key's numbers keep theirs.
TYPED_TEST(TuretSatiri, KaydedilenAnahtardanSonrakiYeniSatirdir) {
    const auto [proje, beklenen] = DortSatirliProje<TypeParam>();
    this->Goster(Sql::Sistem("10:Düzlem kafes") + proje);
    auto& e = this->e;
    for (const char* k : {"41,45", "51,55"}) {
        if (k[0] == '4')
            Yaz(e->TuretEdit[2], "1");
        else if (std::is_same_v<TypeParam, TiNputElemanKesitMafsalBilgileri>)
            Yaz(e->Deger(2), "2");  // the second key with section 2
        Yaz(e->TuretEdit[1], QString(k).mid(3));
        Tus(Qt::Key_Up);
        Tus(Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QString(k).left(2));
        EXPECT_EQ(this->Tikla(e->BitBtn3), Liste{}) << k;
    }
    EXPECT_EQ(this->Anahtarlar(*e->Ayarlar().ProjeTablosu, e->Ayarlar().AnahtarAlani.c_str()),
              (Liste{"41", "45", "51", "55", "41,45,1,0,0", "51,55,1,0,0"}));
    EXPECT_EQ(Numara<TypeParam>(42) + "|" + Numara<TypeParam>(52), beklenen);
}

// What a key generates stays within the numbers a row may have: typed into
// the "Türet:" edits, refused with the builder's message, nothing written.
class KoordinatTureti : public GosterilenEditor<TiNputKoordinatlar> {};

TEST_F(KoordinatTureti, UretilenNumaraSiniriAsarsaReddedilir) {
    Goster(Sql::Noktalar({{"1", 0}, {"200", 1}, {"5000", 2}, {"10000", 3}}));
    const std::string once = Dosya();
    struct Durum {
        const char* Turet[5];
        const char* Mesaj;
    };
    const Durum durumlar[] = {
        // corners 5000, 10000, 10000 and 15000
        {{"5000", "10000", "5000", "10000", "5000"}, "Türetilen 15000 numarası 1..10000 aralığında değil"},
        // 200 x 200 numbers
        {{"1", "200", "1", "200", "1"}, "Türet 32767'den fazla numara üretiyor"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.Mesaj);
        for (int i = 0; i < 5; ++i) Yaz(e->TuretEdit[i], d.Turet[i]);
        EXPECT_EQ(e->Edit0->text(), "");  // the click into the start edit emptied it
        EXPECT_EQ(Tikla(e->BitBtn3), Liste{d.Mesaj});
        EXPECT_EQ(ui->Mesajlar.at(0).Baslik, "HATA:");
        EXPECT_EQ(Hata, 0);
    }
    EXPECT_TRUE(Dosya() == once) << "the project file changed";
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 4);
}

class ElemanMalzemeEditoru : public GosterilenEditor<TiNputElemanKesitMafsalBilgileri> {};

// No material and no section: the warning, and the window still set up
// (empty lists, key "1", nothing prefilled) for the user to close.
TEST_F(ElemanMalzemeEditoru, MalzemeVeKesitYokkenUyarirKurulumSurer) {
    Goster(Sql::Sistem("30:Düzlem çerçeve") + SekizNokta + Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 30, 2, 3}}));
    ASSERT_EQ(ui->Mesajlar.size(), 1u);
    EXPECT_EQ(ui->Mesajlar[0].Metin, "Önce Malzeme ve kesit bilgilerini vermelisiniz");
    EXPECT_EQ(ui->Mesajlar[0].Baslik, "UYARI:");
    EXPECT_EQ(ui->Mesajlar[0].Stil, "TamamUyarı1");
    EXPECT_EQ(Hata, 0);
    EXPECT_TRUE(e->isVisible());
    EXPECT_EQ(e->ComboBox1->count() + e->ComboBox2->count(), 0);
    EXPECT_EQ(e->Edit0->text(), "1");
    QString alanlar;
    for (QLineEdit* t : {e->Deger(1), e->Deger(2), e->Deger(3), e->TuretEdit[0], e->TuretEdit[1]})
        alanlar += t->text() + "|";
    EXPECT_EQ(alanlar, "0|0|00|0|0|");
    EXPECT_TRUE(e->GroupBox1->isEnabled());  // a plane frame's hinge boxes
}

// The hints of the "Türet:" edits, shown as the mouse rests on each.
TEST_F(ElemanMalzemeEditoru, TuretEditlerininIpuclari) {
    Goster(Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01"));
    const char* const ipucu[5] = {"Türetim başlangıç eleman no", "Türetim yapılacak bir yöndeki son eleman no",
                                  "Bir yöndeki adım", "Türetim yapılacak ikinci yöndeki son eleman no",
                                  "ikinci yöndeki adım"};
    for (int i = 0; i < 5; ++i) {
        QLineEdit* t = e->TuretEdit[i];
        const QPoint orta = t->rect().center();
        QHelpEvent olay(QEvent::ToolTip, orta, t->mapToGlobal(orta));
        QApplication::sendEvent(t, &olay);
        EXPECT_TRUE(QToolTip::isVisible()) << i;
        EXPECT_EQ(QToolTip::text().toStdString(), ipucu[i]);
        QToolTip::hideText();
    }
}

// An axis set stored outside 1..6 (a project written elsewhere) leaves the
// list without a choice: "Kaydet" refuses it until one is chosen.
class AnaVeriEkseni : public GosterilenEditor<TiNputAnaVeriler> {};

TEST_F(AnaVeriEkseni, KoordinatSistemiSecilmedenKaydedilmez) {
    Goster(Sql::Sistem("30:Düzlem çerçeve") + "UPDATE AnaVeriler SET KoordinatSistemiNo = 9;\n");
    EXPECT_EQ(Mesajlar(), Liste{});
    EXPECT_EQ(e->ComboBox2->currentIndex(), -1);
    const std::string once = Dosya();
    EXPECT_EQ(Tikla(e->BitBtn3), Liste{"Koordinat sistemi hatalı"});
    EXPECT_EQ(ui->Mesajlar.at(0).Baslik, "HATA:");
    EXPECT_TRUE(Dosya() == once) << "the project file changed";
    EXPECT_TRUE(e->isVisible());
    // the first axis set chosen with the keys, then saved
    e->ComboBox2->setFocus();
    QTest::keyClick(e->ComboBox2, Qt::Key_Home);
    EXPECT_EQ(e->ComboBox2->currentText(), "1:Ekran düzlemi X-Y");
    EXPECT_EQ(Tikla(e->BitBtn3), Liste{});
    Tablolar.AnaVeriler.First();
    EXPECT_EQ(Tablolar.AnaVeriler.FieldByName("KoordinatSistemiNo").AsInteger(), 1);
}

}  // namespace
