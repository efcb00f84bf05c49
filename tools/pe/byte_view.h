// Bounds-checked little-endian reads over untrusted bytes. Every read that
// would leave the view throws PeError naming what was being read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

namespace torvik::pe {

class PeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ByteView {
public:
    ByteView() = default;
    explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }

    bool fits(std::size_t offset, std::size_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }
    void require(std::size_t offset, std::size_t length, const char* what) const {
        if (!fits(offset, length))
            throw PeError(std::string(what) + ": " + std::to_string(length) + " bytes at offset " +
                          std::to_string(offset) + " lie outside the " +
                          std::to_string(bytes_.size()) + " available");
    }
    std::uint8_t u8(std::size_t offset, const char* what) const {
        require(offset, 1, what);
        return bytes_[offset];
    }
    std::uint16_t u16(std::size_t offset, const char* what) const {
        require(offset, 2, what);
        return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
    }
    std::uint32_t u32(std::size_t offset, const char* what) const {
        require(offset, 4, what);
        return static_cast<std::uint32_t>(bytes_[offset]) |
               static_cast<std::uint32_t>(bytes_[offset + 1]) << 8 |
               static_cast<std::uint32_t>(bytes_[offset + 2]) << 16 |
               static_cast<std::uint32_t>(bytes_[offset + 3]) << 24;
    }
    std::uint64_t u64(std::size_t offset, const char* what) const {
        return u32(offset, what) | static_cast<std::uint64_t>(u32(offset + 4, what)) << 32;
    }
    ByteView sub(std::size_t offset, std::size_t length, const char* what) const {
        require(offset, length, what);
        return ByteView(bytes_.subspan(offset, length));
    }
    // A NUL-terminated UTF-16 string starting at offset; advances offset past the NUL.
    std::u16string wstring_z(std::size_t& offset, const char* what) const {
        std::u16string s;
        for (;;) {
            char16_t c = u16(offset, what);
            offset += 2;
            if (c == 0) return s;
            s.push_back(c);
        }
    }

private:
    std::span<const std::uint8_t> bytes_;
};

inline std::size_t align4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

}  // namespace torvik::pe
