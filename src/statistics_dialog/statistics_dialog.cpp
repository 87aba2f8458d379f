// The statistics dialog's layout, the room it makes for translated texts, and how it closes.
#include "statistics_dialog/statistics_dialog.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWindow>
#include <algorithm>

namespace vantrel {
namespace {

enum class Anchor { kLeft, kRight };

// One label of the layout: where it starts (or, for the captions, where it ends), its text (English, marked
// for translation; the numbers are filled in before every showing) and font.
struct LabelPlace {
  const char* name;
  Anchor anchor;
  int x;
  int top;
  const char* text;
  int pixels;
  bool bold;
};

QString Translated(const char* text) { return QCoreApplication::translate("Statistics", text); }

// Arial, or a font with the same metrics, so the texts take the widths the layout was drawn for.
QFont LabelFont(int pixels, bool bold) {
  QFont font;
  font.setFamilies({"Arial", "Liberation Sans"});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// A label sizes itself to its text, keeping its left edge, or its right edge for a caption.
void FitLabel(QLabel* label, Anchor anchor, int x, int top) {
  const QFontMetrics metrics(label->font());
  const int width = metrics.horizontalAdvance(label->text());
  label->setGeometry(anchor == Anchor::kLeft ? x : x - width, top, width, metrics.height());
}

// The width a button needs for its text: the text and the frame its style draws around it.
int ButtonWidthFor(const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const int frame = button->width() -
                    button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
  return button->fontMetrics().horizontalAdvance(button->text()) + frame;
}

// The design's bevel and buttons, and the margin texts keep inside the bevel on its right.
constexpr int kBevelLeft = 5;
constexpr int kBevelTop = 4;
constexpr int kBevelWidth = 230;
constexpr int kBevelHeight = 213;
constexpr int kButtonsTop = 228;
constexpr int kButtonWidth = 74;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;
constexpr int kTextRightMargin = 15;

}  // namespace

StatisticsDialog::StatisticsDialog(QWidget* parent, Controls controls) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("Statistics", "Game Statistics"));
  // A fixed dialog frame with a close box only, kept above other windows.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setFixedSize(kClientWidth, kClientHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  setPalette(colours);
  setAutoFillBackground(true);
  if (controls == Controls::kNow) MakeControls();
}

void StatisticsDialog::MakeControls() {
  // Made first, so every label lies above it.
  bevel_ = new QFrame(this);
  bevel_->setObjectName("bevel");
  bevel_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel_->setGeometry(kBevelLeft, kBevelTop, kBevelWidth, kBevelHeight);

  static constexpr LabelPlace kLabels[] = {
      {"heading", Anchor::kLeft, 79, 16, QT_TRANSLATE_NOOP("Statistics", "Statistics"), 19, true},
      {"winsCaption", Anchor::kRight, kCaptionsRight, 48, QT_TRANSLATE_NOOP("Statistics", "Wins:"), 13,
       false},
      {"wins", Anchor::kLeft, kNumbersLeft, 48, "0", 13, false},
      {"lossesCaption", Anchor::kRight, kCaptionsRight, 72, QT_TRANSLATE_NOOP("Statistics", "Losses:"), 13,
       false},
      {"losses", Anchor::kLeft, kNumbersLeft, 72, "0", 13, false},
      {"streaksHeading", Anchor::kRight, kCaptionsRight, 96, QT_TRANSLATE_NOOP("Statistics", "Streaks"), 16,
       true},
      {"winStreakCaption", Anchor::kRight, kCaptionsRight, 120, QT_TRANSLATE_NOOP("Statistics", "Wins:"), 13,
       false},
      {"winStreak", Anchor::kLeft, kNumbersLeft, 120, "0", 13, false},
      {"loseStreakCaption", Anchor::kRight, kCaptionsRight, 144, QT_TRANSLATE_NOOP("Statistics", "Losses:"),
       13, false},
      {"loseStreak", Anchor::kLeft, kNumbersLeft, 144, "0", 13, false},
      {"currentStreakCaption", Anchor::kRight, kCaptionsRight, 168,
       QT_TRANSLATE_NOOP("Statistics", "Current"), 13, true},
      {"currentStreak", Anchor::kLeft, 40, 192, "xx Wins", 13, false},
  };
  // Captions longer than the longest English one (a translation) move everything right by the difference.
  int english_widest = 0;
  int widest = 0;
  for (const LabelPlace& place : kLabels) {
    if (place.anchor != Anchor::kRight) continue;
    const QFontMetrics metrics(LabelFont(place.pixels, place.bold));
    english_widest = std::max(english_widest, metrics.horizontalAdvance(QString::fromUtf8(place.text)));
    widest = std::max(widest, metrics.horizontalAdvance(Translated(place.text)));
  }
  const int shift = std::max(0, widest - english_widest);
  for (const LabelPlace& place : kLabels) {
    auto* label = new QLabel(Translated(place.text), this);
    label->setObjectName(place.name);
    label->setFont(LabelFont(place.pixels, place.bold));
    FitLabel(label, place.anchor, place.x + shift, place.top);
  }
  wins_ = findChild<QLabel*>("wins");
  losses_ = findChild<QLabel*>("losses");
  win_streak_ = findChild<QLabel*>("winStreak");
  lose_streak_ = findChild<QLabel*>("loseStreak");
  current_streak_ = findChild<QLabel*>("currentStreak");

  ok_ = new QPushButton(QCoreApplication::translate("Statistics", "OK"), this);
  ok_->setObjectName("okButton");
  ok_->setGeometry(44, kButtonsTop, kButtonWidth, kButtonHeight);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, [this] { done(kStatsOk); });

  clear_ = new QPushButton(QCoreApplication::translate("Statistics", "Clear"), this);
  clear_->setObjectName("clearButton");
  clear_->setGeometry(124, kButtonsTop, kButtonWidth, kButtonHeight);
  connect(clear_, &QPushButton::clicked, this, [this] { done(kStatsClear); });
  setTabOrder(ok_, clear_);
  FitWidth();
}

