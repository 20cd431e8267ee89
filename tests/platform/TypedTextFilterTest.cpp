#include "platform/TypedTextFilter.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace {

std::optional<QChar> Typed(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    return TypedCharacter(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

TEST(TypedCharacter, ShortcutsAndEditingKeysTypeNothing)
{
    EXPECT_EQ(Typed(Qt::Key_A, Qt::ShiftModifier, "A"), QChar(u'A'));
    EXPECT_EQ(Typed(Qt::Key_At, Qt::ControlModifier | Qt::AltModifier, "@"), QChar(u'@')) << "AltGr";
    EXPECT_EQ(Typed(Qt::Key_Comma, Qt::KeypadModifier, ","), QChar(u'.'));
    EXPECT_EQ(Typed(Qt::Key_V, Qt::ControlModifier, "v"), std::nullopt);
    EXPECT_EQ(Typed(Qt::Key_1, Qt::AltModifier, "1"), std::nullopt);
    EXPECT_EQ(Typed(Qt::Key_Backspace, Qt::NoModifier, "\b"), std::nullopt);
    EXPECT_EQ(Typed(Qt::Key_Delete, Qt::NoModifier, "\x7f"), std::nullopt);
}

}  // namespace
