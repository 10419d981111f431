#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>

// The bytes of one message kept by a recording output. Channel messages, nearly all of a song, are held in
// place; only a system exclusive message takes memory of its own. A long song's recording thus neither
// allocates once a message nor takes more memory than it must (a message and its time fit in 24 bytes).
class MessageBytes {
  public:
    MessageBytes() = default;
    MessageBytes(const uint8_t* bytes, size_t count) { assign(bytes, count); }
    MessageBytes(std::initializer_list<uint8_t> bytes) { assign(bytes.begin(), bytes.size()); }
    MessageBytes(const MessageBytes& other) { assign(other.data(), other.size()); }
    MessageBytes(MessageBytes&& other) noexcept = default;
    MessageBytes& operator=(const MessageBytes& other) {
        if (this != &other) assign(other.data(), other.size());
        return *this;
    }
    MessageBytes& operator=(MessageBytes&& other) noexcept = default;

    const uint8_t* data() const { return heap_ ? heap_.get() : inline_; }
    size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    uint8_t operator[](size_t index) const { return data()[index]; }
    const uint8_t* begin() const { return data(); }
    const uint8_t* end() const { return data() + count_; }

  private:
    static constexpr size_t inlineCapacity = 3;

    void assign(const uint8_t* bytes, size_t count) {
        count_ = uint32_t(count);
        if (count <= inlineCapacity) {
            heap_.reset();
            std::copy(bytes, bytes + count, inline_);
        } else {
            heap_.reset(new uint8_t[count]);
            std::copy(bytes, bytes + count, heap_.get());
        }
    }

    uint8_t inline_[inlineCapacity] = {};
    uint32_t count_ = 0;  // a device takes no message of 4 GB
    std::unique_ptr<uint8_t[]> heap_;
};
