#include "model/RaporSutunu.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "model/LibU.h"
#include "platform/TurkceMetin.h"

namespace {

std::string UsluBicim(double x, int p) {
    // to_chars does not depend on the locale.
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, p - 1);
    std::string s(buf, r.ptr);
    auto e = s.find('e');
    std::string mantis = OndalikSifirlariAt(s.substr(0, e));
    int us = std::atoi(s.c_str() + e + 1);
    return mantis + "E" + std::to_string(us);
}

std::string DuzBicim(double x, int p) {
    if (x == 0) return "0";
    int us = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    int ondalik = p - 1 - us;
    if (ondalik < 0) ondalik = 0;
    if (ondalik > 40 || us > 60) return {};
    char buf[128];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, ondalik);
    if (r.ec != std::errc()) return {};
    std::string s = OndalikSifirlariAt(std::string(buf, r.ptr));
    if (s == "-0") s = "0";
    return s;
}

}  // namespace

std::string KisaSayiMetni(double x, int p) {
    std::string u = UsluBicim(x, p);
    std::string d = DuzBicim(x, p);
    // The plain form is right only when it kept at most p digits.
    if (!d.empty()) {
        std::size_t rakam = 0;
        bool basladi = false;
        for (char c : d) {
            if (c >= '1' && c <= '9') basladi = true;
            if (basladi && c >= '0' && c <= '9') ++rakam;
        }
        if (rakam <= static_cast<std::size_t>(p) && d.size() <= u.size()) return d;
    }
    return u;
}

std::string RaporSutunu(const std::string& Metin, int Genislik) {
    if (Genislik <= 0) return {};
    // At least one blank stands before every value, so that a value that
    // fills its column does not run into the column before it.
    if (Utf8KarakterSayisi(Metin) < static_cast<std::size_t>(Genislik)) return SolaDoldur(Metin, ' ', Genislik);
    // Too wide: a number is written with fewer digits, never cut.
    double x = 0;
    const char* bas = Metin.data();
    const char* son = bas + Metin.size();
    while (bas < son && *bas == ' ') ++bas;
    auto [q, hata] = std::from_chars(bas, son, x);
    if (hata == std::errc() && q == son && std::isfinite(x)) {
        std::string k;
        for (int p = 15; p >= 1; --p) {
            k = KisaSayiMetni(x, p);
            if (static_cast<int>(k.size()) < Genislik) return SolaDoldur(k, ' ', Genislik);
        }
        // Not even one digit fits (an exponent of three digits in a narrow
        // column): the column grows rather than show a wrong number.
        return " " + k;
    }
    // Any other text is cut after the blank.
    return " " + SolaDoldur(Metin, ' ', Genislik - 1);
}

std::string BaslikSutunu(const std::string& Baslik, int Genislik) { return SolaDoldur(Baslik, ' ', Genislik); }

std::string YuvarlanmisSutun(double x, int k, int Genislik) {
    if (!std::isfinite(x)) return SolaDoldur("tanımsız", ' ', Genislik);
    return RaporSutunu(YuvarlanmisSayiMetni(x, k), Genislik);
}
