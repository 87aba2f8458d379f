// The self-pipe for the termination signals, and ending the dialogs that are open when one arrives.
#include "app/termination_signals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace vantrel::app {
namespace {

#ifndef Q_OS_WIN
constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};
int g_pair[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
  const int saved = errno;
  const char byte = 's';
  // Non-blocking: when the pipe is full, signals are already waiting to be read and this one adds nothing.
  [[maybe_unused]] const ssize_t written = ::write(g_pair[1], &byte, 1);
  errno = saved;
}
#endif

}  // namespace

TerminationSignals::TerminationSignals(std::function<void()> on_signal) : on_signal_(std::move(on_signal)) {
#ifndef Q_OS_WIN
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pair) != 0) return;
  notifier_ = new QSocketNotifier(g_pair[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::Arrived);
  struct sigaction action {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kSignals) sigaction(number, &action, nullptr);
#endif
}

TerminationSignals::~TerminationSignals() {
#ifndef Q_OS_WIN
  if (notifier_ == nullptr) return;
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int number : kSignals) sigaction(number, &action, nullptr);
  delete notifier_;
  ::close(g_pair[0]);
  ::close(g_pair[1]);
  g_pair[0] = g_pair[1] = -1;
#endif
}

void TerminationSignals::Arrived() {
#ifndef Q_OS_WIN
  char bytes[64];
  while (::read(g_pair[0], bytes, sizeof bytes) > 0) {
  }
#endif
  on_signal_();
}

void EndModalDialogs() {
  // The innermost first: a question asked from the statistics dialog ends before the dialog.
  while (QWidget* modal = QApplication::activeModalWidget()) {
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog == nullptr) {
      modal->close();
      if (modal->isVisible()) break;
      continue;
    }
    dialog->done(QDialog::Accepted);
  }
}

}  // namespace vantrel::app
