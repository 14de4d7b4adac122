#include "input/UiNputMalzemeBilgileri.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "input/EditorKurallari.h"
#include "input/MalzemeOnAyarlari.h"
#include "input/SecimListesi.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

KayitEditoruAyarlari MalzemeAyarlari() {
    KayitEditoruAyarlari a;
    a.Baslik = "Malzeme bilgileri";
    a.Tag = 2;
    a.ProjeTablosu = &Tablolar.MalzemeBilgileri;
    a.AnahtarAlani = "MalzemeNo";
    a.AnahtarEtiketi = "Malzeme no:";
    a.AnahtarIpucu = "Malzeme numarasını ver. Farklı her malzemenin farklı numarası olmalıdır";
    a.SolKaydirma = 200;
    a.VarsayilanAnahtar = [] { return std::to_string(Tablolar.MalzemeBilgileri.RecordCount() + 1); };
    a.EksenResmi = false;
    a.SildiktenSonraBosalt = true;
    return a;
}

}  // namespace

TiNputMalzemeBilgileri::TiNputMalzemeBilgileri(QWidget* Ust) : TKayitEditoru(MalzemeAyarlari(), Ust) {
    setObjectName("iNputMalzemeBilgileri");
    auto* liste = new TSecimListesi(this);
    ComboBox1 = liste;
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setToolTip("Malzeme tipini seç");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMaxVisibleItems(static_cast<int>(MalzemeListesi.size()));
    for (const std::string& m : MalzemeListesi) ComboBox1->addItem(QString::fromStdString(m));
    ComboBox1->setMinimumWidth(170);
    AlanEkle(ComboBox1, "Malzeme:");
    DegerEkle(1, "E", "E(kN/m²)", "Elastisite modülünü ver");
    DegerEkle(2, "Nu", "Nu:", "Poisson oranını ver");
    DegerEkle(3, "Ro", "Ro(t/m³)", "Malzeme yoğunluğunu ver");
    DegerEkle(4, "Alfa", "Alfa(1/°C)", "Genleşme katsayısını ver");
    // only a choice from the list applies a preset: never typing, showing a
    // stored row or leaving the name
    connect(liste, &TSecimListesi::Secildi, this, [this](int Sira) { MalzemeSecildi(ComboBox1->itemText(Sira)); });
    Bitir();
    BitBtn1->setToolTip("Bu verileri kadetme, pencereyi kapat");
}

void TiNputMalzemeBilgileri::MalzemeSecildi(const QString& Ad) {
    const OnAyar o = MalzemeOnAyari(Ad.toStdString());
    switch (o.Sonuc) {
    case OnAyarSonucu::Uygula: {
        const std::string* s[4] = {&o.Sabitler.E, &o.Sabitler.Nu, &o.Sabitler.Ro, &o.Sabitler.Alfa};
        for (int i = 0; i < 4; ++i) Deger(i + 1)->setText(QString::fromStdString(*s[i]));
        break;
    }
    case OnAyarSonucu::Temizle: AlanlariTemizle(); break;
    case OnAyarSonucu::Hata: MesajKutusu(o.Mesaj, "UYARI:", "TamamUyarı1"); break;
    case OnAyarSonucu::Yok: break;
    }
}

// The name shown, with its item current when the list holds it (so the
// open list starts there, and leaving the name finds nothing to change).
void TiNputMalzemeBilgileri::AdiGoster(const QString& Ad) {
    ComboBox1->setCurrentIndex(ComboBox1->findText(Ad));
    ComboBox1->setEditText(Ad);
}

void TiNputMalzemeBilgileri::EkTemizle() { AdiGoster("Diğer"); }

void TiNputMalzemeBilgileri::Gosterildi(bool Bulundu) {
    if (Bulundu) AdiGoster(QString::fromStdString(Tablolar.MalzemeBilgileri.FieldByName("Malzeme").AsString()));
}

void TiNputMalzemeBilgileri::Denetle(const std::string& Anahtar, bool Turet) {
    (void)Turet;
    const auto m = [this](int i) { return Deger(i)->text().toStdString(); };
    const std::string mesaj = MalzemeDenetle(Anahtar, ComboBox1->currentText().toStdString(), {m(1), m(2), m(3), m(4)});
    if (!mesaj.empty()) Hatali(mesaj);
}

void TiNputMalzemeBilgileri::AlanlariYaz(Tablo& T) {
    T.FieldByName("Malzeme").SetString(ComboBox1->currentText().toStdString());
}

void TiNputMalzemeBilgileri::Kaydedildi() {
    const int n = EnKucukBosNumara(Tablolar.MalzemeBilgileri, "MalzemeNo");
    Edit0->setText(n > 0 ? QString::number(n) : QString());
}

std::string TiNputMalzemeBilgileri::SilmeSorusuMetni(const std::string& Anahtar) {
    int no = 0;
    TamSayiMi(Anahtar, -32768, 32767, no);
    return SilmeSorusu(true, Anahtar, KullananElemanSayisi("MalzemeNo", no));
}
