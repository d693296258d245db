#pragma once

class QComboBox;

// A turn of the mouse wheel over a drop-down list is a choice only when the list has the
// keyboard focus: over any other list it changes nothing, and the wheel never gives a list the
// focus by itself. So scrolling past a list on the way elsewhere never edits the program.
void TakeWheelOnlyWithFocus(QComboBox& list);
