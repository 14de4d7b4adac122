// The main window's commands around the grid: the tool buttons and their
// preconditions, row deletion, "Tüm verileri sil", help, about, the zoom
// window, the list-picture preview, and a fresh start of every open after a
// failed run.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "PencereYardim.h"
#include "input/UiNputAnaVeriler.h"
#include "input/UiNputKesitBilgileri.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Resimler.h"
#include "platform/Tablo.h"
#include "platform/TabloBildirimi.h"
#include "shell/FormBuyutKucult.h"
#include "shell/Hakkinda.h"
#include "shell/UOrvelta.h"
#include "shell/uSonuclar.h"

namespace {

using Liste = std::vector<std::string>;
const std::string kGiris = "Değişiklik yapmak istiyorsanız, veri girişini açın";
const std::string kNokta = "Önce noktaların koordinatlarını verin";

// A three-bar plane truss that calculates; Mesnet1 the support of node 1.
std::string Kafes(const char* Mesnet1 = "0 0 S S S S") {
    return Sql::Sistem("10:Düzlem kafes") + Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") +
           Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 2, 3}}) +
           Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 10, 2, 3}, {"3", 10, 1, 3}}) +
           Sql::Baglar({{"1"}, {"2"}, {"3"}}) + Sql::Yukler({{"3", 0, -10}}) +
           Sql::Mesnetler({{"1", Mesnet1}, {"2", "S 0 S S S S"}});
}

// The texts of the boxes a command brings up, each answered with Dugme.
Liste Cevapla(const std::function<void()>& Komut, int Kutu = 1, const QString& Dugme = "Tamam") {
    ModalCevaplayici c;
    for (int i = 0; i < Kutu; ++i) c.Mesaj(Dugme);
    c.Yap(Komut);
    return c.Metinler;
}
Liste Tikla(QAbstractButton* b, int Kutu = 1, const QString& Dugme = "Tamam") {
    return Cevapla([b] { b->click(); }, Kutu, Dugme);
}

class AnaPencereKomutlari : public PencereTesti {};

}  // namespace

