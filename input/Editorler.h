#pragma once
// The nine record editors, opened modally by the main window's tool buttons
// (tags 1..9) and by a double click into its grid.
class QWidget;

// Tags of the editors: 1 main data, 2 materials, 3 cross-sections,
// 4 coordinates, 5 element-node links, 6 element-material-section-hinge
// links, 7 nodal loads, 8 element loads, 9 support conditions.
// Shows the editor of the tag modally over Ust; returns false when there is
// no editor for the tag.
bool EditoruGoster(int Tag, QWidget* Ust);
