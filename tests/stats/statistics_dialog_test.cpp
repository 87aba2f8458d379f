// The statistics dialog on the offscreen platform: its frame, every control at its place and in its font,
// the texts it is given, and the result of each way to close it.
#include "statistics_dialog/statistics_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

namespace vantrel::testing {
namespace {

QLabel* Label(const StatisticsDialog& dialog, const char* name) {
  auto* label = dialog.findChild<QLabel*>(name);
  if (!label) ADD_FAILURE() << "no label " << name;
  return label;
}

// Shows the dialog with `texts` and, once it is up, does `act` to it; returns how it was closed.
int ShowAndDo(StatisticsDialog& dialog, const StatsTexts& texts, const std::function<void()>& act) {
  QTimer::singleShot(0, &dialog, [&dialog, act] {
    if (!dialog.isVisible()) {
      ADD_FAILURE() << "the dialog is not shown";
      dialog.done(-1);
      return;
    }
    act();
  });
  return dialog.ShowModal(texts);
}

TEST(StatisticsDialog, FrameAndEveryControlAtItsPlace) {
  StatisticsDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "Game Statistics");
  EXPECT_EQ(dialog.size(), QSize(242, 262));
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "the dialog must not be resizable";
  const Qt::WindowFlags flags = dialog.windowFlags();
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                        Qt::WindowContextHelpButtonHint));
  EXPECT_TRUE(dialog.autoFillBackground());
  EXPECT_EQ(dialog.palette().color(QPalette::Window), dialog.palette().color(QPalette::Button));

  auto* bevel = dialog.findChild<QFrame*>("bevel");
  ASSERT_NE(bevel, nullptr);
  EXPECT_EQ(bevel->geometry(), QRect(5, 4, 230, 213));
  EXPECT_EQ(bevel->frameShape(), QFrame::Box);

  struct Row {
    const char* name;
    int left;  // design left edge
    int top;
    int width;  // design width in Arial
    const char* text;
    int pixels;
    bool bold;
    bool caption;  // ends at x = 79
  };
  const Row rows[] = {
      {"heading", 79, 16, 85, "Statistics", 19, true, false},
      {"winsCaption", 45, 48, 34, "Wins:", 13, false, true},
      {"wins", 93, 48, 7, "0", 13, false, false},
      {"lossesCaption", 33, 72, 46, "Losses:", 13, false, true},
      {"losses", 93, 72, 7, "0", 13, false, false},
      {"streaksHeading", 21, 96, 58, "Streaks", 16, true, true},
      {"winStreakCaption", 45, 120, 34, "Wins:", 13, false, true},
      {"winStreak", 93, 120, 7, "0", 13, false, false},
      {"loseStreakCaption", 33, 144, 46, "Losses:", 13, false, true},
      {"loseStreak", 93, 144, 7, "0", 13, false, false},
      {"currentStreakCaption", 32, 168, 47, "Current", 13, true, true},
      {"currentStreak", 40, 192, 48, "xx Wins", 13, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QLabel* label = Label(dialog, row.name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), row.text);
    EXPECT_EQ(label->font().pixelSize(), row.pixels);
    EXPECT_EQ(label->font().bold(), row.bold);
    EXPECT_TRUE(label->font().families().contains("Arial"));
    EXPECT_EQ(label->y(), row.top);
    // Sized to its text.
    const QFontMetrics metrics(label->font());
    EXPECT_EQ(label->width(), metrics.horizontalAdvance(row.text));
    EXPECT_EQ(label->height(), metrics.height());
    if (row.caption) {
      EXPECT_EQ(label->geometry().right() + 1, StatisticsDialog::kCaptionsRight);
    } else {
      EXPECT_EQ(label->x(), row.left);
    }
    // With Arial or a font of its metrics the texts take the widths the layout was drawn for, give or take
    // the rounding of each glyph's advance, which differs between font renderers.
    const QString family = QFontInfo(label->font()).family();
    if (family == "Arial" || family == "Liberation Sans") {
      EXPECT_NEAR(label->width(), row.width, 3);
      EXPECT_NEAR(label->x(), row.left, 3);
    } else {
      std::cout << "no Arial-metric font; labels drawn in " << family.toStdString() << "\n";
    }
  }

  auto* ok = dialog.findChild<QPushButton*>("okButton");
  auto* clear = dialog.findChild<QPushButton*>("clearButton");
  ASSERT_TRUE(ok && clear);
  EXPECT_EQ(ok->geometry(), QRect(44, 228, 74, 25));
  EXPECT_EQ(clear->geometry(), QRect(124, 228, 74, 25));
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_EQ(clear->text(), "Clear");
  EXPECT_TRUE(ok->isDefault());
  EXPECT_FALSE(clear->isDefault());
  EXPECT_EQ(ok->nextInFocusChain(), clear) << "OK comes first in the tab order, then Clear";
}

