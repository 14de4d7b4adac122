#include "input/Editorler.h"

#include <memory>

#include "input/UiNputElemanYukleri.h"
#include "input/UiNputKoordinatlar.h"
#include "input/UiNputSinirKosullari.h"
#include "input/UiNputYukler.h"

bool EditoruGoster(int Tag, QWidget* Ust) {
    std::unique_ptr<TKayitEditoru> e;
    switch (Tag) {
    case 4: e = std::make_unique<TiNputKoordinatlar>(Ust); break;
    case 7: e = std::make_unique<TiNputYukler>(Ust); break;
    case 8: e = std::make_unique<TiNputElemanYukleri>(Ust); break;
    case 9: e = std::make_unique<TiNputSinirKosullari>(Ust); break;
    default: return false;
    }
    e->exec();
    return true;
}
