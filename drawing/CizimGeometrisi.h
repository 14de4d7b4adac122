#pragma once
// What the drawing window draws and how it is seen: the element and node
// tables filled once when the window opens, the axis set, the view, the
// scales and rotations, the model box with its fit and the projection of a
// model point to a pixel of the picture.
#include <QPoint>
#include <array>
#include <string>
#include <vector>

struct TCizimDurumu {
    // Row e: 0 size value (bars: length in cm, membranes and plates:
    // thickness x 100000; 0 for springs, the isolator, E outside
    // [1000.01, 1e10] and an element without material or section),
    // 1..4 nodes i, j, k, L (only the drawn ones), 5 type, 6 hinge code.
    std::vector<std::array<int, 8>> ElemanCizimBilgisi;
    // Row n: global X, Y, Z of node n in columns 1..3.
    std::vector<std::array<double, 4>> NoktaKoordinatlari;
    // The largest size value of the bars and of the membranes and plates,
    // before the zeroing; an element at most a tenth of its group's largest
    // is drawn flagged.
    int EnBuyukCubukBoyu = 0, EnBuyukYuzeyBoyu = 0;
    int SistemTipi = 0;
    int Boyut = 2;
    int EksenTakimi = 1;  // 1 "X-Y" .. 6 "Z-Y"
    int Gorunus = 0;      // 0 the spatial picture, 1..3 a flat view
    int YatayEksen = 1, DuseyEksen = 2, DerinlikEksen = 3;
    // [0][a]: sign of global axis a (1..3) on the screen's horizontal, [1][a] on its vertical.
    int EksenIsaretleri[2][4] = {};
    // Overall, horizontal, vertical and depth scale factors.
    double Olcekler[4] = {1, 1, 1, 1};
    // Rotation angles in degrees about the screen's horizontal, vertical and depth axes.
    int Acilar[3] = {0, 0, 0};
    // The model box of the range as the picture shows it (metres, before the
    // scale factors, at the rotation angles of the last fit; v upward).
    double EnKucukH = 0, EnBuyukH = 0, EnKucukV = 0, EnBuyukV = 0;
    // Fit scales (pixels per metre) and the oblique depth factor.
    double YatayOlcek = 0, DuseyOlcek = 0, EgikCarpan = 0;
    int OrijinX = 0, OrijinY = 0;
    // The origin was put where the user clicked (until the next start-up or resize).
    bool OrijinTiklandi = false;
    // The origin of the last fit: the pixel of the model origin that puts the
    // model box in the middle of the drawing area.
    int SigdirmeOrijinX = 0, SigdirmeOrijinY = 0;
    int Genislik = 0, Yukseklik = 0;
    int IlkEleman = 1, SonEleman = 0, ElemanSayisi = 0, NoktaSayisi = 0;
    std::string ProbleminTanimi;
    // Global displacements (X, Y, Z in m) of node n at row n; empty when the
    // run computed none.
    std::vector<std::array<double, 3>> YerDegistirmeler;
};

extern TCizimDurumu CizimDurumu;

// Drawn nodes of an element type: 2 for bars, 3 for the triangle, 4 for the
// quadrilaterals.
int CizimNoktaSayisi(int ElemanTipi);

// Fills the tables and the start state from the scratch tables and the
// project's main data (image size and range as given). Runs the
// calculation's numbering check first: a fault shows its message and
// returns false, with nothing written. Elements
// without material or section are flagged, with one message for all; values
// that cannot be used are noted once.
bool CizimTablolariniDoldur(int Genislik, int Yukseklik);

// The nodal displacements of the run that has just ended (its arrays hold
// them until the results window closes); none when it computed none.
void YerDegistirmeleriAl();

// The project's axis set kept when the system is plane: only "X-Y" and "Y-X"
// show a plane model, any other set falls back to "X-Y".
int GecerliEksenTakimi(int ProjeEksenTakimi, int Boyut);

// The views offered for an axis set ("X-Y", "X-Z", "Y-Z" for set 1, ...).
std::array<const char*, 3> GorunusAdlari(int EksenTakimi);

// The band at the top of the picture kept for the title line.
constexpr int kBaslikBandi = 20;

// The diagram height in pixels of the largest ordinate: 8 pixels per step
// of the "Diyagram:" bar, 3 when the range holds more than 20 elements.
double DiyagramCarpani(int DiyagramCubugu);

// The room kept free on each side of the model box: the height of a diagram
// at the bar's initial value 10 and 20 pixels for its labels.
int CizimKenarPayi();

// Axes, signs and the fit. The rotation angles are reset to 0.
void GorunusVeOlcekHesapla();

// The fit, in one place: the model box of the range as now projected (the
// scale factors left out), the one scale (pixels per metre) that brings the
// box into the drawing area, and the fit origin that centres the box there.
// The drawing area is the image less CizimKenarPayi() on every side and
// kBaslikBandi more at the top: width W - 2m, height H - 20 - 2m, centre
// (W / 2, (H + 20) / 2). When the box has no width (or no height) only the
// other scale is set, the first stays 0, as a line of nodes needs no more.
void SigdirmeHesapla();
// The origin := the fit origin.
void OrijiniAyarla();
// The origin after a new view of the same picture (another axis set, view
// or range): a clicked origin stays where it was, but a plane model that
// starts exactly at h = 0 takes the fit's x again; otherwise as
// OrijiniAyarla.
void GorunusOrijiniAyarla();
// The three rotation angles from the positions of the X, Y and Z bars.
void AcilariAyarla(int XCubugu, int YCubugu, int ZCubugu);

// The pixel of a model point (rounded to the nearest, halves to even).
QPoint Izdusum(double X, double Y, double Z);
QPoint NoktaIzdusumu(int Nokta);

// +1 when the view shows the global X-Y plane as seen from +Z, -1 when it
// shows it mirrored: the side to which a plane element's local -y turns on
// the screen is this sign times the element's screen direction turned a
// quarter clockwise.
int YanIsareti();

// Checks a range text pair before painting; the message of the first
// fault, empty when fine (IlkNo and SonNo then set).
std::string ElemanAraligiHatasi(const std::string& Ilk, const std::string& Son, int& IlkNo, int& SonNo);
// The same check when the axis set or the view changes: each number alone
// ("Son eleman hatalı" wins when both are wrong); a first above the last
// passes here and is refused at the paint.
std::string GorunusAraligiHatasi(const std::string& Ilk, const std::string& Son, int& IlkNo, int& SonNo);
