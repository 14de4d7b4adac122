// Windows inside the screen's available area, worked out for the screens
// the program is used on: 1366 x 768 and 1024 x 768, also with a panel of
// 27 pixels across the top.
#include <gtest/gtest.h>

#include "platform/EkranaSigdir.h"

TEST(EkranaSigdir, PencereAlaniAsmazVeIcineKayar) {
    const QRect genis(0, 0, 1366, 768), dar(0, 0, 1024, 768), panelli(0, 27, 1366, 741);
    const struct {
        QRect pencere, alan, beklenen;
    } durumlar[] = {
        // the section editor grown to 509 x 486 under the main window's top + 350: moved up
        {{220, 370, 509, 486}, genis, {220, 282, 509, 486}},
        {{220, 370, 509, 486}, dar, {220, 282, 509, 486}},
        {{220, 370, 509, 486}, panelli, {220, 282, 509, 486}},
        // the main window at 300 %: the whole area
        {{20, 20, 2040, 1536}, genis, {0, 0, 1366, 768}},
        {{20, 20, 2040, 1536}, dar, {0, 0, 1024, 768}},
        {{20, 20, 2040, 1536}, panelli, {0, 27, 1366, 741}},
        // beyond the right edge of the narrow screen, and above the panel
        {{900, 100, 300, 200}, dar, {724, 100, 300, 200}},
        {{-50, 0, 300, 200}, panelli, {0, 27, 300, 200}},
        // inside already: unchanged
        {{20, 20, 1240, 740}, genis, {20, 20, 1240, 740}},
    };
    for (const auto& d : durumlar) {
        const QRect r = AlanaSigdir(d.pencere, d.alan);
        EXPECT_EQ(r, d.beklenen) << d.pencere.x() << "," << d.pencere.y() << " in " << d.alan.width() << "x"
                                 << d.alan.height() << ": " << r.x() << "," << r.y() << " " << r.width() << "x"
                                 << r.height();
    }
}
