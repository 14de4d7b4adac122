#pragma once
// Helpers for the main-window tests: a main window in a temporary program
// folder, and an answerer that handles the modal boxes and dialogs the
// window opens, in the order the test lists them.
#include <QApplication>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestYardim.h"

class TfOrvelta;

class ModalCevaplayici {
public:
    ModalCevaplayici();
    ~ModalCevaplayici();
    // A message box: the button with this text is pressed.
    ModalCevaplayici& Mesaj(const QString& Dugme);
    // A file dialog: this name is chosen (the dialog's proposal is kept in
    // Oneriler), or the dialog is cancelled when Yol is empty.
    ModalCevaplayici& Dosya(const std::string& Yol);
    // A window with this title: it is closed.
    ModalCevaplayici& Pencere(const QString& Baslik);

    std::vector<std::string> Metinler;   // texts of the message boxes answered
    std::vector<std::string> Basliklar;  // their titles
    std::vector<std::string> Oneriler;   // the file each dialog proposed
    bool Bitti() const { return adimlar_.empty(); }

private:
    void Yokla();
    std::deque<std::function<bool(QWidget*)>> adimlar_;
    QTimer zaman_;
};

// Processes events until kosul holds or ms have passed.
bool Bekle(const std::function<bool()>& kosul, int ms = 5000);

// A main window started in a temporary program folder, set up and shown.
struct AcikPencere {
    explicit AcikPencere(const std::string& Klasor);
    ~AcikPencere();
    void Kapat();
    std::unique_ptr<TfOrvelta> p;
    // Boxes and dialogs no answerer expected: their texts (or window
    // titles); each is closed with its default button after a short wait so
    // that a test fails instead of hanging.
    std::vector<std::string> Beklenmeyen;

private:
    QTimer bekci_;
    QWidget* sonModal_ = nullptr;
    int sayac_ = 0;
};

// The number of answerers that still have steps to take.
int BekleyenCevaplayiciSayisi();
