#include "platform/DisGosterici.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <memory>

namespace {

std::unique_ptr<QProcess>& Surec() {
    static std::unique_ptr<QProcess> p;
    return p;
}

// The first PDF viewer found on the path; ORVELTA_PDF_GOSTERICI overrides.
QString GostericiBul() {
    const QByteArray ozel = qgetenv("ORVELTA_PDF_GOSTERICI");
    if (!ozel.isEmpty()) return QStandardPaths::findExecutable(QString::fromLocal8Bit(ozel));
    for (const std::string& ad : PdfGostericileri()) {
        QString yol = QStandardPaths::findExecutable(QString::fromStdString(ad));
        if (!yol.isEmpty()) return yol;
    }
    return {};
}

}  // namespace

const std::vector<std::string>& PdfGostericileri() {
    static const std::vector<std::string> adlar = {"evince", "okular", "atril", "qpdfview", "zathura", "mupdf", "xreader"};
    return adlar;
}

bool DisGostericiyiAc(const std::string& Dosya) {
    DisGostericiyiKapat();
    const QString program = GostericiBul();
    if (program.isEmpty()) return false;
    auto p = std::make_unique<QProcess>();
    p->setProgram(program);
    p->setArguments({QString::fromStdString(Dosya)});
    p->start();
    if (!p->waitForStarted(3000)) return false;
    Surec() = std::move(p);
    return true;
}

bool DisGostericiCalisiyor() {
    return Surec() && Surec()->state() != QProcess::NotRunning;
}

void DisGostericiyiKapat() {
    auto& p = Surec();
    if (!p) return;
    if (p->state() != QProcess::NotRunning) {
        p->terminate();
        if (!p->waitForFinished(2000)) {
            p->kill();
            p->waitForFinished(1000);
        }
    }
    p.reset();
}
