// Reads a file held in memory at 1-based absolute positions, the way the
// recordings are addressed. A read past the last byte gives 0 and marks the
// reader exhausted (from then on, since positions only move forward there).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vornax {

class ByteReader {
public:
    explicit ByteReader(std::string_view file) : file_(file) {}

    // The byte at a 1-based position; 0 past the end (and exhausted()).
    std::uint8_t at(std::int64_t position)
    {
        if (position >= 1 && position <= size())
            return static_cast<std::uint8_t>(file_[static_cast<std::size_t>(position - 1)]);
        if (position > size())
            exhausted_ = true;
        return 0;
    }

    // Sequential reads from the current position.
    std::uint8_t byte() { return at(position_++); }
    std::uint16_t u16()
    {
        const std::uint16_t lo = byte();
        return static_cast<std::uint16_t>(lo | (byte() << 8));
    }
    std::uint32_t u32()
    {
        const std::uint32_t lo = u16();
        return lo | (std::uint32_t(u16()) << 16);
    }
    std::string text4()
    {
        std::string s(4, '\0');
        for (char& c : s)
            c = static_cast<char>(byte());
        return s;
    }

    std::int64_t position() const { return position_; }
    void seek(std::int64_t position) { position_ = position; }
    std::int64_t size() const { return static_cast<std::int64_t>(file_.size()); }
    bool exhausted() const { return exhausted_; }

private:
    std::string_view file_;
    std::int64_t position_ = 1;
    bool exhausted_ = false;
};

}  // namespace vornax
