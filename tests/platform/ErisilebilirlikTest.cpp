// The keyboard on buttons and lists: Enter presses the focused button, and
// the focused control shows a ring that a user sees.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "platform/Erisilebilirlik.h"

namespace {

// Enter held down on B: one press and three auto-repeated ones, then the release.
void EnterBasiliTut(QWidget* B) {
    for (bool tekrar : {false, true, true, true}) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", tekrar);
        QApplication::sendEvent(B, &e);
    }
    QTest::keyRelease(B, Qt::Key_Return);
}

// A window with the controls, on screen and active.
struct Pencere {
    explicit Pencere(QWidget* w) : W(w) {
        W->show();
        W->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(W));
    }
    QWidget* W;
};

}  // namespace

// Enter (the main key or the keypad's) on a focused push button or tool
// button presses it once, as Space does; a check box and an edit keep the
// key; a dialog's auto-default button, which takes Enter itself, is still
// pressed only once. Enter held down presses each once.
TEST(Erisilebilirlik, EnterOdaktakiDugmeyiBasar) {
    ErisilebilirlikKur();
    QWidget w;
    auto* l = new QHBoxLayout(&w);
    auto* dugme = new QPushButton("Kaydet");
    auto* arac = new QToolButton;
    arac->setText("Koordinatlar");
    arac->setFocusPolicy(Qt::StrongFocus);
    auto* kutu = new QCheckBox("Kutu");
    auto* edit = new QLineEdit;
    for (QWidget* c : std::initializer_list<QWidget*>{dugme, arac, kutu, edit}) l->addWidget(c);
    int dugmeye = 0, araca = 0;
    QObject::connect(dugme, &QPushButton::clicked, [&] { ++dugmeye; });
    QObject::connect(arac, &QToolButton::clicked, [&] { ++araca; });
    Pencere p(&w);
    ASSERT_FALSE(dugme->autoDefault());

    dugme->setFocus();
    QTest::keyClick(dugme, Qt::Key_Return);
    EXPECT_EQ(dugmeye, 1);
    QTest::keyClick(dugme, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dugmeye, 2);
    QTest::keyClick(dugme, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(dugmeye, 2);
    arac->setFocus();
    QTest::keyClick(arac, Qt::Key_Return);
    EXPECT_EQ(araca, 1);
    EnterBasiliTut(arac);
    EXPECT_EQ(araca, 2);
    dugme->setFocus();
    EnterBasiliTut(dugme);
    EXPECT_EQ(dugmeye, 3);
    kutu->setFocus();
    QTest::keyClick(kutu, Qt::Key_Return);
    EXPECT_FALSE(kutu->isChecked());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dugmeye + araca, 5);

    QDialog d;
    auto* dl = new QHBoxLayout(&d);
    auto* tamam = new QPushButton("Tamam");
    dl->addWidget(tamam);
    int tamama = 0;
    QObject::connect(tamam, &QPushButton::clicked, [&] { ++tamama; });
    Pencere pd(&d);
    ASSERT_TRUE(tamam->autoDefault());
    tamam->setFocus();
    QTest::keyClick(tamam, Qt::Key_Return);
    EXPECT_EQ(tamama, 1);
    EnterBasiliTut(tamam);
    EXPECT_EQ(tamama, 2);
}

// A focused push button, tool button and drop-down list are framed by a
// ring in the highlight colour two pixels inside their edge, the current
// item of a focused list on its edge; the same controls without the focus
// are not.
TEST(Erisilebilirlik, OdaktakiDenetimHalkaliGorunur) {
    ErisilebilirlikKur();
    QWidget w;
    auto* l = new QHBoxLayout(&w);
    auto* dugme = new QPushButton("Hesapla");
    auto* arac = new QToolButton;
    arac->setText("Sınır koşulları");
    arac->setFocusPolicy(Qt::StrongFocus);
    auto* liste = new QComboBox;
    liste->addItems({"10:Düzlem kafes", "30:Düzlem çerçeve"});
    auto* edit = new QLineEdit;
    for (QWidget* c : std::initializer_list<QWidget*>{dugme, arac, liste, edit}) l->addWidget(c);
    Pencere p(&w);
    const QColor vurgu = w.palette().color(QPalette::Active, QPalette::Highlight);
    // The middles of the ring's four sides.
    auto halka = [&](QWidget* c) {
        const QImage r = c->grab().toImage();
        const int g = r.width(), y = r.height();
        int say = 0;
        for (QPoint n : {QPoint(3, y / 2), QPoint(g - 4, y / 2), QPoint(g / 2, 3), QPoint(g / 2, y - 4)})
            say += r.pixelColor(n) == vurgu ? 1 : 0;
        return say;
    };
    for (QWidget* c : std::initializer_list<QWidget*>{dugme, arac, liste}) {
        c->setFocus();
        EXPECT_EQ(halka(c), 4) << c->metaObject()->className();
        edit->setFocus();
        EXPECT_EQ(halka(c), 0) << c->metaObject()->className();
    }
    // The current item of a list, on its edge.
    QListWidget bolumler;
    bolumler.addItems({"Malzeme bilgileri", "Kesit bilgileri"});
    bolumler.setSelectionMode(QAbstractItemView::NoSelection);
    bolumler.setCurrentRow(1);
    Pencere pl(&bolumler);
    const QRect r = bolumler.visualItemRect(bolumler.item(1));
    auto kenar = [&] {
        const QImage g = bolumler.viewport()->grab().toImage();
        return g.pixelColor(r.left(), r.center().y()) == vurgu && g.pixelColor(r.center().x(), r.top()) == vurgu;
    };
    bolumler.setFocus();
    EXPECT_TRUE(kenar());
    bolumler.clearFocus();
    EXPECT_FALSE(kenar());
}
