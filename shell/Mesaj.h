#pragma once
// The message window "Eleman hakkında Mesaj": stays on top, one memo. It is
// created at start and lives until the end; no command shows it.
#include <QDialog>

class QPlainTextEdit;

class TMesaj : public QDialog {
    Q_OBJECT
public:
    explicit TMesaj(QWidget* parent = nullptr);
    QPlainTextEdit* Memo1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
};

extern TMesaj* Mesaj;
