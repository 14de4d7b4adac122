#include "drawing/MeshCiz.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "drawing/CizimGeometrisi.h"
#include "drawing/KuvvetDiyagramlari.h"
#include "engine/MotorYardim.h"
#include "engine/SistemDengeDenklemleri.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/KullaniciArayuzu.h"
#include "platform/EkranaSigdir.h"
#include "platform/Resimler.h"
#include "platform/HarfPayi.h"

namespace {

TfMeshCiz* fMeshCiz = nullptr;

QSlider* Cubuk(QWidget* ebeveyn, const char* ad, int alt, int ust, int deger, const QString& ipucu = {}) {
    auto* s = new QSlider(Qt::Horizontal, ebeveyn);
    s->setObjectName(ad);
    s->setRange(alt, ust);
    s->setValue(deger);
    s->setToolTip(ipucu);
    s->setMinimumWidth(120);
    return s;
}

QLabel* Etiket(QWidget* ebeveyn, const char* ad, const QString& metin) {
    auto* l = new QLabel(metin, ebeveyn);
    l->setObjectName(ad);
    return l;
}

QCheckBox* Kutu(QWidget* ebeveyn, const char* ad, const QString& metin, bool isaretli) {
    auto* c = new QCheckBox(metin, ebeveyn);
    c->setObjectName(ad);
    c->setChecked(isaretli);
    return c;
}

QPushButton* Dugme(QWidget* ebeveyn, const char* ad, const QString& metin) {
    auto* b = new QPushButton(metin, ebeveyn);
    b->setObjectName(ad);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

// A radio group: a group box with its buttons in a button group (ids from 0).
QGroupBox* RadyoGrubu(QWidget* ebeveyn, const char* ad, const QString& baslik, const QStringList& ogeler,
                      int sutun, QButtonGroup*& grup) {
    auto* g = new QGroupBox(baslik, ebeveyn);
    g->setObjectName(ad);
    grup = new QButtonGroup(g);
    auto* l = new QGridLayout(g);
    l->setContentsMargins(6, 4, 6, 4);
    l->setVerticalSpacing(2);
    const int satir = (static_cast<int>(ogeler.size()) + sutun - 1) / sutun;
    for (int i = 0; i < ogeler.size(); ++i) {
        auto* r = new QRadioButton(ogeler[i], g);
        grup->addButton(r, i);
        l->addWidget(r, i % satir, i / satir);
    }
    return g;
}

std::string GenelMetin(double x) { return GenelSayiMetni(x); }

}  // namespace

std::string CizimDosyaAdi(const std::string& ProbleminTanimi) {
    std::string s;
    for (char ch : ProbleminTanimi) {
        const unsigned char c = static_cast<unsigned char>(ch);
        const bool yasak = c < 32 || ch == '/' || ch == '\\' || ch == ':' || ch == '*' || ch == '?' ||
                           ch == '"' || ch == '<' || ch == '>' || ch == '|';
        s += yasak ? '_' : ch;
    }
    // Neither a hidden name nor one of the folder names "." and "..".
    std::size_t bas = s.find_first_not_of(" .");
    s = bas == std::string::npos ? std::string() : s.substr(bas);
    while (!s.empty() && (s.back() == ' ' || s.back() == '.')) s.pop_back();
    return s.empty() ? "Çizim" : s;
}

bool CizimiKaydet(const QImage& Resim, const std::string& Dosya, std::string& Hata) {
    const QString yol = QString::fromStdString(Dosya);
    const QString uzanti = QFileInfo(yol).suffix().toLower();
    const char* bicim = nullptr;
    if (uzanti == "png") bicim = "PNG";
    else if (uzanti == "jpg" || uzanti == "jpeg") bicim = "JPEG";
    else if (uzanti == "bmp") bicim = "BMP";
    if (!bicim) {
        Hata = "Çizim yalnız .png, .jpg, .jpeg veya .bmp uzantılı dosyaya kaydedilebilir: " + Dosya;
        return false;
    }
    if (Resim.isNull() || !Resim.save(yol, bicim, bicim == std::string("JPEG") ? 95 : -1)) {
        Hata = "Çizim kaydedilemedi: " + Dosya;
        return false;
    }
    return true;
}

TfMeshCiz::TfMeshCiz(bool SadeceGeometri, QWidget* Ust) : QDialog(Ust), sadeceGeometri_(SadeceGeometri) {
    HarfPaylariniKur();  // captions keep the dots of Ö, Ü, İ
    setObjectName("fMeshCiz");
    setWindowTitle("Çiz");
    setModal(true);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    // The picture.
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setMinimumSize(300, 300);
    Image1 = new QLabel;
    Image1->setObjectName("Image1");
    Image1->setToolTip("Orijin tıklanan noktaya taşınır");
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->installEventFilter(this);
    ScrollBox1->setWidget(Image1);

    // The controls, in two columns.
    auto* panel = new QWidget(this);
    auto* sol = new QVBoxLayout;
    auto* sag = new QVBoxLayout;

    RadioGroup1 = RadyoGrubu(panel, "RadioGroup1", "Ekran düzlemi", {"X-Y", "X-Z", "Y-X", "Y-Z", "Z-X", "Z-Y"}, 2, Grup1);
    RadioGroup2 = RadyoGrubu(panel, "RadioGroup2", "Görünüş", {"X-Y", "X-Z", "Y-Z"}, 1, Grup2);
    Grup2->setExclusive(true);
    Image2 = new QLabel(panel);
    Image2->setObjectName("Image2");
    Image2->setToolTip("Çizimin yapıldığı koordinat sistemi");
    Image2->setFixedSize(90, 90);
    QStringList turler;
    for (int i = 0; i < 5; ++i) turler << QString::fromUtf8(CizimTuruAdi(static_cast<CizimTuru>(i)));
    RadioGroup3 = RadyoGrubu(panel, "RadioGroup3", "Ne çizilecek ?", turler, 1, Grup3);
    Grup3->button(0)->setChecked(true);

    auto* ust = new QHBoxLayout;
    auto* eksenler = new QVBoxLayout;
    eksenler->addWidget(RadioGroup1);
    eksenler->addWidget(RadioGroup2);
    ust->addLayout(eksenler);
    ust->addWidget(Image2, 0, Qt::AlignTop);
    sol->addLayout(ust);
    sol->addWidget(RadioGroup3);

    CheckBox1 = Kutu(panel, "CheckBox1", "Eleman no", true);
    CheckBox2 = Kutu(panel, "CheckBox2", "Nokta no", false);
    CheckBox3 = Kutu(panel, "CheckBox3", "Ordinatlar", true);
    CheckBox4 = Kutu(panel, "CheckBox4", "Mafsallar", true);
    CheckBox5 = Kutu(panel, "CheckBox5", "Pozitif moment çekme tarafı", true);
    CheckBox6 = Kutu(panel, "CheckBox6", "Yerel x ekseni", true);
    // The short boxes two to a row, in their order; without results
    // "Ordinatlar" is left out and the boxes after it close up.
    auto* kutular = new QGridLayout;
    std::vector<QCheckBox*> kisalar = {CheckBox1, CheckBox2, CheckBox3, CheckBox4};
    if (sadeceGeometri_) kisalar.erase(kisalar.begin() + 2);
    const int kisaSatir = (static_cast<int>(kisalar.size()) + 1) / 2;
    for (int i = 0; i < static_cast<int>(kisalar.size()); ++i) kutular->addWidget(kisalar[i], i / 2, i % 2);
    kutular->addWidget(CheckBox5, kisaSatir, 0, 1, 2);
    kutular->addWidget(CheckBox6, kisaSatir + 1, 0, 1, 2);
    sol->addLayout(kutular);

    auto* aralik = new QGridLayout;
    LabeledEdit1 = new QLineEdit("1", panel);
    LabeledEdit1->setObjectName("LabeledEdit1");
    LabeledEdit2 = new QLineEdit("10000", panel);
    LabeledEdit2->setObjectName("LabeledEdit2");
    auto* e1 = Etiket(panel, "Label10", "İlk eleman no:");
    auto* e2 = Etiket(panel, "Label11", "Son eleman no:");
    e1->setBuddy(LabeledEdit1);
    e2->setBuddy(LabeledEdit2);
    for (QLineEdit* e : {LabeledEdit1, LabeledEdit2}) {
        e->setMaximumWidth(70);
        e->installEventFilter(this);
    }
    aralik->addWidget(e1, 0, 0);
    aralik->addWidget(LabeledEdit1, 0, 1);
    aralik->addWidget(e2, 1, 0);
    aralik->addWidget(LabeledEdit2, 1, 1);
    UpDown1 = new QSpinBox(panel);
    UpDown1->setObjectName("UpDown1");
    UpDown1->setRange(5, 10);
    UpDown1->setValue(7);
    UpDown1->setToolTip("Eleman no ve nokta no fontunu değiştir");
    // The spin box shows the size itself; the label keeps it for readers of the window.
    StaticText8 = Etiket(panel, "StaticText8", "7");
    StaticText8->setVisible(false);
    auto* fontEtiketi = Etiket(panel, "Label13", "Yazı boyu:");
    fontEtiketi->setBuddy(UpDown1);
    aralik->addWidget(fontEtiketi, 2, 0);
    aralik->addWidget(UpDown1, 2, 1);
    sol->addLayout(aralik);
    sol->addStretch();

    // Scales, rotations and the diagram bar.
    auto* cubuklar = new QGridLayout;
    cubuklar->setVerticalSpacing(2);
    TrackBar1 = Cubuk(panel, "TrackBar1", 10, 200, 100, "Orantılı büyüt/küçült");
    TrackBar2 = Cubuk(panel, "TrackBar2", 10, 200, 100);
    TrackBar3 = Cubuk(panel, "TrackBar3", 10, 200, 100);
    TrackBar4 = Cubuk(panel, "TrackBar4", 10, 200, 100);
    TrackBar5 = Cubuk(panel, "TrackBar5", -360, 360, 0);
    TrackBar6 = Cubuk(panel, "TrackBar6", -360, 360, 0);
    TrackBar7 = Cubuk(panel, "TrackBar7", -360, 360, 0);
    TrackBar8 = Cubuk(panel, "TrackBar8", 1, 20, 10, "Diyagram ordinatı büyüt/küçült");
    StaticText1 = Etiket(panel, "StaticText1", "1");
    StaticText2 = Etiket(panel, "StaticText2", "1");
    StaticText3 = Etiket(panel, "StaticText3", "1");
    StaticText4 = Etiket(panel, "StaticText4", "1");
    StaticText5 = Etiket(panel, "StaticText5", "0");
    StaticText6 = Etiket(panel, "StaticText6", "0");
    StaticText7 = Etiket(panel, "StaticText7", "0");
    StaticText9 = Etiket(panel, "StaticText9", "10");
    Label12 = Etiket(panel, "Label12", "Diyagram:");
    struct Satir {
        const char* ad;
        const char* metin;
        QSlider* cubuk;
        QLabel* deger;
    };
    const Satir satirlar[] = {
        {"Label1", "Orantılı:", TrackBar1, StaticText1},       {"Label2", "Yatay yönde:", TrackBar2, StaticText2},
        {"Label3", "Düşey yönde:", TrackBar3, StaticText3},    {"Label4", "Ekrana dik yönde:", TrackBar4, StaticText4},
        {"Label5", "X etrafında:", TrackBar5, StaticText5},    {"Label6", "Y etrafında:", TrackBar6, StaticText6},
        {"Label7", "Z etrafında:", TrackBar7, StaticText7},    {nullptr, nullptr, TrackBar8, StaticText9},
    };
    int r = 0;
    for (const Satir& s : satirlar) {
        if (r == 0) cubuklar->addWidget(Etiket(panel, "Label14", "Ölçek"), r++, 0, 1, 3);
        if (r == 5) cubuklar->addWidget(Etiket(panel, "Label15", "Döndür"), r++, 0, 1, 3);
        QLabel* l = s.ad ? Etiket(panel, s.ad, s.metin) : Label12;
        l->setBuddy(s.cubuk);
        s.cubuk->setAccessibleName(l->text());
        s.deger->setMinimumWidth(34);
        cubuklar->addWidget(l, r, 0);
        cubuklar->addWidget(s.cubuk, r, 1);
        cubuklar->addWidget(s.deger, r, 2);
        ++r;
        connect(s.cubuk, &QSlider::valueChanged, this, [this] { CubukDegisti(); });
    }
    sag->addLayout(cubuklar);

    BitBtn2 = Dugme(panel, "BitBtn2", "Yeniden çiz");
    BitBtn1 = Dugme(panel, "BitBtn1", "Çizimi kaydet");
    BitBtn99 = Dugme(panel, "BitBtn99", "Çık");
    auto* dugmeler = new QHBoxLayout;
    for (QPushButton* b : {BitBtn2, BitBtn1, BitBtn99}) dugmeler->addWidget(b);
    sag->addLayout(dugmeler);
    Label9 = Etiket(panel, "Label9",
                    "1) Sağ-sol ok tuşları kullanılabilir.  2) Buraya tıklanarak ön ayarlara dönülebilir.");
    Label9->setWordWrap(true);
    Label9->setCursor(Qt::PointingHandCursor);
    Label9->installEventFilter(this);
    sag->addWidget(Label9);
    sag->addStretch();

    auto* panelDuzeni = new QHBoxLayout(panel);
    panelDuzeni->setContentsMargins(0, 0, 0, 0);
    panelDuzeni->addLayout(sol);
    panelDuzeni->addLayout(sag);
    auto* kaydirma = new QScrollArea(this);
    kaydirma->setObjectName("ScrollBox2");
    kaydirma->setWidget(panel);
    kaydirma->setWidgetResizable(true);
    kaydirma->setFrameShape(QFrame::NoFrame);
    kaydirma->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->adjustSize();
    kaydirma->setMinimumWidth(panel->sizeHint().width() + 20);

    auto* duzen = new QHBoxLayout(this);
    duzen->setContentsMargins(6, 6, 6, 6);
    duzen->addWidget(ScrollBox1, 1);
    duzen->addWidget(kaydirma);

    // Without results only the geometry can be drawn.
    if (sadeceGeometri_)
        for (QWidget* w : std::initializer_list<QWidget*>{RadioGroup3, CheckBox3, Label12, TrackBar8, StaticText9})
            w->setVisible(false);

    connect(Grup1, &QButtonGroup::idClicked, this, [this](int id) { EksenTakimiSec(id + 1); });
    connect(Grup2, &QButtonGroup::idClicked, this, [this](int id) { GorunusSec(id + 1); });
    // A choice that draws nothing in this model says why, once.
    connect(Grup3, &QButtonGroup::idClicked, this, [this](int id) {
        Ciz();
        const std::string neden = CizilmezNedeni(static_cast<CizimTuru>(id));
        if (!neden.empty()) MesajKutusu(neden, "Uyarı:", "TamamUyari1");
    });
    for (QCheckBox* c : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6})
        connect(c, &QCheckBox::clicked, this, [this] { Ciz(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { Ciz(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { CizimiKaydetTikla(); });
    connect(BitBtn99, &QPushButton::clicked, this, [this] { close(); });
    connect(UpDown1, &QSpinBox::valueChanged, this, [this](int v) {
        StaticText8->setText(QString::number(v));
        Ciz();
    });

    // Sized to the screen it opens on.
    const QRect ekran = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    resize(std::min(ekran.width() - 20, 1240), std::min(ekran.height() - 40, 720));
    EkrandaTut(this);
}

TfMeshCiz::~TfMeshCiz() {
    if (fMeshCiz == this) fMeshCiz = nullptr;
}

CizimSecenekleri TfMeshCiz::Secenekler() const {
    CizimSecenekleri s;
    const int tur = sadeceGeometri_ ? 0 : std::max(0, Grup3->checkedId());
    s.Tur = static_cast<CizimTuru>(tur);
    s.ElemanNo = CheckBox1->isChecked();
    s.NoktaNo = CheckBox2->isChecked();
    s.Ordinatlar = CheckBox3->isChecked();
    s.Mafsallar = CheckBox4->isChecked();
    s.CekmeTarafi = CheckBox5->isChecked();
    s.YerelEksen = CheckBox6->isChecked();
    s.YaziBoyu = UpDown1->value();
    s.DiyagramCubugu = TrackBar8->value();
    return s;
}

void TfMeshCiz::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (basladi_) return;
    basladi_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!CizimBaslat()) reject();
    });
}

