#include "engine/ElemanKuvvetleriDosyasi.h"

#include <charconv>
#include <filesystem>
#include <stdexcept>

#include "model/LibU.h"
#include "model/Tipler.h"

TElemanKuvvetleriDosyasi ElemanKuvvetleriDosyasi;

std::string TElemanKuvvetleriDosyasi::Yol() const {
    if (!yol_.empty()) return yol_;
    return ProgramKlasoru + "/VerilerOrtak/ElemanKuvvetleri.txt";
}

namespace {

[[noreturn]] void DosyaHatasi(const std::string& yol, const char* ne) {
    throw std::runtime_error("Eleman kuvvetleri dosyası " + std::string(ne) + ": " + yol);
}

}  // namespace

void TElemanKuvvetleriDosyasi::Olustur() {
    Kapat();
    yaz_.open(Yol(), std::ios::binary | std::ios::trunc);
    if (!yaz_.is_open()) DosyaHatasi(Yol(), "oluşturulamadı");
}

void TElemanKuvvetleriDosyasi::SayiYaz(double x) {
    yaz_ << BilimselSayiMetni23(x) << ' ';
}

void TElemanKuvvetleriDosyasi::SatirSonu() {
    yaz_ << "\r\n";
    if (!yaz_) DosyaHatasi(Yol(), "yazılamadı");
}

void TElemanKuvvetleriDosyasi::YazmayiBitir() {
    if (yaz_.is_open()) {
        yaz_.flush();
        const bool iyi = static_cast<bool>(yaz_);
        yaz_.close();
        if (!iyi || yaz_.fail()) {
            yaz_.clear();
            DosyaHatasi(Yol(), "yazılamadı");
        }
    }
    Kapat();
}

void TElemanKuvvetleriDosyasi::OkumakIcinAc() {
    Kapat();
    oku_.open(Yol(), std::ios::binary);
    if (!oku_.is_open()) DosyaHatasi(Yol(), "açılamadı");
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
