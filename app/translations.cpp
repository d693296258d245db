#include "app/translations.h"

#include "app/windowmodule.h"
#include "model/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

// English is what the program is written in: a user whose first language it is, or who asks
// for the C locale, gets no translation even where one for a later language is installed.
bool EnglishWanted()
{
    const QStringList languages = QLocale().uiLanguages();
    return languages.isEmpty() || languages.front() == QLatin1String("C") ||
           languages.front().startsWith(QLatin1String("en"));
}

// The first of the folders that has the translation for the user's language, or none: the
// texts then stay English.
std::unique_ptr<QTranslator> LoadFirst(const QString& name, const QStringList& folders)
{
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
            return translator;
    }
    return nullptr;
}

void Install(std::unique_ptr<QTranslator> translator)
{
    if (!translator)
        return;
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
}

std::string TranslateWithApplication(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english).toStdString();
}

std::string TranslateWithProgramTranslation(const char* context, const char* english)
{
    // Made once, on the first text, also when a send's thread asks at the same time.
    static const std::unique_ptr<QTranslator> translation =
        EnglishWanted() ? nullptr
                        : LoadFirst(QStringLiteral("halvex"), ProgramTranslationFolders());
    const QString translated = translation ? translation->translate(context, english) : QString();
    return translated.isEmpty() ? english : translated.toStdString();
}

} // namespace

QStringList ProgramTranslationFolders()
{
    const QDir program(QString::fromLocal8Bit(ProgramFolder().c_str()));
    return {program.filePath(QStringLiteral("translations")),
            program.filePath(QStringLiteral("../share/halvex/translations"))};
}

void LoadTranslations(const QStringList& programFolders)
{
    if (EnglishWanted())
        return;
    Install(
        LoadFirst(QStringLiteral("qtbase"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)}));
    Install(LoadFirst(QStringLiteral("halvex"), programFolders));
    SetTranslator(TranslateWithApplication);
}

void TranslateCommandLine()
{
    SetTranslator(TranslateWithProgramTranslation);
}
