// The widget tests run on Qt's offscreen platform: no display is needed.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/application.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  vantrel::app::Application application(argc, argv);
  return RUN_ALL_TESTS();
}
