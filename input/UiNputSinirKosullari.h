#pragma once
// The support-condition editor: for one node (or every node of a generation
// key) and each of its six degrees of freedom a radio group "Serbest" /
// "Yer değiştirme" and a value edit ("Serbest", "0" or an imposed value), in
// the project table SinirKosullari.
#include "input/KayitEditoru.h"

class QButtonGroup;
class QGroupBox;

class TiNputSinirKosullari : public TKayitEditoru {
    Q_OBJECT
public:
    explicit TiNputSinirKosullari(QWidget* Ust);

    QGroupBox* RadioGroup[6] = {};  // RadioGroup1 .. RadioGroup6
    // The item of degree of freedom k (0..5): 0 "Serbest", 1 "Yer değiştirme".
    int Secim(int k) const;
    // Selects an item as a click does (the value edit follows).
    void Sec(int k, int Secim);

protected:
    bool KaydetOncesi() override;
    void Denetle(const std::string& Anahtar, bool Turet) override;
    std::string YazmadanOnce(const std::string& Anahtar, const std::string& Yerine) override;
    void EkTemizle() override;
    void Gosterildi(bool Bulundu) override;

private:
    QButtonGroup* secenekler_[6] = {};
};
