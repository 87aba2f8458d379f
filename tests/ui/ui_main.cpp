// The widget tests run on Qt's offscreen platform: no display is needed. The game's statistics store lives in
// a folder of the run's own, never in the user's settings.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "app/application.h"
#include "ui_support.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  vantrel::app::Application application(argc, argv);
  const QTemporaryDir settings;
  if (!settings.isValid()) return 1;
  vantrel::uitest::SetRunSettingsDir(settings.path());
  return RUN_ALL_TESTS();
}
