// Refusals before the assembly: numbering gaps, rows on missing nodes,
// support texts, unknown element types, too few unknowns and a failed
// allocation (the matrix too large to show: the run tests).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MotorModeli.h"
#include "engine/SistemDengeDenklemleri.h"
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
        // One equation more than unknowns: the cantilever with a hinge.
        {30,
         [](MotorModeli& m) {
             m.Noktalar({{0, 0, 0}, {2, 0, 0}, {4, 0, 0}});
             m.Eleman(1, 30, 1, 2, 0, 0, 1, 1, "06");
             m.Eleman(2, 30, 2, 3);
         },
         "Denklem sayısı bilinmeyen sayısından fazla\rMafsal bilgilerini ve sınır(mesnet) koşullarını kontrol ediniz"},
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
