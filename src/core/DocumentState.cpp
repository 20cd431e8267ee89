#include "DocumentState.h"

#include "strings/Strings.h"

void TakeSnapshot(AppState& state) { state.imageSnapshot = state.memoryImage; }

bool IsModified(const AppState& state) { return state.memoryImage != state.imageSnapshot; }

std::string BuildTitle(const std::string& documentPath)
{
    // Paths from dialogs use "/" on every platform; documents named elsewhere may carry "\".
    const std::size_t separator = documentPath.find_last_of("\\/");
    const std::string fileName =
        separator == std::string::npos ? documentPath : documentPath.substr(separator + 1);
    return Text(TextId::SoftwareTitle) + " [" + Text(TextId::FileName) + ": " + fileName + "]";
}
