#include "platform/QtMesajKutusu.h"
#include "platform/HarfPayi.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <map>

std::string SatirSonlariniDuzelt(const std::string& Metin) {
    std::string s;
    s.reserve(Metin.size());
    for (std::size_t i = 0; i < Metin.size(); ++i) {
        const char c = Metin[i];
        if (c == '\r' || c == '\n') {
            const char sonraki = i + 1 < Metin.size() ? Metin[i + 1] : '\0';
            if ((sonraki == '\r' || sonraki == '\n') && sonraki != c) ++i;  // a CR LF or LF CR pair
            s += '\n';
        } else {
            s += c;
        }
    }
    return s;
}

namespace {
QMessageBox::StandardButton StandartDugme(const std::string& harf) {
    if (harf == "T") return QMessageBox::Ok;
    if (harf == "İ") return QMessageBox::Cancel;
    if (harf == "D") return QMessageBox::Abort;
    if (harf == "Y") return QMessageBox::Retry;
    if (harf == "G") return QMessageBox::Ignore;
    if (harf == "E") return QMessageBox::Yes;
    if (harf == "H") return QMessageBox::No;
    return QMessageBox::NoButton;
}

QMessageBox::Icon Simge(int kod) {
    switch (kod) {
        case 16: return QMessageBox::Critical;
        case 32: return QMessageBox::Question;
        case 48: return QMessageBox::Warning;
        case 64: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}
}  // namespace

std::string QtMesajKutusuGoster(QWidget* Sahip, const std::string& Metin, const std::string& Baslik,
                                const std::string& Stil) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return " ";
    // The text keeps the dots of its capitals ("Önce ..." not "Once ...").
    HarfPaylariniKur();
    const MesajKutusuBicimi b = MesajStiliniCoz(Stil);

    QMessageBox kutu(Sahip ? Sahip : QApplication::activeWindow());
    kutu.setWindowTitle(QString::fromStdString(Baslik));
    kutu.setTextFormat(Qt::PlainText);
    kutu.setText(QString::fromStdString(SatirSonlariniDuzelt(Metin)));
    // Selectable text is drawn clipped at its line, which cuts off the dot
    // of İ where the X screen puts it a row above; plain text keeps it.
    kutu.setTextInteractionFlags(Qt::NoTextInteraction);
    kutu.setIcon(Simge(b.Simge));
    kutu.setWindowModality(Qt::ApplicationModal);
    kutu.setWindowFlag(Qt::WindowStaysOnTopHint, true);

    std::map<QAbstractButton*, std::string> harfler;
    const auto sirali = b.DugmeHarfleri();
    QPushButton* varsayilan = nullptr;
    for (std::size_t i = 0; i < sirali.size(); ++i) {
        QPushButton* d = kutu.addButton(StandartDugme(sirali[i]));
        d->setText(QString::fromStdString(DugmeMetni(sirali[i])));
        harfler[d] = sirali[i];
        if (static_cast<int>(i) == b.VarsayilanSirasi()) varsayilan = d;
    }
    kutu.setDefaultButton(varsayilan);
    kutu.raise();
    kutu.activateWindow();
    kutu.exec();

    const auto it = harfler.find(kutu.clickedButton());
    return it == harfler.end() ? std::string(" ") : it->second;
}

std::string QtArayuz::MesajGoster(const std::string& Metin, const std::string& Baslik,
                                  const std::string& Stil) {
    return QtMesajKutusuGoster(sahip_, Metin, Baslik, Stil);
}

void QtArayuz::MesajlariIsle() { QCoreApplication::processEvents(); }
