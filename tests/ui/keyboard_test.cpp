// Keyboard play: the focus steps over the table in its order, Space and Enter pick up and drop exactly as the
// mouse does (a keyboard drop and a mouse drop leave the same table), a refused drop and Esc change nothing,
// and the frame shows only from the first key until the next mouse press.
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "interaction/table_places.h"
#include "table/controls.h"
#include "ui_support.h"
#include "view/table_view.h"

namespace vantrel::uitest {
namespace {

const KeyboardPlay& Play(Window& w) { return Find<TableView>(*w, "table")->keys().play(); }
void Press(Window& w, Qt::Key key) { QTest::keyClick(Find<TableView>(*w, "table"), key); }

// A slot that refuses the moved card: a face-up uppermost card of another column that does not take it.
int RefusingTarget(const Table& table, int moved) {
  for (int i = 40; i < 48; ++i) {
    if (table.card(i).col != table.card(moved).col && !table.IsValidMove({.moved = moved, .target = i}))
      return i;
  }
  return -1;
}

// Everything a drop changes in the model: the layout, the stacking order, the counts, Undo and the results.
auto Model(const Table& t) {
  return std::make_tuple(SlotsAsShown(t), t.StackingOrder(), t.count.num_moves, t.count.raw_moves,
                         t.course.undo_enabled, t.course.game_state, t.course.results.wins,
                         t.course.results.losses, ControlsOf(t).num_moves_caption);
}

TEST(Keyboard, TheFocusStepsAlongColumnsAcrossThemAndToTheReserveRowAndBack) {
  Window w;
  w.Deal();
  ASSERT_TRUE(Find<TableView>(*w, "table")->hasFocus())
      << "the table takes the keyboard when the window opens";
  // The first key only shows the focus, on the uppermost card of column 1.
  Press(w, Qt::Key_Down);
  ASSERT_TRUE(Play(w).shown());
  EXPECT_EQ(Play(w).focus(), 40);
  const std::pair<Qt::Key, int> walk[] = {
      {Qt::Key_Up, 32},    {Qt::Key_Up, 24},    {Qt::Key_Up, 16},    {Qt::Key_Up, 8},     {Qt::Key_Up, 0},
      {Qt::Key_Up, 0},     {Qt::Key_Left, 0},   {Qt::Key_Right, 1},  {Qt::Key_Down, 9},   {Qt::Key_Right, 10},
      {Qt::Key_Down, 18},  {Qt::Key_Down, 26},  {Qt::Key_Down, 34},  {Qt::Key_Down, 42},  // column 3's last
      {Qt::Key_Down, 48},  // the reserve card under column 3
      {Qt::Key_Down, 48},  {Qt::Key_Right, 49}, {Qt::Key_Right, 50}, {Qt::Key_Right, 51}, {Qt::Key_Right, 51},
      {Qt::Key_Up, 45},  // column 6, above the fourth reserve card
      {Qt::Key_Right, 46}, {Qt::Key_Right, 47}, {Qt::Key_Right, 47}, {Qt::Key_Down, 51},  {Qt::Key_Left, 50},
  };
  for (const auto& [key, slot] : walk) {
    Press(w, key);
    EXPECT_EQ(Play(w).focus(), slot) << "after key " << key;
  }

  // Columns of different lengths: across them the row stays as near as the shorter one allows. The 3 of
  // hearts (column 4, row 6) onto the 4 of hearts (column 3): column 3 holds 7 cards, column 4 five.
  Table& t = w.table();
  w->interaction().DragAndDrop({.moved = 43, .target = 42});
  Find<TableView>(*w, "table")->Sync();
  FocusOn(w, 43);
  EXPECT_EQ(TablePlaces(t).Find(43).row, 6);
  Press(w, Qt::Key_Right);
  EXPECT_EQ(Play(w).focus(), 35) << "column 4's last card, row 5";
  Press(w, Qt::Key_Left);
  EXPECT_EQ(Play(w).focus(), 34) << "back in column 3 at row 5";

  // The names a reader gets: never a face-down card's identity.
  const TablePlaces places(t);
  EXPECT_EQ(places.Name(0), "face-down card");
  EXPECT_EQ(places.Description(0), "column 1, row 1");
  EXPECT_EQ(places.Name(43), "Three of Hearts");
  EXPECT_EQ(places.Description(43), "column 3, row 7");
  EXPECT_EQ(places.Description(50), "reserve row, place 3");
}

TEST(Keyboard, AKeyboardDropAndAMouseDropOfTheSameCardLeaveTheSameTable) {
  decltype(Model(std::declval<const Table&>())) by_keys;
  Drop move = kNoDrop;
  {
    Window w;
    w.Deal();
    Table& t = w.table();
    move = FindValidMove(t);
    ASSERT_GE(move.moved, 0);
    FocusOn(w, move.moved);
    Press(w, Qt::Key_Space);
    ASSERT_EQ(Play(w).held(), move.moved);
    EXPECT_TRUE(t.ui.dragging) << "a pick-up is the start of a drag";
    FocusOn(w, move.target);
    EXPECT_TRUE(Play(w).FocusTakesDrop());
    Press(w, Qt::Key_Return);
    EXPECT_EQ(Play(w).held(), -1);
    EXPECT_EQ(Play(w).focus(), move.moved) << "the focus goes with the card";
    EXPECT_FALSE(t.ui.dragging);
    EXPECT_EQ(t.card(move.moved).col, t.card(move.target).col);
    by_keys = Model(t);
  }
  Window w;
  w.Deal();
  TableView* view = Find<TableView>(*w, "table");
  QTest::mousePress(view, Qt::LeftButton, {}, GrabPoint(w.table(), move.moved));
  QTest::mouseMove(view, GrabPoint(w.table(), move.target));
  QTest::mouseRelease(view, Qt::LeftButton, {}, GrabPoint(w.table(), move.target));
  EXPECT_EQ(Model(w.table()), by_keys);
}

TEST(Keyboard, ARefusedDropAndEscChangeNothingAndShowValidMovesDecidesWhatTheFrameShows) {
  Window w;
  w.Deal();
  Table& t = w.table();
  const Drop move = FindValidMove(t);
  const int refusing = RefusingTarget(t, move.moved);
  ASSERT_GE(refusing, 0);
  const auto before = Model(t);

  // Space over a card that refuses: the hold ends, nothing moves, the focus stays.
  FocusOn(w, move.moved);
  Press(w, Qt::Key_Space);
  FocusOn(w, refusing);
  EXPECT_FALSE(Play(w).FocusTakesDrop());
  Press(w, Qt::Key_Space);
  EXPECT_EQ(Play(w).held(), -1);
  EXPECT_EQ(Play(w).focus(), refusing);
  EXPECT_EQ(Model(t), before);
  EXPECT_FALSE(t.ui.dragging);

  // Esc over a card that would take it: put back, the focus returns to the card.
  FocusOn(w, move.moved);
  Press(w, Qt::Key_Enter);
  FocusOn(w, move.target);
  Press(w, Qt::Key_Escape);
  EXPECT_EQ(Play(w).held(), -1);
  EXPECT_EQ(Play(w).focus(), move.moved);
  EXPECT_EQ(Model(t), before);
  EXPECT_FALSE(t.ui.dragging);

  // With Show Valid Moves off the frame takes every drop, as the cursor does, and the rule still refuses.
  QTest::keyClick(w.window.get(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_FALSE(t.options.show_valid);
  Press(w, Qt::Key_Space);
  FocusOn(w, refusing);
  EXPECT_TRUE(Play(w).FocusTakesDrop());
  Press(w, Qt::Key_Space);
  EXPECT_EQ(Play(w).held(), -1);
  EXPECT_EQ(Model(t), before);

  // A command ends a hold as it ends a drag.
  Press(w, Qt::Key_Space);
  ASSERT_GE(Play(w).held(), 0);
  Find(*w, "giveHint")->trigger();
  EXPECT_EQ(Play(w).held(), -1);
  EXPECT_FALSE(t.ui.dragging);
}

TEST(Keyboard, TheFrameShowsOnlyFromTheFirstKeyToTheNextMousePressAndTheScrollAreaFollowsIt) {
  Window w;
  w.Deal();
  TableView& view = *Find<TableView>(*w, "table");
  const QImage untouched = view.grab().toImage();
  Press(w, Qt::Key_Left);
  const QImage framed = view.grab().toImage();
  // The frame lies around the focused card (the uppermost of column 1) and nowhere else.
  const SlotPlace card = view.layout().PlaceOf(w.table(), 40);
  const Image& image = w.table().images[40];
  const QRect around = QRect(card.left, card.top, image.width, image.height).adjusted(-6, -6, 6, 6);
  int inside = 0;
  for (int y = 0; y < framed.height(); ++y) {
    for (int x = 0; x < framed.width(); ++x) {
      if (framed.pixel(x, y) == untouched.pixel(x, y)) continue;
      ASSERT_TRUE(around.contains(x, y)) << "changed at " << x << ", " << y;
      ++inside;
    }
  }
  EXPECT_GT(inside, 2 * (image.width + image.height)) << "a frame all round the card";
  // A mouse press anywhere on the table takes it away.
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(620, 200));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(620, 200));
  EXPECT_FALSE(Play(w).shown());
  EXPECT_EQ(view.grab().toImage(), untouched);

  // In a window too low for the table the scroll area brings the focused card into sight.
  w->SetOuterSize({635, 250});
  QCoreApplication::processEvents();
  QScrollArea& area = *Find<QScrollArea>(*w, "tableArea");
  ASSERT_GT(view.height(), area.viewport()->height());
  auto in_sight = [&area, &view](int slot, const Table& t) {
    const SlotPlace c = view.layout().PlaceOf(t, slot);
    const Image& i = t.images[slot];
    const QRect shown(QPoint(0, area.verticalScrollBar()->value()), area.viewport()->size());
    return shown.contains(QRect(c.left, c.top, i.width, TablePlaces(t).Find(slot).row == 5 ? i.height : 15));
  };
  FocusOn(w, 40);
  EXPECT_GT(area.verticalScrollBar()->value(), 0);
  EXPECT_TRUE(in_sight(40, w.table()));
  FocusOn(w, 0);
  EXPECT_TRUE(in_sight(0, w.table())) << "the first card of a column";
  FocusOn(w, 51);
  EXPECT_TRUE(in_sight(51, w.table())) << "a reserve card";
}

}  // namespace
}  // namespace vantrel::uitest
