#include "ChannelShift.h"

#include "Layout.h"

namespace {

bool inRange(int channelCount, int channel) { return channel >= 1 && channel <= channelCount; }

void copyColumn(MemoryImage& image, int from, int to)
{
    for (int row = 0; row < layout::kChannelBytes; ++row) image.set(row, to, image.at(row, from));
}

}  // namespace

void InsertEmptyChannel(MemoryImage& image, int channelCount, int channel)
{
    if (!inRange(channelCount, channel)) return;
    const int first = channel - 1;
    for (int column = channelCount - 1; column > first; --column) copyColumn(image, column - 1, column);
    image.fillColumn(first, layout::kEmpty);
}

void DeleteChannel(MemoryImage& image, int channelCount, int channel)
{
    if (!inRange(channelCount, channel)) return;
    for (int column = channel - 1; column < channelCount - 1; ++column) copyColumn(image, column + 1, column);
    image.fillColumn(channelCount - 1, layout::kEmpty);
}
