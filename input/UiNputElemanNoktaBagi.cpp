#include "input/UiNputElemanNoktaBagi.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "input/AcilirListe.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Resimler.h"

namespace {

const char* const NoktaAlanlari[4] = {"iNoktasi", "jNoktasi", "kNoktasi", "LNoktasi"};

KayitEditoruAyarlari ElemanNoktaAyarlari() {
    KayitEditoruAyarlari a;
    a.Baslik = "Eleman nokta baği";
    a.Tag = 5;
    a.ProjeTablosu = &Tablolar.ElemanNoktaBagi;
    a.AnahtarAlani = "ElemanNo";
    a.AnahtarEtiketi = "Eleman no:";
    a.AnahtarIpucu = "Tipi ve bağlı olduğu düğüm numaraları tanımlanacak elemanın numarasını ver";
    a.VarlikTablosu = &Tablolar.ED;
    a.VarlikAlani = "ElemanNo";
    a.SolKaydirma = 250;
    a.Okuyucu = ElemanNoktaBaginiOku;
    a.SilmeIfadesi = " nolu eleman veri tabanından silinecek";
    a.VarsayilanAnahtar = [] { return std::to_string(Tablolar.ED.RecordCount() + 1); };
    a.Turet = TuretTuru::Eleman;
    a.TuretBasligi = "Türet";
    a.TuretAciklamasi =
        "Baş elemandan  Son eleman1 e kadar Adım1 ara ile,  Baş elemandan Son eleman2 ye kadar  Adım2 ara ile "
        "elemanlar türetir. Baş ve son elemanlar daha önce tanımlanmış olmalıdır. ";
    a.EksenResmiAdi = "Image2";
    return a;
}

}  // namespace

TiNputElemanNoktaBagi::TiNputElemanNoktaBagi(QWidget* Ust) : TKayitEditoru(ElemanNoktaAyarlari(), Ust) {
    setObjectName("iNputElemanNoktaBagi");
    ComboBox1 = new TAcilirListe(this);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setToolTip("Eleman tipi seç");
    ComboBox1->setMinimumContentsLength(28);
    AlanEkle(ComboBox1, "Eleman tipi:");
    DegerEkle(1, "iNoktasi", "i noktası no:",
              "Elemanın i noktasının numarasını ver. Yerel eksen orijini bu noktada varsayılır");
    DegerEkle(2, "jNoktasi", "j noktası no:", "Elemanın j noktasının numarasını ver");
    DegerEkle(3, "kNoktasi", "k noktası no:",
              "Elemanın k noktasının numarası. Uzay çerçeve elemanda yardımcı noktanın numarası");
    DegerEkle(4, "LNoktasi", "L noktası no:", "Elemanın L nokatsının numarası");
    TuretGrubunuKur();

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setToolTip("Noktaları tanımlanacak eleman");
    Image1->setFixedSize(260, 160);
    Image1->hide();
    SagSutun()->insertWidget(0, Image1, 0, Qt::AlignTop | Qt::AlignHCenter);
    if (EksenResmi) EksenResmi->setToolTip("Seçilen koordinat sistemi");
    Bitir();

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
    // After a preview of the open list, the chosen type's picture again.
    connect(ComboBox1, &TAcilirListe::Kapandi, this, [this] {
        if (!ComboBox1->currentText().isEmpty())
            ResmiGoster(Image1, ElemanResmi(ElemanTipiKodu(ComboBox1->currentText().toStdString())));
    });
}

void TiNputElemanNoktaBagi::KurulumOncesi() {
    QSignalBlocker b(ComboBox1);
    ComboBox1->clear();
    tipler_ = SistemElemanTipleri(SistemTipi);
    for (const std::string& t : tipler_) ComboBox1->addItem(QString::fromStdString(t));
    ComboBox1->setCurrentIndex(tipler_.empty() ? -1 : 0);
}

void TiNputElemanNoktaBagi::ComboBox1Change() {
    const int kod = ElemanTipiKodu(ComboBox1->currentText().toStdString());
    OkunanElemanTipi = kod;
    const int n = ElemanGirilenNoktaSayisi(kod);
    if (n > 0) ElemanNoktaSayisi = n;
    // The nodes the type has take input; the others keep their text.
    for (int x = 3; x <= 4; ++x) {
        Deger(x)->setEnabled(n == 0 || x <= n);
        Etiket(x)->setEnabled(Deger(x)->isEnabled());
    }
    ResmiGoster(Image1, ElemanResmi(kod));
}

void TiNputElemanNoktaBagi::Gosterildi(bool Bulundu) {
    if (Bulundu) {
        const int sira =
            ElemanTipiSirasi(tipler_, Tablolar.ElemanNoktaBagi.FieldByName("ElemanTipi").AsInteger());
        if (sira >= 0) {
            QSignalBlocker b(ComboBox1);
            ComboBox1->setCurrentIndex(sira);
        }
    }
    ComboBox1Change();
}

void TiNputElemanNoktaBagi::Denetle(const std::string& Anahtar, bool Turet) {
    ElemanNoktaGirdisi g;
    g.Anahtar = Anahtar;
    g.TipSirasi = ComboBox1->currentIndex();
    g.TipMetni = ComboBox1->currentText().toStdString();
    for (int x = 0; x < 4; ++x) g.Nokta[x] = Deger(x + 1)->text().toStdString();
    const std::string m = Turet ? ElemanTuretDenetle(g, kayit_) : ElemanNoktaDenetle(g, kayit_);
    if (!m.empty()) Hatali(m);
}

void TiNputElemanNoktaBagi::AlanlariYaz(Tablo& T) {
    T.FieldByName("ElemanTipi").SetInteger(kayit_.ElemanTipi);
    for (int x = 0; x < 4; ++x) T.FieldByName(NoktaAlanlari[x]).SetInteger(kayit_.Nokta[x]);
}
