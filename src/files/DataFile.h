#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "core/MemoryImage.h"
#include "files/FileCodec.h"

// The plain form of a data file: "ZQ-915", ten 0xFF bytes, then the image
// column by column (byte (r, c) at offset 16 + c*16 + r).
inline constexpr int kPlainFileSize = 16 + MemoryImage::kSize;
inline constexpr std::string_view kFileSignature = "ZQ-915";

// A data file is a few kilobytes; nothing longer is read.
inline constexpr std::size_t kMaxDataFileBytes = 1 << 20;

[[nodiscard]] ByteBuffer BuildPlainForm(const MemoryImage& image);
// The image of a plain form; nullopt unless it is 4112 bytes starting "ZQ-915".
[[nodiscard]] std::optional<MemoryImage> ParsePlainForm(const ByteBuffer& plain);

// The bytes of a data file, and back. DecodeDataFile returns nullopt for
// anything that is not a data file.
[[nodiscard]] ByteBuffer EncodeDataFile(const MemoryImage& image);
[[nodiscard]] std::optional<MemoryImage> DecodeDataFile(ByteBuffer fileBytes);