// A refused run, a failed open and a stopped run leave nothing behind: the
// next open expands its project and "Hesapla" calculates it.
TEST_F(AnaPencereKomutlari, HataBirSonrakiAcmayaTasinmaz) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string iyi = ProjeYaz(klasor, "Kafes.mdb", Kafes());
    auto acilipHesaplanir = [&] {
        ProjeAc(p, iyi);
        ASSERT_EQ(Tablolar.XYZ.RecordCount(), 3);
        ModalCevaplayici().Pencere("Orvelta: Sonuçlar").Yap([&] { p.BitBtn9->click(); });
    };
    // Only a roller under node 1: more equations than unknowns.
    ProjeAc(p, ProjeYaz(klasor, "Eksik.mdb", Kafes("S 0 S S S S")));
    EXPECT_EQ(Tikla(p.BitBtn9).at(0).rfind("Denklem sayısı bilinmeyen sayısından fazla", 0), 0u);
    acilipHesaplanir();
    // A text file renamed to .mdb.
    std::ofstream(klasor + "/Veriler/notlar.mdb") << "Bu bir veri tabanı değil\n";
    ProjeAc(p, klasor + "/Veriler/notlar.mdb", "Tamam");
    acilipHesaplanir();
    // "Hesabı durdur" → "Evet" at the first message pump of the run.
    QTimer::singleShot(0, &p, [&] { p.BitBtn3->click(); });
    EXPECT_EQ(Tikla(p.BitBtn9, 1, "Evet"), Liste{"Hesabı durdurmak istiyor musunz?"});
    EXPECT_EQ(Hata, 0);
    acilipHesaplanir();
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// The first run after the program has started is a statically
// indeterminate plate: the engine's arrays take their width for the element
// flexibilities from the start-up (nine, a plate's), or the compatibility
// equations come out wrong. Two 2 m x 1 m plates side by side (t = 0.2,
// E = 2e7, nu = 0.25), 5 kN/m2 on both, each node held against Z (six
// redundants): by symmetry the four end nodes carry one reaction and the
// two middle nodes another, together 5 x 4 = 20 kN; a two-span beam would
// give 3qL/8 = 3.75 per end and 10qL/8 = 12.5 in the middle, halved per
// node, which the plate meets to within its twist.
TEST_F(AnaPencereKomutlari, ProgramAcilirAcilmazPlakHesaplanir) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Plak.mdb",
                        Sql::Sistem("60:Plak") + Sql::Malzeme("1, 'M', 20000000, 0.25, 0, 0") +
                            Sql::Kesit("A", "1, '60:Plak', 0.2") +
                            Sql::Noktalar({{"1", 0}, {"2", 0, 1}, {"3", 2, 1}, {"4", 2}, {"5", 4}, {"6", 4, 1}}) +
                            Sql::Elemanlar({{"1", 60, 1, 2, 3, 4}, {"2", 60, 4, 3, 6, 5}}) +
                            Sql::Baglar({{"1"}, {"2"}}) + Sql::ElemanYuku("'1', 1, 25, 5, 0, 0, 0") +
                            Sql::ElemanYuku("'2', 1, 25, 5, 0, 0, 0") + Sql::Mesnetler({{"1,6,1,0,0", "S S 0 S S S"}})));
    // The report as the results window opens on it; any other box is left to
    // the window's watch, which notes it and closes it.
    std::vector<std::string> rapor;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!w || w->windowTitle() != "Orvelta: Sonuçlar") return;
        rapor = Arayuz().MemoSatirlari();
        w->reject();
    });
    t.start(10);
    p.BitBtn9->click();
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
    const auto r = std::find(rapor.begin(), rapor.end(), "REAKSİYONLAR:");
    ASSERT_LE(r + 9, rapor.end());
    double R[7] = {}, toplam = 0;
    for (int n = 1; n <= 6; ++n) {
        const std::string& s = r[2 + n];
        ASSERT_EQ(s.substr(0, 8), "       " + std::to_string(n)) << s;
        R[n] = std::stod(s.substr(28, 10));
        toplam += R[n];
    }
    EXPECT_NEAR(toplam, 20, 0.03);
    for (int n : {2, 5, 6}) EXPECT_EQ(R[n], R[1]) << n;
    EXPECT_EQ(R[4], R[3]);
    EXPECT_NEAR(R[1], 1.875, 0.1);
    EXPECT_NEAR(R[3], 6.25, 0.1);
}

