#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <QToolTip>
#include <QHelpEvent>
#include <QHeaderView>
#include <filesystem>
#include <fstream>

#include "PencereYardim.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "shell/Baslat.h"
#include "shell/UOrvelta.h"

namespace fs = std::filesystem;

namespace {

using Liste = std::vector<std::string>;

const char* const kCalismaDosyalari[] = {"YazBoz.mdb", "Profiller.mdb", "ElemanKuvvetleriCizim.mdb",
                                         "BOS.mdb", "ElemanKuvvetleri.txt"};

std::uintmax_t Boyut(const std::string& yol) {
    std::error_code ec;
    return fs::file_size(yol, ec);
}

std::string Etiket(QLabel* l) { return l->property("Yol").toString().toStdString(); }

void AyarDosyasiYaz(const std::string& klasor, const std::vector<std::string>& satirlar) {
    fs::create_directories(klasor + "/VerilerOrtak");
    std::ofstream f(klasor + "/VerilerOrtak/Ayarlar.txt", std::ios::binary);
    for (const auto& s : satirlar) f << s << "\r\n";
}

// The menus "Dosya", "Ayarlar" and "Matris göster..." can be opened.
bool MenulerEtkin(TfOrvelta& p) {
    return p.menuBar()->isEnabled() && p.Veri->menuAction()->isEnabled() &&
           p.Ayarlar1->menuAction()->isEnabled() && p.MatrisGoster1->menuAction()->isEnabled();
}

// Every tool button shows its whole caption.
void DugmeYazilariSigar(TfOrvelta& p) {
    for (int i = 1; i <= 9; ++i) {
        QToolButton* b = p.SpeedButton[i];
        EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text())) << i;
    }
}

// After a run or a refused one: the panels and menus work, the memo and the
// stop button are hidden.
void Bosta(TfOrvelta& p) {
    EXPECT_TRUE(p.BitBtn9->isEnabled());
    EXPECT_TRUE(p.BitBtn11->isEnabled());
    EXPECT_TRUE(MenulerEtkin(p));
    EXPECT_FALSE(p.Memo1->isVisible());
    EXPECT_FALSE(p.BitBtn3->isVisible());
    EXPECT_FALSE(p.HesapYapiliyor());
}

class AnaPencere : public ::testing::Test {
protected:
    GeciciKlasor k;
    const std::string klasor = k.Yol().string();
    const std::string ortak = klasor + "/VerilerOrtak";
    const std::string test = ortak + "/TEST/Test.mdb";
};

}  // namespace

TEST_F(AnaPencere, BaslangicKurulumVeCikisCalismaDosyasiBirakmaz) {
    {
        AcikPencere a(klasor);
        TfOrvelta& p = *a.p;
        ASSERT_TRUE(p.KurulumTamam());
        // The working files exist while the program runs.
        for (const char* ad : kCalismaDosyalari) EXPECT_TRUE(fs::exists(ortak + "/" + ad)) << ad;
        EXPECT_TRUE(fs::is_directory(klasor + "/Veriler"));
        // The test project was made from the template and is open.
        EXPECT_TRUE(fs::exists(test));
        EXPECT_EQ(AcikVeriTabani, test);
        EXPECT_EQ(Etiket(p.Label8), test);
        EXPECT_TRUE(Tablolar.AnaVeriler.Active());
        EXPECT_EQ(SistemTipi, 10);
        // The grid lists the main data: one row.
        EXPECT_EQ(p.IzgaraTablosu(), &Tablolar.AnaVeriler);
        EXPECT_EQ(p.DBGrid1->model()->rowCount(), 1);
        // Window title, labels, menus after the set-up.
        EXPECT_TRUE(p.windowTitle().startsWith("Orvelta:Sonlu Elemanlar Kuvvet Metodu "));
        EXPECT_TRUE(p.Label9->text().startsWith("Kullanılan bellek: "));
        EXPECT_TRUE(p.Label9->text().endsWith(" MB"));
        // Without a settings file every report section is ticked but the
        // displacements, which follow the calculation without them.
        for (int i = 1; i <= 11; ++i) EXPECT_EQ(Ayarlar.SonucBolumSecimleri[i], i < 11) << i;
        // "Hiçbiri" is checked.
        EXPECT_EQ(p.MatrisGosterSecimi(), 0);
        EXPECT_TRUE(p.YerDegistirmesiz->isChecked());
        EXPECT_TRUE(p.BitBtn9->text().contains("Yer değiştirmesiz"));
        EXPECT_TRUE(p.VeriGirisiKapali->isChecked());
        EXPECT_FALSE(p.Memo1->isVisible());
        EXPECT_FALSE(p.ProgressBar1->isVisible());
        EXPECT_FALSE(p.BitBtn3->isVisible());
        // The recent list holds the open project, checked.
        EXPECT_EQ(p.SonDosyaYolu(1), test);
        EXPECT_TRUE(p.VeriTabaniAc[1]->isChecked());
        a.Kapat();
        EXPECT_TRUE(a.Beklenmeyen.empty());
    }
    for (const char* ad : kCalismaDosyalari) EXPECT_FALSE(fs::exists(ortak + "/" + ad)) << ad;
    // The settings file stays, with the open project on its first line.
    std::ifstream f(ortak + "/Ayarlar.txt");
    std::string ilk;
    std::getline(f, ilk);
    EXPECT_EQ(ilk, ortak + "/TEST/Test.mdb\r");
    // The project itself stays.
    EXPECT_TRUE(fs::exists(ortak + "/TEST/Test.mdb"));
}

