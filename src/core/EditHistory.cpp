#include "EditHistory.h"

#include <utility>

#include "strings/Strings.h"

std::string StepText(const StepName& name)
{
    if (name.channel == 0) return Text(name.textId);
    return TextWith(TextId::ChannelStep, {std::to_string(name.channel), Text(name.textId)});
}

void EditHistory::Record(const StepName& name, const MemoryImage& before)
{
    m_redo.clear();
    if (m_undo.size() == kDepth) m_undo.pop_front();
    m_undo.push_back({name, before});
}

void EditHistory::Clear()
{
    m_undo.clear();
    m_redo.clear();
}

void EditHistory::Undo(MemoryImage& image)
{
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    std::swap(step.image, image);
    m_redo.push_back(std::move(step));
}

void EditHistory::Redo(MemoryImage& image)
{
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    std::swap(step.image, image);
    m_undo.push_back(std::move(step));
}
