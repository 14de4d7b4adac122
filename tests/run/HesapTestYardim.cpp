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

Tablo& CizimTablosu() {
    Tablo& c = Tablolar.ElemanKuvvetleriCizim;
    if (!c.Active()) c.Open();
    return c;
}

std::vector<std::string> Bolum(const std::vector<std::string>& Rapor, const std::string& Baslik) {
    auto it = std::find(Rapor.begin(), Rapor.end(), Baslik);
    std::vector<std::string> s;
    for (; it != Rapor.end() && !it->empty(); ++it) s.push_back(*it);
    return s;
}

std::vector<std::string> BolumSatirlari(const std::vector<std::string>& Rapor, const std::string& Baslik) {
    std::vector<std::string> s = Bolum(Rapor, Baslik);
    s.erase(s.begin(), s.begin() + std::min<std::size_t>(3, s.size()));
    return s;
}

std::string Tekrar(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

std::string Sag(const std::string& s, int genislik) { return SolaDoldur(s, ' ', genislik); }

std::string Sutunlar(std::initializer_list<const char*> l, int genislik) {
    std::string s;
    for (const char* x : l) s += Sag(x, genislik);
    return s;
}

std::vector<std::string> Satirlar(std::initializer_list<std::string> l) { return l; }

std::string DenklemSatiri(int Denklem, int Bilinmeyen) {
    return "Denklem sayısı: " + std::to_string(Denklem) + ",  Bilinmeyen yayısı: " + std::to_string(Bilinmeyen) +
           ",  Hiperstatiklik derecesi: " + std::to_string(Bilinmeyen - Denklem);
}

const char* const kReaksiyonBasligi = "   Nokta    Rx(kN)    Ry(kN)    Rz(kN)   Mx(kNm)   My(kNm)   Mz(kNm)";
const char* const kYerDegistirmeBasligi =
    " Nokta          Ux(m)          Uy(m)          Uz(m)   Dönme X(rad)   Dönme Y(rad)   Dönme Z(rad)";

std::string UcgenKafes(const std::string& Kesit, bool Yuk, bool Mesnet) {
    std::string s = Sql::Sistem("10:Düzlem kafes") + Sql::Celik() + Kesit +
                    Sql::Noktalar({{"1", 0}, {"2", 4}, {"3", 4, 3}}) +
                    Sql::Elemanlar({{"1", 10, 1, 2}, {"2", 10, 2, 3}, {"3", 10, 1, 3}}) + Sql::Baglar({{"1,3,1,0,0"}});
    if (Yuk) s += Sql::Yukler({{"3", 30, -40}});
    if (Mesnet) s += Sql::Mesnetler({{"1", "S 0 S S S S"}, {"2", "0 0 S S S S"}});
    return s;
}

std::string CerceveKirisi(const std::string& Mesnet2, const std::string& Ek) {
    return Sql::Sistem("30:Düzlem çerçeve") + Sql::Celik() +
           Sql::Kesit("A, ix, iy, iz, Ay, hy, ey", "1, '100:Diğer', 0.01, 0, 0.0001, 0.0001, 0.008, 0.3, 0.15") +
           Sql::Noktalar({{"1", 0}, {"2", 4}}) + Sql::Elemanlar({{"1", 30, 1, 2}}) + Sql::Baglar({{"1"}}) +
           Sql::Mesnetler({{"1", "0 0 S S S 0"}, {"2", Mesnet2.c_str()}}) + Ek;
}

std::string UzayCubugu(const char* J, const std::string& Ek) {
    return Sql::Sistem("40:Uzay çerçeve") + Sql::Malzeme("1, 'Çelik', 200000000, 0.25, 7.85, 0.000012") +
           Sql::Kesit("A, ix, iy, iz, Ay, hy, ey, Az, hz, ez",
                      std::string("1, '100:Diğer', 0.01, ") + J + ", 0.00001, 0.00002, 0.008, 0.3, 0.15, 0.008, 0.2, 0.1") +
           Sql::Noktalar({{"1", 0}, {"2", 4}}) + Sql::Elemanlar({{"1", 40, 1, 2, 10002}}) + Sql::Baglar({{"1"}}) + Ek;
}
