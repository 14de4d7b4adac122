#include "shell/uSonuclar.h"

#include "shell/UOrvelta.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "drawing/MeshCiz.h"
#include "engine/MotorYardim.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/DisGosterici.h"
#include "platform/EkranaSigdir.h"
#include "platform/KullaniciArayuzu.h"
#include "platform/Yazici.h"
#include "run/SonucPdf.h"
#include "platform/HarfPayi.h"

TfSonuclar::TfSonuclar(QWidget* sahip) : QDialog(sahip) {
    HarfPaylariniKur();  // captions keep the dots of Ö, Ü, İ
    setObjectName("fSonuclar");
    setWindowTitle("Orvelta: Sonuçlar");
    setModal(true);
    PdfDosyasi = QString::fromStdString(ProgramKlasoru + "/VerilerOrtak/Sonuçlar.pdf");

    GroupBox1 = new QGroupBox("Göster/Yaz:", this);
    GroupBox1->setObjectName("GroupBox1");
    CheckListBox1 = new QListWidget(GroupBox1);
    CheckListBox1->setObjectName("CheckListBox1");
    CheckListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CheckListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 1; i <= 11; ++i) {
        auto* it = new QListWidgetItem(QString::fromStdString(SonucBolumAdlari[i]), CheckListBox1);
        it->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        it->setCheckState(Qt::Unchecked);
    }
    CheckListBox1->setMinimumHeight(CheckListBox1->sizeHintForRow(0) * 11 + 8);
    auto* gl = new QVBoxLayout(GroupBox1);
    gl->addWidget(CheckListBox1);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    BitBtn11 = new QPushButton("Sonuçları Göster/Yaz", Panel1);
    BitBtn11->setObjectName("BitBtn11");
    BitBtn3 = new QPushButton("Yazıcı/Kağıt ayarla", Panel1);
    BitBtn3->setObjectName("BitBtn3");
    BitBtn1 = new QPushButton("Geometri, iç kuvvet çiz", Panel1);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn6 = new QPushButton("ÇIK", Panel1);
    BitBtn6->setObjectName("BitBtn6");
    Label1 = new QLabel("A4", Panel1);
    Label1->setObjectName("Label1");
    Label1->setStyleSheet("color: red; font-weight: bold;");
    Label2 = new QLabel(Panel1);
    Label2->setObjectName("Label2");
    auto* pl = new QVBoxLayout(Panel1);
    for (QWidget* w : {static_cast<QWidget*>(BitBtn11), static_cast<QWidget*>(BitBtn3),
                       static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(BitBtn6),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2)})
        pl->addWidget(w);
    pl->addStretch();

    auto* l = new QHBoxLayout(this);
    l->addWidget(GroupBox1, 1);
    l->addWidget(Panel1);

    connect(CheckListBox1, &QListWidget::itemChanged, this, [this] { CheckListBox1ClickCheck(); });
    connect(BitBtn11, &QPushButton::clicked, this, [this] { SonuclariGosterYaz(); });
    connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        if (!CizimPenceresiAcik()) CizimPenceresiniGoster(this, false);
    });
    connect(BitBtn6, &QPushButton::clicked, this, [this] { close(); });

    // Set-up after creation.
    QTimer::singleShot(0, this, [this] { YaziciBilgisiniGoster(); });
}

void TfSonuclar::YaziciBilgisiniGoster() { YaziciKagidiniOku(); }

void TfSonuclar::YaziciKagidiniOku() {
    YaziciBilgisi b = VarsayilanYaziciyiOku();
    Label1->setText(QString::fromStdString(b.Kagit));
    Label2->setText(QString::fromStdString(b.Ad));
}

void TfSonuclar::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!hazirlandi_) {
        hazirlandi_ = true;
        QTimer::singleShot(0, this, [this] { SonucBelgesiniHazirla(); });
    }
}

void TfSonuclar::SonucBelgesiniHazirla() {
    if (QWidget* ana = parentWidget()) move(ana->x() + 200, ana->y() + 250);
    EkrandaTut(this);
    CalismaBellegiGoster();
    CheckListBox1->blockSignals(true);
    for (int i = 1; i <= 11; ++i)
        CheckListBox1->item(i - 1)->setCheckState(Ayarlar.SonucBolumSecimleri[i] ? Qt::Checked
                                                                                 : Qt::Unchecked);
    if (!Arayuz().YerDegistirmeliHesap())
        CheckListBox1->item(10)->setFlags(Qt::ItemIsUserCheckable);  // greyed
    CheckListBox1->blockSignals(false);
    SonuclariGosterYaz();
}

void TfSonuclar::CheckListBox1ClickCheck() {
    for (int i = 1; i <= 11; ++i)
        Ayarlar.SonucBolumSecimleri[i] = CheckListBox1->item(i - 1)->checkState() == Qt::Checked;
}

bool TfSonuclar::SonuclariGosterYaz() {
    DisGostericiyiKapat();
    GroupBox1->setEnabled(false);
    PanelKontrolleriniEtkinlestir(Panel1, false);

    SonucPdfGirdisi g;
    g.RaporSatirlari = Arayuz().MemoSatirlari();
    for (int i = 1; i <= 11; ++i) g.Secimler[i] = Ayarlar.SonucBolumSecimleri[i];
    if (Tablolar.AnaVeriler.Active() && Tablolar.AnaVeriler.RecordCount() > 0) {
        try {
            Tablolar.AnaVeriler.First();
            g.ProbleminTanimi = Tablolar.AnaVeriler.FieldByName("ProbleminTanimi").AsString();
        } catch (const TabloHatasi&) {
        }
    }
    g.TelifMetni = TelifMetni;
    g.Surum = "1.0";
    g.TarihSaat = SimdikiTarihSaat();
    g.Kagit = Label1->text() == "A3" ? KagitBoyutu::A3 : KagitBoyutu::A4;
    std::string hata;
    const bool tamam = SonucPdfYaz(g, PdfDosyasi.toStdString(), hata);
    if (!tamam) {
        MesajKutusu("Sonuçlar PDF dosyasına yazılamadı: " + hata, "HATA:", "TamamHata1");
    } else {
        QApplication::processEvents();
        if (!DisGostericiyiAc(PdfDosyasi.toStdString()))
            MesajKutusu("PDF dosyalarını gösterecek bir program bulunamadı.\rSonuçlar " + PdfDosyasi.toStdString() +
                            " dosyasına yazıldı",
                        "BİLGİ:", "TamamBilgi1");
    }
    PanelKontrolleriniEtkinlestir(Panel1, true);
    GroupBox1->setEnabled(true);
    return tamam;
}

void TfSonuclar::BitBtn3Click() {
    DisGostericiyiKapat();
    Panel1->setEnabled(false);
    const bool acildi = YaziciAyarlariniAcVeBekle();
    Panel1->setEnabled(true);
    if (!acildi) MesajKutusu("Yazıcı ayarlarını açacak bir program bulunamadı", "BİLGİ:", "TamamBilgi1");
    YaziciKagidiniOku();
    BitBtn11->setFocus();
}

void TfSonuclar::closeEvent(QCloseEvent* e) {
    DisGostericiyiKapat();
    QDialog::closeEvent(e);
}
