#include "input/UiNputKesitBilgileri.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "input/AcilirListe.h"
#include "input/EditorKurallari.h"
#include "input/KesitOzellikleri.h"
#include "input/KesitTipiDuzeni.h"
#include "input/SecimListesi.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Resimler.h"

namespace {

KayitEditoruAyarlari KesitAyarlari() {
    KayitEditoruAyarlari a;
    a.Baslik = "Kesit bilgileri";
    a.Tag = 3;
    a.ProjeTablosu = &Tablolar.KesitBilgileri;
    a.AnahtarAlani = "KesitNo";
    a.AnahtarEtiketi = "Kesit no:";
    a.AnahtarIpucu = "Kesit numarasını ver. Farklı her kesitin farklı numarası olmalıdır";
    a.SolKaydirma = 200;
    a.VarsayilanAnahtar = [] { return std::to_string(Tablolar.KesitBilgileri.RecordCount() + 1); };
    a.EksenResmi = false;
    a.SildiktenSonraBosalt = true;
    return a;
}

constexpr int IlkBoyut = 12;  // LabeledEdit12..15: bw, h, b, t
constexpr int YukseklikEditi = 13;

}  // namespace

TiNputKesitBilgileri::TiNputKesitBilgileri(QWidget* Ust) : TKayitEditoru(KesitAyarlari(), Ust) {
    setObjectName("iNputKesitBilgileri");
    // a type applies only when it is chosen; a typed letter moves within the open list
    auto* tipListesi = new TSecimListesi(this);
    ComboBox1 = tipListesi;
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setToolTip("Kesit tipini seç");
    ComboBox1->setMaxVisibleItems(17);
    ComboBox1->setIconSize(QSize(16, 16));
    ComboBox1->setMinimumWidth(200);
    AlanEkle(ComboBox1, "Kesit:");
    for (int i = 0; i < 15; ++i) {
        const KesitEditi& k = KesitEditleri[static_cast<std::size_t>(i)];
        DegerEkle(i + 1, k.Alan, QString::fromUtf8(k.Etiket), QString::fromUtf8(k.Ipucu));
    }

    // room for the longest caption a type gives, so the window keeps its width
    DegerDuzeni()->setColumnMinimumWidth(0, fontMetrics().horizontalAdvance("Kdönme(kNm/Rad):") + 8);

    // Right of the properties: the picture, the dimensions it names,
    // "Hesapla" and the profile list.
    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setToolTip("Bilgileri tanımlanacak kesit tipi");
    Image1->setFixedSize(150, 150);
    Image1->setAlignment(Qt::AlignCenter);
    Label3 = new QLabel("x, y, z: yerel eksenler.", this);
    Label3->setObjectName("Label3");
    auto* boyutlar = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        QLabel* etiket = Etiket(IlkBoyut + i);
        QLineEdit* e = Deger(IlkBoyut + i);
        DegerDuzeni()->removeWidget(etiket);
        DegerDuzeni()->removeWidget(e);
        e->setMaximumWidth(110);
        boyutlar->addWidget(etiket, i, 0);
        boyutlar->addWidget(e, i, 1);
    }
    Deger(YukseklikEditi)->installEventFilter(this);
    BitBtn4 = new QPushButton("Hesapla", this);
    BitBtn4->setObjectName("BitBtn4");
    BitBtn4->setToolTip("Yukarıdaki kesitin A, Ix, Iy, Iz, ... değerleri hesaplanır");
    BitBtn4->setAutoDefault(false);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName("ListBox1");
    ListBox1->setToolTip("Çift tıkla, profil seç");
    ListBox1->setAccessibleName("Profil listesi");
    ListBox1->setMaximumWidth(160);
    ListBox1->setMinimumHeight(120);
    SagSutun()->addWidget(Image1, 0, Qt::AlignHCenter);
    SagSutun()->addWidget(Label3, 0, Qt::AlignHCenter);
    SagSutun()->addLayout(boyutlar);
    SagSutun()->addWidget(BitBtn4, 0, Qt::AlignHCenter);
    SagSutun()->addWidget(ListBox1, 1, Qt::AlignHCenter);

    connect(tipListesi, &TSecimListesi::Secildi, this, &TiNputKesitBilgileri::TipSecildi);
    // After a preview of the open list, the chosen type's picture again.
    connect(tipListesi, &TAcilirListe::Kapandi, this, &TiNputKesitBilgileri::TipResminiGoster);
    connect(BitBtn4, &QPushButton::clicked, this, &TiNputKesitBilgileri::Hesapla);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* i) { ProfilSecildi(i->text()); });
    // Enter on the list takes its current profile, as a double click does.
    ListBox1->installEventFilter(this);
    // The isolator's two shear stiffnesses are typed once.
    const auto ayna = [this](int Kaynak, int Hedef) {
        connect(Deger(Kaynak), &QLineEdit::textEdited, this, [this, Hedef](const QString& s) {
            if (TipMetni().find("Deprem izolatörü") != std::string::npos) Deger(Hedef)->setText(s);
        });
    };
    ayna(5, 8);
    ayna(8, 5);
    Bitir();
    BitBtn1->setToolTip("Bu verileri kadetme, pencereyi kapat");
    EkTemizle();
}

