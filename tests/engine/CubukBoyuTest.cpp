// The one zero-length test of the bars: a length that is not a number is
// refused as well, so that no bar divides by it.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/CubukBoyu.h"

TEST(CubukBoyu, SifirSiniri) {
    EXPECT_DOUBLE_EQ(CubukBoyu(3, 4, 12), 13);
    const struct { double L; bool sifir; } tablo[] = {
        {0, true}, {1e-8, true}, {2e-8, false}, {5, false}, {std::nan(""), true}};
    for (const auto& t : tablo) EXPECT_EQ(CubukBoyuSifir(t.L), t.sifir) << t.L;
}
