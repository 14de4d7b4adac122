#include "engine/TransformasyonMatrisleri.h"

#include <cmath>
#include <string>

#include "engine/CubukBoyu.h"
#include "model/LibU.h"
#include "model/Tipler.h"

void DuzlemTransformasyonMatrisi() {
    const CubukEkseni eksen = OkunanCubugunEkseni(false);
    if (eksen.Sifir) {
        MesajKutusu(std::to_string(TuretElemanNo) + ".Elemanın boyu sıfır", "HATA:", "TamamHata1");
        Hata = 1;
        return;
    }
    const double c = eksen.dx / eksen.L;
    const double s = eksen.dy / eksen.L;
    auto& T = TransformasyonMatrisi;
    T[1][1] = c;  T[1][2] = s; T[1][3] = 0;
    T[2][1] = -s; T[2][2] = c; T[2][3] = 0;
    T[3][1] = 0;  T[3][2] = 0; T[3][3] = 1;
}

void UzayTransformasyonMatrisi() {
    const CubukEkseni eksen = OkunanCubugunEkseni(true);
    const double dx = eksen.dx, dy = eksen.dy, dz = eksen.dz, L = eksen.L;

    // Third point: an axis code places it at distance L from node i.
    switch (OkunankNoktasi) {
        case 10001: OkunankX1 = OkunaniX1 + L; OkunankX2 = OkunaniX2; OkunankX3 = OkunaniX3; break;
        case 10002: OkunankX1 = OkunaniX1; OkunankX2 = OkunaniX2 + L; OkunankX3 = OkunaniX3; break;
        case 10003: OkunankX1 = OkunaniX1; OkunankX2 = OkunaniX2; OkunankX3 = OkunaniX3 + L; break;
        case -10001: OkunankX1 = OkunaniX1 - L; OkunankX2 = OkunaniX2; OkunankX3 = OkunaniX3; break;
        case -10002: OkunankX1 = OkunaniX1; OkunankX2 = OkunaniX2 - L; OkunankX3 = OkunaniX3; break;
        case -10003: OkunankX1 = OkunaniX1; OkunankX2 = OkunaniX2; OkunankX3 = OkunaniX3 - L; break;
        default: break;
    }
    const double vx = OkunankX1 - OkunaniX1;
    const double vy = OkunankX2 - OkunaniX2;
    const double vz = OkunankX3 - OkunaniX3;
    // z = x cross v, y = z cross x
    const double zx = dy * vz - dz * vy;
    const double zy = dz * vx - dx * vz;
    const double zz = dx * vy - dy * vx;
    const double yx = zy * dz - zz * dy;
    const double yy = zz * dx - zx * dz;
    const double yz = zx * dy - zy * dx;
    const double yBoy = std::sqrt(yx * yx + yy * yy + yz * yz);
    const double zBoy = std::sqrt(zx * zx + zy * zy + zz * zz);
    // A zero y or z alone (the other non-zero) cannot happen: |y| = |z| |x|.
    if (eksen.Sifir || yBoy + zBoy < 1e-8) {
        MesajKutusu(std::to_string(TuretElemanNo) +
                        ".Elemanın boyu sıfır veya üçüncü nokta koordinatları hatalı",
                    "HATA:", "TamamHata1");
        Hata = 1;
        return;
    }
    auto& T = TransformasyonMatrisi;
    T[1][1] = dx / L;    T[1][2] = dy / L;    T[1][3] = dz / L;
    T[2][1] = yx / yBoy; T[2][2] = yy / yBoy; T[2][3] = yz / yBoy;
    T[3][1] = zx / zBoy; T[3][2] = zy / zBoy; T[3][3] = zz / zBoy;
}
