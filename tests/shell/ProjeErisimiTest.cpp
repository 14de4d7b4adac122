// Project files the program may not change: one that another program holds
// locked, and one that may only be read.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTableView>
#include <QToolButton>
#include <filesystem>

#include "PencereYardim.h"
#include "input/EditorYardim.h"
#include "input/KayitEditoru.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"
#include "shell/UOrvelta.h"

namespace fs = std::filesystem;

namespace {

using Liste = std::vector<std::string>;

const std::string kUcNokta =
    Sql::Sistem("10:Düzlem kafes") + Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 4, 3}});

bool ProjeTablosuAcik() {
    for (Tablo* t : Tablolar.ProjeTablolari)
        if (t->Active()) return true;
    return false;
}

}  // namespace

// Another program writing the project holds it locked: the open gives up
// after one wait, not one for each of the nine tables, with the message of
// its first table and the reason; once the lock is gone the project opens.
// A save refused the same way (or because the other program reads the
// file) waits once and leaves the project open: once the lock is gone the
// same save is written.
TEST(ProjeErisimi, KilitliProjeBirBeklemedeBirakilir) {
    GeciciKlasor k;
    const std::string klasor = k.Yol().string();
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string yol = ProjeYaz(klasor, "Kilitli.mdb", kUcNokta);

    sqlite3* yazan = nullptr;
    ASSERT_EQ(sqlite3_open(yol.c_str(), &yazan), SQLITE_OK);
    const char* yazarken = "BEGIN EXCLUSIVE; DELETE FROM Koordinatlar WHERE NoktaNo = '3';";
    auto kilitle = [&](const char* Sql) { ASSERT_EQ(sqlite3_exec(yazan, Sql, nullptr, nullptr, nullptr), SQLITE_OK); };
    kilitle(yazarken);
    int once = KilitEngeliSayisi();
    EXPECT_EQ(ProjeAc(p, yol, "Tamam"), Liste{"AnaVeriler dosyası açılamadı. Silinmiş veya bozuk olabilir\n"
                                              "AnaVeriler: veri tabanı dosyası başka bir program tarafından kilitlenmiş"});
    EXPECT_EQ(KilitEngeliSayisi() - once, 1);
    EXPECT_FALSE(ProjeTablosuAcik());
    EXPECT_EQ(AcikVeriTabani, "");
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 0);

    // The other program gives up its change and its lock.
    sqlite3_exec(yazan, "ROLLBACK", nullptr, nullptr, nullptr);
    EXPECT_TRUE(ProjeAc(p, yol).empty());
    EXPECT_EQ(AcikVeriTabani, yol);
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 3);

    // Node 3 moved to x = 5 while the other program writes, to x = 6 while
    // it reads, each saved again once it lets go.
    p.VeriGirisiAcik->setChecked(true);
    EditordeCalis([&] { QTest::mouseClick(p.SpeedButton[6], Qt::LeftButton); }, [&](TKayitEditoru& e) {
        Yaz(e.Edit0, "3");
        for (const auto& [kilit, x] : {std::pair{yazarken, "5"}, {"BEGIN; SELECT * FROM Koordinatlar;", "6"}}) {
            Yaz(e.Deger(1), x);
            kilitle(kilit);
            once = KilitEngeliSayisi();
            ModalCevaplayici c;
            c.Mesaj("Tamam").Yap([&] { QTest::mouseClick(e.BitBtn3, Qt::LeftButton); });
            EXPECT_EQ(c.Metinler, Liste{"Koordinatlar: veri tabanı dosyası başka bir program tarafından kilitlenmiş"});
            EXPECT_EQ(KilitEngeliSayisi() - once, 1);
            sqlite3_exec(yazan, "ROLLBACK", nullptr, nullptr, nullptr);
            QTest::mouseClick(e.BitBtn3, Qt::LeftButton);
        }
        QTest::mouseClick(e.BitBtn1, Qt::LeftButton);
    });
    EXPECT_TRUE(Tablolar.AnaVeriler.Active());
    EXPECT_EQ(p.DBGrid1->model()->index(2, 1).data().toString(), "6");
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 3);

    // The other program drops a table: "Tüm verileri sil" cannot read the
    // project again after its rollback, and the window drops the project.
    sqlite3_exec(yazan, "DROP TABLE SinirKosullari", nullptr, nullptr, nullptr);
    sqlite3_close(yazan);
    ModalCevaplayici c;
    c.Mesaj("Evet").Mesaj("Tamam").Yap([&] { QTest::mouseClick(p.BitBtn5, Qt::LeftButton); });
    EXPECT_EQ(c.Metinler.back(), "Veriler silinemedi, veri tabanı değiştirilmedi:\n"
                                 "SinirKosullari: SinirKosullari tablosu bulunamadı");
    EXPECT_EQ(AcikVeriTabani, "");
    EXPECT_TRUE(p.Label8->text().isEmpty());
    EXPECT_EQ(p.DBGrid1->model()->rowCount(), 0);
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 0);
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// A project file nobody may write (also when the program runs as root,
// whom the system would let write it): "Tüm satırları sil", and a save and
// a deletion in the editor, say why in Turkish and every row stays.
TEST(ProjeErisimi, SaltOkunurProjedeSatirlarSilinmez) {
    GeciciKlasor k;
    const std::string klasor = k.Yol().string();
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string yol = ProjeYaz(klasor, "Salt.mdb", kUcNokta);
    fs::permissions(yol, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(ProjeAc(p, yol).empty());
    ASSERT_EQ(Tablolar.Koordinatlar.RecordCount(), 3);

    // The grid lists the nodes (the data entry is still closed), then the
    // entry is opened and every row is to go.
    ModalCevaplayici().Mesaj("Tamam").Yap([&] { p.SpeedButton[6]->click(); });
    p.VeriGirisiAcik->setChecked(true);
    ModalCevaplayici c;
    c.Mesaj("Evet").Mesaj("Tamam").Yap([&] { p.BitBtn4->click(); });
    EXPECT_EQ(c.Metinler, (Liste{"Tüm satırlar silinecek\nDevam edeyim mi?",
                                 "Satırlar silinemedi, tablo değiştirilmedi:\nKoordinatlar: veri tabanı dosyası "
                                 "salt okunur, değiştirilemez"}));
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 3);
    EXPECT_EQ(p.DBGrid1->model()->rowCount(), 3);
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 3);
    const std::string neden = "Koordinatlar: veri tabanı dosyası salt okunur, değiştirilemez";
    EditordeCalis([&] { QTest::mouseClick(p.SpeedButton[6], Qt::LeftButton); }, [&](TKayitEditoru& e) {
        Yaz(e.Edit0, "3");
        Yaz(e.Deger(1), "5");
        ModalCevaplayici c;
        c.Mesaj("Tamam").Mesaj("Evet").Mesaj("Tamam").Yap([&] {
            QTest::mouseClick(e.BitBtn3, Qt::LeftButton);
            QTest::mouseClick(e.BitBtn2, Qt::LeftButton);
        });
        EXPECT_EQ(c.Metinler,
                  (Liste{neden, "3 nolu noktanın koordinatları veri tabanından silinecek\nDevam edeyim mi?", neden}));
        QTest::mouseClick(e.BitBtn1, Qt::LeftButton);
    });
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 3);
    EXPECT_EQ(p.DBGrid1->model()->index(2, 1).data().toString(), "4");
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];

    // The file still holds the three nodes.
    fs::permissions(yol, fs::perms::owner_write, fs::perm_options::add);
    ProjeAc(p, yol);
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 3);
}
