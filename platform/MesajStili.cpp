#include "platform/MesajStili.h"

#include "platform/TurkceMetin.h"

namespace {
bool Var(const std::string& s, const char* kelime) { return s.find(kelime) != std::string::npos; }
}  // namespace

MesajKutusuBicimi MesajStiliniCoz(const std::string& Stil) {
    const std::string s = Utf8TurkceKucuk(Stil);
    MesajKutusuBicimi b;

    // Buttons: every test in turn, a later match replacing an earlier one.
    b.Dugmeler = 0;
    if (Var(s, "tamam")) b.Dugmeler = 0;
    if (Var(s, "tamamiptal")) b.Dugmeler = 1;
    if (Var(s, "durduryeniden deneyoksay")) b.Dugmeler = 2;
    if (Var(s, "durduryeniden denegözardı et")) b.Dugmeler = 2;
    if (Var(s, "evethayır")) b.Dugmeler = 4;
    if (Var(s, "evethayıriptal")) b.Dugmeler = 3;
    if (Var(s, "yeniden deneiptal")) b.Dugmeler = 5;

    // Icon: the first match only.
    if (Var(s, "dur")) b.Simge = 16;
    else if (Var(s, "soru")) b.Simge = 32;
    else if (Var(s, "uyarı")) b.Simge = 48;
    else if (Var(s, "hata")) b.Simge = 48;
    else if (Var(s, "informasyon")) b.Simge = 64;

    // Default button: each digit found adds its value.
    if (Var(s, "2")) b.Varsayilan += 256;
    if (Var(s, "3")) b.Varsayilan += 512;
    return b;
}

std::vector<std::string> MesajKutusuBicimi::DugmeHarfleri() const {
    switch (Dugmeler) {
        case 1: return {"T", "İ"};
        case 2: return {"D", "Y", "G"};
        case 3: return {"E", "H", "İ"};
        case 4: return {"E", "H"};
        case 5: return {"Y", "İ"};
        default: return {"T"};
    }
}

int MesajKutusuBicimi::VarsayilanSirasi() const {
    const int i = Varsayilan / 256;
    return i < static_cast<int>(DugmeHarfleri().size()) ? i : 0;
}

std::string DugmeMetni(const std::string& Harf) {
    if (Harf == "T") return "Tamam";
    if (Harf == "İ") return "İptal";
    if (Harf == "D") return "Durdur";
    if (Harf == "Y") return "Yeniden dene";
    if (Harf == "G") return "Gözardı et";
    if (Harf == "E") return "Evet";
    if (Harf == "H") return "Hayır";
    return {};
}
