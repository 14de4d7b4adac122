#include "shell/UOrvelta.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>
#include <QVBoxLayout>
#include <cmath>
#include <numeric>
#include <filesystem>
#include <fstream>

#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "engine/ElemanKuvvetleriDosyasi.h"
#include "platform/EkranaSigdir.h"
#include "platform/Erisilebilirlik.h"
#include "platform/QtMetin.h"
#include "platform/Sistem.h"
#include "platform/TabloBildirimi.h"
#include "run/Hesap.h"
#include "shell/MatrisGoster.h"
#include "shell/uSonuclar.h"
#include "shell/TabloModeli.h"
#include "platform/HarfPayi.h"

namespace fs = std::filesystem;

TfOrvelta* fOrvelta = nullptr;

void KomutsuzIsaretle(QWidget* Kontrol) {
    Kontrol->setProperty("KomutYok", true);
    Kontrol->setEnabled(false);
}

void PanelKontrolleriniEtkinlestir(QWidget* Panel, bool Etkin) {
    if (!Panel) return;
    for (QObject* o : Panel->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow()) continue;
        w->setEnabled(Etkin && !w->property("KomutYok").toBool());
    }
}

std::string BellekMetni(double MB) {
    // At most one decimal, "," between thousands, "." before the decimal.
    long long onda = std::llround(MB * 10.0);
    long long tam = onda / 10;
    int kesir = static_cast<int>(onda % 10);
    std::string t = std::to_string(tam), s;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (i > 0 && (t.size() - i) % 3 == 0) s += ',';
        s += t[i];
    }
    if (kesir) s += "." + std::to_string(kesir);
    return "Kullanılan bellek: " + s + " MB";
}

namespace {

QPushButton* Dugme(QWidget* ebeveyn, const char* ad, const QString& baslik, const QString& ipucu) {
    auto* b = new QPushButton(baslik, ebeveyn);
    b->setObjectName(ad);
    b->setToolTip(ipucu);
    b->setStatusTip(ipucu);
    b->setMinimumHeight(30);
    return b;
}

// Shows a control's hint for IpucuGizlemeSuresi ms (menus and lists show
// their own hints).
class IpucuSuresi : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::ToolTip) return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || qobject_cast<QMenu*>(w) || w->toolTip().isEmpty()) return false;
        auto* h = static_cast<QHelpEvent*>(e);
        QToolTip::showText(h->globalPos(), w->toolTip(), w, QRect(), IpucuGizlemeSuresi);
        return true;
    }
};

// Text colour of a control. Colours are set through the palette, not style
// sheets, so that the control's font still follows the window's scale.
void Renk(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

}  // namespace

TfOrvelta::TfOrvelta(const std::string& SabitProgramKlasoru, QWidget* parent)
    : QMainWindow(parent), sabitProgramKlasoru_(SabitProgramKlasoru) {
    HarfPaylariniKur();  // captions keep the dots of Ö, Ü, İ
    setObjectName("TfOrvelta");
    fOrvelta = this;
    SahipPencereAyarla(this);
    ArayuzuKur();
    MenuleriKur();
    KomutlariBagla();
    DBGrid1->installEventFilter(this);
    // The set-up runs once the window is on screen: first the creation step,
    // then the show step (queued from the show event).
    QMetaObject::invokeMethod(this, "OlusturmaSonrasi", Qt::QueuedConnection);
}

TfOrvelta::~TfOrvelta() {
    if (!kapandi_) {
        // Destroyed without a close (a test, or the end of the program without
        // the window's close): still remove the working files.
        QCloseEvent e;
        closeEvent(&e);
    }
    TabloDinlemesiniBirak(tabloDinlemeNo_);
    if (&Arayuz() == this) ArayuzAyarla(nullptr);
    if (fOrvelta == this) fOrvelta = nullptr;
}

// ------------------------------------------------------------------ layout

