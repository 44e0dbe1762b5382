#pragma once

#include <stdexcept>

// Raised when a knob is given a setting it cannot take.
class EDIBKnobError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
