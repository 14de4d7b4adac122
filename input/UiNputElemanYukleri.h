#pragma once
// The element-load editor: the loads of one element (or of every element of
// a generation key), up to ten per element, each with its load type, value,
// distances a and b and second value, in the project table ElemanYukleri.
// The key has two parts: the element (Edit0) and the load number
// (LabeledEdit1). The load types are those of the project's system type.
#include "input/KayitEditoru.h"

class QComboBox;

class TiNputElemanYukleri : public TKayitEditoru {
    Q_OBJECT
public:
    explicit TiNputElemanYukleri(QWidget* Ust);

    QLineEdit* LabeledEdit1 = nullptr;  // "Yük no:"
    QComboBox* ComboBox1 = nullptr;     // "Yük tipi:", with an icon per type
    QLabel* Image1 = nullptr;           // picture of the chosen load type
    QLabel* BitBtn4 = nullptr;          // note of the temperature loads

    // The layout of the chosen load type: captions, note, Yük1, picture.
    void ComboBox1Change();
    void BulVeGoster() override;

protected:
    void KurulumOncesi() override;
    bool KayitBul(const std::string& Anahtar) override;
    void AnahtarYaz(Tablo& T, const std::string& Anahtar) override;
    void AlanlariYaz(Tablo& T) override;
    void Gosterildi(bool Bulundu) override;
    void KayitAdimlandi() override;
    bool KaydetOncesi() override;
    void Denetle(const std::string& Anahtar, bool Turet) override;
    std::string YazmadanOnce(const std::string& Anahtar, const std::string& Yerine) override;
    void Kaydedildi() override;

private:
    int SeciliTip() const;
    void UniformKopya();
    void YukNoDegisti();

    bool bulundu_ = false;  // the last find showed a stored row
};
