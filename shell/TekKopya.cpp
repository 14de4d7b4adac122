#include "shell/TekKopya.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace {
const char* const kEtkinlestir = "ETKINLESTIR\n";
}

TekKopya::TekKopya(const QString& Klasor, QObject* parent)
    : QObject(parent), klasor_(QDir(Klasor).absolutePath()) {
    // One server name per user and program folder: two installations may run
    // side by side, two copies of one installation may not.
    QByteArray anahtar = klasor_.toUtf8() + '|' + qgetenv("USER");
    sunucuAdi_ = "orvelta-" +
                 QString::fromLatin1(
                     QCryptographicHash::hash(anahtar, QCryptographicHash::Sha1).toHex().left(16));
}

TekKopya::~TekKopya() {
    if (sunucu_) sunucu_->close();
    if (kilit_ && alindi_) kilit_->unlock();
}

QString TekKopya::KilitDosyasi() const { return klasor_ + "/.orvelta.kilit"; }

bool TekKopya::KilidiAl() {
    if (alindi_) return true;
    QDir().mkpath(klasor_);
    kilit_ = std::make_unique<QLockFile>(KilitDosyasi());
    // The lock is held as long as the program runs; only a lock whose owner
    // process is gone counts as stale.
    kilit_->setStaleLockTime(0);
    if (!kilit_->tryLock(0)) {
        if (kilit_->error() == QLockFile::LockFailedError) return false;
        // The folder cannot hold a lock file (read-only medium): nothing can
        // guard the working files there, but the program may still run.
    }
    alindi_ = true;

    sunucu_ = std::make_unique<QLocalServer>();
    sunucu_->setSocketOptions(QLocalServer::UserAccessOption);
    // A server file left by a killed copy would block listen.
    QLocalServer::removeServer(sunucuAdi_);
    if (sunucu_->listen(sunucuAdi_)) {
        connect(sunucu_.get(), &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* s = sunucu_->nextPendingConnection()) {
                connect(s, &QLocalSocket::readyRead, this, [this, s] {
                    if (s->readAll().startsWith("ETKINLESTIR")) emit EtkinlestirmeIstendi();
                    s->disconnectFromServer();
                });
                connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            }
        });
    }
    return true;
}

bool TekKopya::OncekiniEtkinlestir(int BeklemeMs) {
    QLocalSocket s;
    s.connectToServer(sunucuAdi_);
    if (!s.waitForConnected(BeklemeMs)) return false;
    s.write(kEtkinlestir);
    bool ok = s.waitForBytesWritten(BeklemeMs);
    s.disconnectFromServer();
    return ok;
}
