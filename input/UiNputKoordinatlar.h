#pragma once
// The coordinate editor: one node number (or a generation key) with its
// three coordinates in metres, in the project table Koordinatlar.
#include "input/KayitEditoru.h"

class TiNputKoordinatlar : public TKayitEditoru {
    Q_OBJECT
public:
    explicit TiNputKoordinatlar(QWidget* Ust);

protected:
    void Denetle(const std::string& Anahtar, bool Turet) override;
};
