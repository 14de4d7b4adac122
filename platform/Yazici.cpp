#include "platform/Yazici.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPageSize>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>

YaziciBilgisi VarsayilanYaziciyiOku() {
    YaziciBilgisi b;
    QPrinterInfo p = QPrinterInfo::defaultPrinter();
    if (p.isNull()) return b;
    b.Ad = p.printerName().toStdString();
    const auto id = p.defaultPageSize().id();
    if (id == QPageSize::A3) b.Kagit = "A3";
    else if (id == QPageSize::A4) b.Kagit = "A4";
    return b;
}

bool YaziciAyarlariniAcVeBekle() {
    QString program = QStandardPaths::findExecutable("system-config-printer");
    if (program.isEmpty()) return false;
    QProcess p;
    p.start(program, {});
    if (!p.waitForStarted(3000)) return false;
    while (!p.waitForFinished(50))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}
