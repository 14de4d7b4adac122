#pragma once
// Tells the windows that list a table that its rows changed: an editor saved
// or deleted a row, the main window deleted rows. Listeners refresh their
// view after the change is complete (after Post or Cancel), never in the
// middle of a write; the table's own AfterPost hook stays with the readers.
#include <functional>

class Tablo;

// Calls every listener with the changed table.
void TabloDegistiBildir(Tablo& T);

// Adds a listener; the number returned removes it again.
int TabloDegistiDinle(std::function<void(Tablo&)> Dinleyici);
void TabloDinlemesiniBirak(int No);
