#pragma once
// The whole road of "Hesapla" on one project file, headless: the scratch and
// drawing databases in a temporary folder, the project opened and expanded
// as the program opens it, the run with its phases timed, the report lines
// kept as the results window reads them. Shared by the command-line driver
// and the benchmark.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/ElemanKuvvetleriDosyasi.h"
#include "model/ModelOku.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/KullaniciArayuzu.h"
#include "platform/Sistem.h"
#include "run/Hesap.h"

namespace hesap_yolu {

struct AsamaOlcumu {
    std::string Ad;
    double Saniye = 0;
    double TepeBellekMB = 0;  // peak resident memory during the phase
};

// Peak resident set since the last reset (VmHWM), in MB.
inline double TepeBellekMB() {
    std::ifstream f("/proc/self/status");
    std::string s;
    while (std::getline(f, s))
        if (s.rfind("VmHWM:", 0) == 0) return std::stod(s.substr(6)) / 1024.0;
    return 0;
}
// Starts a new peak measurement where the kernel allows it.
inline void TepeBellegiSifirla() {
    std::ofstream f("/proc/self/clear_refs");
    if (f) f << "5";
}

// A headless port that also writes every message to standard error.
class YolArayuzu : public BasliksizArayuz {
public:
    bool MesajlariYaz = true;
    std::string MesajGoster(const std::string& Metin, const std::string& Baslik,
                            const std::string& Stil) override {
        std::string cevap = BasliksizArayuz::MesajGoster(Metin, Baslik, Stil);
        if (MesajlariYaz) {
            std::string m = Metin;
            for (char& c : m)
                if (c == '\r') c = '\n';
            std::cerr << Baslik << " " << m << "\n";
        }
        return cevap;
    }
    // The solution steps replace their progress line by their done line with
    // the step's seconds; those lines are the engine's own phases.
    void MemoSonSatiriDegistir(const std::string& satir) override {
        BasliksizArayuz::MemoSonSatiriDegistir(satir);
        CozumAdimlari.push_back(satir);
    }
    std::vector<std::string> CozumAdimlari;
};

struct Sonuc {
    int Hata = 0;
    std::vector<std::string> Rapor;
    std::vector<AsamaOlcumu> Asamalar;
    std::vector<std::string> CozumAdimlari;  // done lines of the solution steps
    int n = 0, m = 0, r = 0;
};

class GeciciKlasor {
public:
    GeciciKlasor() {
        std::random_device rd;
        yol = std::filesystem::temp_directory_path() / ("orvelta-hesap-" + std::to_string(rd()));
        std::filesystem::create_directories(yol);
    }
    ~GeciciKlasor() {
        std::error_code ec;
        std::filesystem::remove_all(yol, ec);
    }
    std::filesystem::path yol;
};

// Runs the road on the project file Proje.
inline Sonuc Calistir(const std::string& Proje, bool YerDegistirmeli, int IsParcacigi, bool MesajlariYaz = true) {
    Sonuc s;
    GeciciKlasor klasor;
    YolArayuzu arayuz;
    arayuz.MesajlariYaz = MesajlariYaz;
    ArayuzAyarla(&arayuz);
    ModelDurumunuSifirla();
    if (IsParcacigi > 0) IsParcacigiSayisi = static_cast<std::uint16_t>(IsParcacigi);
    ProgramKlasoru = klasor.yol.string();
    ElemanKuvvetleriDosyasi.Ata((klasor.yol / "ElemanKuvvetleri.txt").string());
    arayuz.YerDegistirmeliHesapAyarla(YerDegistirmeli);

    using saat = std::chrono::steady_clock;
    saat::time_point bas = saat::now();
    std::string asama = "açılış";
    auto asamaBitir = [&](const std::string& sonraki) {
        saat::time_point simdi = saat::now();
        s.Asamalar.push_back({asama, std::chrono::duration<double>(simdi - bas).count(), TepeBellekMB()});
        asama = sonraki;
        bas = simdi;
        TepeBellegiSifirla();
    };
    TepeBellegiSifirla();
    try {
        CalismaTablolariniAc(klasor.yol.string());
        ProjeTablolariniAc(Proje);
        // The expansion that opening a project runs.
        if (SistemTipiniOku())
            for (auto oku : {KoordinatlariOku, ElemanNoktaBaginiOku, ElemanMalzemeKesitMafsalBaginiOku,
                             TekilYukleriniOku, ElemanYukleriniOku, SinirKosullariniOku})
                if (Hata == 0) oku();
    } catch (const std::exception& e) {
        std::cerr << "HATA: " << e.what() << "\n";
        Hata = 1;
    }
    if (Hata == 0) {
        HesapAsamasiBildirimi = [&](const std::string& ad) {
            if (ad == "kurma") {
                s.n = BilinmeyenSayisi;
                s.m = DenklemSayisi;
                s.r = HiperstatiklikDerecesi;
            }
            asamaBitir(ad);
        };
        if (!HesaplaCalistir()) Hata = 1;
        HesapAsamasiBildirimi = nullptr;
        if (asama != "son") asamaBitir("");
        s.Rapor = std::move(arayuz.SonRapor);
        s.CozumAdimlari = std::move(arayuz.CozumAdimlari);
    }
    s.Hata = Hata;
    if (s.Hata == 0 && arayuz.SonucGosterimSayisi == 0) s.Hata = 1;
    TumTablolariKapat();
    ElemanKuvvetleriDosyasi.Sil();
    ElemanKuvvetleriDosyasi.Ata("");
    ArayuzAyarla(nullptr);
    return s;
}

}  // namespace hesap_yolu
