#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void ApplyQtTranslations(std::uint8_t languageIndex)
{
    QCoreApplication* app = QCoreApplication::instance();
    const QString name = QStringLiteral("qtTranslations");
    if (auto* old = app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (languageIndex == 0) return;
    auto* translator = new QTranslator(app);
    translator->setObjectName(name);
    // "qt" is the catalogue that pulls in qtbase and the other modules' texts.
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
