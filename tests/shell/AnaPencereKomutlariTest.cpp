// The main window's commands around the grid: the tool buttons and their
// preconditions, row deletion, "Tüm verileri sil", "Çiz", help, about and
// the zoom window, and a fresh start of every open after a failed run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QVBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "PencereYardim.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"
#include "platform/TabloBildirimi.h"
#include "platform/Resimler.h"
#include "shell/FormBuyutKucult.h"
#include "shell/Hakkinda.h"
#include "shell/UOrvelta.h"
#include "shell/uSonuclar.h"

namespace fs = std::filesystem;

namespace {

using Liste = std::vector<std::string>;

// A three-bar plane truss that calculates; Mesnet1 the support of node 1.
std::string Kafes(const char* Mesnet1 = "0 0 S S S S") {
    return Sql::Celik() +
           Sql::Kesit("A, ix, iy, iz, Ay, hy, ey, Az, hz, ez, Wb, b, h, t, bw",
                      "1, '1:Dikdörtgen', 0.01, 0, 0, 1e-5, 0, 0.1, 0.05, 0, 0.1, 0.05, 0, 0.1, 0.1, 0, 0") +
           Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 2, 3}}) +
           Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 10, 2, 3}, {"3", 10, 1, 3}}) +
           Sql::Baglar({{"1"}, {"2"}, {"3"}}) + Sql::Yukler({{"3", 0, -10}}) +
           Sql::Mesnetler({{"1", Mesnet1}, {"2", "S 0 S S S S"}});
}

class AnaPencereKomutlari : public ::testing::Test {
protected:
    void SetUp() override { qputenv("ORVELTA_PDF_GOSTERICI", "true"); }
    void TearDown() override { qunsetenv("ORVELTA_PDF_GOSTERICI"); }
    GeciciKlasor k;
    const std::string klasor = k.Yol().string();
};

// "Hesapla" on the open project ends in the results window.
void SonucaKadarHesapla(TfOrvelta& p) {
    ModalCevaplayici c;
    c.Pencere("Orvelta: Sonuçlar").Yap([&] { p.BitBtn9->click(); });
}

}  // namespace

// A refused run, a stopped run and a failed open leave nothing behind: the
// next open expands its project and "Hesapla" calculates it.
TEST_F(AnaPencereKomutlari, HataBirSonrakiAcmayaTasinmaz) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string iyi = ProjeYaz(klasor, "Kafes.mdb", Kafes());
    // Only a roller under node 1: more equations than unknowns.
    const std::string reddedilen = ProjeYaz(klasor, "Eksik.mdb", Kafes("S 0 S S S S"));
    auto acilipHesaplanir = [&] {
        ProjeAc(p, iyi);
        ASSERT_EQ(AcikVeriTabani, iyi);
        ASSERT_EQ(Tablolar.XYZ.RecordCount(), 3);
        ASSERT_EQ(Tablolar.ED.RecordCount(), 3);
        SonucaKadarHesapla(p);
        EXPECT_EQ(Hata, 0);
    };

    ProjeAc(p, reddedilen);
    {
        ModalCevaplayici c;
        c.Mesaj("Tamam").Yap([&] { p.BitBtn9->click(); });
        ASSERT_EQ(c.Metinler.size(), 1u);
        EXPECT_EQ(c.Metinler[0].rfind("Denklem sayısı bilinmeyen sayısından fazla", 0), 0u);
    }
    EXPECT_EQ(Hata, 0);
    acilipHesaplanir();

    // A text file renamed to .mdb.
    const std::string metin = klasor + "/Veriler/notlar.mdb";
    std::ofstream(metin) << "Bu bir veri tabanı değil\n";
    EXPECT_EQ(ProjeAc(p, metin, "Tamam"), Liste{"AnaVeriler dosyası açılamadı. Silinmiş veya bozuk olabilir"});
    acilipHesaplanir();

    // "Hesabı durdur" → "Evet" at the first message pump of the run.
    {
        ModalCevaplayici c;
        c.Mesaj("Evet");
        QTimer::singleShot(0, &p, [&] { p.BitBtn3->click(); });
        c.Yap([&] { p.BitBtn9->click(); });
        EXPECT_EQ(c.Metinler, Liste{"Hesabı durdurmak istiyor musunz?"});
    }
    EXPECT_EQ(Hata, 0);
    EXPECT_FALSE(p.HesapYapiliyor());
    acilipHesaplanir();
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

