#include "input/UiNputElemanYukleri.h"

#include <QComboBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "input/AcilirListe.h"
#include "input/TuretDenetimi.h"
#include "input/YukKurallari.h"
#include "model/LibU.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/QtMetin.h"
#include "platform/Resimler.h"
#include "platform/Tablo.h"

namespace {

KayitEditoruAyarlari ElemanYukuAyarlari() {
    KayitEditoruAyarlari a;
    a.Baslik = "Eleman yükleri";
    a.Tag = 8;
    a.ProjeTablosu = &Tablolar.ElemanYukleri;
    a.AnahtarAlani = "ElemanNo";
    a.AnahtarEtiketi = ElemanYukuElemanEtiketi;
    a.AnahtarIpucu = ElemanYukuElemanIpucu;
    a.VarlikTablosu = &Tablolar.ED;
    a.VarlikAlani = "ElemanNo";
    a.SolKaydirma = 150;
    a.Okuyucu = ElemanYukleriniOku;
    a.SilmeIfadesi = AyiracOncesi(ElemanYukuSilmeSorusu(""), "\r");
    a.Turet = TuretTuru::Eleman;
    a.TuretAciklamasi = ElemanYukuTuretAciklamasi;
    a.EksenResmiAdi = "Image2";
    a.SildiktenSonraBosalt = true;
    return a;
}
}  // namespace

TiNputElemanYukleri::TiNputElemanYukleri(QWidget* Ust) : TKayitEditoru(ElemanYukuAyarlari(), Ust) {
    setObjectName("iNputElemanYukleri");
    LabeledEdit1 = new QLineEdit("1", this);
    LabeledEdit1->setObjectName("LabeledEdit1");
    LabeledEdit1->setToolTip(ElemanYukuNoIpucu);
    AlanEkle(LabeledEdit1, ElemanYukuNoEtiketi);
    connect(LabeledEdit1, &QLineEdit::textChanged, this, &TiNputElemanYukleri::YukNoDegisti);

    // The load-type list; closing it shows the chosen type's picture again
    // (the main window's preview may have shown another while it was open).
    auto* liste = new TAcilirListe(this);
    connect(liste, &TAcilirListe::Kapandi, this, [this] {
        const YukTipiDuzeni d = YukTipiDuzeniBul(SeciliTip());
        if (d.Kod) ResmiGoster(Image1, d.Resim);
    });
    ComboBox1 = liste;
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setToolTip(ElemanYukuTipiIpucu);
    ComboBox1->setIconSize(QSize(YukSimgeGenisligi, YukSimgeYuksekligi));
    ComboBox1->setMaxVisibleItems(20);
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    AlanEkle(ComboBox1, ElemanYukuTipiEtiketi);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });

    const YukTipiDuzeni ilk = YukTipiDuzeniBul(1);
    DegerEkle(2, "Yuk", QMetni(ilk.YukEtiketi), ElemanYukuDegerIpucu);
    DegerEkle(3, "aMesafesi", ElemanYukuaEtiketi, ElemanYukuSekilIpucu);
    DegerEkle(4, "bMesafesi", ElemanYukubEtiketi, ElemanYukuSekilIpucu);
    DegerEkle(5, "Yuk1", QMetni(ilk.Yuk1Etiketi), ElemanYukuSekilIpucu);
    connect(Deger(2), &QLineEdit::textChanged, this, [this] { UniformKopya(); });

    // The notes under the edits; the temperature note keeps its room while
    // it is hidden, so the window does not jump with the type.
    auto* notlar = new QWidget(this);
    auto* notDuzeni = new QVBoxLayout(notlar);
    notDuzeni->setContentsMargins(0, 0, 0, 0);
    BitBtn4 = new QLabel(notlar);
    BitBtn4->setObjectName("BitBtn4");
    BitBtn4->setFrameShape(QFrame::StyledPanel);
    BitBtn4->setMargin(4);
    BitBtn4->setText(QMetni(YukTipiDuzeniBul(13).Not));  // its room: the three lines of a note
    QSizePolicy p = BitBtn4->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    BitBtn4->setSizePolicy(p);
    BitBtn4->hide();
    notDuzeni->addWidget(BitBtn4);
    notDuzeni->addWidget(new QLabel(ElemanYukuEksenNotu, notlar));
    notDuzeni->addWidget(new QLabel(ElemanYukuIsaretNotu, notlar));
    DegerDuzeni()->addWidget(notlar, DegerDuzeni()->rowCount(), 0, 1, 2);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setToolTip(ElemanYukuResimIpucu);
    Image1->setFixedSize(ResimBoyutu("Yuk1").isEmpty() ? QSize(260, 160) : ResimBoyutu("Yuk1"));
    Image1->hide();
    SagSutun()->insertWidget(0, Image1, 0, Qt::AlignTop | Qt::AlignHCenter);

    TuretGrubunuKur();
    Bitir();
}

