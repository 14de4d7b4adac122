// What a screen reader says of the editors' drop-down lists: the caption of
// the label beside each list, as for the edits, and its chosen item as the
// value.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>

#include "EditorYardim.h"
#include "input/UiNputAnaVeriler.h"
#include "input/UiNputElemanKesitMafsalBilgileri.h"
#include "input/UiNputElemanNoktaBagi.h"
#include "input/UiNputElemanYukleri.h"
#include "input/UiNputKesitBilgileri.h"
#include "input/UiNputKoordinatlar.h"
#include "input/UiNputMalzemeBilgileri.h"
#include "input/UiNputSinirKosullari.h"
#include "input/UiNputYukler.h"

namespace {

class ErisilebilirAdlar : public ProjeDenemesi {};

// The label whose buddy W is.
QString EtiketYazisi(QWidget* Pencere, QWidget* W) {
    for (QLabel* l : Pencere->findChildren<QLabel*>())
        if (l->buddy() == W) return l->text();
    return {};
}

}  // namespace

TEST_F(ErisilebilirAdlar, AcilirListelerEtiketleriyleAdlanir) {
    ProjeyiAc(Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01"));
    std::vector<std::unique_ptr<TKayitEditoru>> editorler;
    editorler.push_back(std::make_unique<TiNputAnaVeriler>(nullptr));
    editorler.push_back(std::make_unique<TiNputMalzemeBilgileri>(nullptr));
    editorler.push_back(std::make_unique<TiNputKesitBilgileri>(nullptr));
    editorler.push_back(std::make_unique<TiNputElemanNoktaBagi>(nullptr));
    editorler.push_back(std::make_unique<TiNputElemanKesitMafsalBilgileri>(nullptr));
    editorler.push_back(std::make_unique<TiNputElemanYukleri>(nullptr));
    std::vector<std::string> adlar;
    for (auto& e : editorler) {
        e->GosterimSonrasi();
        for (QComboBox* c : e->findChildren<QComboBox*>()) {
            if (c->currentIndex() < 0) c->setCurrentIndex(0);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            ASSERT_NE(a, nullptr);
            // the label beside it, or the name of a list beside its number edit
            const QString etiket = EtiketYazisi(e.get(), c);
            const std::string ad = (etiket.isEmpty() ? c->accessibleName() : etiket).toStdString();
            EXPECT_EQ(a->role(), QAccessible::ComboBox);
            EXPECT_EQ(a->text(QAccessible::Name).toStdString(), ad) << c->currentText().toStdString();
            EXPECT_EQ(a->text(QAccessible::Value).toStdString(), c->currentText().toStdString()) << ad;
            adlar.push_back(ad);
        }
    }
    EXPECT_EQ(adlar, (Liste{"Sistem:", "Koordinat sistemi:", "Malzeme:", "Kesit:", "Eleman tipi:",
                            "Malzeme listesi", "Kesit listesi", "Yük tipi:"}));
}

// Every one-line caption of the nine editors keeps the dots and marks of its
// letters, shown as the user sees each editor.
TEST_F(ErisilebilirAdlar, BuyukHarflerinNoktalariGorunur) {
    ProjeyiAc(Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() + Sql::Kesit("A", "1, '1:Dikdörtgen', 0.01"));
    std::vector<std::unique_ptr<TKayitEditoru>> editorler;
    editorler.push_back(std::make_unique<TiNputAnaVeriler>(nullptr));
    editorler.push_back(std::make_unique<TiNputMalzemeBilgileri>(nullptr));
    editorler.push_back(std::make_unique<TiNputKesitBilgileri>(nullptr));
    editorler.push_back(std::make_unique<TiNputKoordinatlar>(nullptr));
    editorler.push_back(std::make_unique<TiNputElemanNoktaBagi>(nullptr));
    editorler.push_back(std::make_unique<TiNputElemanKesitMafsalBilgileri>(nullptr));
    editorler.push_back(std::make_unique<TiNputYukler>(nullptr));
    editorler.push_back(std::make_unique<TiNputElemanYukleri>(nullptr));
    editorler.push_back(std::make_unique<TiNputSinirKosullari>(nullptr));
    std::size_t bakilan = 0;
    for (auto& e : editorler) {
        e->show();
        QApplication::processEvents();
        std::vector<std::string> bakilanlar;
        EXPECT_EQ(KesikEtiketler(e.get(), &bakilanlar), Liste{}) << e->windowTitle().toStdString();
        bakilan += bakilanlar.size();
        e->hide();
    }
    EXPECT_GT(bakilan, 30u);
}
