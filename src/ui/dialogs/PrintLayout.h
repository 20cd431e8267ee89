#pragma once

#include <QDateTime>
#include <QString>

#include "core/AppState.h"

class PrintSurface;

// What the user chose to print, plus the header values of the job.
struct PrintChoices {
    bool memoryChannels = false;
    bool optionalFeatures = false;
    int firstChannel = 1;   // 1..128; out-of-range values are clamped
    int lastChannel = 128;  // firstChannel..128; out-of-range values are clamped
    QString bandLabel;      // band text printed in every page header
    QDateTime printedAt;    // date and time printed in every page header
};

// The page is laid out as 130 columns by 60 lines over the printable area;
// all four values are in device units, rounded half to even.
struct PrintGrid {
    int leftMargin = 0;  // x of column 0: 10 % of the width
    int columnUnit = 0;  // 90 % of the width / 130
    int topMargin = 0;   // y of line 0: 5 % of the height
    int lineHeight = 0;  // 90 % of the height / 60
};
[[nodiscard]] PrintGrid ComputePrintGrid(int width, int height);

// Draws the chosen pages onto `surface` and ends the document: channel pages
// (nine channels each, the texts the channel grid shows, in blocks 5.75 lines
// apart from line 11) and/or one page of optional features, each with the page
// header and a "- N -" footer centred on the bottom edge of the printable
// area, below every other text of the page. Only
// channels 1..state.channelCount with a receive frequency in band are printed.
// Nothing is drawn when neither item is chosen. `state` is not changed: the
// display normalisation runs on a copy. Returns false when the surface reports
// a failure; the job stops at that point.
[[nodiscard]] bool PrintDocument(PrintSurface& surface, const AppState& state, const PrintChoices& choices);
