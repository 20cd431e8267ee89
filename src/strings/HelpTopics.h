#pragma once

#include <span>
#include <string>

// The help's contents: one page per topic, in this order, each present in
// English and Chinese. A new topic needs a row here, a title text and a page
// in both languages (help.qrc).
struct HelpTopic {
    const char* page;  // file name, the same in every language
    int titleId;       // string table id of the contents entry
};

[[nodiscard]] std::span<const HelpTopic> HelpTopics();

// The page and anchor that explain a grid column, by the grid's help context
// number (7006 + column, 7006..7016), e.g. "grid.html#bcl". Any other number
// gives the grid page itself.
[[nodiscard]] std::string HelpPageForContext(int helpContext);
