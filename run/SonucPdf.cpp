#include "run/SonucPdf.h"

#include <ctime>

#include "engine/CozumIyilestirme.h"
#include "model/LibU.h"
#include "model/Tipler.h"

std::vector<std::string> PdfSatirlariniSec(const SonucPdfGirdisi& g) {
    const auto& m = g.RaporSatirlari;
    std::vector<std::string> out;
    // The five head lines and the separator; a line below the head that says
    // the result is inaccurate goes with them.
    const std::size_t bas = m.size() > 5 && m[5] == kMekanizmayaYakinUyarisi ? 6 : 5;
    for (std::size_t i = 0; i <= bas && i < m.size(); ++i) out.push_back(m[i]);
    for (int bolum = 1; bolum <= 11; ++bolum) {
        if (!g.Secimler[bolum]) continue;
        const std::string baslik = TurkceBuyukHarf(SonucBolumAdlari[bolum]) + ":";
        std::size_t k = 0;
        for (std::size_t i = 0; i < m.size(); ++i)
            if (TurkceBuyukHarf(m[i]) == baslik) { k = i; break; }
        if (k == 0) continue;
        for (std::size_t i = k; i < m.size(); ++i) {
            out.push_back(m[i]);
            if (m[i].empty()) break;
        }
    }
    out.push_back((m.empty() ? std::string() : m.back()) + "         Tarih saat: " + g.TarihSaat);
    return out;
}

bool SonucPdfYaz(const SonucPdfGirdisi& g, const std::string& Dosya, std::string& Hata) {
    PdfSayfaKatmani s(g.Kagit);
    if (!s.BelgeyiBaslat()) {
        Hata = s.HataMetni();
        return false;
    }
    s.YaziTipiAyarla(7, false);
    s.BaslikMetniEkle(g.TelifMetni);
    s.SatirYaz("Sonlu Elemanlar Kuvvet Metodu, Sürüm:" + g.Surum);
    s.YarimSatirAtla();
    s.YaziTipiAyarla(9, true);
    s.SatirYaz(g.ProbleminTanimi);
    s.YaziTipiAyarla(8, false);
    s.YarimSatirAtla();
    s.AltBilgiEkle(g.ProbleminTanimi);
    // The stress rows run to 120 characters, wider than A4 between the
    // margins at this size: all report lines are condensed alike.
    const std::vector<std::string> satirlar = PdfSatirlariniSec(g);
    s.SatirlariSigdir(satirlar);
    for (const auto& satir : satirlar) s.SatirYaz(satir);
    if (!s.PdfOlarakKaydet(Dosya)) {
        Hata = s.HataMetni();
        return false;
    }
    return true;
}

std::string SimdikiTarihSaat() {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char b[32];
    std::strftime(b, sizeof b, "%d.%m.%Y %H:%M:%S", &tm);
    return b;
}
