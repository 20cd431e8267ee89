#pragma once

#include <cstdint>
#include <string>

#include "MemoryImage.h"

// The process-wide values of the program, owned by main() and handed to the
// windows by reference. Touched on the user-interface thread only.
struct AppState {
    MemoryImage memoryImage;

    // Recomputed from the band code, never stored in the image.
    std::uint8_t channelCount = 128;  // 128, or 8 on band 248
    std::int16_t toneListLast = 260;  // 260 full tone list, 38 reduced
    std::int16_t bandLowerMHz = 240;
    std::int16_t bandUpperMHz = 260;

    // Document state.
    std::string documentPath = "Untitled";
    MemoryImage imageSnapshot;

    // Grid cursor: row 1..channelCount, column 1..10; currentChannel = currentRow - 1,
    // the image column of the current channel.
    int currentRow = 1;
    int currentCol = 1;
    int currentChannel = 0;

    std::uint8_t transferMode = 0;    // 0 read, 1 write, 2 test window
    std::uint8_t commPortNumber = 1;  // COM1..COM4, never stored
    std::string commPortDevice;       // explicit device path chosen in the port dialog; empty = COMn
    std::string commPortShownDevice;  // the device COMn showed when chosen; empty = look it up at open
    std::uint8_t copyMode = 0;        // 0 channel, 1 frequency, 2 QT/DQT
    bool verifyAfterWrite = false;    // a completed write is read back and compared
};
