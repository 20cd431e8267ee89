#pragma once

#include <array>
#include <cstdint>

// The document: 16 rows x 256 columns of bytes, byte (r, c) at offset r*256 + c.
// Column c is one 16-byte record; radio address A is row A%16, column A/16.
// Row and column indexes must be in range; the program never produces others.
class MemoryImage final {
public:
    static constexpr int kRows = 16;
    static constexpr int kColumns = 256;
    static constexpr int kSize = kRows * kColumns;

    using Bytes = std::array<std::uint8_t, kSize>;

    [[nodiscard]] std::uint8_t at(int row, int column) const { return m_bytes[offset(row, column)]; }
    void set(int row, int column, std::uint8_t value) { m_bytes[offset(row, column)] = value; }

    // Read-modify-write of the bits in `mask` only; every other bit survives.
    [[nodiscard]] bool bit(int row, int column, std::uint8_t mask) const { return (at(row, column) & mask) != 0; }
    void setBit(int row, int column, std::uint8_t mask, bool on)
    {
        const std::uint8_t old = at(row, column);
        set(row, column, static_cast<std::uint8_t>(on ? (old | mask) : (old & ~mask)));
    }

    // Radio address order (address = column*16 + row), 0..kSize-1.
    [[nodiscard]] std::uint8_t atAddress(int address) const { return at(address % kRows, address / kRows); }
    void setAtAddress(int address, std::uint8_t value) { set(address % kRows, address / kRows, value); }

    void fill(std::uint8_t value) { m_bytes.fill(value); }
    void fillColumn(int column, std::uint8_t value)
    {
        for (int r = 0; r < kRows; ++r) set(r, column, value);
    }

    [[nodiscard]] const Bytes& bytes() const { return m_bytes; }
    [[nodiscard]] Bytes& bytes() { return m_bytes; }

    friend bool operator==(const MemoryImage&, const MemoryImage&) = default;

private:
    static constexpr int offset(int row, int column) { return row * kColumns + column; }

    Bytes m_bytes{};  // all zero until the main window resets it
};
