// The end-to-end tests run the built game in their own X server; this process watches it through the same
// server, and draws there what the game's windows must look like.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "x_server.h"
#include "x_session.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();  // listing needs no display
  const vantrel::testing::XServer server;
  qputenv("DISPLAY", server.display().c_str());
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