TEST_F(AnaPencere, AyarlarKapanistaYazilirAcilistaOkunur) {
    {
        AcikPencere a(klasor);
        a.p->YerDegistirmeli->trigger();
        EXPECT_TRUE(a.p->BitBtn9->text().contains("Yer değiştirmeli"));
        EXPECT_TRUE(Ayarlar.SonucBolumSecimleri[11]);
        EXPECT_TRUE(a.p->YerDegistirmeliHesap());
        Ayarlar.SonucBolumSecimleri[3] = false;
        a.p->NGoster->setChecked(true);
    }
    {
        AcikPencere a(klasor);
        EXPECT_TRUE(a.p->YerDegistirmeli->isChecked());
        EXPECT_FALSE(a.p->YerDegistirmesiz->isChecked());
        EXPECT_TRUE(a.p->BitBtn9->text().contains("Yer değiştirmeli"));
        EXPECT_FALSE(Ayarlar.SonucBolumSecimleri[3]);
        EXPECT_TRUE(Ayarlar.SonucBolumSecimleri[11]);
        // The matrix display is back on "Hiçbiri" at every start.
        EXPECT_TRUE(a.p->HicbiriGoster->isChecked());
        a.p->YerDegistirmesiz->trigger();
        EXPECT_FALSE(Ayarlar.SonucBolumSecimleri[11]);
        EXPECT_TRUE(a.p->BitBtn9->text().contains("Yer değiştirmesiz"));
    }
}

// The last project of the settings names the template: the test project
// opens in its place, the template is not taken for the user's work; the
// scale is applied at start.
TEST_F(AnaPencere, AyarlardakiCalismaDosyasiProjeOlarakAcilmaz) {
    { AcikPencere a(klasor); }
    AyarDosyasiYaz(klasor, {ortak + "/BOS.mdb", "120"});
    AcikPencere a(klasor);
    EXPECT_EQ(AcikVeriTabani, test);
    EXPECT_EQ(FormOlcegi, 120);
    EXPECT_EQ(Ayarlar.Olcek, 120);
    EXPECT_DOUBLE_EQ(a.p->Olcek(), 1.2);
    EXPECT_EQ(a.p->Panel1->width(), 324);
    EXPECT_TRUE(a.Beklenmeyen.empty());
}

