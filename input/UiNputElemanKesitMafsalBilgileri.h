#pragma once
// The element-material-section-hinge editor: for one element, or a range of
// elements given by a generation key, the material number, the section
// number and the hinge code, in the project table
// ElemanMalzemeKesitMafsalbagi. The numbers are picked from lists that show
// each material's and section's details while they are open; the hinge code
// is put together with check boxes (plane frames only).
#include <array>

#include "input/ElemanMalzemeKurallari.h"
#include "input/KayitEditoru.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class TAcilirListe;

class TiNputElemanKesitMafsalBilgileri : public TKayitEditoru {
    Q_OBJECT
public:
    explicit TiNputElemanKesitMafsalBilgileri(QWidget* Ust);

    TAcilirListe* ComboBox1 = nullptr;  // materials
    TAcilirListe* ComboBox2 = nullptr;  // sections
    QGroupBox* GroupBox1 = nullptr;     // "Mafsal tipleri"
    std::array<QCheckBox*, 7> CheckBox{};
    QWidget* Panel1 = nullptr;          // details of the item under the open list
    QLabel* Image2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

protected:
    void KurulumOncesi() override;
    void KurulumSonrasi() override;
    void EkTemizle() override;
    void Gosterildi(bool Bulundu) override;
    void Denetle(const std::string& Anahtar, bool Turet) override;
    void AlanlariYaz(Tablo& T) override;
    void Kaydedildi() override;
    void Silindi() override;

private:
    TAcilirListe* ListeEkle(int No, const std::string& Alan, const QString& Etiket, const QString& Ipucu,
                            const QString& ListeIpucu, const QString& ListeAdi);
    void AyrintiGoster(TAcilirListe* Liste, int Sira);
    void ListeyiEsle(TAcilirListe* Liste, int No);
    void MafsalTiklandi(int Kutu, bool Isaretli);
    void KutulariAyarla(const MafsalKutulari& K);
    void MafsalGoster(const std::string& Kod);
    void OnDoldur(bool AnahtarDahil);

    std::vector<std::string> malzemeler_, kesitler_;
    OnDoluAlanlar onDolgu_;
    ElemanMalzemeKaydi kayit_;
};