bool TfMeshCiz::CizimBaslat() {
    // Placed beside the main window, inside the screen.
    if (QWidget* ana = parentWidget()) {
        const QRect ekran = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
        QPoint yer = ana->pos() + QPoint(250, 250);
        yer.setX(std::clamp(yer.x(), ekran.left(), std::max(ekran.left(), ekran.right() - frameGeometry().width())));
        yer.setY(std::clamp(yer.y(), ekran.top(), std::max(ekran.top(), ekran.bottom() - frameGeometry().height())));
        move(yer);
    }
    CalismaBellegiGoster();
    const int s = std::max(600, std::min(ScrollBox1->viewport()->width(), ScrollBox1->viewport()->height()));
    if (!CizimTablolariniDoldur(s, s)) return false;
    TCizimDurumu& c = CizimDurumu;

    if (!sadeceGeometri_) YerDegistirmeleriAl();
    if (!sadeceGeometri_) KuvvetDiyagramlariniHesapla();

    // The controls for the system's dimension and axis set.
    const bool uc = c.Boyut == 3;
    RadioGroup2->setEnabled(uc);
    for (int i = 0; i < 6; ++i) Grup1->button(i)->setEnabled(uc || i == 0 || i == 2);
    Grup1->button(c.EksenTakimi - 1)->setChecked(true);
    EksenResmiGoster();
    const auto adlar = GorunusAdlari(c.EksenTakimi);
    Grup2->setExclusive(false);
    for (int i = 0; i < 3; ++i) {
        Grup2->button(i)->setText(adlar[i]);
        Grup2->button(i)->setChecked(false);
    }
    Grup2->setExclusive(true);
    LabeledEdit1->setText("1");
    LabeledEdit2->setText(QString::number(c.ElemanSayisi));

    CubukDegisti();  // scales from the bars
    ResmiBoyutlandir();
    hazir_ = true;
    Ciz();
    return true;
}

