// The main window around its editors: the grid row an editor opens on is
// no longer marked for "Seçili satırları sil", and with no project open the
// tool buttons say so instead of opening anything.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "PencereYardim.h"
#include "input/KayitEditoru.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"
#include "shell/UOrvelta.h"

namespace {

using Liste = std::vector<std::string>;

class IzgaraVeEditor : public ::testing::Test {
protected:
    GeciciKlasor k;
    const std::string klasor = k.Yol().string();
};

}  // namespace

TEST_F(IzgaraVeEditor, AcilanEditorunSatiriSeciliKalmaz) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    ProjeAc(p, ProjeYaz(klasor, "Uc.mdb", Sql::Sistem("10:Düzlem kafes") + Sql::Noktalar({{"1", 0}, {"2", 1}, {"3", 2}})));
    p.VeriGirisiAcik->setChecked(true);
    auto vazgec = [](TKayitEditoru& e) { QTest::mouseClick(e.BitBtn1, Qt::LeftButton); };
    EditordeCalis([&] { QTest::mouseClick(p.SpeedButton[6], Qt::LeftButton); }, vazgec);
    ASSERT_EQ(p.IzgaraTablosu(), &Tablolar.Koordinatlar);
    QAbstractItemView* g = p.DBGrid1;
    auto satir = [&](int r) { return g->visualRect(g->model()->index(r, 0)).center(); };
    auto secili = [&] {
        std::vector<int> l;
        for (const QModelIndex& i : g->selectionModel()->selectedRows()) l.push_back(i.row());
        return l;
    };
    // Row 2 clicked, then opened by a double click and left with "Vazgeç".
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, satir(1));
    ASSERT_EQ(secili(), std::vector<int>{1});
    EditordeCalis([&] { QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, satir(1)); },
                  [&](TKayitEditoru& e) {
                      EXPECT_EQ(e.Edit0->text(), "2");
                      vazgec(e);
                  });
    EXPECT_EQ(secili(), std::vector<int>{});
    {
        ModalCevaplayici c;
        c.Mesaj("Evet").Yap([&] { QTest::mouseClick(p.BitBtn23, Qt::LeftButton); });
        EXPECT_EQ(c.Metinler, Liste{"Seçili satırlar silinecek\nDevam edeyim mi?"});
    }
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 3);
    // Row 3 opened and saved: still nothing marked.
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, satir(2));
    EditordeCalis([&] { QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, satir(2)); },
                  [&](TKayitEditoru& e) {
                      EXPECT_EQ(e.Edit0->text(), "3");
                      e.Deger(2)->setFocus();
                      QTest::keyClick(e.Deger(2), Qt::Key_A, Qt::ControlModifier);
                      QTest::keyClicks(e.Deger(2), "5");
                      QTest::mouseClick(e.BitBtn3, Qt::LeftButton);
                      EXPECT_EQ(secili(), std::vector<int>{});
                      vazgec(e);
                  });
    EXPECT_EQ(g->model()->index(2, 2).data().toString(), "5");
    EXPECT_EQ(secili(), std::vector<int>{});
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// The last project is gone and the test project is damaged: no project is
// open, and buttons 2 to 9 say so whatever the data-entry switch shows.
TEST_F(IzgaraVeEditor, ProjeYokkenAracDugmeleriUyarir) {
    std::filesystem::create_directories(klasor + "/VerilerOrtak/TEST");
    std::ofstream(klasor + "/VerilerOrtak/TEST/Test.mdb") << std::string(5000, 'x');
    std::ofstream(klasor + "/VerilerOrtak/Ayarlar.txt") << klasor + "/Veriler/gitti.mdb\r\n100\r\n";
    ModalCevaplayici acilis;
    acilis.Mesaj("Tamam").Mesaj("Tamam");
    AcikPencere a(klasor);
    ASSERT_TRUE(acilis.Bitti());
    ASSERT_EQ(AcikVeriTabani, "");
    for (QRadioButton* anahtar : {a.p->VeriGirisiKapali, a.p->VeriGirisiAcik}) {
        anahtar->setChecked(true);
        for (int no = 2; no <= 9; ++no) {
            ModalCevaplayici c;
            c.Mesaj("Tamam").Yap([&] { QTest::mouseClick(a.p->SpeedButton[no], Qt::LeftButton); });
            EXPECT_EQ(c.Metinler, Liste{"Veri tabanı açılmamış, önce bir veri tabanı açın"}) << no;
            EXPECT_EQ(c.Basliklar, Liste{"HATA:"}) << no;
        }
    }
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}
