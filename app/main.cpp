#include "shell/Baslat.h"

int main(int argc, char** argv) { return OrveltaCalistir(argc, argv); }
