#pragma once
// Lookups of the open model: the system type, one node's coordinates and
// everything the engine, the report and the drawing need of one element.
// They read the table set `Tablolar` (scratch tables XYZ and ED, project
// tables AnaVeriler, MalzemeBilgileri, KesitBilgileri).
#include <string>

// The system type of the open project into SistemAdi, SistemTipi,
// GenelKoordinatSistemiNo and the per-node and per-element counts.
// False (with its message and Hata = 1) when the type is not set.
bool SistemTipiniOku();

// Coordinates of node NoktaNo from XYZ; a number XYZ does not hold leaves
// X1..X3 as they were.
void NoktaKoordinatlariniOku(int NoktaNo, double& X1, double& X2, double& X3);

// One element with its node coordinates, material and section values.
// A missing element, material or section: message, Hata = 1, and the values
// from that point on are not written.
void ElemanBilgileriniOku(int ElemanNo, int& ElemanTipi, int& iNoktasi, int& jNoktasi, int& kNoktasi,
                          int& LNoktasi, int& MalzemeNo, int& KesitNo, std::string& MafsalTipi, double& E,
                          double& Nu, double& Ro, double& Alfa, double& A, double& ix, double& iy,
                          double& iz, double& Ay, double& Az, double& hy, double& ey, double& hz,
                          double& ez, double& Wb, double& iX1, double& iX2, double& iX3, double& jX1,
                          double& jX2, double& jX3, double& kX1, double& kX2, double& kX3, double& LX1,
                          double& LX2, double& LX3);

// The same into the current-element globals (OkunanElemanTipi .. OkunanLX3),
// as the engine and the report call it; TuretElemanNo := ElemanNo.
void ElemanBilgileriniOku(int ElemanNo);