int TiNputElemanYukleri::SeciliTip() const {
    return ComboBox1->currentIndex() < 0 ? 0 : YukTipiKodu(StdMetni(ComboBox1->currentText()));
}

void TiNputElemanYukleri::ComboBox1Change() {
    BitBtn4->hide();
    const YukTipiDuzeni d = YukTipiDuzeniBul(SeciliTip());
    if (d.Kod == 0) return;
    Etiket(2)->setText(QMetni(d.YukEtiketi));
    Etiket(5)->setText(QMetni(d.Yuk1Etiketi));
    Deger(2)->setAccessibleName(Etiket(2)->text());
    Deger(5)->setAccessibleName(Etiket(5)->text());
    if (!d.Not.empty()) {
        BitBtn4->setText(QMetni(d.Not));
        BitBtn4->show();
    }
    if (d.Yuk1YukKopyasi) Deger(5)->setText(Deger(2)->text());
    Deger(5)->setEnabled(d.Yuk1Etkin);
    ResmiGoster(Image1, d.Resim);
}

// A uniform temperature change has one value and no distances.
void TiNputElemanYukleri::UniformKopya() {
    std::string a = StdMetni(Deger(3)->text()), b = StdMetni(Deger(4)->text()), yuk1 = StdMetni(Deger(5)->text());
    if (!UniformSicaklikKopyasi(SeciliTip(), StdMetni(Deger(2)->text()), a, b, yuk1)) return;
    Deger(3)->setText(QMetni(a));
    Deger(4)->setText(QMetni(b));
    Deger(5)->setText(QMetni(yuk1));
}

void TiNputElemanYukleri::KurulumOncesi() {
    if (const int n = SistemElemanNoktaSayisi(SistemTipi)) ElemanNoktaSayisi = n;
    {
        const QSignalBlocker b(ComboBox1);
        ComboBox1->clear();
        for (const std::string& metin : SistemYukTipleri(SistemTipi)) {
            const YukTipiDuzeni d = YukTipiDuzeniBul(YukTipiKodu(metin));
            const QImage simge = ResimCiz(d.Simge, QSize(YukSimgeGenisligi, YukSimgeYuksekligi));
            ComboBox1->addItem(simge.isNull() ? QIcon() : QIcon(QPixmap::fromImage(simge)), QMetni(metin));
        }
        ComboBox1->setCurrentIndex(ComboBox1->count() ? 0 : -1);
    }
    Tablo& t = Tablolar.ElemanYukleri;
    if (t.Active() && t.RecordCount() > 0) {
        const QSignalBlocker b(LabeledEdit1);
        LabeledEdit1->setText(QMetni(t.FieldByName("YukNo").AsString()));
    }
}