void TfOrvelta::ArayuzuKur() {
    setWindowTitle("Orvelta:Sonlu Elemanlar Kuvvet Metodu ");
    // The content scrolls where the screen cannot hold it (a large zoom);
    // the window itself never outgrows the screen.
    auto* kaydirma = new TKaydirmaAlani(this);
    kaydirma->setObjectName("MerkezKaydirma");
    setCentralWidget(kaydirma);
    auto* merkez = new QWidget(kaydirma);
    merkez->setObjectName("Merkez");
    auto* anaDuzen = new QHBoxLayout(merkez);
    anaDuzen->setContentsMargins(6, 6, 6, 0);
    anaDuzen->setSpacing(6);

    AracPaneliniKur(merkez);
    anaDuzen->addWidget(Panel1);

    // ---- right side: the grid, the memo, the progress bar and Panel2
    auto* sag = new QWidget(merkez);
    auto* sd = new QVBoxLayout(sag);
    sd->setContentsMargins(0, 0, 0, 0);
    sd->setSpacing(4);

    IzgaraVeMemoyuKur(sag, sd);
    IlerlemeSatiriniKur(sag, sd);
    SilmePaneliniKur(sag);
    sd->addWidget(Panel2);

    ComboboxItemName = new QLineEdit(sag);
    ComboboxItemName->setObjectName("ComboboxItemName");
    ComboboxItemName->hide();
    anaDuzen->addWidget(sag, 1);
    kaydirma->setWidget(merkez);
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    EkrandaTut(this);

    DurumCubugunuKur();

    connect(BitBtn11, &QPushButton::clicked, this, [this] { BitBtn11Click(); });
    connect(BitBtn99, &QPushButton::clicked, this, [this] { BitBtn99Click(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn9, &QPushButton::clicked, this, [] { HesaplaCalistir(); });
}

// Panel1: the tool buttons, the path and the main commands.
void TfOrvelta::AracPaneliniKur(QWidget* Ebeveyn) {
    Panel1 = new QFrame(Ebeveyn);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFixedWidth(270);
    auto* p1 = new QVBoxLayout(Panel1);
    p1->setContentsMargins(8, 8, 8, 8);
    p1->setSpacing(4);

    Label8 = new QLabel(Panel1);
    Label8->setObjectName("Label8");
    Label8->setWordWrap(true);
    Renk(Label8, QColor(0x1a, 0x3c, 0x8c));
    QFont kalinYazi;  // only the weight is set: the size follows the window
    kalinYazi.setBold(true);
    Label8->setFont(kalinYazi);
    Label8->setToolTip("Açık veri tabanı");
    Label8->setStatusTip("Açık veri tabanı");
    // Room for a path of two lines also while no project is open, so the
    // buttons below stay in place.
    Label8->setMinimumHeight(2 * Label8->fontMetrics().lineSpacing());
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    p1->addWidget(Label8);
    p1->addSpacing(4);

    const struct {
        int no;
        const char* baslik;
        int etiket;
    } araclar[] = {
        {1, "Anan veriler", 1},     {2, "Malzeme bilgileri", 2},
        {3, "Kesit bilgileri", 3},  {6, "Koordinatlar", 4},
        {5, "Eleman-nokta bağı", 5}, {4, "Eleman-malzeme-kesit-mafsal bağı", 6},
        {7, "Düğüm tekil yükleri", 7}, {8, "Eleman yükleri", 8},
        {9, "Sınır koşulları", 9},
    };
    ErisilebilirlikKur();
    AracDugmeleri = new QButtonGroup(this);
    AracDugmeleri->setExclusive(true);
    for (const auto& a : araclar) {
        auto* b = new QToolButton(Panel1);
        // down while its table is listed; a screen reader presses it too
        // (said before any change of the button asks for its interface)
        b->setProperty(kKomutDugmesi, true);
        b->setObjectName(QString("SpeedButton%1").arg(a.no));
        b->setText(QString::fromUtf8(a.baslik));
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setMinimumHeight(28);
        b->setProperty("tag", a.etiket);
        const QString ipucu = QString::fromUtf8(a.baslik) + " tablosunu listele ve düzenle";
        b->setToolTip(ipucu);
        b->setStatusTip(ipucu);
        AracDugmeleri->addButton(b, a.no);
        // the arrow keys move between the buttons without pressing them
        b->installEventFilter(this);
        SpeedButton[a.no] = b;
        p1->addWidget(b);
    }
    SpeedButton[1]->setChecked(true);
    p1->addSpacing(10);

    BitBtn11 = Dugme(Panel1, "BitBtn11", "Veri tabanı aç", "Var olan bir veri tabanını aç veya yenisini oluştur");
    BitBtn11->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    BitBtn1 = Dugme(Panel1, "BitBtn1", "Çiz", "Sistemin geometrisini çiz");
    BitBtn9 = Dugme(Panel1, "BitBtn9", "Hesapla\n(Yer değiştirmesiz)",
                    "Eleman kuvvetlerini hesapla. Yer değiştirmeleri hesaplanma. Sonuçları göster");
    BitBtn9->setMinimumHeight(48);
    BitBtn9->setFont(kalinYazi);
    BitBtn99 = Dugme(Panel1, "BitBtn99", "Çık", "Programı kapat");
    BitBtn99->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    p1->addWidget(BitBtn11);
    p1->addWidget(BitBtn1);
    p1->addWidget(BitBtn9);
    p1->addStretch(1);
    p1->addWidget(BitBtn99);
    p1->addSpacing(6);

    Label4 = new QLabel(Panel1);
    Label4->setObjectName("Label4");
    Label4->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel(Panel1);
    Label2->setObjectName("Label2");
    Label2->setAlignment(Qt::AlignCenter);
    Renk(Label2, Qt::gray);
    p1->addWidget(Label4);
    p1->addWidget(Label2);
}

// The grid over the listed table, the memo under it and the hint line.
void TfOrvelta::IzgaraVeMemoyuKur(QWidget* Sag, QVBoxLayout* Duzen) {
    auto* ayirici = new QSplitter(Qt::Vertical, Sag);
    ayirici->setObjectName("Ayirici");
    DBGrid1 = new QTableView(ayirici);
    DBGrid1->setObjectName("DBGrid1");
    IzgaraModeli = new TabloModeli(this);
    DBGrid1->setModel(IzgaraModeli);
    // Every reload of the rows (another table, another project) fits the
    // columns to their captions and contents again.
    connect(IzgaraModeli, &QAbstractItemModel::modelReset, this, [this] { IzgaraSutunlariniSigdir(); });
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The grid is only read: the arrow keys move over its cells, Tab and
    // Shift+Tab go on to the next and previous control.
    DBGrid1->setTabKeyNavigation(false);
    DBGrid1->setAlternatingRowColors(true);
    DBGrid1->horizontalHeader()->setStretchLastSection(false);
    DBGrid1->horizontalHeader()->setDefaultSectionSize(110);
    DBGrid1->verticalHeader()->setDefaultSectionSize(22);
    const QString izgaraIpucu = "Yukarıdaki satırlardan biri çift tıklanarak değişiklik yapılabilir";
    DBGrid1->setStatusTip("Açık veri tabanının seçili tablosu");

    Memo1 = new QPlainTextEdit(ayirici);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo1->hide();
    ayirici->addWidget(DBGrid1);
    ayirici->addWidget(Memo1);
    ayirici->setStretchFactor(0, 3);
    ayirici->setStretchFactor(1, 2);
    Duzen->addWidget(ayirici, 1);

    StaticText1 = new QLabel(izgaraIpucu, Sag);
    StaticText1->setObjectName("StaticText1");
    Renk(StaticText1, QColor(0x55, 0x55, 0x55));
    QFont egikYazi;
    egikYazi.setItalic(true);
    StaticText1->setFont(egikYazi);
    // The hint comes and goes with the window's activation; its line keeps
    // its room so that the grid does not jump.
    QSizePolicy ipucuYeri = StaticText1->sizePolicy();
    ipucuYeri.setRetainSizeWhenHidden(true);
    StaticText1->setSizePolicy(ipucuYeri);
    Duzen->addWidget(StaticText1);
}

// The progress bar of a run and the button that stops it.
void TfOrvelta::IlerlemeSatiriniKur(QWidget* Sag, QVBoxLayout* Duzen) {
    auto* ilerleme = new QHBoxLayout();
    ProgressBar1 = new QProgressBar(Sag);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->hide();
    BitBtn3 = Dugme(Sag, "BitBtn3", "Hesabı durdur", "Hesabı durdur");
    BitBtn3->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    BitBtn3->hide();
    ilerleme->addWidget(ProgressBar1, 1);
    ilerleme->addWidget(BitBtn3);
    Duzen->addLayout(ilerleme);
}

// Panel2: row deletion and the data-entry switch.
void TfOrvelta::SilmePaneliniKur(QWidget* Sag) {
    Panel2 = new QFrame(Sag);
    Panel2->setObjectName("Panel2");
    Panel2->setFrameShape(QFrame::StyledPanel);
    auto* p2 = new QHBoxLayout(Panel2);
    p2->setContentsMargins(8, 4, 8, 4);
    BitBtn5 = Dugme(Panel2, "BitBtn5", "Tüm verileri sil",
                    "Açık veri tabanının ana veriler dışındaki tüm kayıtlarını sil");
    BitBtn23 = Dugme(Panel2, "BitBtn23", "Seçili satırları sil", "Tabloda seçili satırları sil");
    BitBtn4 = Dugme(Panel2, "BitBtn4", "Tüm satırları sil", "Listelenen tablonun tüm satırlarını sil");
    for (auto* b : {BitBtn5, BitBtn23, BitBtn4}) {
        b->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
        p2->addWidget(b);
    }
    p2->addStretch(1);
    RadioGroup2 = new QGroupBox("Veri girişi", Panel2);
    RadioGroup2->setObjectName("RadioGroup2");
    RadioGroup2->setToolTip("Veri girişi açık değilse tablolar değiştirilemez");
    RadioGroup2->setStatusTip("Veri girişi açık değilse tablolar değiştirilemez");
    auto* rg = new QHBoxLayout(RadioGroup2);
    rg->setContentsMargins(8, 2, 8, 2);
    VeriGirisiAcik = new QRadioButton("Açık", RadioGroup2);
    VeriGirisiAcik->setObjectName("RadioGroup2Acik");
    VeriGirisiKapali = new QRadioButton("Kapalı", RadioGroup2);
    VeriGirisiKapali->setObjectName("RadioGroup2Kapali");
    VeriGirisiKapali->setChecked(true);
    rg->addWidget(VeriGirisiAcik);
    rg->addWidget(VeriGirisiKapali);
    p2->addWidget(RadioGroup2);
}

namespace {
// The widest text of the memory label.
const char* const EnGenisBellekMetni = "Kullanılan bellek: 9,999.9 MB";
}  // namespace

// The status bar: the hint under the mouse, processors, threads, memory.
void TfOrvelta::DurumCubugunuKur() {
    statusBar()->setObjectName("StatusBar1");
    Renk(statusBar(), Qt::red);
    Label7 = new QLabel(this);
    Label7->setObjectName("Label7");
    Label10 = new QLabel(this);
    Label10->setObjectName("Label10");
    Label9 = new QLabel(this);
    Label9->setObjectName("Label9");
    for (auto* l : {Label7, Label10, Label9}) {
        Renk(l, Qt::black);
        l->setContentsMargins(8, 0, 8, 0);
        statusBar()->addPermanentWidget(l);
    }
    // The memory figure changes all the time: its label keeps one width so
    // that the labels beside it stay still.
    Label9->setMinimumWidth(Label9->fontMetrics().horizontalAdvance(EnGenisBellekMetni) + 16);
    Label9->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// The status line grows with the zoom only as far as its labels, and room
// for the hint under the mouse, fit in a window Genislik pixels wide: a
// window the screen holds narrow keeps them whole.
void TfOrvelta::DurumCubugunuOlcekle(int Genislik) {
    QFont f = font();
    f.setPointSizeF(tasarim_.Yazi);
    const QFontMetrics fm(f);
    constexpr int IpucuYeri = 200;
    const int gerekli = IpucuYeri + fm.horizontalAdvance("İşlemci sayısı: 999") + fm.horizontalAdvance("Threads: 8") +
                        fm.horizontalAdvance(EnGenisBellekMetni) + 3 * 16 + 3 * 8;
    const double k = std::min(Olcek(), static_cast<double>(Genislik) / gerekli);
    f.setPointSizeF(tasarim_.Yazi * k);
    statusBar()->setFont(f);
    for (QLabel* l : {Label7, Label10, Label9}) l->setFont(f);
    Label9->setMinimumWidth(QFontMetrics(f).horizontalAdvance(EnGenisBellekMetni) + 16);
}

void TfOrvelta::MenuleriKur() {
    // A switched-off item looks switched off also while another window of
    // the program is in front.
    menuBar()->setStyleSheet("QMenuBar::item:disabled { color: palette(mid); }");
    // Each menu opens with Alt and its underlined letter; F10 opens the first.
    Veri = menuBar()->addMenu("&Dosya");
    Veri->setObjectName("Veri");
    Veri->setToolTipsVisible(true);
    SonDosyaGrubu = new QActionGroup(this);
    SonDosyaGrubu->setExclusive(true);
    for (int i = 1; i <= 5; ++i) {
        auto* a = Veri->addAction(QString());
        a->setObjectName(QString("VeriTabaniAc%1").arg(i));
        a->setCheckable(true);
        a->setToolTip("Bu veri tabanı açılır");
        a->setStatusTip("Bu veri tabanı açılır");
        a->setVisible(false);  // an empty item is not shown
        SonDosyaGrubu->addAction(a);
        VeriTabaniAc[i] = a;
        connect(a, &QAction::triggered, this, [this, a] { VeriTabaniAc1Click(a); });
    }
    VeriTabaniAc[6] = Veri->addAction("______________________________");
    VeriTabaniAc[6]->setObjectName("VeriTabaniAc6");
    VeriTabaniAc[6]->setEnabled(false);  // a dividing line only
    Ac1 = Veri->addAction("Aç");
    Ac1->setObjectName("Ac1");
    Ac1->setStatusTip("Var olan bir veri tabanını aç");
    Yeni1 = Veri->addAction("Yeni");
    Yeni1->setObjectName("Yeni1");
    Yeni1->setStatusTip("Yeni bir veri tabanı oluştur");
    Farklikaydet1 = Veri->addAction("Farklı kaydet");
    Farklikaydet1->setObjectName("Farklikaydet1");
    Farklikaydet1->setStatusTip("Açık veri tabanının bir kopyasını oluştur ve onu aç");
    Veri->addSeparator();
    Programkapa1 = Veri->addAction("Çık(Programı kapa)");
    Programkapa1->setObjectName("Programkapa1");
    connect(Ac1, &QAction::triggered, this, [this] { VeriTabaniAc1Click(Ac1); });
    connect(Yeni1, &QAction::triggered, this, [this] { VeriTabaniAc1Click(Yeni1); });
    connect(Farklikaydet1, &QAction::triggered, this, [this] { Farklikaydet1Click(); });
    connect(Programkapa1, &QAction::triggered, this, [this] { Programkapa1Click(); });

    Ayarlar1 = menuBar()->addMenu("&Ayarlar");
    Ayarlar1->setObjectName("Ayarlar1");
    Ayarlar1->setToolTipsVisible(true);
    auto* hesapGrubu = new QActionGroup(this);
    hesapGrubu->setExclusive(true);
    YerDegistirmesiz = Ayarlar1->addAction("Yer değiştirmesiz hesap");
    YerDegistirmesiz->setObjectName("YerDegistirmesiz");
    YerDegistirmesiz->setToolTip("Yer değiştirmeler hesaplanmayacak(hesap süresi kısa)");
    YerDegistirmesiz->setStatusTip(YerDegistirmesiz->toolTip());
    YerDegistirmeli = Ayarlar1->addAction("Yer değiştirmeli hesap");
    YerDegistirmeli->setObjectName("YerDegistirmeli");
    YerDegistirmeli->setToolTip("Yer değiştirmeler hesaplanacak(hesap süresi uzun)");
    YerDegistirmeli->setStatusTip(YerDegistirmeli->toolTip());
    for (auto* a : {YerDegistirmesiz, YerDegistirmeli}) {
        a->setCheckable(true);
        hesapGrubu->addAction(a);
        connect(a, &QAction::triggered, this, [this] { YerDegistirmesizClick(); });
    }
    YerDegistirmesiz->setChecked(true);

    MatrisGoster1 = menuBar()->addMenu("&Matris göster...");
    MatrisGoster1->setObjectName("MatrisGoster1");
    auto* matrisGrubu = new QActionGroup(this);
    matrisGrubu->setExclusive(true);
    const struct {
        QAction** oge;
        const char* ad;
        const char* baslik;
    } matrisler[] = {
        {&NGoster, "NGoster", "N denge matrisi"},
        {&indirgenmisNGoster, "indirgenmisNGoster", "İndirgenmiş N"},
        {&B0Goster, "B0Goster", "B0 matrisi"},
        {&BxTGoster, "BxTGoster", "Bx transpoz matrisi"},
        {&NBxTGoster, "NBxTGoster", "N+BxT matrisi"},
        {&NBxTfGoster, "NBxTfGoster", "N+BxTf matrisi"},
        {&indirgenmisNbxTfGoster, "indirgenmisNbxTfGoster", "İndirgenmiş N+BxTf matrisi"},
        {&HicbiriGoster, "HicbiriGoster", "Hiçbiri"},
    };
    for (const auto& m : matrisler) {
        auto* a = MatrisGoster1->addAction(QString::fromUtf8(m.baslik));
        a->setObjectName(m.ad);
        a->setCheckable(true);
        matrisGrubu->addAction(a);
        *m.oge = a;
    }
    // As designed, the first item is checked; the set-up checks "Hiçbiri".
    NGoster->setChecked(true);

    Yardm1 = menuBar()->addAction("&Yardım");
    Yardm1->setObjectName("Yardm1");
    Hakkinda1 = menuBar()->addAction("&Hakkında");
    Hakkinda1->setObjectName("Hakkinda1");
    FormubuyutKucult1 = menuBar()->addAction("&Formu büyüt/küçült");
    FormubuyutKucult1->setObjectName("FormubuyutKucult1");

    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        if (Veri->menuAction()->isEnabled()) menuBar()->setActiveAction(Veri->menuAction());
    });
}

// ------------------------------------------------------------------ set-up

void TfOrvelta::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (ilkGosterim_) {
        ilkGosterim_ = false;
        QMetaObject::invokeMethod(this, "GosterimSonrasi", Qt::QueuedConnection);
    }
}

