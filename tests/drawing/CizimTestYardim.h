#pragma once
// Shared pieces of the drawing tests: pixel look-ups, a project run with its
// drawing state, and the drawing window shown over a test.
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "drawing/CizimBoyama.h"
#include "run/HesapTestYardim.h"

class TfMeshCiz;

inline const QRgb kMavi = qRgb(0, 0, 255);
inline const QRgb kGri = qRgb(128, 128, 128);
inline const QRgb kKirmizi = qRgb(255, 0, 0);
inline const QRgb kBeyaz = qRgb(255, 255, 255);
inline const QRgb kSiyah = qRgb(0, 0, 0);

// Whether a pixel of this colour lies within one pixel of (x, y).
bool Yakininda(const QImage& r, int x, int y, QRgb renk);
// The number of pixels of this colour.
int Say(const QImage& r, QRgb renk);

// The port of a run that opens the drawing's tables while the results
// window would be up (the run's displacements still exist then).
struct CizimArayuzu : BasliksizArayuz {
    void SonuclariGoster() override;
};

// A project, its calculation run, and the drawing state of a 600 x 600 image.
struct Cizim {
    TestProjesi proje;
    CizimArayuzu arayuz;
    std::vector<std::string> rapor;
    explicit Cizim(const std::string& sql, bool yerDegistirmeli = false, bool hesapla = true);
    ~Cizim();
    QImage Resim(CizimSecenekleri s = {});
};

CizimSecenekleri Secim(CizimTuru t, std::vector<CizimEtiketi>* etiketler = nullptr);

// A 4 m plane-frame beam on a pin (node 1) and a roller (node 2) under
// 10 kN/m, in the axis set given.
std::string BasitKiris(int EksenTakimi);

// Runs Islem in the drawing window, shown with the picture drawn, then
// closes it.
void Penceresinde(bool SadeceGeometri, const std::function<void(TfMeshCiz&)>& Islem);
