// A small plane frame entered by hand through the nine editors of the main
// window, from a new empty project to the reactions of the report.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "PencereYardim.h"
#include "input/EditorYardim.h"
#include "model/VeriTabani.h"
#include "shell/UOrvelta.h"

namespace {

template <class T = QLineEdit>
T* Bul(QWidget& d, const QString& Ad) {
    T* w = d.findChild<T*>(Ad);
    EXPECT_TRUE(w) << Ad.toStdString();
    return w;
}

// The old text selected and typed over, key by key, as a user does.
void Yaz(QWidget& d, const QString& Ad, const QString& Metin) {
    QLineEdit* e = Bul(d, Ad);
    if (!e) return;
    e->setFocus();
    e->selectAll();
    for (QChar c : Metin) {
        if (c.unicode() < 128) QTest::keyClick(e, c.toLatin1());
        else QTest::sendKeyEvent(QTest::Click, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
void Kaydet(QWidget& d) { Bul<QPushButton>(d, "BitBtn3")->click(); }
void Turet(QWidget& d, const QString& Bas, const QString& Son, const QString& Adim) {
    Yaz(d, "LabeledEdit10", Bas);
    Yaz(d, "LabeledEdit11", Son);
    Yaz(d, "LabeledEdit12", Adim);
}

// Runs Komut; once the window titled Baslik is on screen, set up and ready, Islem
// works in it, then the window is closed if it is still open. Messages
// nobody expected are left in AcikPencere::Beklenmeyen.
void Modalda(const QString& Baslik, const std::function<void()>& Komut, const std::function<void(QDialog&)>& Islem) {
    bool yapildi = false;
    QTimer t;
    t.setInterval(10);
    QObject::connect(&t, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d->windowTitle() != Baslik) return;
        for (const QPushButton* b : d->findChildren<QPushButton*>())
            if (!b->isEnabled()) return;  // still busy (the results window writes its PDF)
        t.stop();
        d->setProperty(kTestteIsleniyor, true);
        Dinlen(50);  // the set-up queued by the show
        Islem(*d);
        yapildi = true;
        if (d->isVisible()) d->reject();
    });
    t.start();
    Komut();
    EXPECT_TRUE(yapildi) << Baslik.toStdString();
}

// Tool button No opens the editor; Doldur fills it, "Vazgeç" closes it
// (the main-data editor closes itself on "Kaydet").
void Editorde(TfOrvelta& p, int No, const QString& Baslik, const std::function<void(QDialog&)>& Doldur) {
    Modalda(Baslik, [&] { p.SpeedButton[No]->click(); }, [&](QDialog& d) {
        Doldur(d);
        if (d.isVisible()) Bul<QPushButton>(d, "BitBtn1")->click();
    });
}

// "Hesapla": the rows of a section of the report (below its title, column
// titles and rule) in the memo while the results window is open.
std::vector<std::string> RaporBolumu(TfOrvelta& p, const QString& Baslik) {
    QStringList satirlar;
    Modalda("Orvelta: Sonuçlar", [&] { p.BitBtn9->click(); },
            [&](QDialog&) { satirlar = p.Memo1->toPlainText().split('\n'); });
    std::vector<std::string> r;
    for (qsizetype i = satirlar.indexOf(Baslik) + 3; i > 2 && i < satirlar.size() && !satirlar[i].isEmpty(); ++i)
        r.push_back(satirlar[i].toStdString());
    return r;
}
std::vector<std::string> Reaksiyonlar(TfOrvelta& p) { return RaporBolumu(p, "REAKSİYONLAR:"); }

std::string Sag(const std::string& s, std::size_t n) { return std::string(n - std::min(n, s.size()), ' ') + s; }

// The results' PDF goes to no outside viewer.
class UcBirUc : public ::testing::Test {
protected:
    void SetUp() override { qputenv("ORVELTA_PDF_GOSTERICI", "true"); }
    void TearDown() override { qunsetenv("ORVELTA_PDF_GOSTERICI"); }
};

}  // namespace

// A beam of 4 m along X, nodes 1..5 every metre, held fully at nodes 1 and 5
// (Ux, Uy, Rz); a uniform load q = 10 kN/m downwards on all four elements,
// and at node 3 (midspan) Px = 8 kN, Py = -20 kN.
// By symmetry each end takes half the vertical load: (qL + P) / 2 =
// (40 + 20) / 2 = 30 kN. The fixed-end moments add up: qL²/12 + PL/8 =
// 13.333 + 10 = 23.333 kNm, counterclockwise at node 1 and clockwise at 5.
// The two halves (same EA, 2 m each) share Px equally: -4 kN at each end.
TEST_F(UcBirUc, DuzlemCerceveDokuzEditordenGirilipHesaplanir) {
    GeciciKlasor k;
    AcikPencere a(k.Yol().string());
    TfOrvelta& p = *a.p;
    const std::string proje = k.Dosya("Veriler/Kiris.mdb");
    {
        ModalCevaplayici c;
        c.Dosya(proje).Mesaj("Evet").Yap([&] { p.Yeni1->trigger(); });
        EXPECT_EQ(c.Metinler, Liste{proje + " yok, oluşturulsun mu?"});
    }
    ASSERT_EQ(AcikVeriTabani, proje);
    p.VeriGirisiAcik->click();

    Editorde(p, 1, "Ana veriler", [](QDialog& d) {
        ListedenSec(Bul<QComboBox>(d, "ComboBox1"), "30:Düzlem çerçeve");
        Yaz(d, "LabeledEdit1", "İki ucu ankastre kiriş");
        ListedenSec(Bul<QComboBox>(d, "ComboBox2"), "1:Ekran düzlemi X-Y");
        Kaydet(d);
    });
    EXPECT_EQ(SistemTipi, 30);
    Editorde(p, 2, "Malzeme bilgileri", [](QDialog& d) {
        Yaz(d, "Edit0", "1");
        ListedenSec(Bul<QComboBox>(d, "ComboBox1"), "Yapı çeliği");
        EXPECT_EQ(Bul(d, "LabeledEdit1")->text(), "2.1E8");
        Kaydet(d);
    });
    Editorde(p, 3, "Kesit bilgileri", [](QDialog& d) {
        Yaz(d, "Edit0", "1");
        ListedenSec(Bul<QComboBox>(d, "ComboBox1"), "1:Dikdörtgen");
        Yaz(d, "LabeledEdit12", "0.3");
        Yaz(d, "LabeledEdit13", "0.5");
        Bul<QPushButton>(d, "BitBtn4")->click();
        EXPECT_EQ(Bul(d, "LabeledEdit1")->text(), "0.15");
        Kaydet(d);
    });
    // Nodes 1 and 5 typed, 2..4 generated between them.
    Editorde(p, 6, "Koordinatlar", [](QDialog& d) {
        for (auto [no, x] : {std::pair{"1", "0"}, {"5", "4"}}) {
            Yaz(d, "Edit0", no);
            Yaz(d, "LabeledEdit1", x);
            Yaz(d, "LabeledEdit2", "0");
            Kaydet(d);
        }
        Turet(d, "1", "5", "1");
        Kaydet(d);
    });
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 5);
    Editorde(p, 5, "Eleman nokta baği", [](QDialog& d) {
        for (int e = 1; e <= 4; ++e) {
            Yaz(d, "Edit0", QString::number(e));
            ListedenSec(Bul<QComboBox>(d, "ComboBox1"), "30:Düzlem çerçeve");
            Yaz(d, "LabeledEdit1", QString::number(e));
            Yaz(d, "LabeledEdit2", QString::number(e + 1));
            Kaydet(d);
        }
    });
    EXPECT_EQ(Tablolar.ED.RecordCount(), 4);
    Editorde(p, 4, "Eleman-malzeme-kesit-mafsal bağı", [](QDialog& d) {
        Yaz(d, "Edit0", "1");
        ListedenSec(Bul<QComboBox>(d, "ComboBox1"), "1:Yapı çeliği");
        ListedenSec(Bul<QComboBox>(d, "ComboBox2"), "1:Dikdörtgen");
        EXPECT_TRUE(Bul<QCheckBox>(d, "CheckBox0")->isChecked());
        Turet(d, "1", "4", "1");
        Kaydet(d);
    });
    EXPECT_EQ(Tablolar.ElemanMalzemeKesitMafsalbagi.RecordCount(), 1);
    Editorde(p, 7, "Düğüm tekil yükleri", [](QDialog& d) {
        Yaz(d, "Edit0", "3");
        Yaz(d, "LabeledEdit1", "8");
        Yaz(d, "LabeledEdit2", "-20");
        Kaydet(d);
    });
    Editorde(p, 8, "Eleman yükleri", [](QDialog& d) {
        Yaz(d, "Edit0", "1");
        Yaz(d, "LabeledEdit1", "1");
        ListedenSec(Bul<QComboBox>(d, "ComboBox1"), "1:Düzgün yayılı");
        Yaz(d, "LabeledEdit2", "10");
        Turet(d, "1", "4", "1");
        Kaydet(d);
    });
    EXPECT_EQ(Tablolar.EYUK.RecordCount(), 4);
    // Nodes 1 and 5 by one key of step 4: held in X, Y and about Z.
    Editorde(p, 9, "Sınır(mesnet) koşulları", [](QDialog& d) {
        Yaz(d, "Edit0", "1");
        for (int g : {1, 2, 6})
            for (QRadioButton* r : Bul<QGroupBox>(d, QString("RadioGroup%1").arg(g))->findChildren<QRadioButton*>())
                if (r->text() == "Yer değiştirme") r->click();
        EXPECT_EQ(Bul(d, "LabeledEdit6")->text(), "0");
        Turet(d, "1", "5", "4");
        Kaydet(d);
    });
    EXPECT_EQ(Tablolar.SK.RecordCount(), 2);
    ASSERT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];

    // The grid lists the supports' one row.
    EXPECT_EQ(p.IzgaraTablosu(), &Tablolar.SinirKosullari);
    ASSERT_EQ(p.DBGrid1->model()->rowCount(), 1);
    EXPECT_EQ(p.DBGrid1->model()->index(0, 0).data().toString(), "1,5,4,0,0");

    const std::string b10(10, ' ');
    const std::vector<std::string> beklenen = {"       1        -4        30" + b10 + b10 + b10 + Sag("23.33", 10),
                                               "       5        -4        30" + b10 + b10 + b10 + Sag("-23.33", 10)};
    // Twice, then once more from the file opened again.
    for (int kez = 1; kez <= 3; ++kez) {
        if (kez == 3) ProjeAc(p, proje);
        EXPECT_EQ(Reaksiyonlar(p), beklenen) << kez;
    }
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// The portal of the test project (feet 1 and 4 fixed, columns 4 m, beam 2-3
// of 6 m with 20 kN/m, 10 kN along X at node 2), its links entered in the
// link editor: the key 1,3,1,0,0, then element 2 with a moment hinge at its
// end j ("06"), then element 3. The key row narrowed to 1,2,1,0,0 ("Evet" to
// the question) stays first, so element 2 keeps its hinge: the moment at
// node 3 is still 0 and every element force is as before. The forces are
// those of the same frame given as table rows; by hand, the beam carries
// 65.17 + 54.83 = 120 = 20 x 6 and its moment at node 2 is
// 65.17 x 6 - 20 x 6² / 2 = 31.02.
TEST_F(UcBirUc, TuretSatiriDaraltilincaSonrakiSatirlarGecerliKalir) {
    GeciciKlasor k;
    AcikPencere a(k.Yol().string());
    TfOrvelta& p = *a.p;
    const std::string proje = ProjeYaz(
        k.Yol().string(), "Portal.mdb",
        Sql::Sistem("30:Düzlem çerçeve") + Sql::Malzeme("1, 'C25', 30000000, 0.2, 2.5, 0.00001") +
            Sql::Kesit("A, ix, iy, iz, Ay, hy, ey, Az, hz, ez, Wb, b, h, t, bw",
                       "1, '1:Dikdörtgen', 0.15, 0.0028, 0.001125, 0.003125, 0.125, 0.5, 0.25, 0.125, 0.3, 0.15, 0, "
                       "0.3, 0.5, 0, 0") +
            Sql::Noktalar({{"1", 0}, {"2", 0, 4}, {"3", 6, 4}, {"4", 6}}) +
            Sql::Elemanlar({{"1", 30, 1, 2}, {"2", 30, 2, 3}, {"3", 30, 4, 3}}) + Sql::Yukler({{"2", 10, 0}}) +
            Sql::ElemanYuku("'2', 1, 1, 20, 0, 0, 0") +
            Sql::Mesnetler({{"1", "0 0 S S S 0"}, {"4", "0 0 S S S 0"}}));
    ProjeAc(p, proje);
    p.VeriGirisiAcik->click();

    const QString baslik = "Eleman-malzeme-kesit-mafsal bağı";
    Editorde(p, 4, baslik, [](QDialog& d) {
        // one material and one section: the key over all three is prefilled
        EXPECT_EQ(Bul(d, "LabeledEdit11")->text(), "3");
        Kaydet(d);
        for (const char* no : {"2", "3"}) {
            Yaz(d, "Edit0", no);
            Yaz(d, "LabeledEdit1", "1");
            Yaz(d, "LabeledEdit2", "1");
            if (std::string(no) == "2") QTest::mouseClick(Bul<QCheckBox>(d, "CheckBox6"), Qt::LeftButton);
            Kaydet(d);
        }
        EXPECT_EQ(Bul(d, "LabeledEdit3")->text(), "00");
    });
    ASSERT_EQ(Tablolar.ElemanMalzemeKesitMafsalbagi.RecordCount(), 3);
    const std::vector<std::string> kuvvetler = {
        "       1       1       65.17       -0.79       27.88", "       2              -65.17        0.79      -31.02",
        "       2       2       10.79       65.17       31.02", "       3              -10.79       54.83           0",
        "       4       3       54.83       10.79       43.14", "       3              -54.83      -10.79           0"};
    EXPECT_EQ(RaporBolumu(p, "ELEMAN KUVVETLERİ:"), kuvvetler);

    Editorde(p, 4, baslik, [&](QDialog& d) {
        Yaz(d, "Edit0", "1,3,1,0,0");
        EXPECT_EQ(Bul(d, "LabeledEdit11")->text(), "3");
        Yaz(d, "LabeledEdit11", "2");
        ModalCevaplayici c;
        c.Mesaj("Evet").Yap([&] { Kaydet(d); });
        EXPECT_EQ(c.Metinler, Liste{"1,3,1,0,0 türet satırı 1,2,1,0,0 ile değiştirilecek\nDevam edeyim mi?"});
        EXPECT_EQ(Bul(d, "Edit0")->text().toStdString(), "1,2,1,0,0");
        // the grid: the row in its place, the current one
        QAbstractItemModel* m = p.DBGrid1->model();
        ASSERT_EQ(m->rowCount(), 3);
        EXPECT_EQ((m->index(0, 0).data().toString() + " " + m->index(1, 0).data().toString() + " " +
                   m->index(2, 0).data().toString())
                      .toStdString(),
                  "1,2,1,0,0 2 3");
        EXPECT_EQ(p.DBGrid1->currentIndex().row(), 0);
    });
    EXPECT_EQ(RaporBolumu(p, "ELEMAN KUVVETLERİ:"), kuvvetler);
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}
