#include "app/translations.h"

#include "model/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

std::string TranslateWithQt(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english).toStdString();
}

// The first of the folders that has the translation for the user's language. None is no error:
// the texts stay English.
void Install(const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QLocale(), name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
        delete translator;
    }
}

} // namespace

void LoadTranslations()
{
    Install(QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    const QDir program(QCoreApplication::applicationDirPath());
    Install(QStringLiteral("halvex"),
            {program.filePath(QStringLiteral("translations")),
             program.filePath(QStringLiteral("../share/halvex/translations"))});
    SetTranslator(TranslateWithQt);
}