void TfMeshCiz::EksenResmiGoster() { ResmiGoster(Image2, "Eksen" + std::to_string(CizimDurumu.EksenTakimi)); }

void TfMeshCiz::EksenTakimiSec(int Takim) {
    if (!hazir_) return;
    CizimDurumu.EksenTakimi = Takim;
    CizimDurumu.Gorunus = 0;
    const auto adlar = GorunusAdlari(Takim);
    Grup2->setExclusive(false);
    for (int i = 0; i < 3; ++i) {
        Grup2->button(i)->setText(adlar[i]);
        Grup2->button(i)->setChecked(false);
    }
    Grup2->setExclusive(true);
    EksenResmiGoster();
    GorunusHesapla();
    Ciz();
}

void TfMeshCiz::GorunusSec(int Gorunus) {
    if (!hazir_) return;
    CizimDurumu.Gorunus = Gorunus;
    GorunusHesapla();
    Ciz();
}

void TfMeshCiz::GorunusHesapla() {
    TCizimDurumu& c = CizimDurumu;
    int ilk = 0, son = 0;
    const std::string hata =
        GorunusAraligiHatasi(LabeledEdit1->text().toStdString(), LabeledEdit2->text().toStdString(), ilk, son);
    if (!hata.empty()) {
        MesajKutusu(hata, "Uyarı:", "TamamUyari1");
        AraligiSifirla();
    } else if (ilk <= son) {
        c.IlkEleman = ilk;
        c.SonEleman = son;
    }
    // The view of the range now in force; a first above the last is refused at the paint.
    GorunusVeOlcekHesapla();
    GorunusOrijiniAyarla();
}

