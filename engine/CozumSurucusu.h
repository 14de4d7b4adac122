#pragma once
// The force method's solution after the assembly: the elimination that
// chooses the redundants, B0 (with displacements only), Bx, Bx transposed
// times f and the reduction (indeterminate structures only), the unknowns
// and the displacements. Stops at the first set Hata, and at the matrix
// chosen in "Matris göster...", which it hands to the matrix viewer.

// The items of "Matris göster..." as the user-interface port numbers them.
enum MatrisGosterSecimi {
    HicbiriGoster = 0,
    NGoster = 1,
    indirgenmisNGoster = 2,
    B0Goster = 3,
    BxTGoster = 4,
    NBxTGoster = 5,
    NBxTfGoster = 6,
    indirgenmisNbxTfGoster = 7,
};

// The caption of an item ("N denge matrisi", ...); empty for "Hiçbiri".
const char* MatrisGosterBasligi(int Secim);

void KuvvetMetoduCoz();