TEST_F(AnaPencereKomutlari, AracDugmeleriOnKosullariSirayla) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    // Materials and sections, but one node.
    ProjeAc(p, ProjeYaz(klasor, "Tek.mdb",
                        Sql::Sistem("10:Düzlem kafes") + Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") +
                            Sql::Noktalar({{"1", 0}})));
    // "Kapalı": the button lists its table, then warns.
    EXPECT_EQ(Tikla(p.SpeedButton[4]), Liste{kGiris});
    EXPECT_EQ(p.IzgaraTablosu(), &Tablolar.ElemanMalzemeKesitMafsalbagi);
    EXPECT_EQ(Cevapla([&] { p.DBGrid1DblClick(); }), Liste{kGiris});
    p.VeriGirisiAcik->setChecked(true);
    const Liste yok, nokta{kNokta}, eleman{"Önce eleman-nokta bağı bilgilerini verin"};
    const Liste* beklenen[10] = {nullptr, &yok, &yok, &yok, &nokta, &nokta, &yok, &nokta, &eleman, &nokta};
    // The buttons whose preconditions hold open their editor.
    const char* editor[10] = {nullptr, "Ana veriler", "Malzeme bilgileri", "Kesit bilgileri", nullptr,
                              nullptr, "Koordinatlar", nullptr, nullptr, nullptr};
    for (int no = 1; no <= 9; ++no) {
        ModalCevaplayici c;
        for (size_t i = 0; i < beklenen[no]->size(); ++i) c.Mesaj("Tamam");
        if (editor[no]) c.Pencere(editor[no]);
        c.Yap([&] { p.SpeedButton[no]->click(); });
        EXPECT_EQ(c.Metinler, *beklenen[no]) << no;
    }
    ProjeAc(p, ProjeYaz(klasor, "Bos.mdb", Sql::Sistem("10:Düzlem kafes")));
    EXPECT_EQ(Tikla(p.SpeedButton[4]), Liste{"Önce malzeme bilgilerini verin"});
    // "Çiz" runs the geometry-only pass first.
    {
        ModalCevaplayici c;
        c.Mesaj("Tamam").Pencere("Çiz").Yap([&] { p.BitBtn1->click(); });
        EXPECT_EQ(c.Metinler, Liste{"Önce koordinatları veriniz"});
    }
    EXPECT_FALSE(p.Memo1->isVisible());
    // A membrane system has no element loads: the grid keeps its table.
    ProjeAc(p, ProjeYaz(klasor, "Levha.mdb", Sql::Sistem("50:Levha(düzlem gerilme)")));
    ModalCevaplayici().Pencere("Koordinatlar").Yap([&] { p.SpeedButton[6]->click(); });
    EXPECT_EQ(Tikla(p.SpeedButton[8]),
              Liste{"Levha sistemde eleman yükü öngörülmemeiştir.\nSadece düğümlerde tekil yük olabilir"});
    EXPECT_EQ(p.IzgaraTablosu(), &Tablolar.Koordinatlar);
    EXPECT_TRUE(p.SpeedButton[6]->isChecked());
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// The nine tool buttons open their editor however they are pressed: by the
// mouse, by the Space key, and by a screen reader's actions "Toggle" and
// "Press", also on the button that is down already.
TEST_F(AnaPencereKomutlari, AracDugmeleriHerYoldanEditoruAcar) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Kafes.mdb", Kafes()));
    p.VeriGirisiAcik->setChecked(true);
    const char* baslik[10] = {nullptr,
                              "Ana veriler",
                              "Malzeme bilgileri",
                              "Kesit bilgileri",
                              "Eleman-malzeme-kesit-mafsal bağı",
                              "Eleman nokta baği",
                              "Koordinatlar",
                              "Düğüm tekil yükleri",
                              "Eleman yükleri",
                              "Sınır(mesnet) koşulları"};
    auto eylem = [](QToolButton* b, const QString& Ad) {
        QAccessibleActionInterface* e = QAccessible::queryAccessibleInterface(b)->actionInterface();
        ASSERT_NE(e, nullptr);
        ASSERT_TRUE(e->actionNames().contains(Ad)) << e->actionNames().join(",").toStdString();
        e->doAction(Ad);
    };
    const std::pair<const char*, std::function<void(QToolButton*)>> yollar[] = {
        {"fare", [](QToolButton* b) { QTest::mouseClick(b, Qt::LeftButton); }},
        {"boşluk", [](QToolButton* b) {
             b->setFocus();
             QTest::keyClick(b, Qt::Key_Space);
         }},
        {"Toggle", [&](QToolButton* b) { eylem(b, QAccessibleActionInterface::toggleAction()); }},
        {"Press", [&](QToolButton* b) { eylem(b, QAccessibleActionInterface::pressAction()); }},
    };
    for (const auto& [yol, bas] : yollar)
        for (int no : {1, 2, 3, 4, 5, 6, 7, 8, 9, 9}) {
            ModalCevaplayici c;
            c.Pencere(QString::fromUtf8(baslik[no])).Yap([&] {
                bas(p.SpeedButton[no]);
                Bekle([&] { return c.Bitti(); }, 2000);
            });
            EXPECT_TRUE(c.Bitti()) << yol << " " << no;
            EXPECT_TRUE(p.SpeedButton[no]->isChecked()) << yol << " " << no;
        }
    EXPECT_TRUE(a.Beklenmeyen.empty());
}

