// Message boxes titled with the program's name, the warning question, the beep, the clock and the timer.
#include "platform_qt/qt_host.h"

#include <QApplication>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>

#include "platform_qt/deal_number_dialog.h"
#include "platform_qt/resources.h"

namespace vantrel::platform {
namespace {

constexpr int kHintMilliseconds = 700;

// The boxes' standard buttons are named by Qt's own translations (qtbase_LANG.qm, asked first). The game's
// translations name them too, in Qt's context, for the languages Qt's lack.
//: Qt's own word for its standard button, used only where Qt's translations lack the language
[[maybe_unused]] constexpr const char* kStandardButtons[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"), QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"), QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel")};

QString Title() { return QGuiApplication::applicationDisplayName(); }

}  // namespace

std::optional<std::uint32_t> FixedClock() {
  if (!qEnvironmentVariableIsSet(kClockVariable)) return std::nullopt;
  bool ok = false;
  const qulonglong seconds = qEnvironmentVariable(kClockVariable).trimmed().toULongLong(&ok);
  if (!ok || seconds > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(seconds);
}

QtHost::QtHost(QWidget* dialog_parent) : dialog_parent_(dialog_parent), fixed_clock_(FixedClock()) {
  // A child of the window, which its tests find by name; it goes before the window does.
  timer_.setObjectName(QStringLiteral("hintTimer"));
  timer_.setParent(dialog_parent);
  timer_.setInterval(kHintMilliseconds);
  timer_.setSingleShot(false);
}

void QtHost::BeforeDialog() {
  SetWindowIcon();  // no box shows without the game's icon, however early
  if (before_dialog_) before_dialog_();
}

void QtHost::ShowMessage(const std::string& text) {
  BeforeDialog();
  QMessageBox box(QMessageBox::NoIcon, Title(), QString::fromStdString(text), QMessageBox::Ok,
                  dialog_parent_);
  box.exec();
}

bool QtHost::AskWarning(const std::string& text, DefaultAnswer default_answer) {
  BeforeDialog();
  QMessageBox box(QMessageBox::Warning, Title(), QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No, dialog_parent_);
  box.setDefaultButton(default_answer == DefaultAnswer::kYes ? QMessageBox::Yes : QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  box.exec();
  return box.clickedButton() == box.button(QMessageBox::Yes);
}

std::optional<std::uint32_t> QtHost::AskDealNumber(std::optional<std::uint32_t> current) {
  BeforeDialog();
  DealNumberDialog dialog(current, dialog_parent_);
  dialog.exec();
  return dialog.chosen();
}

void QtHost::Beep() { QApplication::beep(); }

std::uint32_t QtHost::NowSeconds() {
  if (fixed_clock_) return *fixed_clock_;
  return static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch());
}

void QtHost::StartHintTimer() { timer_.start(); }

void QtHost::StopHintTimer() { timer_.stop(); }

void QtHost::OnHintTimer(std::function<void()> handler) {
  QObject::disconnect(&timer_, &QTimer::timeout, nullptr, nullptr);
  QObject::connect(&timer_, &QTimer::timeout, std::move(handler));
}

}  // namespace vantrel::platform
