#pragma once
// A project file built from the empty template and a few SQL rows, opened
// the way the program opens a project (table set bound, scratch tables
// expanded), and the calculation run on it through the headless port.
#include <string>
#include <vector>

#include "TestYardim.h"

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

// The lines from the title line `Baslik` up to the next empty line (not included).
std::vector<std::string> Bolum(const std::vector<std::string>& Rapor, const std::string& Baslik);
// n copies of c.
std::string Tekrar(char c, int n);
// Right-aligned columns, as the report builds them.
std::string Sag(const std::string& s, int genislik);
