#pragma once
// A project file built from the empty template and a few SQL rows, opened
// the way the program opens a project (table set bound, scratch tables
// expanded), and the calculation run on it through the headless port.
#include <initializer_list>
#include <string>
#include <vector>

#include "TestYardim.h"
#include "platform/Tablo.h"

class TestProjesi {
public:
    // Satirlar: SQL statements applied to the empty template (an UPDATE of
    // AnaVeriler and the INSERTs of the model).
    explicit TestProjesi(const std::string& Satirlar, bool YerDegistirmeli = false);
    ~TestProjesi();

    // Runs "Hesapla" and returns the report as the results window saw it
    // (empty when the results window was not opened).
    std::vector<std::string> Hesapla();

    BasliksizArayuz& arayuz;
    GeciciKlasor klasor;
    std::string dosya;
};

// The drawing table of the last run, opened (it is closed with the project).
Tablo& CizimTablosu();
// The lines from the title line `Baslik` up to the next empty line (not included).
std::vector<std::string> Bolum(const std::vector<std::string>& Rapor, const std::string& Baslik);
// The rows of that section below its title, column titles and rule.
std::vector<std::string> BolumSatirlari(const std::vector<std::string>& Rapor, const std::string& Baslik);
// n copies of c.
std::string Tekrar(char c, int n);
// Right-aligned columns, as the report builds them.
std::string Sag(const std::string& s, int genislik);
// Each text right-aligned in a column of the width given.
std::string Sutunlar(std::initializer_list<const char*> l, int genislik);
std::vector<std::string> Satirlar(std::initializer_list<std::string> l);
// Line 4 of the report: the equations, unknowns and redundants.
std::string DenklemSatiri(int Denklem, int Bilinmeyen);
// The column titles of the reactions section.
extern const char* const kReaksiyonBasligi;
extern const char* const kYerDegistirmeBasligi;

// A plane truss 1 (0,0), 2 (4,0), 3 (4,3) with bars 1-2, 2-3, 1-3 of steel
// and the section row given; 30, -40 kN at node 3; node 1 on a roller
// (Uy), node 2 pinned.
std::string UcgenKafes(const std::string& Kesit, bool Yuk = true, bool Mesnet = true);
// A 4 m steel plane-frame bar from node 1 (0,0) to node 2 (4,0): A = 0.01,
// I = 1e-4, Ay = 0.008, hy = 0.3, ey = 0.15; node 1 held, node 2 with the
// support words given, and the rows in Ek.
std::string CerceveKirisi(const std::string& Mesnet2, const std::string& Ek = "");
// A 4 m steel space-frame bar from node 1 (0,0,0) to node 2 (4,0,0), local
// axes the global ones (third point code 10002), Nu = 0.25, A = 0.01,
// Iy = 1e-5, Iz = 2e-5 and the torsion constant J; the support rows and
// loads in Ek.
std::string UzayCubugu(const char* J, const std::string& Ek);