// The row of the element key and the load number: the pattern's find
// locates a row of the element (by the key's written form as well), then
// the load number is looked up among the rows of that stored key.
bool TiNputElemanYukleri::KayitBul(const std::string& Anahtar) {
    int no = 0;
    if (!YukNoGecerli(StdMetni(LabeledEdit1->text()), no) || !TKayitEditoru::KayitBul(Anahtar)) return false;
    Tablo& t = Tablolar.ElemanYukleri;
    return t.Locate("ElemanNo;YukNo", {AnahtarDegeri(t.FieldByName("ElemanNo").AsString()), AnahtarDegeri(no)});
}

void TiNputElemanYukleri::AnahtarYaz(Tablo& T, const std::string& Anahtar) {
    int no = 0;
    YukNoGecerli(StdMetni(LabeledEdit1->text()), no);
    T.FieldByName("ElemanNo").SetString(Anahtar);
    T.FieldByName("YukNo").SetInteger(no);
}

void TiNputElemanYukleri::AlanlariYaz(Tablo& T) { T.FieldByName("YukTipi").SetInteger(SeciliTip()); }

// Typing into the load number finds as typing into the key does, and the
// typing goes on there.
void TiNputElemanYukleri::BulVeGoster() {
    if (!LabeledEdit1 || !LabeledEdit1->hasFocus()) {
        TKayitEditoru::BulVeGoster();
        return;
    }
    Edit0->setFocusProxy(LabeledEdit1);
    TKayitEditoru::BulVeGoster();
    Edit0->setFocusProxy(nullptr);
}

// Another load number of the same element key: its row is shown, or the
// values are cleared; the key stays as it was typed, in Edit0 or in the
// "Türet:" edits.
void TiNputElemanYukleri::YukNoDegisti() {
    QString turet[5];
    for (int i = 0; i < 5; ++i) turet[i] = TuretEdit[i]->text();
    BulVeGoster();
    if (!bulundu_)
        for (int i = 0; i < 5; ++i) TuretEdit[i]->setText(turet[i]);
}

void TiNputElemanYukleri::Gosterildi(bool Bulundu) {
    bulundu_ = Bulundu;
    if (Bulundu) {
        const int tip = Tablolar.ElemanYukleri.FieldByName("YukTipi").AsInteger();
        for (int i = 0; i < ComboBox1->count(); ++i)
            if (YukTipiKodu(StdMetni(ComboBox1->itemText(i))) == tip) {
                ComboBox1->setCurrentIndex(i);
                break;
            }
    }
    ComboBox1Change();
}

void TiNputElemanYukleri::KayitAdimlandi() {
    Tablo& t = Tablolar.ElemanYukleri;
    {
        const QSignalBlocker b0(Edit0), b1(LabeledEdit1);
        Edit0->setText(QMetni(t.FieldByName("ElemanNo").AsString()));
        LabeledEdit1->setText(QMetni(t.FieldByName("YukNo").AsString()));
    }
    BulVeGoster();
}

bool TiNputElemanYukleri::KaydetOncesi() {
    UniformKopya();
    return true;
}

void TiNputElemanYukleri::Denetle(const std::string& Anahtar, bool Turet) {
    (void)Turet;
    const std::string yukNo = StdMetni(LabeledEdit1->text());
    const ElemanYukuGirdisi g{Anahtar,
                              yukNo,
                              ComboBox1->currentIndex() < 0 ? std::string() : StdMetni(ComboBox1->currentText()),
                              StdMetni(Deger(2)->text()),
                              StdMetni(Deger(3)->text()),
                              StdMetni(Deger(4)->text()),
                              StdMetni(Deger(5)->text())};
    const std::string mesaj = ElemanYukuDenetle(g);
    if (!mesaj.empty()) Hatali(mesaj);
}

void TiNputElemanYukleri::Kaydedildi() { BitBtn2->show(); }

// A node or element another stored row already holds would stop every
// later run.
std::string TiNputElemanYukleri::YazmadanOnce(const std::string& Anahtar, const std::string& Yerine) {
    return ElemanYukuAnahtariniDenetle(Anahtar, LabeledEdit1->text().toStdString(), Yerine);
}
