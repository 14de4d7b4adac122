#pragma once
// Shared by the drawing tests: colours, pixel helpers and a project with its
// calculation run and the drawing state of a 600 x 600 image.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "drawing/CizimBoyama.h"
#include "drawing/CizimGeometrisi.h"
#include "drawing/KuvvetDiyagramlari.h"
#include "drawing/MeshCiz.h"
#include "run/HesapTestYardim.h"
#include "run/Hesap.h"

inline const QRgb kMavi = qRgb(0, 0, 255);
inline const QRgb kGri = qRgb(128, 128, 128);
inline const QRgb kKirmizi = qRgb(255, 0, 0);
inline const QRgb kBeyaz = qRgb(255, 255, 255);

// Whether a pixel of this colour lies within one pixel of (x, y).
inline bool Yakininda(const QImage& r, int x, int y, QRgb renk) {
    for (int i = x - 1; i <= x + 1; ++i)
        for (int j = y - 1; j <= y + 1; ++j)
            if (r.valid(i, j) && r.pixel(i, j) == renk) return true;
    return false;
}
inline int Say(const QImage& r, QRgb renk) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x) n += r.pixel(x, y) == renk;
    return n;
}

// The port of a run that opens the drawing's tables while the results
// window would be up (the run's displacements still exist then).
struct CizimArayuzu : BasliksizArayuz {
    void SonuclariGoster() override {
        BasliksizArayuz::SonuclariGoster();
        ASSERT_TRUE(CizimTablolariniDoldur(600, 600));
        YerDegistirmeleriAl();
        KuvvetDiyagramlariniHesapla();
    }
};

// A project, its calculation run, and the drawing state of a 600 x 600 image.
struct Cizim {
    TestProjesi proje;
    CizimArayuzu arayuz;
    std::vector<std::string> rapor;
    explicit Cizim(const std::string& sql, bool yerDegistirmeli = false, bool hesapla = true)
        : proje(sql, yerDegistirmeli) {
        arayuz.YerDegistirmeliHesapAyarla(yerDegistirmeli);
        ArayuzAyarla(&arayuz);
        if (hesapla) {
            HesaplaCalistir();
            rapor = arayuz.SonRapor;
        } else {
            EXPECT_TRUE(CizimTablolariniDoldur(600, 600));
        }
        GorunusVeOlcekHesapla();
        OrijiniAyarla();
    }
    ~Cizim() { ArayuzAyarla(nullptr); }
    QImage Resim(CizimSecenekleri s = {}) {
        QImage r(600, 600, QImage::Format_RGB32);
        Ciz(r, s);
        return r;
    }
};

inline CizimSecenekleri Secim(CizimTuru t, std::vector<CizimEtiketi>* etiketler = nullptr) {
    CizimSecenekleri s;
    s.Tur = t;
    s.Etiketler = etiketler;
    return s;
}

// A 4 m plane-frame beam on a pin (node 1) and a roller (node 2) under
// 10 kN/m, in the axis set given.
inline std::string BasitKiris(int EksenTakimi) {
    return CerceveKirisi("S 0 S S S S", Sql::ElemanYuku("'1', 1, 1, 10, 0, 0, 0")) +
           "UPDATE SinirKosullari SET Fiz = 'Serbest' WHERE NoktaNo = '1';\n"
           "UPDATE AnaVeriler SET KoordinatSistemiNo = " +
           std::to_string(EksenTakimi) + ";\n";
}

// Runs Islem in the drawing window, shown with the picture drawn, then
// closes it.
inline void Penceresinde(bool SadeceGeometri, const std::function<void(TfMeshCiz&)>& Islem) {
    bool bitti = false;
    QTimer zaman;
    zaman.setInterval(10);
    QObject::connect(&zaman, &QTimer::timeout, [&] {
        auto* w = qobject_cast<TfMeshCiz*>(QApplication::activeModalWidget());
        if (!w || w->Resim().isNull() || bitti) return;
        bitti = true;
        EXPECT_TRUE(CizimPenceresiAcik());
        Islem(*w);
        w->BitBtn99->click();
    });
    zaman.start();
    EXPECT_TRUE(CizimPenceresiniGoster(nullptr, SadeceGeometri));
    EXPECT_TRUE(bitti);
    EXPECT_FALSE(CizimPenceresiAcik());
}
