#include <gtest/gtest.h>

#include "model/Tipler.h"

TEST(Tipler, DizilerSifirIleBaslarVeBitisiktir) {
    ikiboyutluFloatArray m;
    m.SetLength(4, 5);
    m[3][4] = 7;
    EXPECT_EQ(&m[3][4] - &m[0][0], 3 * 5 + 4);
    m.SetLength(4, 5);
    EXPECT_EQ(m[3][4], 0.0);
}

TEST(Tipler, KodTablolarininMetinleriKodlariylaBaslar) {
    auto Kod = [](const std::string& metin) { return std::stoi(metin.substr(0, metin.find(':'))); };
    const int sistemler[] = {10, 20, 30, 40, 50, 60};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(Kod(SistemTipleri[i]), sistemler[i - 1]);
        EXPECT_EQ(Kod(KoordinatSistemleri[i]), i);
    }
    for (const auto& t : ElemanTipleri) {
        EXPECT_EQ(Kod(t.Metin), t.Kod);
        // element dof = nodes in the element x dof per node
        EXPECT_EQ(t.ElemanSerbestlik, t.NoktaSayisi * t.NoktaSerbestlik) << t.Kod;
        EXPECT_EQ(ElemanTipiBul(t.Kod), &t);
    }
    EXPECT_EQ(ElemanTipiBul(42), nullptr);
    EXPECT_EQ(std::string(ElemanTipiBul(41)->Metin), "41:Deprem  izolatörü");  // two blanks
    for (int k = 1; k <= 25; ++k) EXPECT_EQ(Kod(YukTipleri[k].Metin), k);
    const int kesitler[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 29, 50, 60, 100};
    for (int i = 1; i <= 19; ++i) EXPECT_EQ(Kod(KesitTipleri[i]), kesitler[i - 1]);
}

TEST(Tipler, YukBirimleriEditorunEtiketleri) {
    auto Etiket = [](int k) { return "Yük(" + std::string(YukTipleri[k].Birim) + ")"; };
    EXPECT_EQ(Etiket(5), "Yük(kN)");  // per metre, labelled kN
    EXPECT_EQ(Etiket(19), "Yük(m)");  // a rotation, labelled m
    EXPECT_EQ(Etiket(20), "Yük(m)");
    EXPECT_EQ(Etiket(7), "Yük(kNm)");
    EXPECT_EQ(Etiket(13), "Yük(°C)");
    EXPECT_EQ(Etiket(25), "Yük(kN/m²)");
}
