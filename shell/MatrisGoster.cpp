#include "shell/MatrisGoster.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>

#include "engine/CozumSurucusu.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "platform/HarfPayi.h"

namespace {

// Picture geometry: the origin of entry (0, 0) and the blank around the matrix.
constexpr int kX0 = 14, kY0 = 14;
// Window layout: the margin and the gap below the buttons.
constexpr int kKenar = 8, kAralik = 6;
// Table: the cells' default size and the grid's largest size.
constexpr int kKolonGenisligi = 64, kSatirYuksekligi = 16;
constexpr int kIzgaraEnGenis = 760, kIzgaraEnYuksek = 720;
constexpr int kEnDarPencere = 300;

const QRgb kKirmizi = qRgb(255, 0, 0);
const QRgb kSiyah = qRgb(0, 0, 0);

}  // namespace

GosterilenMatris GosterilecekMatris(const MatrisGosterimi& M) {
    const int m = M.DenklemSayisi, n = M.BilinmeyenSayisi, r = n - m;
    GosterilenMatris g;
    g.R = n;
    g.C = n;
    switch (M.Secim) {
        case NGoster:
            g.R = m;
            g.AyiriciCizgi = r != 0;
            break;
        case indirgenmisNGoster:
            g.AyiriciCizgi = r != 0;
            break;
        case B0Goster:
            g.C = m;
            g.B0 = true;
            if (M.YerDegistirmesiz) g.Not = "Yer değiştirmesiz hesap seçilmiş, B0 hesaplanmadı";
            break;
        case BxTGoster:
            g.R = r;
            g.IlkSatir = m + 1;
            if (r == 0) g.Not = "Sistem izostatik, Bx yok";
            break;
        default:  // the N+BxT family
            g.AyiriciCizgi = r != 0;
            if (M.Secim == NBxTfGoster || M.Secim == indirgenmisNbxTfGoster) g.UsluIlkSatir = m + 1;
            if (r == 0) g.Not = "Sistem izostatik, " + M.Baslik + " yok";
            break;
    }
    return g;
}

std::string MatrisSayiMetni(double x, bool Uslu) {
    if (x == 0) return "";
    char b[64];
    if (!Uslu) {
        std::snprintf(b, sizeof b, "%.4f", x);
        const std::string s = OndalikSifirlariAt(b);
        if (s != "0" && s != "-0") return s;
    }
    std::snprintf(b, sizeof b, "%.4E", x);
    const std::string t = b;
    const auto e = t.find('E');
    if (e == std::string::npos) return t;  // not a finite number
    return OndalikSifirlariAt(t.substr(0, e)) + t.substr(e);
}

