#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "files/DataFile.h"
#include "files/FileCodec.h"

// Any bytes through the decoder and the open path: no crash, no out-of-bounds
// access, and whatever opens saves and reopens to the same image.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteBuffer input(data, data + size);

    ByteBuffer decoded = input;
    if (DecodeFile(decoded, 1 << 16) && !decoded.empty()) {
        ByteBuffer again = decoded;
        EncodeFile(again);
        if (!DecodeFile(again) || again != decoded) std::abort();
    }

    if (const std::optional<MemoryImage> image = DecodeDataFile(input)) {
        const std::optional<MemoryImage> reopened = DecodeDataFile(EncodeDataFile(*image));
        if (!reopened || !(*reopened == *image)) std::abort();
    }
    return 0;
}
