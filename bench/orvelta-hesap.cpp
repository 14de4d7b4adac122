// Headless calculation driver: runs the whole road of "Hesapla" on a project
// file and prints the report lines to standard output; every message shown
// (title and text) and the time and peak memory of each phase go to
// standard error. With --pdf the results PDF of the run, every section
// ticked, is written to the given file. Exits with 1 when the run did not
// finish or the PDF could not be written.
// --cozum yogun|seyrek forces the dense or the sparse solution whatever the
// size (for comparing the two).
//   orvelta-hesap [--yer-degistirmeli] [--is-parcacigi N] [--cozum yogun|seyrek] [--pdf DOSYA] proje.mdb
#include <cstdlib>
#include <iostream>
#include <string>

#include "HesapYolu.h"
#include "engine/SeyrekCozum.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "platform/Sistem.h"
#include "platform/Tablo.h"
#include "run/SonucPdf.h"

int main(int argc, char** argv) {
    BellekAyiriciniAyarla();
    bool yerDegistirmeli = false;
    int isParcacigi = 0;
    std::string proje, pdf;
    const char* kullanim =
        "kullanım: orvelta-hesap [--yer-degistirmeli] [--is-parcacigi N] [--cozum yogun|seyrek] [--pdf DOSYA] "
        "proje.mdb\n";
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--yer-degistirmeli") {
            yerDegistirmeli = true;
        } else if (a == "--is-parcacigi" && i + 1 < argc) {
            int n = 0;
            if (!TamSayiMi(argv[++i], 1, 64, n)) {
                std::cerr << "--is-parcacigi 1 ile 64 arasında bir tam sayı olmalı\n";
                return 2;
            }
            isParcacigi = n;
        } else if (a == "--cozum" && i + 1 < argc) {
            const std::string yol = argv[++i];
            if (yol == "yogun") {
                CozumYolu = CozumYoluSecimi::Yogun;
            } else if (yol == "seyrek") {
                CozumYolu = CozumYoluSecimi::Seyrek;
            } else {
                std::cerr << kullanim;
                return 2;
            }
        } else if (a == "--cholesky" && i + 1 < argc) {
            const std::string y = argv[++i];
            SeyrekCholeskyYontemi = y == "basit" ? CholeskyYontemi::Basit : CholeskyYontemi::Superdugum;
        } else if (a == "--pdf" && i + 1 < argc) {
            pdf = argv[++i];
        } else if (!a.empty() && a[0] != '-' && proje.empty()) {
            proje = a;
        } else {
            std::cerr << kullanim;
            return 2;
        }
    }
    if (proje.empty()) {
        std::cerr << kullanim;
        return 2;
    }
    if (!std::filesystem::exists(proje)) {
        std::cerr << "HATA: " << proje << " dosyası bulunamadı\n";
        return 1;
    }
    if (isParcacigi == 0) isParcacigi = IslemciSayisi();
    hesap_yolu::Sonuc s = hesap_yolu::Calistir(proje, yerDegistirmeli, isParcacigi);
    for (const auto& satir : s.Rapor) std::cout << satir << "\n";
    std::cout.flush();
    for (const auto& a : s.Asamalar)
        std::cerr << "aşama " << a.Ad << ": " << a.Saniye << " s, en yüksek bellek " << a.TepeBellekMB
                  << " MB\n";
    for (const auto& a : s.CozumAdimlari) std::cerr << "  " << a << "\n";
    if (s.n > 0) std::cerr << "n=" << s.n << " m=" << s.m << " r=" << s.r << "\n";
    const auto& o = SonSeyrekCozumOlcusu;
    if (o.N > 0)
        std::cerr << "seyrek: N " << o.N << ", LU " << o.LU << ", Bx " << o.Bx << ", S " << o.S << ", S çarpanı "
                  << o.Carpan << (o.Superdugum ? " (süperdüğüm)" : " (basit)") << "\n";
    if (s.Hata != 0) return 1;
    if (!pdf.empty()) {
        SonucPdfGirdisi g;
        g.RaporSatirlari = s.Rapor;
        for (int i = 1; i <= 11; ++i) g.Secimler[i] = true;
        try {
            Tablo ana("AnaVeriler");
            ana.DosyaAyarla(proje);
            ana.Open();
            ana.First();
            if (!ana.Eof()) g.ProbleminTanimi = ana.FieldByName("ProbleminTanimi").AsString();
            ana.Close();
        } catch (const TabloHatasi&) {
        }
        GenelDegiskenleriBaslat();
        g.TelifMetni = TelifMetni;
        g.Surum = "1.0";
        g.TarihSaat = SimdikiTarihSaat();
        std::string hata;
        if (!SonucPdfYaz(g, pdf, hata)) {
            std::cerr << "HATA: " << hata << "\n";
            return 1;
        }
    }
    return 0;
}
