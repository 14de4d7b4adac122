#include "PencereYardim.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <algorithm>
#include <QAbstractItemView>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "input/KayitEditoru.h"
#include "model/Tipler.h"
#include "platform/Tablo.h"
#include "platform/KullaniciArayuzu.h"
#include "shell/UOrvelta.h"

namespace {
std::vector<ModalCevaplayici*> cevaplayicilar;
}

int BekleyenCevaplayiciSayisi() {
    int n = 0;
    for (auto* c : cevaplayicilar) n += c->Bitti() ? 0 : 1;
    return n;
}

ModalCevaplayici::ModalCevaplayici() {
    cevaplayicilar.push_back(this);
    zaman_.setInterval(10);
    QObject::connect(&zaman_, &QTimer::timeout, [this] { Yokla(); });
    zaman_.start();
}

ModalCevaplayici::~ModalCevaplayici() {
    zaman_.stop();
    cevaplayicilar.erase(std::find(cevaplayicilar.begin(), cevaplayicilar.end(), this));
}

ModalCevaplayici& ModalCevaplayici::Mesaj(const QString& Dugme) {
    adimlar_.push_back([this, Dugme](QWidget* w) {
        auto* k = qobject_cast<QMessageBox*>(w);
        if (!k) return false;
        for (QAbstractButton* b : k->buttons()) {
            if (b->text() == Dugme) {
                Metinler.push_back(k->text().toStdString());
                Basliklar.push_back(k->windowTitle().toStdString());
                b->click();
                return true;
            }
        }
        return false;
    });
    return *this;
}

ModalCevaplayici& ModalCevaplayici::Dosya(const std::string& Yol) {
    adimlar_.push_back([this, Yol](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        if (!d) return false;
        QString oneri = d->directory().absolutePath();
        if (auto* e = d->findChild<QLineEdit*>("fileNameEdit")) oneri += "/" + e->text();
        Oneriler.push_back(oneri.toStdString());
        if (Yol.empty()) {
            d->reject();
        } else {
            // The name is typed into the dialog's name field, as a user would;
            // a file the list marked while it was loading is unmarked first.
            for (auto* v : d->findChildren<QAbstractItemView*>()) v->clearSelection();
            if (auto* e = d->findChild<QLineEdit*>("fileNameEdit")) e->setText(QString::fromStdString(Yol));
            else d->selectFile(QString::fromStdString(Yol));
            static_cast<QDialog*>(d)->accept();
        }
        return true;
    });
    return *this;
}

ModalCevaplayici& ModalCevaplayici::Pencere(const QString& Baslik) {
    adimlar_.push_back([this, Baslik](QWidget* w) {
        auto* d = qobject_cast<QDialog*>(w);
        if (!d || d->windowTitle() != Baslik) return false;
        Basliklar.push_back(Baslik.toStdString());
        d->reject();
        return true;
    });
    return *this;
}

ModalCevaplayici& ModalCevaplayici::Yap(const std::function<void()>& Komut) {
    Komut();
    EXPECT_TRUE(Bitti()) << adimlar_.size() << " adım kaldı";
    return *this;
}

void ModalCevaplayici::Yokla() {
    if (adimlar_.empty()) return;
    QWidget* w = QApplication::activeModalWidget();
    if (w && adimlar_.front()(w)) adimlar_.pop_front();
}

bool Bekle(const std::function<bool()>& kosul, int ms) {
    QElapsedTimer t;
    t.start();
    while (!kosul()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void Dinlen(int ms) { Bekle([] { return false; }, ms); }

void EditordeCalis(const std::function<void()>& Komut, const std::function<void(TKayitEditoru&)>& Is) {
    bool calisti = false;
    QTimer t;
    t.setInterval(10);
    QObject::connect(&t, &QTimer::timeout, [&] {
        auto* e = qobject_cast<TKayitEditoru*>(QApplication::activeModalWidget());
        if (!e || calisti) return;
        calisti = true;
        t.stop();
        QTest::qWait(50);
        Is(*e);
    });
    t.start();
    Komut();
    EXPECT_TRUE(calisti);
}

std::string ProjeYaz(const std::string& Klasor, const std::string& Ad, const std::string& Satirlar) {
    const std::string yol = Klasor + "/Veriler/" + Ad;
    std::filesystem::create_directories(Klasor + "/Veriler");
    std::filesystem::copy_file(Klasor + "/VerilerOrtak/BOS.mdb", yol);
    SqlDosyasiniCalistir(yol, Satirlar);
    return yol;
}

std::vector<std::string> ProjeAc(TfOrvelta& p, const std::string& Yol, const QString& Dugme) {
    ModalCevaplayici c;
    c.Dosya(Yol);
    if (!Dugme.isEmpty()) c.Mesaj(Dugme);
    c.Yap([&] { p.BitBtn11->click(); });
    return c.Metinler;
}

AcikPencere::AcikPencere(const std::string& Klasor) {
    bekci_.setInterval(50);
    QObject::connect(&bekci_, &QTimer::timeout, [this] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || BekleyenCevaplayiciSayisi() > 0 || w->property(kTestteIsleniyor).toBool()) {
            sonModal_ = nullptr;
            sayac_ = 0;
            return;
        }
        if (w != sonModal_) {
            sonModal_ = w;
            sayac_ = 0;
            return;
        }
        if (++sayac_ < 10) return;
        if (auto* k = qobject_cast<QMessageBox*>(w)) {
            Beklenmeyen.push_back(k->text().toStdString());
            QAbstractButton* b = k->defaultButton();
            if (!b) b = k->buttons().value(0);
            if (b) b->click(); else k->reject();
        } else if (auto* d = qobject_cast<QDialog*>(w)) {
            Beklenmeyen.push_back(d->windowTitle().toStdString());
            d->reject();
        }
        sonModal_ = nullptr;
        sayac_ = 0;
    });
    bekci_.start();
    ModelDurumunuSifirla();
    GenelDegiskenleriBaslat();
    p = std::make_unique<TfOrvelta>(Klasor);
    p->show();
    Bekle([this] { return p->KurulumTamam(); }, 20000);
}

AcikPencere::~AcikPencere() { Kapat(); }

void AcikPencere::Kapat() {
    if (!p) return;
    p->close();
    p.reset();
    ArayuzAyarla(nullptr);
}