std::string TiNputKesitBilgileri::TipMetni() const { return ComboBox1->currentText().toStdString(); }

// The types of the project's system type, each with its small picture.
void TiNputKesitBilgileri::KurulumOncesi() {
    ComboBox1->clear();
    for (const std::string& t : SistemKesitTipleri(SistemTipi)) {
        const QImage simge = ResimCiz("Kesit" + std::to_string(KesitTipiKodu(t)), QSize(16, 16));
        ComboBox1->addItem(simge.isNull() ? QIcon() : QIcon(QPixmap::fromImage(simge)), QString::fromStdString(t));
    }
    ComboBox1->setCurrentIndex(0);
}

void TiNputKesitBilgileri::BoyutlariGizle() {
    for (int i = 0; i < 4; ++i) {
        Etiket(IlkBoyut + i)->hide();
        Deger(IlkBoyut + i)->hide();
    }
}

void TiNputKesitBilgileri::EkTemizle() {
    Label3->hide();
    Image1->hide();
    BitBtn4->hide();
    ListBox1->hide();
    BoyutlariGizle();
}

// Labels, hints, picture, visible and enabled dimensions and the profile
// list of the type shown in the list; an empty type gets the plain labels
// and clears the editor.
void TiNputKesitBilgileri::TipDuzeniniUygula() {
    const KesitTipiDuzeni* d = KesitTipiDuzeniBul(KesitTipiKodu(TipMetni()));
    const auto yaz = [this](int No, const char* Yazi, const char* Ipucu) {
        Etiket(No)->setText(QString::fromUtf8(Yazi));
        Deger(No)->setAccessibleName(Etiket(No)->text());
        Deger(No)->setToolTip(QString::fromUtf8(Ipucu));
    };
    for (int i = 0; i < 11; ++i)
        yaz(i + 1, KesitEditleri[static_cast<std::size_t>(i)].Etiket, KesitEditleri[static_cast<std::size_t>(i)].Ipucu);
    if (!d) {
        AlanlariTemizle();
        return;
    }
    for (const EtiketDegisikligi& g : d->Degisiklikler) yaz(g.Edit + 1, g.Etiket, g.Ipucu);
    ListBox1->hide();
    Label3->setVisible(d->Resim != nullptr);
    TipResminiGoster();
    BitBtn4->setVisible(d->HesaplaGorunur);
    for (int i = 0; i < 4; ++i) {
        const bool gorunur = d->BoyutGorunur[static_cast<std::size_t>(i)];
        Etiket(IlkBoyut + i)->setVisible(gorunur);
        Deger(IlkBoyut + i)->setVisible(gorunur);
        Deger(IlkBoyut + i)->setEnabled(!d->SadeceYukseklikEtkin || IlkBoyut + i == YukseklikEditi);
    }
    if (d->ProfilListesi) ProfilListesiniAc();
}

// The picture of the type in the list; none for a type without one.
void TiNputKesitBilgileri::TipResminiGoster() {
    const KesitTipiDuzeni* d = KesitTipiDuzeniBul(KesitTipiKodu(TipMetni()));
    if (d && d->Resim) ResmiGoster(Image1, d->Resim);
    else Image1->hide();
}

// A type chosen by the user: the values of a stored row of another type
// are set to "0" ("Sil" stays for the stored row); a new number is cleared.
void TiNputKesitBilgileri::TipSecildi() {
    if (KayitBul(BosluklariSil(Edit0->text().toStdString()))) {
        if (Tablolar.KesitBilgileri.FieldByName("Kesit").AsString() != TipMetni())
            for (int i = 1; i <= 15; ++i) Deger(i)->setText("0");
    } else {
        AlanlariTemizle();
    }
    TipDuzeniniUygula();
}