TEST_F(AnaPencereKomutlari, SatirSilmeTekIslemdeVeCalismaTablosuYenilenir) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Dort.mdb",
                        Sql::Sistem("10:Düzlem kafes") + Sql::Noktalar({{"1", 0}, {"2", 1}, {"3", 2}, {"4", 3}}) +
                            // The database refuses to delete node 3.
                            "CREATE TRIGGER Koruma BEFORE DELETE ON Koordinatlar WHEN OLD.NoktaNo = '3' "
                            "BEGIN SELECT RAISE(ABORT, '3 nolu nokta korunuyor'); END;"));
    EXPECT_EQ(Tikla(p.SpeedButton[6]), Liste{kGiris});
    EXPECT_EQ(Tikla(p.BitBtn23), Liste{kGiris});
    p.VeriGirisiAcik->setChecked(true);
    auto sec = [&](std::initializer_list<int> satirlar) {
        p.DBGrid1->clearSelection();
        for (int s : satirlar) p.DBGrid1->selectionModel()->select(p.DBGrid1->model()->index(s, 0),
                                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    auto noktalar = [&] {
        Liste l;
        for (int i = 0; i < p.DBGrid1->model()->rowCount(); ++i)
            l.push_back(p.DBGrid1->model()->index(i, 0).data().toString().toStdString());
        return l;
    };
    QKeyEvent silTusu(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    const Liste soru = {"Seçili satırlar silinecek\nDevam edeyim mi?"};
    sec({0, 3});
    EXPECT_EQ(Tikla(p.BitBtn23, 1, "Hayır"), soru);
    // Grid rows 1, 3 and 4 by the Delete key: row 3 is refused, none goes.
    sec({0, 2, 3});
    ModalCevaplayici c;
    c.Mesaj("Evet").Mesaj("Tamam").Yap([&] { QApplication::sendEvent(p.DBGrid1, &silTusu); });
    EXPECT_EQ(c.Metinler.at(1), "Satırlar silinemedi, tablo değiştirilmedi:\nKoordinatlar: 3 nolu nokta korunuyor");
    EXPECT_EQ(noktalar(), (Liste{"1", "2", "3", "4"}));
    // Rows are taken by their ids, not by positions that shift.
    sec({0, 3});
    EXPECT_EQ(Tikla(p.BitBtn23, 1, "Evet"), soru);
    EXPECT_EQ(noktalar(), (Liste{"2", "3"}));
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 2);
    EXPECT_EQ(Tikla(p.BitBtn4, 1, "Hayır"), Liste{"Tüm satırlar silinecek\nDevam edeyim mi?"});
    // While a calculation runs the grid's keys and double click do nothing.
    p.HesapYapiliyorAyarla(true);
    QApplication::sendEvent(p.DBGrid1, &silTusu);
    p.DBGrid1DblClick();
    p.HesapYapiliyorAyarla(false);
    // The main data listed: nothing is asked, nothing deleted.
    ModalCevaplayici().Pencere("Ana veriler").Yap([&] { p.SpeedButton[1]->click(); });
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
    EXPECT_EQ(Tikla(p.BitBtn5, 1, "Hayır"),
              Liste{proje + "\n\nYukarıdaki veri tabanının tüm kayıtları silinecek, sadece ana veriler kalacak\n"
                            "Devam edeyim mi?"});
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 3);
    // then the main-data editor opens on the emptied project
    ModalCevaplayici().Mesaj("Evet").Dosya("").Pencere("Ana veriler").Yap([&] { p.BitBtn5->click(); });
    EXPECT_EQ(Tablolar.AnaVeriler.RecordCount(), 1);
    for (Tablo* t : {&Tablolar.MalzemeBilgileri, &Tablolar.Koordinatlar, &Tablolar.SinirKosullari, &Tablolar.XYZ,
                     &Tablolar.ED, &Tablolar.SK})
        EXPECT_EQ(t->RecordCount(), 0) << t->Ad();
    EXPECT_EQ(p.IzgaraTablosu(), &Tablolar.AnaVeriler);
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// The grid reads its rows without moving the table's cursor: a refresh while
// an editor holds a row in edit posts nothing.
TEST_F(AnaPencereKomutlari, IzgaraBildirimleYenilenirImleciOynatmaz) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Kafes.mdb", Kafes()));
    Tikla(p.SpeedButton[6]);
    Tablo& t = Tablolar.Koordinatlar;
    p.DBGrid1->setCurrentIndex(p.DBGrid1->model()->index(1, 0));
    EXPECT_EQ(t.RecNo(), 2);
    t.Edit();
    t.FieldByName("X1").SetString("9");
    TabloDegistiBildir(t);
    EXPECT_EQ(t.Durum(), TabloDurumu::Duzenleme);
    t.Post();
    TabloDegistiBildir(t);
    EXPECT_EQ(p.DBGrid1->model()->index(1, 1).data().toString(), "9");
    EXPECT_EQ(p.DBGrid1->currentIndex().row(), 1);
}

