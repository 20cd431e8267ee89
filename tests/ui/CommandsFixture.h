#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <span>

#include "MainWindowFixture.h"
#include "core/AppState.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "files/DataFile.h"
#include "platform/SerialPort.h"
#include "radio/RadioModel.h"
#include "strings/Strings.h"
#include "support/ScriptedPrompter.h"
#include "ui/main/ChannelGrid.h"
#include "ui/main/DocumentController.h"
#include "ui/main/GeneralPanel.h"
#include "ui/main/frmMain.h"

// The far end of a programming cable with a RadioModel on it, shared by every
// port the program opens during a test.
struct FakeLine {
    RadioModel radio;
    bool refuseOpen = false;
    QStringList opened;  // the name of every successful open, in order
};

// A serial port wired to a FakeLine. Replies arrive from the event loop, as
// they would from a real line; late replies never arrive.
class RadioModelPort final : public SerialPort {
public:
    explicit RadioModelPort(FakeLine& line) : m_line(line) {}

    bool open(const QString& name) override
    {
        if (m_line.refuseOpen) return false;
        m_line.opened << name;
        m_open = true;
        return true;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    void clear() override { m_received.clear(); }
    bool write(const QByteArray& bytes) override
    {
        if (!m_open) return false;
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        for (const RadioModel::Reply& reply : m_line.radio.receive(std::span(data, bytes.size()))) {
            if (reply.late) continue;
            QByteArray chunk(reinterpret_cast<const char*>(reply.bytes.data()),
                             static_cast<qsizetype>(reply.bytes.size()));
            QTimer::singleShot(0, this, [this, chunk] {
                if (!m_open) return;
                m_received += chunk;
                Q_EMIT dataReceived();
            });
        }
        return true;
    }
    QByteArray readAll() override { return std::exchange(m_received, {}); }
    QString errorText() const override
    {
        return m_line.refuseOpen ? QStringLiteral("Permission denied") : QString();
    }

private:
    FakeLine& m_line;
    bool m_open = false;
    QByteArray m_received;
};

// A started main window over its own state, answering prompts from a script.
class CommandsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetLanguageIndex(0);
        ASSERT_TRUE(m_dir.isValid());
        window = std::make_unique<frmMain>(state, prompter, settings, path(QStringLiteral("recovery")));
        ASSERT_TRUE(window->startedOk());
        freshImage = state.memoryImage;
    }
    void TearDown() override
    {
        window.reset();
        SetLanguageIndex(0);
    }

    ChannelGrid& grid() const { return window->document().grid(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Channel n with an RX frequency (and TX if given) in the image only.
    static void PutChannel(MemoryImage& image, int n, const char* rx, const char* tx = nullptr)
    {
        StoreFreq(image, n - 1, layout::kRxFreqRow, rx);
        if (tx) StoreFreq(image, n - 1, layout::kTxFreqRow, tx);
    }

    // A data file holding `image`; returns its path.
    QString WriteDataFile(const QString& name, const MemoryImage& image) const
    {
        const ByteBuffer bytes = EncodeDataFile(image);
        return WriteRaw(name, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                         static_cast<qsizetype>(bytes.size())));
    }
    QString WriteRaw(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    // The image a data file holds (nullopt if none).
    static std::optional<MemoryImage> ReadDataFile(const QString& filePath)
    {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
        const QByteArray bytes = file.readAll();
        return DecodeDataFile(ByteBuffer(bytes.begin(), bytes.end()));
    }

    // Types into channel n's RX cell the way the grid does: a committed edit.
    void EditChannel(int n, const char* rx)
    {
        PutChannel(state.memoryImage, n, rx);
        window->document().RenderChannelRow(n);
    }

    AppState state;
    ScriptedPrompter prompter;
    MemorySettings settings;
    std::unique_ptr<frmMain> window;
    MemoryImage freshImage;  // the new document at start-up, band 240

private:
    QTemporaryDir m_dir;
};
