#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "TestYardim.h"
#include "model/LibU.h"
#include "platform/MesajStili.h"
#include "platform/QtMesajKutusu.h"

namespace {
struct Bicim {
    const char* Stil;
    int Dugmeler, Simge, Varsayilan;
    std::vector<std::string> Harfler;
    int VarsayilanSira;
};
}  // namespace

TEST(MesajStili, KullanilanButunStiller) {
    const Bicim tablo[] = {
        {"TamamHata1", 0, 48, 0, {"T"}, 0},
        {"TamamUyarı1", 0, 48, 0, {"T"}, 0},
        {"TamamUyari1", 0, 0, 0, {"T"}, 0},  // dotted i: no icon word
        {"EvetHayır2", 4, 0, 256, {"E", "H"}, 1},
        {"EvetHayırSoru2", 4, 32, 256, {"E", "H"}, 1},
        {"EvetHayırUyarı2", 4, 48, 256, {"E", "H"}, 1},
        {"TamamAçıklama1", 0, 0, 0, {"T"}, 0},
        {"TamamBilgi1", 0, 0, 0, {"T"}, 0},
        {"", 0, 0, 0, {"T"}, 0},
        {"EvetHayırSoru23", 4, 32, 768, {"E", "H"}, 0},  // no fourth button: the first
    };
    for (const auto& b : tablo) {
        const MesajKutusuBicimi m = MesajStiliniCoz(b.Stil);
        EXPECT_EQ(m.Dugmeler, b.Dugmeler) << b.Stil;
        EXPECT_EQ(m.Simge, b.Simge) << b.Stil;
        EXPECT_EQ(m.Varsayilan, b.Varsayilan) << b.Stil;
        EXPECT_EQ(m.DugmeHarfleri(), b.Harfler) << b.Stil;
        EXPECT_EQ(m.VarsayilanSirasi(), b.VarsayilanSira) << b.Stil;
    }
}

TEST(MesajStili, SatirSonlari) {
    EXPECT_EQ(SatirSonlariniDuzelt("a\r\rb"), "a\n\nb");
    EXPECT_EQ(SatirSonlariniDuzelt("a\n\rb"), "a\nb");
    EXPECT_EQ(SatirSonlariniDuzelt("a\r\nb\nc"), "a\nb\nc");
}

namespace {
// Waits for the modal box, lets the test look at it, then clicks the button
// with the given caption.
void KutuyuYanitla(const QString& dugme, std::function<void(QMessageBox*)> incele) {
    auto* zamanlayici = new QTimer;
    QObject::connect(zamanlayici, &QTimer::timeout, [=] {
        auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!kutu) return;
        zamanlayici->stop();
        zamanlayici->deleteLater();
        incele(kutu);
        for (QAbstractButton* b : kutu->buttons())
            if (b->text() == dugme) { b->click(); return; }
        ADD_FAILURE() << "no button " << dugme.toStdString();
        kutu->done(0);
    });
    zamanlayici->start(5);
}
}  // namespace

TEST(QtMesajKutusu, SoruKutusuEvetHayirVeVarsayilanHayir) {
    QStringList dugmeler;
    QString varsayilan, baslik, metin;
    QMessageBox::Icon simge = QMessageBox::NoIcon;
    KutuyuYanitla("Evet", [&](QMessageBox* k) {
        for (auto* b : k->buttons()) dugmeler << b->text();
        varsayilan = k->defaultButton() ? k->defaultButton()->text() : QString();
        simge = k->icon();
        baslik = k->windowTitle();
        metin = k->text();
    });
    EXPECT_EQ(QtMesajKutusuGoster(nullptr, "x\r\ry", "SORU:", "EvetHayırSoru2"), "E");
    dugmeler.sort();
    EXPECT_EQ(dugmeler, (QStringList{"Evet", "Hayır"}));
    EXPECT_EQ(varsayilan, "Hayır");
    EXPECT_EQ(simge, QMessageBox::Question);
    EXPECT_EQ(baslik, "SORU:");
    EXPECT_EQ(metin, "x\n\ny");
}

// A question by keys, as the help tells it: Enter and Esc answer "Hayır",
// Tab goes to "Evet" and Enter or the space bar presses it.
TEST(QtMesajKutusu, SoruKlavyeyleCevaplanir) {
    const std::pair<std::vector<Qt::Key>, std::string> durumlar[] = {
        {{Qt::Key_Return}, "H"}, {{Qt::Key_Escape}, "H"}, {{Qt::Key_Tab, Qt::Key_Return}, "E"},
        {{Qt::Key_Tab, Qt::Key_Space}, "E"}};
    for (const auto& [tuslar, cevap] : durumlar) {
        QTimer zaman;
        QObject::connect(&zaman, &QTimer::timeout, [&, t = tuslar] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || !w->isActiveWindow() || !QApplication::focusWidget()) return;
            zaman.stop();
            for (Qt::Key k : t) QTest::keyClick(QApplication::focusWidget(), k);
        });
        zaman.start(5);
        EXPECT_EQ(QtMesajKutusuGoster(nullptr, "Devam edeyim mi?", "SORU:", "EvetHayırSoru2"), cevap) << tuslar.size();
    }
}

