#include "HesapTestYardim.h"

#include <algorithm>

#include "engine/ElemanKuvvetleriDosyasi.h"
#include "model/LibU.h"
#include "model/ModelOku.h"
#include "model/Oku.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"
#include "run/Hesap.h"

TestProjesi::TestProjesi(const std::string& Satirlar, bool YerDegistirmeli)
    : arayuz(TemizBasliksizArayuz()) {
    dosya = klasor.Dosya("Proje.mdb");
    BosSablonuYaz(dosya);
    SqlDosyasiniCalistir(dosya, Satirlar);
    ProgramKlasoru = klasor.Yol().string();
    ElemanKuvvetleriDosyasi.Ata(klasor.Dosya("ElemanKuvvetleri.txt"));
    CalismaTablolariniAc(klasor.Yol().string());
    ProjeTablolariniAc(dosya);
    arayuz.YerDegistirmeliHesapAyarla(YerDegistirmeli);
    // The expansion that opening a project runs.
    if (SistemTipiniOku()) {
        for (auto oku : {KoordinatlariOku, ElemanNoktaBaginiOku, ElemanMalzemeKesitMafsalBaginiOku,
                         TekilYukleriniOku, ElemanYukleriniOku, SinirKosullariniOku})
            if (Hata == 0) oku();
    }
    arayuz.Mesajlar.clear();
}

TestProjesi::~TestProjesi() {
    TumTablolariKapat();
    ElemanKuvvetleriDosyasi.Kapat();
    ElemanKuvvetleriDosyasi.Ata("");
}

std::vector<std::string> TestProjesi::Hesapla() {
    arayuz.SonRapor.clear();
    HesaplaCalistir();
    return arayuz.SonRapor;
}

std::vector<std::string> Bolum(const std::vector<std::string>& Rapor, const std::string& Baslik) {
    auto it = std::find(Rapor.begin(), Rapor.end(), Baslik);
    std::vector<std::string> s;
    for (; it != Rapor.end() && !it->empty(); ++it) s.push_back(*it);
    return s;
}

std::string Tekrar(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

std::string Sag(const std::string& s, int genislik) { return SolaDoldur(s, ' ', genislik); }
