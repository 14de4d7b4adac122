#pragma once
// The end forces of one element in its local axes, from the solved system:
// the element's local equilibrium matrix times its unknowns, plus the
// fixed-end forces of its loads. The report lines, the element force file
// and the drawing table all take them from here.

// Reads element e (the Okunan... globals, a bar's ElemanBoyu), builds its matrices
// and leaves its end forces in ElemanUcKuvvetleri, ElemaninNoktadakiKuvvetSayisi
// per node in node order; a plate's node moments are turned into moments per
// unit width. False, with Hata set, when a step failed.
bool ElemanUcKuvvetleriniHesapla(int e);
