#pragma once
// The cross-section editor: per section number a section type, its eleven
// properties and four dimensions in the project table KesitBilgileri. The
// types offered follow the system type; each type sets its captions, hints,
// visible dimensions, lower bounds and picture. "Hesapla" computes the
// properties of the geometric shapes and of the rolled profiles chosen from
// the profile list.
#include "input/KayitEditoru.h"

class QComboBox;
class QListWidget;

class TiNputKesitBilgileri : public TKayitEditoru {
    Q_OBJECT
public:
    explicit TiNputKesitBilgileri(QWidget* Ust);

    QComboBox* ComboBox1 = nullptr;   // "Kesit:" (section type)
    QLabel* Image1 = nullptr;         // picture of the type
    QLabel* Label3 = nullptr;         // "x, y, z: yerel eksenler."
    QPushButton* BitBtn4 = nullptr;   // "Hesapla"
    QListWidget* ListBox1 = nullptr;  // profile list

    void TipSecildi();                   // a type chosen in the list
    void Hesapla();                      // "Hesapla"
    void ProfilListesiniAc();            // double click into "h(m):"
    void ProfilSecildi(const QString& Ad);  // double click on a profile

protected:
    void KurulumOncesi() override;
    void Gosterildi(bool Bulundu) override;
    void EkTemizle() override;
    bool KaydetOncesi() override;
    void Denetle(const std::string& Anahtar, bool Turet) override;
    void AlanlariYaz(Tablo& T) override;
    void Kaydedildi() override;
    std::string SilmeSorusuMetni(const std::string& Anahtar) override;
    bool eventFilter(QObject* O, QEvent* E) override;

private:
    std::string TipMetni() const;
    void TipDuzeniniUygula();
    void TipResminiGoster();
    void BoyutlariGizle();
};
