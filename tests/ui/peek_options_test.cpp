// The right-button peek with its status-bar text, and the three view options as the player sees them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include "ui_support.h"
#include "view/card_pictures.h"

namespace vantrel::uitest {
namespace {

std::string PeekText(const Table& t, int slot) {
  const Card c = t.card(slot);
  auto b = [](bool v) { return std::string(v ? "true" : "false"); };
  return "ontop = " + b(c.ontop) + ", back_up = " + b(c.back_up) + ", col = " + std::to_string(c.col) +
         ", card_num = " + std::to_string(slot) + ", number = " + std::to_string(c.number) +
         ", suit = " + std::to_string(c.suit);
}

TEST(Peek, RightButtonShowsTheDetailsRaisesACoveredFaceUpCardAndTheReleaseRestores) {
  Window w;
  w.Deal();
  Table& t = w.table();
  TableView* view = Find<TableView>(*w, "table");
  // Slot 27 (column 4, row 3) is dealt face up with two cards on it.
  const int slot = 27;
  ASSERT_FALSE(t.card(slot).back_up);
  QTest::mousePress(view, Qt::RightButton, {}, GrabPoint(t, slot));
  EXPECT_EQ(w->statusBar()->currentMessage().toStdString(), PeekText(t, slot));
  EXPECT_TRUE((t.ui.raised >> slot) & 1);
  EXPECT_EQ(view->layout().SlotAt(t, GrabPoint(t, 43).x(), GrabPoint(t, 43).y()),
            slot);  // drawn whole over its riders
  // The release over the bare table ends the peek as well.
  QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(620, 200));
  EXPECT_TRUE(w->statusBar()->currentMessage().isEmpty());
  EXPECT_FALSE((t.ui.raised >> slot) & 1);
  EXPECT_EQ(view->layout().SlotAt(t, GrabPoint(t, 43).x(), GrabPoint(t, 43).y()), 43);

  // A face-down card tells its identity but stays where it is.
  QTest::mousePress(view, Qt::RightButton, {}, GrabPoint(t, 0));
  EXPECT_EQ(w->statusBar()->currentMessage().toStdString(), PeekText(t, 0));
  EXPECT_NE(w->statusBar()->currentMessage().indexOf(QStringLiteral("back_up = true")), -1);
  EXPECT_FALSE(t.ui.raised & 1);
  QTest::mouseRelease(view, Qt::RightButton, {}, GrabPoint(t, 0));
  EXPECT_TRUE(w->statusBar()->currentMessage().isEmpty());

  // A reserve card: column 9 to 12.
  QTest::mousePress(view, Qt::RightButton, {}, GrabPoint(t, 50));
  EXPECT_NE(w->statusBar()->currentMessage().indexOf(QStringLiteral("col = 11")), -1);
  // A release over another control runs nothing: the text stays.
  const QPoint label =
      view->mapFrom(w.window.get(), Find<QLabel>(*w, "moveCount")->mapTo(w.window.get(), QPoint(3, 3)));
  QTest::mouseRelease(view, Qt::RightButton, {}, label);
  const QString peek = w->statusBar()->currentMessage();
  EXPECT_FALSE(peek.isEmpty());
  // Opening a menu and moving over its items sends status tips; the peek text stays all the same.
  w->menuBar()->setActiveAction(Find<QMenu>(*w, "optionsMenu")->menuAction());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Find<QMenu>(*w, "optionsMenu")));
  for (QAction* item : {Find(*w, "undo"), Find(*w, "showValidMoves"), Find(*w, "giveHint")}) {
    QTest::mouseMove(Find<QMenu>(*w, "optionsMenu"),
                     Find<QMenu>(*w, "optionsMenu")->actionGeometry(item).center());
    Find<QMenu>(*w, "optionsMenu")->setActiveAction(item);
  }
  Find<QMenu>(*w, "optionsMenu")->close();
  EXPECT_EQ(w->statusBar()->currentMessage(), peek);
}

