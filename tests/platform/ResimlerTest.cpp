#include "platform/Resimler.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <set>

#include "model/Tipler.h"

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

// Every picture a window asks for exists, has the size it is drawn at and
// draws something; the built-in pictures are exactly these.
TEST(Resimler, EveryPictureTheWindowsAskForRendersAtItsSize) {
    const auto resimler = PencereResimleri();
    // 6 systems, 6 axis sets, 18 sections (none for 100), 13 elements, 25 loads, 25 icons, the hinge types
    ASSERT_EQ(resimler.size(), 94u);
    std::set<std::string> adlar;
    for (const auto& r : resimler) {
        SCOPED_TRACE(r.Ad);
        std::string buyuk = r.Ad;
        for (char& c : buyuk) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        adlar.insert(buyuk);
        ASSERT_TRUE(ResimVar(r.Ad));
        EXPECT_EQ(ResimBoyutu(r.Ad), QSize(r.Genislik, r.Yukseklik));
        const QImage img = ResimCiz(r.Ad);
        ASSERT_EQ(img.size(), QSize(r.Genislik, r.Yukseklik));
        int boyali = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) boyali += qAlpha(img.pixel(x, y)) > 0;
        EXPECT_GT(boyali, img.width() * img.height() / 50);
    }
    EXPECT_TRUE(adlar.count("SISTEM60") && adlar.count("KESIT29") && adlar.count("ELEMAN41") &&
                adlar.count("YUK25") && adlar.count("YUKKUCUK25"));
    EXPECT_FALSE(adlar.count("KESIT100"));
    const auto dosyalar = ResimAdlari();
    EXPECT_EQ(std::set<std::string>(dosyalar.begin(), dosyalar.end()), adlar);
}

}  // namespace