void TfMeshCiz::AraligiSifirla() {
    TCizimDurumu& c = CizimDurumu;
    LabeledEdit1->setText("1");
    LabeledEdit2->setText(QString::number(c.ElemanSayisi));
    c.IlkEleman = 1;
    c.SonEleman = c.ElemanSayisi;
}

void TfMeshCiz::CubukDegisti() {
    TCizimDurumu& c = CizimDurumu;
    QSlider* olcek[4] = {TrackBar1, TrackBar2, TrackBar3, TrackBar4};
    QLabel* metin[4] = {StaticText1, StaticText2, StaticText3, StaticText4};
    for (int i = 0; i < 4; ++i) {
        c.Olcekler[i] = olcek[i]->value() / 100.0;
        metin[i]->setText(QString::fromStdString(GenelMetin(c.Olcekler[i])));
    }
    StaticText5->setText(QString::number(TrackBar5->value()));
    StaticText6->setText(QString::number(TrackBar6->value()));
    StaticText7->setText(QString::number(TrackBar7->value()));
    StaticText9->setText(QString::number(TrackBar8->value()));
    const int onceki[3] = {c.Acilar[0], c.Acilar[1], c.Acilar[2]};
    AcilariAyarla(TrackBar5->value(), TrackBar6->value(), TrackBar7->value());
    // A turned spatial picture is fitted again, so that it stays inside the
    // image; a clicked origin stays where it was.
    if (hazir_ && c.Boyut == 3 && c.Gorunus == 0 && !std::equal(onceki, onceki + 3, c.Acilar)) {
        SigdirmeHesapla();
        GorunusOrijiniAyarla();
    }
    Ciz();
}

