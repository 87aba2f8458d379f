// The statistics dialog's layout and how it closes.
#include "stats_form/stats_form.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace vantrel {
namespace {

enum class Anchor { kLeft, kRight };

// One label of the layout: where it starts (or, for the captions, where it ends), its text and font.
struct LabelPlace {
  const char* name;
  Anchor anchor;
  int x;
  int top;
  const char* text;
  int pixels;
  bool bold;
};

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

}  // namespace

TStatsForm::TStatsForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Game Statistics");
  // A fixed dialog frame with a close box only, kept above other windows.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  setFixedSize(kClientWidth, kClientHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::Button));
  setPalette(colours);
  setAutoFillBackground(true);

  // Made first, so every label lies above it.
  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
  bevel->setGeometry(5, 4, 230, 213);

  static constexpr LabelPlace kLabels[] = {
      {"Label2", Anchor::kLeft, 79, 16, "Statistics", 19, true},
      {"Label1", Anchor::kRight, kCaptionsRight, 48, "Wins:", 13, false},
      {"Wins", Anchor::kLeft, kNumbersLeft, 48, "0", 13, false},
      {"Label3", Anchor::kRight, kCaptionsRight, 72, "Losses:", 13, false},
      {"Losses", Anchor::kLeft, kNumbersLeft, 72, "0", 13, false},
      {"Label8", Anchor::kRight, kCaptionsRight, 96, "Streaks", 16, true},
      {"Label5", Anchor::kRight, kCaptionsRight, 120, "Wins:", 13, false},
      {"WinStreak", Anchor::kLeft, kNumbersLeft, 120, "0", 13, false},
      {"Label7", Anchor::kRight, kCaptionsRight, 144, "Losses:", 13, false},
      {"LoseStreak", Anchor::kLeft, kNumbersLeft, 144, "0", 13, false},
      {"Label4", Anchor::kRight, kCaptionsRight, 168, "Current", 13, true},
      {"CurrentStreak", Anchor::kLeft, 40, 192, "xx Wins", 13, false},
  };
  for (const LabelPlace& place : kLabels) {
    auto* label = new QLabel(place.text, this);
    label->setObjectName(place.name);
    label->setFont(LabelFont(place.pixels, place.bold));
    FitLabel(label, place.anchor, place.x, place.top);
  }
  wins_ = findChild<QLabel*>("Wins");
  losses_ = findChild<QLabel*>("Losses");
  win_streak_ = findChild<QLabel*>("WinStreak");
  lose_streak_ = findChild<QLabel*>("LoseStreak");
  current_streak_ = findChild<QLabel*>("CurrentStreak");

  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("OKBtn");
  ok_->setGeometry(44, 228, 74, 25);
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, [this] { done(kStatsOk); });

  auto* clear = new QPushButton("Clear", this);
  clear->setObjectName("ClearBtn");
  clear->setGeometry(124, 228, 74, 25);
  connect(clear, &QPushButton::clicked, this, [this] { done(kStatsClear); });
  setTabOrder(ok_, clear);
}

int TStatsForm::ShowModal(const StatsTexts& texts) {
  SetNumber(wins_, texts.wins);
  SetNumber(losses_, texts.losses);
  SetNumber(win_streak_, texts.win_streak);
  SetNumber(lose_streak_, texts.lose_streak);
  SetNumber(current_streak_, texts.current_streak);
  ok_->setFocus();
  Centre();
  return exec();
}

void TStatsForm::reject() { done(kStatsClear); }

void TStatsForm::Centre() {
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

void TStatsForm::SetNumber(QLabel* label, const std::string& text) {
  label->setText(QString::fromStdString(text));
  FitLabel(label, Anchor::kLeft, label->x(), label->y());
}

}  // namespace vantrel
