#include "TestYardim.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/SeyrekCozum.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"
#include "platform/Tablo.h"

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

std::string KaynakMetni(const std::string& Ad) {
    std::ifstream f(std::string(ORVELTA_KAYNAK_KLASORU) + "/" + Ad, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

namespace {

// The headless port of the tests: a calculation run through it is checked
// for equilibrium (DengeBekle) with the equations taken when the assembly
// is done (progress 8), as the results window opens, unless the solution
// called its result inaccurate.
class DengeliArayuz : public BasliksizArayuz {
public:
    void IlerlemeKonumu(int k) override {
        if (k < 8) denklemler_ = {};
        if (k == 8) denklemler_ = DengeDenklemleriniAl();
    }
    void SonuclariGoster() override {
        if (!denklemler_.N.empty() && !TemelSistemMekanizmayaYakin) DengeBekle(denklemler_);
        denklemler_ = {};
        BasliksizArayuz::SonuclariGoster();
    }

private:
    DengeDenklemleri denklemler_;
};

}  // namespace

BasliksizArayuz& TemizBasliksizArayuz() {
    static DengeliArayuz a;
    a = DengeliArayuz();
    ArayuzAyarla(&a);
    ModelDurumunuSifirla();
    return a;
}

DengeDenklemleri DengeDenklemleriniAl() {
    DengeDenklemleri d;
    d.N.assign(DenklemSayisi + 1, {});
    d.P.assign(DenklemSayisi + 1, 0.0);
    for (int i = 1; i <= DenklemSayisi; ++i) d.P[i] = YukVektoru[i];
    if (SeyrekCozumde()) {
        SeyrekNGirdileriniGez([&](int i, int j, double v) {
            if (i >= 1 && i <= DenklemSayisi) d.N[i][j] = v;
        });
    } else {
        for (int i = 1; i <= DenklemSayisi; ++i)
            for (int j = 1; j <= BilinmeyenSayisi; ++j)
                if (NMatrisi[i][j] != 0) d.N[i][j] = NMatrisi[i][j];
    }
    return d;
}

void DengeBekle(const DengeDenklemleri& d) {
    ASSERT_EQ(static_cast<int>(d.N.size()), DenklemSayisi + 1) << "no assembled equations";
    const auto& N = d.N;
    const auto& P = d.P;
    const auto& X = Bilinmeyenler;
    // Rounding is measured against the largest term of the whole system
    // (load, product N_ij X_j, or force times lever arm below); every
    // structure of the suite, dense and sparse, stays below 5e-15 of it.
    constexpr double kTolerans = 1e-12;
    double olcek = 1e-12;
    for (int i = 1; i <= DenklemSayisi; ++i) {
        olcek = std::max(olcek, std::fabs(P[i]));
        for (const auto& [j, v] : N[i]) olcek = std::max(olcek, std::fabs(v * X[j]));
    }
    for (int i = 1; i <= DenklemSayisi; ++i) {
        double r = -P[i];
        for (const auto& [j, v] : N[i]) r += v * X[j];
        EXPECT_LE(std::fabs(r), kTolerans * olcek) << "row " << i << " of N X = P";
    }

    // Which of Fx, Fy, Fz, Mx, My, Mz each degree of freedom of a node is.
    std::vector<int> bilesen;
    switch (SistemTipi) {
        case 10: case 50: bilesen = {0, 1}; break;
        case 20: bilesen = {0, 1, 2}; break;
        case 30: bilesen = {0, 1, 5}; break;
        case 40: bilesen = {0, 1, 2, 3, 4, 5}; break;
        case 60: bilesen = {2, 3, 4}; break;
        default: return;
    }
    const int d = NoktaSerbestlikSayisi;
    // Load on each node row plus the reaction of each support column.
    std::vector<double> F(ToplamSerbestlikSayisi + 1, 0.0);
    for (int i = 1; i <= ToplamSerbestlikSayisi; ++i) F[i] = P[i];
    for (int i = 1; i <= ToplamSerbestlikSayisi; ++i)
        for (auto it = N[i].upper_bound(ElemanBilinmeyenSayisi); it != N[i].end(); ++it)
            F[i] -= it->second * X[it->first];
    std::array<double, 6> toplam{};
    auto& xyz = Tablolar.XYZ;
    for (xyz.First(); !xyz.Eof(); xyz.Next()) {
        const int n = static_cast<int>(xyz.FieldByName("NoktaNo").AsInteger());
        const double r[3] = {xyz.FieldByName("X1").AsFloat(), xyz.FieldByName("X2").AsFloat(),
                             xyz.FieldByName("X3").AsFloat()};
        std::array<double, 6> f{};
        for (int k = 1; k <= d; ++k) f[bilesen[k - 1]] += F[(n - 1) * d + k];
        const double kol = 1 + std::fabs(r[0]) + std::fabs(r[1]) + std::fabs(r[2]);
        for (int k = 0; k < 6; ++k) olcek = std::max(olcek, std::fabs(f[k]) * kol);
        toplam[0] += f[0];
        toplam[1] += f[1];
        toplam[2] += f[2];
        toplam[3] += f[3] + r[1] * f[2] - r[2] * f[1];
        toplam[4] += f[4] + r[2] * f[0] - r[0] * f[2];
        toplam[5] += f[5] + r[0] * f[1] - r[1] * f[0];
    }
    static const char* const ad[] = {"Fx", "Fy", "Fz", "Mx", "My", "Mz"};
    for (int k = 0; k < 6; ++k) EXPECT_LE(std::fabs(toplam[k]), kTolerans * olcek) << "sum of " << ad[k];
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
        for (std::string w; k >> w;) s += ", " + (w == "NULL" ? w : Metin(w == "S" ? "Serbest" : w));
        s += ");\n";
    }
    return s;
}
std::string KafesKopru(int p) {
    const std::string son = std::to_string(2 * p + 1), uretim = "1,2,1," + son + ",2";
    const std::string baglar = "1," + std::to_string(5 * p + 1) + ",1,0,0";
    std::string s = Sistem("10:Düzlem kafes") + Celik() + Kesit("A, ix, iy, iz", "1, '100:Diğer', 0.01, 0, 0, 0") +
                    Noktalar({{"1", 0}, {"2", 0, 3}, {son.c_str(), 3.0 * p}, {uretim.c_str(), 0}}) +
                    Baglar({{baglar.c_str()}}) + Mesnetler({{"1", "0 0 S S S S"}, {son.c_str(), "S 0 S S S S"}});
    int e = 0;
    auto el = [&](int i, int j) { s += Elemanlar({{std::to_string(++e).c_str(), 10, i, j}}); };
    for (int i = 0; i <= p; ++i) el(2 * i + 1, 2 * i + 2);
    for (int i = 0; i < p; ++i)
        for (auto [a, b] : {std::pair{1, 3}, {2, 4}, {1, 4}, {2, 3}}) el(2 * i + a, 2 * i + b);
    for (int i = 1; i < p; ++i) s += Yukler({{std::to_string(2 * i + 1).c_str(), i % 3 * 1.0, -10.0 - i}});
    return s;
}

}  // namespace Sql