TEST(QtMesajKutusu, ArayuzUzerindenUyariKutusu) {
    QtArayuz q;
    ArayuzAyarla(&q);
    QMessageBox::Icon simge1 = QMessageBox::Critical, simge2 = QMessageBox::Critical;
    QString dugme;
    int metinUzunlugu = 0;
    KutuyuYanitla("Tamam", [&](QMessageBox* k) {
        simge1 = k->icon();
        dugme = k->buttons().value(0)->text();
        metinUzunlugu = static_cast<int>(k->text().size());
    });
    EXPECT_EQ(MesajKutusu(std::string(300, 'a'), "UYARI:", "TamamUyarı1"), "T");
    EXPECT_EQ(simge1, QMessageBox::Warning);
    EXPECT_EQ(dugme, "Tamam");
    EXPECT_EQ(metinUzunlugu, 255);

    KutuyuYanitla("Tamam", [&](QMessageBox* k) { simge2 = k->icon(); });
    EXPECT_EQ(MesajKutusu("x", "Uyarı:", "TamamUyari1"), "T");
    EXPECT_EQ(simge2, QMessageBox::NoIcon);

    KutuyuYanitla("Hayır", [](QMessageBox*) {});
    EXPECT_EQ(MesajKutusu("x", "SORU:", "EvetHayır2"), "H");
    ArayuzAyarla(nullptr);
}

TEST(BasliksizArayuz, SenaryoVeIlkDugme) {
    BasliksizArayuz a;
    a.Cevaplar = {"H"};
    EXPECT_EQ(a.MesajGoster("soru", "SORU:", "EvetHayırSoru2"), "H");  // from the script
    EXPECT_EQ(a.MesajGoster("soru", "SORU:", "EvetHayırSoru2"), "E");  // then the first button
    EXPECT_EQ(a.MesajGoster("hata", "HATA:", "TamamHata1"), "T");
    EXPECT_EQ(a.MesajGoster("x", "x", "Yeniden deneİptal"), "Y");
    EXPECT_EQ(a.MesajGoster("x", "x", "DurdurYeniden deneGözardı et"), "D");
    ASSERT_EQ(a.Mesajlar.size(), 5u);
    EXPECT_EQ(a.Mesajlar[0].Metin, "soru");
    EXPECT_EQ(a.Mesajlar[0].Baslik, "SORU:");
    EXPECT_EQ(a.Mesajlar[0].Stil, "EvetHayırSoru2");
    EXPECT_EQ(a.Mesajlar[0].Cevap, "H");
    EXPECT_EQ(a.Mesajlar[2].Cevap, "T");
}

// The message text at the normal size keeps the dots of its capitals:
// "Önce koordinatları veriniz" shows its Ö whole, not as "Once": two dark
// dots over the O; "İki ..." a dark dot over the I.
TEST(QtMesajKutusu, BuyukHarflerinNoktalariGorunur) {
    std::vector<std::string> bakilanlar, kesikler;
    int noktalar = 0;
    KutuyuYanitla("Tamam", [&](QMessageBox* k) {
        kesikler = KesikEtiketler(k, &bakilanlar);
        if (auto* l = k->findChild<QLabel*>("qt_msgbox_label")) noktalar = BastakiNoktalar(l);
    });
    EXPECT_EQ(QtMesajKutusuGoster(nullptr, "Önce koordinatları veriniz", "HATA:", "TamamHata1"), "T");
    EXPECT_NE(std::find(bakilanlar.begin(), bakilanlar.end(), "Önce koordinatları veriniz"), bakilanlar.end());
    EXPECT_EQ(kesikler, std::vector<std::string>{});
    EXPECT_GE(noktalar, 2);
    // The dot of İ lies a row above the line on the X screen.
    KutuyuYanitla("Tamam", [&](QMessageBox* k) { noktalar = BastakiNoktalar(k->findChild<QLabel*>("qt_msgbox_label")); });
    EXPECT_EQ(QtMesajKutusuGoster(nullptr, "İki farklı nokta aynı numaralı olamaz", "HATA:", "TamamHata1"), "T");
    EXPECT_GE(noktalar, 1);
}
