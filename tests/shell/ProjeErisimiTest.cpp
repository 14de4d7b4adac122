// Project files the program may not change: one that another program holds
// locked, and one that may only be read.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QAbstractItemModel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <filesystem>

#include "PencereYardim.h"
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
// its first table; once the lock is gone the project opens.
TEST(ProjeErisimi, KilitliProjeBirBeklemedeBirakilir) {
    GeciciKlasor k;
    const std::string klasor = k.Yol().string();
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string yol = ProjeYaz(klasor, "Kilitli.mdb", kUcNokta);

    sqlite3* yazan = nullptr;
    ASSERT_EQ(sqlite3_open(yol.c_str(), &yazan), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(yazan, "BEGIN EXCLUSIVE; DELETE FROM Koordinatlar WHERE NoktaNo = '3';", nullptr,
                           nullptr, nullptr),
              SQLITE_OK);
    const int once = KilitEngeliSayisi();
    EXPECT_EQ(ProjeAc(p, yol, "Tamam"), Liste{"AnaVeriler dosyası açılamadı. Silinmiş veya bozuk olabilir"});
    EXPECT_EQ(KilitEngeliSayisi() - once, 1);
    EXPECT_FALSE(ProjeTablosuAcik());
    EXPECT_EQ(AcikVeriTabani, "");
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 0);

    // The other program gives up its change and its lock.
    sqlite3_exec(yazan, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(yazan);
    EXPECT_TRUE(ProjeAc(p, yol).empty());
    EXPECT_EQ(AcikVeriTabani, yol);
    EXPECT_EQ(Tablolar.XYZ.RecordCount(), 3);
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}

// A project file nobody may write (also when the program runs as root,
// whom the system would let write it): "Tüm satırları sil" says why in
// Turkish and every row stays.
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
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];

    // The file still holds the three nodes.
    fs::permissions(yol, fs::perms::owner_write, fs::perm_options::add);
    ProjeAc(p, yol);
    EXPECT_EQ(Tablolar.Koordinatlar.RecordCount(), 3);
}