TEST(Peek, BlankSpotsAnswerNeitherPressNorRelease) {
  Window w;
  w.Deal();
  Table& t = w.table();
  TableView* view = Find<TableView>(*w, "table");
  // Below column 1's cards lies its blank spot.
  const QPoint blank(view->layout().PlaceOf(t, 52).left + 30, 300);
  ASSERT_EQ(view->layout().SlotAt(t, blank.x(), blank.y()), 52);
  QTest::mousePress(view, Qt::RightButton, {}, blank);
  EXPECT_TRUE(w->statusBar()->currentMessage().isEmpty());
  QTest::mousePress(view, Qt::RightButton, {}, GrabPoint(t, 40));
  QTest::mouseRelease(view, Qt::RightButton, {}, blank);
  EXPECT_FALSE(w->statusBar()->currentMessage().isEmpty());
}

TEST(Options, ShowNumberHidesTheLabelWhichKeepsCounting) {
  Window w;
  w.Deal();
  Find(*w, "showNumberOfMoves")->trigger();
  EXPECT_FALSE(Find<QLabel>(*w, "moveCount")->isVisible());
  EXPECT_FALSE(Find(*w, "showNumberOfMoves")->isChecked());
  const Drop move = FindValidMove(w.table());
  w->interaction().DragAndDrop(move);
  w->Handle([] {});
  Find(*w, "showNumberOfMoves")->trigger();
  EXPECT_TRUE(Find<QLabel>(*w, "moveCount")->isVisible());
  EXPECT_EQ(Find<QLabel>(*w, "moveCount")->text().toStdString(),
            "Number of Moves: " + std::to_string(w.table().count.num_moves));
}

TEST(Options, TransparencyOffDrawsTheWholePicture) {
  Window w;
  w.Deal();
  const SlotPlace corner_card = Find<TableView>(*w, "table")
                                    ->layout()
                                    .PlaceOf(w.table(), 40);  // uppermost in column 1: its corners show
  const QPoint corner(corner_card.left, corner_card.top + kCardHeight - 1);
  auto colour = [&] {
    QCoreApplication::processEvents();
    return Find<TableView>(*w, "table")->grab().toImage().pixelColor(corner);
  };
  EXPECT_EQ(colour(), QColor(0, 128, 0));
  Find(*w, "useTransparency")->trigger();
  EXPECT_FALSE(Find(*w, "useTransparency")->isChecked());
  EXPECT_EQ(colour(), QColor::fromRgb(kTransparentColour));
  Find(*w, "useTransparency")->trigger();
  EXPECT_EQ(colour(), QColor(0, 128, 0));
}

TEST(Options, ShowValidSetsTheDragCursorOfEveryCard) {
  Window w;
  Find(*w, "showValidMoves")->trigger();
  EXPECT_FALSE(Find(*w, "showValidMoves")->isChecked());
  for (int i = 0; i < kCardSlots; ++i) EXPECT_EQ(w.table().images[i].drag_cursor, kCursorHandPointer);
  Find(*w, "showValidMoves")->trigger();
  EXPECT_TRUE(Find(*w, "showValidMoves")->isChecked());
  for (int i = 0; i < kCardSlots; ++i) EXPECT_EQ(w.table().images[i].drag_cursor, kCursorHandPoint);
}

TEST(Options, HelpShowsTheQuickHelpInEveryState) {
  Window w;
  Find(*w, "help")->trigger();
  w.Deal();
  Find(*w, "help")->trigger();
  ASSERT_EQ(w.host.messages.size(), 2u);
  EXPECT_EQ(w.host.messages[0], w.host.messages[1]);
  EXPECT_EQ(
      w.host.messages[0],
      "Quick Help:\n\nStack the cards in descending, same suit order. You have\nto move the whole column "
      "(ie; "
      "all cards under the card\nyou're moving too). Only Kings can be played on blank spots.\nClick \"Give "
      "Hint\" in the Options menu to get an idea. The\ngame is won when there are four piles, all King down "
      "to "
      "Ace.");
}

TEST(Hint, TheBlinkedCardDisappearsUntilTheTimerFires) {
  Window w;
  w.Deal();
  Find(*w, "giveHint")->trigger();
  const int hinted = w.table().course.hint_card;
  EXPECT_FALSE(w.table().images[hinted].visible);
  EXPECT_TRUE(w.host.timer_running);
  w.table().EndHintBlink();
  EXPECT_TRUE(w.table().images[hinted].visible);
}

}  // namespace
}  // namespace vantrel::uitest
