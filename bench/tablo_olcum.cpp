// Timing of the table layer: appends inside one transaction, locates, walks
// and sorted inserts on 100,000 rows of the scratch tables.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "model/VeriTabani.h"

namespace {
double Sure(std::chrono::steady_clock::time_point b) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - b).count();
}
}  // namespace

int main() {
    auto klasor = std::filesystem::temp_directory_path() / "orvelta-tablo-olcum";
    std::filesystem::remove_all(klasor);
    std::filesystem::create_directories(klasor);
    const int n = 100000;
    try {
        std::string dosya = (klasor / "YazBoz.mdb").string();
        YazBozYaz(dosya);

        Tablo e("EYUK");
        e.DosyaAyarla(dosya, true);
        e.Open();
        auto b = std::chrono::steady_clock::now();
        e.IslemBaslat();
        for (int i = 0; i < n; ++i) {
            e.Append();
            e.FieldByName("ElemanNo").SetInteger(i % 30000);
            e.FieldByName("YukNo").SetInteger(i / 30000 + 1);
            e.FieldByName("Yuk").SetFloat(i * 0.5);
            e.Post();
        }
        e.IslemOnayla();
        std::printf("%d ekleme (tek işlem):            %.3f s\n", n, Sure(b));

        b = std::chrono::steady_clock::now();
        int bulunan = 0;
        for (int i = 0; i < n; ++i)
            bulunan += e.Locate("ElemanNo;YukNo", {i % 30000, i / 30000 + 1});
        std::printf("%d Locate(\"ElemanNo;YukNo\"):     %.3f s (%d bulundu)\n", n, Sure(b), bulunan);

        b = std::chrono::steady_clock::now();
        e.SetSort("ElemanNo, YukNo");
        double toplam = 0;
        for (e.First(); !e.Eof(); e.Next()) toplam += e.FieldByName("Yuk").AsFloat();
        std::printf("sıralama ve tüm satırları gezme:   %.3f s\n", Sure(b));

        b = std::chrono::steady_clock::now();
        e.TumunuSil();
        std::printf("TumunuSil:                         %.3f s\n", Sure(b));

        // nodes posted in random coordinate order, kept in X1;X2;X3 order
        Tablo x("XYZ");
        x.SetIndexFieldNames("X1;X2;X3");
        x.DosyaAyarla(dosya, true);
        x.Open();
        std::mt19937 rng(7);
        std::uniform_real_distribution<double> u(0, 1000);
        b = std::chrono::steady_clock::now();
        x.IslemBaslat();
        for (int i = 1; i <= 32767; ++i) {
            if (x.Locate("NoktaNo", i))
                x.Edit();
            else
                x.Append();
            x.FieldByName("NoktaNo").SetInteger(i);
            x.FieldByName("X1").SetFloat(u(rng));
            x.Post();
        }
        x.IslemOnayla();
        std::printf("32767 düğüm, X1;X2;X3 sırasında:   %.3f s\n", Sure(b));

        // project file: every post committed on its own
        std::string proje = (klasor / "Proje.mdb").string();
        BosSablonuYaz(proje);
        Tablo k("Koordinatlar");
        k.DosyaAyarla(proje);
        k.Open();
        b = std::chrono::steady_clock::now();
        for (int i = 1; i <= 100; ++i) {
            k.Append();
            k.FieldByName("NoktaNo").SetString(std::to_string(i));
            k.Post();
        }
        std::printf("100 kayıt, her biri ayrı kalıcı:   %.3f s\n", Sure(b));
    } catch (const std::exception& h) {
        std::fprintf(stderr, "hata: %s\n", h.what());
        return 1;
    }
    std::filesystem::remove_all(klasor);
    return 0;
}
