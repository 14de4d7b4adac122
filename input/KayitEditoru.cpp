#include "input/KayitEditoru.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>

#include "model/AnahtarDenetimi.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/EkranaSigdir.h"
#include "platform/Erisilebilirlik.h"
#include "platform/QtMetin.h"
#include "platform/Resimler.h"
#include "platform/Tablo.h"
#include "platform/TabloBildirimi.h"
#include "platform/HarfPayi.h"

namespace {

struct TuretMesajlari {
    const char* Aralik[5];
    const char* Yok[3];
    const char* Baslik[5];
};

const TuretMesajlari& Mesajlar(TuretTuru t) {
    static const TuretMesajlari koordinat = {
        {"Baş eleman hatalı", "Son eleman1 hatalı", "Adim1 hatalı", "Son eleman2 hatalı", "Adim2  hatalı"},
        {"Baş nokta tanımsız", "Son Nokta1 tanımsız", "Son nokta2 tanımsız"},
        {"Baş nokta", "Son nokta1", "Adım1", "Son nokta2", "Adım2"}};
    static const TuretMesajlari noktaYuku = {
        {"Baş nokta hatalı", "Son nokta1 hatalı", "Adım1 hatalı", "Son2 nokta1 hatalı", "Adım2 hatalı"},
        {"Baş nokta tanımsız", "Son Nokta1 tanımsız", "Son nokta2 tanımsız"},
        {"Baş nokta", "Son nokta1", "Adım1", "Son nokta2", "Adım2"}};
    static const TuretMesajlari eleman = {
        {"Baş eleman hatalı", "Son eleman1 hatalı", "Adim1 hatalı", "Son eleman2 hatalı", "Adim2  hatalı"},
        {"Baş eleman tanımsız", "Son eleman1 tanımsız", "Son eleman2 tanımsız"},
        {"Baş eleman", "Son eleman1", "Adım1", "Son eleman2", "Adım2"}};
    switch (t) {
    case TuretTuru::NoktaYuku: return noktaYuku;
    case TuretTuru::Eleman: return eleman;
    default: return koordinat;
    }
}

void HataKutusu(const std::string& m) { MesajKutusu(m, "HATA:", "TamamHata1"); }

}  // namespace

TKayitEditoru::TKayitEditoru(KayitEditoruAyarlari Ayar, QWidget* Ust)
    : QDialog(Ust), ayar_(std::move(Ayar)) {
    setWindowTitle(ayar_.Baslik);
    setModal(true);
    setProperty("Tag", ayar_.Tag);
    ErisilebilirlikKur();  // the lists are named by their labels
    HarfPaylariniKur();    // captions keep the dots of Ö, Ü, İ

    auto* ana = new QVBoxLayout(this);
    ana->setSizeConstraint(QLayout::SetNoConstraint);
    // The fields scroll where the screen cannot hold them; the buttons under
    // them stay in view, and the window stays on the screen.
    auto* kaydirma = new TKaydirmaAlani(this);
    auto* icerik = new QWidget(kaydirma);
    auto* ust = new QHBoxLayout(icerik);
    ust->setContentsMargins(0, 0, 0, 0);
    ana->addWidget(kaydirma, 1);
    solSutun_ = new QVBoxLayout;
    sagSutun_ = new QVBoxLayout;
    ust->addLayout(solSutun_, 1);
    ust->addLayout(sagSutun_);

    degerDuzeni_ = new QGridLayout;
    solSutun_->addLayout(degerDuzeni_);

    auto* anahtarEtiketi = new QLabel(ayar_.AnahtarEtiketi, this);
    Edit0 = new QLineEdit(this);
    Edit0->setObjectName("Edit0");
    Edit0->setToolTip(ayar_.AnahtarIpucu);
    Edit0->setAccessibleName(ayar_.AnahtarEtiketi);
    anahtarEtiketi->setBuddy(Edit0);
    if (ayar_.ProjeTablosu && ayar_.ProjeTablosu->Active() && ayar_.ProjeTablosu->AlanVar(ayar_.AnahtarAlani)) {
        const int n = ayar_.ProjeTablosu->FieldByName(ayar_.AnahtarAlani).Uzunluk();
        if (n > 0) Edit0->setMaxLength(n);
    }
    UpDown1 = new QWidget(this);
    UpDown1->setObjectName("UpDown1");
    UpDown1->setToolTip("Bir önceki/bir sonraki  kayda git");
    auto* ud = new QVBoxLayout(UpDown1);
    ud->setContentsMargins(0, 0, 0, 0);
    ud->setSpacing(0);
    auto* yukari = new QToolButton(UpDown1);
    auto* asagi = new QToolButton(UpDown1);
    yukari->setArrowType(Qt::UpArrow);
    asagi->setArrowType(Qt::DownArrow);
    yukari->setAccessibleName("Bir önceki kayıt");
    asagi->setAccessibleName("Bir sonraki kayıt");
    for (QToolButton* b : {yukari, asagi}) {
        b->setFixedSize(18, 12);
        b->setFocusPolicy(Qt::NoFocus);
        ud->addWidget(b);
    }
    connect(yukari, &QToolButton::clicked, this, [this] { KayitAdimla(false); });
    connect(asagi, &QToolButton::clicked, this, [this] { KayitAdimla(true); });
    auto* anahtarSatiri = new QHBoxLayout;
    anahtarSatiri->addWidget(Edit0);
    anahtarSatiri->addWidget(UpDown1);
    if (!ayar_.AnahtarEditi)
        for (QWidget* w : {static_cast<QWidget*>(anahtarEtiketi), static_cast<QWidget*>(Edit0), UpDown1}) w->hide();
    degerDuzeni_->addWidget(anahtarEtiketi, 0, 0);
    degerDuzeni_->addLayout(anahtarSatiri, 0, 1);
    TusSuzgeciEkle(Edit0);
    connect(Edit0, &QLineEdit::textChanged, this, [this] { BulVeGoster(); });

    if (ayar_.EksenResmi) {
        EksenResmi = new QLabel(this);
        EksenResmi->setObjectName(ayar_.EksenResmiAdi);
        EksenResmi->setToolTip("Ana verilerde seçtiğiniz koordinat sistemi");
        EksenResmi->setFixedSize(120, 120);
        EksenResmi->hide();
        sagSutun_->addWidget(EksenResmi, 0, Qt::AlignTop | Qt::AlignHCenter);
    }
    kaydirma->setWidget(icerik);
    EkrandaTut(this, true);
}

