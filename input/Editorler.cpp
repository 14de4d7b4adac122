#include "input/Editorler.h"

#include <memory>

#include "input/UiNputKoordinatlar.h"

bool EditoruGoster(int Tag, QWidget* Ust) {
    std::unique_ptr<TKayitEditoru> e;
    switch (Tag) {
    case 4: e = std::make_unique<TiNputKoordinatlar>(Ust); break;
    default: return false;
    }
    e->exec();
    return true;
}