void TfOrvelta::OlusturmaSonrasi() {
    // Place and size the window; at 1280 x 800 it fills the screen but for a
    // small margin.
    QRect ekran = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize tumEkran = screen() ? screen()->size() : ekran.size();
    EkranGenisligi = tumEkran.width();
    EkranYuksekligi = tumEkran.height();
    resize(std::min(1240, std::max(800, ekran.width() - 40)),
           std::min(740, std::max(560, ekran.height() - 60)));
    move(ekran.left() + 20, ekran.top() + 20);

    // Hints: yellow background, each shown for six seconds.
    QPalette ipucuRengi = QToolTip::palette();
    ipucuRengi.setColor(QPalette::ToolTipBase, QColor(255, 255, 0));
    ipucuRengi.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(ipucuRengi);
    static IpucuSuresi sure;
    qApp->removeEventFilter(&sure);
    qApp->installEventFilter(&sure);

    setWindowTitle(QMetni("Orvelta:Sonlu Elemanlar Kuvvet Metodu " + TelifMetni));
    Label4->setText(QMetni(TelifMetni));
    Label2->setText("© Orvelta");
}

std::string TfOrvelta::VerilerOrtakKlasoru() const { return ProgramKlasoru + "/VerilerOrtak"; }
std::string TfOrvelta::TestProjesi() const { return ProgramKlasoru + "/VerilerOrtak/TEST/Test.mdb"; }
std::string TfOrvelta::BosSablon() const { return ProgramKlasoru + "/VerilerOrtak/BOS.mdb"; }
std::string TfOrvelta::ElemanKuvvetleriDosyaYolu() const {
    return ProgramKlasoru + "/VerilerOrtak/ElemanKuvvetleri.txt";
}
std::string TfOrvelta::AyarDosyasi() const { return ProgramKlasoru + "/VerilerOrtak/Ayarlar.txt"; }

