#pragma once
// Program start: the single-copy test, the number format, the long-lived
// windows in their order, the message loop.
int OrveltaCalistir(int argc, char** argv);
