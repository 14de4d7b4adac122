#pragma once
// Helpers shared by the tests: a temporary folder per test, the headless
// user-interface port, reset before each test, and the SQL rows of small
// project files.
#include <filesystem>
#include <initializer_list>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "platform/KullaniciArayuzu.h"

class GeciciKlasor {
public:
    GeciciKlasor();
    ~GeciciKlasor();
    const std::filesystem::path& Yol() const { return yol_; }
    std::string Dosya(const std::string& ad) const { return (yol_ / ad).string(); }

private:
    std::filesystem::path yol_;
};

// A text file of the program's resources folder, whole (empty when missing).
std::string KaynakMetni(const std::string& Ad);

// Puts a fresh headless port in place and resets the global model state.
// A calculation run through the port is checked for equilibrium when its
// results window opens.
BasliksizArayuz& TemizBasliksizArayuz();

// The equilibrium equations N X = P as the assembly left them (rows and
// columns from 1), taken before the solution works on them in place.
struct DengeDenklemleri {
    std::vector<std::map<int, double>> N;  // row -> its non-zero entries by column
    std::vector<double> P;
};
DengeDenklemleri DengeDenklemleriniAl();
// The equilibrium of the solution in Bilinmeyenler: N X equals P, and the
// reactions balance the nodal loads and the equivalent nodal loads of the
// element loads (forces, and moments about the origin of the nodes in XYZ),
// each to 1e-12 of the largest load, product N_ij X_j or moment term of the
// system. For structures nobody worked out by hand.
void DengeBekle(const DengeDenklemleri& d);

// SQL statements that fill a project made from the empty template, one
// helper a table; numbers are written as the report writes them.
namespace Sql {
struct Nokta {
    const char* No;
    double X, Y = 0, Z = 0;
};
struct Eleman {
    const char* No;
    int Tip, i, j, k = 0, L = 0;
};
struct Bag {
    const char* No;
    int Malzeme = 1, Kesit = 1;
    const char* Mafsal = "00";
};
// A value left out is written as NULL.
struct Yuk {
    static constexpr double Yok = std::numeric_limits<double>::quiet_NaN();
    const char* No;
    double Px, Py = Yok, Pz = Yok, Mx = Yok, My = Yok, Mz = Yok;
};
struct Mesnet {
    const char* No;
    const char* Kosullar;  // six words separated by blanks, "S" for "Serbest", NULL for an empty field
};
std::string Sistem(const std::string& Ad);
// MalzemeNo, Malzeme, E, Nu, Ro, Alfa
std::string Malzeme(const std::string& Degerler);
// Material 1: steel, E = 2e8, Nu = 0.3, Alfa = 1.2e-5.
std::string Celik();
// KesitNo, Kesit and the columns named in Sutunlar.
std::string Kesit(const std::string& Sutunlar, const std::string& Degerler);
std::string Noktalar(std::initializer_list<Nokta> l);
std::string Elemanlar(std::initializer_list<Eleman> l);
std::string Baglar(std::initializer_list<Bag> l);
std::string Yukler(std::initializer_list<Yuk> l);
// ElemanNo, YukNo, YukTipi, Yuk, aMesafesi, bMesafesi, Yuk1
std::string ElemanYuku(const std::string& Degerler);
std::string Mesnetler(std::initializer_list<Mesnet> l);
// A steel plane-truss bridge of p panels 3 m long and high with both
// diagonals in every panel (A = 0.01), pinned at node 1 and on a roller at
// node 2p+1; at the inner bottom node 2i+1 the load (i mod 3, -10 - i):
// 5 p + 4 unknowns, p redundants.
std::string KafesKopru(int p);
}  // namespace Sql

class QWidget;
class QLabel;
// The texts of the one-line labels shown in Pencere whose letters are cut
// off at the label's edges: a label's picture holds fewer rows of ink than
// its text written in its font with room all round (the dots of Ö, Ü and İ
// above a caption as high as its line are such rows). The texts looked at
// are added to Bakilanlar when it is given.
std::vector<std::string> KesikEtiketler(QWidget* Pencere, std::vector<std::string>* Bakilanlar = nullptr);
// The dark pixels (of at least half the text's ink) in the label's picture
// above the cap height of its first letter, over that letter: the dots of a
// leading Ö, Ü or İ, 0 when they are cut off or faded.
int BastakiNoktalar(QLabel* Etiket);
