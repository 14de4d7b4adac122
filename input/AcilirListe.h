#pragma once
// A drop-down list that tells when its list opens and closes, for the
// editors that show something beside the open list (a detail panel, the
// picture of the chosen item again after a hover preview).
#include <QComboBox>

class TAcilirListe : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override {
        QComboBox::showPopup();
        emit Acildi();
    }
    void hidePopup() override {
        QComboBox::hidePopup();
        emit Kapandi();
    }

signals:
    void Acildi();
    void Kapandi();
};
