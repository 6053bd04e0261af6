#pragma once
// Every failure of the program is an exception carrying its message: 8-bit text in code page 1250,
// worded as the user sees it.
#include <stdexcept>
#include <string>

namespace expo {

class Error : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace expo
