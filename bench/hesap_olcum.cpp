// Benchmark of the whole calculation road on generated structures of growing
// size: plane frames (storeys x bays), truss bridges (panels, both diagonals
// in every panel) and space frames (bays in X, Y and storeys). For each it
// prints the sizes n, m, r, the time and peak memory of every phase, with
// displacements, the solution's own steps and, for the sparse solution, the
// non-zero entries of N, its LU factors, Bx, S and the Cholesky factor of S.
// Targets (the whole process, opening included): the 30 x 10 plane frame and
// the 400-panel truss bridge in 0.08 s, the 10^3 space frame in 1 s.
// Then a growth table of the solution time and peak memory over plane
// frames 10 x 5 to 80 x 25 and space frames 4^3 to 14^3, with the exponent
// of a least-squares fit of log(time) on log(n) for each series.
//   hesap_olcum [--kucuk] [--is-parcacigi N] [--cozum yogun|seyrek]
//               [--cholesky basit|superdugum] [--buyume-yok]
//   hesap_olcum --yaz duzlem KATxACIKLIK | kopru PANEL | uzay B  DOSYA
// The second form only writes the generated project to DOSYA (for timing
// the whole program from outside).
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>
#include <iostream>
#include <sstream>
#include <string>

#include "HesapYolu.h"
#include "engine/SeyrekCozum.h"
#include "model/LibU.h"
#include "platform/Sistem.h"
#include "platform/Tablo.h"