// 120 % and back to the designed size; a typed value is taken to the nearest
// step; the scale survives a restart.
TEST_F(AnaPencereKomutlari, FormBuyutKucultAdimlarlaVeYenidenBaslatmada) {
    {
        AcikPencere a(klasor);
        const QSize tasarim = a.p->size();
        TFormBuyutKucult f(a.p.get());
        f.show();
        for (auto [yazilan, deger] : {std::pair{"33", 35}, {"302", 30}, {"7", 30}, {"118", 120}}) {
            f.LabeledEdit1->selectAll();
            QTest::keyClicks(f.LabeledEdit1, yazilan);
            f.LabeledEdit1->interpretText();
            EXPECT_EQ(f.LabeledEdit1->value(), deger) << yazilan;
        }
        f.BitBtn1->click();
        EXPECT_DOUBLE_EQ(a.p->Olcek(), 1.2);
        EXPECT_FALSE(f.BitBtn1->isEnabled() || f.LabeledEdit1->isEnabled());
        f.BitBtn2->click();
        EXPECT_EQ(a.p->size(), tasarim);
        EXPECT_EQ(f.LabeledEdit1->value(), 100);
        f.LabeledEdit1->setValue(120);
        f.BitBtn1->click();
    }
    AcikPencere a(klasor);
    EXPECT_DOUBLE_EQ(a.p->Olcek(), 1.2);
    TFormBuyutKucult f(a.p.get());
    f.show();
    EXPECT_EQ(f.LabeledEdit1->value(), 120);
    EXPECT_TRUE(f.BitBtn2->isEnabled() && !f.BitBtn1->isEnabled());
}

// An editor's lists need nothing but their names and the window's tag: the
// item under the mouse shows its picture in the window's image.
TEST_F(AnaPencereKomutlari, ListeOnizlemesiOgeninResminiGosterir) {
    AcikPencere a(klasor);
    QDialog d(a.p.get());
    d.setModal(true);
    auto* l = new QVBoxLayout(&d);
    QComboBox* liste[2];
    QLabel* resim[2];
    for (int i = 0; i < 2; ++i) {
        liste[i] = new QComboBox(&d);
        liste[i]->setObjectName(QString("ComboBox%1").arg(i + 1));
        resim[i] = new QLabel(&d);
        resim[i]->setObjectName(QString("Image%1").arg(i + 1));
        resim[i]->setMinimumSize(120, 60);
        l->addWidget(liste[i]);
        l->addWidget(resim[i]);
    }
    liste[0]->addItems({"1:Düzgün yayılı", "2:Tekil", "3:Üçgen", "Diğer"});
    liste[1]->addItems({"1:Ekran düzlemi X-Y"});
    d.show();
    ASSERT_TRUE(Bekle([&] { return QApplication::activeModalWidget() == &d; }));
    const struct {
        int tag, liste, oge, resim;
        bool gorunur;
    } durumlar[] = {{1, 1, 0, 1, true},  // the axis pictures exist
                    {8, 0, 2, 0, ResimVar("Yuk3")},
                    {3, 0, 3, 0, false},  // no number: the section picture hides
                    {2, 0, 3, 0, true}};  // another window: nothing changes
    for (const auto& c : durumlar) {
        resim[c.resim]->show();
        d.setProperty("Tag", c.tag);
        liste[c.liste]->showPopup();
        liste[c.liste]->view()->setCurrentIndex(liste[c.liste]->model()->index(c.oge, 0));
        liste[c.liste]->hidePopup();
        EXPECT_EQ(resim[c.resim]->isVisible(), c.gorunur) << c.tag;
    }
    EXPECT_FALSE(resim[1]->pixmap().isNull());
}

