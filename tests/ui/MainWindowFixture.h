#pragma once

#include <map>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "core/AppState.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsStore.h"
#include "strings/Strings.h"
#include "support/ScriptedPrompter.h"
#include "ui/main/CellEditing.h"
#include "ui/main/ChannelGrid.h"
#include "ui/main/DocumentController.h"
#include "ui/main/FrequencyEditor.h"
#include "ui/main/frmMain.h"

// Remembered values kept in memory.
class MemorySettings final : public SettingsStore {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::string readString(std::string_view name) override
    {
        const auto found = values.find(name);
        return found == values.end() ? std::string() : found->second;
    }
    bool writeString(std::string_view name, std::string_view text) override
    {
        values[std::string(name)] = std::string(text);
        return true;
    }
};

// A real, shown and active main window driven by key and mouse events.
class MainWindowFixture : public ::testing::Test {
protected:
    void TearDown() override
    {
        SetLanguageIndex(0);
        ApplyQtTranslations(0);
    }

    void start(const std::string& lastFreq)
    {
        // Backups of reads go to Qt's test folders, not the user's.
        QStandardPaths::setTestModeEnabled(true);
        settings.values["LastFreq"] = lastFreq;
        window = std::make_unique<frmMain>(state, prompter, settings, m_recoveryDir.path());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    ChannelGrid& grid() { return window->document().grid(); }
    FrequencyEditor& freqEditor() { return *window->document().cellEditing().frequencyEditor(); }
    QComboBox& toneEditor() { return *window->document().cellEditing().toneEditor(); }
    QComboBox& optionEditor() { return *window->document().cellEditing().optionEditor(); }
    QString cell(int n, int col) { return grid().cellText(n, col); }
    std::uint8_t byte(int row, int channel) { return state.memoryImage.at(row, channel - 1); }

    void clickCell(int n, int col)
    {
        grid().scrollToItem(grid().item(n - 1, col));
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, grid().cellRect(n, col).center());
    }
    // Clicks the cell and types into the frequency editor that opens, then Enter.
    void enterFrequency(int n, int col, const QString& text)
    {
        clickCell(n, col);
        ASSERT_TRUE(freqEditor().isVisible());
        freqEditor().clear();
        QTest::keyClicks(&freqEditor(), text);
        QTest::keyClick(&freqEditor(), Qt::Key_Return);
    }
    // Opens the drop-down editor of (n, col) and picks `text` as a user would.
    void choose(int n, int col, const QString& text)
    {
        clickCell(n, col);
        QComboBox& editor = col <= ChannelGrid::kEncodeCol ? toneEditor() : optionEditor();
        ASSERT_TRUE(editor.isVisible());
        const int index = editor.findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        while (editor.currentIndex() != index)
            QTest::keyClick(&editor, editor.currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }

    QTemporaryDir m_recoveryDir;  // this window's recovery copies, outliving it
    AppState state;
    ScriptedPrompter prompter;
    MemorySettings settings;
    std::unique_ptr<frmMain> window;
};
