#include "platform/Kaynaklar.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(Kaynaklar, BuiltInTextsByName) {
    EXPECT_NE(KaynakMetni("BOS.sql").find("CREATE TABLE AnaVeriler"), std::string_view::npos);
    EXPECT_EQ(KaynakMetni("profiller.csv").substr(0, 29), "Kesit,h,b,bw,t,A,iy,iz\nNPI80,");
    EXPECT_TRUE(KaynakMetni("yok.sql").empty());
    EXPECT_TRUE(KaynakMetni("").empty());
    auto adlar = KaynakAdlari();
    for (const char* ad : {"BOS.sql", "YazBoz.sql", "ElemanKuvvetleriCizim.sql", "Profiller.sql"})
        EXPECT_NE(std::find(adlar.begin(), adlar.end(), ad), adlar.end()) << ad;
}

}  // namespace