namespace {
// Whether the row holds ink: a pixel clearly darker than the light ground of a window.
bool Murekkepli(const QImage& r, int y) {
    for (int x = 0; x < r.width(); ++x)
        if (qGray(r.pixel(x, y)) < 200) return true;
    return false;
}
int MurekkepliSatirlar(const QImage& r) {
    int n = 0;
    for (int y = 0; y < r.height(); ++y) n += Murekkepli(r, y);
    return n;
}
}  // namespace

std::vector<std::string> KesikEtiketler(QWidget* Pencere, std::vector<std::string>* Bakilanlar) {
    std::vector<std::string> kesikler;
    for (QLabel* l : Pencere->findChildren<QLabel*>()) {
        const QString metin = l->text();
        if (!l->isVisibleTo(Pencere) || metin.isEmpty() || metin.contains('\n') || metin.contains('<') ||
            !l->pixmap().isNull())
            continue;
        const QFontMetrics olcu(l->font());
        if (l->wordWrap() && olcu.horizontalAdvance(metin) > l->contentsRect().width()) continue;
        QImage duz(olcu.horizontalAdvance(metin) + 20, 3 * olcu.height(), QImage::Format_RGB32);
        duz.fill(Qt::white);
        {
            QPainter p(&duz);
            p.setFont(l->font());
            p.setPen(Qt::black);
            p.drawText(QRect(10, olcu.height(), duz.width() - 20, olcu.height()), Qt::AlignLeft | Qt::AlignTop, metin);
        }
        if (Bakilanlar) Bakilanlar->push_back(metin.toStdString());
        // Cut at the top edge, or rows lost (a glyph placed a fraction of a
        // pixel apart may smooth one row less).
        const QImage resim = l->grab().toImage();
        if (Murekkepli(resim, 0) || MurekkepliSatirlar(resim) < MurekkepliSatirlar(duz) - 1)
            kesikler.push_back(metin.toStdString());
    }
    return kesikler;
}

int BastakiNoktalar(QLabel* Etiket) {
    const QImage r = Etiket->grab().toImage();
    const QFontMetrics olcu(Etiket->font());
    const QRect ic = Etiket->contentsRect();
    // The line as the label places it: left, and centred up and down.
    const int ust = ic.top() + (ic.height() - olcu.height()) / 2;
    const int taban = ust + olcu.ascent();
    const int sol = ic.left(), sag = sol + olcu.horizontalAdvance(Etiket->text().left(1));
    const int zemin = qGray(r.pixel(r.width() - 1, r.height() - 1));
    int n = 0;
    for (int y = 0; y < std::min(r.height(), taban - olcu.capHeight()); ++y)
        for (int x = std::max(0, sol); x < std::min(r.width(), sag); ++x) n += qGray(r.pixel(x, y)) < zemin / 2;
    return n;
}
