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
  TableView* view = &w->view();
  // Slot 27 (column 4, row 3) is dealt face up with two cards on it.
  const int slot = 27;
  ASSERT_FALSE(t.card(slot).back_up);
  QTest::mousePress(view, Qt::RightButton, {}, GrabPoint(t, slot));
  EXPECT_EQ(w->SB()->currentMessage().toStdString(), PeekText(t, slot));
  EXPECT_TRUE((t.ui.raised >> slot) & 1);
  EXPECT_EQ(view->layout().SlotAt(t, GrabPoint(t, 43).x(), GrabPoint(t, 43).y()),
            slot);  // drawn whole over its riders
  // The release over the bare table ends the peek as well.
  QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(620, 200));
  EXPECT_TRUE(w->SB()->currentMessage().isEmpty());
  EXPECT_FALSE((t.ui.raised >> slot) & 1);
  EXPECT_EQ(view->layout().SlotAt(t, GrabPoint(t, 43).x(), GrabPoint(t, 43).y()), 43);

  // A face-down card tells its identity but stays where it is.
  QTest::mousePress(view, Qt::RightButton, {}, GrabPoint(t, 0));
  EXPECT_EQ(w->SB()->currentMessage().toStdString(), PeekText(t, 0));
  EXPECT_NE(w->SB()->currentMessage().indexOf(QStringLiteral("back_up = true")), -1);
  EXPECT_FALSE(t.ui.raised & 1);
  QTest::mouseRelease(view, Qt::RightButton, {}, GrabPoint(t, 0));
  EXPECT_TRUE(w->SB()->currentMessage().isEmpty());

  // A reserve card: column 9 to 12.
  QTest::mousePress(view, Qt::RightButton, {}, GrabPoint(t, 50));
  EXPECT_NE(w->SB()->currentMessage().indexOf(QStringLiteral("col = 11")), -1);
  // A release over another control runs nothing: the text stays.
  const QPoint label = view->mapFrom(w.window.get(), w->NumMoves_lbl()->mapTo(w.window.get(), QPoint(3, 3)));
  QTest::mouseRelease(view, Qt::RightButton, {}, label);
  const QString peek = w->SB()->currentMessage();
  EXPECT_FALSE(peek.isEmpty());
  // Opening a menu and moving over its items sends status tips; the peek text stays all the same.
  w->menuBar()->setActiveAction(w->Options()->menuAction());
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w->Options()));
  for (QAction* item : {w->Undo(), w->ShowValid(), w->GiveHint()}) {
    QTest::mouseMove(w->Options(), w->Options()->actionGeometry(item).center());
    w->Options()->setActiveAction(item);
  }
  w->Options()->close();
  EXPECT_EQ(w->SB()->currentMessage(), peek);
}

TEST(Peek, BlankSpotsAnswerNeitherPressNorRelease) {
  Window w;
  w.Deal();
  Table& t = w.table();
  TableView* view = &w->view();
  // Below column 1's cards lies its blank spot.
  const QPoint blank(view->layout().PlaceOf(t, 52).left + 30, 300);
  ASSERT_EQ(view->layout().SlotAt(t, blank.x(), blank.y()), 52);
  QTest::mousePress(view, Qt::RightButton, {}, blank);
  EXPECT_TRUE(w->SB()->currentMessage().isEmpty());
  QTest::mousePress(view, Qt::RightButton, {}, GrabPoint(t, 40));
  QTest::mouseRelease(view, Qt::RightButton, {}, blank);
  EXPECT_FALSE(w->SB()->currentMessage().isEmpty());
}

TEST(Options, ShowNumberHidesTheLabelWhichKeepsCounting) {
  Window w;
  w.Deal();
  w->ShowNumber()->trigger();
  EXPECT_FALSE(w->NumMoves_lbl()->isVisible());
  EXPECT_FALSE(w->ShowNumber()->isChecked());
  const Drop move = FindValidMove(w.table());
  w->interaction().DragAndDrop(move);
  w->Handle([] {});
  w->ShowNumber()->trigger();
  EXPECT_TRUE(w->NumMoves_lbl()->isVisible());
  EXPECT_EQ(w->NumMoves_lbl()->text().toStdString(),
            "Number of Moves: " + std::to_string(w.table().count.num_moves));
}

TEST(Options, TransparencyOffDrawsTheWholePicture) {
  Window w;
  w.Deal();
  const SlotPlace corner_card =
      w->view().layout().PlaceOf(w.table(), 40);  // uppermost in column 1: its corners show
  const QPoint corner(corner_card.left, corner_card.top + kCardHeight - 1);
  auto colour = [&] {
    QCoreApplication::processEvents();
    return w->view().grab().toImage().pixelColor(corner);
  };
  EXPECT_EQ(colour(), QColor(0, 128, 0));
  w->UseTransparency()->trigger();
  EXPECT_FALSE(w->UseTransparency()->isChecked());
  EXPECT_EQ(colour(), QColor::fromRgb(kTransparentColour));
  w->UseTransparency()->trigger();
  EXPECT_EQ(colour(), QColor(0, 128, 0));
}

TEST(Options, ShowValidSetsTheDragCursorOfEveryCard) {
  Window w;
  w->ShowValid()->trigger();
  EXPECT_FALSE(w->ShowValid()->isChecked());
  for (int i = 0; i < kCardSlots; ++i) EXPECT_EQ(w.table().images[i].drag_cursor, kCursorHandPointer);
  w->ShowValid()->trigger();
  EXPECT_TRUE(w->ShowValid()->isChecked());
  for (int i = 0; i < kCardSlots; ++i) EXPECT_EQ(w.table().images[i].drag_cursor, kCursorHandPoint);
}

TEST(Options, HelpShowsTheQuickHelpInEveryState) {
  Window w;
  w->Help()->trigger();
  w.Deal();
  w->Help()->trigger();
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
  w->GiveHint()->trigger();
  const int hinted = w.table().course.hint_card;
  EXPECT_FALSE(w.table().images[hinted].visible);
  EXPECT_TRUE(w.host.timer_running);
  w.table().EndHintBlink();
  EXPECT_TRUE(w.table().images[hinted].visible);
}

}  // namespace
}  // namespace vantrel::uitest
