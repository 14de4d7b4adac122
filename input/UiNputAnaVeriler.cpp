#include "input/UiNputAnaVeriler.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "input/AcilirListe.h"
#include "input/EditorKurallari.h"
#include "model/LibU.h"
#include "model/ModelOku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Resimler.h"

namespace {

KayitEditoruAyarlari AnaVeriAyarlari() {
    KayitEditoruAyarlari a;
    a.Baslik = "Ana veriler";
    a.Tag = 1;
    a.ProjeTablosu = &Tablolar.AnaVeriler;
    a.AnahtarEditi = false;
    a.SolKaydirma = 200;
    // the saved row sets the system globals and the counts of the type
    a.Okuyucu = [] { SistemTipiniOku(); };
    a.VarsayilanAnahtar = [] { return std::string("1"); };
    a.EksenResmiAdi = "Image2";
    return a;
}

// The number before ":" of a list item (0 when there is none).
int Numarasi(const QComboBox* c) {
    return c->currentIndex() < 0 ? 0 : ListeKodu(c->currentText().toStdString(), 99);
}

}  // namespace

TiNputAnaVeriler::TiNputAnaVeriler(QWidget* Ust) : TKayitEditoru(AnaVeriAyarlari(), Ust) {
    setObjectName("iNputAnaVeriler");
    auto* sistemListesi = new TAcilirListe(this);
    ComboBox1 = sistemListesi;
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setToolTip("Sistem tipini seç");
    for (std::size_t i = 1; i < SistemTipleri.size(); ++i) ComboBox1->addItem(QString::fromStdString(SistemTipleri[i]));
    AlanEkle(ComboBox1, "Sistem:");
    DegerEkle(1, "ProbleminTanimi", "Açıklama:", "Çözülecek sistem hakkında kısa açıklama yaz", "");
    Deger(1)->setMinimumWidth(260);
    auto* eksenListesi = new TAcilirListe(this);
    ComboBox2 = eksenListesi;
    ComboBox2->setObjectName("ComboBox2");
    ComboBox2->setToolTip("Genel koordinat sistemini seç");
    for (std::size_t i = 1; i < KoordinatSistemleri.size(); ++i)
        ComboBox2->addItem(QString::fromStdString(KoordinatSistemleri[i]));
    AlanEkle(ComboBox2, "Koordinat sistemi:");

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setToolTip("Bilgileri tanımlanacak sistem tipi");
    Image1->setFixedSize(160, 120);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->hide();
    SagSutun()->insertWidget(0, Image1, 0, Qt::AlignTop | Qt::AlignHCenter);
    Image2 = EksenResmi;
    Image2->setToolTip("Seçilen koordinat sistemi");
    Image2->setFixedSize(65, 65);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TiNputAnaVeriler::ResimleriGoster);
    connect(ComboBox1, &QComboBox::activated, this, [this] { SistemSecildi(); });
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, &TiNputAnaVeriler::ResimleriGoster);
    // A list closed without a choice: the chosen items' pictures again, in
    // place of the one the preview showed while it was open.
    for (TAcilirListe* l : {sistemListesi, eksenListesi})
        connect(l, &TAcilirListe::Kapandi, this, &TiNputAnaVeriler::ResimleriGoster);
    Bitir();
    BitBtn1->setToolTip("Bu verileri kadetme, pencereyi kapat");
}

// The pictures of the system and the axis set chosen in the lists.
void TiNputAnaVeriler::ResimleriGoster() {
    const std::pair<QComboBox*, QLabel*> ciftler[] = {{ComboBox1, Image1}, {ComboBox2, Image2}};
    for (const auto& [liste, resim] : ciftler) {
        const int n = Numarasi(liste);
        if (n > 0)
            ResmiGoster(resim, (liste == ComboBox1 ? "Sistem" : "Eksen") + std::to_string(n));
        else
            resim->hide();
    }
}

// The one row of the table, whatever the key.
bool TiNputAnaVeriler::KayitBul(const std::string& Anahtar) {
    (void)Anahtar;
    Tablo& t = Tablolar.AnaVeriler;
    if (!t.Active() || t.RecordCount() == 0) return false;
    t.First();
    return true;
}

void TiNputAnaVeriler::EkTemizle() { ComboBox2->setCurrentIndex(0); }

// The description (set by the base) and the axis set are loaded before the
// system is looked up, so an unknown system never leaves the texts of an
// earlier project on screen.
void TiNputAnaVeriler::Gosterildi(bool Bulundu) {
    Tablo& t = Tablolar.AnaVeriler;
    SistemAdi = Bulundu ? t.FieldByName("Sistem").AsString() : std::string();
    if (Bulundu) {
        int n = 0;
        ComboBox2->setCurrentIndex(
            TamSayiMi(t.FieldByName("KoordinatSistemiNo").AsString(), 1, ComboBox2->count(), n) ? n - 1 : -1);
    }
    const int i = ComboBox1->findText(QString::fromStdString(SistemAdi));
    ComboBox1->setCurrentIndex(i);
    ResimleriGoster();
    if (i < 0) {
        MesajKutusu("Sistem seçilmemiş. Önce bir Sistem seçiniz", "UYARI:", "TamamUyarı1");
        return;
    }
    SistemTipi = Numarasi(ComboBox1);
    if (ComboBox2->currentIndex() >= 0) GenelKoordinatSistemiNo = Numarasi(ComboBox2);
}

// A system chosen in the list stands unless the project holds data of
// another system type.
void TiNputAnaVeriler::SistemSecildi() {
    std::string mesaj;
    if (SistemDegisebilirMi(ComboBox1->currentText().toStdString(), SistemAdi, mesaj)) return;
    QApplication::beep();
    MesajKutusu(mesaj, "UYARI:", "TamamUyarı1");
    ComboBox1->setCurrentIndex(ComboBox1->findText(QString::fromStdString(SistemAdi)));
}

bool TiNputAnaVeriler::KaydetOncesi() {
    if (ComboBox1->currentIndex() >= 0) return true;
    QApplication::beep();
    MesajKutusu("Sistem hatalı", "UYARI:", "TamamUyarı1");
    return false;
}

void TiNputAnaVeriler::Denetle(const std::string& Anahtar, bool Turet) {
    (void)Anahtar;
    (void)Turet;
    if (Numarasi(ComboBox2) == 0) Hatali("Koordinat sistemi hatalı");
    const int tip = Numarasi(ComboBox1);
    if (tip % 10 != 0 || tip < DuzlemKafesSistemi || tip > PlakSistemi) Hatali("Sistem tanımsız. Sistem seçiniz");
}

void TiNputAnaVeriler::AlanlariYaz(Tablo& T) {
    T.FieldByName("Sistem").SetString(ComboBox1->currentText().toStdString());
    T.FieldByName("KoordinatSistemiNo").SetInteger(Numarasi(ComboBox2));
}

void TiNputAnaVeriler::Kaydedildi() { accept(); }
