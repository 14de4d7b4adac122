// The main window and its editors without a mouse: every key goes to the
// control that has the focus (or to the open menu), as a user's keyboard
// sends it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "PencereYardim.h"
#include "input/KayitEditoru.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"
#include "shell/UOrvelta.h"

namespace {

using Liste = std::vector<std::string>;

// A three-bar plane truss that calculates.
std::string Kafes() {
    return Sql::Sistem("10:Düzlem kafes") + Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01") +
           Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 2, 3}}) +
           Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 10, 2, 3}, {"3", 10, 1, 3}}) +
           Sql::Baglar({{"1"}, {"2"}, {"3"}}) + Sql::Yukler({{"3", 0, -10}}) +
           Sql::Mesnetler({{"1", "0 0 S S S S"}, {"2", "S 0 S S S S"}});
}

// The control that takes a key now: the open menu, else the focused one,
// else the active window itself.
QWidget* TusAlan() {
    if (QWidget* m = QApplication::activePopupWidget()) return m;
    if (QWidget* w = QApplication::focusWidget()) return w;
    return QApplication::activeWindow();
}

// One key to the control that takes it; then the events it queued run.
void Tus(int Tus, Qt::KeyboardModifiers Ek = Qt::NoModifier) {
    QWidget* w = TusAlan();
    ASSERT_NE(w, nullptr) << "etkin pencere yok";
    QTest::keyClick(w, static_cast<Qt::Key>(Tus), Ek);
    QCoreApplication::processEvents();
}

QWidget* Odak() { return QApplication::focusWidget(); }

// The key T until Hedef holds, at most 20 times.
bool Kadar(int T, const std::function<bool()>& Hedef) {
    for (int i = 0; i < 20 && !Hedef(); ++i) Tus(T);
    return Hedef();
}

// Ac opens by its keys the modal window titled Baslik; once that window
// has the keyboard, Is works in it by keys and closes it. A window Is left
// open is closed. Whether Is ran.
bool Icinde(const QString& Baslik, const std::function<void()>& Ac, const std::function<void(QWidget*)>& Is) {
    QWidget* onceki = QApplication::activeWindow();
    bool calisti = false;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (calisti || !w || w->windowTitle() != Baslik || QApplication::activeWindow() != w) return;
        calisti = true;
        w->setProperty(kTestteIsleniyor, true);
        Is(w);
        EXPECT_FALSE(w->isVisible()) << Baslik.toStdString();
        w->close();
    });
    t.start(10);
    Ac();
    // The window under it takes the keyboard again, as the window manager
    // of a desktop gives it back.
    if (onceki) {
        onceki->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(onceki));
    }
    return calisti;
}

class Klavye : public PencereTesti {};

}  // namespace

