#pragma once
// Stress rows of the bar element types (10, 11, 20, 21, 30) in the report:
// operation 4 of the element routine for those types. Called after the
// element lookup has filled the current-element globals.
void CubukGerilmeleriniYaz(int ElemanNo);
