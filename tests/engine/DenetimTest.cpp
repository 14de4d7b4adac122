// Refusals before the assembly: numbering gaps, rows on missing nodes,
// support texts, unknown element types, the sizes and a failed allocation.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MotorModeli.h"
#include "engine/SistemDengeDenklemleri.h"
#include "engine/SeyrekCozum.h"
#include "model/Tipler.h"

namespace {

// A plane-frame cantilever 1-2-3 (node 1 held by the caller).
void Konsol(MotorModeli& m) {
    m.Noktalar({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}});
    m.Eleman(1, 30, 1, 2);
    m.Eleman(2, 30, 2, 3);
}

}  // namespace

TEST(Denetim, ReddedilenModeller) {
    using Degisiklik = std::function<void(MotorModeli&)>;
    const struct {
        int sistem;
        Degisiklik degistir;
        const char* mesaj;
    } durumlar[] = {
        {30,
         [](MotorModeli& m) {
             m.Noktalar({{0, 0, 0}, {2, 0, 0}});
             m.Nokta(4, 4, 0);  // 3 missing
             m.Eleman(1, 30, 1, 2);
             m.Eleman(2, 30, 2, 4);
         },
         "3 nolu nokta tanımsız: nokta numaraları 1'den başlayıp boşluksuz sürmelidir"},
        {30,
         [](MotorModeli& m) {
             m.Noktalar({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}});
             m.Eleman(1, 30, 1, 2);
             m.Eleman(5, 30, 2, 3);  // 2 missing
         },
         "2 nolu eleman tanımsız: eleman numaraları 1'den başlayıp boşluksuz sürmelidir"},
        {30, [](MotorModeli& m) { Konsol(m), m.Eleman(3, 30, 3, 9); }, "3.elemanın 9 nolu noktası koordinatlarda yok"},
        {30, [](MotorModeli& m) { Konsol(m), m.Mesnet(7, {"0", "0"}); },
         "Sınır koşullarında 7 nolu nokta koordinatlarda yok"},
        {30, [](MotorModeli& m) { Konsol(m), m.Yuk(0, 1, 0); }, "Düğüm yüklerinde 0 nolu nokta koordinatlarda yok"},
        // A space-frame element's third node must exist unless it is an axis code.
        {40,
         [](MotorModeli& m) {
             m.Noktalar({{0, 0, 0}, {2, 0, 0}});
             m.Eleman(1, 40, 1, 2, 5);
         },
         "1.elemanın 5 nolu noktası koordinatlarda yok"},
        // A plane frame has no Uz: a fixed Uz would size a column the assembly never builds.
        {30, [](MotorModeli& m) { Konsol(m), m.Mesnet(3, {"Serbest", "0", "0"}); },
         "3 nolu noktanın Uz sınır koşulu bu sistem tipinde kullanılamaz, Serbest olmalıdır"},
        {30, [](MotorModeli& m) { Konsol(m), m.Mesnet(3, {"Serbest", "1,5"}); },
         "3 nolu noktanın Uy sınır koşulu geçersiz: \"1,5\""},
        {30, [](MotorModeli& m) { Konsol(m), m.Eleman(3, 35, 2, 3); }, "3.Elemanın tipi=35 hatalı"},
    };
    for (const auto& d : durumlar) {
        MotorModeli m(d.sistem);
        m.Malzeme(1, 2e8);
        m.Kesit(1, 0.01, 1e-4, 1e-4, 1e-4);
        m.Mesnet(1, d.sistem == 40 ? Ankastre3B : Ankastre2B);
        d.degistir(m);
        EXPECT_FALSE(m.Hazirla());
        EXPECT_EQ(Hata, 1);
        HataBekle(m.Arayuz(), d.mesaj);
        EXPECT_EQ(NMatrisi.Rows(), 0u);  // nothing was allocated
    }
}

