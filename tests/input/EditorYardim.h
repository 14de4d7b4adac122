#pragma once
// A record editor on a fresh project made from the empty template, with the
// headless port answering its messages: the shared fixture of the editor
// tests.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
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

// An item chosen from a drop-down list by the user: it becomes current and
// the list reports the activation, as Qt does for a click or a typed letter.
inline void ListedenSec(QComboBox* c, const QString& Metin) {
    const int i = c->findText(Metin);
    ASSERT_GE(i, 0) << Metin.toStdString();
    c->setCurrentIndex(i);
    emit c->activated(i);
    emit c->textActivated(Metin);
}

template <class Editor>
class EditorDenemesi : public ::testing::Test {
protected:
    GeciciKlasor klasor;
    BasliksizArayuz* ui = nullptr;
    std::unique_ptr<Editor> e;
    std::string proje;

    void SetUp() override {
        ui = &TemizBasliksizArayuz();
        proje = klasor.Dosya("Deneme.mdb");
        BosSablonuYaz(proje);
        Ac();
    }
    void TearDown() override {
        e.reset();
        TumTablolariKapat();
    }
    // Opens the project (after the SQL rows, when given) as the program
    // does, and sets a new editor up; the messages of the set-up stay in
    // ui->Mesajlar.
    void Ac(const std::string& Satirlar = {}) {
        e.reset();
        TumTablolariKapat();
        if (!Satirlar.empty()) SqlDosyasiniCalistir(proje, Satirlar);
        ProjeTablolariniAc(proje);
        CalismaTablolariniAc(klasor.Yol().string());
        SistemTipiniOku();
        Hata = 0;
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
