#pragma once

#include "core/Layout.h"
#include "core/MemoryImage.h"
#include "radio/RadioModel.h"

// Distinct, recognisable contents for radios and documents in link tests.

inline RadioModel::Memory PatternMemory(int seed)
{
    RadioModel::Memory memory{};
    for (int a = 0; a < RadioModel::kMemorySize; ++a) memory[a] = static_cast<std::uint8_t>(a * 13 + seed);
    return memory;
}

inline MemoryImage PatternImage(int seed)
{
    MemoryImage image;
    for (int i = 0; i < MemoryImage::kSize; ++i) image.bytes()[i] = static_cast<std::uint8_t>(i * 7 + seed);
    return image;
}

// Gives the image the identification the radio will send.
inline void MatchIdentification(MemoryImage& image, const RadioModel& radio)
{
    const RadioModel::Identification ident = radio.identification();
    for (int i = 0; i < 8; ++i) image.set(7 - i, layout::kRadioColumn, ident[i]);
}

inline bool RadioHoldsImage(const RadioModel& radio, const MemoryImage& image)
{
    for (int a = 0; a < RadioModel::kMemorySize; ++a)
        if (radio.memory()[a] != image.atAddress(a)) return false;
    return true;
}

// Columns 132..255 never travel.
inline bool UpperColumnsEqual(const MemoryImage& a, const MemoryImage& b)
{
    for (int c = layout::kRadioColumnCount; c < MemoryImage::kColumns; ++c)
        for (int r = 0; r < MemoryImage::kRows; ++r)
            if (a.at(r, c) != b.at(r, c)) return false;
    return true;
}
