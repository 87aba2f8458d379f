// The standard display of the program's failures: an error box titled with the program's name.
#pragma once

#include <exception>

class QWidget;

namespace vantrel::platform {

void ShowException(const std::exception& error, QWidget* parent = nullptr);

// Runs `handler`; a failure it raises is shown and the program goes on with whatever it had changed.
template <typename Handler>
void RunShowingErrors(Handler&& handler, QWidget* parent = nullptr) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error, parent);
  }
}

}  // namespace vantrel::platform
