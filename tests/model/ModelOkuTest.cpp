#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "TestYardim.h"
#include "model/ModelOku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

// A project built by SQL and a scratch file: a plane frame with three nodes,
// element 1 (nodes 1-2, material 1, section 1), element 3 (material 2, which
// does not exist), element 4 (section 9, which does not exist) and element 5
// with no material or section yet.
class ModelOkuTest : public ::testing::Test {
protected:
    void SetUp() override {
        arayuz = &TemizBasliksizArayuz();
        BosSablonuYaz(proje);
        SqlDosyasiniCalistir(proje, Sql::Malzeme("1, 'BETON', 30250000, 0.2, 2.5, 1E-5") +
                                        Sql::Kesit("A, ix, iy, iz, Ay, hy, ey, Az, hz, ez, Wb",
                                                   "1, '1:Dikdörtgen', 0.12, 0.001, 0.0016, 0.0009, 0.1, 0.4, 0.2, "
                                                   "0.1, 0.3, 0.15, 7"));
        YazBozYaz(yazboz);
        SqlDosyasiniCalistir(yazboz, R"SQL(
INSERT INTO XYZ VALUES (1, 0, 0, 0), (2, 4, 0, 0), (3, 4, 3, 1.5);
INSERT INTO ED VALUES (1, 30, 1, 2, 0, 0, 1, 1, '0306'), (3, 30, 2, 3, 0, 0, 2, 1, '00'), (4, 30, 2, 3, 0, 0, 1, 9, '00');
INSERT INTO ED (ElemanNo, ElemanTipi, iNoktasi, jNoktasi) VALUES (5, 30, 1, 3);
)SQL");
    }
    void TearDown() override {
        for (Tablo* t : tablolar()) t->Close();
    }
    std::vector<Tablo*> tablolar() {
        return {&Tablolar.AnaVeriler, &Tablolar.MalzemeBilgileri, &Tablolar.KesitBilgileri, &Tablolar.XYZ,
                &Tablolar.ED};
    }
    void Ac() {
        for (Tablo* t : tablolar()) {
            t->Close();
            t->DosyaAyarla(t == &Tablolar.XYZ || t == &Tablolar.ED ? yazboz : proje);
            t->Open();
        }
    }
    void AnaVeri(const std::string& sistem, int eksen) {
        SqlDosyasiniCalistir(proje, "DELETE FROM AnaVeriler; INSERT INTO AnaVeriler (Sistem, KoordinatSistemiNo) "
                                    "VALUES ('" + sistem + "', " + std::to_string(eksen) + ");");
    }
    GeciciKlasor k;
    const std::string proje = k.Dosya("Proje.mdb"), yazboz = k.Dosya("YazBoz.mdb");
    BasliksizArayuz* arayuz = nullptr;
};

}  // namespace

TEST_F(ModelOkuTest, SistemTanimsiz) {
    // nullptr: the main-data table without a row
    for (const char* sistem : {"", "30:düzlem çerçeve", "30:Düzlem çerçeve ", static_cast<const char*>(nullptr)}) {
        if (sistem) AnaVeri(sistem, 4);
        else SqlDosyasiniCalistir(proje, "DELETE FROM AnaVeriler;");
        Ac();
        arayuz->Mesajlar.clear();
        Hata = 0;
        SistemTipi = 30;
        GenelKoordinatSistemiNo = 5;
        NoktaSerbestlikSayisi = 7;
        EXPECT_FALSE(SistemTipiniOku()) << sistem;
        EXPECT_EQ(SistemTipi, 0);
        EXPECT_EQ(Hata, 1);
        EXPECT_EQ(GenelKoordinatSistemiNo, 5);  // left as it was
        EXPECT_EQ(NoktaSerbestlikSayisi, 7);
        ASSERT_EQ(arayuz->Mesajlar.size(), 1u);
        EXPECT_EQ(arayuz->Mesajlar[0].Metin, "Sistem tanımlanmamış, Ana verilerden sistem seçiniz");
        EXPECT_EQ(arayuz->Mesajlar[0].Baslik, "HATA:");
        EXPECT_EQ(arayuz->Mesajlar[0].Stil, "TamamHata1");
    }
}

TEST_F(ModelOkuTest, ElemanGenelDegiskenlere) {
    Ac();
    OkunankX1 = 99;
    Hata = 2;
    ElemanBilgileriniOku(1);
    EXPECT_EQ(Hata, 2);  // a success leaves an earlier error as it was
    EXPECT_TRUE(arayuz->Mesajlar.empty());
    EXPECT_EQ(TuretElemanNo, 1);
    EXPECT_EQ(OkunanMafsalTipi, "0306");
    const std::pair<double, double> degerler[] = {
        {OkunanElemanTipi, 30}, {OkunaniNoktasi, 1}, {OkunanjNoktasi, 2}, {OkunankNoktasi, 0}, {OkunanLNoktasi, 0},
        {OkunanMalzemeNo, 1}, {OkunanKesitNo, 1}, {OkunanE, 30250000}, {OkunanNu, 0.2}, {OkunanRo, 2.5},
        {OkunanAlfa, 1E-5},
        // section values in the order A, ix, iy, iz, Ay, Az, hy, ey, hz, ez, Wb
        {OkunanA, 0.12}, {OkunanJ, 0.001}, {OkunanIy, 0.0016}, {OkunanIz, 0.0009}, {OkunanAy, 0.1}, {OkunanAz, 0.1},
        {Okunanhy, 0.4}, {Okunaney, 0.2}, {Okunanhz, 0.3}, {Okunanez, 0.15}, {OkunanWb, 7},
        // the end nodes' coordinates
        {OkunaniX1, 0}, {OkunanjX1, 4}, {OkunanjX2, 0}};
    for (std::size_t i = 0; i < std::size(degerler); ++i)
        EXPECT_EQ(degerler[i].first, degerler[i].second) << "değer " << i;
    EXPECT_EQ(OkunankX1, 99);  // node 0 is no node: the value is not used by anyone
}

