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
  // No session bus for this process or the games it starts (never the desktop's): without an address, D-Bus
  // would start one on the X server for each of them (autolaunch), left running after the test.
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
