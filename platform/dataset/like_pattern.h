#pragma once
// A LIKE pattern: "%" matches any run of characters (also none), "_" exactly one character,
// everything else itself (bytes, respecting case).
#include <string>
#include <string_view>
#include <vector>

namespace expo::ds {

class LikePattern {
  public:
    explicit LikePattern(std::string_view pattern);
    bool matches(std::string_view text) const;

  private:
    // The pattern split at its "%" signs; the first part is anchored at the start of the text
    // and the last at its end unless the pattern begins or ends with "%".
    std::vector<std::string> parts_;
    bool anchoredStart_ = true;
    bool anchoredEnd_ = true;
};

}  // namespace expo::ds
