#pragma once
// The about window "Hakkında": the program's name, what it does, the version
// and copyright line.
#include <QDialog>

class QLabel;
class QPushButton;

class TfHakkinda : public QDialog {
    Q_OBJECT
public:
    explicit TfHakkinda(QWidget* Ust = nullptr);
    QLabel* Label1 = nullptr;  // the program's name
    QLabel* Label2 = nullptr;  // what it does
    QLabel* Label3 = nullptr;  // version and copyright
    QPushButton* BitBtn1 = nullptr;  // "Tamam"
};
