#include "engine/CubukBoyu.h"

#include <cmath>

#include "model/Tipler.h"

double CubukBoyu(double dx, double dy, double dz) { return std::sqrt(dx * dx + dy * dy + dz * dz); }

bool CubukBoyuSifir(double L) { return !(L > 1e-8); }

CubukEkseni OkunanCubugunEkseni(bool uzay) {
    CubukEkseni e;
    e.dx = OkunanjX1 - OkunaniX1;
    e.dy = OkunanjX2 - OkunaniX2;
    e.dz = uzay ? OkunanjX3 - OkunaniX3 : 0.0;
    e.L = CubukBoyu(e.dx, e.dy, e.dz);
    e.Sifir = CubukBoyuSifir(e.L);
    ElemanBoyu = e.L;
    return e;
}