namespace {

const std::string kGiris = "Değişiklik yapmak istiyorsanız, veri girişini açın";
const std::string kNokta = "Önce noktaların koordinatlarını verin";
const std::string kEleman = "Önce eleman-nokta bağı bilgilerini verin";

// The boxes a click brings up, each answered with Dugme.
Liste Tikla(QAbstractButton* b, int Kutu = 1, const QString& Dugme = "Tamam") {
    ModalCevaplayici c;
    for (int i = 0; i < Kutu; ++i) c.Mesaj(Dugme);
    c.Yap([&] { b->click(); });
    return c.Metinler;
}

}  // namespace

TEST_F(AnaPencereKomutlari, AracDugmeleriOnKosullariSirayla) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    // Materials and sections, but one node.
    ProjeAc(p, ProjeYaz(klasor, "Tek.mdb",
                        Sql::Sistem("10:Düzlem kafes") + Sql::Celik() +
                            Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") + Sql::Noktalar({{"1", 0}})));
    // The switch on "Kapalı": every button lists its table, then warns.
    for (int no : {2, 4, 8}) {
        EXPECT_EQ(Tikla(p.SpeedButton[no]), Liste{kGiris}) << no;
        EXPECT_EQ(TfOrvelta::TabloEtiketi(p.IzgaraTablosu()), no == 4 ? 6 : no);
    }
    p.VeriGirisiAcik->setChecked(true);
    const struct {
        int no;
        Liste mesajlar;
    } durumlar[] = {{1, {}}, {2, {}}, {3, {}}, {6, {}}, {4, {kNokta}}, {5, {kNokta}}, {7, {kNokta}},
                    {8, {kEleman}}, {9, {kNokta}}};
    for (const auto& d : durumlar) {
        EXPECT_EQ(Tikla(p.SpeedButton[d.no], static_cast<int>(d.mesajlar.size())), d.mesajlar) << d.no;
        EXPECT_TRUE(p.SpeedButton[d.no]->isChecked());
    }
    // An empty project: the materials are asked for first.
    ProjeAc(p, ProjeYaz(klasor, "Bos.mdb", Sql::Sistem("10:Düzlem kafes")));
    EXPECT_EQ(Tikla(p.SpeedButton[4]), Liste{"Önce malzeme bilgilerini verin"});
    // A membrane system has no element loads: the grid keeps its table.
    ProjeAc(p, ProjeYaz(klasor, "Levha.mdb", Sql::Sistem("50:Levha(düzlem gerilme)")));
    p.SpeedButton[6]->click();
    EXPECT_EQ(Tikla(p.SpeedButton[8]),
              Liste{"Levha sistemde eleman yükü öngörülmemeiştir.\nSadece düğümlerde tekil yük olabilir"});
    EXPECT_EQ(p.IzgaraTablosu(), &Tablolar.Koordinatlar);
    EXPECT_TRUE(p.SpeedButton[6]->isChecked());
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

TEST_F(AnaPencereKomutlari, SatirSilmeTekIslemdeVeCalismaTablosuYenilenir) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string proje = ProjeYaz(
        klasor, "Dort.mdb",
        Sql::Sistem("10:Düzlem kafes") + Sql::Noktalar({{"1", 0}, {"2", 1}, {"3", 2}, {"4", 3}}) +
            // The database refuses to delete node 3.
            "CREATE TRIGGER Koruma BEFORE DELETE ON Koordinatlar WHEN OLD.NoktaNo = '3' "
            "BEGIN SELECT RAISE(ABORT, '3 nolu nokta korunuyor'); END;");
    ProjeAc(p, proje);
    EXPECT_EQ(Tikla(p.SpeedButton[6]), Liste{kGiris});
    EXPECT_EQ(Tikla(p.BitBtn23), Liste{kGiris});
    p.VeriGirisiAcik->setChecked(true);
    auto sec = [&](std::initializer_list<int> satirlar) {
        p.DBGrid1->clearSelection();
        for (int s : satirlar)
            p.DBGrid1->selectionModel()->select(p.DBGrid1->model()->index(s, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    auto noktalar = [&] {
        Liste l;
        for (int i = 0; i < p.DBGrid1->model()->rowCount(); ++i)
            l.push_back(p.DBGrid1->model()->index(i, 0).data().toString().toStdString());
        return l;
    };
    const Liste soru = {"Seçili satırlar silinecek\nDevam edeyim mi?"};
    sec({0, 3});
    EXPECT_EQ(Tikla(p.BitBtn23, 1, "Hayır"), soru);
    EXPECT_EQ(noktalar(), (Liste{"1", "2", "3", "4"}));
    // Rows 1 and 3 of the grid with the Delete key: the rows are taken by id,
    // not by a position that shifts.
    sec({0, 2, 3});
    {
        ModalCevaplayici c;
        c.Mesaj("Evet").Mesaj("Tamam").Yap([&] {
            QKeyEvent tus(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
            QApplication::sendEvent(p.DBGrid1, &tus);
        });
        ASSERT_EQ(c.Metinler.size(), 2u);
        EXPECT_EQ(c.Metinler[1], "Satırlar silinemedi, tablo değiştirilmedi:\nKoordinatlar: 3 nolu nokta korunuyor");
    }
    EXPECT_EQ(noktalar(), (Liste{"1", "2", "3", "4"}));
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 4);
    sec({0, 3});
    EXPECT_EQ(Tikla(p.BitBtn23, 1, "Evet"), soru);
    EXPECT_EQ(noktalar(), (Liste{"2", "3"}));
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 2);
    EXPECT_EQ(NoktaSayisi, 2);
    EXPECT_EQ(Tikla(p.BitBtn4, 1, "Hayır"), Liste{"Tüm satırlar silinecek\nDevam edeyim mi?"});
    EXPECT_EQ(noktalar(), (Liste{"2", "3"}));
    Tablolar.Koordinatlar.Close();  // as the file holds them
    Tablolar.Koordinatlar.Open();
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 2);
    // While a calculation runs the grid's keys and double click do nothing.
    p.HesapYapiliyorAyarla(true);
    QKeyEvent tus(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(p.DBGrid1, &tus);
    p.DBGrid1DblClick();
    p.HesapYapiliyorAyarla(false);
    // The main data listed: nothing is deleted, nothing asked.
    p.SpeedButton[1]->click();
    sec({0});
    p.BitBtn4->click();
    EXPECT_EQ(Tablolar.AnaVeriler.RecordCount(), 1);
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// "Tüm verileri sil" keeps the main data; with the open dialog cancelled the
// scratch tables still match the emptied project.
TEST_F(AnaPencereKomutlari, TumVerileriSilAnaVerileriKorur) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string proje = ProjeYaz(klasor, "Kafes.mdb", Kafes());
    ProjeAc(p, proje);
    p.VeriGirisiAcik->setChecked(true);
    const std::string soru = proje +
                             "\n\nYukarıdaki veri tabanının tüm kayıtları silinecek, sadece ana veriler kalacak\n"
                             "Devam edeyim mi?";
    EXPECT_EQ(Tikla(p.BitBtn5, 1, "Hayır"), Liste{soru});
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 3);
    {
        ModalCevaplayici c;
        c.Mesaj("Evet").Dosya("").Yap([&] { p.BitBtn5->click(); });
        EXPECT_EQ(c.Oneriler, Liste{proje});
    }
    EXPECT_EQ(Tablolar.AnaVeriler.RecordCount(), 1);
    for (Tablo* t : {&Tablolar.MalzemeBilgileri, &Tablolar.KesitBilgileri, &Tablolar.Koordinatlar,
                     &Tablolar.ElemanNoktaBagi, &Tablolar.SinirKosullari, &Tablolar.XYZ, &Tablolar.ED,
                     &Tablolar.TYUK, &Tablolar.SK})
        EXPECT_EQ(t->RecordCount(), 0) << t->Ad();
    EXPECT_EQ(p.IzgaraTablosu(), &Tablolar.AnaVeriler);
    EXPECT_EQ(Tikla(p.BitBtn9), Liste{"Önce koordinatları veriniz"});
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// The grid reads its rows without moving the table's cursor: a refresh while
// an editor holds a row in edit posts nothing.
TEST_F(AnaPencereKomutlari, IzgaraBildirimleYenilenirImleciOynatmaz) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Kafes.mdb", Kafes()));
    EXPECT_EQ(Tikla(p.SpeedButton[6]), Liste{kGiris});
    Tablo& t = Tablolar.Koordinatlar;
    p.DBGrid1->setCurrentIndex(p.DBGrid1->model()->index(1, 0));
    EXPECT_EQ(t.RecNo(), 2);
    t.Edit();
    t.FieldByName("X1").SetString("9");
    TabloDegistiBildir(t);
    EXPECT_EQ(t.Durum(), TabloDurumu::Duzenleme);
    EXPECT_EQ(p.DBGrid1->model()->index(1, 1).data().toString(), "4");
    t.Post();
    TabloDegistiBildir(t);
    EXPECT_EQ(p.DBGrid1->model()->index(1, 1).data().toString(), "9");
    EXPECT_EQ(p.DBGrid1->currentIndex().row(), 1);
}

// 120 % and back to the designed size; a typed value between the steps is
// taken to the nearest step; the scale survives a restart.
TEST_F(AnaPencereKomutlari, FormBuyutKucultAdimlarlaVeYenidenBaslatmada) {
    {
        AcikPencere a(klasor);
        TfOrvelta& p = *a.p;
        const QSize tasarim = p.size();
        TFormBuyutKucult f(&p);
        f.show();
        EXPECT_TRUE(f.BitBtn1->isEnabled());
        EXPECT_FALSE(f.BitBtn2->isEnabled());
        const struct {
            const char* yazilan;
            int deger;
        } yazimlar[] = {{"33", 35}, {"302", 30}, {"7", 30}, {"118", 120}};
        for (const auto& y : yazimlar) {
            QLineEdit* e = f.LabeledEdit1->findChild<QLineEdit*>();
            e->selectAll();
            QTest::keyClicks(f.LabeledEdit1, y.yazilan);
            f.LabeledEdit1->interpretText();
            EXPECT_EQ(f.LabeledEdit1->value(), y.deger) << y.yazilan;
        }
        f.BitBtn1->click();
        EXPECT_DOUBLE_EQ(p.Olcek(), 1.2);
        EXPECT_EQ(FormOlcegi, 120);
        EXPECT_FALSE(f.BitBtn1->isEnabled());
        EXPECT_FALSE(f.LabeledEdit1->isEnabled());
        f.BitBtn2->click();
        EXPECT_DOUBLE_EQ(p.Olcek(), 1.0);
        EXPECT_EQ(p.size(), tasarim);
        EXPECT_EQ(f.LabeledEdit1->value(), 100);
        // The arrows go round from 300 to 30.
        f.LabeledEdit1->setValue(300);
        f.LabeledEdit1->stepUp();
        EXPECT_EQ(f.LabeledEdit1->value(), 30);
        f.LabeledEdit1->setValue(120);
        f.BitBtn1->click();
    }
    AcikPencere a(klasor);
    EXPECT_DOUBLE_EQ(a.p->Olcek(), 1.2);
    TFormBuyutKucult f(a.p.get());
    f.show();
    EXPECT_EQ(f.LabeledEdit1->value(), 120);
    EXPECT_FALSE(f.BitBtn1->isEnabled());
    EXPECT_TRUE(f.BitBtn2->isEnabled());
}

// The editors' lists need nothing but their names and the window's tag:
// the item under the mouse shows its picture in the window's image.
TEST_F(AnaPencereKomutlari, ListeOnizlemesiOgeninResminiGosterir) {
    AcikPencere a(klasor);
    QDialog d(a.p.get());
    d.setModal(true);
    auto* liste1 = new QComboBox(&d);
    liste1->setObjectName("ComboBox1");
    liste1->addItems({"1:Düzgün yayılı", "2:Tekil", "3:Üçgen", "Diğer"});
    auto* liste2 = new QComboBox(&d);
    liste2->setObjectName("ComboBox2");
    liste2->addItems({"1:Ekran düzlemi X-Y", "2:Ekran düzlemi X-Z"});
    auto* resim1 = new QLabel(&d);
    resim1->setObjectName("Image1");
    auto* resim2 = new QLabel(&d);
    resim2->setObjectName("Image2");
    auto* l = new QVBoxLayout(&d);
    for (QWidget* w : std::initializer_list<QWidget*>{liste1, liste2, resim1, resim2}) {
        w->setMinimumSize(120, 40);
        l->addWidget(w);
    }
    d.show();
    ASSERT_TRUE(Bekle([&] { return QApplication::activeModalWidget() == &d; }));
    auto uzerinde = [](QComboBox* c, int oge) {
        c->showPopup();
        c->view()->setCurrentIndex(c->model()->index(oge, 0));
        c->hidePopup();
    };
    const struct {
        int tag;
        QComboBox* liste;
        int oge;
        QLabel* resim;
        bool gorunur;
    } durumlar[] = {
        // The axis pictures exist; Image1 of the main data waits for its list.
        {1, liste2, 0, resim2, ResimVar("Eksen1")},
        {8, liste1, 2, resim1, ResimVar("Yuk3")},
        {5, liste1, 1, resim1, ResimVar("Eleman2")},
        // An item without a number hides the section picture.
        {3, liste1, 3, resim1, false},
    };
    for (const auto& c : durumlar) {
        resim1->show();
        resim2->show();
        d.setProperty("Tag", c.tag);
        uzerinde(c.liste, c.oge);
        EXPECT_EQ(c.resim->isVisible(), c.gorunur) << c.tag;
    }
    ASSERT_TRUE(ResimVar("Eksen1"));
    EXPECT_FALSE(resim2->pixmap().isNull());
    // Another window's tag: nothing changes.
    d.setProperty("Tag", 2);
    resim1->show();
    uzerinde(liste1, 3);
    EXPECT_TRUE(resim1->isVisible());
}

TEST_F(AnaPencereKomutlari, YardimHakkindaVeDisGosterici) {
    // The help document built beside the program holds its Turkish headings.
    const QString pdf = QCoreApplication::applicationDirPath() + "/../Orvelta/VerilerOrtak/OrveltaYardım.pdf";
    QProcess metin;
    metin.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(metin.waitForFinished(10000));
    const QString yazi = QString::fromUtf8(metin.readAllStandardOutput());
    for (const char* baslik : {"1. ANA PENCERE", "2. GİRİŞ PENCERELERİ", "3. TÜRET ANAHTARI",
                               "4. ÖRNEK: DÜZLEM ÇERÇEVE", "5. HESAP VE SONUÇLAR", "6. MATRİS GÖSTERİMİ"})
        EXPECT_TRUE(yazi.contains(QString::fromUtf8(baslik))) << baslik;

    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string yardim = klasor + "/VerilerOrtak/OrveltaYardım.pdf";
    auto yardimMesajlari = [&] {
        ModalCevaplayici c;
        c.Mesaj("Tamam");
        p.Yardm1->trigger();
        Dinlen(50);
        return c.Metinler;
    };
    EXPECT_EQ(yardimMesajlari(), Liste{"Yardım dosyası bulunamadı:\n" + yardim});
    fs::copy_file(pdf.toStdString(), yardim);
    qputenv("ORVELTA_PDF_GOSTERICI", "olmayan-gosterici");
    EXPECT_EQ(yardimMesajlari(), Liste{"PDF dosyalarını gösterecek bir program bulunamadı.\nYardım dosyası: " + yardim});
    qputenv("ORVELTA_PDF_GOSTERICI", "true");
    EXPECT_EQ(yardimMesajlari(), Liste{});

    ModalCevaplayici c;
    c.Pencere("Hakkında").Yap([&] { p.Hakkinda1->trigger(); });
    TfHakkinda h;
    EXPECT_EQ(h.Label3->text().toStdString(), TelifMetni);

    // The results window says where its PDF went when no viewer shows it.
    qputenv("ORVELTA_PDF_GOSTERICI", "olmayan-gosterici");
    auto& k = TemizBasliksizArayuz();
    k.MemoEkle("SONLU ELEMANLAR");
    TfSonuclar s;
    s.PdfDosyasi = QString::fromStdString(this->k.Dosya("Sonuçlar.pdf"));
    EXPECT_TRUE(s.SonuclariGosterYaz());
    ASSERT_EQ(k.Mesajlar.size(), 1u);
    EXPECT_EQ(k.Mesajlar[0].Metin, "PDF dosyalarını gösterecek bir program bulunamadı.\rSonuçlar " +
                                       s.PdfDosyasi.toStdString() + " dosyasına yazıldı");
}
