// The game's start: the application, the main window with its table and pictures, the cursors, the
// statistics dialog, then the event loop. The process ends with exit code 0, also when a termination signal
// ends it; only a start without a display to show the game on ends with 1.
#include <QMetaObject>
#include <cstdio>
#include <exception>
#include <memory>

#include "app/application.h"
#include "app/font_configuration.h"
#include "app/main_window.h"
#include "app/picture_folder.h"
#include "app/termination_signals.h"
#include "app/translations.h"
#include "platform/startup_marks.h"
#include "platform_qt/exception_display.h"
#include "statistics_dialog/statistics_dialog.h"
#include "view/card_pictures.h"

int main(int argc, char* argv[]) {
  vantrel::platform::StartupMark("main");
  // The pictures come from CARDS under the working folder; an installed game started elsewhere reads its own.
  const QDir picture_folder = vantrel::app::PictureFolder(QDir::current(), vantrel::app::ProgramFolder());
  // The font configuration, then the card files, are read on a worker while Qt starts; the window's
  // construction takes the pictures over.
  vantrel::PrefetchCardPictures(picture_folder, vantrel::app::ReadFontConfiguration);
  // The application object, titled "Vantrel". Without a display to show it on, Qt gives up with a fatal
  // message and an abort; the game says why on standard error and ends with 1 instead, without a core dump.
  const QtMessageHandler qt_messages = qInstallMessageHandler(vantrel::app::NoDisplayHandler);
  vantrel::app::Application application(argc, argv);
  qInstallMessageHandler(qt_messages);
  vantrel::platform::StartupMark("application");
  // The player's language, where the game has a translation for it; in English nothing is read.
  const vantrel::app::Translations translations(QCoreApplication::applicationDirPath());
  vantrel::platform::StartupMark("translations");
  // Declared first, so the dialog outlives the main window.
  std::unique_ptr<vantrel::StatisticsDialog> statistics_dialog;
  std::unique_ptr<vantrel::app::MainWindow> window;
  // SIGTERM, SIGHUP and SIGINT close the window as its close box does, whatever dialog is open. One that
  // comes before the window exists (while a box of its construction is open) ends the program once the
  // construction is over: nothing has been played yet, so nothing is saved.
  bool ending = false;
  bool before_window = false;
  const vantrel::app::TerminationSignals termination([&] {
    vantrel::app::EndModalDialogs();
    if (!window) {
      before_window = true;
    } else if (!ending) {
      ending = true;
      QMetaObject::invokeMethod(window.get(), &vantrel::app::MainWindow::EndBySignal, Qt::QueuedConnection);
    }
  });
  try {
    // The main window: the construction builds the 60 slots, reads the pictures from CARDS under that folder,
    // loads the statistics and ends with RegisterCursors, which registers the two cursors.
    window = std::make_unique<vantrel::app::MainWindow>(nullptr, picture_folder);
    vantrel::platform::StartupMark("window");
    if (before_window) return 0;
    // The statistics dialog, created once, hidden until the Statistics command shows it: once the window has
    // painted the table for the first time, so that it never delays the window (or at the first Statistics
    // command, should that come sooner). Its controls and their fonts wait for its first showing.
    window->SetStatisticsDialogMaker([&statistics_dialog]() -> vantrel::StatsDialog& {
      statistics_dialog = std::make_unique<vantrel::StatisticsDialog>(
          nullptr, vantrel::StatisticsDialog::Controls::kAtFirstShowing);
      vantrel::platform::StartupMark("statistics dialog");
      return *statistics_dialog;
    });
    // The event loop shows the main window, centred on the desktop, and runs until it closes.
    QMetaObject::invokeMethod(window.get(), &vantrel::app::MainWindow::ShowCentred, Qt::QueuedConnection);
    QApplication::exec();
  } catch (const std::exception& error) {
    // A picture or a statistics value that cannot be read stops the start: the error box, and the table is
    // never shown. The text also goes to standard error for whoever started the game from a terminal.
    std::fprintf(stderr, "vantrel: %s\n", error.what());
    if (!before_window) vantrel::platform::ShowException(error);
  }
  return 0;
}