// The last project is gone and the test project that takes its place is
// damaged: the table's message, then the test project's, and no project is
// open; the program can still open another one.
TEST_F(AnaPencere, TestProjesiDeAcilamazsaIkiMesajVerir) {
    fs::create_directories(klasor + "/VerilerOrtak/TEST");
    std::ofstream(test) << std::string(5000, 'x');
    AyarDosyasiYaz(klasor, {klasor + "/Veriler/gitti.mdb", "100"});
    ModalCevaplayici c;
    c.Mesaj("Tamam").Mesaj("Tamam");
    AcikPencere a(klasor);
    EXPECT_TRUE(c.Bitti());
    ASSERT_EQ(c.Metinler.size(), 2u);
    EXPECT_EQ(c.Metinler[0], "AnaVeriler dosyası açılamadı. Silinmiş veya bozuk olabilir");
    EXPECT_EQ(c.Metinler[1], test + " veritabanı dosyası silinmiş");
    EXPECT_EQ(c.Basliklar[1], "HATA:");
    EXPECT_EQ(AcikVeriTabani, "");
    EXPECT_EQ(Etiket(a.p->Label8), "");
    EXPECT_FALSE(Tablolar.AnaVeriler.Active());
    EXPECT_TRUE(a.p->BitBtn11->isEnabled());
    EXPECT_TRUE(a.Beklenmeyen.empty());
    // The damaged file is the user's: it is neither replaced nor removed.
    EXPECT_EQ(Boyut(test), 5000u);
}

TEST_F(AnaPencere, EksikProjeTestProjesineDonerVeSonListeTemizlenir) {
    fs::create_directories(klasor + "/Veriler");
    const std::string var = klasor + "/Veriler/var.mdb";
    // A real project: a copy of a test project made by an earlier start.
    {
        AcikPencere a(klasor);
        fs::copy_file(klasor + "/VerilerOrtak/TEST/Test.mdb", var);
    }
    // A scale out of range too.
    AyarDosyasiYaz(klasor, {klasor + "/Veriler/yok.mdb", "999", klasor + "/Veriler/yokA.mdb",
                            klasor + "/Veriler/yokB.mdb", var, "", "", "TRUE", "FALSE"});
    // The test folder itself is gone too: it is made again.
    fs::remove_all(klasor + "/VerilerOrtak/TEST");
    AcikPencere a(klasor);
    EXPECT_EQ(AcikVeriTabani, test);
    EXPECT_TRUE(fs::exists(test));
    EXPECT_TRUE(Tablolar.AnaVeriler.Active());
    EXPECT_EQ(FormOlcegi, 100);
    EXPECT_TRUE(a.p->YerDegistirmesiz->isChecked());
    // One tidy pass: [A, B, var, -, -] -> [B, var, -, -, -], then the test
    // project enters as item 1 on the later calls.
    std::vector<std::string> liste;
    for (int i = 1; i <= 5; ++i) liste.push_back(a.p->SonDosyaYolu(i));
    EXPECT_EQ(liste[0], test);
    EXPECT_NE(std::find(liste.begin(), liste.end(), var), liste.end());
    EXPECT_EQ(std::find(liste.begin(), liste.end(), klasor + "/Veriler/yokA.mdb"), liste.end());
    EXPECT_TRUE(a.Beklenmeyen.empty());
}

