#include "shell/Hakkinda.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/Tipler.h"
#include "platform/EkranaSigdir.h"
#include "platform/HarfPayi.h"

TfHakkinda::TfHakkinda(QWidget* Ust) : QDialog(Ust) {
    HarfPaylariniKur();  // captions keep the dots of Ö, Ü, İ
    setObjectName("TfHakkinda");
    setWindowTitle("Hakkında");
    setModal(true);
    auto* d = new QVBoxLayout(this);
    d->setContentsMargins(24, 20, 24, 16);
    d->setSpacing(10);
    Label1 = new QLabel("Orvelta", this);
    Label1->setObjectName("Label1");
    QFont buyuk = Label1->font();
    buyuk.setPointSizeF(buyuk.pointSizeF() * 1.8);
    buyuk.setBold(true);
    Label1->setFont(buyuk);
    Label2 = new QLabel("Sonlu Elemanlar Kuvvet Metodu\n"
                        "Kafes, çerçeve, levha ve plak sistemlerin doğrusal statik hesabı",
                        this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel(QString::fromStdString(TelifMetni), this);
    Label3->setObjectName("Label3");
    for (QLabel* l : {Label1, Label2, Label3}) {
        l->setAlignment(Qt::AlignCenter);
        d->addWidget(l);
    }
    BitBtn1 = new QPushButton("Tamam", this);
    BitBtn1->setObjectName("BitBtn1");
    d->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(sizeHint());
    EkrandaTut(this);
}