// A list closed without a choice (Escape after the keys moved over its
// items, a click outside it) shows the chosen item's picture again, not the
// last one the preview showed.
TEST_F(AnaPencereKomutlari, SecimsizKapananListeSeciliResmiGosterir) {
    AcikPencere a(klasor);
    ProjeAc(*a.p, ProjeYaz(klasor, "Bos.mdb", Sql::Sistem("30:Düzlem çerçeve")));
    auto resim = [](QLabel* r) { return r->pixmap().toImage().convertToFormat(QImage::Format_ARGB32); };
    auto gosterir = [&](QLabel* r, const std::string& Ad) {
        return r->isVisible() && resim(r) == ResimCiz(Ad, r->size()).convertToFormat(QImage::Format_ARGB32);
    };
    struct Durum {
        QComboBox* liste;
        QLabel* resim;
        std::string secili, gezilen;
    };
    auto dene = [&](QDialog& e, std::initializer_list<Durum> durumlar) {
        e.show();
        ASSERT_TRUE(Bekle([&] { return QApplication::activeModalWidget() == &e; }));
        Dinlen(50);
        for (const Durum& d : durumlar)
            for (bool escape : {true, false}) {
                const int i = d.liste->currentIndex();
                ASSERT_TRUE(gosterir(d.resim, d.secili)) << d.secili;
                d.liste->setFocus();
                QTest::keyClick(d.liste, Qt::Key_F4);
                ASSERT_TRUE(Bekle([&] { return d.liste->view()->isVisible(); }));
                QTest::keyClick(d.liste->view(), Qt::Key_Down);
                EXPECT_TRUE(gosterir(d.resim, d.gezilen)) << d.gezilen;  // the preview
                if (escape) QTest::keyClick(d.liste->view(), Qt::Key_Escape);
                else QTest::mouseClick(d.liste->view()->window(), Qt::LeftButton, {}, QPoint(-20, -20));
                ASSERT_TRUE(Bekle([&] { return !d.liste->view()->isVisible(); }));
                EXPECT_EQ(d.liste->currentIndex(), i);
                EXPECT_TRUE(gosterir(d.resim, d.secili)) << d.secili << (escape ? " Escape" : " click");
            }
        e.reject();
    };
    TiNputAnaVeriler ana(a.p.get());
    dene(ana, {{ana.ComboBox1, ana.Image1, "Sistem30", "Sistem40"}, {ana.ComboBox2, ana.Image2, "Eksen1", "Eksen2"}});
    Tablolar.KesitBilgileri.Append();
    Tablolar.KesitBilgileri.FieldByName("KesitNo").SetString("1");
    Tablolar.KesitBilgileri.FieldByName("Kesit").SetString("4:Daire");
    Tablolar.KesitBilgileri.Post();
    TiNputKesitBilgileri kesit(a.p.get());
    dene(kesit, {{kesit.ComboBox1, kesit.Image1, "Kesit4", "Kesit5"}});
}