QLabel* TKayitEditoru::AlanEkle(QWidget* W, const QString& Etiket) {
    auto* etiket = new QLabel(Etiket, this);
    W->setAccessibleName(Etiket);
    etiket->setBuddy(W);
    const int satir = degerDuzeni_->rowCount();
    degerDuzeni_->addWidget(etiket, satir, 0);
    degerDuzeni_->addWidget(W, satir, 1);
    TusSuzgeciEkle(W);
    if (!ilkAlan_) ilkAlan_ = W;
    return etiket;
}

QLineEdit* TKayitEditoru::DegerEkle(int No, const std::string& Alan, const QString& Etiket,
                                    const QString& Ipucu, const QString& Temiz) {
    auto* e = new QLineEdit(Temiz, this);
    e->setObjectName(QString("LabeledEdit%1").arg(No));
    e->setToolTip(Ipucu);
    if (ayar_.ProjeTablosu && ayar_.ProjeTablosu->Active() && ayar_.ProjeTablosu->AlanVar(Alan)) {
        const int n = ayar_.ProjeTablosu->FieldByName(Alan).Uzunluk();
        if (n > 0) e->setMaxLength(n);
    }
    QLabel* etiket = AlanEkle(e, Etiket);
    degerler_.push_back({No, Alan, Temiz, e, etiket});
    return e;
}

QLabel* TKayitEditoru::Etiket(int No) const {
    for (const DegerEditi& d : degerler_)
        if (d.No == No) return d.EtiketYazisi;
    return nullptr;
}

QLineEdit* TKayitEditoru::Deger(int No) const {
    for (const DegerEditi& d : degerler_)
        if (d.No == No) return d.Edit;
    return nullptr;
}

