#include "shell/Baslat.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QProxyStyle>
#include <QSocketNotifier>
#include <QTimer>
#include <clocale>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#include "model/LibU.h"
#include "model/Tipler.h"
#include "platform/Erisilebilirlik.h"
#include "platform/Pencereler.h"
#include "platform/QtMesajKutusu.h"
#include "platform/Sistem.h"
#include "shell/Mesaj.h"
#include "shell/TekKopya.h"
#include "shell/UOrvelta.h"

namespace {

// Hints come up quickly and follow the mouse from control to control; the
// focused control shows its ring.
class IpucuStili : public TOdakStili {
public:
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w,
                  QStyleHintReturn* r) const override {
        if (h == SH_ToolTip_WakeUpDelay) return 250;
        if (h == SH_ToolTip_FallAsleepDelay) return 10;
        return TOdakStili::styleHint(h, o, w, r);
    }
};

// A termination signal (log-out, kill) closes the main window as its close
// button would, so that the settings are saved and the working files removed.
int sinyalCifti[2] = {-1, -1};

void SinyalGeldi(int) {
    const char c = 1;
    [[maybe_unused]] ssize_t n = ::write(sinyalCifti[0], &c, 1);
}

// Closes the window; a running calculation is stopped first and the close
// retried once it has ended.
void KapatVeyaDurdur(TfOrvelta* pencere) {
    if (pencere->HesapYapiliyor()) {
        Hata = 1;
        QTimer::singleShot(200, pencere, [pencere] { KapatVeyaDurdur(pencere); });
        return;
    }
    pencere->close();
}

void SinyalleriYakala(TfOrvelta* pencere, QObject* sahip) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, sinyalCifti) != 0) return;
    auto* bildirici = new QSocketNotifier(sinyalCifti[1], QSocketNotifier::Read, sahip);
    QObject::connect(bildirici, &QSocketNotifier::activated, pencere, [pencere] {
        char c;
        [[maybe_unused]] ssize_t n = ::read(sinyalCifti[1], &c, 1);
        KapatVeyaDurdur(pencere);
    });
    struct sigaction sa {};
    sa.sa_handler = SinyalGeldi;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &sa, nullptr);
}

}  // namespace

void IkinciKopyaUyarisi(TekKopya& Tek) {
    QtArayuz ekran;
    KullaniciArayuzu* onceki = &Arayuz();
    ArayuzAyarla(&ekran);
    MesajKutusu("Programı ikinci kez başlattınız\n\rÖnceki etkinleştrilecek", "UYARI:", "TamamUyarı1");
    // The running copy's window is found by its title where the desktop has
    // a window list; the running copy is also asked through the local
    // socket, which works everywhere.
    if (unsigned long h = PencereBul("Orvelta:")) UstPencereyiOneGetir(h);
    Tek.OncekiniEtkinlestir();
    ArayuzAyarla(onceki);
}

bool AracTakimiCevirileriniYukle() {
    static QTranslator ceviri;
    if (!ceviri.isEmpty()) return true;
    if (!ceviri.load(QLocale(QLocale::Turkish, QLocale::Turkey), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&ceviri);
}

int OrveltaCalistir(int argc, char** argv) {
    BellekAyiriciniAyarla();
    QApplication app(argc, argv);
    // Numbers are read and written with "." and "," whatever the machine's
    // regional settings.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication::setApplicationName("Orvelta");
    QApplication::setStyle(new IpucuStili);
    AracTakimiCevirileriniYukle();
    GenelDegiskenleriBaslat();

    // Only one copy runs from one program folder.
    TekKopya tek(QCoreApplication::applicationDirPath());
    if (!tek.KilidiAl()) {
        IkinciKopyaUyarisi(tek);
        return 0;
    }

    int sonuc = 0;
    {
        TfOrvelta ana;
        QObject::connect(&tek, &TekKopya::EtkinlestirmeIstendi, &ana, &TfOrvelta::OneGetir);
        SinyalleriYakala(&ana, &ana);
        // The long-lived windows, in their order after the main window.
        Mesaj = new TMesaj(&ana);
        ana.show();
        sonuc = app.exec();
        Mesaj = nullptr;
        for (int s : {SIGTERM, SIGINT, SIGHUP}) std::signal(s, SIG_DFL);
    }
    GenelDegiskenleriSerbestBirak();
    return sonuc;
}
