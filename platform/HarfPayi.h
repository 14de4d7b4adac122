#pragma once
// Labels that show the dots and marks of Turkish capitals whole. In the
// desktop's fonts the dots of Ö, Ü and İ and the breve of Ğ reach a row or
// two above the line's ascent; a label as high as its line (a caption on its
// own row, a message box's text) cut them off, so that "Ölçek" read "Olçek".
// Every text label gets the rows its font's letters reach beyond the line
// as extra top and bottom margins, again whenever its font changes. A label
// whose text can be selected draws it clipped at its line, where no margin
// helps: the program's labels and message boxes keep their text plain.
#include <QMargins>

class QFont;

// The rows by which the font's tallest capitals reach above its line (top)
// and its deepest letters below it (bottom), as text is written in a label,
// with one row more where they reach its first or last row.
QMargins HarfPayi(const QFont& Yazi);

// Puts the margins in place for every label of the program shown from now
// on, and has the program's text fully hinted, so that the dots fall on
// whole pixel rows instead of one pale row (once; later calls do nothing).
// Picture labels (with a pixmap, of a fixed height or the content of a
// scroll area) keep their margins.
void HarfPaylariniKur();
