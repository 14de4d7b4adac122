#include "platform/Resimler.h"

#include <gtest/gtest.h>

#include <QLabel>

namespace {

TEST(Resimler, NameMatchedWithoutCaseAndMissingPictureHidesTheLabel) {
    for (const char* ad : {"EKSEN1", "Eksen1", "eksen1"}) {
        ASSERT_TRUE(ResimVar(ad)) << ad;
        const QImage img = ResimCiz(ad, QSize(40, 20));
        EXPECT_EQ(img.size(), QSize(40, 20));
    }
    EXPECT_FALSE(ResimVar("Eksen99"));
    EXPECT_TRUE(ResimCiz("Eksen99").isNull());
    EXPECT_FALSE(ResimVar(""));

    QLabel l;
    l.resize(50, 50);
    l.show();
    ResmiGoster(&l, "Eksen99");
    EXPECT_FALSE(l.isVisible());
    ResmiGoster(&l, "eksen1");
    EXPECT_TRUE(l.isVisible());
    EXPECT_FALSE(l.pixmap().isNull());
}

}  // namespace
