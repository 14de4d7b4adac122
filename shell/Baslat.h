#pragma once
// Program start: the single-copy test, the number format, the long-lived
// windows in their order, the message loop.
int OrveltaCalistir(int argc, char** argv);

// Puts the Turkish texts of the toolkit's own windows (file dialogs, edit
// menus) in place. False when they are not installed; the English ones stay.
bool AracTakimiCevirileriniYukle();
