#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "TestYardim.h"
#include "shell/UOrvelta.h"
#include "model/Tipler.h"
#include "shell/uSonuclar.h"

namespace {

void OrnekRapor(KullaniciArayuzu& a) {
    a.MemoTemizle();
    for (const char* s : {"SONLU ELEMANLAR", "b", "c", "d", "e", " ", "KOORDİNATLAR:", "1 0 0", "",
                          "YER DEĞİŞTİRMELER:", "1 0.001", "", "HESAP SÜRESİ: 0.01 Saniye"})
        a.MemoEkle(s);
}

}  // namespace

TEST(SonuclarPenceresi, AcilistaPdfYazilirVeSecimlerAyarlardanGelir) {
    auto& a = TemizBasliksizArayuz();
    a.YerDegistirmeliHesapAyarla(false);
    OrnekRapor(a);
    GeciciKlasor k;
    for (int i = 1; i <= 11; ++i) Ayarlar.SonucBolumSecimleri[i] = (i == 3);
    TfSonuclar f;
    f.PdfDosyasi = QString::fromStdString(k.Dosya("Sonuçlar.pdf"));
    f.show();
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(k.Dosya("Sonuçlar.pdf")), 5000);
    EXPECT_EQ(f.CheckListBox1->item(2)->checkState(), Qt::Checked);
    EXPECT_EQ(f.CheckListBox1->item(0)->checkState(), Qt::Unchecked);
    // Without displacements the last entry is greyed.
    EXPECT_FALSE(f.CheckListBox1->item(10)->flags() & Qt::ItemIsEnabled);
    EXPECT_TRUE(f.BitBtn1->isEnabled());

    // A tick is copied to the switches at once.
    f.CheckListBox1->item(0)->setCheckState(Qt::Checked);
    EXPECT_TRUE(Ayarlar.SonucBolumSecimleri[1]);
    f.close();
}

TEST(SonuclarPenceresi, YazilamayanPdfMesajVerir) {
    auto& a = TemizBasliksizArayuz();
    a.YerDegistirmeliHesapAyarla(true);
    OrnekRapor(a);
    GeciciKlasor k;
    TfSonuclar f;
    f.PdfDosyasi = QString::fromStdString(k.Dosya("olmayan/klasor/Sonuçlar.pdf"));
    EXPECT_FALSE(f.SonuclariGosterYaz());
    ASSERT_EQ(a.Mesajlar.size(), 1u);
    EXPECT_EQ(a.Mesajlar[0].Baslik, "HATA:");
    EXPECT_TRUE(f.Panel1->isEnabled());
    EXPECT_TRUE(f.BitBtn11->isEnabled());
}