TEST(Denetim, SinirKosuluDegeri) {
    double d = 0;
    EXPECT_TRUE(SinirKosuluDegeri("0.005", d));
    EXPECT_EQ(d, 0.005);
    EXPECT_TRUE(SinirKosuluDegeri("-1E-3", d));
    EXPECT_EQ(d, -0.001);
    EXPECT_FALSE(SinirKosuluDegeri("", d));
    EXPECT_FALSE(SinirKosuluDegeri("sabit", d));
}

TEST(Denetim, BoyutMesajlari) {
    {
        // Four bars on three reactions: 7 unknowns for 8 equations.
        MotorModeli m(10);
        m.Malzeme(1, 2e8);
        m.Kesit(1, 0.01);
        m.Noktalar({{0, 0, 0}, {3, 0, 0}, {3, 3, 0}, {0, 3, 0}});
        for (int e = 1; e <= 4; ++e) m.Eleman(e, 10, e, e % 4 + 1);
        m.Mesnet(1, {"0", "0"});
        m.Mesnet(2, {"Serbest", "0"});
        EXPECT_FALSE(m.Hazirla());
        EXPECT_EQ(HiperstatiklikDerecesi, -1);
        EXPECT_EQ(m.SonMesaj(),
                  "Denklem sayısı bilinmeyen sayısından fazla\rMafsal bilgilerini ve sınır(mesnet) koşullarını "
                  "kontrol ediniz");
    }
    {
        // A chain of 333 frame elements fixed at one end: 1002 unknowns are
        // too many to show a matrix.
        MotorModeli m(30);
        m.Arayuz().MatrisGosterSecimiAyarla(1);
        m.Malzeme(1, 2e8);
        m.Kesit(1, 0.01, 1e-4);
        for (int i = 1; i <= 334; ++i) m.Nokta(i, i, 0);
        for (int e = 1; e <= 333; ++e) m.Eleman(e, 30, e, e + 1);
        m.Mesnet(1, Ankastre2B);
        EXPECT_FALSE(m.Hazirla());
        EXPECT_EQ(BilinmeyenSayisi, 1002);
        ASSERT_EQ(m.Arayuz().Mesajlar.size(), 1u);
        EXPECT_EQ(m.SonMesaj(), "Matris çok büyük, desen gösterilemiyor");
        EXPECT_EQ(m.Arayuz().Mesajlar[0].Baslik, "AÇIKLAMA:");
        EXPECT_EQ(m.Arayuz().Mesajlar[0].Stil, "TamamAçıklama1");
        // With "Hiçbiri" there is no limit; N is then kept sparse.
        m.Arayuz().Mesajlar.clear();
        m.Arayuz().MatrisGosterSecimiAyarla(0);
        EXPECT_TRUE(m.Hazirla());
        EXPECT_EQ(NMatrisi.Rows(), 0u);
        EXPECT_TRUE(SeyrekCozumde());
    }
}

TEST(Denetim, BellekYetmeyinceMesajVerir) {
    auto& a = TemizBasliksizArayuz();
    // An equation system far beyond any memory: a message, not a crash.
    ElemanSayisi = 1;
    ElemanBilinmeyenTablosu.SetLength(2, 2);
    ElemanBilinmeyenTablosu[0][1] = 1;
    ElemanBilinmeyenTablosu[1][1] = 1;
    ToplamSerbestlikSayisi = 2;
    SinirKosuluSayisi = 2000000000;
    DizileriBoyutlandir();
    EXPECT_EQ(Hata, 1);
    ASSERT_EQ(a.Mesajlar.size(), 1u);
    EXPECT_EQ(a.Mesajlar[0].Metin,
              "Bellek yetersiz: bu sistemin boyutu için gereken diziler belleğe sığmıyor\r"
              "Bilinmeyen sayısı: 2000000001");
    EXPECT_EQ(NMatrisi.Rows(), 0u);
    ElemanBilinmeyenTablosu.Bosalt();
}
