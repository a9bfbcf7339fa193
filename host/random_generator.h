// The host's random numbers: PCG32 (O'Neill's permuted congruential generator,
// XSH RR output) seeded with the caller's seed and a fixed stream. A uniform
// double in [0, 1) takes two outputs: 27 high bits of the first and 26 of the
// second make a 53-bit fraction. The same seed gives the same sequence on every
// machine and with every standard library.
#pragma once

#include <cstdint>

namespace vxhost {

class RandomGenerator {
 public:
  explicit RandomGenerator(int32_t seed = 0) { Seed(seed); }

  void Seed(int32_t seed) {
    state_ = 0;
    Next();
    state_ += static_cast<uint64_t>(static_cast<uint32_t>(seed));
    Next();
  }

  uint32_t Next() {
    const uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + kIncrement;
    const auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    const auto rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
  }

  double Uniform() {
    const uint64_t high = Next() >> 5;  // 27 bits
    const uint64_t low = Next() >> 6;   // 26 bits
    return static_cast<double>((high << 26) | low) * (1.0 / 9007199254740992.0);
  }

 private:
  static constexpr uint64_t kIncrement = (0x56454C4CULL << 1) | 1;  // stream "VELL", odd
  uint64_t state_ = 0;
};

}  // namespace vxhost
