#pragma once
// A model written straight into the scratch tables (and the material and
// section tables) of a temporary database, with the counts the readers
// would leave, then checked, sized, assembled and solved the way the
// calculation run does it.
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "TestYardim.h"

// Support texts: a plane-frame node held in X, Y and its rotation, a
// space-frame node held in all six.
inline const std::vector<std::string> Ankastre2B = {"0", "0", "Serbest", "Serbest", "Serbest", "0"};
inline const std::vector<std::string> Ankastre3B = {"0", "0", "0", "0", "0", "0"};

// Expects `kez` messages, each `metin` with the error caption and style.
void HataBekle(const BasliksizArayuz& a, const std::string& metin, std::size_t kez = 1);

// The two linear-dependence messages of the solution.
inline const std::string DengeBagimliMesaji =
    "Denge denklemlerinde doğrusal bağımlı satır var\rMalzeme, kesit,mafsal ve sınır(mesnet) koşullarını kontrol ediniz";
inline const std::string SureklilikBagimliMesaji =
    "Süreklilik denklemlerinde doğrusal bağımlı satır var\rMalzeme, kesit,mafsal ve sınır(mesnet) koşullarını "
    "kontrol ediniz";

class MotorModeli {
public:
    explicit MotorModeli(int SistemTipi);
    ~MotorModeli();

    void Nokta(int No, double X, double Y, double Z = 0);
    // Nodes 1, 2, ... at the given coordinates.
    void Noktalar(const std::vector<std::array<double, 3>>& xyz);
    void Malzeme(int No, double E, double Nu = 0.3, double Alfa = 0);
    // A, iz (Iz), iy (Iy), ix (J), Ay, Az; depths are not used by the engine.
    void Kesit(int No, double A, double Iz = 0, double Iy = 0, double J = 0, double Ay = 0, double Az = 0);
    void Eleman(int No, int Tip, int i, int j, int k = 0, int L = 0, int MalzemeNo = 1, int KesitNo = 1,
                const std::string& Mafsal = "00");
    // Ux, Uy, Uz, Fix, Fiy, Fiz; missing texts are "Serbest".
    void Mesnet(int No, std::vector<std::string> Kosullar);
    void Yuk(int No, double Px, double Py, double Pz = 0, double Mx = 0, double My = 0, double Mz = 0);
    void ElemanYuku(int ElemanNo, int YukNo, int YukTipi, double Yuk, double a = 0, double b = 0,
                    double Yuk1 = 0);

    // Counts of the readers, the model checks, the element unknowns, the
    // sizes and the arrays; true when Hata stayed 0.
    bool Hazirla();
    // Hazirla, the assembly and the solution; a solution that succeeds and
    // does not call itself inaccurate is checked for equilibrium (DengeBekle).
    bool Coz(bool YerDegistirmeli = true);

    // Independent force q of element e.
    double X(int e, int q) const;
    // The i-th support reaction (in the order of the support columns), in the
    // direction of its degree of freedom: the negated unknown.
    double Reaksiyon(int i) const;
    // Expects the reactions 1, 2, ... to be `beklenen`.
    void ReaksiyonlarBekle(std::initializer_list<double> beklenen, double tol = 1e-9) const;
    // Displacement of node n along its degree of freedom d.
    double U(int n, int d) const;

    BasliksizArayuz& Arayuz() { return *arayuz_; }
    std::string SonMesaj() const;

private:
    GeciciKlasor klasor_;
    BasliksizArayuz* arayuz_;
    int sistemTipi_;
};
