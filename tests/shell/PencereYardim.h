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

#include <gtest/gtest.h>

#include "TestYardim.h"

class TfOrvelta;
class TKayitEditoru;

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

    // Runs the command that opens the boxes and dialogs, then expects every
    // step to have been taken.
    ModalCevaplayici& Yap(const std::function<void()>& Komut);

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
// Processes events for ms.
void Dinlen(int ms);

// Runs Komut, which opens an editor modally; once the editor has set itself
// up, Is works in it and closes it.
void EditordeCalis(const std::function<void()>& Komut, const std::function<void(TKayitEditoru&)>& Is);

// A project in Klasor/Veriler made from the program's empty template and the
// SQL rows given; its path.
std::string ProjeYaz(const std::string& Klasor, const std::string& Ad, const std::string& Satirlar);
// Opens Yol through "Veri tabanı aç", pressing Dugme on the message box that
// follows when one is named; the texts of the boxes answered.
std::vector<std::string> ProjeAc(TfOrvelta& p, const std::string& Yol, const QString& Dugme = {});

// A window a test is working in carries this property (true): the main
// window's watch leaves it open however long the work takes.
inline constexpr const char* kTestteIsleniyor = "TestteIsleniyor";

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

// A window test in a temporary folder of its own, with the outside PDF
// viewer replaced by a program that ends at once.
class PencereTesti : public ::testing::Test {
protected:
    void SetUp() override { qputenv("ORVELTA_PDF_GOSTERICI", "true"); }
    void TearDown() override { qunsetenv("ORVELTA_PDF_GOSTERICI"); }
    GeciciKlasor k;
    const std::string klasor = k.Yol().string();
};
