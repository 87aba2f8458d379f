// Dragging with the mouse: the cursor shows whether a drop would be taken, a release drops on the image under
// the pointer, the scroll bars are off meanwhile, and only the changed images are repainted; what ends a drag
// (its release, Esc) and what does not (the end of a hint's blink).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "platform_qt/qt_host.h"
#include "ui_support.h"
#include "view/table_view.h"

namespace vantrel::uitest {
namespace {

Qt::CursorShape OverrideShape() {
  const QCursor* cursor = QGuiApplication::overrideCursor();
  return cursor ? cursor->shape() : Qt::ArrowCursor;
}

// A slot that refuses the dragged card: a face-up uppermost card of another suit.
int RefusingTarget(const Table& table, int moved) {
  for (int i = 40; i < 48; ++i) {
    if (i != moved && !table.IsValidMove({.moved = moved, .target = i}) &&
        table.card(i).col != table.card(moved).col)
      return i;
  }
  return -1;
}

struct DragFixture : ::testing::Test {
  void SetUp() override {
    w.Deal();
    move = FindValidMove(w.table());
    ASSERT_GE(move.moved, 0);
    view = Find<TableView>(*w, "table");
  }
  QPoint At(int slot) { return GrabPoint(w.table(), slot); }

  Window w;
  Drop move = kNoDrop;
  TableView* view = nullptr;
};

TEST_F(DragFixture, CursorTellsValidTargetsAndTheReleaseMovesTheCardWithItsRiders) {
  Table& t = w.table();
  const ColumnList riders = t.CardsAbove(move.moved);
  QTest::mousePress(view, Qt::LeftButton, {}, At(move.moved));
  ASSERT_TRUE(view->dragging());
  EXPECT_TRUE(t.ui.dragging);
  EXPECT_EQ(Find<QScrollArea>(*w, "tableArea")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  // Over the dragged card itself: refused.
  EXPECT_EQ(OverrideShape(), Qt::ForbiddenCursor);
  QTest::mouseMove(view, At(move.target));
  EXPECT_EQ(OverrideShape(), Qt::PointingHandCursor);
  const int refusing = RefusingTarget(t, move.moved);
  ASSERT_GE(refusing, 0);
  QTest::mouseMove(view, At(refusing));
  EXPECT_EQ(OverrideShape(), Qt::ForbiddenCursor);
  QTest::mouseMove(view, QPoint(620, 200));  // the bare table to the right of column 8
  EXPECT_EQ(OverrideShape(), Qt::ForbiddenCursor);
  QTest::mouseMove(view, At(move.target));
  QTest::mouseRelease(view, Qt::LeftButton, {}, At(move.target));

  EXPECT_FALSE(view->dragging());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(t.ui.dragging);
  EXPECT_EQ(Find<QScrollArea>(*w, "tableArea")->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  const Layout& layout = view->layout();
  const SlotPlace target = layout.PlaceOf(t, move.target);
  EXPECT_EQ(layout.PlaceOf(t, move.moved), (SlotPlace{target.left, target.top + 15}));
  int top = target.top + 15;
  for (int rider : riders) {
    top += 15;
    EXPECT_EQ(layout.PlaceOf(t, rider), (SlotPlace{target.left, top}));
  }
}

TEST_F(DragFixture, ReleaseOverARefusingCardTheBareTableOrAnotherControlChangesNothing) {
  Table& t = w.table();
  const auto before = SlotsAsShown(t);
  const int refusing = RefusingTarget(t, move.moved);
  ASSERT_GE(refusing, 0);
  QTest::mousePress(view, Qt::LeftButton, {}, At(move.moved));
  QTest::mouseRelease(view, Qt::LeftButton, {}, At(refusing));
  EXPECT_EQ(SlotsAsShown(t), before);
  QTest::mousePress(view, Qt::LeftButton, {}, At(move.moved));
  QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(620, 200));
  EXPECT_EQ(SlotsAsShown(t), before);
  // Over the move label (it lies over the table): refused even though a valid card might lie beneath.
  const QPoint label =
      view->mapFrom(w.window.get(), Find<QLabel>(*w, "moveCount")->mapTo(w.window.get(), QPoint(5, 5)));
  QTest::mousePress(view, Qt::LeftButton, {}, At(move.moved));
  QTest::mouseMove(view, label);
  EXPECT_EQ(view->TargetAt(view->mapToGlobal(label)), TableView::kElsewhere);
  EXPECT_EQ(OverrideShape(), Qt::ForbiddenCursor);
  QTest::mouseRelease(view, Qt::LeftButton, {}, label);
  EXPECT_EQ(SlotsAsShown(t), before);
  EXPECT_TRUE(t.ui.status_text.empty());  // left presses never touch the status bar
}

TEST_F(DragFixture, WithShowValidOffEveryTargetShowsTheHandButAnInvalidDropStillDoesNothing) {
  Table& t = w.table();
  QTest::keyClick(w.window.get(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_FALSE(t.options.show_valid);
  const auto before = SlotsAsShown(t);
  const int refusing = RefusingTarget(t, move.moved);
  QTest::mousePress(view, Qt::LeftButton, {}, At(move.moved));
  QTest::mouseMove(view, At(refusing));
  EXPECT_EQ(OverrideShape(), Qt::BitmapCursor);  // the program's own pointing hand
  QTest::mouseMove(view, QPoint(620, 200));
  EXPECT_EQ(OverrideShape(), Qt::BitmapCursor);
  QTest::mouseRelease(view, Qt::LeftButton, {}, At(refusing));
  EXPECT_EQ(SlotsAsShown(t), before);
  // Checked again: the stock hand over valid targets, no-drop elsewhere.
  QTest::keyClick(w.window.get(), Qt::Key_V, Qt::ControlModifier);
  QTest::mousePress(view, Qt::LeftButton, {}, At(move.moved));
  QTest::mouseMove(view, At(move.target));
  EXPECT_EQ(OverrideShape(), Qt::PointingHandCursor);
  QTest::mouseMove(view, At(refusing));
  EXPECT_EQ(OverrideShape(), Qt::ForbiddenCursor);
  QTest::mouseRelease(view, Qt::LeftButton, {}, At(refusing));
}

TEST_F(DragFixture, ADragWhoseReleaseNeverArrivesEndsWithoutADrop) {
  Table& t = w.table();
  const auto before = SlotsAsShown(t);
  QTest::mousePress(view, Qt::LeftButton, {}, At(move.moved));
  ASSERT_TRUE(view->dragging());
  // The pointer moves over the valid target with no button held: the release went elsewhere.
  const QPoint target = At(move.target);
  QMouseEvent moved(QEvent::MouseMove, QPointF(target), QPointF(view->mapToGlobal(target)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view, &moved);
  EXPECT_FALSE(view->dragging());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(t.ui.dragging);
  EXPECT_EQ(SlotsAsShown(t), before);
  QTest::mouseRelease(view, Qt::LeftButton, {}, target);  // the late release drops nothing
  EXPECT_EQ(SlotsAsShown(t), before);
}

TEST_F(DragFixture, CardsShowTheProgramsHandWhenThePointerRestsOnThem) {
  QTest::mouseMove(view, At(move.moved));
  EXPECT_EQ(view->cursor().shape(), Qt::BitmapCursor);
  const QPixmap hand = view->cursor().bitmap();
  EXPECT_EQ(hand.size(), QSize(32, 32));
  EXPECT_EQ(view->cursor().hotSpot(), QPoint(0, 0));
  QTest::mouseMove(view, QPoint(620, 200));
  EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(DragFixture, OnlyTheImagesThatChangedAreRepainted) {
  Table& t = w.table();
  const CardPictures pictures(GameDir());
  TableView standalone(t, w->interaction(), pictures);
  // The standalone view starts from the current table; a move then changes only the moved cards (and the
  // card it uncovers, if that one turns over).
  const ColumnList riders = t.CardsAbove(move.moved);
  QRegion expected;
  auto rect = [&](int slot) {
    const SlotPlace place = standalone.layout().PlaceOf(t, slot);
    return QRect(place.left, place.top, t.images[slot].width, t.images[slot].height);
  };
  expected += rect(move.moved);
  for (int r : riders) expected += rect(r);
  const auto pictures_before = [&] {
    std::vector<int> p;
    for (int i = 0; i < kSlotCount; ++i) p.push_back(t.card(i).picture);
    return p;
  }();
  w->interaction().DragAndDrop(move);
  expected += rect(move.moved);
  for (int r : riders) expected += rect(r);
  for (int i = 0; i < kCardSlots; ++i) {
    if (t.card(i).picture != pictures_before[i]) expected += rect(i);
  }
  EXPECT_EQ(standalone.Sync(), expected);
  EXPECT_TRUE(standalone.Sync().isEmpty());  // nothing changed since
}

// A part of the table is painted as the whole table paints it there, and nothing beside it: what a deal
// repaints (a region of many rectangles) and parts of cards.
TEST_F(DragFixture, APartOfTheTableIsPaintedAsTheWholeTablePaintsIt) {
  Table& t = w.table();
  auto rect = [&](int slot) {
    const SlotPlace place = view->layout().PlaceOf(t, slot);
    return QRect(place.left, place.top, t.images[slot].width, t.images[slot].height);
  };
  const CardPictures pictures(GameDir());
  TableView standalone(t, w->interaction(), pictures);
  w.Deal();
  const QRegion dealt = standalone.Sync();
  EXPECT_GT(dealt.rectCount(), 8);
  const QImage whole = view->grab().toImage();
  for (const auto& [name, part] : {std::pair{"what a deal repaints", dealt},
                                   std::pair{"parts of cards", QRegion(rect(0).adjusted(0, 0, 0, -50)) +
                                                                   rect(47).adjusted(30, 0, 0, 0)}}) {
    SCOPED_TRACE(name);
    QImage painted(whole.size(), whole.format());
    painted.fill(Qt::magenta);
    QImage expected = painted;
    view->render(&painted, part.boundingRect().topLeft(), part);  // the part in its place
    QPainter clipped(&expected);
    clipped.setClipRegion(part);
    clipped.drawImage(0, 0, whole);
    clipped.end();
    EXPECT_EQ(painted, expected);
  }
}

TEST(Drag, ACommandDuringADragEndsItWithoutADrop) {
  // The 3 of hearts (column 4) onto the 4 of hearts (column 3); then the 5 of diamonds is pressed, Undo comes
  // while it is dragged, and the release lands over column 7. The drag ended with the Undo: nothing drops.
  Window w;
  w.Deal();
  Table& t = w.table();
  TableView* view = Find<TableView>(*w, "table");
  ASSERT_EQ(t.card(43).suit * 100 + t.card(43).number, 403);
  ASSERT_EQ(t.card(34).suit * 100 + t.card(34).number, 305);
  QTest::mousePress(view, Qt::LeftButton, {}, GrabPoint(t, 43));
  QTest::mouseMove(view, GrabPoint(t, 42));
  QTest::mouseRelease(view, Qt::LeftButton, {}, GrabPoint(t, 42));
  ASSERT_TRUE(t.course.undo_enabled);
  const QPoint column7 = GrabPoint(t, 46);
  QTest::mousePress(view, Qt::LeftButton, {}, GrabPoint(t, 34));
  QTest::mouseMove(view, GrabPoint(t, 34) + QPoint(20, 20));
  ASSERT_TRUE(view->dragging());
  Find(*w, "undo")->trigger();
  EXPECT_FALSE(view->dragging());
  QTest::mouseMove(view, column7);
  QTest::mouseRelease(view, Qt::LeftButton, {}, column7);

  platform::ScriptedHost host(kNow);
  Table model(host);
  Interaction player(model);
  model.Deal(DealKind::kNew);
  player.DragAndDrop({.moved = 43, .target = 42});
  player.UndoLastDrop();
  EXPECT_EQ(SlotsAsShown(t), SlotsAsShown(model));
  EXPECT_EQ(t.count.num_moves, model.count.num_moves);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// How a drag ends, with the game's own host and its 700 ms hint timer: by its release, even when a hint's
// blink ends meanwhile; by Esc, after which the release drops nothing; a keyboard hold alike. Keys but the
// arrows show no frame, and no place has the accessible focus, until an arrow has shown it.
TEST(DragEndings, ADragEndsByItsReleaseOrEscOnlyAndOnlyAnArrowShowsTheFrame) {
  struct Case {
    const char* name;
    bool keyboard;
    bool hint;  // Give Hint just before, its blink ending while the drag is held
    bool esc;   // Esc before the release
  };
  const Case cases[] = {
      {"a mouse drag released after the blink", false, true, false},
      {"a mouse drag ended by Esc", false, false, true},
      {"a keyboard hold dropped after the blink", true, true, false},
      {"a keyboard hold put back by Esc", true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    qputenv(platform::kClockVariable, QByteArray::number(kNow));
    const auto window = std::make_unique<app::MainWindow>(nullptr, GameDir());
    qunsetenv(platform::kClockVariable);
    window->ShowCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    TableView& view = *Find<TableView>(*window, "table");
    Table& t = window->table();
    Find(*window, "newGame")->trigger();
    // Stray keys: nothing to put back or pick up while the frame is not shown, so nothing shows it.
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Space, Qt::Key_Return}) QTest::keyClick(&view, key);
    EXPECT_FALSE(view.keys().play().shown());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&view)->focusChild(), nullptr);
    if (c.hint) Find(*window, "giveHint")->trigger();
    // A move whose cards all show (none is the hinted one).
    Drop move = kNoDrop;
    for (const LegalDrop& drop : t.ListLegalDrops()) {
      bool shown = t.images[drop.moved].visible;
      for (const int rider : t.CardsAbove(drop.moved)) shown = shown && t.images[rider].visible;
      if (drop.counted && !IsBlankSpot(drop.target) && shown) move = drop;
    }
    ASSERT_GE(move.moved, 0);
    const auto before = SlotsAsShown(t);
    const QPoint target = GrabPoint(t, move.target);
    if (c.keyboard) {
      FocusOn(*window, move.moved);
      QTest::keyClick(&view, Qt::Key_Space);
      FocusOn(*window, move.target);
    } else {
      QTest::mousePress(&view, Qt::LeftButton, {}, GrabPoint(t, move.moved));
      QTest::mouseMove(&view, target);
    }
    if (c.hint) {
      ASSERT_TRUE(t.ui.hint_blinking);
      EXPECT_TRUE(QTest::qWaitFor([&] { return !t.ui.hint_blinking; }, 5000)) << "the blink did not end";
    }
    EXPECT_TRUE(t.ui.dragging) << "the drag ended before its release";
    if (c.esc) QTest::keyClick(&view, Qt::Key_Escape);
    EXPECT_EQ(t.ui.dragging, !c.esc);
    if (c.keyboard) {
      if (!c.esc) QTest::keyClick(&view, Qt::Key_Space);
    } else {
      QTest::mouseRelease(&view, Qt::LeftButton, {}, target);
    }
    EXPECT_FALSE(t.ui.dragging);
    EXPECT_EQ(SlotsAsShown(t) != before, !c.esc) << "the drop " << (c.esc ? "was made" : "was lost");
    EXPECT_EQ(t.card(move.moved).col == t.card(move.target).col, !c.esc);
  }
}

}  // namespace
}  // namespace vantrel::uitest
