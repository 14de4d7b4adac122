// The main window's side of the settings file: the recent-project items of
// the "Dosya" menu and the calculation-mode items of the "Ayarlar" menu.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPushButton>
#include <filesystem>

#include "model/LibU.h"
#include "model/Tipler.h"
#include "shell/AyarDosyasi.h"
#include "shell/UOrvelta.h"

namespace {

bool DosyaVar(const std::string& yol) {
    std::error_code ec;
    return !yol.empty() && std::filesystem::is_regular_file(yol, ec);
}

}  // namespace

void TfOrvelta::AyarlariOku() {
    TAyarDegerleri d;
    d.SonVeriTabani = SonVeriTabani;
    d.FormOlcegi = FormOlcegi;
    for (int i = 0; i < 5; ++i) d.SonDosyalar[i] = VeriTabaniAc[i + 1]->text().toStdString();
    d.YerDegistirmesiz = YerDegistirmesiz->isChecked();
    d.YerDegistirmeli = YerDegistirmeli->isChecked();
    d.SonucBolumSecimleri = Ayarlar.SonucBolumSecimleri;

    AyarDosyasiniOku(AyarDosyasi(), d);

    SonVeriTabani = d.SonVeriTabani;
    Ayarlar.VeriTabaniAdi = d.SonVeriTabani;
    FormOlcegi = d.FormOlcegi;
    for (int i = 0; i < 5; ++i) {
        QAction* a = VeriTabaniAc[i + 1];
        a->setText(QString::fromStdString(d.SonDosyalar[i]));
        a->setVisible(!d.SonDosyalar[i].empty());
        a->setChecked(!d.SonDosyalar[i].empty() && d.SonDosyalar[i] == SonVeriTabani);
    }
    // Two radio items: the second one read wins, as when the menu is set item
    // by item.
    if (d.YerDegistirmeli) YerDegistirmeli->setChecked(true);
    else if (d.YerDegistirmesiz) YerDegistirmesiz->setChecked(true);
    Ayarlar.SonucBolumSecimleri = d.SonucBolumSecimleri;
}

void TfOrvelta::AyarlariYaz() {
    TAyarDegerleri d;
    d.SonVeriTabani = Ayarlar.VeriTabaniAdi;
    d.FormOlcegi = FormOlcegi;
    for (int i = 0; i < 5; ++i) d.SonDosyalar[i] = VeriTabaniAc[i + 1]->text().toStdString();
    d.YerDegistirmesiz = YerDegistirmesiz->isChecked();
    d.YerDegistirmeli = YerDegistirmeli->isChecked();
    d.SonucBolumSecimleri = Ayarlar.SonucBolumSecimleri;
    std::string hata;
    if (!AyarDosyasiniYaz(AyarDosyasi(), d, hata)) MesajKutusu(hata, "HATA:", "TamamHata1");
}

void TfOrvelta::SonDosyalarMenusunuGuncelle() {
    std::array<std::string, 5> liste;
    for (int i = 0; i < 5; ++i) liste[i] = VeriTabaniAc[i + 1]->text().toStdString();
    const int secili = SonDosyalariDuzenle(liste, AcikVeriTabani, DosyaVar);
    for (int i = 0; i < 5; ++i) {
        QAction* a = VeriTabaniAc[i + 1];
        a->setText(QString::fromStdString(liste[i]));
        a->setVisible(!liste[i].empty());
    }
    if (secili >= 0) {
        VeriTabaniAc[secili + 1]->setChecked(true);
    } else if (QAction* a = SonDosyaGrubu->checkedAction()) {
        // No project is open: no item is marked.
        SonDosyaGrubu->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        a->setChecked(false);
        SonDosyaGrubu->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    }
}

QAction* TfOrvelta::MenuOgesiBul(QMenu* M, const QString& Baslik) {
    if (!M) return nullptr;
    auto temiz = [](QString s) { return s.remove('&'); };
    for (QAction* a : M->actions())
        if (!a->isSeparator() && temiz(a->text()) == temiz(Baslik)) return a;
    for (QAction* a : M->actions())
        if (QAction* b = MenuOgesiBul(a->menu(), Baslik)) return b;
    return nullptr;
}

void TfOrvelta::YerDegistirmesizClick() {
    if (YerDegistirmeli->isChecked()) {
        Ayarlar.SonucBolumSecimleri[11] = true;
        BitBtn9->setText("Hesapla\n(Yer değiştirmeli)");
    } else {
        YerDegistirmesiz->setChecked(true);
        Ayarlar.SonucBolumSecimleri[11] = false;
        BitBtn9->setText("Hesapla\n(Yer değiştirmesiz)");
    }
    KullaniciArayuzu::YerDegistirmeliHesapAyarla(YerDegistirmeli->isChecked());
    const QString ipucu = BitBtn9->text().contains("Yer değiştirmesiz")
                              ? "Eleman kuvvetlerini hesapla. Yer değiştirmeleri hesaplanma. Sonuçları göster"
                              : "Eleman kuvvetlerini ve yer değiştirmeleri hesapla. Sonuçları göster";
    BitBtn9->setToolTip(ipucu);
    BitBtn9->setStatusTip(ipucu);
}
