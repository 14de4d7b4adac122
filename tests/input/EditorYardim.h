#pragma once
// The shared fixtures of the editor tests.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TestYardim.h"
#include "model/ModelOku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"

using Liste = std::vector<std::string>;

// An item chosen from a drop-down list as the user does it: the list opens
// and the item is clicked in the list's own popup.
inline void ListedenSec(QComboBox* c, const QString& Metin) {
    const int i = c->findText(Metin);
    ASSERT_GE(i, 0) << Metin.toStdString();
    c->showPopup();
    QAbstractItemView* v = c->view();
    ASSERT_TRUE(v->isVisible()) << Metin.toStdString();
    const QModelIndex m = c->model()->index(i, c->modelColumn(), c->rootModelIndex());
    v->scrollTo(m);
    const QPoint p = v->visualRect(m).center();
    QTest::mouseMove(v->viewport(), p);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, p);
    ASSERT_FALSE(v->isVisible()) << Metin.toStdString();
}

// A key pressed where the focus is, as the user presses it.
inline void Tus(int Tus, Qt::KeyboardModifiers Degistirici = Qt::NoModifier) {
    QWidget* w = QApplication::focusWidget();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w, static_cast<Qt::Key>(Tus), Degistirici);
}

// Text typed into an edit as the user does: a click into it, everything
// selected, the new text typed (an empty one deletes).
inline void Yaz(QWidget* w, const QString& Metin) {
    QTest::mouseClick(w, Qt::LeftButton);
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    if (Metin.isEmpty()) QTest::keyClick(w, Qt::Key_Delete);
    QTest::keyClicks(w, Metin);
}

// A fresh project made from the empty template (with the SQL rows given),
// opened as the program opens it; the headless port answers its messages.
class ProjeDenemesi : public ::testing::Test {
protected:
    GeciciKlasor klasor;
    BasliksizArayuz* ui = nullptr;
    std::string proje;

    void TearDown() override { TumTablolariKapat(); }
    void ProjeyiAc(const std::string& Satirlar = {}) {
        TumTablolariKapat();
        ui = &TemizBasliksizArayuz();
        if (proje.empty()) {
            proje = klasor.Dosya("Deneme.mdb");
            BosSablonuYaz(proje);
        }
        if (!Satirlar.empty()) SqlDosyasiniCalistir(proje, Satirlar);
        ProjeTablolariniAc(proje);
        CalismaTablolariniAc(klasor.Yol().string());
        SistemTipiniOku();
        Hata = 0;
    }
    static void Satir(Tablo& t, std::initializer_list<std::pair<const char*, std::string>> alanlar) {
        t.Append();
        for (const auto& [ad, deger] : alanlar) t.FieldByName(ad).SetString(deger);
        t.Post();
    }
};

// A record editor on such a project.
template <class Editor>
class EditorDenemesi : public ProjeDenemesi {
protected:
    std::unique_ptr<Editor> e;

    void SetUp() override { Ac(); }
    void TearDown() override {
        e.reset();
        ProjeDenemesi::TearDown();
    }
    // Opens the project (after the SQL rows, when given) and sets a new
    // editor up; the messages of the set-up stay in ui->Mesajlar.
    void Ac(const std::string& Satirlar = {}) {
        e.reset();
        ProjeyiAc(Satirlar);
        EditoruKur();
    }
    // A new editor, set up as when it is shown, on the tables as they are.
    void EditoruKur() {
        ui->Mesajlar.clear();
        e = std::make_unique<Editor>(nullptr);
        e->GosterimSonrasi();
    }
    Liste Mesajlar() const {
        Liste m;
        for (const auto& k : ui->Mesajlar) m.push_back(k.Metin);
        return m;
    }
    // The editor on the screen and active, its set-up done.
    void Goster() {
        e->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(e.get()));
        QTest::qWait(20);
        ui->Mesajlar.clear();
    }
    // Clicks the button with the mouse; the messages it showed.
    Liste FareyleBas(QPushButton* b) {
        ui->Mesajlar.clear();
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(Hata, 0);
        return Mesajlar();
    }
    // Presses the button; the messages it showed.
    Liste Bas(QPushButton* b) {
        ui->Mesajlar.clear();
        b->click();
        EXPECT_EQ(Hata, 0);
        return Mesajlar();
    }
    static Liste Anahtarlar(Tablo& t, const char* alan) {
        Liste l;
        for (t.First(); !t.Eof(); t.Next()) l.push_back(t.FieldByName(alan).AsString());
        return l;
    }
    std::string Dosya() const {
        std::ifstream f(proje, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
};
