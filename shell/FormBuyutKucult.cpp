#include "shell/FormBuyutKucult.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Tipler.h"
#include "platform/EkranaSigdir.h"
#include "shell/UOrvelta.h"
#include "platform/HarfPayi.h"

QValidator::State AdimliSayac::validate(QString& Metin, int& Konum) const {
    const QString t = Metin.trimmed();
    if (t.isEmpty()) return QValidator::Intermediate;
    for (QChar c : t)
        if (!c.isDigit()) return QValidator::Invalid;
    bool tamam = false;
    const int v = t.toInt(&tamam);
    if (!tamam || v > maximum()) return QValidator::Invalid;
    return v >= minimum() ? QValidator::Acceptable : QValidator::Intermediate;
}

int AdimliSayac::valueFromText(const QString& Metin) const {
    bool tamam = false;
    const int v = Metin.trimmed().toInt(&tamam);
    if (!tamam) return value();
    // The nearest step of the range.
    const int adim = singleStep();
    return std::clamp(minimum() + ((v - minimum() + adim / 2) / adim) * adim, minimum(), maximum());
}

TFormBuyutKucult::TFormBuyutKucult(TfOrvelta* Ana) : QDialog(Ana), ana_(Ana) {
    HarfPaylariniKur();  // captions keep the dots of Ö, Ü, İ
    setObjectName("FormBuyutKucult");
    setWindowTitle("Form büyüt/küçült");
    setModal(true);
    LabeledEdit1 = new AdimliSayac(this);
    LabeledEdit1->setObjectName("LabeledEdit1");
    LabeledEdit1->setRange(30, 300);
    LabeledEdit1->setSingleStep(5);
    LabeledEdit1->setWrapping(true);
    LabeledEdit1->setValue(100);
    LabeledEdit1->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    LabeledEdit1->setAccessibleName("Ölçek %");
    auto* etiket = new QLabel(" %", this);
    etiket->setBuddy(LabeledEdit1);
    BitBtn1 = new QPushButton("Uygula", this);
    BitBtn1->setObjectName("BitBtn1");
    BitBtn2 = new QPushButton("Geri al", this);
    BitBtn2->setObjectName("BitBtn2");
    for (QPushButton* b : {BitBtn1, BitBtn2}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    auto* ust = new QHBoxLayout;
    ust->addWidget(LabeledEdit1, 1);
    ust->addWidget(etiket);
    auto* alt = new QHBoxLayout;
    alt->addWidget(BitBtn1);
    alt->addWidget(BitBtn2);
    auto* d = new QVBoxLayout(this);
    d->addLayout(ust);
    d->addLayout(alt);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    setFixedSize(std::max(260, sizeHint().width()), sizeHint().height());
    EkrandaTut(this);
}

void TFormBuyutKucult::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    LabeledEdit1->setValue(FormOlcegi);
    const bool tasarim = FormOlcegi == 100;
    BitBtn1->setEnabled(tasarim);
    BitBtn2->setEnabled(!tasarim);
    LabeledEdit1->setEnabled(tasarim);
}

void TFormBuyutKucult::BitBtn1Click() {
    // A value being typed is taken as the box shows it once corrected.
    LabeledEdit1->interpretText();
    const int p = LabeledEdit1->value();
    if (ana_) ana_->ScaleBy(p, 100);
    BitBtn1->setEnabled(false);
    LabeledEdit1->setEnabled(false);
    BitBtn2->setEnabled(true);
    FormOlcegi = p;
    Ayarlar.Olcek = p;
}

void TFormBuyutKucult::BitBtn2Click() {
    if (ana_) ana_->ScaleBy(100, FormOlcegi);
    BitBtn1->setEnabled(true);
    LabeledEdit1->setEnabled(true);
    BitBtn2->setEnabled(false);
    LabeledEdit1->setValue(100);
    FormOlcegi = 100;
    Ayarlar.Olcek = 100;
}
