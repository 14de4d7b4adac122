#pragma once
// What screen readers, scripts that drive the program and users without a
// mouse get beyond the stock controls:
// - a drop-down list is named by its accessible name (the caption of the
//   label beside it), its chosen item being its value; the stock interface
//   names it by the chosen item;
// - a command button that stays down to show what it chose (its property
//   kKomutDugmesi true, set right after the button is made: the first
//   change of a button already fixes its interface) offers "Press" and
//   "Toggle", and both press it as a click does; the stock interface offers only "Toggle", which changes the
//   button's state without running its command;
// - Enter on a focused push button or tool button presses it, as Space
//   does. Buttons that take Enter themselves (the default and auto-default
//   buttons of dialogs) keep doing so; no button becomes the default of a
//   window, so Enter in an edit still means what that window makes of it;
// - a focused push button, tool button or drop-down list is framed by a
//   ring two pixels wide in the palette's highlight colour, just inside its
//   edge, and so is the current item of a focused list or grid (the stock
//   marks of the Fusion style are a faint line).
#include <QProxyStyle>

inline constexpr const char* kKomutDugmesi = "KomutDugmesi";

// The style that draws the focus ring over the style it wraps.
class TOdakStili : public QProxyStyle {
public:
    explicit TOdakStili(QStyle* Taban = nullptr) : QProxyStyle(Taban) {}
    explicit TOdakStili(const QString& TabanAdi) : QProxyStyle(TabanAdi) {}
    void drawControl(ControlElement E, const QStyleOption* O, QPainter* P, const QWidget* W) const override;
    void drawComplexControl(ComplexControl C, const QStyleOptionComplex* O, QPainter* P,
                            const QWidget* W) const override;
    void drawPrimitive(PrimitiveElement E, const QStyleOption* O, QPainter* P, const QWidget* W) const override;
};

// Puts all of it in place for the whole program (once; later calls do
// nothing). When the program's style is no TOdakStili, a TOdakStili over a
// style of the same name takes its place.
void ErisilebilirlikKur();
