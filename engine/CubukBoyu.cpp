#include "engine/CubukBoyu.h"

#include <cmath>

#include "model/Tipler.h"

double CubukBoyu(double dx, double dy, double dz) { return std::sqrt(dx * dx + dy * dy + dz * dz); }

bool CubukBoyuSifir(double L) { return !(L > 1e-8); }

CubukEkseni CubukEkseniHesapla(double dx, double dy, double dz, bool uzay) {
    CubukEkseni e;
    e.dx = dx;
    e.dy = dy;
    e.dz = uzay ? dz : 0.0;
    e.L = CubukBoyu(e.dx, e.dy, e.dz);
    e.Sifir = CubukBoyuSifir(e.L);
    return e;
}

bool UzayCubuguMu(int ElemanTipi) {
    return ElemanTipi == UzayKafesElemani || ElemanTipi == UzayEksenelYay || ElemanTipi == UzayCerceveElemani ||
           ElemanTipi == DepremIzolatoru;
}

CubukEkseni OkunanCubugunEkseni(bool uzay) {
    const CubukEkseni e =
        CubukEkseniHesapla(OkunanjX1 - OkunaniX1, OkunanjX2 - OkunaniX2, OkunanjX3 - OkunaniX3, uzay);
    ElemanBoyu = e.L;
    return e;
}
