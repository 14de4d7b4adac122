#include "input/Editorler.h"

#include <memory>

#include "input/UiNputAnaVeriler.h"
#include "input/UiNputElemanKesitMafsalBilgileri.h"
#include "input/UiNputElemanNoktaBagi.h"
#include "input/UiNputElemanYukleri.h"
#include "input/UiNputKesitBilgileri.h"
#include "input/UiNputKoordinatlar.h"
#include "input/UiNputMalzemeBilgileri.h"
#include "input/UiNputSinirKosullari.h"
#include "input/UiNputYukler.h"

bool EditoruGoster(int Tag, QWidget* Ust) {
    std::unique_ptr<TKayitEditoru> e;
    switch (Tag) {
    case 1: e = std::make_unique<TiNputAnaVeriler>(Ust); break;
    case 2: e = std::make_unique<TiNputMalzemeBilgileri>(Ust); break;
    case 3: e = std::make_unique<TiNputKesitBilgileri>(Ust); break;
    case 4: e = std::make_unique<TiNputKoordinatlar>(Ust); break;
    case 5: e = std::make_unique<TiNputElemanNoktaBagi>(Ust); break;
    case 6: e = std::make_unique<TiNputElemanKesitMafsalBilgileri>(Ust); break;
    case 7: e = std::make_unique<TiNputYukler>(Ust); break;
    case 8: e = std::make_unique<TiNputElemanYukleri>(Ust); break;
    case 9: e = std::make_unique<TiNputSinirKosullari>(Ust); break;
    default: return false;
    }
    e->exec();
    return true;
}
