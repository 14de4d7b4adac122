// Windows inside the screen's available area, worked out for the screens
// the program is used on: 1366 x 768 and 1024 x 768, also with a panel of
// 27 pixels across the top.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdint>
#include <cstdlib>

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

    // On the X screen (the tests under Xvfb) the panel's strip is taken off
    // the area on the root window, as a desktop does: a window shown over it
    // moves below it.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    xcb_connection_t* c = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const xcb_window_t kok = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_intern_atom_reply_t* ad = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 13, "_NET_WORKAREA"), nullptr);
    ASSERT_NE(ad, nullptr);
    // Never on a desktop that keeps the area itself: only the virtual server
    // has none.
    xcb_get_property_reply_t* var = xcb_get_property_reply(
        c, xcb_get_property(c, 0, kok, ad->atom, XCB_ATOM_ANY, 0, 0), nullptr);
    const bool masaustu = var && var->type != XCB_NONE;
    std::free(var);
    if (masaustu) {
        std::free(ad);
        return;
    }
    QWidget w;
    const QRect alan = w.screen()->geometry().adjusted(0, 27, 0, 0);
    const std::uint32_t deger[] = {0, 27, std::uint32_t(alan.width()), std::uint32_t(alan.height())};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, kok, ad->atom, XCB_ATOM_CARDINAL, 32, 4, deger);
    xcb_flush(c);
    w.setGeometry(100, 0, 300, 200);
    EkrandaTut(&w);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.screen()->availableGeometry() == alan; }));
    w.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.frameGeometry() == QRect(100, 27, 300, 200); }))
        << w.frameGeometry().x() << "," << w.frameGeometry().y();
    xcb_delete_property(c, kok, ad->atom);
    xcb_flush(c);
    std::free(ad);
}