void TfOrvelta::GosterimSonrasi() {
    ArayuzAyarla(this);
    // 1. The program folder.
    if (sabitProgramKlasoru_.empty()) {
        try {
            ProgramYollariniBelirle();
        } catch (const std::exception& e) {
            MesajKutusu(e.what(), "HATA:", "TamamHata1");
        }
    } else {
        ProgramKlasoru = sabitProgramKlasoru_;
        VerilerKlasoru = sabitProgramKlasoru_;
    }
    // 2. No outside viewer has been started by this copy yet: nothing to close.

    // 3. The four working databases, and the folders the program needs.
    std::error_code ec;
    calismaDosyalariVar_ = true;
    fs::create_directories(VerilerOrtakKlasoru(), ec);
    fs::create_directories(ProgramKlasoru + "/Veriler", ec);
    try {
        const std::string k = VerilerOrtakKlasoru();
        YazBozYaz(k + "/YazBoz.mdb");
        ProfillerYaz(k + "/Profiller.mdb");
        CizimVeriTabaniYaz(k + "/ElemanKuvvetleriCizim.mdb");
        BosSablonuYaz(k + "/BOS.mdb");
    } catch (const std::exception& e) {
        MesajKutusu(e.what(), "HATA:", "TamamHata1");
    }
    CalismaTablolariniHazirla();

    // 4. The element force file, created empty.
    try {
        ElemanKuvvetleriDosyasi.Ata(ElemanKuvvetleriDosyaYolu());
        ElemanKuvvetleriDosyasi.Olustur();
    } catch (const std::exception& e) {
        MesajKutusu(e.what(), "HATA:", "TamamHata1");
    }

    // 5. Settings.
    AyarlariOku();
    ayarlarOkundu_ = true;
    if (kapandi_) return;  // closed while a message of the set-up was on screen
    // 6. A run never stops at an intermediate matrix after start.
    HicbiriGoster->setChecked(true);
    // 7. The last project.
    AcikVeriTabani = SonVeriTabani;
    // 8. Calculation mode.
    YerDegistirmesizClick();
    // 9. Open the project (or the test project).
    VeriTabaniniAc();
    if (kapandi_) return;
    IzgaraTablosunuAyarla(&Tablolar.AnaVeriler);
    // 10. Recent list.
    SonDosyalarMenusunuGuncelle();
    // 11. Window scale.
    Ayarlar.Olcek = FormOlcegi;
    if (FormOlcegi != 100) ScaleBy(FormOlcegi, 100);
    // 12. Processors and threads.
    IslemciEtiketleriniYaz();
    BellekGoster();
    kurulumTamam_ = true;
}

