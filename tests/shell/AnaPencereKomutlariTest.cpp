// The main window's commands around the grid: the tool buttons and their
// preconditions, row deletion, "Tüm verileri sil", "Çiz", help, about and
// the zoom window, and a fresh start of every open after a failed run.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "PencereYardim.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"
#include "shell/UOrvelta.h"

namespace fs = std::filesystem;

namespace {

using Liste = std::vector<std::string>;

// A three-bar plane truss that calculates; Mesnet1 the support of node 1.
std::string Kafes(const char* Mesnet1 = "0 0 S S S S") {
    return Sql::Celik() +
           Sql::Kesit("A, ix, iy, iz, Ay, hy, ey, Az, hz, ez, Wb, b, h, t, bw",
                      "1, '1:Dikdörtgen', 0.01, 0, 0, 1e-5, 0, 0.1, 0.05, 0, 0.1, 0.05, 0, 0.1, 0.1, 0, 0") +
           Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 2, 3}}) +
           Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 10, 2, 3}, {"3", 10, 1, 3}}) +
           Sql::Baglar({{"1"}, {"2"}, {"3"}}) + Sql::Yukler({{"3", 0, -10}}) +
           Sql::Mesnetler({{"1", Mesnet1}, {"2", "S 0 S S S S"}});
}

class AnaPencereKomutlari : public ::testing::Test {
protected:
    void SetUp() override { qputenv("ORVELTA_PDF_GOSTERICI", "true"); }
    void TearDown() override { qunsetenv("ORVELTA_PDF_GOSTERICI"); }
    GeciciKlasor k;
    const std::string klasor = k.Yol().string();
};

// "Hesapla" on the open project ends in the results window.
void SonucaKadarHesapla(TfOrvelta& p) {
    ModalCevaplayici c;
    c.Pencere("Orvelta: Sonuçlar").Yap([&] { p.BitBtn9->click(); });
}

}  // namespace

// A refused run, a stopped run and a failed open leave nothing behind: the
// next open expands its project and "Hesapla" calculates it.
TEST_F(AnaPencereKomutlari, HataBirSonrakiAcmayaTasinmaz) {
    AcikPencere a(klasor);
    TfOrvelta& p = *a.p;
    const std::string iyi = ProjeYaz(klasor, "Kafes.mdb", Kafes());
    // Only a roller under node 1: more equations than unknowns.
    const std::string reddedilen = ProjeYaz(klasor, "Eksik.mdb", Kafes("S 0 S S S S"));
    auto acilipHesaplanir = [&] {
        ProjeAc(p, iyi);
        ASSERT_EQ(AcikVeriTabani, iyi);
        ASSERT_EQ(Tablolar.XYZ.RecordCount(), 3);
        ASSERT_EQ(Tablolar.ED.RecordCount(), 3);
        SonucaKadarHesapla(p);
        EXPECT_EQ(Hata, 0);
    };

    ProjeAc(p, reddedilen);
    {
        ModalCevaplayici c;
        c.Mesaj("Tamam").Yap([&] { p.BitBtn9->click(); });
        ASSERT_EQ(c.Metinler.size(), 1u);
        EXPECT_EQ(c.Metinler[0].rfind("Denklem sayısı bilinmeyen sayısından fazla", 0), 0u);
    }
    EXPECT_EQ(Hata, 0);
    acilipHesaplanir();

    // A text file renamed to .mdb.
    const std::string metin = klasor + "/Veriler/notlar.mdb";
    std::ofstream(metin) << "Bu bir veri tabanı değil\n";
    EXPECT_EQ(ProjeAc(p, metin, "Tamam"), Liste{"AnaVeriler dosyası açılamadı. Silinmiş veya bozuk olabilir"});
    acilipHesaplanir();

    // "Hesabı durdur" → "Evet" at the first message pump of the run.
    {
        ModalCevaplayici c;
        c.Mesaj("Evet");
        QTimer::singleShot(0, &p, [&] { p.BitBtn3->click(); });
        c.Yap([&] { p.BitBtn9->click(); });
        EXPECT_EQ(c.Metinler, Liste{"Hesabı durdurmak istiyor musunz?"});
    }
    EXPECT_EQ(Hata, 0);
    EXPECT_FALSE(p.HesapYapiliyor());
    acilipHesaplanir();
    EXPECT_TRUE(a.Beklenmeyen.empty()) << a.Beklenmeyen[0];
}
