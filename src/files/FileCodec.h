#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The byte-elimination encoding every data file passes through.
using ByteBuffer = std::vector<std::uint8_t>;

// One pass over a non-empty buffer. When the pass does not pay (and `keepGoing`
// is set) the buffer stays unchanged and `keepGoing` is cleared.
void EliminatePass(ByteBuffer& buffer, bool& keepGoing);

// Inverts one pass. Returns false (buffer unspecified) on malformed input;
// never reads or writes outside the buffer.
[[nodiscard]] bool RestorePass(ByteBuffer& buffer);
// The same, also failing when the restored buffer would exceed `maxSize` bytes.
[[nodiscard]] bool RestorePass(ByteBuffer& buffer, std::size_t maxSize);

// Passes while they pay (at most 255 kept), then the pass-count byte.
void EncodeFile(ByteBuffer& buffer);

// Undoes EncodeFile. Returns false on malformed input (buffer unspecified).
[[nodiscard]] bool DecodeFile(ByteBuffer& buffer);
// The same with a bound on every intermediate buffer, so hostile input cannot
// make the decoder allocate without limit (the one-argument form allows 16 MiB).
[[nodiscard]] bool DecodeFile(ByteBuffer& buffer, std::size_t maxSize);
