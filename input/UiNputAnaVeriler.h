#pragma once
// The main-data editor: the one row of AnaVeriler with the system type, a
// short description and the axis set of the screen, their pictures, and the
// guard that keeps the system type while the project holds data. "Kaydet"
// writes the row and closes the window.
#include "input/KayitEditoru.h"

class QComboBox;

class TiNputAnaVeriler : public TKayitEditoru {
    Q_OBJECT
public:
    explicit TiNputAnaVeriler(QWidget* Ust);

    QComboBox* ComboBox1 = nullptr;  // "Sistem:"
    QComboBox* ComboBox2 = nullptr;  // "Koordinat sistemi:"
    QLabel* Image1 = nullptr;        // picture of the system type
    QLabel* Image2 = nullptr;        // picture of the axis set (the base's axis picture)

protected:
    bool KayitBul(const std::string& Anahtar) override;
    void Gosterildi(bool Bulundu) override;
    void EkTemizle() override;
    bool KaydetOncesi() override;
    void Denetle(const std::string& Anahtar, bool Turet) override;
    void AlanlariYaz(Tablo& T) override;
    void Kaydedildi() override;

private:
    void SistemSecildi();
    void ResimleriGoster();
};
