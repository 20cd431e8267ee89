#include <gtest/gtest.h>

#include "core/EditHistory.h"

namespace {

// An image told apart by its first byte.
MemoryImage ImageOf(std::uint8_t mark)
{
    MemoryImage image;
    image.set(0, 0, mark);
    return image;
}

TEST(EditHistoryTest, UndoAndRedoWalkTheStepsAndANewStepDropsTheRedo)
{
    EditHistory history;
    MemoryImage image = ImageOf(0);
    for (std::uint8_t mark = 1; mark <= 3; ++mark) {
        history.Record({1200, mark}, image);
        image = ImageOf(mark);
    }
    history.Undo(image);
    history.Undo(image);
    EXPECT_EQ(image, ImageOf(1));
    EXPECT_EQ(history.undoName(), (StepName{1200, 1}));
    EXPECT_EQ(history.redoName(), (StepName{1200, 2}));
    history.Redo(image);
    EXPECT_EQ(image, ImageOf(2));

    history.Record({1877}, image);
    image = ImageOf(9);
    EXPECT_FALSE(history.canRedo());
    history.Undo(image);
    EXPECT_EQ(image, ImageOf(2));
    history.Undo(image);
    history.Undo(image);
    EXPECT_EQ(image, ImageOf(0));
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(history.size(), 3U);
}

TEST(EditHistoryTest, KeepsTheNewestStepsUpToItsDepthAndClears)
{
    EditHistory history;
    MemoryImage image;
    const int steps = EditHistory::kDepth + 5;
    for (int step = 0; step < steps; ++step) {
        image.set(0, 0, static_cast<std::uint8_t>(step));
        image.set(0, 1, static_cast<std::uint8_t>(step >> 8));
        history.Record({1200, step}, image);
    }
    EXPECT_EQ(history.size(), EditHistory::kDepth);
    int undone = 0;
    while (history.canUndo()) {
        history.Undo(image);
        ++undone;
    }
    EXPECT_EQ(undone, static_cast<int>(EditHistory::kDepth));
    EXPECT_EQ(image.at(0, 0) | image.at(0, 1) << 8, 5);  // the five oldest are gone
    EXPECT_EQ(history.size(), EditHistory::kDepth);      // all of them redoable, no more

    history.Clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.size(), 0U);
}

}  // namespace
