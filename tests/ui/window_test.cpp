// The window: outer size and limits, the resize that moves the reserve row, centring, the maximised
// placement, the controls' places, the font and the colours, and failures raised by handlers.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include "app/window_font.h"
#include "app/window_geometry.h"
#include "platform/error.h"
#include "platform_qt/screen_metrics.h"
#include "ui_support.h"

namespace vantrel::uitest {
namespace {

TEST(WindowArithmetic, CentringTruncatesTowardZero) {
  EXPECT_EQ(app::CentredOffset(768, 460), 154);
  EXPECT_EQ(app::CentredOffset(1024, 635), 194);  // 389 / 2
  EXPECT_EQ(app::CentredOffset(768, 801), -16);   // -33 / 2, not -17
  EXPECT_EQ(app::MulDiv(313, {627, 627}), 313);
  EXPECT_EQ(app::MulDiv(313, {300, 627}), 150);  // 149.76 rounds up
  EXPECT_EQ(app::MulDiv(313, {92, 627}), 46);    // 45.93
  EXPECT_EQ(app::MulDiv(-5, {1, 2}), -3);        // half away from zero
}

TEST(WindowArithmetic, LabelAndButtonFollowTheirAnchors) {
  // At the design size the label lies where it was designed: 265, 376, 96 x 13.
  const app::LabelPlace label = app::NumMovesLabelPlace({627, 414}, {96, 13});
  EXPECT_EQ(label.left, 265);
  EXPECT_EQ(label.top, 376);
  const app::LabelPlace wider = app::NumMovesLabelPlace({300, 600}, {96, 13});
  EXPECT_EQ(wider.left, 150 - 48);
  EXPECT_EQ(wider.top, 600 - 25 - 13);
  const app::LabelPlace button = app::ShowMovesButtonPlace({627, 414});
  EXPECT_EQ(button.left, 528);
  EXPECT_EQ(button.top, 368);
}

TEST(Window, OuterSizeIsTheClientAreaPlusTheFrameAllowance) {
  Window w;
  EXPECT_EQ(w->OuterSize(), QSize(635, 460));
  EXPECT_EQ(w->centralWidget()->width() + 8, 635);
  EXPECT_EQ(w->centralWidget()->height() + w->statusBar()->height() + 46, 460);
  EXPECT_EQ(Find<TableView>(*w, "table")->layout().window_height(), 460);
  EXPECT_EQ(w.table().images[kBlankFirst].height, 364);
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Vantrel"));
  // The limits: 100 to 635 wide, at least 100 high.
  EXPECT_EQ(w->maximumWidth() + 8, 635);
  EXPECT_EQ(w->minimumWidth() + 8, 100);
  EXPECT_EQ(w->minimumHeight() - w->menuBar()->height() + 46, 100);
}

TEST(Window, ResizeMovesTheReserveRowStillInItsPlaces) {
  Window w;
  w.Deal();
  const auto top = [&w](int slot) {
    return Find<TableView>(*w, "table")->layout().PlaceOf(w.table(), slot).top;
  };
  for (int slot = 48; slot < 52; ++slot) EXPECT_EQ(top(slot), 280);
  w->SetOuterSize({635, 600});
  QCoreApplication::processEvents();
  EXPECT_EQ(w->OuterSize(), QSize(635, 600));
  for (int slot = 48; slot < 52; ++slot) EXPECT_EQ(top(slot), 420);
  // The label and the button follow the bottom edge: 25 and 21 pixels above it.
  const int client_bottom = 600 - 46;
  EXPECT_EQ(Find<QLabel>(*w, "moveCount")->geometry().bottom() + 1, client_bottom - 25);
  EXPECT_EQ(Find<QPushButton>(*w, "showAllMoves")->geometry().bottom() + 1, client_bottom - 21);
  EXPECT_EQ(Find<QPushButton>(*w, "showAllMoves")->geometry().right() + 1, 627 - 8);

  // A reserve card moved into a column keeps its place; the others follow. (The two of diamonds of the
  // reserve row goes onto the three of diamonds uppermost in column 2.)
  ASSERT_TRUE(w.table().PlayDrop({.moved = 49, .target = 41}));
  w->SetOuterSize({635, 500});
  QCoreApplication::processEvents();
  EXPECT_EQ(top(48), 320);
  EXPECT_EQ(top(49), 105);
  EXPECT_EQ(top(50), 320);
  EXPECT_EQ(top(51), 320);
}

TEST(Window, TheButtonKeepsItsDistanceToTheScrollBarOfATallTable) {
  Window w;
  w.Deal();
  // Too low for the columns: the vertical scroll bar shows, and the button stays 8 pixels left of it.
  w->SetOuterSize({635, 170});
  QCoreApplication::processEvents();
  const QScrollBar* bar = Find<QScrollArea>(*w, "tableArea")->verticalScrollBar();
  ASSERT_TRUE(bar->isVisible());
  const QRect bar_place(bar->mapTo(w->centralWidget(), QPoint()), bar->size());
  EXPECT_EQ(Find<QPushButton>(*w, "showAllMoves")->geometry().right() + 1, bar_place.left() - 8);
  // High enough again: no bar, 8 pixels from the edge.
  w->SetOuterSize({635, 460});
  QCoreApplication::processEvents();
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(Find<QPushButton>(*w, "showAllMoves")->geometry().right() + 1, 627 - 8);
}

TEST(Window, CentringUsesTheWholePrimaryScreen) {
  Window w;
  platform::SetPrimaryScreenSizeForTesting(QSize(1024, 768));
  w->CenterOnScreen();
  EXPECT_EQ(w->pos(), QPoint(194, 154));
  // Taller than the screen: the top goes above it, rounded toward zero.
  w->SetOuterSize({635, 801});
  QCoreApplication::processEvents();
  ASSERT_EQ(w->OuterSize().height(), 801);
  w->CenterOnScreen();
  EXPECT_EQ(w->pos(), QPoint(194, -16));
}

TEST(Window, MaximisedWindowLeftEdgeIsCentredForItsFormerWidth) {
  Window w;
  platform::SetPrimaryScreenSizeForTesting(QSize(1024, 768));
  w->move(0, 40);
  w->PlaceMaximised(635);
  EXPECT_EQ(w->pos(), QPoint(194, 40));
  w->PlaceMaximised(300);
  EXPECT_EQ(w->pos().x(), 362);
}

TEST(Window, ControlsHaveTheirDesignLook) {
  Window w;
  EXPECT_EQ(Find<QLabel>(*w, "moveCount")->text(), QStringLiteral("Number of Moves: 0"));
  EXPECT_EQ(Find<QLabel>(*w, "moveCount")->palette().color(QPalette::WindowText), QColor(Qt::white));
  EXPECT_EQ(Find<QLabel>(*w, "moveCount")->font().pointSize(), 8);
  EXPECT_EQ(w->statusBar()->font().pointSize(), 8);
  EXPECT_EQ(Find<QPushButton>(*w, "showAllMoves")->font().pointSize(), 8);
  EXPECT_EQ(app::WindowFont().pointSize(), 8);
  EXPECT_EQ(Find<QPushButton>(*w, "showAllMoves")->text(), QStringLiteral("Show All Moves"));
  EXPECT_EQ(Find<QPushButton>(*w, "showAllMoves")->size(), QSize(91, 25));
  EXPECT_FALSE(Find<QPushButton>(*w, "showAllMoves")->isEnabled());
  EXPECT_EQ(w->statusBar()->height(), 19);
  EXPECT_TRUE(w->statusBar()->currentMessage().isEmpty());
  // A scripted host stands in for the desktop: it has no timer.
  EXPECT_EQ(w->findChild<QTimer*>(QStringLiteral("hintTimer")), nullptr);
  // The table is green where no card lies.
  const QImage table = Find<TableView>(*w, "table")->grab().toImage();
  EXPECT_EQ(table.pixelColor(5, 5), QColor(0, 128, 0));
}

TEST(Window, AFailureInAHandlerIsShownAndTheProgramGoesOn) {
  Window w;
  QString shown_text;
  QString shown_title;
  AnswerNextDialog(
      [&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        shown_text = box->text();
        shown_title = box->windowTitle();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
      },
      QMessageBox::Ok);
  bool after = false;
  w->Handle([&] {
    w.table().ui.status_text = "changed before the failure";
    throw Error("the statistics could not be written");
  });
  after = true;
  EXPECT_TRUE(after);
  EXPECT_EQ(shown_text, QStringLiteral("the statistics could not be written"));
  EXPECT_EQ(shown_title, QStringLiteral("Vantrel"));
  // What the handler changed before failing stays changed and is shown.
  EXPECT_EQ(w->statusBar()->currentMessage(), QStringLiteral("changed before the failure"));
  Find(*w, "newGame")->trigger();
  EXPECT_EQ(w.table().course.game_state, GameState::kInProgress);
}

}  // namespace
}  // namespace vantrel::uitest
