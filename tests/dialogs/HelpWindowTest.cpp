#include <gtest/gtest.h>

#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>

#include "strings/HelpTopics.h"
#include "support/LanguageGuard.h"
#include "ui/dialogs/HelpWindow.h"

namespace {

QString ReadPage(const QString& language, const QString& file)
{
    QFile page(QStringLiteral(":/help/%1/%2").arg(language, file));
    return page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString();
}

// True when `link` ("page.html", "page.html#anchor", "#anchor" or a picture)
// names something present in `language`, seen from page `from`.
bool Resolves(const QString& language, const QString& from, const QString& link)
{
    const QString file = link.section(QLatin1Char('#'), 0, 0);
    const QString anchor = link.section(QLatin1Char('#'), 1);
    if (!QFile::exists(QStringLiteral(":/help/%1/%2").arg(language, file.isEmpty() ? from : file)))
        return false;
    return anchor.isEmpty() || ReadPage(language, file.isEmpty() ? from : file)
                                   .contains(QStringLiteral("name=\"%1\"").arg(anchor));
}

TEST(HelpPagesTest, EveryTopicLinkPictureAndColumnTopicResolvesInBothLanguages)
{
    const HelpWindow registersThePages(nullptr);
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("zh")}) {
        for (const HelpTopic& topic : HelpTopics()) {
            const QString page = QString::fromLatin1(topic.page);
            const QString html = ReadPage(language, page);
            ASSERT_FALSE(html.isEmpty()) << language.toStdString() << '/' << topic.page;
            for (const QRegularExpressionMatch& match : reference.globalMatch(html))
                EXPECT_TRUE(Resolves(language, page, match.captured(1)))
                    << language.toStdString() << '/' << topic.page << " -> "
                    << match.captured(1).toStdString();
        }
        for (int context = 7006; context <= 7016; ++context) {
            const QString link = QString::fromStdString(HelpPageForContext(context));
            EXPECT_TRUE(link.contains(QLatin1Char('#'))) << context;
            EXPECT_TRUE(Resolves(language, QString(), link)) << language.toStdString() << ' ' << context;
        }
    }
    EXPECT_EQ(HelpPageForContext(7017), "grid.html");
}

TEST(HelpWindowTest, FollowsTheLanguageOnTheSamePlaceAndKeepsContentsInStep)
{
    HelpWindow window(nullptr);
    ASSERT_EQ(window.lstTopics->count(), static_cast<int>(HelpTopics().size()));
    EXPECT_EQ(window.lstTopics->item(7)->text(), "Troubleshooting");
    EXPECT_EQ(window.currentPage(), "start.html");

    window.ShowPage("grid.html#bcl");
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(window.lstTopics->currentRow(), 1);

    const LanguageGuard chinese(1);
    window.ApplyLanguage();
    EXPECT_EQ(window.windowTitle(), "ZQ-915 帮助");
    EXPECT_EQ(window.lstTopics->item(7)->text(), "故障排除");
    EXPECT_EQ(window.txtHelp->source().toString(), "qrc:/help/zh/grid.html#bcl");
    EXPECT_TRUE(window.txtHelp->toPlainText().contains("繁忙锁定"));

    // A followed link (resolved as the browser resolves a click) moves the contents along.
    window.txtHelp->setSource(window.txtHelp->source().resolved(QUrl(QStringLiteral("trouble.html"))));
    EXPECT_EQ(window.txtHelp->source().toString(), "qrc:/help/zh/trouble.html");
    EXPECT_EQ(window.lstTopics->currentRow(), 7);
}

}  // namespace