// An element that cannot be read whole: its message, and what was read
// before the missing part is kept while the rest stays as it was.
TEST_F(ModelOkuTest, EksikElemanBilgileri) {
    const struct {
        int eleman;
        std::string mesaj;
        int tip, malzeme;  // read values (-1: left as it was)
        bool malzemeOkundu;
    } durumlar[] = {
        {7, "7.eleman tanımsız", -1, -1, false},
        {3, "3.elemanda 2 nolu malzeme bilgileri veri tabanında bulunamadı", 30, 2, false},
        {4, "4.elemanda 9 nolu kesit bilgileri veri tabanında bulunamadı", 30, 1, true},
        // NULL material and section read as 0; no material 0 exists
        {5, "5.elemanda 0 nolu malzeme bilgileri veri tabanında bulunamadı", 30, 0, false},
    };
    Ac();
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.eleman);
        arayuz->Mesajlar.clear();
        Hata = 0;
        OkunanElemanTipi = OkunanMalzemeNo = -1;
        OkunanE = OkunanA = -1;
        ElemanBilgileriniOku(d.eleman);
        EXPECT_EQ(Hata, 1);
        ASSERT_EQ(arayuz->Mesajlar.size(), 1u);
        EXPECT_EQ(arayuz->Mesajlar[0].Metin, d.mesaj);
        EXPECT_EQ(arayuz->Mesajlar[0].Baslik, "HATA:");
        EXPECT_EQ(arayuz->Mesajlar[0].Stil, "TamamHata1");
        EXPECT_EQ(OkunanElemanTipi, d.tip);
        EXPECT_EQ(OkunanMalzemeNo, d.malzeme);
        EXPECT_EQ(OkunanE, d.malzemeOkundu ? 30250000 : -1);
        EXPECT_EQ(OkunanA, -1);  // section values stay as they were
    }
    EXPECT_EQ(OkunanjX2, 3);  // nodes were read before the material
    EXPECT_EQ(OkunanMafsalTipi, "");
}

// An element read again after a change of any table it is read from gets
// the new values (the reads are kept between the steps of a calculation);
// a node that does not exist leaves its coordinates as they were each time.
TEST_F(ModelOkuTest, DegisenTablodanYenidenOkunur) {
    Ac();
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
    degistir(Tablolar.XYZ, "NoktaNo", 2, "X1", 6);
    ElemanBilgileriniOku(1);
    EXPECT_EQ(OkunanjX1, 6);
    degistir(Tablolar.KesitBilgileri, "KesitNo", 1, "A", 0.5);
    ElemanBilgileriniOku(1);
    EXPECT_EQ(OkunanA, 0.5);
    degistir(Tablolar.MalzemeBilgileri, "MalzemeNo", 1, "E", 2e8);
    ElemanBilgileriniOku(1);
    EXPECT_EQ(OkunanE, 2e8);
    EXPECT_EQ(OkunankX1, 99);
    degistir(Tablolar.ED, "ElemanNo", 1, "KesitNo", 9);
    ElemanBilgileriniOku(1);
    EXPECT_EQ(Hata, 1);
    ASSERT_EQ(arayuz->Mesajlar.size(), 1u);
    EXPECT_EQ(arayuz->Mesajlar[0].Metin, "1.elemanda 9 nolu kesit bilgileri veri tabanında bulunamadı");
}

// Rows deleted by their ids (the main window's deletion) are a change too:
// the element is not read from what it was before.
TEST_F(ModelOkuTest, KimlikleSilinenSatirYenidenOkunur) {
    Ac();
    Hata = 0;
    ElemanBilgileriniOku(1);
    ASSERT_EQ(Hata, 0);
    Tablo& mb = Tablolar.MalzemeBilgileri;
    ASSERT_TRUE(mb.Locate("MalzemeNo", 1));
    mb.KimlikleriSil({mb.SatirKimligi(mb.RecNo() - 1)});
    arayuz->Mesajlar.clear();
    ElemanBilgileriniOku(1);
    EXPECT_EQ(Hata, 1);
    ASSERT_EQ(arayuz->Mesajlar.size(), 1u);
    EXPECT_EQ(arayuz->Mesajlar[0].Metin, "1.elemanda 1 nolu malzeme bilgileri veri tabanında bulunamadı");
}
