#pragma once

#include <optional>
#include <string>
#include <vector>

#include "MemoryImage.h"

// What changes from `before` to `after`, one line per difference in the
// current language, as the editors show it: general settings ("Model: 7105A ->
// 7105C"), channel cells ("CH 5 RX Freq: 145.50000 -> 145.52500", or a whole
// channel appearing or going), optional features ("Squelch Level: 3 -> 5"),
// then by address every byte no editor shows ("Address 0x80F: FF -> 00").
// Both documents are compared as the window opens them (display
// normalisation applied). Empty when they hold the same document.
[[nodiscard]] std::vector<std::string> DescribeDifferences(const MemoryImage& before,
                                                           const MemoryImage& after);

// The first radio address (0x000..0x83F) where the bytes differ, if any.
[[nodiscard]] std::optional<int> FirstRadioDifference(const MemoryImage& sent, const MemoryImage& stored);

// After a write and its read-back: "Writing completed and verified: ..." or
// "Verification failed at CH 5, address 0x04B: written 20, read DF.", in the
// current language.
[[nodiscard]] std::string VerificationText(const MemoryImage& sent, const MemoryImage& stored);

// Where a radio address lies: "CH 5" for a channel record, "Column 129" for
// the others, in the current language.
[[nodiscard]] std::string AddressOwnerText(int address);

// "0x04B"
[[nodiscard]] std::string AddressText(int address);