TEST_F(AnaPencere, YeniProjeDiyalogVeSoruIleOlusturulur) {
    AcikPencere a(klasor);
    // An "&" in the name is part of the path, not an accelerator mark.
    const std::string yeni = klasor + "/Veriler/Köprü & Kiriş.mdb";

    // Cancelled dialog: the open project stays as it was.
    {
        ModalCevaplayici c;
        c.Dosya("").Yap([&] { a.p->Yeni1->trigger(); });
        EXPECT_EQ(c.Oneriler, Liste{klasor + "/Veriler/YENİ.mdb"});
        EXPECT_EQ(AcikVeriTabani, test);
        EXPECT_EQ(Etiket(a.p->Label8), test);
    }
    // "Aç" starts in the program's "Veriler" folder with no name chosen.
    {
        ModalCevaplayici c;
        c.Dosya("").Yap([&] { a.p->Ac1->trigger(); });
        EXPECT_EQ(c.Oneriler, Liste{klasor + "/Veriler/"});
        EXPECT_EQ(AcikVeriTabani, test);
    }
    // "Hayır" to the question: nothing is made, nothing changes.
    {
        ModalCevaplayici c;
        c.Dosya(yeni).Mesaj("Hayır").Yap([&] { a.p->Yeni1->trigger(); });
        EXPECT_EQ(c.Metinler, Liste{yeni + " yok, oluşturulsun mu?"});
        EXPECT_EQ(c.Basliklar, Liste{"SORU:"});
        EXPECT_FALSE(fs::exists(yeni));
        EXPECT_EQ(AcikVeriTabani, test);
    }
    // "Evet": made from the template and opened.
    {
        ModalCevaplayici c;
        c.Dosya(yeni).Mesaj("Evet").Yap([&] { a.p->Yeni1->trigger(); });
        EXPECT_TRUE(fs::exists(yeni));
        EXPECT_EQ(Boyut(yeni), Boyut(klasor + "/VerilerOrtak/BOS.mdb"));
        EXPECT_EQ(AcikVeriTabani, yeni);
        EXPECT_EQ(Etiket(a.p->Label8), yeni);
        EXPECT_EQ(a.p->SonDosyaYolu(1), yeni);
        EXPECT_EQ(a.p->SonDosyaYolu(2), test);
        EXPECT_EQ(a.p->VeriTabaniAc[1]->text(), QString::fromStdString(klasor) + "/Veriler/Köprü && Kiriş.mdb");
        EXPECT_EQ(TfOrvelta::MenuOgesiBul(a.p->Veri, QString::fromStdString(yeni).toUpper()),
                  a.p->VeriTabaniAc[1]);
        EXPECT_TRUE(a.p->VeriTabaniAc[1]->isChecked());
        EXPECT_EQ(Tablolar.AnaVeriler.RecordCount(), 1);
        EXPECT_TRUE(a.p->BitBtn11->isEnabled());
        // The grid's columns were fitted again for the new file: every
        // caption shows whole, the description has room.
        QTableView* g = a.p->DBGrid1;
        ASSERT_EQ(g->model()->columnCount(), 3);
        for (int i = 0; i < 3; ++i) {
            const QString baslik = g->model()->headerData(i, Qt::Horizontal).toString();
            EXPECT_GE(g->columnWidth(i), g->horizontalHeader()->fontMetrics().horizontalAdvance(baslik))
                << baslik.toStdString();
        }
        EXPECT_GE(g->columnWidth(1), 420);
    }
    // Choosing the test project from the recent list opens it (its item is
    // already listed: only the mark moves).
    {
        ModalCevaplayici c;
        c.Dosya(test).Yap([&] { a.p->VeriTabaniAc[2]->trigger(); });
        EXPECT_EQ(c.Oneriler[0], test);
        EXPECT_EQ(AcikVeriTabani, test);
        EXPECT_TRUE(a.p->VeriTabaniAc[2]->isChecked());
        EXPECT_EQ(a.p->SonDosyaYolu(1), yeni);
    }
    // A recent project's dialog, cancelled: the open project stays as it was.
    {
        ModalCevaplayici c;
        c.Dosya("").Yap([&] { a.p->VeriTabaniAc[1]->trigger(); });
        EXPECT_EQ(c.Oneriler[0], yeni);
        EXPECT_EQ(AcikVeriTabani, test);
        EXPECT_EQ(Etiket(a.p->Label8), test);
        EXPECT_TRUE(a.p->VeriTabaniAc[2]->isChecked());
    }
    // The recent list, "&" and all, survives a restart.
    a.Kapat();
    AcikPencere b(klasor);
    EXPECT_EQ(AcikVeriTabani, test);
    EXPECT_EQ(b.p->SonDosyaYolu(1), yeni);
    EXPECT_EQ(b.p->SonDosyaYolu(2), test);
    EXPECT_TRUE(b.p->VeriTabaniAc[2]->isChecked());
}