// On the offscreen screen (800 x 600) the main window at 300 % and the
// section editor grown by its profile list stay inside the available area;
// what does not fit scrolls.
TEST_F(AnaPencereKomutlari, PencerelerEkranaSigar) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Bos.mdb", Sql::Sistem("30:Düzlem çerçeve")));
    const QRect alan = p.screen()->availableGeometry();
    auto gorunur = [&](QWidget* w) { return alan.contains(QRect(w->mapToGlobal(QPoint(0, 0)), w->size())); };
    p.ScaleBy(300, 100);
    Dinlen(100);
    EXPECT_TRUE(alan.contains(p.frameGeometry())) << p.width() << "x" << p.height();
    // The status line's labels stay whole inside the window, side by side,
    // with room left for the hint under the mouse.
    {
        QStatusBar* d = p.statusBar();
        int sol = d->width();
        for (QLabel* l : {p.Label7, p.Label10, p.Label9}) {
            const QRect r(l->mapTo(d, QPoint(0, 0)), l->size());
            EXPECT_GE(r.x(), 0) << l->objectName().toStdString();
            EXPECT_LE(r.right(), d->width()) << l->objectName().toStdString();
            EXPECT_GE(l->contentsRect().width(), l->fontMetrics().horizontalAdvance(l->text()))
                << l->objectName().toStdString();
            sol = std::min(sol, r.x());
        }
        EXPECT_GE(sol, 150);
    }
    auto* kaydirma = p.findChild<QScrollArea*>("MerkezKaydirma");
    ASSERT_NE(kaydirma, nullptr);
    // "Hesapla" (wider than this screen at 300 %) scrolls into view when the
    // focus moves to it.
    p.activateWindow();
    p.BitBtn9->setFocus();
    Dinlen(20);
    const QRect gorunen(kaydirma->viewport()->mapToGlobal(QPoint(0, 0)), kaydirma->viewport()->size());
    EXPECT_TRUE(alan.contains(gorunen));
    EXPECT_TRUE(gorunen.contains(p.BitBtn9->mapToGlobal(p.BitBtn9->rect().center())));
    p.ScaleBy(100, 300);

    TiNputKesitBilgileri e(&p);
    e.show();
    ASSERT_TRUE(Bekle([&] { return QApplication::activeModalWidget() == &e; }));
    Dinlen(50);
    // A type chosen from the open list with the keys.
    auto sec = [&](const QString& Tip) {
        QComboBox* c = e.ComboBox1;
        c->setFocus();
        QTest::keyClick(c, Qt::Key_F4);
        ASSERT_TRUE(Bekle([c] { return c->view()->isVisible(); }));
        QTest::keyClick(c->view(), Qt::Key_Home);
        for (int i = 0; i < c->count() && c->view()->currentIndex().data().toString() != Tip; ++i)
            QTest::keyClick(c->view(), Qt::Key_Down);
        QTest::keyClick(c->view(), Qt::Key_Return);
        ASSERT_TRUE(Bekle([c] { return !c->view()->isVisible(); }));
        ASSERT_EQ(c->currentText(), Tip);
        Dinlen(100);
    };
    for (const char* tip : {"12:IPE profil", "1:Dikdörtgen"}) {
        sec(QString::fromUtf8(tip));
        EXPECT_EQ(e.ListBox1->isVisible(), tip[0] == '1' && tip[1] == '2') << tip;
        EXPECT_TRUE(alan.contains(e.frameGeometry())) << tip << " " << e.y() << "+" << e.height();
        EXPECT_TRUE(gorunur(e.BitBtn3) && gorunur(e.BitBtn1)) << tip;
    }
    e.reject();
}

