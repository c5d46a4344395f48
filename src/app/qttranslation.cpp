#include "app/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

Q_LOGGING_CATEGORY(lcQtTranslation, "klangtruhe.app.translation")

namespace klangtruhe {

namespace {

constexpr const char *TranslatorName = "qtbase_de";

} // namespace

bool installQtTranslations(QCoreApplication &application)
{
    if (application.findChild<QTranslator *>(QString::fromLatin1(TranslatorName), Qt::FindDirectChildrenOnly))
        return true;
    // Beside the program first (the Windows package ships it there), then Qt's own folder.
    const QStringList folders = {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    auto *translator = new QTranslator(&application);
    translator->setObjectName(QString::fromLatin1(TranslatorName));
    for (const QString &folder : folders) {
        if (translator->load(QString::fromLatin1(TranslatorName), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    qCWarning(lcQtTranslation) << "no German Qt catalogue in" << folders;
    delete translator;
    return false;
}

} // namespace klangtruhe
