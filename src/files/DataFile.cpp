#include "DataFile.h"

#include <algorithm>

#include "core/Layout.h"

namespace {

constexpr int kHeaderSize = 16;
// Every intermediate buffer of a data file this program writes stays far
// below this (each kept pass grows a buffer by less than 1% plus 8 bytes).
constexpr std::size_t kMaxIntermediateSize = 1 << 16;

}  // namespace

ByteBuffer BuildPlainForm(const MemoryImage& image)
{
    ByteBuffer plain(kPlainFileSize, layout::kEmpty);
    std::copy(kFileSignature.begin(), kFileSignature.end(), plain.begin());
    for (int address = 0; address < MemoryImage::kSize; ++address) {
        plain[kHeaderSize + address] = image.atAddress(address);
    }
    return plain;
}

std::optional<MemoryImage> ParsePlainForm(const ByteBuffer& plain)
{
    if (plain.size() != static_cast<std::size_t>(kPlainFileSize)) return std::nullopt;
    if (!std::equal(kFileSignature.begin(), kFileSignature.end(), plain.begin())) return std::nullopt;
    MemoryImage image;
    for (int address = 0; address < MemoryImage::kSize; ++address) {
        image.setAtAddress(address, plain[kHeaderSize + address]);
    }
    return image;
}

ByteBuffer EncodeDataFile(const MemoryImage& image)
{
    ByteBuffer bytes = BuildPlainForm(image);
    EncodeFile(bytes);
    return bytes;
}

std::optional<MemoryImage> DecodeDataFile(ByteBuffer fileBytes)
{
    if (!DecodeFile(fileBytes, kMaxIntermediateSize)) return std::nullopt;
    return ParsePlainForm(fileBytes);
}
