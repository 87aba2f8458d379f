// The keyboard on the table on screen: the play keys turned into KeyboardPlay's, the focus frame drawn over
// the cards, the scroll area following the focus, and the accessibility events of each change. Nothing is
// drawn or sent before the first key (or, for the events, before a client of accessibility asks).
#pragma once

#include <QRect>
#include <functional>

#include "interaction/keyboard_play.h"
#include "interaction/layout.h"

class QKeyEvent;
class QPainter;
class QWidget;

namespace vantrel {

class TableKeys {
 public:
  using Runner = std::function<void(const std::function<void()>&)>;

  // `view` shows `table` as `layout` places it; `run` runs a handler of the game as the view runs the
  // mouse's.
  TableKeys(QWidget& view, const Table& table, const Layout& layout, Interaction& interaction, Runner run);

  // A key pressed on the table: true when it was one of the play keys (arrows, Space, Enter, Esc, with no
  // modifier but the keypad's) and the table holds something to play with.
  bool KeyPress(const QKeyEvent& event);
  // Any mouse press on the table: the frame goes and a held card goes back.
  void MousePressed();
  // A command is about to run: a held card goes back first, as a mouse drag ends without a drop.
  void PutBack();
  // The view has brought itself up to date with the table: the focus keeps to a place and the frame to it.
  void Synced();
  // The table took the keyboard focus: a reader is told which place has it.
  void FocusIn();
  // Draws the frame (in the table's pixels, whatever the screen's scale) when it is shown.
  void Paint(QPainter& painter) const;

  const KeyboardPlay& play() const { return play_; }

 private:
  // What the frame looks like now: where it lies and how it is drawn; an empty rect when not shown.
  struct Look {
    QRect focus;
    bool refused = false;
    QRect held;
    bool operator==(const Look&) const = default;
  };
  Look CurrentLook() const;
  QRect GroupRect(int slot) const;
  void FollowFocus(const QRect& group) const;

  QWidget& view_;
  const Table& table_;
  const Layout& layout_;
  KeyboardPlay play_;
  Runner run_;
  Look drawn_;
  int reported_focus_ = -1;  // the focus as the screen and accessibility last heard of it
};

}  // namespace vantrel
