// Fixed-end forces of truss, space-frame and plate loads, and the four
// drivers that subtract the fixed-end forces of one element load, turned to
// global axes, from the load vector. The plane-frame routine is in
// DuzlemCerceveAnkastrelik.cpp. Loads on springs, the isolator and membranes
// take no part in the calculation: each driver acts only on its own element
// types and leaves the load vector alone for any other.
#include "engine/AnkastrelikKuvvetleri.h"

#include <cmath>
#include <string>

#include "engine/AnkastrelikOrtak.h"
#include "engine/CubukBoyu.h"
#include "engine/TransformasyonMatrisleri.h"
#include "model/LibU.h"
#include "model/Tipler.h"
#include "model/VeriTabani.h"

namespace {

std::string No() { return std::to_string(TuretElemanNo); }

// Subtracts Deger from the load-vector row of degree of freedom d of node
// Nokta (Serbestlik degrees of freedom per node). A node outside the load
// vector is refused instead of writing past it.
bool YukVektorundenCikar(int Nokta, int Serbestlik, int d, double Deger) {
    const long satir = static_cast<long>(Nokta - 1) * Serbestlik + d;
    if (Nokta < 1 || satir >= static_cast<long>(YukVektoru.Length())) {
        AnkastrelikHatasi(No() + ".elemanın " + std::to_string(Nokta) +
                          " nolu noktası yük vektöründe bulunamadı");
        return false;
    }
    YukVektoru[satir] -= Deger;
    return true;
}

// Subtracts GlobalAnkastrelikKuvvetleri from the load vector at the bar's two
// nodes: entries 1..dof at node i, dof+1..2 dof at node j.
void IkiUctanCikar(int dof) {
    const auto& G = GlobalAnkastrelikKuvvetleri;
    for (int d = 1; d <= dof; ++d) {
        if (!YukVektorundenCikar(OkunaniNoktasi, dof, d, G[d])) return;
        if (!YukVektorundenCikar(OkunanjNoktasi, dof, d, G[dof + d])) return;
    }
}

// GlobalAnkastrelikKuvvetleri := the transpose of the 3 x 3 rotation applied
// to each block of three local entries, for Bloklar blocks.
void YereldenGlobale(int Bloklar) {
    const auto& T = TransformasyonMatrisi;
    const auto& Y = YerelAnkastrelikKuvvetleri;
    auto& G = GlobalAnkastrelikKuvvetleri;
    for (int i = 1; i <= 12; ++i) G[i] = 0;
    for (int blok = 0; blok < Bloklar; ++blok)
        for (int r = 1; r <= 3; ++r)
            for (int k = 1; k <= 3; ++k) G[3 * blok + r] += T[k][r] * Y[3 * blok + k];
}

// The bending releases of a space-frame bar's hinge text (05 My and 06 Mz
// at i, 11 My and 12 Mz at j) applied to its held-end forces: a released
// end moment becomes zero and the shears and the other end moment take what
// the bar then carries. Each bending plane is released on its own; in the
// x-z plane the moment about y turns the other way round, hence the signs.
// Other codes (the torsion releases 04 and 10) change nothing here.
void UzayCerceveSerbestlikleri(double L) {
    bool kod[13] = {};
    std::string metin;
    for (char c : OkunanMafsalTipi)
        if (c != ' ') metin += c;
    for (std::size_t p = 0; p + 1 < metin.size(); p += 2) {
        const char c1 = metin[p], c2 = metin[p + 1];
        if (c1 < '0' || c1 > '9' || c2 < '0' || c2 > '9') continue;
        const int k = (c1 - '0') * 10 + (c2 - '0');
        if (k <= 12) kod[k] = true;
    }
    if (!kod[5] && !kod[6] && !kod[11] && !kod[12]) return;
    auto& Y = YerelAnkastrelikKuvvetleri;
    EgilmeSerbestlikleri(L, Y[2], Y[6], Y[8], Y[12], false, kod[6], false, kod[12]);
    double Mi = -Y[5], Mj = -Y[11];
    EgilmeSerbestlikleri(L, Y[3], Mi, Y[9], Mj, false, kod[5], false, kod[11]);
    Y[5] = -Mi;
    Y[11] = -Mj;
}

}  // namespace

void KafesAnkastrelikKuvvetleri() {
    auto& Y = YerelAnkastrelikKuvvetleri;
    Y[1] = 0;
    Y[2] = 0;
    const double L = ElemanBoyu, q = OkunanYuk, EA = OkunanE * OkunanA;
    switch (OkunanYukTipi) {
    case 5:
        Y[1] = -q * L / 2;
        Y[2] = -q * L / 2;
        break;
    case 14:
        Y[1] = EA * OkunanAlfa * q;
        Y[2] = -EA * OkunanAlfa * q;
        break;
    case 15:
    case 16: {
        if (!(L > 1e-8)) {
            AnkastrelikHatasi(No() + ".elemanın boyu sıfır");
            return;
        }
        const double N = EA / L * q;
        Y[1] = OkunanYukTipi == 15 ? N : -N;
        Y[2] = -Y[1];
        break;
    }
    default:
        break;
    }
}

