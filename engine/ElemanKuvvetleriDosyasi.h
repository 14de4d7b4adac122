#pragma once
// The element force file "ElemanKuvvetleri.txt" in the shared data folder:
// one line per bar of types 10, 20, 30 and 40 in element order, each value a
// 23-character scientific text followed by a blank, lines ending with CR LF.
// The report writes it; the stress rows of the bars read it back. A file
// that cannot be created, written or opened raises std::runtime_error with
// a Turkish message, which ends the calculation run with that message.
#include <fstream>
#include <string>
#include <vector>

class TElemanKuvvetleriDosyasi {
public:
    // The file's path; when it was never assigned, the shared data folder
    // under the program folder.
    void Ata(const std::string& yol) { yol_ = yol; }
    std::string Yol() const;

    void Olustur();          // create empty and open for writing (rewrite)
    void SayiYaz(double x);  // one value: 23 characters and a blank
    void SatirSonu();        // CR LF
    void YazmayiBitir();     // flush and close the written file
    void OkumakIcinAc();     // reopen for reading from the start (reset)
    // The numbers of the next line; false at the end of the file.
    bool SatirOku(std::vector<double>& Degerler);
    void Kapat();
    void Sil();  // close and delete the file

private:
    std::string yol_;
    std::ofstream yaz_;
    std::ifstream oku_;
};

extern TElemanKuvvetleriDosyasi ElemanKuvvetleriDosyasi;
