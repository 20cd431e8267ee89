#pragma once

#include <QString>
#include <QWidget>

class QListWidget;
class QTextBrowser;
class QUrl;

// The help window: the contents list beside the page. Not modal; its opener
// keeps one and brings it to the front again. Pages come from the resources
// (:/help/en, :/help/zh) in the current language; links stay in that language.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    // Shows `page` ("grid.html" or "grid.html#bcl") and brings the window to the front.
    void ShowPage(const QString& page);
    // Brings the window to the front, on the page it last showed (the first
    // topic when new).
    void ShowCurrent();
    // Title, contents and the shown page in the current language.
    void ApplyLanguage();

    // The page shown, as "file.html" or "file.html#anchor".
    [[nodiscard]] QString currentPage() const;

    QListWidget* lstTopics;
    QTextBrowser* txtHelp;

private:
    void load(const QString& page);
    // Marks the contents entry of the page `shown` (the browser reports the
    // new source before source() returns it).
    void selectTopicOf(const QUrl& shown);
    void bringToFront();
};
