#pragma once

#include "AppState.h"

// The image part of the new-document reset: everything 0xFF except the kept
// band and model codes and the column-129 defaults; then the band layout.
void ResetImage(AppState& state);

// channelCount and toneListLast from the image's band code (8/38 on band 248,
// else 128/260).
void ApplyBandLayout(AppState& state);
