// The main window's side of the settings file: the recent-project items of
// the "Dosya" menu and the calculation-mode items of the "Ayarlar" menu.
#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPushButton>

#include "model/LibU.h"
#include "model/Tipler.h"
#include "shell/AyarDosyasi.h"
#include "shell/UOrvelta.h"

namespace {

// The settings as the window holds them now, with SonProje as the last
// project.
TAyarDegerleri PenceredekiAyarlar(const TfOrvelta& w, const std::string& SonProje) {
    TAyarDegerleri d;
    d.SonVeriTabani = SonProje;
    d.FormOlcegi = FormOlcegi;
    for (int i = 0; i < 5; ++i) d.SonDosyalar[i] = w.SonDosyaYolu(i + 1);
    d.YerDegistirmesiz = w.YerDegistirmesiz->isChecked();
    d.YerDegistirmeli = w.YerDegistirmeli->isChecked();
    d.SonucBolumSecimleri = Ayarlar.SonucBolumSecimleri;
    return d;
}

}  // namespace

void TfOrvelta::AyarlariOku() {
    TAyarDegerleri d = PenceredekiAyarlar(*this, SonVeriTabani);

    AyarDosyasiniOku(AyarDosyasi(), d);

    SonVeriTabani = d.SonVeriTabani;
    Ayarlar.VeriTabaniAdi = d.SonVeriTabani;
    FormOlcegi = d.FormOlcegi;
    for (int i = 0; i < 5; ++i) {
        QAction* a = VeriTabaniAc[i + 1];
        SonDosyaYoluAyarla(i + 1, d.SonDosyalar[i]);
        a->setChecked(!d.SonDosyalar[i].empty() && d.SonDosyalar[i] == SonVeriTabani);
    }
    // Two radio items: the second one read wins, as when the menu is set item
    // by item.
    if (d.YerDegistirmeli) YerDegistirmeli->setChecked(true);
    else if (d.YerDegistirmesiz) YerDegistirmesiz->setChecked(true);
    Ayarlar.SonucBolumSecimleri = d.SonucBolumSecimleri;
}

void TfOrvelta::AyarlariYaz() {
    const TAyarDegerleri d = PenceredekiAyarlar(*this, Ayarlar.VeriTabaniAdi);
    std::string hata;
    if (!AyarDosyasiniYaz(AyarDosyasi(), d, hata)) MesajKutusu(hata, "HATA:", "TamamHata1");
}

void TfOrvelta::SonDosyalarMenusunuGuncelle() {
    std::array<std::string, 5> liste;
    for (int i = 0; i < 5; ++i) liste[i] = SonDosyaYolu(i + 1);
    const int secili = SonDosyalariDuzenle(liste, AcikVeriTabani, DosyaVarMi);
    for (int i = 0; i < 5; ++i) SonDosyaYoluAyarla(i + 1, liste[i]);
    if (secili >= 0) {
        VeriTabaniAc[secili + 1]->setChecked(true);
    } else if (QAction* a = SonDosyaGrubu->checkedAction()) {
        // No project is open: no item is marked.
        SonDosyaGrubu->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        a->setChecked(false);
        SonDosyaGrubu->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    }
}

std::string TfOrvelta::SonDosyaYolu(int i) const {
    return VeriTabaniAc[i]->data().toString().toStdString();
}

void TfOrvelta::SonDosyaYoluAyarla(int i, const std::string& Yol) {
    QAction* a = VeriTabaniAc[i];
    const QString yol = QString::fromStdString(Yol);
    a->setData(yol);
    // "&&" shows one "&"; a single one would underline the next letter.
    a->setText(QString(yol).replace('&', "&&"));
    a->setVisible(!Yol.empty());  // an empty item is not shown
}

namespace {

// A caption as shown: "&&" is one "&", a single "&" only marks the
// accelerator; letter case does not count.
QString GorunenBaslik(const QString& s) {
    QString g;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] == '&') {
            if (i + 1 < s.size() && s[i + 1] == '&') g += '&', ++i;
            continue;
        }
        g += s[i];
    }
    return g.toCaseFolded();
}

}  // namespace

QAction* TfOrvelta::MenuOgesiBul(QMenu* M, const QString& Baslik) {
    if (!M) return nullptr;
    const QString aranan = Baslik.toCaseFolded();
    for (QAction* a : M->actions())
        if (!a->isSeparator() && GorunenBaslik(a->text()) == aranan) return a;
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