void TfOrvelta::IslemciEtiketleriniYaz() {
    Label7->setText(QString("İşlemci sayısı: %1").arg(IsParcacigiSayisi));
    Label10->setText(QString("Threads: %1").arg(IsParcacigiSayisi <= 4 ? IsParcacigiSayisi : 8));
}

void TfOrvelta::ScaleBy(int P, int Q) {
    if (P <= 0 || Q <= 0) return;
    // The sizes of the design are kept at the first scaling; every scaling
    // works from them, so scaling back gives them again exactly.
    if (!tasarim_.Kayitli) {
        tasarim_.Kayitli = true;
        tasarim_.Yazi = font().pointSizeF();
        tasarim_.Pencere = size();
        for (QWidget* w : findChildren<QWidget*>()) {
            if (w->isWindow()) continue;
            tasarim_.Boyutlar.push_back({w, w->minimumSize(), w->maximumSize()});
        }
        tasarim_.SatirYuksekligi = DBGrid1->verticalHeader()->defaultSectionSize();
    }
    olcekPay_ *= P;
    olcekPayda_ *= Q;
    const long long ortak = std::gcd(olcekPay_, olcekPayda_);
    olcekPay_ /= ortak;
    olcekPayda_ /= ortak;
    const double k = Olcek();
    auto olc = [k](int v) { return v >= QWIDGETSIZE_MAX ? v : static_cast<int>(std::lround(v * k)); };

    QFont f = font();
    f.setPointSizeF(tasarim_.Yazi * k);
    setFont(f);
    // The menu bar (drawn through its style sheet) and the menus, which are
    // windows of their own, take the size by hand.
    for (QWidget* m : std::initializer_list<QWidget*>{menuBar(), Veri, Ayarlar1, MatrisGoster1}) m->setFont(f);
    for (const auto& b : tasarim_.Boyutlar) {
        if (!b.Kontrol) continue;
        b.Kontrol->setMinimumSize(olc(b.EnAz.width()), olc(b.EnAz.height()));
        b.Kontrol->setMaximumSize(olc(b.EnCok.width()), olc(b.EnCok.height()));
    }
    DBGrid1->verticalHeader()->setDefaultSectionSize(olc(tasarim_.SatirYuksekligi));
    IzgaraSutunlariniSigdir();

    // The layouts take the new sizes at once, so that the window may shrink.
    for (QLayout* l : findChildren<QLayout*>()) l->activate();
    if (layout()) layout()->activate();

    QSize yeni(olc(tasarim_.Pencere.width()), olc(tasarim_.Pencere.height()));
    // A larger window still fits on the screen, with the margin of its place.
    if (k > 1.0 && screen()) {
        const QRect ekran = screen()->availableGeometry();
        yeni = yeni.boundedTo(ekran.size() - QSize(40, 40));
        move(std::min(x(), ekran.right() - 20 - yeni.width()), std::min(y(), ekran.bottom() - 20 - yeni.height()));
    }
    DurumCubugunuOlcekle(yeni.width());
    resize(yeni);
}

