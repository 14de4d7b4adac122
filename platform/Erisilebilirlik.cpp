#include "platform/Erisilebilirlik.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QToolButton>

namespace {

// A drop-down list: the popup list (and the edit of an editable list) as
// children, opening and closing the popup as actions.
class ListeErisimi : public QAccessibleWidget {
public:
    explicit ListeErisimi(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}
    QComboBox* Liste() const { return static_cast<QComboBox*>(widget()); }

    int childCount() const override { return Liste()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int i) const override {
        if (i == 0) return QAccessible::queryAccessibleInterface(Liste()->view());
        if (i == 1 && Liste()->isEditable()) return QAccessible::queryAccessibleInterface(Liste()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        if (!c) return -1;
        if (c->object() == Liste()->view()) return 0;
        if (Liste()->isEditable() && c->object() == Liste()->lineEdit()) return 1;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QLineEdit* e = Liste()->isEditable() ? Liste()->lineEdit() : nullptr;
        if (e && QRect(e->mapToGlobal(QPoint(0, 0)), e->size()).contains(x, y)) return child(1);
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        const QString deger = Liste()->isEditable() ? Liste()->lineEdit()->text() : Liste()->currentText();
        switch (t) {
        case QAccessible::Name: {
            const QString ad = Liste()->accessibleName();
            return ad.isEmpty() ? deger : ad;
        }
        case QAccessible::Value: return deger;
        case QAccessible::Accelerator: return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        default: return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& Ad) override {
        if (Ad != showMenuAction() && Ad != pressAction()) return QAccessibleWidget::doAction(Ad);
        if (Liste()->view()->isVisible()) Liste()->hidePopup();
        else Liste()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// A command button that stays down: "Press" and "Toggle" both click it
// (after the short press a screen reader's call must not wait for).
class KomutDugmesiErisimi : public QAccessibleWidget {
public:
    explicit KomutDugmesiErisimi(QAbstractButton* b) : QAccessibleWidget(b, QAccessible::Button) {}
    QAbstractButton* Dugme() const { return static_cast<QAbstractButton*>(widget()); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Dugme()->isChecked();
        s.pressed = Dugme()->isDown();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString ad = Dugme()->accessibleName();
            return ad.isEmpty() ? QString(Dugme()->text()).remove('&') : ad;
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        if (!Dugme()->isEnabled()) return QAccessibleWidget::actionNames();
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& Ad) override {
        if (Ad != pressAction() && Ad != toggleAction()) return QAccessibleWidget::doAction(Ad);
        if (Dugme()->isEnabled()) Dugme()->animateClick();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* Fabrika(const QString& Sinif, QObject* O) {
    (void)Sinif;
    if (!O || !O->isWidgetType()) return nullptr;
    if (auto* c = qobject_cast<QComboBox*>(O)) return new ListeErisimi(c);
    if (auto* b = qobject_cast<QAbstractButton*>(O); b && b->property(kKomutDugmesi).toBool())
        return new KomutDugmesiErisimi(b);
    return nullptr;
}

// Enter on a focused button presses it. Push buttons that take Enter
// themselves (a dialog's default and auto-default buttons) take its first
// press and lose its repeats; check boxes and radio buttons keep the key.
class EnterDugmeye : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* O, QEvent* E) override {
        if (E->type() != QEvent::KeyPress) return false;
        auto* k = static_cast<QKeyEvent*>(E);
        if ((k->key() != Qt::Key_Return && k->key() != Qt::Key_Enter) || (k->modifiers() & ~Qt::KeypadModifier))
            return false;
        auto* b = qobject_cast<QAbstractButton*>(O);
        // Only the focused button itself: a key its child passed on is not its own.
        if (!b || !b->hasFocus() || !b->isEnabled()) return false;
        // A held key presses once: its repeats are dropped, also on a
        // button that takes Enter itself (and would press again on each).
        if (auto* p = qobject_cast<QPushButton*>(b)) {
            if (p->autoDefault() || p->isDefault()) return k->isAutoRepeat();
        } else if (!qobject_cast<QToolButton*>(b)) {
            return false;
        }
        if (!k->isAutoRepeat()) b->click();
        return true;
    }
};

// The focus ring of a focused control, Iceride pixels inside its rectangle
// (a button's ring lies inside its frame, clear of its caption).
void OdakHalkasi(const QStyleOption* O, QPainter* P, int Iceride) {
    if (!O || !(O->state & QStyle::State_HasFocus)) return;
    const QRect r = O->rect.adjusted(Iceride, Iceride, -Iceride, -Iceride);
    const QColor c = O->palette.color(QPalette::Highlight);
    P->save();
    P->fillRect(QRect(r.left(), r.top(), r.width(), 2), c);
    P->fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), c);
    P->fillRect(QRect(r.left(), r.top(), 2, r.height()), c);
    P->fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), c);
    P->restore();
}

}  // namespace

void TOdakStili::drawControl(ControlElement E, const QStyleOption* O, QPainter* P, const QWidget* W) const {
    QProxyStyle::drawControl(E, O, P, W);
    if (E == CE_PushButton) OdakHalkasi(O, P, 2);
}

void TOdakStili::drawComplexControl(ComplexControl C, const QStyleOptionComplex* O, QPainter* P,
                                    const QWidget* W) const {
    QProxyStyle::drawComplexControl(C, O, P, W);
    if (C == CC_ToolButton || C == CC_ComboBox) OdakHalkasi(O, P, 2);
}

void TOdakStili::drawPrimitive(PrimitiveElement E, const QStyleOption* O, QPainter* P, const QWidget* W) const {
    // The current item of a focused list or grid: the ring on its edge.
    if (E == PE_FrameFocusRect && qobject_cast<const QAbstractItemView*>(W)) return OdakHalkasi(O, P, 0);
    QProxyStyle::drawPrimitive(E, O, P, W);
}

void ErisilebilirlikKur() {
    static bool kuruldu = false;
    if (kuruldu) return;
    kuruldu = true;
    QAccessible::installFactory(Fabrika);
    qApp->installEventFilter(new EnterDugmeye(qApp));
    if (!dynamic_cast<TOdakStili*>(QApplication::style()))
        QApplication::setStyle(new TOdakStili(QApplication::style()->name()));
}
