// Reading the card pictures ahead, which starts before the application object, leaves Qt's main thread to
// the program's own: were the worker the first to use Qt, an application object made while the worker still
// runs would live in a thread Qt does not take for the main one, and the game would lose key presses. A
// program of its own, since the reading has to start before any application object exists. The first
// picture carries a write lease of this process, so the worker's opening of it (with a QFile: Qt in use)
// waits until the lease is let go, after the application object exists.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "view/card_pictures.h"

namespace {

bool warned = false;

void Watch(QtMsgType, const QMessageLogContext&, const QString& message) {
  if (message.contains(QStringLiteral("not created in the main() thread"))) warned = true;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
  const QTemporaryDir folder;
  if (!folder.isValid() || !QDir(folder.path()).mkdir(QStringLiteral("CARDS"))) return 2;
  // Copied without Qt: a QFile here would take Qt's main thread for this one before the worker could.
  std::error_code error;
  std::filesystem::copy(VANTREL_GAME_DIR "/CARDS", QFile::encodeName(folder.path()).toStdString() + "/CARDS",
                        error);
  if (error) return 2;
  const QByteArray first = QFile::encodeName(folder.path() + "/CARDS/AS.BMP");
  std::signal(SIGIO, SIG_IGN);  // the lease's break is told with SIGIO
  const int leased = ::open(first.constData(), O_RDONLY);
  if (leased < 0 || ::fcntl(leased, F_SETLEASE, F_WRLCK) != 0) {
    std::perror("FAILED: no lease on the first picture");
    return 2;
  }

  vantrel::PrefetchCardPictures(QDir(folder.path()));
  // The worker is waiting in its opening of the first picture once the lease is being broken.
  for (int tries = 0; tries < 10000 && ::fcntl(leased, F_GETLEASE) == F_WRLCK; ++tries) ::usleep(1000);
  if (::fcntl(leased, F_GETLEASE) == F_WRLCK) {
    std::fprintf(stderr, "FAILED: the worker never opened the first picture\n");
    return 1;
  }
  qInstallMessageHandler(Watch);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  {
    const QApplication application(argc, argv);
    ::fcntl(leased, F_SETLEASE, F_UNLCK);  // the worker goes on
    ::close(leased);
  }
  if (warned) {
    std::fprintf(stderr, "FAILED: the worker reading the pictures took Qt's main thread\n");
    return 1;
  }
  std::printf("the application object lives in Qt's main thread\n");
  return 0;
}
