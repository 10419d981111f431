#pragma once
#include <cstdint>

// The one random source of the sound generators: a linear congruential generator whose draws are bits
// 16-30 of the state. The program owns one instance; only the random-sound command re-seeds it, so the
// text and picture sounds made after it continue its sequence for their velocities.
class PseudoRandom {
  public:
    static constexpr int drawLimit = 0x8000;  // every draw lies in 0 to drawLimit - 1

    void seed(uint32_t value) { state_ = value; }
    int draw() {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 0x7FFF);
    }
    // A draw taken modulo count.
    int below(int count) { return draw() % count; }

  private:
    uint32_t state_ = 1;
};
