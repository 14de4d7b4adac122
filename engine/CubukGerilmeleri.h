#pragma once
// Stress rows of the bar element types in the report: operation 4 of the
// element routine for types 10, 11, 20, 21, 30 (and 40, which reads its line
// of the element force file and writes no row). Called after the element
// lookup has filled the current-element globals, with the element force file
// open for reading.
//
// Trusses: sigma = N / A with N the bar's whole normal force, its own
// fixed-end force included (read back from the element force file; the
// springs 11 and 21, which have no line there, use their unknown).
// Plane frames: the end forces of the file are turned into internal forces
// (at end i N = -S1, V = S2, M = -S3; at end j N = S4, V = -S5, M = S6), the
// signs of the drawing window's diagrams: N positive in tension, M positive
// when it stretches the bottom fibre (the local -y face), V positive when it
// acts along local y on the section's negative face. The top fibre is the
// local +y face, ey the centroid's distance from it, so
// top = N/A - M*ey/Iz, bottom = N/A + M*(hy - ey)/Iz, shear = V/Ay.
void CubukGerilmeleriniYaz(int ElemanNo);

// One plane-frame row from the internal forces at one end.
void CerceveGerilmeleriniYaz(int ElemanNo, int Nokta, double N, double V, double M);
