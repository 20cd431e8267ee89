#pragma once

class frmMain;
struct AppState;

// The two whole-window refreshes every command that replaces or resets the
// document goes through, so their order lives in one place.

// After the image has been replaced (a file loaded, the radio read): band
// limits, General selections, channel count, tone list and grid layout from
// the band code, then every channel row drawn, which also erases what lies
// outside the band. Snapshot, path and title are the caller's.
void RefreshFromImage(frmMain& window, AppState& state);

// A fresh untitled document for the image's current model and band: new image
// and grid, band limits, empty cells, snapshot, "Untitled", title.
void StartUntitledDocument(frmMain& window, AppState& state);
