// Stress rows of the bars, checked against hand values of simple members.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "TestYardim.h"
#include "engine/CubukGerilmeleri.h"
#include "engine/ElemanKuvvetleriDosyasi.h"
#include "model/LibU.h"
#include "model/Tipler.h"

namespace {

class CubukGerilmeleri : public ::testing::Test {
protected:
    void SetUp() override {
        arayuz = &TemizBasliksizArayuz();
        ElemanKuvvetleriDosyasi.Ata(klasor.Dosya("ElemanKuvvetleri.txt"));
        // Three elements, one unknown each at columns 1, 2, 3 (room for six).
        ElemanBilinmeyenTablosu.SetLength(2, 4);
        for (int e = 1; e <= 3; ++e) {
            ElemanBilinmeyenTablosu[0][e] = 1;
            ElemanBilinmeyenTablosu[1][e] = e;
        }
        Bilinmeyenler.SetLength(10);
    }
    void TearDown() override {
        ElemanKuvvetleriDosyasi.Kapat();
        ElemanKuvvetleriDosyasi.Ata("");
    }
    void Dosya(const std::vector<std::vector<double>>& satirlar) {
        ElemanKuvvetleriDosyasi.Olustur();
        for (const auto& s : satirlar) {
            for (double x : s) ElemanKuvvetleriDosyasi.SayiYaz(x);
            ElemanKuvvetleriDosyasi.SatirSonu();
        }
        ElemanKuvvetleriDosyasi.Kapat();
        ElemanKuvvetleriDosyasi.OkumakIcinAc();
    }
    void Cerceve(double A, double Ay, double hy, double ey, double Iz) {
        OkunanElemanTipi = 30;
        OkunanA = A;
        OkunanAy = Ay;
        Okunanhy = hy;
        Okunaney = ey;
        OkunanIz = Iz;
        OkunaniNoktasi = 1;
        OkunanjNoktasi = 2;
    }
    const std::vector<std::string>& Memo() { return arayuz->MemoSatirlari(); }

    GeciciKlasor klasor;
    BasliksizArayuz* arayuz = nullptr;
};

std::string Satir(const std::string& e, const std::string& n, std::initializer_list<const char*> d) {
    std::string s = SolaDoldur(e, ' ', 6) + SolaDoldur(n, ' ', 6);
    for (const char* x : d) s += SolaDoldur(x, ' ', 18);
    return s;
}

}  // namespace

TEST_F(CubukGerilmeleri, EksenelYayDosyaOkumadanBilinmeyeniKullanir) {
    Dosya({{-7, 7, 0, 0}});  // belongs to a later bar; the spring must not take it
    Bilinmeyenler[2] = 30;
    OkunanElemanTipi = 11;
    OkunanA = 1000;
    CubukGerilmeleriniYaz(2);
    EXPECT_EQ(Memo().back(), Satir("2", " ", {"0.03"}));
    OkunanElemanTipi = 10;
    OkunanA = 0.01;
    CubukGerilmeleriniYaz(3);
    EXPECT_EQ(Memo().back(), Satir("3", " ", {"700"}));
}

TEST_F(CubukGerilmeleri, DuzlemCerceveSatirlari) {
    const struct {
        const char* ne;
        std::vector<double> kuvvetler;  // N, V, M at i, then at j
        double A, ey;
        std::vector<std::string> satirlar;
    } durumlar[] = {
        // (Hogging and shear: the hinged frame of the report tests.)
        // Tension of 100 kN: S1 = -100 at i, S4 = 100 at j; 100/0.01 at both ends.
        {"tension", {-100, 0, 0, 100, 0, 0}, 0.01, 0.1,
         {Satir("1", "1", {"10000", "10000", "0"}), Satir("1", "2", {"10000", "10000", "0"})}},
        // Sagging moment 20 kNm: S3 = -20 at i, S6 = 20 at j. Top
        // 20*0.1/1e-4 = -20000 (compressed), bottom +20*(0.3-0.1)/1e-4 = 40000.
        {"bending", {0, 0, -20, 0, 0, 20}, 0.01, 0.1,
         {Satir("1", "1", {"-20000", "40000", "0"}), Satir("1", "2", {"-20000", "40000", "0"})}},
        // A negative area gives no normal stress.
        {"negative area", {-100, 0, -20, 100, 0, 20}, -0.01, 0.1,
         {Satir("1", "1", {"-20000", "40000", "0"}), Satir("1", "2", {"-20000", "40000", "0"})}},
        // A zero section value: no rows and no message.
        {"ey = 0", {-100, 0, 0, 100, 0, 0}, 0.01, 0, {}},
    };
    for (const auto& d : durumlar) {
        arayuz->MemoTemizle();
        Dosya({d.kuvvetler});
        Cerceve(d.A, 0.008, 0.3, d.ey, 1e-4);
        CubukGerilmeleriniYaz(1);
        EXPECT_EQ(Memo(), d.satirlar) << d.ne;
        EXPECT_TRUE(arayuz->Mesajlar.empty()) << d.ne;
    }
}

TEST_F(CubukGerilmeleri, UzayCercevesiSatirYazmazAmaSirasiniKorur) {
    // A space-frame line followed by a plane-frame line: the frame reads its own.
    Dosya({{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {-100, 0, 0, 100, 0, 0}});
    OkunanElemanTipi = 40;
    CubukGerilmeleriniYaz(1);
    EXPECT_TRUE(Memo().empty());
    Cerceve(0.01, 0.008, 0.3, 0.1, 1e-4);
    CubukGerilmeleriniYaz(2);
    ASSERT_EQ(Memo().size(), 2u);
    EXPECT_EQ(Memo()[0], Satir("2", "1", {"10000", "10000", "0"}));
}
