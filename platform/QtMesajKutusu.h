#pragma once
// The program's message box on the Qt screen, and the user-interface port
// that shows it. The main window extends QtArayuz.
#include <string>

#include "platform/KullaniciArayuzu.h"
#include "platform/MesajStili.h"

class QWidget;

// Shows a modal box with the buttons, icon and default button that the
// style word chooses (see MesajStiliniCoz) and returns the answer letter;
// " " when no box can be shown (no application object).
std::string QtMesajKutusuGoster(QWidget* Sahip, const std::string& Metin, const std::string& Baslik,
                                const std::string& Stil);

// Line breaks as the message texts write them ("\r", "\r\n", "\n\r") become "\n".
std::string SatirSonlariniDuzelt(const std::string& Metin);

class QtArayuz : public KullaniciArayuzu {
public:
    std::string MesajGoster(const std::string& Metin, const std::string& Baslik,
                            const std::string& Stil) override;
    void MesajlariIsle() override;

    // The window that owns the boxes; the active window when unset.
    void SahipPencereAyarla(QWidget* w) { sahip_ = w; }

protected:
    QWidget* sahip_ = nullptr;
};
