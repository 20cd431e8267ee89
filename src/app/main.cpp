#include <iostream>

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>

#include "core/AppState.h"
#include "platform/Backups.h"
#include "platform/InterruptWatcher.h"
#include "platform/QSettingsStore.h"
#include "platform/QtPrompter.h"
#include "ui/main/DocumentCommands.h"
#include "ui/main/RadioCommands.h"
#include "ui/main/frmMain.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    backups::SetApplicationNames();
    QGuiApplication::setDesktopFileName(QStringLiteral(ZQ_DESKTOP_FILE_NAME));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/zq915.svg")));

    AppState state;
    QtPrompter prompter;
    QSettingsStore settings;
    frmMain window(state, prompter, settings);
    if (!window.startedOk()) {
        window.close();
        return 1;
    }
    // "--demo" starts with the built-in demo radio chosen as the port.
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.removeAll(QStringLiteral("--demo")) > 0) window.radioCommands().UseDemoRadio();
    window.show();
    // SIGINT or SIGTERM: a transfer under way tells the radio End first, so it
    // is not left in programming mode.
    InterruptWatcher interrupts;
    QObject::connect(&interrupts, &InterruptWatcher::interrupted, &app, [&window](int signal) {
        const QString note = window.radioCommands().interruptTransfer();
        if (!note.isEmpty()) std::cerr << qPrintable(note) << std::endl;
        QCoreApplication::exit(InterruptWatcher::exitStatus(signal));
    });
    // Work left by a crash is offered first; then a data file handed over by
    // a file manager opens as if chosen in Open (asking about restored
    // changes), once the window is up to own any message about it.
    const QString path = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).absoluteFilePath();
    QTimer::singleShot(0, &window, [&window, path] {
        window.offerRecoveries();
        if (!path.isEmpty()) window.documentCommands().OpenPath(path);
    });
    return QApplication::exec();
}
