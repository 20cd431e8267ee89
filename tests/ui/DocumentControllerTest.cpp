#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "core/AppState.h"
#include "core/BandTable.h"
#include "core/DocumentState.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "files/DataFile.h"
#include "strings/Strings.h"
#include "support/ScriptedPrompter.h"
#include "ui/main/CellEditing.h"
#include "ui/main/ChannelGrid.h"
#include "ui/main/DocumentCommands.h"
#include "ui/main/DocumentController.h"
#include "ui/main/GeneralPanel.h"

namespace {

// The document's parts on a plain widget, no main window: a command reaches
// the grid, the panel and the title through the controller alone.
class DocumentControllerTest : public ::testing::Test {
protected:
    DocumentControllerTest()
        : panel(new GeneralPanel(&host)),
          grid(new ChannelGrid(state, &host)),
          document(state, *grid, *panel, *new CellEditing(state, prompter, *grid, host))
    {
        SetLanguageIndex(0);
        QObject::connect(&document, &DocumentController::titleChanged, &host,
                         [this](const QString& text) { title = text.toStdString(); });
        state.memoryImage.set(layout::kBandRow, layout::kRadioColumn, kSmallBandCode);
        document.StartUntitledDocument();
    }

    AppState state;
    ScriptedPrompter prompter;
    QWidget host;
    GeneralPanel* panel;
    ChannelGrid* grid;
    DocumentController document;
    std::string title;
};

TEST_F(DocumentControllerTest, OpenThroughTheControllerRedrawsGridPanelAndTitle)
{
    EXPECT_EQ(title, BuildTitle("Untitled"));
    EXPECT_EQ(grid->rowCount(), 8);

    MemoryImage image = state.memoryImage;
    image.set(layout::kBandRow, layout::kRadioColumn, 239);
    StoreFreq(image, 1, layout::kRxFreqRow, "145.00000");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("b.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const ByteBuffer bytes = EncodeDataFile(image);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();

    DocumentCommands commands(document, prompter, host);
    commands.OpenPath(path);

    EXPECT_EQ(title, BuildTitle(path.toStdString()));
    EXPECT_EQ(grid->rowCount(), 128);
    EXPECT_EQ(grid->cellText(2, ChannelGrid::kRxFreqCol), "145.00000");
    EXPECT_EQ(panel->selection().band, 1);
    EXPECT_FALSE(IsModified(state));
    EXPECT_TRUE(prompter.asked.empty());
}

}  // namespace
