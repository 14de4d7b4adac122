#pragma once
// The results window "Orvelta: Sonuçlar": the report sections to show, the
// PDF of the ticked sections in the outside viewer, the printer settings.
#include <QDialog>

class QListWidget;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

class TfSonuclar : public QDialog {
    Q_OBJECT
public:
    explicit TfSonuclar(QWidget* sahip = nullptr);

    // Where the PDF is written; the program folder's "VerilerOrtak/Sonuçlar.pdf" by default.
    QString PdfDosyasi;
    // Builds the PDF from the ticked sections and opens the viewer;
    // false (after a message) when the file could not be written.
    bool SonuclariGosterYaz();
    void YaziciKagidiniOku();

    QListWidget* CheckListBox1;
    QGroupBox* GroupBox1;
    QWidget* Panel1;
    QPushButton *BitBtn11, *BitBtn3, *BitBtn6, *BitBtn1;
    QLabel *Label1, *Label2;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void YaziciBilgisiniGoster();
    void SonucBelgesiniHazirla();
    void CheckListBox1ClickCheck();
    void BitBtn3Click();
    bool hazirlandi_ = false;
};