// The walk of a user without a mouse: switch data entry on, go to
// "Koordinatlar" with the arrow keys, move node 3 up, save with Enter on
// "Kaydet", leave with Enter on "Vazgeç", run "Hesapla" with Enter, then
// open the menus with F10 and with Alt and their letters ("Yardım" says its
// file is not in the new program folder).
TEST_F(Klavye, KoordinatGirilipKaydedilirVeHesaplanir) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Kafes.mdb", Kafes()));
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    p.DBGrid1->setFocus();
    ASSERT_TRUE(Kadar(Qt::Key_Tab, [&] { return Odak() == p.VeriGirisiKapali || Odak() == p.VeriGirisiAcik; }));
    Tus(Odak() == p.VeriGirisiAcik ? Qt::Key_Space : Qt::Key_Left);
    ASSERT_TRUE(p.VeriGirisiAcik->isChecked());
    ASSERT_TRUE(Kadar(Qt::Key_Tab, [&] { return Odak() == p.SpeedButton[1]; }));
    for (int i = 0; i < 3; ++i) Tus(Qt::Key_Down);  // "Malzeme bilgileri", "Kesit bilgileri", "Koordinatlar"
    ASSERT_EQ(Odak(), p.SpeedButton[6]);
    const bool editorde = Icinde("Koordinatlar", [] { Tus(Qt::Key_Return); }, [&](QWidget* w) {
        auto* e = static_cast<TKayitEditoru*>(w);
        ASSERT_TRUE(Bekle([&] { return Odak() == e->Edit0; }));
        Tus(Qt::Key_A, Qt::ControlModifier);
        Tus(Qt::Key_3);
        Tus(Qt::Key_Return);
        Tus(Qt::Key_Down);
        ASSERT_TRUE(Bekle([&] { return Odak() == e->Deger(2) && e->Deger(2)->selectedText() == "3"; }));
        Tus(Qt::Key_4);
        ASSERT_TRUE(Kadar(Qt::Key_Return, [&] { return Odak() == e->BitBtn3; }));
        EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 3);
        Tus(Qt::Key_Return);
        ASSERT_TRUE(Tablolar.Koordinatlar.Locate("NoktaNo", "3"));
        EXPECT_EQ(Tablolar.Koordinatlar.FieldByName("X2").AsString(), "4");
        ASSERT_TRUE(Kadar(Qt::Key_Tab, [&] { return Odak() == e->BitBtn1; }));
        Tus(Qt::Key_Return);
    });
    ASSERT_TRUE(editorde);
    ASSERT_TRUE(Kadar(Qt::Key_Tab, [&] { return Odak() == p.BitBtn9; }));
    Liste rapor;
    EXPECT_TRUE(Icinde("Orvelta: Sonuçlar", [] { Tus(Qt::Key_Return); }, [&](QWidget*) {
        rapor = Arayuz().MemoSatirlari();
        Tus(Qt::Key_Escape);
    }));
    EXPECT_NE(std::find(rapor.begin(), rapor.end(), "REAKSİYONLAR:"), rapor.end());

    // F10 opens "Dosya"; Right goes on to "Ayarlar", whose second item is
    // chosen with Down and Enter.
    Tus(Qt::Key_F10);
    EXPECT_TRUE(p.Veri->isVisible());
    Tus(Qt::Key_Right);
    EXPECT_TRUE(p.Ayarlar1->isVisible());
    EXPECT_TRUE(Kadar(Qt::Key_Down, [&] { return p.Ayarlar1->activeAction() == p.YerDegistirmeli; }));
    Tus(Qt::Key_Return);
    EXPECT_TRUE(p.YerDegistirmeli->isChecked());
    // Alt and the underlined letter of each menu.
    for (auto [harf, menu] : {std::pair{Qt::Key_D, p.Veri}, std::pair{Qt::Key_A, p.Ayarlar1},
                              std::pair{Qt::Key_M, p.MatrisGoster1}}) {
        Tus(harf, Qt::AltModifier);
        EXPECT_TRUE(menu->isVisible()) << harf;
        Tus(Qt::Key_Escape);
        Tus(Qt::Key_Escape);
    }
    const std::string yardim = "Yardım dosyası bulunamadı:\n" + klasor + "/VerilerOrtak/OrveltaYardım.pdf";
    EXPECT_TRUE(Icinde("HATA:", [] { Tus(Qt::Key_Y, Qt::AltModifier); }, [&](QWidget* w) {
        EXPECT_EQ(static_cast<QMessageBox*>(w)->text().toStdString(), yardim);
        Tus(Qt::Key_Escape);
    }));
    EXPECT_TRUE(Icinde("Hakkında", [] { Tus(Qt::Key_H, Qt::AltModifier); }, [](QWidget*) { Tus(Qt::Key_Escape); }));
    EXPECT_TRUE(Icinde("Form büyüt/küçült", [] { Tus(Qt::Key_F, Qt::AltModifier); },
                       [](QWidget*) { Tus(Qt::Key_Escape); }));
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// While a run goes on, the stop button has the keyboard: Enter on it and
// on "Evet" stops the run; then "Hesapla" has the keyboard again.
TEST_F(Klavye, HesapKlavyeyleDurdurulur) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Kafes.mdb", Kafes()));
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    p.BitBtn9->setFocus();
    bool durdurmada = false, soruldu = false;
    QTimer::singleShot(0, &p, [&] {  // at the run's first message pump
        durdurmada = Odak() == p.BitBtn3;
        soruldu = Icinde("SORU:", [] { Tus(Qt::Key_Return); }, [](QWidget*) {
            Kadar(Qt::Key_Tab, [] {
                auto* b = qobject_cast<QPushButton*>(Odak());
                return b && b->text() == "Evet";
            });
            Tus(Qt::Key_Return);
        });
    });
    Tus(Qt::Key_Return);
    EXPECT_TRUE(durdurmada);
    EXPECT_TRUE(soruldu);
    EXPECT_EQ(Hata, 0);
    EXPECT_FALSE(p.BitBtn3->isVisible());
    EXPECT_EQ(Odak(), p.BitBtn9);
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// Tab goes once round the window's controls, each a stop of its own: the
// grid, which is only read, is left by Tab and Shift+Tab alike and keeps
// its row; its arrow keys still move over the cells, and Enter opens the
// row's editor.
TEST_F(Klavye, SekmeTumDenetimlerdenGecer) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Kafes.mdb", Kafes()));
    p.IzgaraTablosunuAyarla(&Tablolar.Koordinatlar);
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    p.DBGrid1->setFocus();
    p.DBGrid1->setCurrentIndex(p.DBGrid1->model()->index(1, 0));
    const QModelIndex satir = p.DBGrid1->currentIndex();
    std::vector<QWidget*> duraklar;
    for (int i = 0; i < 11; ++i) {
        Tus(Qt::Key_Tab);
        duraklar.push_back(Odak());
    }
    const std::vector<QWidget*> beklenen = {p.BitBtn5, p.BitBtn23, p.BitBtn4, p.VeriGirisiAcik,
                                            p.SpeedButton[1], p.BitBtn11, p.BitBtn1, p.BitBtn9,
                                            p.BitBtn99, p.DBGrid1, p.BitBtn5};
    EXPECT_EQ(duraklar, beklenen);
    Tus(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Odak(), p.DBGrid1);
    Tus(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Odak(), p.BitBtn99);
    EXPECT_EQ(p.DBGrid1->currentIndex(), satir);
    p.DBGrid1->setFocus();
    Tus(Qt::Key_Down);
    EXPECT_EQ(p.DBGrid1->currentIndex().row(), 2);
    // Enter is the grid's double click: the editor of its row.
    p.VeriGirisiAcik->setChecked(true);
    EXPECT_TRUE(Icinde("Koordinatlar", [] { Tus(Qt::Key_Return); }, [](QWidget* w) {
        EXPECT_EQ(static_cast<TKayitEditoru*>(w)->Edit0->text(), "3");
        Tus(Qt::Key_Escape);
    }));
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// The arrow keys on the nine tool buttons move the focus in the panel's
// order and open nothing; Enter on a button opens its editor.
TEST_F(Klavye, AracDugmelerindeOkTuslariAcmaz) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Kafes.mdb", Kafes()));
    p.VeriGirisiAcik->setChecked(true);
    p.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
    const int sira[] = {1, 2, 3, 6, 5, 4, 7, 8, 9};
    p.SpeedButton[1]->setFocus();
    for (int i = 1; i <= 9; ++i) {  // the last one keeps the focus
        Tus(i % 2 ? Qt::Key_Down : Qt::Key_Right);
        EXPECT_EQ(Odak(), p.SpeedButton[sira[std::min(i, 8)]]) << i;
    }
    for (int i = 7; i >= 0; --i) {
        Tus(i % 2 ? Qt::Key_Up : Qt::Key_Left);
        EXPECT_EQ(Odak(), p.SpeedButton[sira[i]]) << i;
    }
    // Nothing opened: the main data are still listed.
    EXPECT_EQ(a.Beklenmeyen, Liste{});
    EXPECT_EQ(p.IzgaraTablosu(), &Tablolar.AnaVeriler);
    p.SpeedButton[9]->setFocus();
    EXPECT_TRUE(Icinde("Sınır(mesnet) koşulları", [] { Tus(Qt::Key_Return); }, [](QWidget*) { Tus(Qt::Key_Escape); }));
    EXPECT_TRUE(p.SpeedButton[9]->isChecked());
}
