#pragma once
// A record editor on a project made from the empty template: the project and
// scratch tables open, the headless port answering its messages, and what a
// test reads back (the messages a button showed, a table's keys, the file).
#include <gtest/gtest.h>

#include <QPushButton>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TestYardim.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"

template <class Editor>
class EditorTesti : public ::testing::Test {
protected:
    using Liste = std::vector<std::string>;
    GeciciKlasor klasor;
    BasliksizArayuz* ui = nullptr;
    std::unique_ptr<Editor> e;
    std::string proje;

    // The project with the SQL rows given, expanded into the scratch tables
    // by Okuyucular, and the editor set up as on its first showing.
    void Ac(const std::string& Satirlar = "", const std::vector<void (*)()>& Okuyucular = {}) {
        ui = &TemizBasliksizArayuz();
        proje = klasor.Dosya("Deneme.mdb");
        BosSablonuYaz(proje);
        if (!Satirlar.empty()) SqlDosyasiniCalistir(proje, Satirlar);
        ProjeTablolariniAc(proje);
        CalismaTablolariniAc(klasor.Yol().string());
        for (auto oku : Okuyucular) oku();
        ASSERT_EQ(Hata, 0);
        e = std::make_unique<Editor>(nullptr);
        e->GosterimSonrasi();
    }
    void TearDown() override {
        e.reset();
        TumTablolariKapat();
    }
    // Presses the button; the messages it showed. No editor leaves Hata set.
    Liste Bas(QAbstractButton* b) {
        ui->Mesajlar.clear();
        b->click();
        EXPECT_EQ(Hata, 0);
        Liste m;
        for (const auto& k : ui->Mesajlar) m.push_back(k.Metin);
        return m;
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
