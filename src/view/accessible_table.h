// The table as assistive technology reads it: a list whose items are the places a keyboard player moves over
// (named "Seven of Hearts", a face-down card only "face-down card"), with their column and row, focused and
// selected-for-the-move states, and the events that tell a reader what changed. Qt makes these interfaces
// only when a client of accessibility asks; until then every call here returns at once.
#pragma once

class QWidget;

namespace vantrel::accessible {

// Whether a client of accessibility is listening.
bool Active();
// Tells Qt how to make the table's interface (once; cheap, nothing is made until a client asks).
void Install();
// The table took the keyboard focus: once Qt has announced the table itself, the focused place follows.
void FocusIn(QWidget& view);
// After the view was brought up to date: names, descriptions, selections and the set of places that changed
// are reported, and the focus when it moved.
void TableChanged(QWidget& view, bool focus_moved);

}  // namespace vantrel::accessible