namespace {

struct Uretec {
    std::ostringstream sql;
    void Nokta(int no, double x, double y, double z) {
        sql << "INSERT INTO Koordinatlar (NoktaNo, X1, X2, X3) VALUES ('" << no << "', " << x << ", " << y
            << ", " << z << ");\n";
    }
    void Eleman(int no, int tip, int i, int j, int k = 0) {
        sql << "INSERT INTO ElemanNoktaBagi (ElemanNo, ElemanTipi, iNoktasi, jNoktasi, kNoktasi, LNoktasi) "
               "VALUES ('"
            << no << "', " << tip << ", " << i << ", " << j << ", " << k << ", 0);\n";
    }
    void Mesnet(int no, const char* ux, const char* uy, const char* uz, const char* fx, const char* fy,
                const char* fz) {
        sql << "INSERT INTO SinirKosullari (NoktaNo, Ux, Uy, Uz, Fix, Fiy, Fiz) VALUES ('" << no << "', '" << ux
            << "', '" << uy << "', '" << uz << "', '" << fx << "', '" << fy << "', '" << fz << "');\n";
    }
    void Yuk(int no, double px, double py, double pz) {
        sql << "INSERT INTO Yukler (NoktaNo, Px, Py, Pz, Mx, My, Mz) VALUES ('" << no << "', " << px << ", "
            << py << ", " << pz << ", 0, 0, 0);\n";
    }
    void ElemanYuku(int eleman, int tip, double q) {
        sql << "INSERT INTO ElemanYukleri (ElemanNo, YukNo, YukTipi, Yuk, aMesafesi, bMesafesi, Yuk1) VALUES ('"
            << eleman << "', 1, " << tip << ", " << q << ", 0, 0, 0);\n";
    }
    void Ortak(const char* sistem, int elemanSayisi) {
        sql << "UPDATE AnaVeriler SET Sistem = '" << sistem << "';\n"
            << "INSERT INTO MalzemeBilgileri (MalzemeNo, Malzeme, E, Nu, Ro, Alfa) VALUES (1, 'Çelik', "
               "200000000, 0.3, 7.85, 0.000012);\n"
            << "INSERT INTO KesitBilgileri (KesitNo, Kesit, A, ix, iy, iz, Ay, hy, ey, Az, hz, ez, Wb, b, h, t, bw) "
               "VALUES (1, '100:Diğer', 0.01, 0.00002, 0.00008, 0.0001, 0.008, 0.3, 0.15, 0.008, 0.3, 0.15, 0, "
               "0, 0.3, 0, 0);\n"
            << "INSERT INTO ElemanMalzemeKesitMafsalbagi (ElemanNO, MalzemeNo, KesitNo, MafsalTipi) VALUES ('1,"
            << elemanSayisi << ",1,0,0', 1, 1, '00');\n";
    }
};

// Plane frame: nodes row by row from the base, columns then beams.
std::string DuzlemCerceve(int kat, int aciklik) {
    Uretec u;
    auto no = [&](int k, int a) { return k * (aciklik + 1) + a + 1; };
    for (int k = 0; k <= kat; ++k)
        for (int a = 0; a <= aciklik; ++a) u.Nokta(no(k, a), 6.0 * a, 3.0 * k, 0);
    int e = 0;
    for (int k = 1; k <= kat; ++k) {
        for (int a = 0; a <= aciklik; ++a) u.Eleman(++e, 30, no(k - 1, a), no(k, a));
        for (int a = 0; a < aciklik; ++a) {
            u.Eleman(++e, 30, no(k, a), no(k, a + 1));
            u.ElemanYuku(e, 1, 20);
        }
        u.Yuk(no(k, 0), 10, 0, 0);
    }
    for (int a = 0; a <= aciklik; ++a) u.Mesnet(no(0, a), "0", "0", "Serbest", "Serbest", "Serbest", "0");
    u.Ortak("30:Düzlem çerçeve", e);
    return u.sql.str();
}

// Truss bridge: bottom and top chords, verticals and both diagonals per panel.
std::string KafesKopru(int panel) {
    Uretec u;
    auto alt = [&](int i) { return 2 * i + 1; };
    auto ust = [&](int i) { return 2 * i + 2; };
    for (int i = 0; i <= panel; ++i) {
        u.Nokta(alt(i), 3.0 * i, 0, 0);
        u.Nokta(ust(i), 3.0 * i, 3.0, 0);
    }
    int e = 0;
    for (int i = 0; i <= panel; ++i) u.Eleman(++e, 10, alt(i), ust(i));
    for (int i = 0; i < panel; ++i) {
        u.Eleman(++e, 10, alt(i), alt(i + 1));
        u.Eleman(++e, 10, ust(i), ust(i + 1));
        u.Eleman(++e, 10, alt(i), ust(i + 1));
        u.Eleman(++e, 10, ust(i), alt(i + 1));
    }
    for (int i = 1; i < panel; ++i) u.Yuk(alt(i), 0, -50, 0);
    u.Mesnet(alt(0), "0", "0", "Serbest", "Serbest", "Serbest", "Serbest");
    u.Mesnet(alt(panel), "Serbest", "0", "Serbest", "Serbest", "Serbest", "Serbest");
    u.Ortak("10:Düzlem kafes", e);
    return u.sql.str();
}

// Space frame of b bays in X and Y and b storeys, fixed at the base.
std::string UzayCerceve(int b) {
    Uretec u;
    auto no = [&](int x, int y, int z) { return (z * (b + 1) + y) * (b + 1) + x + 1; };
    for (int z = 0; z <= b; ++z)
        for (int y = 0; y <= b; ++y)
            for (int x = 0; x <= b; ++x) u.Nokta(no(x, y, z), 5.0 * x, 5.0 * y, 3.0 * z);
    int e = 0;
    for (int z = 1; z <= b; ++z)
        for (int y = 0; y <= b; ++y)
            for (int x = 0; x <= b; ++x) {
                u.Eleman(++e, 40, no(x, y, z - 1), no(x, y, z), 10001);
                if (x < b) u.Eleman(++e, 40, no(x, y, z), no(x + 1, y, z), 10003);
                if (y < b) u.Eleman(++e, 40, no(x, y, z), no(x, y + 1, z), 10003);
                if (x == 0 && y == 0) u.Yuk(no(x, y, z), 10, 5, 0);
            }
    for (int y = 0; y <= b; ++y)
        for (int x = 0; x <= b; ++x) u.Mesnet(no(x, y, 0), "0", "0", "0", "0", "0", "0");
    u.Ortak("40:Uzay çerçeve", e);
    return u.sql.str();
}

struct Olcum {
    int n = 0, r = 0;
    double Hesap = 0, Tepe = 0;
    bool Hata = false;
    SeyrekCozumOlcusu Seyrek;
};

Olcum Olc(const std::string& ad, const std::string& satirlar, int isParcacigi, double hedef, bool ayrinti = true) {
    hesap_yolu::GeciciKlasor k;
    const std::string dosya = (k.yol / "Proje.mdb").string();
    BosSablonuYaz(dosya);
    SqlDosyasiniCalistir(dosya, satirlar);
    SonSeyrekCozumOlcusu = {};
    hesap_yolu::Sonuc s = hesap_yolu::Calistir(dosya, true, isParcacigi, false);
    double toplam = 0, hesap = 0, tepe = 0, cozum = 0;
    std::ostringstream asamalar;
    for (const auto& a : s.Asamalar) {
        toplam += a.Saniye;
        if (a.Ad != "açılış") hesap += a.Saniye;
        if (a.Ad == "çözüm") cozum = a.Saniye;
        if (a.TepeBellekMB > tepe) tepe = a.TepeBellekMB;
        char t[96];
        std::snprintf(t, sizeof t, " %s %.3f (%.0f MB)", a.Ad.c_str(), a.Saniye, a.TepeBellekMB);
        asamalar << t;
    }
    if (ayrinti) {
        char satir[256];
        std::snprintf(satir, sizeof satir,
                      "%-24s n=%6d m=%6d r=%5d  hesap %.3f s (açılış dahil %.3f s), tepe %.0f MB%s", ad.c_str(), s.n,
                      s.m, s.r, hesap, toplam, tepe,
                      s.Hata ? "  HATA" : (hedef > 0 ? (toplam <= hedef ? "  hedef tuttu" : "  HEDEF AŞILDI") : ""));
        std::cout << satir << "\n   aşamalar (s):" << asamalar.str() << "\n";
        const auto& o = SonSeyrekCozumOlcusu;
        if (o.N > 0)
            std::cout << "   seyrek: N " << o.N << ", LU " << o.LU << ", Bx " << o.Bx << ", S " << o.S
                      << ", S çarpanı " << o.Carpan << (o.Superdugum ? " (süperdüğüm)" : " (basit)") << "\n";
        for (const auto& a : s.CozumAdimlari) std::cout << "     " << a << "\n";
        std::cout.flush();
    }
    return {s.n, s.r, cozum, tepe, s.Hata != 0, SonSeyrekCozumOlcusu};
}

// Exponent of the least-squares line of log(y) on log(x).
double Us(const std::vector<std::pair<double, double>>& xy) {
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    const double k = static_cast<double>(xy.size());
    for (auto [x, y] : xy) {
        const double lx = std::log(x), ly = std::log(std::max(y, 1e-4));
        sx += lx;
        sy += ly;
        sxx += lx * lx;
        sxy += lx * ly;
    }
    return (k * sxy - sx * sy) / (k * sxx - sx * sx);
}

void Buyume(int isParcacigi) {
    std::cout << "\nBüyüme (çözüm aşaması, yer değiştirmeli; 1000 bilinmeyene kadar yoğun çözüm):\n"
              << "| yapı | n | r | çözüm | çözüm (s) | tepe bellek (MB) | Bx | S | S çarpanı |\n"
              << "|---|---|---|---|---|---|---|---|---|\n";
    // The fits take the sparse solutions only.
    std::vector<std::pair<double, double>> duzlem, duzlemBellek, uzay, uzayBellek;
    auto satir = [](const std::string& ad, const Olcum& o) {
        const bool seyrek = o.Seyrek.N > 0;
        std::printf("| %s | %d | %d | %s | %.3f | %.0f | %lld | %lld | %lld |\n", ad.c_str(), o.n, o.r,
                    seyrek ? "seyrek" : "yoğun", o.Hesap, o.Tepe, static_cast<long long>(o.Seyrek.Bx),
                    static_cast<long long>(o.Seyrek.S), static_cast<long long>(o.Seyrek.Carpan));
        std::cout.flush();
        return seyrek;
    };
    for (auto [kat, aciklik] : {std::pair{10, 5}, {20, 10}, {40, 15}, {60, 20}, {80, 25}}) {
        const Olcum o = Olc("", DuzlemCerceve(kat, aciklik), isParcacigi, 0, false);
        if (satir("düzlem çerçeve " + std::to_string(kat) + "x" + std::to_string(aciklik), o)) {
            duzlem.emplace_back(o.n, o.Hesap);
            duzlemBellek.emplace_back(o.n, o.Tepe);
        }
    }
    for (int b : {4, 6, 8, 10, 12, 14}) {
        const Olcum o = Olc("", UzayCerceve(b), isParcacigi, 0, false);
        if (satir("uzay çerçeve " + std::to_string(b) + "^3", o)) {
            uzay.emplace_back(o.n, o.Hesap);
            uzayBellek.emplace_back(o.n, o.Tepe);
        }
    }
    std::printf("\nÜs (seyrek çözümler, zaman ~ n^k): düzlem çerçeveler k = %.2f, uzay çerçeveler k = %.2f\n",
                Us(duzlem), Us(uzay));
    std::printf("Üs (seyrek çözümler, tepe bellek ~ n^k): düzlem çerçeveler k = %.2f, uzay çerçeveler k = %.2f\n",
                Us(duzlemBellek), Us(uzayBellek));
}

int Yaz(const std::string& tur, const std::string& boyut, const std::string& dosya) {
    std::string sql;
    if (tur == "duzlem") {
        const auto x = boyut.find('x');
        if (x == std::string::npos) return 2;
        sql = DuzlemCerceve(std::atoi(boyut.substr(0, x).c_str()), std::atoi(boyut.substr(x + 1).c_str()));
    } else if (tur == "kopru") {
        sql = KafesKopru(std::atoi(boyut.c_str()));
    } else if (tur == "uzay") {
        sql = UzayCerceve(std::atoi(boyut.c_str()));
    } else {
        return 2;
    }
    std::filesystem::remove(dosya);
    BosSablonuYaz(dosya);
    SqlDosyasiniCalistir(dosya, sql);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    BellekAyiriciniAyarla();
    bool kucuk = false, buyume = true;
    int isParcacigi = IslemciSayisi();
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--kucuk") kucuk = true;
        else if (a == "--buyume-yok") buyume = false;
        else if (a == "--is-parcacigi" && i + 1 < argc) isParcacigi = std::atoi(argv[++i]);
        else if (a == "--cozum" && i + 1 < argc) {
            const std::string y = argv[++i];
            CozumYolu = y == "yogun" ? CozumYoluSecimi::Yogun : CozumYoluSecimi::Seyrek;
        } else if (a == "--cholesky" && i + 1 < argc) {
            const std::string y = argv[++i];
            SeyrekCholeskyYontemi = y == "basit" ? CholeskyYontemi::Basit : CholeskyYontemi::Superdugum;
        } else if (a == "--yaz" && i + 3 < argc) {
            return Yaz(argv[i + 1], argv[i + 2], argv[i + 3]);
        }
    }
    std::cout << "İş parçacığı: " << isParcacigi << ", yer değiştirmeli hesap\n";
    for (auto [kat, aciklik] : {std::pair{5, 2}, {10, 5}, {20, 10}, {30, 10}}) {
        if (kucuk && kat > 10) break;
        Olc("Düzlem çerçeve " + std::to_string(kat) + "x" + std::to_string(aciklik), DuzlemCerceve(kat, aciklik),
            isParcacigi, kat == 30 && aciklik == 10 ? 0.08 : 0);
    }
    for (int panel : {50, 100, 200, 400}) {
        if (kucuk && panel > 100) break;
        Olc("Kafes köprü " + std::to_string(panel), KafesKopru(panel), isParcacigi, panel == 400 ? 0.08 : 0);
    }
    for (int b : {2, 3, 4, 5, 10}) {
        if (kucuk && b > 3) break;
        Olc("Uzay çerçeve " + std::to_string(b) + "^3", UzayCerceve(b), isParcacigi, b == 10 ? 1.0 : 0);
    }
    if (buyume && !kucuk) Buyume(isParcacigi);
    return 0;
}
