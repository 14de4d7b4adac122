#include "TestYardim.h"

#include <cmath>
#include <cstdlib>
#include <random>
#include <sstream>

#include "model/LibU.h"
#include "model/Tipler.h"

GeciciKlasor::GeciciKlasor() {
    // A folder of its own: a name another test already holds is drawn again.
    std::random_device rd;
    const auto kok = std::filesystem::temp_directory_path();
    do {
        yol_ = kok / ("orvelta-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    } while (!std::filesystem::create_directory(yol_));
}

GeciciKlasor::~GeciciKlasor() {
    std::error_code ec;
    if (!std::getenv("ORVELTA_TEST_SAKLA")) std::filesystem::remove_all(yol_, ec);
}

BasliksizArayuz& TemizBasliksizArayuz() {
    static BasliksizArayuz a;
    a = BasliksizArayuz();
    ArayuzAyarla(&a);
    ModelDurumunuSifirla();
    return a;
}

namespace Sql {
namespace {
std::string S(double x) { return std::isnan(x) ? "NULL" : GenelSayiMetni(x); }
std::string Metin(const std::string& s) { return "'" + s + "'"; }
}  // namespace

std::string Sistem(const std::string& Ad) { return "UPDATE AnaVeriler SET Sistem = " + Metin(Ad) + ";\n"; }

std::string Malzeme(const std::string& Degerler) {
    return "INSERT INTO MalzemeBilgileri (MalzemeNo, Malzeme, E, Nu, Ro, Alfa) VALUES (" + Degerler + ");\n";
}

std::string Celik() { return Malzeme("1, 'Çelik', 200000000, 0.3, 7.85, 0.000012"); }

std::string Kesit(const std::string& Sutunlar, const std::string& Degerler) {
    return "INSERT INTO KesitBilgileri (KesitNo, Kesit, " + Sutunlar + ") VALUES (" + Degerler + ");\n";
}

std::string Noktalar(std::initializer_list<Nokta> l) {
    std::string s;
    for (const Nokta& n : l)
        s += "INSERT INTO Koordinatlar (NoktaNo, X1, X2, X3) VALUES (" + Metin(n.No) + ", " + S(n.X) + ", " + S(n.Y) +
             ", " + S(n.Z) + ");\n";
    return s;
}

std::string Elemanlar(std::initializer_list<Eleman> l) {
    std::string s;
    for (const Eleman& e : l)
        s += "INSERT INTO ElemanNoktaBagi (ElemanNo, ElemanTipi, iNoktasi, jNoktasi, kNoktasi, LNoktasi) VALUES (" +
             Metin(e.No) + ", " + std::to_string(e.Tip) + ", " + std::to_string(e.i) + ", " + std::to_string(e.j) +
             ", " + std::to_string(e.k) + ", " + std::to_string(e.L) + ");\n";
    return s;
}

std::string Baglar(std::initializer_list<Bag> l) {
    std::string s;
    for (const Bag& b : l)
        s += "INSERT INTO ElemanMalzemeKesitMafsalbagi (ElemanNO, MalzemeNo, KesitNo, MafsalTipi) VALUES (" +
             Metin(b.No) + ", " + std::to_string(b.Malzeme) + ", " + std::to_string(b.Kesit) + ", " + Metin(b.Mafsal) +
             ");\n";
    return s;
}

std::string Yukler(std::initializer_list<Yuk> l) {
    std::string s;
    for (const Yuk& y : l)
        s += "INSERT INTO Yukler (NoktaNo, Px, Py, Pz, Mx, My, Mz) VALUES (" + Metin(y.No) + ", " + S(y.Px) + ", " +
             S(y.Py) + ", " + S(y.Pz) + ", " + S(y.Mx) + ", " + S(y.My) + ", " + S(y.Mz) + ");\n";
    return s;
}

std::string ElemanYuku(const std::string& Degerler) {
    return "INSERT INTO ElemanYukleri (ElemanNo, YukNo, YukTipi, Yuk, aMesafesi, bMesafesi, Yuk1) VALUES (" +
           Degerler + ");\n";
}

std::string Mesnetler(std::initializer_list<Mesnet> l) {
    std::string s;
    for (const Mesnet& m : l) {
        s += "INSERT INTO SinirKosullari (NoktaNo, Ux, Uy, Uz, Fix, Fiy, Fiz) VALUES (" + Metin(m.No);
        std::istringstream k(m.Kosullar);
        for (std::string w; k >> w;) s += ", " + Metin(w == "S" ? "Serbest" : w);
        s += ");\n";
    }
    return s;
}
}  // namespace Sql
