// Exceptions of the environment. Data problems never use these: they become
// findings in the error table.
#pragma once

#include <stdexcept>
#include <string>

namespace dornavik {

// A failure of the environment; the message is a cp1251 text shown to the user
// after a short prefix where the error is caught.
class terror : public std::runtime_error {
 public:
  explicit terror(const std::string& message) : std::runtime_error(message) {}
};

// An index outside the valid range of a container.
class tcollectionerror : public terror {
 public:
  tcollectionerror() : terror("collention error") {}
};

// Unwinds an interrupted redraw; the map window catches it.
class tinterruption : public terror {
 public:
  tinterruption() : terror("interuption") {}
};

}  // namespace dornavik
