#pragma once
// The nodal-load editor: the six concentrated forces and moments of one node
// (or of every node of a generation key), in the project table Yukler.
#include "input/KayitEditoru.h"

class TiNputYukler : public TKayitEditoru {
    Q_OBJECT
public:
    explicit TiNputYukler(QWidget* Ust);

protected:
    void Denetle(const std::string& Anahtar, bool Turet) override;
    std::string YazmadanOnce(const std::string& Anahtar, const std::string& Yerine) override;
};