TEST_F(AnaPencereKomutlari, YardimHakkindaVeDisGosterici) {
    // The help document built beside the program holds every Turkish heading
    // of its text.
    const QString pdf = QCoreApplication::applicationDirPath() + "/../Orvelta/VerilerOrtak/OrveltaYardım.pdf";
    QProcess metin;
    metin.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(metin.waitForFinished(10000));
    const QString yazi = QString::fromUtf8(metin.readAllStandardOutput());
    const QStringList basliklar =
        QString::fromStdString(KaynakMetni("OrveltaYardim.txt")).split('\n').filter(QRegularExpression("^# "));
    EXPECT_EQ(basliklar.size(), 11);
    for (const QString& baslik : basliklar) EXPECT_TRUE(yazi.contains(baslik.mid(2))) << baslik.toStdString();

    AcikPencere a(klasor);
    const std::string yardim = klasor + "/VerilerOrtak/OrveltaYardım.pdf";
    auto yardimMesaji = [&] { return Cevapla([&] { a.p->Yardm1->trigger(); }); };
    EXPECT_EQ(yardimMesaji(), Liste{"Yardım dosyası bulunamadı:\n" + yardim});
    std::filesystem::copy_file(pdf.toStdString(), yardim);
    qputenv("ORVELTA_PDF_GOSTERICI", "olmayan-gosterici");
    EXPECT_EQ(yardimMesaji(), Liste{"PDF dosyalarını gösterecek bir program bulunamadı.\nYardım dosyası: " + yardim});
    ModalCevaplayici().Pencere("Hakkında").Yap([&] { a.p->Hakkinda1->trigger(); });

    // The results window says where its PDF went when no viewer shows it.
    auto& b = TemizBasliksizArayuz();
    TfSonuclar s;
    s.PdfDosyasi = QString::fromStdString(k.Dosya("Sonuçlar.pdf"));
    EXPECT_TRUE(s.SonuclariGosterYaz());
    ASSERT_EQ(b.Mesajlar.size(), 1u);
    EXPECT_EQ(b.Mesajlar[0].Metin, "PDF dosyalarını gösterecek bir program bulunamadı.\rSonuçlar " +
                                       k.Dosya("Sonuçlar.pdf") + " dosyasına yazıldı");
}

// Every one-line caption of the main window, the about window and the zoom
// window keeps the dots of its capitals ("İşlemci sayısı: ...", the bold
// path "/İnşaat/Öğe.mdb"), also with the main window scaled up and down; the
// labels' margins are the same again once it is back at its size.
TEST_F(AnaPencereKomutlari, BuyukHarflerinNoktalariGorunur) {
    AcikPencere a(klasor);
    a.p->Label8->setText("/İnşaat/Öğe.mdb");
    Dinlen(50);  // the window laid out as it is shown
    std::vector<std::string> bakilanlar;
    EXPECT_EQ(KesikEtiketler(a.p.get(), &bakilanlar), std::vector<std::string>{});
    EXPECT_TRUE(std::any_of(bakilanlar.begin(), bakilanlar.end(),
                            [](const std::string& m) { return m.rfind("İşlemci sayısı: ", 0) == 0; }));
    const QList<QLabel*> etiketler = a.p->findChildren<QLabel*>();
    auto paylar = [&] {
        std::vector<int> p;
        for (QLabel* l : etiketler) p.insert(p.end(), {l->contentsMargins().top(), l->contentsMargins().bottom()});
        return p;
    };
    const auto tasarimda = paylar();
    TfHakkinda h(a.p.get());
    h.show();
    Dinlen(20);
    EXPECT_EQ(KesikEtiketler(&h), std::vector<std::string>{});
    h.close();
    TFormBuyutKucult f(a.p.get());
    f.show();
    Dinlen(20);
    EXPECT_EQ(KesikEtiketler(&f), std::vector<std::string>{});
    for (int olcek : {120, 75, 150, 120}) {
        f.LabeledEdit1->setValue(olcek);
        f.BitBtn1->click();
        Dinlen(50);
        EXPECT_EQ(KesikEtiketler(a.p.get()), std::vector<std::string>{}) << olcek;
        f.BitBtn2->click();
    }
    f.close();
    EXPECT_EQ(paylar(), tasarimda);
}
