// Reading the card pictures ahead, which starts before the application object, leaves Qt's main thread to
// the program's own: were the worker the first to use Qt, an application object made while the worker still
// runs would live in a thread Qt does not take for the main one, and the game would lose key presses. A
// program of its own, since the reading has to start before any application object exists. The first
// picture is a named pipe, so the worker is held inside its reading, having used Qt, until the application
// object exists.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "interaction/card_pictures.h"
#include "table/card_names.h"

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
  const QByteArray first =
      QFile::encodeName(QDir(folder.path()).filePath(QString::fromStdString(vantrel::CardFileName(0))));
  if (::mkfifo(first.constData(), 0600) != 0) return 2;

  vantrel::PrefetchCardPictures(QDir(folder.path()));
  // The pipe opens for writing once the worker has opened it for reading (with a QFile, so Qt is in use
  // there); the worker then waits for the pipe's end, which comes when it is closed.
  int pipe = -1;
  for (int tries = 0; tries < 10000 && pipe < 0; ++tries) {
    pipe = ::open(first.constData(), O_WRONLY | O_NONBLOCK);
    if (pipe < 0) ::usleep(1000);
  }
  if (pipe < 0) {
    std::fprintf(stderr, "FAILED: the worker never opened the first picture\n");
    return 1;
  }
  qInstallMessageHandler(Watch);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  {
    const QApplication application(argc, argv);
    ::close(pipe);  // the worker goes on: it read nothing from the pipe, and finds no other picture
  }
  if (warned) {
    std::fprintf(stderr, "FAILED: the worker reading the pictures took Qt's main thread\n");
    return 1;
  }
  std::printf("the application object lives in Qt's main thread\n");
  return 0;
}