void TKayitEditoru::TuretGrubunuKur() {
    if (ayar_.Turet == TuretTuru::Yok) return;
    const TuretMesajlari& m = Mesajlar(ayar_.Turet);
    TuretGrubu = new QGroupBox(ayar_.TuretBasligi, this);
    TuretGrubu->setObjectName("GroupBox2");
    TuretGrubu->setToolTip(ayar_.TuretAciklamasi);
    auto* grup = new QVBoxLayout(TuretGrubu);
    auto* g = new QGridLayout;
    grup->addLayout(g);
    for (int i = 0; i < 5; ++i) {
        auto* etiket = new QLabel(QString::fromUtf8(m.Baslik[i]), TuretGrubu);
        auto* e = new QLineEdit("0", TuretGrubu);
        e->setObjectName(QString("LabeledEdit%1").arg(10 + i));
        e->setAccessibleName(etiket->text());
        e->setMaxLength(6);
        e->setMinimumWidth(60);
        etiket->setBuddy(e);
        g->addWidget(etiket, 0, i);
        g->addWidget(e, 1, i);
        TuretEdit[i] = e;
        TusSuzgeciEkle(e);
    }
    auto* aciklama = new QLabel(ayar_.TuretAciklamasi, TuretGrubu);
    aciklama->setObjectName("Label1");
    aciklama->setWordWrap(true);
    // room for its wrapped lines at the width of the edits above it
    aciklama->setMinimumHeight(aciklama->heightForWidth(g->minimumSize().width()));
    grup->addWidget(aciklama);
    solSutun_->addWidget(TuretGrubu);
}

