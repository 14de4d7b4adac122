#pragma once
// The zoom window "Form büyüt/küçült": scales the main window by a percent
// from 30 to 300 in steps of 5 ("Uygula") and back to its designed size
// ("Geri al"). The percent is kept in the settings file and applied again
// at the next start.
#include <QDialog>
#include <QSpinBox>

class QPushButton;
class TfOrvelta;

// A spin box that holds only multiples of its step inside its range: a
// typed value in between is taken to the nearest one.
class AdimliSayac : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& Metin, int& Konum) const override;
    int valueFromText(const QString& Metin) const override;
};

class TFormBuyutKucult : public QDialog {
    Q_OBJECT
public:
    explicit TFormBuyutKucult(TfOrvelta* Ana);
    AdimliSayac* LabeledEdit1 = nullptr;  // the percent, with its arrows
    QPushButton* BitBtn1 = nullptr;       // "Uygula"
    QPushButton* BitBtn2 = nullptr;       // "Geri al"

    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    TfOrvelta* ana_;
};
