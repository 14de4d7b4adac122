#pragma once
// Program start: builds the application and the main window, runs the loop.
int OrveltaCalistir(int argc, char** argv);