TEST(StatisticsDialog, ShowsTheTextsCentredAndSizesTheNumbers) {
  StatisticsDialog dialog;
  const StatsTexts texts{"12", "-2147483648", "3", "1000", "3 losses"};
  QPoint centre;
  const int result = ShowAndDo(dialog, texts, [&] {
    centre = dialog.geometry().center();
    dialog.done(kStatsOk);
  });
  EXPECT_EQ(result, kStatsOk);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_NEAR(centre.x(), screen.center().x(), 2);
  EXPECT_NEAR(centre.y(), screen.center().y(), 2);
  const std::pair<const char*, std::string> shown[] = {{"wins", texts.wins},
                                                       {"losses", texts.losses},
                                                       {"winStreak", texts.win_streak},
                                                       {"loseStreak", texts.lose_streak},
                                                       {"currentStreak", texts.current_streak}};
  for (const auto& [name, text] : shown) {
    SCOPED_TRACE(name);
    const QLabel* label = Label(dialog, name);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text().toStdString(), text);
    EXPECT_EQ(label->x(), std::string(name) == "currentStreak" ? 40 : StatisticsDialog::kNumbersLeft);
    EXPECT_EQ(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
  }
}

TEST(StatisticsDialog, OkAndEnterGiveOneClearEscAndTheCloseBoxGiveTwo) {
  StatisticsDialog dialog;
  const StatsTexts texts{"0", "0", "0", "0", "0 wins"};
  struct Way {
    const char* name;
    std::function<void()> act;
    int result;
  };
  const auto key = [&dialog](Qt::Key k) {
    return [&dialog, k] { QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, k); };
  };
  const Way ways[] = {
      {"OK", [&] { dialog.findChild<QPushButton*>("okButton")->click(); }, kStatsOk},
      {"Enter", key(Qt::Key_Return), kStatsOk},
      {"Enter on the keypad", key(Qt::Key_Enter), kStatsOk},
      {"Clear", [&] { dialog.findChild<QPushButton*>("clearButton")->click(); }, kStatsClear},
      {"Esc", key(Qt::Key_Escape), kStatsClear},
      {"the close box", [&] { dialog.close(); }, kStatsClear},
  };
  // Twice through, since the one dialog is shown again and again.
  for (int round = 0; round < 2; ++round) {
    for (const Way& way : ways) {
      SCOPED_TRACE(way.name);
      EXPECT_EQ(ShowAndDo(dialog, texts, way.act), way.result);
      EXPECT_FALSE(dialog.isVisible());
    }
  }
}

// The game's dialog makes its controls at its first showing: shown, it is the dialog made whole at once,
// pixel for pixel, control for control, and where it stands.
TEST(StatisticsDialog, ControlsMadeAtTheFirstShowingShowAsThoseMadeAtOnce) {
  StatisticsDialog whole;
  StatisticsDialog later(nullptr, StatisticsDialog::Controls::kAtFirstShowing);
  EXPECT_EQ(later.findChild<QLabel*>(), nullptr) << "the controls must wait for the first showing";
  EXPECT_EQ(later.windowTitle(), whole.windowTitle());
  EXPECT_EQ(later.size(), whole.size());
  const StatsTexts texts{"12", "7", "3", "1000", "3 losses"};
  const auto shown = [&](StatisticsDialog& dialog) {
    std::pair<QImage, QRect> picture;
    EXPECT_EQ(ShowAndDo(dialog, texts,
                        [&] {
                          picture = {dialog.grab().toImage(), dialog.geometry()};
                          dialog.done(kStatsOk);
                        }),
              kStatsOk);
    return picture;
  };
  EXPECT_EQ(shown(later), shown(whole));
  const QList<QWidget*> controls = whole.findChildren<QWidget*>();
  ASSERT_EQ(later.findChildren<QWidget*>().size(), controls.size());
  for (const QWidget* control : controls) {
    SCOPED_TRACE(control->objectName().toStdString());
    const auto* twin = later.findChild<QWidget*>(control->objectName());
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->geometry(), control->geometry());
  }
}

}  // namespace
}  // namespace vantrel::testing

int main(int argc, char** argv) {
  // The dialog needs no display: it is drawn offscreen unless a platform is chosen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
