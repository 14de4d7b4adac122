#pragma once
// The picture of the drawing window, painted into an image: the title line,
// every element of the range with its hinge symbols, tension side, local x
// arrow and numbers, the axis cross and, when chosen, a force diagram or the
// displaced shape. Uses the state of CizimGeometrisi.h.
#include <QImage>
#include <string>

#include <vector>

#include "drawing/CizimGeometrisi.h"

// A diagram label as painted: its text, top-left corner before the turn and angle.
struct CizimEtiketi {
    std::string Metin;
    int x, y;
    double Aci;
};

enum class CizimTuru { Geometri, NormalKuvvet, Kesme, Moment, SekilDegistirmis };

struct CizimSecenekleri {
    CizimTuru Tur = CizimTuru::Geometri;
    bool ElemanNo = true, NoktaNo = false, Ordinatlar = true, Mafsallar = true, CekmeTarafi = true,
         YerelEksen = true;
    int YaziBoyu = 7;         // number and diagram-label font size (5..10)
    int DiyagramCubugu = 10;  // the "Diyagram:" bar (1..20)
    std::vector<CizimEtiketi>* Etiketler = nullptr;  // when given, every diagram label is added
};

// The caption of the item of "Ne çizilecek ?".
const char* CizimTuruAdi(CizimTuru Tur);

// Paints the whole picture over Resim (its size should be the state's
// image size). Nothing is painted when there is no element.
void Ciz(QImage& Resim, const CizimSecenekleri& Secenekler);

// Why the chosen item draws nothing in this model (its elements or its run),
// empty when it draws something.
std::string CizilmezNedeni(CizimTuru Tur);

// Whether the displaced shape can be drawn (a plane truss whose run
// computed displacements).
bool SekilDegistirmisCizilebilir();

// The picture's text font at a Windows point size (96 dots per inch).
int YaziPikseli(int Punto);
