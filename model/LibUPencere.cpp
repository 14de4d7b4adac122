// The window search and close of LibU.h, in a file of their own: the
// desktop's window list needs the windowing libraries, which a program that
// never looks for a window (the headless calculation) then does not load.
#include "model/LibU.h"
#include "platform/Pencereler.h"

unsigned long PencereBul(const std::string& Metin) { return UstPencereBul(Metin); }

void PencereKapat(const std::string& Metin) {
    const unsigned long h = PencereBul(Metin);
    if (h != 0) UstPencereyiKapat(h);
}
