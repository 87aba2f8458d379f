// StatisticsDialog: the modal statistics dialog. Passive: the game fills its labels before every showing and
// acts on how it was closed.
#pragma once

#include <QDialog>

#include "stats/stats_dialog.h"

class QFrame;
class QLabel;
class QPushButton;

namespace vantrel {

class StatisticsDialog : public QDialog, public StatsDialog {
 public:
  // Client area, in pixels at 96 dots per inch: the English layout. Longer texts (translations) widen it.
  static constexpr int kClientWidth = 242;
  static constexpr int kClientHeight = 262;
  // The captions "Wins:", "Losses:", "Streaks" and "Current" end here; the numbers start at kNumbersLeft.
  static constexpr int kCaptionsRight = 79;
  static constexpr int kNumbersLeft = 93;

  // When the controls are made: with the dialog, or when it first shows (the game's dialog, made hidden at
  // start, then costs only its window until the player asks for it).
  enum class Controls { kNow, kAtFirstShowing };

  explicit StatisticsDialog(QWidget* parent = nullptr, Controls controls = Controls::kNow);

  // Fills the labels, shows the dialog modally and returns kStatsOk (OK, Enter) or kStatsClear (Clear, Esc,
  // the close box).
  int ShowModal(const StatsTexts& texts) override;
  // Esc and the close box end the dialog as the Clear button does.
  void reject() override;

 private:
  // The bevel, the labels and the buttons, laid out for their texts.
  void MakeControls();
  // Places the dialog, its frame included, in the middle of the desktop.
  void Centre();
  void SetNumber(QLabel* label, const std::string& text);
  // Widens the dialog, its bevel and its buttons where their texts need it.
  void FitWidth();

  QLabel* wins_ = nullptr;
  QLabel* losses_ = nullptr;
  QLabel* win_streak_ = nullptr;
  QLabel* lose_streak_ = nullptr;
  QLabel* current_streak_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* clear_ = nullptr;
  QFrame* bevel_ = nullptr;
};

}  // namespace vantrel
