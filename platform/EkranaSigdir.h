#pragma once
// Windows kept inside the screen's available area (without the panels of
// the desktop): a window never grows or sits beyond it, and content that
// does not fit scrolls.
#include <QRect>
#include <QScrollArea>

class QWidget;

// The frame rectangle a window takes inside the available area Alan: at
// most Alan's size, then moved (by as little as it takes) so that it lies
// inside Alan.
QRect AlanaSigdir(QRect Cerceve, const QRect& Alan);

// A scroll area that asks for its whole content (the stock one asks for at
// most 36 x 24 lines): its minimum is the content's, so that a window grows
// with its content as it would without the area. The window's layout must
// not hold the window at that minimum (QLayout::SetNoConstraint), so that
// the window can keep inside the screen; what does not fit then scrolls. No
// frame, the window's own background, no focus of its own.
class TKaydirmaAlani : public QScrollArea {
public:
    explicit TKaydirmaAlani(QWidget* Ust);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int W) const override;

protected:
    bool viewportEvent(QEvent* E) override;
    bool event(QEvent* E) override;
};

// Keeps the top-level window Pencere inside its screen's available area, at
// every show and after every change of its size or of its layout. With
// IcerigeGoreBuyu the window also grows to the minimum its layout asks for
// (as far as the area allows; it never shrinks by itself), as a window whose
// content grows does.
void EkrandaTut(QWidget* Pencere, bool IcerigeGoreBuyu = false);
