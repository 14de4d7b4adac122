#include "input/UiNputElemanKesitMafsalBilgileri.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "input/AcilirListe.h"
#include "model/LibU.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/QtMetin.h"
#include "platform/Resimler.h"
#include "platform/Tablo.h"

namespace {

KayitEditoruAyarlari ElemanMalzemeAyarlari() {
    KayitEditoruAyarlari a;
    a.Baslik = "Eleman-malzeme-kesit-mafsal bağı";
    a.Tag = 6;
    a.ProjeTablosu = &Tablolar.ElemanMalzemeKesitMafsalbagi;
    a.AnahtarAlani = "ElemanNO";
    a.AnahtarEtiketi = "Eleman no:";
    a.AnahtarIpucu = "Malzeme no, kesit no ve mafsal tipi atanacak elemanın numarasını ver";
    a.VarlikTablosu = &Tablolar.ED;
    a.VarlikAlani = "ElemanNo";
    a.SolKaydirma = 100;
    a.Okuyucu = ElemanMalzemeKesitMafsalBaginiOku;
    a.SilmeIfadesi = " nolu elemanın malzeme kesit mafsal bilgileri veri tabanından silinecek";
    a.VarsayilanAnahtar = [] { return std::string("1"); };
    a.Turet = TuretTuru::Eleman;
    a.TuretAciklamasi =
        "Baş elemandan  Son eleman1 e kadar Adım1 ara ile,  Baş elemandan Son eleman2 ye kadar  Adım2 ara ile "
        "türetilen elemanlara soldaki değerler atanır";
    a.EksenResmi = false;
    return a;
}

// The hinge boxes: caption and what the box releases.
const char* const KutuAdlari[7] = {
    "Mafsal yok",
    "i ucunda normal kuvvet mafsalı",
    "i ucunda kesme kuvveti mafsalı",
    "i ucunda moment mafsalı",
    "j ucunda normal kuvvet mafsalı",
    "j ucunda kesme kuvveti mafsalı",
    "j ucunda moment mafsalı",
};

}  // namespace