void TfOrvelta::OneGetir() {
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

// ------------------------------------------------------------------ memory, activation

long long TfOrvelta::BellekGoster() {
    long long bayt = static_cast<long long>(KullanilanBellek());
    Label9->setText(QMetni(BellekMetni(static_cast<double>(bayt) / 1024.0 / 1024.0)));
    return bayt;
}

void TfOrvelta::FormActivate() {
    BellekGoster();
    StaticText1->show();
}

void TfOrvelta::FormDeactivate() {
    BellekGoster();
    StaticText1->hide();
}

void TfOrvelta::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && kurulumTamam_) {
        if (isActiveWindow()) FormActivate(); else FormDeactivate();
    }
}

// ------------------------------------------------------------------ exit

void TfOrvelta::closeEvent(QCloseEvent* e) {
    if (kapandi_) {
        e->accept();
        return;
    }
    // Closing while a calculation runs would pull the tables from under it:
    // the user is asked to stop it first, and the window closes once the
    // stopped calculation has ended.
    if (HesapYapiliyor()) {
        e->ignore();
        if (kapanisBekliyor_) return;
        if (MesajKutusu("Hesabı durdurmak istiyor musunz?", "SORU:", "EvetHayır2") == "E") {
            Hata = 1;
            kapanisBekliyor_ = true;
            KapanisiBekle();
        }
        return;
    }
    kapandi_ = true;
    if (ayarlarOkundu_) AyarlariYaz();
    if (calismaDosyalariVar_) {
        try {
            ElemanKuvvetleriDosyasi.Sil();
        } catch (const std::exception&) {
        }
        std::error_code ec;
        fs::remove(ElemanKuvvetleriDosyaYolu(), ec);
        IzgaraTablosunuAyarla(nullptr);
        TablolariKapat();
        CalismaDosyalariniSil();
    }
    e->accept();
}

