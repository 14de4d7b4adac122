#include "shell/AyarDosyasi.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

// A line without its line end (CR LF or LF).
std::string SatirSonunuAt(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
    return s;
}

bool TamSayiOku(const std::string& s, int& deger) {
    std::string t = s;
    while (!t.empty() && t.back() == ' ') t.pop_back();
    std::size_t bas = 0;
    while (bas < t.size() && t[bas] == ' ') ++bas;
    if (bas < t.size() && t[bas] == '+') ++bas;
    int v = 0;
    auto [p, ec] = std::from_chars(t.data() + bas, t.data() + t.size(), v);
    if (ec != std::errc() || p != t.data() + t.size() || bas == t.size()) return false;
    deger = v;
    return true;
}

}  // namespace

bool AyarDosyasiniOku(const std::string& Dosya, TAyarDegerleri& D) {
    std::ifstream f(Dosya, std::ios::binary);
    if (!f) return false;
    std::vector<std::string> satirlar;
    std::string s;
    while (satirlar.size() < 20 && std::getline(f, s)) satirlar.push_back(SatirSonunuAt(s));
    // Line 1 of a file written by an older build may start with a byte order mark.
    if (!satirlar.empty() && satirlar[0].rfind("\xEF\xBB\xBF", 0) == 0) satirlar[0].erase(0, 3);

    auto satir = [&](int n) -> const std::string* {
        return n <= static_cast<int>(satirlar.size()) ? &satirlar[n - 1] : nullptr;
    };
    if (auto p = satir(1)) D.SonVeriTabani = *p;
    if (auto p = satir(2)) {
        int olcek = 0;
        if (TamSayiOku(*p, olcek)) D.FormOlcegi = (olcek >= 30 && olcek <= 300) ? olcek : 100;
    }
    for (int i = 0; i < 5; ++i)
        if (auto p = satir(3 + i)) D.SonDosyalar[i] = *p;
    // A switch is true exactly when its line begins with a capital T; an
    // empty line says nothing and keeps the value.
    auto anahtar = [&](int n, bool& hedef) {
        if (auto p = satir(n); p && !p->empty()) hedef = (*p)[0] == 'T';
    };
    anahtar(8, D.YerDegistirmesiz);
    anahtar(9, D.YerDegistirmeli);
    for (int i = 1; i <= 11; ++i) anahtar(9 + i, D.SonucBolumSecimleri[i]);
    return true;
}

bool AyarDosyasiniYaz(const std::string& Dosya, const TAyarDegerleri& D, std::string& Hata) {
    std::ofstream f(Dosya, std::ios::binary | std::ios::trunc);
    if (!f) {
        Hata = Dosya + ": " + std::strerror(errno);
        return false;
    }
    auto yaz = [&](const std::string& s) { f << s << "\r\n"; };
    auto mantik = [](bool b) { return std::string(b ? "TRUE" : "FALSE"); };
    yaz(D.SonVeriTabani);
    yaz(std::to_string(D.FormOlcegi));
    for (const auto& s : D.SonDosyalar) yaz(s);
    yaz(mantik(D.YerDegistirmesiz));
    yaz(mantik(D.YerDegistirmeli));
    for (int i = 1; i <= 11; ++i) yaz(mantik(D.SonucBolumSecimleri[i]));
    f.flush();
    if (!f) {
        Hata = Dosya + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

int SonDosyalariDuzenle(std::array<std::string, 5>& Liste, const std::string& AcikProje,
                        const std::function<bool(const std::string&)>& DosyaVar) {
    for (int i = 0; i < 4; ++i) {
        if (!DosyaVar(Liste[i])) {
            Liste[i] = Liste[i + 1];
            Liste[i + 1].clear();
        }
    }
    if (!DosyaVar(Liste[4])) Liste[4].clear();

    if (AcikProje.empty()) return -1;
    for (int i = 0; i < 5; ++i)
        if (Liste[i] == AcikProje) return i;
    for (int i = 4; i > 0; --i) Liste[i] = Liste[i - 1];
    Liste[0] = AcikProje;
    return 0;
}
