#pragma once
// The material editor: per material number a name and the constants E, Nu,
// Ro and Alfa in the project table MalzemeBilgileri. Choosing a material
// from the list fills the constants with its preset; typing a name, showing
// a stored row or leaving the name does not.
#include "input/KayitEditoru.h"

class QComboBox;

class TiNputMalzemeBilgileri : public TKayitEditoru {
    Q_OBJECT
public:
    explicit TiNputMalzemeBilgileri(QWidget* Ust);

    QComboBox* ComboBox1 = nullptr;  // "Malzeme:", editable

    // The preset of a name chosen from the list.
    void MalzemeSecildi(const QString& Ad);

protected:
    void Gosterildi(bool Bulundu) override;
    void EkTemizle() override;
    void Denetle(const std::string& Anahtar, bool Turet) override;
    void AlanlariYaz(Tablo& T) override;
    void Kaydedildi() override;
    std::string SilmeSorusuMetni(const std::string& Anahtar) override;

private:
    void AdiGoster(const QString& Ad);
};
