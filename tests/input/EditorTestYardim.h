#pragma once
// A record editor under test: a project made from the empty template with
// the scratch tables open, the headless port that records the messages, and
// the helpers that press a button and list a table's keys.
#include <gtest/gtest.h>

#include <QPushButton>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TestYardim.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

using Liste = std::vector<std::string>;

template <class Editor>
class EditorTesti : public ::testing::Test {
protected:
    GeciciKlasor klasor;
    BasliksizArayuz* ui = nullptr;
    std::unique_ptr<Editor> e;
    std::string proje;

    void SetUp() override {
        ui = &TemizBasliksizArayuz();
        proje = klasor.Dosya("Deneme.mdb");
        BosSablonuYaz(proje);
        ProjeTablolariniAc(proje);
        CalismaTablolariniAc(klasor.Yol().string());
    }
    // The editor, set up as when it is shown.
    void Ac() {
        e = std::make_unique<Editor>(nullptr);
        e->GosterimSonrasi();
    }
    void TearDown() override {
        e.reset();
        TumTablolariKapat();
    }
    // Presses the button; the messages shown.
    Liste Bas(QPushButton* b) {
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
