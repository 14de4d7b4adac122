#pragma once
// The guarantee that only one copy of the program runs from one program
// folder: a lock file held for the whole run (a killed copy leaves a stale
// lock that the next start takes over) and a local server through which a
// second start asks the first copy to come to the front.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class TekKopya : public QObject {
    Q_OBJECT
public:
    // Klasor: the folder whose copy is guarded (the program folder); the
    // lock file lies in it.
    explicit TekKopya(const QString& Klasor, QObject* parent = nullptr);
    ~TekKopya() override;

    // Takes the lock and starts listening. False when another copy holds it.
    bool KilidiAl();
    bool KilitAlindi() const { return alindi_; }

    // From a second copy: asks the running copy to come to the front.
    // True when the message was delivered.
    bool OncekiniEtkinlestir(int BeklemeMs = 1000);

    QString KilitDosyasi() const;
    QString SunucuAdi() const { return sunucuAdi_; }

signals:
    // A second start asked this copy to come to the front.
    void EtkinlestirmeIstendi();

private:
    QString klasor_, sunucuAdi_;
    std::unique_ptr<QLockFile> kilit_;
    std::unique_ptr<QLocalServer> sunucu_;
    bool alindi_ = false;
};
