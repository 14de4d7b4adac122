#pragma once
// Top-level windows of every process on the desktop, found by title. Only
// the X11 desktop (Qt's xcb platform) has such a list; elsewhere nothing is
// ever found.
#include <string>
#include <vector>

// The first top-level window whose title contains Metin, both compared in
// ASCII upper case; 0 when there is none.
unsigned long UstPencereBul(const std::string& Metin);
// Asks the window to close, as its close button would.
void UstPencereyiKapat(unsigned long Pencere);
// Brings the window to the front and gives it the focus.
void UstPencereyiOneGetir(unsigned long Pencere);

struct UstPencere {
    unsigned long Kimlik = 0;
    std::string Baslik;  // UTF-8
};
// Every titled top-level window, in the window manager's order.
std::vector<UstPencere> UstPencereler();
