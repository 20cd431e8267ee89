#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>

#include "MainWindowFixture.h"

// The help pages' and the README's pictures show the menu bar. When they were
// taken, scripts/help-screenshots.sh wrote the top-level menu titles they show,
// in both languages, into menus-shown.txt beside the help pages; with
// ZQ_WRITE_PICTURE_MENUS set this test writes that list instead of checking.
// A menu added, renamed or moved since then fails here until the pictures
// are taken again.

namespace {

class PictureMenus : public MainWindowFixture {
protected:
    // "&File" and "文件(&F)" as the menu bar shows them: "File", "文件".
    QString menuTitles()
    {
        static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&"));
        QStringList titles;
        for (const QAction* menu : window->menuBar()->actions()) titles << menu->text().remove(mnemonic);
        return titles.join(QLatin1Char('|'));
    }
};

TEST_F(PictureMenus, HelpAndReadmePicturesShowTheCurrentMenus)
{
    start("239");
    QString shown;
    for (const std::uint8_t language : {0, 1}) {
        SetLanguageIndex(language);
        window->document().ApplyLanguage();
        shown += QStringLiteral("%1 %2\n").arg(language ? "zh" : "en", menuTitles());
    }
    QFile list(QStringLiteral(ZQ_SOURCE_DIR "/src/ui/dialogs/help/menus-shown.txt"));
    if (qEnvironmentVariableIsSet("ZQ_WRITE_PICTURE_MENUS")) {
        ASSERT_TRUE(list.open(QIODevice::WriteOnly | QIODevice::Truncate));
        list.write(shown.toUtf8());
        return;
    }
    ASSERT_TRUE(list.open(QIODevice::ReadOnly)) << list.fileName().toStdString();
    EXPECT_EQ(QString::fromUtf8(list.readAll()).toStdString(), shown.toStdString())
        << "The menus differ from those in the help and README pictures: run scripts/help-screenshots.sh";
}

}  // namespace
