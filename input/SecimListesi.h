#pragma once
// A drop-down list that tells when the user chose an item (Secildi): a click
// or Enter in its own open list, or a key on the closed list that moves to
// another item (Page Up/Down, Home, End). Nothing else counts: the program
// setting the item or the edit text, the focus leaving an editable list (Qt
// then makes the item that matches the typed text current and reports it as
// activated), Enter on the edit text. So a shown row's values are never
// replaced by what a choice would put in.
// A typed letter on a closed list that is not editable opens the list and
// moves within it there; the item changes only when it is chosen. The wheel
// over a closed list leaves the item as it is and scrolls what holds it.
#include "input/AcilirListe.h"

class TSecimListesi : public TAcilirListe {
    Q_OBJECT
public:
    explicit TSecimListesi(QWidget* Ust = nullptr);

    void hidePopup() override;

signals:
    void Secildi(int Sira);

protected:
    void keyPressEvent(QKeyEvent* E) override;
    void wheelEvent(QWheelEvent* E) override;

private:
    enum class Kaynak { Yok, AcikListe, Tus };
    Kaynak kaynak_ = Kaynak::Yok;
    int onceki_ = -1;  // the item before a key moved it
};
