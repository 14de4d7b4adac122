#pragma once
// The element-node editor: an element number (or a generation key), its
// element type from the types of the project's system and its two, three or
// four nodes, in the project table ElemanNoktaBagi. The picture of the
// chosen type stands beside the fields.
#include "input/ElemanNoktaKurallari.h"
#include "input/KayitEditoru.h"

class QLabel;
class TAcilirListe;

class TiNputElemanNoktaBagi : public TKayitEditoru {
    Q_OBJECT
public:
    explicit TiNputElemanNoktaBagi(QWidget* Ust);

    TAcilirListe* ComboBox1 = nullptr;  // "Eleman tipi:"
    QLabel* Image1 = nullptr;           // picture of the chosen type

    // The chosen type: its code, node count, the node edits it uses and its
    // picture.
    void ComboBox1Change();

protected:
    void KurulumOncesi() override;
    void Gosterildi(bool Bulundu) override;
    void Denetle(const std::string& Anahtar, bool Turet) override;
    void AlanlariYaz(Tablo& T) override;

private:
    std::vector<std::string> tipler_;
    ElemanNoktaKaydi kayit_;
};
