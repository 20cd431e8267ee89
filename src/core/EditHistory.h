#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "MemoryImage.h"

// What a step did, in words the caption shows: text id `textId` of the string
// table, for channel `channel` (1..128) or for the radio as a whole (0).
struct StepName {
    int textId = 0;
    int channel = 0;
    friend bool operator==(const StepName&, const StepName&) = default;
};

// The step as the Edit menu names it, current language: "Channel 3 RX Freq", "Model".
[[nodiscard]] std::string StepText(const StepName& name);

// Undo and redo of changes to the image. Each step keeps one whole image (the
// one to go back to), so the history costs at most kDepth images; the oldest
// steps go first. Recording a new step drops every step that could be redone.
class EditHistory final {
public:
    static constexpr std::size_t kDepth = 1000;

    // `before` is the image as it was before the step named `name`.
    void Record(const StepName& name, const MemoryImage& before);
    void Clear();

    [[nodiscard]] bool canUndo() const { return !m_undo.empty(); }
    [[nodiscard]] bool canRedo() const { return !m_redo.empty(); }
    // Name of the step Undo / Redo would take; only when canUndo / canRedo.
    [[nodiscard]] const StepName& undoName() const { return m_undo.back().name; }
    [[nodiscard]] const StepName& redoName() const { return m_redo.back().name; }
    [[nodiscard]] std::size_t size() const { return m_undo.size() + m_redo.size(); }

    // Puts the image back as before the last step (only when canUndo); the
    // replaced image is kept for Redo.
    void Undo(MemoryImage& image);
    // Puts the last undone step back (only when canRedo).
    void Redo(MemoryImage& image);

private:
    struct Step {
        StepName name;
        MemoryImage image;
    };

    std::deque<Step> m_undo;
    std::vector<Step> m_redo;
};
