#include <QApplication>
#include <QIcon>

#include "core/AppState.h"
#include "platform/QSettingsStore.h"
#include "platform/QtPrompter.h"
#include "ui/main/frmMain.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zq915.svg")));

    AppState state;
    QtPrompter prompter;
    QSettingsStore settings;
    frmMain window(state, prompter, settings);
    if (!window.startedOk()) {
        window.close();
        return 1;
    }
    window.show();
    return QApplication::exec();
}
