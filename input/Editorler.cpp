#include "input/Editorler.h"

#include <memory>

#include "input/UiNputElemanKesitMafsalBilgileri.h"
#include "input/UiNputElemanNoktaBagi.h"
#include "input/UiNputKoordinatlar.h"

bool EditoruGoster(int Tag, QWidget* Ust) {
    std::unique_ptr<TKayitEditoru> e;
    switch (Tag) {
    case 4: e = std::make_unique<TiNputKoordinatlar>(Ust); break;
    case 5: e = std::make_unique<TiNputElemanNoktaBagi>(Ust); break;
    case 6: e = std::make_unique<TiNputElemanKesitMafsalBilgileri>(Ust); break;
    default: return false;
    }
    e->exec();
    return true;
}
