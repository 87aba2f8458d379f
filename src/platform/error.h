// The program's one failure type: a card picture that cannot be read, a statistics value that cannot be read,
// a store that cannot be written. Its message names the file or value and says what to do.
#pragma once

#include <stdexcept>
#include <string>

namespace vantrel {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace vantrel
