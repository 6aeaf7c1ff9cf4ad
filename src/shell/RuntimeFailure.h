#pragma once

#include <stdexcept>
#include <string>

// A run-time failure of the program's arithmetic or conversions: a box that holds
// no number, a whole-number overflow, a division by zero, a value out of range.
// Handlers with an error exit catch it there; nothing else is meant to.
class RuntimeFailure : public std::runtime_error {
  public:
    explicit RuntimeFailure(const std::string& what) : std::runtime_error(what) {}
};