void TfMeshCiz::OnAyarlar() {
    QSignalBlocker b1(TrackBar1), b2(Grup1), b3(Grup2);
    TrackBar1->setValue(100);
    for (QSlider* s : {TrackBar2, TrackBar3, TrackBar4}) s->setValue(100);
    for (QSlider* s : {TrackBar5, TrackBar6, TrackBar7}) s->setValue(0);
    TrackBar8->setValue(5);
    CubukDegisti();
}

void TfMeshCiz::ResmiBoyutlandir() {
    TCizimDurumu& c = CizimDurumu;
    const int s = std::max(600, std::min(ScrollBox1->viewport()->width(), ScrollBox1->viewport()->height()));
    c.Genislik = c.Yukseklik = s;
    c.OrijinTiklandi = false;
    OlcegiYenile();
}

void TfMeshCiz::OlcegiYenile() {
    TCizimDurumu& c = CizimDurumu;
    const int acilar[3] = {c.Acilar[0], c.Acilar[1], c.Acilar[2]};
    GorunusVeOlcekHesapla();
    std::copy(acilar, acilar + 3, c.Acilar);
    SigdirmeHesapla();
    GorunusOrijiniAyarla();
}

void TfMeshCiz::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    if (!hazir_) return;
    ResmiBoyutlandir();
    Ciz();
}

