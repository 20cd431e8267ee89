#pragma once

#include <string>
#include <vector>

#include "MemoryImage.h"

// The radio-wide optional features (columns 129..131) as the Optional Features
// dialog shows them: list indexes and texts. -1 means "no selection" (text typed
// into an editable list), which writes as 0.
struct OptionalFeatures {
    int timeOutTimer = 0;   // 0 "Off", n = n*30 s
    int squelchLevel = 0;   // 0..9
    int chordLanguage = 0;  // 0 Chinese, 1 English, 2 Off
    int voxGain = 0;        // 0 "Off", 1..9
    int voxDelay = 0;       // 0..5: 0.3, 0.5, 1.0, 1.5, 2.0, 3.0 s
    bool beepTone = false;
    bool batterySave = false;
    bool scrambler = false;
    std::string ani;   // up to 4 digits
    std::string name;  // up to 6 of "1".."9", "A".."Z"
    bool pttIdBot = false;
    bool pttIdEot = false;
};

// Values out of a list's range read as index 0; Chord Language with bit 1
// clear reads as Off; ANI and name stop at their first invalid byte.
[[nodiscard]] OptionalFeatures ReadOptionalFeatures(const MemoryImage& image);

// Writes exactly the feature bytes and bits (read-modify-write), nothing else.
void WriteOptionalFeatures(MemoryImage& image, const OptionalFeatures& features);

// The list entries in the current language, index = stored value.
[[nodiscard]] std::vector<std::string> TimeOutTimerChoices();
[[nodiscard]] std::vector<std::string> SquelchLevelChoices();
[[nodiscard]] std::vector<std::string> ChordLanguageChoices();
[[nodiscard]] std::vector<std::string> VoxGainChoices();
[[nodiscard]] std::vector<std::string> VoxDelayChoices();

// The features one by one, in the order the dialog's tab order visits them
// and the printed features page lists them.
enum class Feature {
    TimeOutTimer,
    SquelchLevel,
    ChordLanguage,
    BeepTone,
    BatterySave,
    Scrambler,
    VoxGain,
    VoxDelay,
    Ani,
    Name,
    PttIdBot,
    PttIdEot,
};
inline constexpr Feature kFeatures[] = {
    Feature::TimeOutTimer, Feature::SquelchLevel, Feature::ChordLanguage, Feature::BeepTone,
    Feature::BatterySave,  Feature::Scrambler,    Feature::VoxGain,       Feature::VoxDelay,
    Feature::Ani,          Feature::Name,         Feature::PttIdBot,      Feature::PttIdEot,
};

// The feature's label (or check box caption) in the current language.
[[nodiscard]] std::string FeatureLabel(Feature feature);
// The list entries of a list feature in the current language, index = stored
// value; empty for the others.
[[nodiscard]] std::vector<std::string> FeatureChoices(Feature feature);
// What the dialog shows for the feature: the selected entry ("" for no
// selection), "Enable" or "Disable" for a check box, the ANI or the name.
[[nodiscard]] std::string FeatureValueText(const OptionalFeatures& features, Feature feature);