TEST_F(AnaPencere, FarkliKaydetKopyaAcarKendiUzerineKopyalamaz) {
    AcikPencere a(klasor);
    const auto boyut = Boyut(test);
    ASSERT_GT(boyut, 0u);
    const std::string kopya = klasor + "/VerilerOrtak/TEST/Test-KOPYA.mdb";

    // A copy onto the open file itself is refused; the file keeps its bytes.
    {
        ModalCevaplayici c;
        c.Dosya(test).Mesaj("Tamam").Yap([&] { a.p->Farklikaydet1->trigger(); });
        EXPECT_EQ(c.Oneriler[0], kopya);
        EXPECT_EQ(Boyut(test), boyut);
        EXPECT_EQ(c.Basliklar, Liste{"HATA:"});
        EXPECT_EQ(AcikVeriTabani, test);
        EXPECT_TRUE(Tablolar.AnaVeriler.Active());
    }
    // A name typed without ".mdb" gets it; the copy is opened.
    const std::string ikinci = klasor + "/Veriler/ikinci";
    {
        ModalCevaplayici c;
        c.Dosya(ikinci).Yap([&] { a.p->Farklikaydet1->trigger(); });
        EXPECT_TRUE(fs::exists(ikinci + ".mdb"));
        EXPECT_EQ(Boyut(ikinci + ".mdb"), boyut);
        EXPECT_EQ(AcikVeriTabani, ikinci + ".mdb");
        EXPECT_TRUE(Tablolar.AnaVeriler.Active());
    }
    // Declining the overwrite question opens nothing new and keeps the target.
    {
        std::ofstream(kopya) << "eski";
        ModalCevaplayici c;
        c.Dosya(kopya).Mesaj("Hayır").Yap([&] { a.p->Farklikaydet1->trigger(); });
        EXPECT_EQ(c.Metinler, Liste{kopya + " dosyası zaten var\n\nKopya işlemine devam edeyim mi ?"});
        EXPECT_EQ(Boyut(kopya), 4u);
        EXPECT_EQ(AcikVeriTabani, ikinci + ".mdb");
        EXPECT_TRUE(Tablolar.AnaVeriler.Active());
    }
    // A working database of the program is not a project.
    {
        ModalCevaplayici c;
        c.Dosya(klasor + "/VerilerOrtak/BOS.mdb").Mesaj("Tamam").Yap([&] { a.p->Farklikaydet1->trigger(); });
        EXPECT_EQ(c.Basliklar, Liste{"HATA:"});
        EXPECT_EQ(AcikVeriTabani, ikinci + ".mdb");
    }
    // A copy that cannot be written (its folder is a file): the error is
    // shown, no copy is opened, the open project is open again.
    {
        std::ofstream(klasor + "/dosya") << "x";
        const std::string olmaz = klasor + "/dosya/kopya.mdb";
        a.p->DosyaSec = [&](bool Kaydet, const std::string&, std::string& Secilen) {
            EXPECT_TRUE(Kaydet);
            Secilen = olmaz;
            return true;
        };
        ModalCevaplayici c;
        c.Mesaj("Tamam").Yap([&] { a.p->Farklikaydet1->trigger(); });
        ASSERT_EQ(c.Metinler.size(), 1u);
        EXPECT_EQ(c.Basliklar, Liste{"HATA:"});
        EXPECT_NE(c.Metinler[0].find(olmaz), std::string::npos) << c.Metinler[0];
        EXPECT_FALSE(fs::exists(olmaz));
        EXPECT_EQ(AcikVeriTabani, ikinci + ".mdb");
        EXPECT_EQ(Etiket(a.p->Label8), ikinci + ".mdb");
        EXPECT_TRUE(Tablolar.AnaVeriler.Active());
        EXPECT_EQ(a.p->SonDosyaYolu(1), ikinci + ".mdb");
        a.p->DosyaSec = nullptr;
    }
    EXPECT_TRUE(a.Beklenmeyen.empty());
}

// Opening a project closes this program's drawing window, and no other
// window because its title happens to hold "Çiz".
TEST_F(AnaPencere, AcmaYalnizcaKendiCizimPenceresiniKapatir) {
    AcikPencere a(klasor);
    QWidget cizim;
    cizim.setObjectName("TfMeshCiz");
    cizim.setWindowTitle("Çiz");
    cizim.show();
    QWidget baska;
    baska.setWindowTitle("Çizim notları");
    baska.show();
    ProjeAc(*a.p, "");
    EXPECT_FALSE(cizim.isVisible());
    EXPECT_TRUE(baska.isVisible());
}

TEST_F(AnaPencere, KomutuOlmayanDugmelerKapaliPanellerEtkinlesirkenDeKapaliKalir) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    PanelKontrolleriniEtkinlestir(p.Panel1, false);
    EXPECT_FALSE(p.BitBtn11->isEnabled());
    EXPECT_TRUE(p.Panel1->isEnabled());
    PanelKontrolleriniEtkinlestir(p.Panel1, true);
    EXPECT_TRUE(p.BitBtn11->isEnabled());
    EXPECT_TRUE(p.BitBtn99->isEnabled());
    // Hints: yellow, shown as the mouse rests on a control.
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 0));
    const QPoint orta = p.BitBtn11->rect().center();
    QHelpEvent ipucu(QEvent::ToolTip, orta, p.BitBtn11->mapToGlobal(orta));
    QApplication::sendEvent(p.BitBtn11, &ipucu);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), p.BitBtn11->toolTip());
    QToolTip::hideText();
}