void TfOrvelta::KapanisiBekle() {
    QTimer::singleShot(50, this, [this] {
        if (HesapYapiliyor()) {
            KapanisiBekle();
            return;
        }
        kapanisBekliyor_ = false;
        close();
    });
}

void TfOrvelta::CalismaDosyalariniSil() {
    std::error_code ec;
    for (const char* ad : {"Profiller.mdb", "BOS.mdb", "YazBoz.mdb", "ElemanKuvvetleriCizim.mdb"}) {
        const std::string yol = VerilerOrtakKlasoru() + "/" + ad;
        fs::remove(yol, ec);
        // A journal left by an interrupted write belongs to the working file.
        fs::remove(yol + "-journal", ec);
    }
}

bool TfOrvelta::CalismaDosyasiMi(const std::string& Yol) const {
    if (Yol.empty()) return false;
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(Yol, ec), ec);
    fs::path k = fs::weakly_canonical(fs::absolute(VerilerOrtakKlasoru(), ec), ec);
    if (p.parent_path() != k) return false;
    QString ad = QString::fromStdString(p.filename().string()).toLower();
    return ad == "bos.mdb" || ad == "yazboz.mdb" || ad == "profiller.mdb" ||
           ad == "elemankuvvetlericizim.mdb";
}

// ------------------------------------------------------------------ grid

Tablo* TfOrvelta::IzgaraTablosu() const { return IzgaraModeli->Tablosu(); }

void TfOrvelta::IzgaraTablosunuAyarla(Tablo* T) { IzgaraModeli->TabloAyarla(T); }

void TfOrvelta::IzgaraSutunlariniSigdir() {
    DBGrid1->resizeColumnsToContents();
    for (int i = 0; i < IzgaraModeli->columnCount(); ++i) {
        // The problem description is a long text: it gets room of its own.
        const double k = Olcek();
        const int en = static_cast<int>((IzgaraModeli->AlanAdi(i) == "ProbleminTanimi" ? 420 : 90) * k);
        DBGrid1->setColumnWidth(
            i, std::max(en, std::min(static_cast<int>(260 * k), DBGrid1->columnWidth(i) + 16)));
    }
}

