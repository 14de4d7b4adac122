#include <gtest/gtest.h>

#include <QEvent>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>
#include <unistd.h>

#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/Pencereler.h"
#include "platform/Sistem.h"

TEST(Sistem, SayacIleriGiderVeFrekansiSaniyeyiVerir) {
    const auto f = SayacFrekansiOku();
    ASSERT_GT(f, 0);
    const auto a = SayacDegeri();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto b = SayacDegeri();
    const double saniye = static_cast<double>(b - a) / static_cast<double>(f);
    EXPECT_GE(saniye, 0.019);
    EXPECT_LT(saniye, 5.0);
}

TEST(Sistem, BellekKullanimiBuyukBirDiziyleArtar) {
    const auto once = KullanilanBellek();
    ASSERT_GT(once, 0u);
    std::vector<char> v(64 << 20, 1);  // 64 MB touched
    const auto sonra = KullanilanBellek();
    EXPECT_GE(sonra, once + (48u << 20));
    EXPECT_EQ(v[12345], 1);
}

TEST(Pencereler, EkransizPlatformdaListeBos) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) GTEST_SKIP() << "X11 desktop";
    EXPECT_TRUE(UstPencereler().empty());
    EXPECT_EQ(UstPencereBul("a"), 0u);
}

// Runs only on an X11 desktop (QT_QPA_PLATFORM=xcb, e.g. under xvfb-run).
TEST(Pencereler, X11PencereyiBasligindanBulurVeKapatir) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "no X11 desktop";
    QWidget w;
    bool kapandi = false;
    struct Izci : QObject {
        bool* k;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Close) *k = true;
            return false;
        }
    } izci;
    izci.k = &kapandi;
    w.installEventFilter(&izci);
    // A title of this process alone: other programs, and other copies of this
    // test on the same display, have windows of their own.
    const std::string kimlik = std::to_string(::getpid()) + "-" + std::to_string(std::random_device{}());
    w.setWindowTitle(QString::fromStdString("Orvelta:Pencere Testi Çizim " + kimlik));
    w.show();
    unsigned long h = 0;
    for (int i = 0; i < 500 && h == 0; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
        h = UstPencereBul("orvelta:pencere testi Çizim " + kimlik);  // ASCII letters in any case
    }
    ASSERT_NE(h, 0u);
    EXPECT_EQ(h, static_cast<unsigned long>(w.winId()));
    EXPECT_EQ(UstPencereBul("yok boyle bir pencere"), 0u);
    UstPencereyiKapat(h);
    for (int i = 0; i < 500 && !kapandi; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    EXPECT_TRUE(kapandi);
}