TiNputElemanKesitMafsalBilgileri::TiNputElemanKesitMafsalBilgileri(QWidget* Ust)
    : TKayitEditoru(ElemanMalzemeAyarlari(), Ust) {
    setObjectName("iNputElemanKesitMafsalBilgileri");
    ComboBox1 = ListeEkle(1, "MalzemeNo", "Malzeme no:", "Elemanın malzeme nosunu ver", "Bu eleman için malzeme no seç",
                          "Malzeme listesi");
    ComboBox2 = ListeEkle(2, "KesitNo", "Kesit no:", "Elemanın kesit nosunu ver", "Bu eleman için kesit no seç",
                          "Kesit listesi");
    DegerEkle(3, "MafsalTipi", "Mafsal tipi:", "Bu elemanın mafsal tipi. Sağdaki mafsal tipleri penceresinden seç",
              "00")
        ->setReadOnly(true);

    // The hinge boxes of end i left of the picture, those of end j right.
    GroupBox1 = new QGroupBox("Mafsal tipleri", this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setToolTip("Mafsal tipi seçenekleri(Sadece düzlem çerçeve elemanlar için)");
    auto* g = new QGridLayout(GroupBox1);
    g->setVerticalSpacing(0);
    auto* resim = new QLabel(GroupBox1);
    resim->setObjectName("Image1");
    resim->setToolTip("Mafsal tipi seç(sadece düzlem çerçevede)");
    resim->setFixedSize(200, 96);
    for (int b = 0; b < 7; ++b) {
        auto* k = new QCheckBox(QString("0%1").arg(b), GroupBox1);
        k->setObjectName(QString("CheckBox%1").arg(b));
        k->setAccessibleName(k->text() + " " + QString::fromUtf8(KutuAdlari[b]));
        k->setToolTip(QString::fromUtf8(KutuAdlari[b]));
        CheckBox[b] = k;
        TusSuzgeciEkle(k);
        connect(k, &QCheckBox::clicked, this, [this, b](bool c) { MafsalTiklandi(b, c); });
        if (b == 0)
            g->addWidget(k, 0, 0, 1, 3, Qt::AlignHCenter);
        else
            g->addWidget(k, (b - 1) % 3 + 1, b <= 3 ? 0 : 2);
    }
    CheckBox[0]->setChecked(true);
    for (int r = 1; r <= 3; ++r) g->setRowMinimumHeight(r, 32);
    g->addWidget(resim, 1, 1, 3, 1);
    SagSutun()->addWidget(GroupBox1);
    ResmiGoster(resim, "Mafsal");

    TuretGrubunuKur();
    const char* const turetIpuclari[5] = {
        "Türetim başlangıç eleman no", "Türetim yapılacak bir yöndeki son eleman no", "Bir yöndeki adım",
        "Türetim yapılacak ikinci yöndeki son eleman no", "ikinci yöndeki adım"};
    for (int i = 0; i < 5; ++i) TuretEdit[i]->setToolTip(QString::fromUtf8(turetIpuclari[i]));
    Bitir();
    BitBtn3->setToolTip("Bu veriler kaydedilir");
    BitBtn1->setToolTip("Bu verileri kadetme, pencereyi kapat");

    // Details of the item under the open list, over the hinge boxes.
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    auto* p = new QHBoxLayout(panel);
    p->setContentsMargins(6, 6, 6, 6);
    p->setSpacing(6);
    Image2 = new QLabel(panel);
    Image2->setObjectName("Image2");
    Image2->setFixedSize(140, 140);
    Memo1 = new QPlainTextEdit(panel);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setFixedSize(165, 166);
    p->addWidget(Image2, 0, Qt::AlignCenter);
    p->addWidget(Memo1);
    panel->hide();
    Panel1 = panel;
}

TAcilirListe* TiNputElemanKesitMafsalBilgileri::ListeEkle(int No, const std::string& Alan, const QString& Etiket,
                                                          const QString& Ipucu, const QString& ListeIpucu,
                                                          const QString& ListeAdi) {
    DegerEkle(No, Alan, Etiket, Ipucu);
    auto* l = new TAcilirListe(this);
    l->setObjectName(QString("ComboBox%1").arg(No));
    l->setToolTip(ListeIpucu);
    l->setAccessibleName(ListeAdi);
    l->setAccessibleDescription(ListeIpucu);
    l->setMaxVisibleItems(17);
    l->setMinimumContentsLength(22);
    DegerDuzeni()->addWidget(l, DegerDuzeni()->rowCount() - 1, 2);  // beside its number edit
    TusSuzgeciEkle(l);
    connect(l, &QComboBox::currentIndexChanged, this, [this, l, No](int i) {
        if (i >= 0) Deger(No)->setText(QMetni(ListeNumarasi(StdMetni(l->itemText(i)))));
    });
    connect(Deger(No), &QLineEdit::textChanged, this, [this, l, No] { ListeyiEsle(l, No); });
    connect(l, &QComboBox::highlighted, this, [this, l](int i) {
        if (Panel1->isVisible()) AyrintiGoster(l, i);
    });
    connect(l, &TAcilirListe::Acildi, this, [this, l] {
        QRect r(GroupBox1->mapTo(this, QPoint(0, 0)), Panel1->sizeHint());  // inside the window
        if (r.right() > width() - 8) r.moveRight(width() - 8);
        if (r.bottom() > height() - 8) r.moveBottom(height() - 8);
        Panel1->setGeometry(r);
        Panel1->raise();
        Panel1->show();
        AyrintiGoster(l, l->currentIndex());
    });
    connect(l, &TAcilirListe::Kapandi, this, [this] {
        Memo1->clear();
        Panel1->hide();
    });
    return l;
}

void TiNputElemanKesitMafsalBilgileri::AyrintiGoster(TAcilirListe* Liste, int Sira) {
    Memo1->clear();
    if (Sira < 0) return;
    const std::string no = ListeNumarasi(StdMetni(Liste->itemText(Sira)));
    std::vector<std::string> satirlar;
    std::string resim;
    if (Liste == ComboBox1)
        satirlar = MalzemeAyrintisi(no);
    else
        satirlar = KesitAyrintisi(no, resim);
    if (satirlar.empty()) return;
    if (ResimVar(resim))
        ResmiGoster(Image2, resim);
    else
        Image2->clear();
    QStringList l;
    for (const std::string& s : satirlar) l << QMetni(s);
    Memo1->setPlainText(l.join('\n'));
}

// The list shows the item of the number in its edit (none: no item).
void TiNputElemanKesitMafsalBilgileri::ListeyiEsle(TAcilirListe* Liste, int No) {
    QSignalBlocker b(Liste);
    Liste->setCurrentIndex(ListeSirasi(Liste == ComboBox1 ? malzemeler_ : kesitler_, StdMetni(Deger(No)->text())));
}

// ------------------------------------------------------------ hinge boxes

void TiNputElemanKesitMafsalBilgileri::KutulariAyarla(const MafsalKutulari& K) {
    for (int b = 0; b < 7; ++b) CheckBox[b]->setChecked(K[b]);
}

void TiNputElemanKesitMafsalBilgileri::MafsalTiklandi(int Kutu, bool Isaretli) {
    MafsalKutulari K;
    for (int b = 0; b < 7; ++b) K[b] = CheckBox[b]->isChecked();
    const std::string uyari = MafsalKutusunaTikla(K, Kutu, Isaretli);
    KutulariAyarla(K);
    Deger(3)->setText(QMetni(MafsalKodu(K)));
    if (!uyari.empty()) MesajKutusu(uyari, "Uyarı:", "TamamUyarı1");
}

void TiNputElemanKesitMafsalBilgileri::MafsalGoster(const std::string& Kod) {
    if (!GroupBox1->isEnabled()) {
        Deger(3)->setText(QMetni(Kod));
        return;
    }
    std::vector<std::string> uyarilar;
    const MafsalKutulari K = MafsalKutulariniKur(Kod, uyarilar);
    KutulariAyarla(K);
    Deger(3)->setText(QMetni(MafsalKodu(K)));
    for (const std::string& u : uyarilar) MesajKutusu(u, "Uyarı:", "TamamUyarı1");
}

// ------------------------------------------------------------ pattern hooks

void TiNputElemanKesitMafsalBilgileri::KurulumOncesi() {
    onDolgu_ = ElemanMalzemeOnDolgusu();
    if (onDolgu_.Bos) MesajKutusu("Önce Malzeme ve kesit bilgilerini vermelisiniz", "UYARI:", "TamamUyarı1");
    malzemeler_ = MalzemeListesi();
    kesitler_ = KesitListesi();
    int no = 1;
    for (TAcilirListe* l : {ComboBox1, ComboBox2}) {
        {
            QSignalBlocker b(l);
            l->clear();
            for (const std::string& s : l == ComboBox1 ? malzemeler_ : kesitler_) l->addItem(QMetni(s));
        }
        ListeyiEsle(l, no++);
    }
    const bool etkin = MafsalKutulariEtkin(SistemTipi);
    GroupBox1->setEnabled(etkin);
    Deger(3)->setEnabled(etkin);
}

// An empty link table: the only material and section, and a key over all
// elements, ready for one "Kaydet".
void TiNputElemanKesitMafsalBilgileri::OnDoldur(bool AnahtarDahil) {
    if (onDolgu_.Bos) return;
    if (AnahtarDahil) {
        QSignalBlocker b(Edit0);
        Edit0->setText(QMetni(onDolgu_.ElemanNo));
    }
    Deger(1)->setText(QMetni(onDolgu_.MalzemeNo));
    Deger(2)->setText(QMetni(onDolgu_.KesitNo));
    for (int i = 0; i < 5; ++i) TuretEdit[i]->setText(QMetni(onDolgu_.Turet[i]));
}

void TiNputElemanKesitMafsalBilgileri::KurulumSonrasi() {
    if (Ayarlar().ProjeTablosu->RecordCount() == 0) OnDoldur(true);
}

void TiNputElemanKesitMafsalBilgileri::Silindi() {
    onDolgu_ = ElemanMalzemeOnDolgusu();
    Tablo& t = *Ayarlar().ProjeTablosu;
    if (t.RecordCount() == 0) {
        OnDoldur(false);
        return;
    }
    {
        QSignalBlocker b(Edit0);
        Edit0->setText(QMetni(t.FieldByName(Ayarlar().AnahtarAlani).AsString()));
    }
    BulVeGoster();
}

void TiNputElemanKesitMafsalBilgileri::EkTemizle() {
    if (GroupBox1->isEnabled()) KutulariAyarla({true, false, false, false, false, false, false});
}

void TiNputElemanKesitMafsalBilgileri::Gosterildi(bool Bulundu) {
    if (Bulundu) MafsalGoster(StdMetni(Deger(3)->text()));
}

void TiNputElemanKesitMafsalBilgileri::Denetle(const std::string& Anahtar, bool Turet) {
    (void)Turet;
    const std::string m =
        ElemanMalzemeDenetle(Anahtar, StdMetni(Deger(1)->text()), StdMetni(Deger(2)->text()), StdMetni(Deger(3)->text()), kayit_);
    if (!m.empty()) Hatali(m);
}

void TiNputElemanKesitMafsalBilgileri::AlanlariYaz(Tablo& T) {
    T.FieldByName("MalzemeNo").SetInteger(kayit_.MalzemeNo);
    T.FieldByName("KesitNo").SetInteger(kayit_.KesitNo);
    T.FieldByName("MafsalTipi").SetString(kayit_.MafsalTipi);
}

// A spring keeps the hinge code of its type, whatever the boxes showed.
void TiNputElemanKesitMafsalBilgileri::Kaydedildi() {
    if (StdMetni(Deger(3)->text()) != kayit_.MafsalTipi) MafsalGoster(kayit_.MafsalTipi);
}