int StatisticsDialog::ShowModal(const StatsTexts& texts) {
  if (ok_ == nullptr) MakeControls();
  SetNumber(wins_, texts.wins);
  SetNumber(losses_, texts.losses);
  SetNumber(win_streak_, texts.win_streak);
  SetNumber(lose_streak_, texts.lose_streak);
  SetNumber(current_streak_, texts.current_streak);
  FitWidth();
  ok_->setFocus();
  Centre();
  return exec();
}

void StatisticsDialog::reject() { done(kStatsClear); }

void StatisticsDialog::Centre() {
  // Centred on the desktop at every showing, frame and all. It is placed before it shows: the first time its
  // frame is not known yet and the window manager places the frame where asked, as it does later (once
  // shown, a window placed as it shows would be placed by its inside the first time and by its frame after).
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  // Before the first showing the frame is taken to be as wide as the game window's.
  for (const QWindow* other : QGuiApplication::topLevelWindows()) {
    if (!frame.isNull()) break;
    if (other != windowHandle() && other->isVisible()) frame = other->frameMargins();
  }
  const QSize outer = size().grownBy(frame);
  const QRect desktop = screen->geometry();
  move(desktop.x() + (desktop.width() - outer.width()) / 2,
       desktop.y() + (desktop.height() - outer.height()) / 2);
}

void StatisticsDialog::FitWidth() {
  // Texts that reach past the bevel's margin widen the dialog; buttons too narrow for their texts widen,
  // both alike, and stay centred. The English texts leave room to spare: the design's 242 and 74 stay.
  int right = 0;
  for (const QLabel* label : findChildren<QLabel*>()) right = std::max(right, label->geometry().right() + 1);
  const int width = std::max(kClientWidth, right + kTextRightMargin);
  const int button_width = std::max({kButtonWidth, ButtonWidthFor(ok_), ButtonWidthFor(clear_)});
  const int buttons_left = (width - 2 * button_width - kButtonGap) / 2;
  ok_->setGeometry(buttons_left, kButtonsTop, button_width, kButtonHeight);
  clear_->setGeometry(buttons_left + button_width + kButtonGap, kButtonsTop, button_width, kButtonHeight);
  bevel_->setGeometry(kBevelLeft, kBevelTop, kBevelWidth + width - kClientWidth, kBevelHeight);
  setFixedSize(width, kClientHeight);
}

void StatisticsDialog::SetNumber(QLabel* label, const std::string& text) {
  label->setText(QString::fromStdString(text));
  FitLabel(label, Anchor::kLeft, label->x(), label->y());
}

}  // namespace vantrel
