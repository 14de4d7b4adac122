#pragma once
// The element routine: for the current element it sets the per-type counts
// and, by the operation, forms
//   1: the local equilibrium matrix ElemanYerelDengeMatrisi,
//   2: the global equilibrium matrix ElemanDengeMatrisi and the element's
//      flexibility block in EsneklikMatrisi,
//   4: the element's stress rows of the report.
// The equilibrium matrix maps the element's independent forces to the end
// forces acting on the element at its nodes. Failed checks show a message
// and set Hata.
void ElemanMatrisleriniKur(int ElemanNo, int Islem);