void TfOrvelta::IzgarayiYenile() { IzgaraModeli->Yenile(); }

// ------------------------------------------------------------------ the port

void TfOrvelta::MemoEkle(const std::string& satir) {
    KullaniciArayuzu::MemoEkle(satir);
    Memo1->appendPlainText(QMetni(satir));
}

void TfOrvelta::MemoSonSatiriDegistir(const std::string& satir) {
    KullaniciArayuzu::MemoSonSatiriDegistir(satir);
    QTextCursor c(Memo1->document()->lastBlock());
    c.select(QTextCursor::BlockUnderCursor);
    if (Memo1->document()->blockCount() > 1) {
        c.removeSelectedText();
        Memo1->appendPlainText(QMetni(satir));
    } else {
        Memo1->setPlainText(QMetni(satir));
    }
}

void TfOrvelta::MemoTemizle() {
    KullaniciArayuzu::MemoTemizle();
    Memo1->clear();
}

void TfOrvelta::IlerlemeGoster(bool gorunur) { ProgressBar1->setVisible(gorunur); }
void TfOrvelta::IlerlemeMaksimum(int m) { ProgressBar1->setMaximum(m); }
void TfOrvelta::IlerlemeKonumu(int k) { ProgressBar1->setValue(k); }
void TfOrvelta::BellekEtiketi(const std::string& metin) { Label9->setText(QMetni(metin)); }

bool TfOrvelta::YerDegistirmeliHesap() const { return YerDegistirmeli->isChecked(); }

void TfOrvelta::YerDegistirmeliHesapAyarla(bool b) {
    (b ? YerDegistirmeli : YerDegistirmesiz)->setChecked(true);
    YerDegistirmesizClick();
}

int TfOrvelta::MatrisGosterSecimi() const {
    const QAction* sira[] = {NGoster, indirgenmisNGoster, B0Goster, BxTGoster,
                             NBxTGoster, NBxTfGoster, indirgenmisNbxTfGoster};
    for (int i = 0; i < 7; ++i)
        if (sira[i]->isChecked()) return i + 1;
    return 0;
}

void TfOrvelta::MatrisGosterSecimiAyarla(int s) {
    QAction* sira[] = {HicbiriGoster, NGoster, indirgenmisNGoster, B0Goster, BxTGoster,
                       NBxTGoster, NBxTfGoster, indirgenmisNbxTfGoster};
    if (s >= 0 && s <= 7) sira[s]->setChecked(true);
}

void TfOrvelta::KomutPanelleriniEtkinlestir(bool Etkin) {
    // A calculation starts as the window's deactivation does: the memory
    // label refreshed and the editing hint hidden; it comes back with the
    // window's next activation.
    if (!Etkin) FormDeactivate();
    // The command that took the keyboard from the panels ("Hesapla", "Veri
    // tabanı aç") has it again once they are back.
    QWidget* odak = focusWidget();
    if (!Etkin && odak && (Panel1->isAncestorOf(odak) || Panel2->isAncestorOf(odak))) panelOdagi_ = odak;
    PanelKontrolleriniEtkinlestir(Panel1, Etkin);
    PanelKontrolleriniEtkinlestir(Panel2, Etkin);
    if (Etkin && panelOdagi_) {
        if (panelOdagi_->isEnabled() && panelOdagi_->isVisible()) panelOdagi_->setFocus();
        panelOdagi_ = nullptr;
    }
    // The menus open, copy and close projects: while a calculation runs on
    // the tables they wait as the panels do. Each menu is switched on its own
    // (a switched-off bar would draw its items as if they worked); items
    // without a command stay off.
    for (QAction* a : menuBar()->actions())
        a->setEnabled(Etkin && !a->property("KomutYok").toBool());
}

void TfOrvelta::MemoGorunur(bool gorunur) { Memo1->setVisible(gorunur); }
void TfOrvelta::DurdurmaDugmesiGorunur(bool gorunur) {
    BitBtn3->setVisible(gorunur);
    // While the run goes on the panels are off: Enter or Space stops it.
    if (gorunur) BitBtn3->setFocus();
}

void TfOrvelta::BitBtn3Click() {
    // The run sees the flag at its next test and ends quietly.
    if (MesajKutusu("Hesabı durdurmak istiyor musunz?", "SORU:", "EvetHayır2") == "E") Hata = 1;
}

void TfOrvelta::MatrisGoster(const MatrisGosterimi& M) {
    TMatrisGoster g(M, this);
    g.Goster();
}

void TfOrvelta::SonuclariGoster() {
    TfSonuclar sonuclar(this);
    sonuclar.exec();
}
