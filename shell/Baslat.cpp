#include "shell/Baslat.h"

#include <QApplication>
#include <QLabel>

int OrveltaCalistir(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel l("Orvelta:Sonlu Elemanlar Kuvvet Metodu ");
    l.resize(640, 200);
    l.show();
    return app.exec();
}
