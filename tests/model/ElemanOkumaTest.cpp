#include <gtest/gtest.h>

#include "TestYardim.h"
#include "model/ModelOku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

// An element read again after a change of any table it is read from gets
// the new values (the reads are kept between the steps of a calculation);
// a node that does not exist leaves its coordinates as they were each time.
TEST(ElemanOkuma, DegisenTablodanYenidenOkunur) {
    BasliksizArayuz& arayuz = TemizBasliksizArayuz();
    GeciciKlasor k;
    const std::string proje = k.Dosya("Proje.mdb"), yazboz = k.Dosya("YazBoz.mdb");
    BosSablonuYaz(proje);
    SqlDosyasiniCalistir(proje, Sql::Malzeme("1, 'BETON', 30250000, 0.2, 2.5, 1E-5") +
                                    Sql::Kesit("A, Wb", "1, '1:Dikdörtgen', 0.12, 7"));
    YazBozYaz(yazboz);
    SqlDosyasiniCalistir(yazboz, "INSERT INTO XYZ VALUES (1, 0, 0, 0), (2, 4, 0, 0);"
                                 "INSERT INTO ED VALUES (1, 30, 1, 2, 0, 0, 1, 1, '00');");
    Tablo* tablolar[] = {&Tablolar.MalzemeBilgileri, &Tablolar.KesitBilgileri, &Tablolar.XYZ, &Tablolar.ED};
    for (Tablo* t : tablolar) {
        t->DosyaAyarla(t == &Tablolar.XYZ || t == &Tablolar.ED ? yazboz : proje);
        t->Open();
    }
    auto degistir = [](Tablo& t, const char* anahtar, int no, const char* alan, double deger) {
        ASSERT_TRUE(t.Locate(anahtar, no));
        t.Edit();
        t.FieldByName(alan).SetFloat(deger);
        t.Post();
    };
    Hata = 0;
    ElemanBilgileriniOku(1);
    EXPECT_EQ(OkunanA, 0.12);
    OkunankX1 = 99;
    ElemanBilgileriniOku(1);
    EXPECT_EQ(OkunankX1, 99);
    degistir(Tablolar.KesitBilgileri, "KesitNo", 1, "A", 0.5);
    degistir(Tablolar.XYZ, "NoktaNo", 2, "X1", 6);
    degistir(Tablolar.MalzemeBilgileri, "MalzemeNo", 1, "E", 2e8);
    ElemanBilgileriniOku(1);
    EXPECT_EQ(OkunanA, 0.5);
    EXPECT_EQ(OkunanjX1, 6);
    EXPECT_EQ(OkunanE, 2e8);
    EXPECT_EQ(OkunankX1, 99);
    degistir(Tablolar.ED, "ElemanNo", 1, "KesitNo", 9);
    ElemanBilgileriniOku(1);
    EXPECT_EQ(Hata, 1);
    ASSERT_EQ(arayuz.Mesajlar.size(), 1u);
    EXPECT_EQ(arayuz.Mesajlar[0].Metin, "1.elemanda 9 nolu kesit bilgileri veri tabanında bulunamadı");
    for (Tablo* t : tablolar) t->Close();
}