bool TfMeshCiz::AraligiUygula() {
    TCizimDurumu& c = CizimDurumu;
    // Nothing was read (the geometry pass failed and said why): an empty
    // picture, without a range warning at every paint.
    if (c.ElemanSayisi == 0) {
        c.IlkEleman = c.SonEleman = 0;
        return false;
    }
    int ilk = 0, son = 0;
    const std::string hata =
        ElemanAraligiHatasi(LabeledEdit1->text().toStdString(), LabeledEdit2->text().toStdString(), ilk, son);
    LabeledEdit1->setText(QString::fromStdString(BosluklariSil(LabeledEdit1->text().toStdString())));
    LabeledEdit2->setText(QString::fromStdString(BosluklariSil(LabeledEdit2->text().toStdString())));
    const int eskiIlk = c.IlkEleman, eskiSon = c.SonEleman;
    if (!hata.empty()) {
        MesajKutusu(hata, "Uyarı:", "TamamUyari1");
        AraligiSifirla();
    } else {
        c.IlkEleman = ilk;
        c.SonEleman = son;
    }
    if (c.IlkEleman != eskiIlk || c.SonEleman != eskiSon) OlcegiYenile();
    return hata.empty();
}

void TfMeshCiz::Ciz() {
    if (!hazir_) return;
    const bool aralikTamam = AraligiUygula();
    const TCizimDurumu& c = CizimDurumu;
    if (resim_.width() != c.Genislik || resim_.height() != c.Yukseklik) {
        resim_ = QImage(c.Genislik, c.Yukseklik, QImage::Format_RGB32);
        resim_.setDevicePixelRatio(1);
    }
    // A refused range leaves the picture blank until the next paint.
    if (aralikTamam) ::Ciz(resim_, Secenekler());
    else resim_.fill(Qt::white);
    Image1->setPixmap(QPixmap::fromImage(resim_));
    Image1->resize(resim_.size());
}

