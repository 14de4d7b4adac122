// Report columns: cutting of texts and the refitting of numbers that are
// wider than their column (the right alignment shows in every report line).
#include <gtest/gtest.h>

#include "model/RaporSutunu.h"

#include <cmath>
#include <cstdlib>
#include <string>

TEST(RaporSutunu, SayiOlmayanUzunMetinKesilir) {
    // Cut after a blank, so that it stays apart from the column before it.
    EXPECT_EQ(RaporSutunu("abcdefghijklmn", 6), " abcde");
    EXPECT_EQ(RaporSutunu("Serbest", 7), " Serbes");
    EXPECT_EQ(RaporSutunu("Serbest", 8), " Serbest");
    // Titles are the fixed texts, padded as they are.
    EXPECT_EQ(BaslikSutunu("Eleman", 6), "Eleman");
    EXPECT_EQ(BaslikSutunu("Nu", 6), "    Nu");
}

TEST(RaporSutunu, GenisSayiBasamakAzaltilarakSigdirilir) {
    // Cut to 12 characters this would read 8.3333333333 instead of 8.3E-6.
    EXPECT_EQ(RaporSutunu("8.33333333333333E-6", 12), " 8.333333E-6");
    // A large plain number keeps its size through an exponent.
    EXPECT_EQ(RaporSutunu("123456789012.5", 12), " 1.234568E11");
    EXPECT_EQ(RaporSutunu("-0.000123456789", 12), " -1.23457E-4");
    // A decimal fraction keeps the plain form when it is the shorter one.
    EXPECT_EQ(RaporSutunu("0.123456789012345", 12), " 0.123456789");
}

TEST(RaporSutunu, YuvarlamaVeTanimsizDeger) {
    EXPECT_EQ(YuvarlanmisSutun(1.23456, 4, 12), "      1.2346");
    EXPECT_EQ(YuvarlanmisSutun(0.00004, 4, 12), "           0");
    EXPECT_EQ(YuvarlanmisSutun(-0.001, 2, 6), "     0");  // no "-0"
    EXPECT_EQ(YuvarlanmisSutun(0.125, 2, 6), "  0.12");   // half to even
    EXPECT_EQ(YuvarlanmisSutun(0.0 / 0.0, 2, 10), "  tanımsız");
}

// A number that exactly fills its column used to run into the one before it
// ("7.85000011.2000001E-5"): it gets fewer digits and a blank instead.
TEST(RaporSutunu, SutunuDolduranSayiBosluklaYazilir) {
    EXPECT_EQ(RaporSutunu("1.2000001E-5", 12), "      1.2E-5");
    EXPECT_EQ(RaporSutunu("0.0014922565", 12), " 0.001492256");  // 0.00149225650 to 7 digits, half to even
    EXPECT_EQ(RaporSutunu("-0.012345678", 12), " -0.01234568");
    EXPECT_EQ(RaporSutunu("-12345678.12", 12), " -12345678.1");
    EXPECT_EQ(RaporSutunu("-1.2345678E-5", 12), " -1.23457E-5");
    EXPECT_EQ(RaporSutunu("123456", 6), " 1.2E5");
    EXPECT_EQ(RaporSutunu("-12345", 6), "  -1E4");
    // A number no digit count fits is never cut into another number.
    EXPECT_EQ(RaporSutunu("-1E-300", 6), " -1E-300");
    // One character shorter fits as it is.
    EXPECT_EQ(RaporSutunu("7.8500001", 10), " 7.8500001");
    EXPECT_EQ(YuvarlanmisSutun(-12345678.123, 2, 12), " -12345678.1");
    EXPECT_EQ(YuvarlanmisSutun(-1234567890123.456, 2, 18), " -1234567890123.46");
}

// Whatever the value and the width: the column is exactly as wide, starts
// with a blank, and reads back as the value rounded in its last written digit.
TEST(RaporSutunu, HerGenislikteBoslukVeSonBasamakYuvarlamasi) {
    const double degerler[] = {0.0014922565, 3.3762304E-6, -3.3762304E-6, 1.6881152E-6, 7.8500001,
                               -7.8500001,   123456789.125, -98765432.1, 1.2345678E-12, -4.4444449E20,
                               0.30000001,   -0.000123456789, 99999.999999};
    for (int genislik : {6, 8, 10, 12, 15, 18}) {
        for (double x : degerler) {
            char metin[40];
            std::snprintf(metin, sizeof metin, "%.8G", x);
            const std::string s = RaporSutunu(metin, genislik);
            ASSERT_EQ(s.size(), static_cast<std::size_t>(genislik)) << metin << " " << genislik;
            EXPECT_EQ(s[0], ' ') << "'" << s << "'";
            const double okunan = std::strtod(s.c_str(), nullptr);
            // the unit of the last digit written: from the digits of the mantissa and the exponent
            const std::string sayi = s.substr(s.find_first_not_of(' '));
            const auto e = sayi.find('E');
            const std::string mantis = sayi.substr(0, e);
            const auto nokta = mantis.find('.');
            const int ondalik = nokta == std::string::npos ? 0 : static_cast<int>(mantis.size() - nokta - 1);
            const int us = e == std::string::npos ? 0 : std::atoi(sayi.c_str() + e + 1);
            const double birim = std::pow(10.0, us - ondalik);
            EXPECT_LE(std::fabs(okunan - std::strtod(metin, nullptr)), birim / 2 * (1 + 1e-9))
                << metin << " -> '" << s << "'";
        }
    }
}
