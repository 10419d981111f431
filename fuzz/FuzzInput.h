#pragma once
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

// The fuzzer's bytes taken in order: choices from the front, the rest as a file. Past the end every
// choice reads 0, so any input is a whole case. The fuzzers include this header for the types of their entry
// point too.
class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }
    uint16_t u16() { return uint16_t(byte() | byte() << 8); }
    uint32_t u32() { return uint32_t(u16()) | uint32_t(u16()) << 16; }
    bool flag() { return byte() & 1; }
    // At most count bytes.
    std::vector<uint8_t> bytes(size_t count) {
        const size_t taken = count < size_ - position_ ? count : size_ - position_;
        std::vector<uint8_t> part(data_ + position_, data_ + position_ + taken);
        position_ += taken;
        return part;
    }
    std::string text(size_t count) {
        const std::vector<uint8_t> part = bytes(count);
        return std::string(part.begin(), part.end());
    }
    std::vector<uint8_t> rest() { return bytes(size_ - position_); }
    // All the bytes, from the first, as a file to read.
    std::istringstream file() const { return std::istringstream(std::string(data_, data_ + size_)); }
    bool empty() const { return position_ >= size_; }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};
