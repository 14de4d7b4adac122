#pragma once
// Long calls of the sparse libraries (the factorizations and the solutions
// with their factors) run on a thread of their own, while the
// user-interface thread waits for them pumping the window messages: the
// window keeps painting and the stop button is served during the call.
//
// A call that the stop button leaves behind goes on to its end in the
// background. Everything it works on it holds itself (shared with the
// caller), so it never touches what the run frees after the stop, and what
// it holds is freed when it ends. The next solution, and the end of the
// program, wait for such calls first.
#include <functional>

// Runs Is on a thread of its own and waits for it, pumping the window
// messages through the user-interface port after every short wait, also
// once after the call has ended. True when the call ended and Hata stayed
// 0 (an exception of the call is raised again here); false when Hata was
// set meanwhile (the stop button): the caller drops the call's result,
// and a call still running is left to end in the background.
// Is must not touch the port, the model's globals or anything that the
// caller frees; it works only on what it holds itself.
bool ArkaPlandaCalistir(std::function<void()> Is);

// Waits for the calls left in the background by a stop, pumping the window
// messages meanwhile; false when Hata was set while waiting.
bool ArkaPlandakileriBekle();

// How many calls left behind by a stop have not been waited for yet.
int ArkaPlandakiCagriSayisi();