// A stored row keeps its values; a profile section only selects its
// profile in the list again (found by its height).
void TiNputKesitBilgileri::Gosterildi(bool Bulundu) {
    Tablo& t = Tablolar.KesitBilgileri;
    ComboBox1->setCurrentIndex(Bulundu ? ComboBox1->findText(QString::fromStdString(t.FieldByName("Kesit").AsString()))
                                       : -1);
    const double h = Bulundu ? t.FieldByName("h").AsFloat() : 0.0;
    TipDuzeniniUygula();
    if (!Bulundu || !ListBox1->isVisibleTo(this)) return;
    std::vector<std::string> liste;
    for (int i = 0; i < ListBox1->count(); ++i) liste.push_back(ListBox1->item(i)->text().toStdString());
    const int sira = KayitliProfilSirasi(liste, h);
    ListBox1->setCurrentRow(sira);
    if (sira < 0) ListBox1->clearSelection();
}

void TiNputKesitBilgileri::ProfilListesiniAc() {
    if (TipMetni().find("profil") == std::string::npos) return;
    ListBox1->clear();
    for (const std::string& p : ProfilListesi(TipMetni())) ListBox1->addItem(QString::fromStdString(p));
    ListBox1->show();
}

void TiNputKesitBilgileri::ProfilSecildi(const QString& Ad) {
    std::string h, mesaj;
    if (!ProfilSec(Ad.toStdString(), h, mesaj)) {
        MesajKutusu(mesaj, "UYARI:", "TamamUyarı1");
        return;
    }
    Deger(YukseklikEditi)->setText(QString::fromStdString(h));
    Hesapla();
}

void TiNputKesitBilgileri::Hesapla() {
    std::string profil;
    const QList<QListWidgetItem*> secili = ListBox1->selectedItems();
    if (!secili.isEmpty()) profil = secili.front()->text().toStdString();
    std::array<std::string, 4> boyut;
    for (int i = 0; i < 4; ++i) boyut[static_cast<std::size_t>(i)] = Deger(IlkBoyut + i)->text().toStdString();
    const KesitHesapSonucu r = KesitHesapla(TipMetni(), boyut, profil);
    if (!r.Basarili) {
        MesajKutusu(r.Mesaj, r.Baslik, r.Stil);
        return;
    }
    for (int i = 0; i < 11; ++i) Deger(i + 1)->setText(QString::fromStdString(r.Sonuclar[static_cast<std::size_t>(i)]));
    if (!r.Boyutlar[0].empty())
        for (int i = 0; i < 4; ++i)
            Deger(IlkBoyut + i)->setText(QString::fromStdString(r.Boyutlar[static_cast<std::size_t>(i)]));
}

bool TiNputKesitBilgileri::eventFilter(QObject* O, QEvent* E) {
    if (E->type() == QEvent::MouseButtonDblClick && O == Deger(YukseklikEditi)) ProfilListesiniAc();
    if (O == ListBox1) {
        // The list keeps its arrow keys (they are not the editor's moves).
        const auto* k = E->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(E) : nullptr;
        if (k && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && ListBox1->currentItem()) {
            ProfilSecildi(ListBox1->currentItem()->text());
            return true;
        }
        return QDialog::eventFilter(O, E);
    }
    return TKayitEditoru::eventFilter(O, E);
}

bool TiNputKesitBilgileri::KaydetOncesi() {
    if (ComboBox1->currentIndex() >= 0) return true;
    MesajKutusu("Kesit seçilmemiş", "HATA:", "TamamHata1");
    return false;
}

void TiNputKesitBilgileri::Denetle(const std::string& Anahtar, bool Turet) {
    (void)Turet;
    std::array<std::string, 11> s;
    for (int i = 0; i < 11; ++i) s[static_cast<std::size_t>(i)] = Deger(i + 1)->text().toStdString();
    const std::string mesaj = KesitDenetle(Anahtar, KesitTipiKodu(TipMetni()), s);
    if (!mesaj.empty()) Hatali(mesaj);
}

void TiNputKesitBilgileri::AlanlariYaz(Tablo& T) {
    T.FieldByName("Kesit").SetString(TipMetni());
    // membranes and plates keep their thickness in t too
    const KesitTipiDuzeni* d = KesitTipiDuzeniBul(KesitTipiKodu(TipMetni()));
    if (d && d->KalinlikT) T.FieldByName("t").SetString(Deger(1)->text().toStdString());
}

void TiNputKesitBilgileri::Kaydedildi() {
    const int n = EnKucukBosNumara(Tablolar.KesitBilgileri, "KesitNo");
    Edit0->setText(n > 0 ? QString::number(n) : QString());
}

std::string TiNputKesitBilgileri::SilmeSorusuMetni(const std::string& Anahtar) {
    int no = 0;
    TamSayiMi(Anahtar, -32768, 32767, no);
    return SilmeSorusu(false, Anahtar, KullananElemanSayisi("KesitNo", no));
}