void UzayCerceveAnkastrelikKuvvetleri() {
    auto& Y = YerelAnkastrelikKuvvetleri;
    for (int i = 1; i <= 12; ++i) Y[i] = 0;
    const double L = ElemanBoyu, q = OkunanYuk, a = OkunanaMesafesi;
    switch (OkunanYukTipi) {
    case 21:
        Y[2] = q * L / 2;
        Y[6] = q * L * L / 12;
        Y[8] = q * L / 2;
        Y[12] = -q * L * L / 12;
        break;
    case 22:
        Y[3] = q * L / 2;
        Y[5] = -q * L * L / 12;
        Y[9] = q * L / 2;
        Y[11] = q * L * L / 12;
        break;
    case 23:
    case 24: {
        if (!(L > 1e-8)) {
            AnkastrelikHatasi(No() + ".elemanın boyu sıfır");
            return;
        }
        if (a < 0 || a > L) {
            AnkastrelikHatasi(No() + ".elemanın tekil yük tanımında a=" + GenelSayiMetni(a) +
                              " değeri elemanın boyu L=" + GenelSayiMetni(L) + " ile bağdaşmıyor");
            return;
        }
        const double P = q, r = a / L;
        const double Vi = P * (1 - 3 * r * r + 2 * r * r * r);
        const double Mi = P * (a - 2 * a * r + a * r * r);
        const double Vj = P * (3 * r * r - 2 * r * r * r);
        const double Mj = P * (a * r - a * r * r);
        if (OkunanYukTipi == 23) {
            Y[2] = Vi;
            Y[6] = Mi;
            Y[8] = Vj;
            Y[12] = -Mj;
        } else {
            Y[3] = Vi;
            Y[5] = -Mi;
            Y[9] = Vj;
            Y[11] = Mj;
        }
        break;
    }
    default:
        return;
    }
    UzayCerceveSerbestlikleri(L);
}

void PlakAnkastrelikKuvvetleri(double a, double b, double q) {
    auto& Y = YerelAnkastrelikKuvvetleri;
    const double W = q * a * b / 4;
    // corner: force along Z, moment about X, moment about Y
    const double isaret[4][2] = {{+1, -1}, {-1, -1}, {-1, +1}, {+1, +1}};  // i, j, k, L
    for (int p = 0; p < 4; ++p) {
        Y[3 * p + 1] = W;
        Y[3 * p + 2] = isaret[p][0] * W * b / 6;
        Y[3 * p + 3] = isaret[p][1] * W * a / 6;
    }
}

bool ElemanYukuAlir(int tip) {
    return tip == DuzlemKafesElemani || tip == UzayKafesElemani || tip == DuzlemCerceveElemani ||
           tip == UzayCerceveElemani || tip == DortgenPlakElemani;
}

const char* const YukAlmayanElemanMesaji = "Bu eleman tipine eleman yükü verilemez";

void ElemanYukleriniGez(int e, const std::function<bool()>& satir) {
    Tablo& y = Tablolar.EYUK;
    if (!y.Locate("ElemanNo", e)) return;
    while (!y.Eof() && y.FieldByName("ElemanNo").AsInteger() == e) {
        OkunanYukTipi = y.FieldByName("YukTipi").AsInteger();
        OkunanaMesafesi = y.FieldByName("aMesafesi").AsFloat();
        OkunanbMesafesi = y.FieldByName("bMesafesi").AsFloat();
        OkunanYuk = y.FieldByName("Yuk").AsFloat();
        OkunanYuk1 = y.FieldByName("Yuk1").AsFloat();
        if (!satir()) return;
        y.Next();
    }
}

void KafesElemanYukleriniEkle() {
    if (OkunanElemanTipi != DuzlemKafesElemani && OkunanElemanTipi != UzayKafesElemani) return;
    const bool uzay = OkunanElemanTipi == UzayKafesElemani;
    const CubukEkseni eksen = OkunanCubugunEkseni(uzay);
    if (eksen.Sifir) {
        AnkastrelikHatasi(No() + ".elemanın boyu sıfır");
        return;
    }
    const double L = eksen.L;
    const double cx = eksen.dx / L, cy = eksen.dy / L, cz = eksen.dz / L;
    KafesAnkastrelikKuvvetleri();
    if (Hata != 0) return;
    const auto& Y = YerelAnkastrelikKuvvetleri;
    auto& G = GlobalAnkastrelikKuvvetleri;
    for (int i = 1; i <= 12; ++i) G[i] = 0;
    const int dof = uzay ? 3 : 2;
    const double c[3] = {cx, cy, cz};
    for (int d = 1; d <= dof; ++d) {
        G[d] = c[d - 1] * Y[1];
        G[dof + d] = c[d - 1] * Y[2];
    }
    IkiUctanCikar(dof);
}

void DuzlemCerceveElemanYukleriniEkle() {
    if (OkunanElemanTipi != DuzlemCerceveElemani) return;
    DuzlemTransformasyonMatrisi();
    if (Hata != 0) return;
    DuzlemCerceveAnkastrelikKuvvetleri();
    if (Hata != 0) return;
    YereldenGlobale(2);
    IkiUctanCikar(3);
}

void UzayCerceveElemanYukleriniEkle() {
    if (OkunanElemanTipi != UzayCerceveElemani) return;
    UzayTransformasyonMatrisi();
    if (Hata != 0) return;
    UzayCerceveAnkastrelikKuvvetleri();
    if (Hata != 0) return;
    YereldenGlobale(4);
    IkiUctanCikar(6);
}

void PlakElemanYukleriniEkle() {
    if (OkunanElemanTipi != DortgenPlakElemani) return;
    const double a = OkunanLX1 - OkunaniX1, b = OkunanjX2 - OkunaniX2;
    PlakAnkastrelikKuvvetleri(a, b, OkunanYuk);
    const auto& Y = YerelAnkastrelikKuvvetleri;
    const int noktalar[4] = {OkunaniNoktasi, OkunanjNoktasi, OkunankNoktasi, OkunanLNoktasi};
    for (int d = 1; d <= 3; ++d)
        for (int p = 0; p < 4; ++p)
            if (!YukVektorundenCikar(noktalar[p], 3, d, Y[3 * p + d])) return;
}
