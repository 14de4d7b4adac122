#pragma once
// The drawing window "Çiz": the model's geometry and, after a full run, its
// force diagrams.
class QWidget;

// Shows the drawing window modally over Ust. SadeceGeometri: opened after the
// geometry-only pass of "Çiz", so the force-diagram controls stay hidden.
// Returns false when there is no drawing window.
bool CizimPenceresiniGoster(QWidget* Ust, bool SadeceGeometri);

// Whether the drawing window is on screen (only one may exist).
bool CizimPenceresiAcik();
