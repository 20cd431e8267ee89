#include "HelpWindow.h"

#include <QListWidget>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/QtText.h"
#include "strings/HelpTopics.h"
#include "strings/Strings.h"

namespace {

QString LanguageFolder() { return LanguageIndex() == 1 ? QStringLiteral("zh") : QStringLiteral("en"); }

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), lstTopics(new QListWidget), txtHelp(new QTextBrowser)
{
    // The pages are compiled into this static library; its resources must be
    // registered by hand.
    Q_INIT_RESOURCE(help);
    setObjectName(QStringLiteral("frmHelp"));
    lstTopics->setObjectName(QStringLiteral("lstTopics"));
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setOpenLinks(true);
    txtHelp->setOpenExternalLinks(false);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(lstTopics);
    splitter->addWidget(txtHelp);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({190, 750});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(960, 700);

    for (const HelpTopic& topic : HelpTopics()) {
        auto* item = new QListWidgetItem(lstTopics);
        item->setData(Qt::UserRole, QString::fromLatin1(topic.page));
    }
    // Arrow keys in the contents turn the pages; a click also returns to the top of the shown one.
    connect(lstTopics, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item) load(item->data(Qt::UserRole).toString());
    });
    connect(lstTopics, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { load(item->data(Qt::UserRole).toString()); });
    connect(txtHelp, &QTextBrowser::sourceChanged, this, &HelpWindow::selectTopicOf);
    ApplyLanguage();
}

void HelpWindow::ShowPage(const QString& page)
{
    load(page);
    bringToFront();
}

void HelpWindow::ShowCurrent() { bringToFront(); }

void HelpWindow::ApplyLanguage()
{
    setWindowTitle(QText(TextId::HelpTitle));
    const auto topics = HelpTopics();
    for (int row = 0; row < lstTopics->count(); ++row)
        lstTopics->item(row)->setText(QText(topics[static_cast<size_t>(row)].titleId));
    const QString page =
        txtHelp->source().isEmpty() ? QString::fromLatin1(topics.front().page) : currentPage();
    load(page);
    // Back and Forward would cross into the other language.
    txtHelp->clearHistory();
}

QString HelpWindow::currentPage() const
{
    const QUrl source = txtHelp->source();
    return source.hasFragment() ? source.fileName() + QLatin1Char('#') + source.fragment()
                                : source.fileName();
}

void HelpWindow::load(const QString& page)
{
    txtHelp->setSource(QUrl(QStringLiteral("qrc:/help/%1/%2").arg(LanguageFolder(), page)));
}

void HelpWindow::selectTopicOf(const QUrl& shown)
{
    const QString file = shown.fileName();
    for (int row = 0; row < lstTopics->count(); ++row) {
        if (lstTopics->item(row)->data(Qt::UserRole).toString() != file) continue;
        const QSignalBlocker blocker(lstTopics);
        lstTopics->setCurrentRow(row);
    }
}

void HelpWindow::bringToFront()
{
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
