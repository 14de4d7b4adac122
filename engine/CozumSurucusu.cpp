#include "engine/CozumSurucusu.h"

#include "engine/ArkaPlanCagrisi.h"
#include "engine/CozumIyilestirme.h"
#include "engine/GaussEleme.h"
#include "engine/SeyrekCozum.h"
#include "model/Tipler.h"
#include "platform/KullaniciArayuzu.h"

const char* MatrisGosterBasligi(int Secim) {
    switch (Secim) {
        case NGoster: return "N denge matrisi";
        case indirgenmisNGoster: return "İndirgenmiş N";
        case B0Goster: return "B0 matrisi";
        case BxTGoster: return "Bx transpoz matrisi";
        case NBxTGoster: return "N+BxT matrisi";
        case NBxTfGoster: return "N+BxTf matrisi";
        case indirgenmisNbxTfGoster: return "İndirgenmiş N+BxTf matrisi";
        default: return "";
    }
}

namespace {

// The calculation mode as the solution read it at its start.
bool CozumYerDegistirmesiz = true;

// Shows the chosen matrix when it is the one of this point; the viewer ends
// the run, so Hata is set as it does. The viewer gets the choice and the
// calculation mode of the solution's start, never the menus of the moment.
void MatrisiGoster(int secim, int nokta) {
    if (secim != nokta) return;
    Arayuz().MatrisGoster(
        {secim, MatrisGosterBasligi(secim), DenklemSayisi, BilinmeyenSayisi, CozumYerDegistirmesiz});
    Hata = 1;
}

}  // namespace

void KuvvetMetoduCoz() {
    // A call of the sparse libraries that a stopped run left working ends
    // before this solution starts.
    if (!ArkaPlandakileriBekle()) return;
    TemelSistemMekanizmayaYakin = false;
    if (SeyrekCozumde()) {
        SeyrekKuvvetMetoduCoz();
        return;
    }
    auto& arayuz = Arayuz();
    const int secim = arayuz.MatrisGosterSecimi();
    CozumYerDegistirmesiz = !arayuz.YerDegistirmeliHesap();

    const DengeSatirlari denge = YogunDengeSatirlari();
    MatrisiGoster(secim, NGoster);
    IzostatikEsasSistemSec();
    if (Hata != 0) return;
    MatrisiGoster(secim, indirgenmisNGoster);
    if (Hata != 0) return;

    arayuz.IlerlemeKonumu(9);
    B0Hesapla();
    if (Hata != 0) return;
    MatrisiGoster(secim, B0Goster);

    arayuz.IlerlemeKonumu(10);
    BxHesapla();
    if (Hata != 0) return;
    MatrisiGoster(secim, BxTGoster);
    MatrisiGoster(secim, NBxTGoster);
    if (Hata != 0) return;

    arayuz.IlerlemeKonumu(11);
    BxTfHesapla();
    if (Hata != 0) return;
    MatrisiGoster(secim, NBxTfGoster);

    arayuz.IlerlemeKonumu(12);
    SureklilikDenklemleriniIndirge();
    if (Hata != 0) return;
    MatrisiGoster(secim, indirgenmisNbxTfGoster);
    if (Hata != 0) return;

    arayuz.IlerlemeKonumu(15);
    if (Hata == 0) BilinmeyenleriHesapla();
    if (Hata == 0) YogunCozumuIyilestir(denge);
    if (Hata == 0) YerDegistirmeleriHesapla();
    arayuz.IlerlemeKonumu(16);
}
