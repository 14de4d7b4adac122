#include "drawing/MeshCiz.h"

bool CizimPenceresiniGoster(QWidget* Ust, bool SadeceGeometri) {
    (void)Ust;
    (void)SadeceGeometri;
    return false;
}

bool CizimPenceresiAcik() { return false; }
