// The window's font: "MS Sans Serif" at 8 points where it is installed, else the system's sans-serif at 8
// points.
#pragma once

#include <QFont>

namespace vantrel::app {

QFont WindowFont();

}  // namespace vantrel::app
