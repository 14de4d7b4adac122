#include "platform/TurkceMetin.h"

#include <cstdint>

namespace {

// Length of the UTF-8 sequence at s[i], 1 for a byte that does not start a
// valid sequence.
std::size_t DiziUzunlugu(const std::string& s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b >= 0xE0 && b <= 0xEF) n = 3;
    else if (b >= 0xF0 && b <= 0xF4) n = 4;
    else return 1;
    if (i + n > s.size()) return 1;
    for (std::size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

char32_t KodNoktasi(const std::string& s, std::size_t i, std::size_t n) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (n == 1) return b;
    char32_t c = b & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
    for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return c;
}

void Yaz(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Letters of the Turkish code page; Ð/ð, Ý/ý and Þ/þ are not in it (their
// places hold Ğ/ğ, İ/ı and Ş/ş).
char32_t Buyuk(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7 && c != 0xF0 && c != 0xFD && c != 0xFE) return c - 32;
    switch (c) {
        case 0x011F: return 0x011E;  // ğ
        case 0x015F: return 0x015E;  // ş
        case 0x0161: return 0x0160;  // š
        case 0x0153: return 0x0152;  // œ
        case 0x00FF: return 0x0178;  // ÿ
        default: return c;
    }
}

char32_t Kucuk(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7 && c != 0xD0 && c != 0xDD && c != 0xDE) return c + 32;
    switch (c) {
        case 0x011E: return 0x011F;
        case 0x015E: return 0x015F;
        case 0x0160: return 0x0161;
        case 0x0152: return 0x0153;
        case 0x0178: return 0x00FF;
        default: return c;
    }
}

template <typename F>
std::string Donustur(const std::string& s, F f) {
    std::string out;
    out.reserve(s.size() + 8);
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = DiziUzunlugu(s, i);
        if (n == 1 && static_cast<unsigned char>(s[i]) >= 0x80) {
            out += s[i];  // stray byte: kept as it is
        } else {
            Yaz(out, f(KodNoktasi(s, i, n)));
        }
        i += n;
    }
    return out;
}

}  // namespace

std::string Utf8TurkceBuyuk(const std::string& Metin) {
    return Donustur(Metin, [](char32_t c) -> char32_t {
        if (c == U'i') return 0x0130;  // İ
        if (c == 0x0131) return U'I';  // ı
        return Buyuk(c);
    });
}

std::string Utf8TurkceKucuk(const std::string& Metin) {
    return Donustur(Metin, [](char32_t c) -> char32_t {
        if (c == U'I') return 0x0131;       // ı
        if (c == 0x0130) return U'i';       // İ
        return Kucuk(c);
    });
}

std::string AsciiBuyuk(std::string Metin) {
    for (char& c : Metin)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return Metin;
}

std::size_t Utf8KarakterSayisi(const std::string& Metin) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < Metin.size(); i += DiziUzunlugu(Metin, i)) ++n;
    return n;
}

std::size_t Utf8OnekUzunlugu(const std::string& Metin, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < Metin.size(); ++k) i += DiziUzunlugu(Metin, i);
    return i;
}
