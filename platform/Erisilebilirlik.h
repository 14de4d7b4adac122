#pragma once
// What screen readers and scripts that drive the program see of two kinds of
// controls whose stock accessibility falls short:
// - a drop-down list is named by its accessible name (the caption of the
//   label beside it), its chosen item being its value; the stock interface
//   names it by the chosen item;
// - a command button that stays down to show what it chose (its property
//   kKomutDugmesi true, set right after the button is made: the first
//   change of a button already fixes its interface) offers "Press" and
//   "Toggle", and both press it as a click does; the stock interface offers only "Toggle", which changes the
//   button's state without running its command.

inline constexpr const char* kKomutDugmesi = "KomutDugmesi";

// Puts both in place for the whole program (once; later calls do nothing).
void ErisilebilirlikKur();