// The window fits a 1280 x 800 screen with room to spare.
TEST_F(AnaPencere, Ekran1280x800eSigar) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const QSize en = p.minimumSizeHint();
    EXPECT_LE(en.width(), 1240);
    EXPECT_LE(en.height(), 740);
    p.resize(1240, 740);
    Dinlen(100);
    DugmeYazilariSigar(p);
    // The hint line that goes with deactivation and a path label without a
    // project move nothing.
    const QString yol = p.Label8->text();
    p.Label8->setText("/home/ogrenci/Veriler/Kopru.mdb");
    Dinlen(50);
    const int izgara = p.DBGrid1->height();
    const int dugme = p.SpeedButton[1]->y();
    p.FormDeactivate();
    p.Label8->setText("");
    Dinlen(100);
    EXPECT_FALSE(p.StaticText1->isVisible());
    EXPECT_EQ(p.DBGrid1->height(), izgara);
    EXPECT_EQ(p.SpeedButton[1]->y(), dugme);
    p.FormActivate();
    p.Label8->setText(yol);
    Dinlen(50);
    EXPECT_TRUE(p.StaticText1->isVisible());
}

// Scaling by 120 % enlarges the fonts and the sizes of the design together,
// so every caption still shows whole; scaling back gives the design exactly.
TEST_F(AnaPencere, OlcekleYazilarVeBoyutlarBirlikteBuyur) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const QSize pencere = p.size();
    const double yazi = p.font().pointSizeF();
    const double etiketYazisi = p.Label8->font().pointSizeF();
    const int satir = p.DBGrid1->verticalHeader()->defaultSectionSize();
    ASSERT_EQ(p.Panel1->width(), 270);
    EXPECT_TRUE(p.Label8->font().bold());

    p.ScaleBy(120, 100);
    Dinlen(50);
    for (QWidget* w : std::initializer_list<QWidget*>{&p, p.StaticText1, p.Label9, p.menuBar()})
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), yazi * 1.2) << w->objectName().toStdString();
    EXPECT_DOUBLE_EQ(p.Label8->font().pointSizeF(), etiketYazisi * 1.2);
    EXPECT_TRUE(p.Label8->font().bold());
    EXPECT_EQ(p.Panel1->width(), 324);
    EXPECT_EQ(p.DBGrid1->verticalHeader()->defaultSectionSize(), static_cast<int>(std::lround(satir * 1.2)));
    DugmeYazilariSigar(p);
    // The window stays on a screen that can hold it.
    const QRect ekran = p.screen()->availableGeometry();
    if (p.minimumSizeHint().width() <= ekran.width() - 40 && p.minimumSizeHint().height() <= ekran.height() - 40)
        EXPECT_TRUE(ekran.contains(p.geometry()));

    p.ScaleBy(100, 120);
    Dinlen(50);
    EXPECT_DOUBLE_EQ(p.Olcek(), 1.0);
    EXPECT_EQ(p.size(), pencere);
    EXPECT_DOUBLE_EQ(p.font().pointSizeF(), yazi);
    EXPECT_DOUBLE_EQ(p.Label8->font().pointSizeF(), etiketYazisi);
    EXPECT_EQ(p.Panel1->width(), 270);
    EXPECT_EQ(p.DBGrid1->verticalHeader()->defaultSectionSize(), satir);
}

TEST_F(AnaPencere, IslemciVeIsParcacigiEtiketleri) {
    AcikPencere a(klasor);
    const auto eski = IsParcacigiSayisi;
    const struct {
        int islemci;
        const char* islemciMetni;
        const char* isParcacigiMetni;
    } durumlar[] = {{2, "İşlemci sayısı: 2", "Threads: 2"},
                    {4, "İşlemci sayısı: 4", "Threads: 4"},
                    {5, "İşlemci sayısı: 5", "Threads: 8"}};
    for (const auto& d : durumlar) {
        IsParcacigiSayisi = static_cast<std::uint16_t>(d.islemci);
        a.p->IslemciEtiketleriniYaz();
        EXPECT_EQ(a.p->Label7->text(), QString::fromUtf8(d.islemciMetni));
        EXPECT_EQ(a.p->Label10->text(), QString::fromUtf8(d.isParcacigiMetni));
    }
    IsParcacigiSayisi = eski;
}

