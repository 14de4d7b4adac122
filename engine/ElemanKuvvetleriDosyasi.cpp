#include "engine/ElemanKuvvetleriDosyasi.h"

#include <charconv>
#include <filesystem>

#include "model/LibU.h"
#include "model/Tipler.h"

TElemanKuvvetleriDosyasi ElemanKuvvetleriDosyasi;

std::string TElemanKuvvetleriDosyasi::Yol() const {
    if (!yol_.empty()) return yol_;
    return ProgramKlasoru + "/VerilerOrtak/ElemanKuvvetleri.txt";
}

void TElemanKuvvetleriDosyasi::Olustur() {
    Kapat();
    yaz_.open(Yol(), std::ios::binary | std::ios::trunc);
}

void TElemanKuvvetleriDosyasi::SayiYaz(double x) {
    yaz_ << BilimselSayiMetni23(x) << ' ';
}

void TElemanKuvvetleriDosyasi::SatirSonu() { yaz_ << "\r\n"; }

void TElemanKuvvetleriDosyasi::OkumakIcinAc() {
    Kapat();
    oku_.open(Yol(), std::ios::binary);
}

bool TElemanKuvvetleriDosyasi::SatirOku(std::vector<double>& Degerler) {
    Degerler.clear();
    std::string satir;
    if (!oku_.is_open() || !std::getline(oku_, satir)) return false;
    const char* p = satir.data();
    const char* son = p + satir.size();
    while (p < son) {
        while (p < son && (*p == ' ' || *p == '\r' || *p == '\t')) ++p;
        if (p >= son) break;
        double x = 0;
        auto [q, hata] = std::from_chars(p, son, x);
        if (hata != std::errc()) break;
        Degerler.push_back(x);
        p = q;
    }
    return true;
}

void TElemanKuvvetleriDosyasi::Kapat() {
    if (yaz_.is_open()) yaz_.close();
    if (oku_.is_open()) oku_.close();
    yaz_.clear();
    oku_.clear();
}

void TElemanKuvvetleriDosyasi::Sil() {
    Kapat();
    std::error_code ec;
    std::filesystem::remove(Yol(), ec);
}
