#include "input/SecimListesi.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

TSecimListesi::TSecimListesi(QWidget* Ust) : TAcilirListe(Ust) {
    connect(this, &QComboBox::activated, this, [this](int Sira) {
        if (kaynak_ == Kaynak::AcikListe || (kaynak_ == Kaynak::Tus && Sira != onceki_)) emit Secildi(Sira);
    });
}

// Qt closes the open list and then reports the item clicked or entered in
// it, within the same event; an activation after that event is no choice.
void TSecimListesi::hidePopup() {
    const bool acikti = view()->isVisible();
    TAcilirListe::hidePopup();
    if (!acikti) return;
    kaynak_ = Kaynak::AcikListe;
    QTimer::singleShot(0, this, [this] {
        if (kaynak_ == Kaynak::AcikListe) kaynak_ = Kaynak::Yok;
    });
}

void TSecimListesi::keyPressEvent(QKeyEvent* E) {
    const bool duz = !(E->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const QString yazi = E->text();
    if (!isEditable() && duz && !yazi.isEmpty() && yazi.at(0).isPrint() && !yazi.at(0).isSpace()) {
        const int n = count();
        int bulunan = -1;
        for (int k = 1; k <= n && bulunan < 0; ++k) {
            const int i = (currentIndex() + k) % n;
            if (itemText(i).startsWith(yazi, Qt::CaseInsensitive)) bulunan = i;
        }
        showPopup();
        if (bulunan >= 0) view()->setCurrentIndex(model()->index(bulunan, modelColumn(), rootModelIndex()));
        E->accept();
        return;
    }
    switch (E->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down: break;
    default: TAcilirListe::keyPressEvent(E); return;
    }
    onceki_ = currentIndex();
    kaynak_ = Kaynak::Tus;
    TAcilirListe::keyPressEvent(E);
    if (kaynak_ == Kaynak::Tus) kaynak_ = Kaynak::Yok;
}

void TSecimListesi::wheelEvent(QWheelEvent* E) { E->ignore(); }
