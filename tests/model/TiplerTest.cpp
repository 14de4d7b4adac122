#include <gtest/gtest.h>

#include "TestYardim.h"
#include "model/Tipler.h"

TEST(Tipler, BaslangicDegerleri) {
    TemizBasliksizArayuz();
    GenelDegiskenleriBaslat();
    EXPECT_EQ(SistemTipi, 0);
    EXPECT_EQ(Hata, 0);
    EXPECT_EQ(FormOlcegi, 100);
    for (int i = 1; i <= 11; ++i) EXPECT_TRUE(Ayarlar.SonucBolumSecimleri[i]) << i;
    EXPECT_EQ(EnBuyukElemanKuvvetSayisi, 9);
    EXPECT_GE(IsParcacigiSayisi, 1);
}

TEST(Tipler, DizilerSifirIleBaslarVeBitisiktir) {
    ikiboyutluFloatArray m;
    m.SetLength(4, 5);
    m[3][4] = 7;
    EXPECT_EQ(&m[3][4] - &m[0][0], 3 * 5 + 4);
    m.SetLength(4, 5);
    EXPECT_EQ(m[3][4], 0.0);
}