void TfMeshCiz::CizimiKaydetTikla() {
    QFileDialog d(this);
    d.setObjectName("SavePictureDialog1");
    d.setWindowTitle("Çizimi kaydet");
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    const QStringList suzgecler = {"Çizimler (*.png *.jpg *.jpeg *.bmp)", "PNG (*.png)", "JPEG Image File (*.jpg)",
                                   "JPEG Image File (*.jpeg)", "Bitmaps (*.bmp)"};
    d.setNameFilters(suzgecler);
    d.selectNameFilter(suzgecler[4]);
    d.setDefaultSuffix("bmp");
    d.resize(820, 500);
    if (!AcikVeriTabani.empty()) d.setDirectory(QFileInfo(QString::fromStdString(AcikVeriTabani)).absolutePath());
    d.selectFile(QString::fromStdString(CizimDosyaAdi(CizimDurumu.ProbleminTanimi) + ".bmp"));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return;
    std::string hata;
    if (!CizimiKaydet(resim_, d.selectedFiles().first().toStdString(), hata)) MesajKutusu(hata, "HATA:", "TamamHata1");
}

bool TfMeshCiz::eventFilter(QObject* o, QEvent* e) {
    if (o == Image1 && e->type() == QEvent::MouseButtonRelease) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        CizimDurumu.OrijinX = p.x();
        CizimDurumu.OrijinY = p.y();
        CizimDurumu.OrijinTiklandi = true;
        Ciz();
        return true;
    }
    if (o == Label9 && e->type() == QEvent::MouseButtonRelease) {
        OnAyarlar();
        return true;
    }
    if ((o == LabeledEdit1 || o == LabeledEdit2) && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Down) {
            focusNextChild();
            return true;
        }
        if (k == Qt::Key_Up) {
            focusPreviousChild();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TfMeshCiz::keyPressEvent(QKeyEvent* e) {
    // Enter moves between the fields; Escape closes as "Çık" does.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(e);
}

bool CizimPenceresiniGoster(QWidget* Ust, bool SadeceGeometri) {
    if (fMeshCiz) return false;
    if (!Tablolar.ED.Active() || !Tablolar.XYZ.Active()) return false;
    const std::string hata = GeometriHatasi();
    if (!hata.empty()) {
        MesajKutusu(hata, "HATA:", "TamamHata1");
        return false;
    }
    TfMeshCiz w(SadeceGeometri, Ust);
    fMeshCiz = &w;
    w.exec();
    fMeshCiz = nullptr;
    // "Çık" frees the drawing tables.
    CizimDurumu = TCizimDurumu{};
    if (Tablolar.ElemanKuvvetleriCizim.Active()) Tablolar.ElemanKuvvetleriCizim.Close();
    return true;
}

bool CizimPenceresiAcik() { return fMeshCiz != nullptr; }
