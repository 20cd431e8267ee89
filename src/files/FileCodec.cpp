#include "FileCodec.h"

#include <array>

namespace {

constexpr std::size_t kMax24 = 0xFFFFFF;
constexpr int kGroupSize = 7;     // positions per bit-group code
constexpr int kLongestRun = 134;  // positions covered by 0xFF
constexpr std::uint8_t kRunNoValue = 0xFF;
constexpr std::uint8_t kRunThenValue = 0x80;
constexpr std::size_t kAlwaysKeepCount = 1100;
constexpr std::size_t kHeaderBytes = 7;  // A-length (3), V (1), M (3)
constexpr int kMaxKeptPasses = 255;
// Larger than any intermediate buffer of a real file; caps what garbage can ask for.
constexpr std::size_t kDefaultMaxDecodedSize = std::size_t{1} << 24;

void Append24(ByteBuffer& out, std::size_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

std::size_t Read24(const ByteBuffer& in, std::size_t at)
{
    return (std::size_t{in[at]} << 16) | (std::size_t{in[at + 1]} << 8) | in[at + 2];
}

// The most frequent byte value; on a tie the highest value.
std::uint8_t MostFrequent(const ByteBuffer& buffer, std::size_t& count)
{
    std::array<std::size_t, 256> counts{};
    for (std::uint8_t byte : buffer) ++counts[byte];
    int best = 0;
    for (int value = 0; value < 256; ++value) {
        if (counts[value] >= counts[best]) best = value;
    }
    count = counts[best];
    return static_cast<std::uint8_t>(best);
}

}  // namespace

void EliminatePass(ByteBuffer& buffer, bool& keepGoing)
{
    const std::size_t n = buffer.size();
    if (n == 0 || n > kMax24 / 2) {  // section lengths must fit 24 bits
        keepGoing = false;
        return;
    }
    std::size_t m = 0;
    const std::uint8_t v = MostFrequent(buffer, m);

    ByteBuffer a{v};
    Append24(a, m);
    ByteBuffer b;
    b.reserve(n);
    std::uint8_t bits = 0;
    int l = 0;
    std::size_t found = 0;
    std::size_t j = 0;
    while (found < m) {
        const std::uint8_t x = buffer[j];
        if (x != v) {
            b.push_back(x);
        } else {
            if (l >= kGroupSize) {
                a.push_back(static_cast<std::uint8_t>(kRunThenValue + (l - kGroupSize)));
                bits = 0;
                l = -1;
            } else {
                bits |= static_cast<std::uint8_t>(1u << (kGroupSize - 1 - l));
            }
            ++found;
        }
        ++j;
        ++l;
        if (l == kGroupSize && bits > 0) {
            a.push_back(bits);
            bits = 0;
            l = 0;
        } else if (l == kLongestRun) {
            a.push_back(kRunNoValue);
            bits = 0;
            l = 0;
        }
    }
    if (bits > 0) a.push_back(bits);
    b.insert(b.end(), buffer.begin() + static_cast<std::ptrdiff_t>(j), buffer.end());

    if (keepGoing && a.size() + b.size() + 1 > n - 1 && m < kAlwaysKeepCount) {
        keepGoing = false;
        return;
    }
    ByteBuffer result;
    result.reserve(3 + a.size() + b.size());
    Append24(result, a.size());
    result.insert(result.end(), a.begin(), a.end());
    result.insert(result.end(), b.begin(), b.end());
    buffer = std::move(result);
}

bool RestorePass(ByteBuffer& buffer, std::size_t maxSize)
{
    if (buffer.size() < kHeaderBytes) return false;
    const std::size_t aLength = Read24(buffer, 0);
    const std::size_t codesEnd = 3 + aLength;
    if (aLength < 4 || codesEnd > buffer.size()) return false;
    const std::uint8_t v = buffer[3];
    const std::size_t m = Read24(buffer, 4);
    const std::size_t outSize = buffer.size() - codesEnd + m;
    if (outSize > maxSize) return false;

    ByteBuffer out;
    out.reserve(outSize);
    std::size_t code = kHeaderBytes;
    std::size_t bIndex = codesEnd;
    std::size_t placed = 0;
    while (placed < m) {
        if (code >= codesEnd) return false;
        const std::uint8_t c = buffer[code++];
        if (c < kRunThenValue) {
            for (int bit = kGroupSize - 1; bit >= 0 && placed < m; --bit) {
                if (c & (1u << bit)) {
                    out.push_back(v);
                    ++placed;
                } else {
                    if (bIndex >= buffer.size()) return false;
                    out.push_back(buffer[bIndex++]);
                }
            }
        } else {
            const std::size_t k = (c & 0x7Fu) + kGroupSize;
            if (buffer.size() - bIndex < k) return false;
            out.insert(out.end(), buffer.begin() + static_cast<std::ptrdiff_t>(bIndex),
                       buffer.begin() + static_cast<std::ptrdiff_t>(bIndex + k));
            bIndex += k;
            if (k != kLongestRun) {
                out.push_back(v);
                ++placed;
            }
        }
    }
    out.insert(out.end(), buffer.begin() + static_cast<std::ptrdiff_t>(bIndex), buffer.end());
    buffer = std::move(out);
    return true;
}

bool RestorePass(ByteBuffer& buffer) { return RestorePass(buffer, kDefaultMaxDecodedSize); }

void EncodeFile(ByteBuffer& buffer)
{
    bool keepGoing = true;
    int kept = 0;
    while (kept < kMaxKeptPasses) {
        EliminatePass(buffer, keepGoing);
        if (!keepGoing) break;
        ++kept;
    }
    buffer.push_back(static_cast<std::uint8_t>(kept));
}

bool DecodeFile(ByteBuffer& buffer, std::size_t maxSize)
{
    if (buffer.empty()) return false;
    const int passes = buffer.back();
    buffer.pop_back();
    for (int pass = 0; pass < passes; ++pass) {
        if (!RestorePass(buffer, maxSize)) return false;
    }
    return buffer.size() <= maxSize;
}

bool DecodeFile(ByteBuffer& buffer) { return DecodeFile(buffer, kDefaultMaxDecodedSize); }