TEST_F(AnaPencere, HesabiDurdurSoruylaHataBayraginiKurar) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    Hata = 0;
    const Liste soru = {"Hesabı durdurmak istiyor musunz?"};
    // While a calculation runs the menus wait, and closing the window first
    // asks to stop the calculation.
    p.HesapYapiliyorAyarla(true);
    p.StaticText1->show();
    p.KomutPanelleriniEtkinlestir(false);
    EXPECT_FALSE(MenulerEtkin(p));
    EXPECT_FALSE(p.Veri->menuAction()->isEnabled());
    EXPECT_FALSE(p.BitBtn11->isEnabled());
    EXPECT_FALSE(p.StaticText1->isVisible());  // the editing hint waits too
    {
        ModalCevaplayici c;
        c.Mesaj("Hayır").Yap([&] { EXPECT_FALSE(p.close()); });
        EXPECT_EQ(c.Metinler, soru);
        EXPECT_EQ(Hata, 0);
        EXPECT_TRUE(p.isVisible());
    }
    p.HesapYapiliyorAyarla(false);
    p.KomutPanelleriniEtkinlestir(true);
    EXPECT_TRUE(MenulerEtkin(p));
    EXPECT_TRUE(p.BitBtn11->isEnabled());
    EXPECT_TRUE(p.Yardm1->isEnabled());
    // "Evet": the calculation is stopped, and the window closes once it has ended.
    p.HesapYapiliyorAyarla(true);
    ModalCevaplayici().Mesaj("Evet").Yap([&] { EXPECT_FALSE(p.close()); });
    EXPECT_EQ(Hata, 1);
    EXPECT_FALSE(Bekle([&] { return !p.isVisible(); }, 300));  // still running
    EXPECT_FALSE(p.close());  // asked once only
    EXPECT_TRUE(a.Beklenmeyen.empty());
    p.HesapYapiliyorAyarla(false);
    EXPECT_TRUE(Bekle([&] { return !p.isVisible(); }));
    Hata = 0;
}

// "Hesabı durdur" clicked while a bridge of 200 panels (1004 unknowns, the
// sparse solution) is being solved for its unknowns, after the
// factorization of its compatibility equations: the question comes at
// once. "Hayır": the run goes on to the results window; "Evet" ends it
// without one. The window is idle again after either.
TEST_F(AnaPencere, HesabiDurdurSeyrekCozumSirasindaSorar) {
    qputenv("ORVELTA_PDF_GOSTERICI", "true");
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Kopru.mdb", Sql::KafesKopru(200)));
    ASSERT_EQ(Tablolar.ED.RecordCount(), 1001);
    for (const QString cevap : {"Hayır", "Evet"}) {
        SCOPED_TRACE(cevap.toStdString());
        bool tiklandi = false;
        std::string erken;
        QTimer t;
        QObject::connect(&t, &QTimer::timeout, [&] {
            // A window that opens before the button could be clicked (the
            // results, or a message of a run that ended early) is closed, so
            // that the test fails at once instead of waiting.
            auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!tiklandi && w) {
                auto* k = qobject_cast<QMessageBox*>(w);
                erken = (k ? k->text() : w->windowTitle()).toStdString();
                w->reject();
            }
            const auto& memo = p.MemoSatirlari();
            if (tiklandi || !p.BitBtn3->isVisible() || memo.empty() || memo.back() != "Bilinmeyenler hesaplanıyor")
                return;
            tiklandi = true;
            QTest::mouseClick(p.BitBtn3, Qt::LeftButton);
        });
        t.start(0);
        ModalCevaplayici c;
        c.Mesaj(cevap);
        if (cevap == "Hayır") c.Pencere("Orvelta: Sonuçlar");
        c.Yap([&] { p.BitBtn9->click(); });
        t.stop();
        ASSERT_EQ(erken, "") << "the run ended before the stop question";
        EXPECT_TRUE(tiklandi);
        EXPECT_EQ(BilinmeyenSayisi, 1004);
        EXPECT_EQ(c.Metinler, Liste{"Hesabı durdurmak istiyor musunz?"});
        EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
        EXPECT_EQ(Hata, 0);
        Bosta(p);
    }
    qunsetenv("ORVELTA_PDF_GOSTERICI");
}