TMatrisGoster::TMatrisGoster(const MatrisGosterimi& M, QWidget* sahip)
    : QDialog(sahip, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowStaysOnTopHint),
      m_(M) {
    HarfPaylariniKur();  // captions keep the dots of Ö, Ü, İ
    setObjectName("MatrisGoster");
    setWindowTitle("Göster");
    setModal(true);

    BitBtn1 = new QPushButton("Sayısal göster", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setToolTip("Matrisin sayılarını gösteririr(küçük matrislerde)");
    BitBtn2 = new QPushButton("Desen göster", this);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setToolTip("Matrisin sıfırdan farklı elemanlarını noktalar ile gösterir");
    for (QPushButton* b : {BitBtn1, BitBtn2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    const QSize d1 = BitBtn1->sizeHint(), d2 = BitBtn2->sizeHint();
    BitBtn1->setGeometry(kKenar, kKenar, d1.width(), d1.height());
    BitBtn2->setGeometry(kKenar + d1.width() + kAralik, kKenar, d2.width(), d2.height());

    StringGrid1 = new QTableWidget(this);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setAccessibleName("Sayısal göster");
    QFont yazi("Arial");
    yazi.setPixelSize(9);
    StringGrid1->setFont(yazi);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(kKolonGenisligi);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kSatirYuksekligi);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    // Only read: Tab and Shift+Tab go on to the buttons.
    StringGrid1->setTabKeyNavigation(false);
    StringGrid1->hide();

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setAccessibleName("Desen göster");
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new QLabel;
    Image1->setObjectName("Image1");
    ScrollBox1->setWidget(Image1);

    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void TMatrisGoster::Goster() {
    if (!MatrisleriCiz()) return;
    exec();
}

double TMatrisGoster::Eleman(int i, int j) const {
    const ikiboyutluFloatArray& A = g_.B0 ? B0Matrisi : NMatrisi;
    const std::size_t satir = g_.B0 ? static_cast<std::size_t>(i) : static_cast<std::size_t>(g_.IlkSatir + i - 1);
    if (satir >= A.Rows() || static_cast<std::size_t>(j) >= A.Cols()) return 0;
    return A[satir][j];
}

QString TMatrisGoster::Hucre(int Satir, int Kolon) const {
    const QTableWidgetItem* h = StringGrid1->item(Satir, Kolon);
    return h ? h->text() : QString();
}

void TMatrisGoster::HucreYaz(int Satir, int Kolon, const QString& Metin) {
    QTableWidgetItem* h = StringGrid1->item(Satir, Kolon);
    if (h) h->setText(Metin);
}

// Satir x Kolon cells, row 0 and column 0 fixed with the column and row
// numbers, every other cell a single blank.
void TMatrisGoster::TabloyuHazirla(int Satir, int Kolon) {
    StringGrid1->clear();
    StringGrid1->setRowCount(Satir);
    StringGrid1->setColumnCount(Kolon);
    const QBrush sabit = palette().button();
    for (int i = 0; i < Satir; ++i)
        for (int j = 0; j < Kolon; ++j) {
            QString metin = " ";
            if (j == 0 && i > 0) metin = QString::number(i);
            else if (i == 0 && j > 0) metin = QString::number(j);
            auto* h = new QTableWidgetItem(metin);
            h->setFlags(Qt::ItemIsEnabled);
            if (i == 0 || j == 0) h->setBackground(sabit);
            if (i > 0 && j > 0) h->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            StringGrid1->setItem(i, j, h);
        }
}

bool TMatrisGoster::MatrisleriCiz() {
    g_ = GosterilecekMatris(m_);
    if (!g_.Not.empty()) {
        MesajKutusu(g_.Not, "AÇIKLAMA:", "TamamAçıklama1");
        return false;
    }
    const int R = g_.R, C = g_.C, n = m_.BilinmeyenSayisi, m = m_.DenklemSayisi;
    s_ = n <= 150 ? 4 : 1;
    nz_ = 0;
    TabloyuHazirla(3, 3);

    resim_ = QImage((C + 1) * s_ + 40, (R + 1) * s_ + 40, QImage::Format_RGB32);
    resim_.setDevicePixelRatio(1);
    resim_.fill(Qt::white);
    if (C <= 50) TabloyuHazirla(R + 1, C + 1);

    // The brackets and the line below the equilibrium rows come first, so
    // that no mark is drawn over.
    {
        QPainter p(&resim_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        const int alt = kY0 + s_ * (R + 1), sag = kX0 + s_ * (C + 1);
        p.drawPolyline(
            QPolygon({QPoint(kX0 + 2, kY0), QPoint(kX0 - 2, kY0), QPoint(kX0 - 2, alt), QPoint(kX0 + 2, alt)}));
        p.drawPolyline(
            QPolygon({QPoint(sag - 2, kY0), QPoint(sag + 2, kY0), QPoint(sag + 2, alt), QPoint(sag - 2, alt)}));
    }
    if (g_.AyiriciCizgi) {
        const int y = kY0 + s_ * (m + 1) + 1;
        if (y < resim_.height())
            for (int x = kX0; x <= kX0 + s_ * (C + 1); ++x) resim_.setPixel(x, y, kSiyah);
    }

    // One mark per non-zero entry: a small "x" in a 4-pixel cell, a single
    // red pixel above 150 unknowns; the numbers into the table up to 50.
    const bool sayilar = n <= 50;
    for (int i = 1; i <= R; ++i)
        for (int j = 1; j <= C; ++j) {
            const double v = Eleman(i, j);
            if (v == 0) continue;
            ++nz_;
            const int x = kX0 + s_ * j, y = kY0 + s_ * i;
            if (s_ == 4) {
                for (const auto& [dx, dy] : {std::pair{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}})
                    resim_.setPixel(x + dx, y + dy, kKirmizi);
            } else {
                resim_.setPixel(x, y, kKirmizi);
            }
            if (sayilar)
                HucreYaz(i, j, QString::fromStdString(
                                   MatrisSayiMetni(v, g_.UsluIlkSatir != 0 && i >= g_.UsluIlkSatir)));
        }

    // The caption: sizes, non-zero entries and the fill rounded to two decimals.
    const double doluluk = R > 0 && C > 0 ? static_cast<double>(nz_) / R / C : 0.0;
    setWindowTitle(QString::fromStdString(m_.Baslik + ": satır=" + std::to_string(R) + ",kolon=" +
                                          std::to_string(C) + ",eleman=" +
                                          std::to_string(static_cast<long long>(R) * C) +
                                          ",sıfırdan farklı eleman=" + std::to_string(nz_) +
                                          ",doluluk=" + YuvarlanmisSayiMetni(doluluk, 2)));

    Image1->setPixmap(QPixmap::fromImage(resim_));
    Image1->resize(resim_.size());
    BitBtn2Click();
    return true;
}

// The client area for a content of w x h pixels below the buttons (at most
// EnCok), kept inside the screen's available area; what does not fit
// scrolls, with room for the scroll bars. The window centred on its owner.
void TMatrisGoster::IstemciBoyutu(int w, int h, QSize EnCok) {
    const int ust = kKenar + BitBtn1->height() + kAralik;
    QWidget* sahip = parentWidget();
    QScreen* ekran = sahip && sahip->screen() ? sahip->screen() : QGuiApplication::primaryScreen();
    const QRect alan = ekran ? ekran->availableGeometry() : QRect(0, 0, 1280, 800);
    // Room for the frame the window manager puts around the client area.
    const int cerceveW = 16, cerceveH = 40;
    const int enW = std::min(EnCok.width(), alan.width() - cerceveW - 2 * kKenar);
    const int enH = std::min(EnCok.height(), alan.height() - cerceveH - ust - kKenar);
    const int kaydirma = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int cw = std::min(w, enW), ch = std::min(h, enH);
    if (cw < w) ch = std::min(h + kaydirma, enH);
    if (ch < h) cw = std::min(w + kaydirma, enW);
    istenen_ = QSize(cw, ch);
    // Wide enough for the caption with the title bar's icon and buttons.
    const int baslik = fontMetrics().horizontalAdvance(windowTitle()) + 120;
    const int W = std::min(std::max({kEnDarPencere, baslik, kKenar + cw + kKenar}), alan.width() - cerceveW);
    const int H = ust + ch + kKenar;
    resize(W, H);
    IcerigiYerlestir();
    const QPoint merkez = sahip ? sahip->frameGeometry().center() : alan.center();
    const int x = std::clamp(merkez.x() - W / 2, alan.left(), alan.right() + 1 - W - cerceveW);
    const int y = std::clamp(merkez.y() - H / 2, alan.top(), alan.bottom() + 1 - H - cerceveH);
    move(x, y);
}

// The table or the picture's frame below the buttons, as large as it asks
// for and the window allows; what does not fit scrolls.
void TMatrisGoster::IcerigiYerlestir() {
    const int ust = kKenar + BitBtn1->height() + kAralik;
    const QRect icerik(kKenar, ust, std::max(0, std::min(istenen_.width(), width() - 2 * kKenar)),
                       std::max(0, std::min(istenen_.height(), height() - ust - kKenar)));
    StringGrid1->setGeometry(icerik);
    ScrollBox1->setGeometry(icerik);
}

void TMatrisGoster::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    IcerigiYerlestir();
}

void TMatrisGoster::BitBtn1Click() {
    ScrollBox1->hide();
    StringGrid1->show();
    const bool buyuk = m_.BilinmeyenSayisi > 50;
    if (buyuk) {
        HucreYaz(0, 0, "Matris çok");
        HucreYaz(0, 1, "büyük");
        HucreYaz(0, 2, "gösterilmiyor");
    }
    // Columns at least as wide as their texts (the notice, long exponents).
    StringGrid1->resizeColumnsToContents();
    for (int j = 0; j < StringGrid1->columnCount(); ++j)
        StringGrid1->setColumnWidth(j, std::max(kKolonGenisligi, StringGrid1->columnWidth(j)));
    const int f = 2 * StringGrid1->frameWidth();
    IstemciBoyutu(StringGrid1->horizontalHeader()->length() + f, StringGrid1->verticalHeader()->length() + f,
                  QSize(kIzgaraEnGenis, kIzgaraEnYuksek));
    if (buyuk) MesajKutusu("Matris büyük, sayısal olarak gösterilemiyor", "AÇIKLAMA:", "TamamAçıklama1");
}

void TMatrisGoster::BitBtn2Click() {
    StringGrid1->hide();
    ScrollBox1->show();
    const int f = 2 * ScrollBox1->frameWidth();
    IstemciBoyutu(resim_.width() + f, resim_.height() + f, QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}
