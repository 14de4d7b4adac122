#include "input/MalzemeOnAyarlari.h"

#include <cmath>

#include "input/EditorKurallari.h"
#include "model/LibU.h"
#include "platform/TurkceMetin.h"

const std::array<std::string, 17> MalzemeListesi = {
    "Beton: C16/20", "Beton: C18/22", "Beton: C20/25",  "Beton: C25/30",   "Beton: C30/37",
    "Beton: C35/45", "Beton: C40/50", "Beton: C45/55",  "Beton: C50/60",   "Beton: C55/67",
    "Beton: C60/75", "Beton: C80/95", "Beton: C90/105", "Beton: C100/115", "Yapı çeliği",
    "Diğer",         ""};

double BetonElastisiteModulu(double fck) {
    return std::nearbyint((3250.0 * std::sqrt(fck) + 14000.0) * 1000.0);
}

OnAyar MalzemeOnAyari(const std::string& MalzemeAdi) {
    OnAyar o;
    const std::string anahtar = TurkceBuyukHarf(BosluklariSil(MalzemeAdi));
    if (anahtar == "YAPIÇELİĞİ") {
        o.Sonuc = OnAyarSonucu::Uygula;
        o.Sabitler = {"2.1E8", "0.30", "7.85", "1.2E-5"};
    } else if (anahtar.find("BETON") != std::string::npos) {
        const auto c = MalzemeAdi.find('C');
        const std::string s = c == std::string::npos ? "" : AyiracOncesi(MalzemeAdi.substr(c + 1), "/");
        double fck = 0;
        if (c == std::string::npos || !GercelSayiMi(s, fck, 1E-10, 1E10)) {
            o.Sonuc = OnAyarSonucu::Hata;
            o.Mesaj = "Beton sınıfı okunamadı. Sınıfı listeden seçiniz (örneğin Beton: C25/30)";
            return o;
        }
        o.Sonuc = OnAyarSonucu::Uygula;
        o.Sabitler = {std::to_string(static_cast<long long>(BetonElastisiteModulu(fck))), "0.20", "2.5",
                      "1E-5"};
    } else if (anahtar == "DİĞER") {
        o.Sonuc = OnAyarSonucu::Temizle;
        o.Sabitler = {"0", "0", "0", "0"};
    }
    return o;
}

std::string MalzemeDenetle(const std::string& MalzemeNo, const std::string& MalzemeAdi,
                           const MalzemeSabitleri& s) {
    std::string mesaj;
    double d = 0;
    int n = 0;
    const std::string ad = BosluklariSil(MalzemeAdi);
    if (ad.empty()) mesaj = "Malzeme seçilmemiş";
    else if (Utf8KarakterSayisi(MalzemeAdi) > 15) mesaj = "Malzeme adı en çok 15 karakter olabilir";
    if (!TamSayiMi(MalzemeNo, EnKucukMalzemeKesitNo, EnBuyukMalzemeKesitNo, n)) mesaj = "Malzeme no hatalı";
    if (!GercelSayiMi(s.E, d, 1E-200, 1E200)) mesaj = "E hatalı";
    if (!GercelSayiMi(s.Nu, d, 0, 0.499)) mesaj = "Nu hatalı";
    if (!GercelSayiMi(s.Ro, d, 0, 10)) mesaj = "Ro hatalı";
    if (!GercelSayiMi(s.Alfa, d, 0, 1)) mesaj = "Alfa hatalı";
    return mesaj;
}
