#include "platform/EkranaSigdir.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <algorithm>

QRect AlanaSigdir(QRect Cerceve, const QRect& Alan) {
    if (Alan.isEmpty()) return Cerceve;
    Cerceve.setSize(Cerceve.size().boundedTo(Alan.size()));
    Cerceve.moveLeft(std::clamp(Cerceve.left(), Alan.left(), Alan.right() + 1 - Cerceve.width()));
    Cerceve.moveTop(std::clamp(Cerceve.top(), Alan.top(), Alan.bottom() + 1 - Cerceve.height()));
    return Cerceve;
}

TKaydirmaAlani::TKaydirmaAlani(QWidget* Ust) : QScrollArea(Ust) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    viewport()->setAutoFillBackground(false);
    // Only its controls take the focus: the area itself, which shows
    // nothing of its own, is no stop of Tab or Enter.
    setFocusPolicy(Qt::NoFocus);
    // A control the focus moves to (Tab, Enter) is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* Yeni) {
        if (Yeni && widget() && widget()->isAncestorOf(Yeni)) ensureWidgetVisible(Yeni);
    });
}

QSize TKaydirmaAlani::sizeHint() const {
    if (!widget()) return QScrollArea::sizeHint();
    const int f = 2 * frameWidth();
    return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(f, f);
}

// A content whose height follows its width (wrapped captions) asks for that
// height, as it would without the area.
bool TKaydirmaAlani::hasHeightForWidth() const { return widget() && widget()->hasHeightForWidth(); }

int TKaydirmaAlani::heightForWidth(int W) const {
    const int f = 2 * frameWidth();
    if (!hasHeightForWidth()) return QScrollArea::heightForWidth(W);
    return std::max(widget()->heightForWidth(W - f), widget()->minimumSizeHint().height()) + f;
}

// A change of the content's size tells the window's layout, which asks the
// area for its size again.
bool TKaydirmaAlani::viewportEvent(QEvent* E) {
    if (E->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::viewportEvent(E);
}

// Before the window is first sized: the controls moved into the content
// after it was put in the area were hidden by the move; those nobody hid
// count again in its layout, as they would in the window's own.
bool TKaydirmaAlani::event(QEvent* E) {
    if (E->type() == QEvent::Polish && widget()) {
        for (QWidget* c : widget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (c->isHidden() && !c->testAttribute(Qt::WA_WState_ExplicitShowHide))
                c->setAttribute(Qt::WA_WState_Hidden, false);
        if (widget()->layout()) widget()->layout()->invalidate();
        updateGeometry();
    }
    return QScrollArea::event(E);
}

QSize TKaydirmaAlani::minimumSizeHint() const {
    const int f = 2 * frameWidth();
    if (widget()) return widget()->minimumSizeHint() + QSize(f, f);
    const int s = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return QSize(4 * s, 4 * s);
}

namespace {

class EkranBekcisi : public QObject {
public:
    EkranBekcisi(QWidget* Pencere, bool Buyu) : QObject(Pencere), pencere_(Pencere), buyu_(Buyu) {
        Pencere->installEventFilter(this);
    }

    bool eventFilter(QObject* O, QEvent* E) override {
        if (O != pencere_) return false;
        switch (E->type()) {
        case QEvent::Show:
            Sigdir();  // before the window comes on screen
            Sonra();   // and once its layout has settled
            break;
        case QEvent::LayoutRequest:
        case QEvent::Resize: Sonra(); break;
        default: break;
        }
        return false;
    }

private:
    void Sonra() {
        if (bekliyor_) return;
        bekliyor_ = true;
        QTimer::singleShot(0, this, [this] {
            bekliyor_ = false;
            Sigdir();
        });
    }
    void Sigdir() {
        QWidget* w = pencere_;
        if (!w->isWindow() || w->isMaximized() || w->isFullScreen() || !w->screen()) return;
        const QRect alan = w->screen()->availableGeometry();
        const QRect cerceve = w->frameGeometry();
        const QMargins kenar(w->geometry().left() - cerceve.left(), w->geometry().top() - cerceve.top(),
                             cerceve.right() - w->geometry().right(), cerceve.bottom() - w->geometry().bottom());
        QSize boyut = w->size();
        if (buyu_) {
            boyut = boyut.expandedTo(w->minimumSizeHint());
            if (w->hasHeightForWidth()) boyut.setHeight(std::max(boyut.height(), w->heightForWidth(boyut.width())));
        }
        const QRect r = AlanaSigdir(QRect(cerceve.topLeft(), boyut.grownBy(kenar)), alan);
        const QSize yeni = r.size().shrunkBy(kenar).expandedTo(w->minimumSize());
        if (yeni != w->size()) w->resize(yeni);
        if (r.topLeft() != w->frameGeometry().topLeft()) w->move(r.topLeft());
    }

    QWidget* pencere_;
    bool buyu_;
    bool bekliyor_ = false;
};

}  // namespace

void EkrandaTut(QWidget* Pencere, bool IcerigeGoreBuyu) {
    if (!Pencere || Pencere->property("EkrandaTutuluyor").toBool()) return;
    Pencere->setProperty("EkrandaTutuluyor", true);
    new EkranBekcisi(Pencere, IcerigeGoreBuyu);
}
