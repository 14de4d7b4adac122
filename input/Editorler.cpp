#include "input/Editorler.h"

bool EditoruGoster(int Tag, QWidget* Ust) {
    (void)Tag;
    (void)Ust;
    return false;
}
