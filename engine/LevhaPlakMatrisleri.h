#pragma once
// Membrane (types 50, 51) and plate (type 60) branches of the element routine.
// Called after the element lookup has filled the current-element globals.
// Islem 1: local equilibrium matrix; 2: global equilibrium matrix and the
// flexibility block; 4: the element's stress rows in the report.
void LevhaPlakMatrisleriniKur(int ElemanNo, int Islem);
