// Anchor of the run library; the routines live in the files beside it.
