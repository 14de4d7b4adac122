// Anchor of the engine library; the routines live in the files beside it.
