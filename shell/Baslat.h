#pragma once
// Program start: the single-copy test, the number format, the long-lived
// windows in their order, the message loop.
int OrveltaCalistir(int argc, char** argv);

class TekKopya;
// A second start while Tek's lock is held by the running copy: the warning,
// then the running copy is asked to come to the front.
void IkinciKopyaUyarisi(TekKopya& Tek);

// Puts the Turkish texts of the toolkit's own windows (file dialogs, edit
// menus) in place. False when they are not installed; the English ones stay.
bool AracTakimiCevirileriniYukle();
