#pragma once
// The program's pictures: SVG files under resources/resimler, built into the
// program and looked up by name without regard to case ("Yuk3", "KESIT1",
// "Eleman10", "Eksen2", "Sistem30").
#include <QImage>
#include <QSize>
#include <string>
#include <vector>

class QLabel;

// Whether a picture of this name exists.
bool ResimVar(const std::string& Ad);

// The picture rendered into an image of the given size (its own size when
// Boyut is empty), keeping its aspect and centred on a transparent ground.
// A null image when the name is unknown or the file does not render.
QImage ResimCiz(const std::string& Ad, QSize Boyut = {});

// The picture's own size in its file (empty when unknown).
QSize ResimBoyutu(const std::string& Ad);

// Shows the picture in the label, fitted to the label's size, and makes the
// label visible; a missing picture hides the label and never raises.
void ResmiGoster(QLabel* Resim, const std::string& Ad);

// The names of every built-in picture, upper-cased, without ".svg".
std::vector<std::string> ResimAdlari();
