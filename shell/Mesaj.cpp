#include "shell/Mesaj.h"
#include "platform/HarfPayi.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMesaj* Mesaj = nullptr;

TMesaj::TMesaj(QWidget* parent) : QDialog(parent) {
    HarfPaylariniKur();  // captions keep the dots of Ö, Ü, İ
    setObjectName("TMesaj");
    setWindowTitle("Eleman hakkında Mesaj");
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* d = new QVBoxLayout(this);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    d->addWidget(Memo1);
    resize(420, 260);
}

void TMesaj::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    raise();
    activateWindow();
}
