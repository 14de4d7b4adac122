// The nodal-load, support-condition and element-load editors: rows saved
// through the windows and read back through the scratch tables, the
// element-load window's behaviour per load type and its two-part key.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "EditorYardim.h"
#include "input/UiNputElemanYukleri.h"
#include "input/UiNputSinirKosullari.h"
#include "input/UiNputYukler.h"
#include "model/Oku.h"

namespace {

using Girdi = std::initializer_list<std::pair<QLineEdit*, const char*>>;

// A plane frame: nodes 1..6, bars 1..5 from node n to n + 1.
template <class Editor>
class CerceveEditoru : public EditorDenemesi<Editor> {
protected:
    void SetUp() override {
        EditorDenemesi<Editor>::SetUp();
        SistemTipi = 30;
        for (int n = 1; n <= 6; ++n) {
            Satir(Tablolar.Koordinatlar, {{"NoktaNo", n}, {"X1", n}});
            if (n < 6)
                Satir(Tablolar.ElemanNoktaBagi,
                      {{"ElemanNo", n}, {"ElemanTipi", 30}, {"iNoktasi", n}, {"jNoktasi", n + 1}});
        }
        KoordinatlariOku();
        ElemanNoktaBaginiOku();
        this->EditoruKur();
    }
    static void Satir(Tablo& t, std::initializer_list<std::pair<const char*, int>> alanlar) {
        t.Append();
        for (const auto& [ad, deger] : alanlar) t.FieldByName(ad).SetInteger(deger);
        t.Post();
    }
    // Types the texts into the edits, in order.
    static void Gir(Girdi l) {
        for (const auto& [e, metin] : l) e->setText(metin);
    }
    // The fields of the table's rows, blank-separated, a row a line.
    static std::string Satirlar(Tablo& t, std::initializer_list<const char*> alanlar) {
        std::string s;
        for (t.First(); !t.Eof(); t.Next()) {
            for (const char* a : alanlar) s += t.FieldByName(a).AsString() + " ";
            s += "\n";
        }
        return s;
    }
};

// The text of the label that names an edit.
QString Etiketi(QWidget* w) {
    for (QLabel* l : w->parentWidget()->findChildren<QLabel*>())
        if (l->buddy() == w) return l->text();
    return {};
}

using TekilYukEditoru = CerceveEditoru<TiNputYukler>;
using SinirKosuluEditoru = CerceveEditoru<TiNputSinirKosullari>;
using ElemanYukuEditoru = CerceveEditoru<TiNputElemanYukleri>;

TEST_F(TekilYukEditoru, TuretAnahtariTYUKTablosunaAcilir) {
    EXPECT_EQ(e->property("Tag").toInt(), 8);
    EXPECT_EQ(e->Edit0->text(), "");
    Gir({{e->Edit0, "2"}, {e->Deger(1), "5"}});
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    Gir({{e->Edit0, ""}, {e->Deger(2), "-3"}, {e->Deger(6), "1.5"}, {e->TuretEdit[0], "1"}, {e->TuretEdit[1], "5"},
         {e->TuretEdit[2], "2"}});
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    EXPECT_EQ(Satirlar(Tablolar.TYUK, {"NoktaNo", "Px", "Py", "Mz"}),
              "2 5 0 0 \n1 0 -3 1.5 \n3 0 -3 1.5 \n5 0 -3 1.5 \n");
    // node 3 has its loads through the generation key already
    Gir({{e->Edit0, "3"}, {e->Deger(1), "1"}});
    EXPECT_EQ(Bas(e->BitBtn3), Liste{"3 nolu noktanın yükleri tekrar verilmiş"});
    // the shown generation key narrowed: "Hayır" writes nothing; replaced,
    // it is no overlap
    Gir({{e->Edit0, "1,5,2,0,0"}, {e->TuretEdit[1], "3"}});
    ui->Cevaplar = {"H"};
    EXPECT_EQ(Bas(e->BitBtn3), Liste{"1,5,2,0,0 türet satırı 1,3,2,0,0 ile değiştirilecek\rDevam edeyim mi?"});
    EXPECT_EQ(Satirlar(Tablolar.Yukler, {"NoktaNo"}), "2 \n1,5,2,0,0 \n");
    ui->Cevaplar = {"E"};
    EXPECT_EQ(Bas(e->BitBtn3).size(), 1u);
    EXPECT_EQ(Satirlar(Tablolar.TYUK, {"NoktaNo", "Py"}), "2 0 \n1 -3 \n3 -3 \n");
}

// A value that is no number is named, not taken for a zero load.
TEST_F(TekilYukEditoru, SayiOlmayanYukAdiylaBildirilir) {
    Goster();
    Yaz(e->Edit0, "2");
    const char* const adlar[] = {"Px", "Py", "Pz", "Mx", "My", "Mz"};
    for (int k = 1; k <= 6; ++k) {
        Yaz(e->Deger(k), "abc");
        EXPECT_EQ(FareyleBas(e->BitBtn3), Liste{std::string(adlar[k - 1]) + " hatalı"});
        Yaz(e->Deger(k), "0");
    }
    EXPECT_EQ(FareyleBas(e->BitBtn3), Liste{"Noktadaki yüklerin tümü sıfır olamaz"});
    // an empty key names no node: the message must not begin with a blank
    Yaz(e->Edit0, "");
    Yaz(e->Deger(1), "5");
    EXPECT_EQ(FareyleBas(e->BitBtn3), Liste{"Nokta no tanımsız"});
    EXPECT_EQ(Tablolar.Yukler.RecordCount(), 0);
}

TEST_F(SinirKosuluEditoru, SecimlerVeTuretAnahtariSKTablosunaAcilir) {
    e->Edit0->setText("9");
    EXPECT_EQ(Bas(e->BitBtn3), Liste{"Noktadaki sınır koşullarının tümü Serbest olamaz"});
    e->Edit0->setText("");
    EXPECT_EQ(Bas(e->BitBtn3), Liste{"Nokta no tanımsız"});
    e->Sec(0, 1);
    e->Sec(1, 1);
    e->Sec(5, 1);
    e->Sec(5, 0);
    EXPECT_EQ(e->Deger(1)->text() + " " + e->Deger(6)->text(), "0 Serbest");
    Gir({{e->Deger(2), "0.005"}, {e->TuretEdit[0], "2"}, {e->TuretEdit[1], "6"}, {e->TuretEdit[2], "2"}});
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    EXPECT_EQ(Satirlar(Tablolar.SK, {"NoktaNo", "Ux", "Uy", "Fiz"}),
              "2 0 0.005 Serbest \n4 0 0.005 Serbest \n6 0 0.005 Serbest \n");
    // shown again: the imposed value beside "Yer değiştirme"
    e->Edit0->setText("2,6,2,0,0");
    EXPECT_EQ(std::to_string(e->Secim(1)) + std::to_string(e->Secim(2)) + " " + e->Deger(2)->text().toStdString(),
              "10 0.005");
    e->Deger(2)->setText("Serbest");
    EXPECT_EQ(Bas(e->BitBtn3), Liste{"Y yönü sınır koşulu hatalı"});
}

TEST_F(ElemanYukuEditoru, YukTipineGoreEtiketlerNotVeYuk1) {
    ASSERT_EQ(e->ComboBox1->count(), 20);
    struct Durum {
        int kod;
        const char *yuk, *yuk1;
        bool yuk1Etkin;
        const char* not_;
    };
    for (const Durum& d :
         {Durum{2, "Yük(kN)", "Yük1(kN)", false, ""}, {11, "Yük(kN/m)", "Yük1(kN/m)", true, ""},
          // per metre and in radians, although they read kN and m
          {5, "Yük(kN)", "Yük1(kN)", false, ""}, {19, "Yük(m)", "Yük1(m)", false, ""},
          {13, "Yük(°C)", "Yük1(°C)", true, "Farklı sıcaklık yükünde\neleman yüzünden-yüzüne\na gereklidir, verilmelidir."},
          {14, "Yük(°C)", "Yük1(°C)", false,
           "Üniform sıcaklık yükünde\neleman yüzünden-yüzüne\na gereklsizdir, 0 olabilir."}}) {
        e->ComboBox1->setCurrentIndex(d.kod - 1);
        EXPECT_EQ(Etiketi(e->Deger(2)) + " " + Etiketi(e->Deger(5)), QString(d.yuk) + " " + d.yuk1) << d.kod;
        EXPECT_EQ(e->Deger(5)->isEnabled(), d.yuk1Etkin) << d.kod;
        EXPECT_EQ(e->BitBtn4->isVisibleTo(e.get()) ? e->BitBtn4->text() : "", d.not_) << d.kod;
    }
    // type 14: Yük1 follows Yük, a and b are 0, also in the row written
    Gir({{e->Edit0, "3"}, {e->Deger(3), "0.5"}, {e->Deger(2), "20"}});
    EXPECT_EQ(e->Deger(5)->text() + e->Deger(3)->text() + e->Deger(4)->text(), "2000");
    e->Deger(4)->setText("1");
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    EXPECT_EQ(Satirlar(Tablolar.EYUK, {"ElemanNo", "YukNo", "YukTipi", "Yuk", "aMesafesi", "bMesafesi", "Yuk1"}),
              "3 1 14 20 0 0 20 \n");
    // a load number that is no number 1..10 shows nothing
    for (const char* no : {"0", "11", "a"}) {
        e->LabeledEdit1->setText("1");
        e->LabeledEdit1->setText(no);
        EXPECT_EQ(e->Deger(2)->text(), "0") << no;
    }
}

TEST_F(ElemanYukuEditoru, IkiParcaliAnahtar) {
    Gir({{e->Edit0, "5"}, {e->Deger(2), "10"}});
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    e->LabeledEdit1->setText("2");
    EXPECT_EQ(e->Deger(2)->text(), "0");
    e->ComboBox1->setCurrentIndex(1);
    Gir({{e->Deger(2), "-4"}, {e->Deger(3), "1.5"}});
    EXPECT_EQ(Bas(e->BitBtn3), Liste{});
    // the stepper shows each row's element and load number
    e->ComboBox1->setCurrentIndex(0);
    e->KayitAdimla(false);
    EXPECT_EQ(e->Edit0->text() + "/" + e->LabeledEdit1->text() + "/" + e->Deger(2)->text(), "5/1/10");
    e->KayitAdimla(true);
    EXPECT_EQ(e->LabeledEdit1->text() + "/" + e->Deger(3)->text() + "/" + e->ComboBox1->currentText(), "2/1.5/2:Tekil");
    ui->Cevaplar = {"E"};
    EXPECT_EQ(Bas(e->BitBtn2), Liste{"5 nolu elemanın bu yükü veri tabanından silinecek\rDevam edeyim mi?"});
    EXPECT_EQ(Satirlar(Tablolar.ElemanYukleri, {"ElemanNo", "YukNo", "Yuk"}), "5 1 10 \n");
    EXPECT_EQ(Satirlar(Tablolar.EYUK, {"ElemanNo", "YukNo", "Yuk"}), "5 1 10 \n");
    EXPECT_EQ(e->Edit0->text(), "");
}

// A generation key typed in the "Türet:" edits stays when the load number
// changes; an element number that is empty or no number is named as such.
TEST_F(ElemanYukuEditoru, YukNoDegisinceTuretAnahtariKalir) {
    Goster();
    const auto turet = [&] {
        QString s;
        for (QLineEdit* t : e->TuretEdit) s += t->text() + ",";
        return s.toStdString();
    };
    Yaz(e->TuretEdit[0], "1");  // the click empties "Eleman no"
    Yaz(e->TuretEdit[1], "5");
    Yaz(e->TuretEdit[2], "2");
    Yaz(e->LabeledEdit1, "3");
    EXPECT_EQ(turet(), "1,5,2,0,0,");
    Yaz(e->Deger(2), "10");
    EXPECT_EQ(FareyleBas(e->BitBtn3), Liste{});
    EXPECT_EQ(Satirlar(Tablolar.ElemanYukleri, {"ElemanNo", "YukNo", "Yuk"}), "1,5,2,0,0 3 10 \n");
    Yaz(e->LabeledEdit1, "4");
    EXPECT_EQ(turet() + e->Deger(2)->text().toStdString(), "1,5,2,0,0,0");

    Yaz(e->TuretEdit[0], "0");
    for (const char* no : {"", "abc", "9"}) {
        Yaz(e->Edit0, no);
        Yaz(e->Deger(2), "10");
        EXPECT_EQ(FareyleBas(e->BitBtn3),
                  Liste{*no == '9' ? "9 nolu eleman-nokta bağı tanımsız" : "Eleman no hatalı"})
            << no;
    }
}

}  // namespace
