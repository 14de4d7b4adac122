#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "model/LibU.h"
#include "platform/Tablo.h"

TEST(SayiMetni, GenelSayiMetni) {
    const std::pair<double, const char*> durumlar[] = {
        // plain decimals, 15 significant digits
        {0.0, "0"}, {-0.0, "0"}, {12, "12"}, {-12, "-12"}, {1.5, "1.5"}, {0.07, "0.07"},
        {27788582, "27788582"}, {0.1 + 0.2, "0.3"}, {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"}, {-1234.5678, "-1234.5678"}, {0.0001, "0.0001"},
        {1E14, "100000000000000"}, {999999999999999.0, "999999999999999"}, {2.1E8, "210000000"},
        {7.85, "7.85"}, {0.2 * 1000, "200"}, {0.3 * 1000, "300"},
        // the exponent form
        {0.00001, "1E-5"}, {1.42E-6, "1.42E-6"}, {-2.5E-7, "-2.5E-7"}, {1.2E-5, "1.2E-5"}, {1E15, "1E15"},
        {1.5E20, "1.5E20"}, {1E100, "1E100"}, {-1E100, "-1E100"}, {1E-100, "1E-100"},
        {123456789012345678.0, "1.23456789012346E17"},
        // 999999999999999.9 rounds to 16 digits' worth: 1E15
        {999999999999999.9, "1E15"},
    };
    for (const auto& [x, metin] : durumlar) EXPECT_EQ(GenelSayiMetni(x), metin) << x;
}

TEST(SayiMetni, YuvarlaCiftKomsuya) {
    EXPECT_EQ(Yuvarla(2.5, 0), 2.0);
    EXPECT_EQ(Yuvarla(3.5, 0), 4.0);
    EXPECT_EQ(Yuvarla(-2.5, 0), -2.0);
    EXPECT_EQ(Yuvarla(0.125, 2), 0.12);  // 12.5 exactly: to the even 12
    EXPECT_EQ(Yuvarla(0.375, 2), 0.38);  // 37.5 exactly: to the even 38
    EXPECT_EQ(Yuvarla(1.23456, 4), 1.2346);
    EXPECT_EQ(GenelSayiMetni(Yuvarla(0.0712, 2)), "0.07");
    EXPECT_EQ(GenelSayiMetni(Yuvarla(12.004, 2)), "12");
    EXPECT_EQ(GenelSayiMetni(Yuvarla(-3.14159, 2)), "-3.14");
    // beyond the 64-bit integer range nothing overflows
    EXPECT_EQ(Yuvarla(1E20, 2), 1E20);
    EXPECT_EQ(Yuvarla(9.3E10, 8), 9.3E10);
    EXPECT_EQ(Yuvarla(-1E300, 6), -1E300);
    EXPECT_TRUE(std::isnan(Yuvarla(std::numeric_limits<double>::quiet_NaN(), 2)));
    EXPECT_EQ(Yuvarla(std::numeric_limits<double>::infinity(), 2), std::numeric_limits<double>::infinity());
}

TEST(SayiMetni, Bilimsel23) {
    EXPECT_EQ(BilimselSayiMetni23(12.5), " 1.25000000000000E+0001");
    EXPECT_EQ(BilimselSayiMetni23(-12.5), "-1.25000000000000E+0001");
    EXPECT_EQ(BilimselSayiMetni23(0.0), " 0.00000000000000E+0000");
    EXPECT_EQ(BilimselSayiMetni23(1.0), " 1.00000000000000E+0000");
    EXPECT_EQ(BilimselSayiMetni23(-0.001234), "-1.23400000000000E-0003");
    EXPECT_EQ(BilimselSayiMetni23(1E-300), " 1.00000000000000E-0300");
    EXPECT_EQ(BilimselSayiMetni23(2.0 / 3.0), " 6.66666666666667E-0001");
    for (double x : {12.5, -1E300, 0.0, 3.3E-7, 123456.789})
        EXPECT_EQ(BilimselSayiMetni23(x).size(), 23u) << x;
}

TEST(SayiMetni, AlanMetniIleAyni) {
    // the field text of a float column and the report's general text agree
    for (double x : {0.1 + 0.2, 1.42E-6, 1E15, 999999999999999.0, -0.00012345, 123456.789, 6.02E23, 1.0 / 7})
        EXPECT_EQ(GercelAlanMetni(x), GenelSayiMetni(x)) << x;
}
