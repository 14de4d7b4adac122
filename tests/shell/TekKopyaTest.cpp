#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSysInfo>
#include <cstdio>

#include "PencereYardim.h"
#include "TestYardim.h"
#include "shell/Baslat.h"
#include "shell/TekKopya.h"


// A second start while the first runs: refused with the warning and its
// title (the request to the running copy is followed in the test with two
// processes below).
TEST(TekKopya, IkinciKopyaUyarilirVeIlkiOneGetirilir) {
    GeciciKlasor k;
    const QString klasor = QString::fromStdString(k.Yol().string());
    auto ilk = std::make_unique<TekKopya>(klasor);
    ASSERT_TRUE(ilk->KilidiAl());
    EXPECT_TRUE(QFile::exists(ilk->KilitDosyasi()));

    TekKopya ikinci(klasor);
    ASSERT_FALSE(ikinci.KilidiAl());
    ModalCevaplayici c;
    c.Mesaj("Tamam").Yap([&] { IkinciKopyaUyarisi(ikinci); });
    // The line feed and carriage return make one line break on screen.
    EXPECT_EQ(c.Metinler, std::vector<std::string>{"Programı ikinci kez başlattınız\nÖnceki etkinleştrilecek"});
    EXPECT_EQ(c.Basliklar, std::vector<std::string>{"UYARI:"});

    // Another program folder is another installation: it may run.
    GeciciKlasor k2;
    TekKopya baska(QString::fromStdString(k2.Yol().string()));
    EXPECT_TRUE(baska.KilidiAl());

    // Once the first copy has ended, a new start runs and leaves no lock behind
    // when it ends.
    const QString kilit = ilk->KilitDosyasi();
    ilk.reset();
    EXPECT_FALSE(QFile::exists(kilit));
    {
        TekKopya ucuncu(klasor);
        EXPECT_TRUE(ucuncu.KilidiAl());
    }
    EXPECT_FALSE(QFile::exists(kilit));
}

TEST(TekKopya, CalisanKopyaYokkenEtkinlestirmeIletilmez) {
    GeciciKlasor k;
    TekKopya t(QString::fromStdString(k.Yol().string()));
    EXPECT_FALSE(t.OncekiniEtkinlestir(200));
}

// Run as a separate process by the test below: holds the lock of the folder
// in ORVELTA_KILIT_TUT, says "HAZIR", answers an activation with "ETKIN" and
// waits until it is killed.
TEST(TekKopya, KilitTutucuSurec) {
    const QByteArray klasor = qgetenv("ORVELTA_KILIT_TUT");
    if (klasor.isEmpty()) GTEST_SKIP() << "only as a helper process";
    TekKopya t(QString::fromUtf8(klasor));
    ASSERT_TRUE(t.KilidiAl());
    QObject::connect(&t, &TekKopya::EtkinlestirmeIstendi, [] {
        fprintf(stdout, "ETKIN\n");
        fflush(stdout);
    });
    fprintf(stdout, "HAZIR\n");
    fflush(stdout);
    Bekle([] { return false; }, 60000);
}

TEST(TekKopya, BaskaSurecCalisirkenReddedilirOlunceDevralinir) {
    GeciciKlasor k;
    const QString klasor = QString::fromStdString(k.Yol().string());
    QProcess ilk;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ORVELTA_KILIT_TUT", klasor);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    ilk.setProcessEnvironment(env);
    ilk.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=TekKopya.KilitTutucuSurec"});
    ASSERT_TRUE(ilk.waitForStarted());
    QByteArray cikti;
    Bekle([&] {
        ilk.waitForReadyRead(20);
        cikti += ilk.readAllStandardOutput();
        return cikti.contains("HAZIR");
    }, 20000);
    ASSERT_TRUE(cikti.contains("HAZIR"));

    // The second start is refused and its request reaches the first copy.
    TekKopya ikinci(klasor);
    EXPECT_FALSE(ikinci.KilidiAl());
    EXPECT_TRUE(ikinci.OncekiniEtkinlestir(3000));
    Bekle([&] {
        ilk.waitForReadyRead(20);
        cikti += ilk.readAllStandardOutput();
        return cikti.contains("ETKIN");
    }, 10000);
    EXPECT_TRUE(cikti.contains("ETKIN"));

    // A killed first copy does not block the next start.
    ilk.kill();
    ilk.waitForFinished();
    TekKopya ucuncu(klasor);
    EXPECT_TRUE(ucuncu.KilidiAl());
}
