#pragma once
// A small deterministic random source (splitmix64). The demo disc must come out byte for byte
// the same on every build, so nothing here depends on the standard library's distributions,
// whose results differ between implementations.
#include <cstddef>
#include <cstdint>
#include <span>

namespace expo::demogen {

class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (n > 0).
    int below(int n) { return static_cast<int>(next() % static_cast<uint64_t>(n)); }
    // lo .. hi, both included.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    // True in about `percent` cases of a hundred.
    bool chance(int percent) { return below(100) < percent; }

    template <class T>
    const T& pick(std::span<const T> items) {
        return items[static_cast<size_t>(below(static_cast<int>(items.size())))];
    }

  private:
    uint64_t state_;
};

}  // namespace expo::demogen