void TKayitEditoru::Bitir() {
    auto* dugmeler = new QHBoxLayout;
    BitBtn3 = new QPushButton("Kaydet", this);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn3->setToolTip("Bu verileri kaydet");
    BitBtn2 = new QPushButton("Sil", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setToolTip(ayar_.AnahtarEtiketi.chopped(ayar_.AnahtarEtiketi.endsWith(':') ? 1 : 0) +
                        " nolu kaydı veri tabanından sil");
    BitBtn1 = new QPushButton("Vazgeç", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setToolTip("Bu verileri kaydetme, pencereyi kapat");
    for (QPushButton* b : {BitBtn3, BitBtn2, BitBtn1}) {
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setAccessibleName(b->text());
        dugmeler->addWidget(b);
    }
    BitBtn2->hide();
    dugmeler->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(dugmeler);
    solSutun_->addStretch(1);
    sagSutun_->addStretch(1);
    connect(BitBtn3, &QPushButton::clicked, this, [this] { Kaydet(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { Sil(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

void TKayitEditoru::TusSuzgeciEkle(QWidget* W) { W->installEventFilter(this); }

bool TKayitEditoru::eventFilter(QObject* O, QEvent* E) {
    if (E->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(E);
        if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return QDialog::eventFilter(O, E);
        switch (k->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down: focusNextChild(); return true;
        case Qt::Key_Up: focusPreviousChild(); return true;
        default: break;
        }
    } else if (E->type() == QEvent::FocusIn) {
        if (auto* e = qobject_cast<QLineEdit*>(O))
            QTimer::singleShot(0, e, [e] {
                if (e->hasFocus()) e->selectAll();
            });
    } else if (E->type() == QEvent::MouseButtonPress && TuretEdit[0] && O == TuretEdit[0]) {
        // A click into the start edit starts a new generation key.
        Edit0->clear();
        BulVeGoster();
        TuretEdit[0]->setFocus();
    }
    return QDialog::eventFilter(O, E);
}

void TKayitEditoru::showEvent(QShowEvent* E) {
    QDialog::showEvent(E);
    QMetaObject::invokeMethod(this, "GosterimSonrasi", Qt::QueuedConnection);
}

void TKayitEditoru::Hatali(const std::string& Mesaj) { HataMesaji = Mesaj; }

// ---------------------------------------------------------------- set-up

void TKayitEditoru::GosterimSonrasi() {
    if (QWidget* u = parentWidget()) {
        QRect r(u->x() + ayar_.SolKaydirma, u->y() + 350, width(), height());
        if (QScreen* ekran = u->screen()) {
            const QRect a = ekran->availableGeometry();
            r.moveRight(std::min(r.right(), a.right()));
            r.moveBottom(std::min(r.bottom(), a.bottom()));
            r.moveLeft(std::max(r.left(), a.left()));
            r.moveTop(std::max(r.top(), a.top()));
        }
        move(r.topLeft());
    }
    if (EksenResmi && Tablolar.AnaVeriler.Active() && Tablolar.AnaVeriler.RecordCount() > 0) {
        int no = 0;
        if (TamSayiMi(Tablolar.AnaVeriler.FieldByName("KoordinatSistemiNo").AsString(), 1, 99, no))
            ResmiGoster(EksenResmi, "Eksen" + std::to_string(no));
    }
    KurulumOncesi();
    AlanlariTemizle();
    std::string anahtar;
    Tablo* t = ayar_.ProjeTablosu;
    if (t && t->Active() && t->RecordCount() > 0 && !ayar_.AnahtarAlani.empty())
        anahtar = t->FieldByName(ayar_.AnahtarAlani).AsString();
    else if (ayar_.VarsayilanAnahtar)
        anahtar = ayar_.VarsayilanAnahtar();
    {
        QSignalBlocker b(Edit0);
        Edit0->setText(QMetni(anahtar));
    }
    BulVeGoster();
    KurulumSonrasi();
    AnahtaraOdaklan();
}

void TKayitEditoru::AnahtaraOdaklan() {
    QWidget* w = ayar_.AnahtarEditi ? Edit0 : ilkAlan_;
    if (w) w->setFocus();
}

void TKayitEditoru::AlanlariTemizle() {
    if (BitBtn2) BitBtn2->hide();
    bulunan_.clear();
    degistirilecek_ = false;
    for (const DegerEditi& d : degerler_) d.Edit->setText(d.Temiz);
    for (QLineEdit* e : TuretEdit)
        if (e) e->setText("0");
    EkTemizle();
}

// ---------------------------------------------------------------- find

bool TKayitEditoru::KayitBul(const std::string& Anahtar) {
    Tablo* t = ayar_.ProjeTablosu;
    if (!t || !t->Active()) return false;
    if (t->Locate(ayar_.AnahtarAlani, Anahtar)) return true;
    // The written form of the same key: "05" is row "5".
    int no = 0;
    TuretBilesenleri p;
    if (DuzAnahtarCoz(Anahtar, DosyaEnBuyukNo, no) && std::to_string(no) != Anahtar)
        return t->Locate(ayar_.AnahtarAlani, std::to_string(no));
    if (TuretAnahtariMi(Anahtar) && TuretParcala(Anahtar, p) && TuretMetni(p) != Anahtar)
        return t->Locate(ayar_.AnahtarAlani, TuretMetni(p));
    return false;
}

void TKayitEditoru::AnahtarYaz(Tablo& T, const std::string& Anahtar) {
    if (!ayar_.AnahtarAlani.empty()) T.FieldByName(ayar_.AnahtarAlani).SetString(Anahtar);
}

void TKayitEditoru::BulVeGoster() {
    const std::string anahtar = BosluklariSil(StdMetni(Edit0->text()));
    Tablo* t = ayar_.ProjeTablosu;
    if (!anahtar.empty() && KayitBul(anahtar)) {
        for (const DegerEditi& d : degerler_) d.Edit->setText(QMetni(t->FieldByName(d.Alan).AsString()));
        bulunan_ = ayar_.AnahtarAlani.empty() ? anahtar : t->FieldByName(ayar_.AnahtarAlani).AsString();
        degistirilecek_ = true;
        // A plain row sets the "Türet:" edits to "0", so a generation key
        // shown before is neither saved nor deleted again by mistake.
        std::string kalan = bulunan_;
        const bool turet = TuretAnahtariMi(kalan);
        for (QLineEdit* e : TuretEdit)
            if (e) e->setText(turet ? QMetni(KelimeAl(kalan, ",")) : QString("0"));
        if (BitBtn2 && ayar_.AnahtarEditi) BitBtn2->show();
        Gosterildi(true);
    } else {
        AlanlariTemizle();
        Gosterildi(false);
    }
    if (isVisible()) AnahtaraOdaklan();
}

// ---------------------------------------------------------------- builder

bool TKayitEditoru::VarMi(long long No) {
    Tablo* t = ayar_.VarlikTablosu;
    return t && t->Active() && t->Locate(ayar_.VarlikAlani, static_cast<int>(No));
}

std::string TKayitEditoru::TuretAnahtariniKur(const std::string Parca[5]) {
    const TuretMesajlari& m = Mesajlar(ayar_.Turet);
    std::string mesaj;
    int d[5] = {};
    const int alt[5] = {1, 1, 1, 0, 0};
    bool aralikHatasi = false;
    for (int i = 0; i < 5; ++i)
        if (!TamSayiMi(Parca[i], alt[i], static_cast<int>(GirisEnBuyukNo), d[i])) {
            d[i] = 0;
            mesaj = m.Aralik[i];
            aralikHatasi = true;
        }
    const bool ciftHatali = (d[3] == 0) != (d[4] == 0);
    if (ciftHatali && (ayar_.Turet == TuretTuru::Eleman || !aralikHatasi))
        mesaj = "Son eleman2  veya Adım2 hatalı";
    if (!aralikHatasi) {
        if (d[0] == d[1] || d[0] == d[3] || (d[1] - d[0]) % d[2] != 0)
            mesaj = "Verilen adımla başlangıçtan sona varılamıyor";
        if (d[4] > 0 && (d[3] - d[0]) % d[4] != 0) mesaj = "Verilen adımla başlangıçtan sona varılamıyor";
        if (!VarMi(d[0])) mesaj = m.Yok[0];
        if (!VarMi(d[1])) mesaj = m.Yok[1];
        if (d[4] > 0 && !VarMi(d[3])) mesaj = m.Yok[2];
    }
    const TuretBilesenleri p{d[0], d[1], d[2], d[3], d[4]};
    if (mesaj.empty()) {
        // What the steps generate: every number in range and none twice.
        long long kotu = 0;
        switch (TuretDenetle(p, GirisEnBuyukNo, kotu)) {
        case AnahtarKusuru::Yok: break;
        case AnahtarKusuru::Tekrar:
            mesaj = std::to_string(kotu) + " numarası birden çok kez türetiliyor";
            break;
        case AnahtarKusuru::CokFazla: mesaj = "Türet 32767'den fazla numara üretiyor"; break;
        case AnahtarKusuru::TuretAralik:
            mesaj = "Türetilen " + std::to_string(kotu) + " numarası 1..10000 aralığında değil";
            break;
        default: mesaj = "Verilen adımla başlangıçtan sona varılamıyor"; break;
        }
    }
    if (!mesaj.empty()) {
        HataKutusu(mesaj);
        return {};
    }
    return TuretMetni(p);
}

// ---------------------------------------------------------------- save

void TKayitEditoru::Kaydet() {
    Hata = 0;
    if (!ayar_.ProjeTablosu || !ayar_.ProjeTablosu->Active()) return;
    if (!KaydetOncesi()) {
        Hata = 0;
        return;
    }
    std::string anahtar;
    const std::string girilen = BosluklariSil(StdMetni(Edit0->text()));
    const bool turetKutulari = TuretEdit[0] && TuretEdit[0]->text() != "0";
    if (turetKutulari || (ayar_.Turet != TuretTuru::Yok && TuretAnahtariMi(girilen))) {
        std::string parca[5];
        if (turetKutulari) {
            for (int i = 0; i < 5; ++i) parca[i] = StdMetni(TuretEdit[i]->text());
        } else {
            std::string kalan = girilen;
            for (std::string& p : parca) p = KelimeAl(kalan, ",");
            if (!kalan.empty() || parca[4].empty()) {
                HataKutusu("Türet anahtarı Baş,Son1,Adım1,Son2,Adım2 biçiminde beş tam sayı olmalı");
                return;
            }
        }
        anahtar = TuretAnahtariniKur(parca);
        if (anahtar.empty()) return;
    }
    const bool turet = !anahtar.empty();
    if (!turet) {
        anahtar = girilen;
        int no = 0;
        if (DuzAnahtarCoz(anahtar, DosyaEnBuyukNo, no)) anahtar = std::to_string(no);
    }

    HataMesaji.clear();
    Tablo* t = ayar_.ProjeTablosu;
    if (!ayar_.AnahtarAlani.empty() && !t->FieldByName(ayar_.AnahtarAlani).MetinSigar(anahtar))
        Hatali(StdMetni(ayar_.AnahtarEtiketi) + " alanına yazılamaz: " + anahtar);
    for (const DegerEditi& d : degerler_)
        if (!t->FieldByName(d.Alan).MetinSigar(StdMetni(d.Edit->text())))
            Hatali(StdMetni(d.EtiketYazisi->text()) + " alanına yazılamaz: " + StdMetni(d.Edit->text()));
    Denetle(anahtar, turet);
    if (!HataMesaji.empty()) {
        HataKutusu(HataMesaji);
        return;
    }

    // A generation-key row brought up by a find whose key was changed is
    // replaced only on "Evet"; any other answer ends the save with nothing
    // written. A row just saved is no such row: the next key is a new row.
    std::string eski;
    if (degistirilecek_ && TuretAnahtariMi(bulunan_) && bulunan_ != anahtar) {
        // The new key held by another row: two rows cannot share a key, and
        // overwriting that row would drop it without a word.
        if (BaskaSatirinAnahtari(anahtar, bulunan_)) {
            HataKutusu(anahtar + " satırı zaten var; " + bulunan_ + " türet satırı bu anahtarla değiştirilemez");
            return;
        }
        if (MesajKutusu(bulunan_ + " türet satırı " + anahtar + " ile değiştirilecek\rDevam edeyim mi?", "SORU:",
                        "EvetHayır2") != "E")
            return;
        eski = bulunan_;
    }
    const std::string son = YazmadanOnce(anahtar, eski);
    if (!son.empty()) {
        HataKutusu(son);
        return;
    }
    if (!Yaz(anahtar, eski)) return;
    Degisti(anahtar);
    // The replaced key is gone: the key edit shows the row as saved.
    if (!eski.empty()) Edit0->setText(QMetni(anahtar));
    KayitBul(anahtar);
    bulunan_ = anahtar;
    degistirilecek_ = false;
    Kaydedildi();
    if (isVisible()) AnahtaraOdaklan();
}

bool TKayitEditoru::Yaz(const std::string& Anahtar, const std::string& Eski) {
    Tablo& t = *ayar_.ProjeTablosu;
    bool islem = false;
    try {
        t.IslemBaslat();
        islem = true;
        // A replaced row takes its new key in its place, so the rows after
        // it keep overriding it as before.
        if ((!Eski.empty() && KayitBul(Eski)) || KayitBul(Anahtar))
            t.Edit();
        else
            t.Append();
        AnahtarYaz(t, Anahtar);
        for (const DegerEditi& d : degerler_) t.FieldByName(d.Alan).SetString(StdMetni(d.Edit->text()));
        AlanlariYaz(t);
        t.Post();
        t.IslemOnayla();
        return true;
    } catch (const std::exception& e) {
        try {
            t.Cancel();
            if (islem) t.IslemGeriAl();
        } catch (...) {
        }
        HataKutusu(e.what());
        return false;
    }
}

// The reader mirrors the change into the scratch tables; an editor never
// leaves Hata set, or the next project open would skip the expansion. The
// table is put back on the saved row before the grid is told, so the grid
// shows that row as its current one.
void TKayitEditoru::Degisti(const std::string& Anahtar) {
    if (ayar_.Okuyucu) ayar_.Okuyucu();
    Hata = 0;
    if (!Anahtar.empty()) KayitBul(Anahtar);
    TabloDegistiBildir(*ayar_.ProjeTablosu);
}

// Whether a row other than the one of Yerine holds Anahtar.
bool TKayitEditoru::BaskaSatirinAnahtari(const std::string& Anahtar, const std::string& Yerine) {
    Tablo& t = *ayar_.ProjeTablosu;
    const long long yerine = KayitBul(Yerine) ? t.SatirKimligi(t.RecNo() - 1) : -1;
    return KayitBul(Anahtar) && t.SatirKimligi(t.RecNo() - 1) != yerine;
}

// ---------------------------------------------------------------- delete

void TKayitEditoru::Sil() {
    const std::string anahtar = bulunan_;
    if (!ayar_.ProjeTablosu || !ayar_.ProjeTablosu->Active()) return;
    Tablo& t = *ayar_.ProjeTablosu;
    if (anahtar.empty() || !KayitBul(anahtar)) return;
    if (MesajKutusu(SilmeSorusuMetni(anahtar), "SORU:", "EvetHayır2") != "E") return;
    try {
        t.IslemBaslat();
        try {
            if (KayitBul(anahtar)) t.Delete();
            t.IslemOnayla();
        } catch (...) {
            t.IslemGeriAl();
            throw;
        }
    } catch (const std::exception& e) {
        HataKutusu(e.what());
        return;
    }
    Degisti();
    AlanlariTemizle();
    Silindi();
    if (ayar_.SildiktenSonraBosalt) Edit0->clear();
    if (isVisible()) AnahtaraOdaklan();
}

std::string TKayitEditoru::SilmeSorusuMetni(const std::string& Anahtar) {
    return Anahtar + ayar_.SilmeIfadesi + "\rDevam edeyim mi?";
}

// ---------------------------------------------------------------- stepper

void TKayitEditoru::KayitAdimla(bool Sonraki) {
    Tablo* t = ayar_.ProjeTablosu;
    if (!t || !t->Active() || t->RecordCount() == 0) return;
    KayitBul(BosluklariSil(StdMetni(Edit0->text())));  // step from the row shown
    if (Sonraki)
        t->Next();
    else
        t->Prior();
    KayitAdimlandi();
    Edit0->setText(QMetni(t->FieldByName(ayar_.AnahtarAlani).AsString()));
}