// A plane frame opened through "Veri tabanı aç" fills the scratch tables.
// The scratch database and a damaged file are refused; after the damaged
// file nothing of the frame is left, so "Hesapla" asks for the data instead
// of computing the old model against a closed project.
TEST_F(AnaPencere, ProjeAcilirCalismaVeBozukDosyaReddedilir) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string proje =
        ProjeYaz(klasor, "Cerceve.mdb",
                 Sql::Sistem("30:Düzlem çerçeve") + Sql::Noktalar({{"1", 0}, {"2", 4, 3}, {"3", 8, 3}}) +
                     Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 30, 2, 3}}) + Sql::Mesnetler({{"1", "0 0 S S S 0"}}));
    // A file named like an old lock beside the project is not the program's
    // to remove.
    const std::string kilit = klasor + "/Veriler/Cerceve.ldb";
    std::ofstream(kilit) << "kullanıcının dosyası";
    EXPECT_TRUE(ProjeAc(p, proje).empty());
    EXPECT_EQ(AcikVeriTabani, proje);
    EXPECT_TRUE(fs::exists(kilit));
    EXPECT_EQ(SistemTipi, 30);
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 3);
    EXPECT_EQ(p.DBGrid1->model()->rowCount(), 1);
    EXPECT_EQ(p.DBGrid1->model()->index(0, 0).data().toString(), "30:Düzlem çerçeve");

    EXPECT_EQ(ProjeAc(p, ortak + "/YazBoz.mdb", "Tamam"),
              Liste{ortak + "/YazBoz.mdb programın çalışma dosyasıdır, veri tabanı olarak açılamaz"});
    EXPECT_EQ(AcikVeriTabani, proje);
    EXPECT_TRUE(Tablolar.AnaVeriler.Active());

    const std::string bozuk = klasor + "/Veriler/bozuk.mdb";
    std::ofstream(bozuk) << std::string(5000, 'x');
    EXPECT_EQ(ProjeAc(p, bozuk, "Tamam"), Liste{"AnaVeriler dosyası açılamadı. Silinmiş veya bozuk olabilir"});
    EXPECT_EQ(AcikVeriTabani, "");
    EXPECT_FALSE(Tablolar.AnaVeriler.Active());
    for (Tablo* t : {&Tablolar.XYZ, &Tablolar.ED, &Tablolar.TYUK, &Tablolar.EYUK, &Tablolar.SK})
        EXPECT_EQ(t->RecordCount(), 0) << t->Ad();
    {
        ModalCevaplayici c;
        c.Mesaj("Tamam").Yap([&] { p.BitBtn9->click(); });
        EXPECT_EQ(c.Metinler, Liste{"Önce koordinatları veriniz"});
        EXPECT_EQ(c.Basliklar, Liste{"HATA:"});
    }
    Bosta(p);
    // The test project can be opened again afterwards.
    ProjeAc(p, test);
    EXPECT_EQ(AcikVeriTabani, test);
    EXPECT_TRUE(Tablolar.AnaVeriler.Active());
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
    a.Kapat();
    EXPECT_TRUE(fs::exists(kilit));
    EXPECT_TRUE(fs::exists(proje));
}

// The file dialogs of the toolkit speak Turkish as the rest of the program.
TEST_F(AnaPencere, DosyaDiyaloguTurkce) {
    ASSERT_TRUE(AracTakimiCevirileriniYukle());
    QFileDialog d;
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    QStringList metinler;
    for (auto* b : d.findChildren<QPushButton*>()) metinler << b->text().remove('&');
    for (auto* l : d.findChildren<QLabel*>()) metinler << l->text().remove('&');
    EXPECT_TRUE(metinler.contains("İptal")) << metinler.join("|").toStdString();
    EXPECT_FALSE(metinler.contains("Cancel"));
    EXPECT_FALSE(metinler.contains("Look in:"));
}

