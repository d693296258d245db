#pragma once

#include <QStringList>

// The translations for the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads
// them): the program's own, found beside the program in a build folder (translations/) or in
// the installed share folder (../share/halvex/translations), and for the window Qt's own, for
// its dialogs and messages. Where the user's first language is English, or no translation for
// the language is installed, nothing is loaded and every text stays as it is.

// Where the program's translation is looked for: beside the program, then the share folder.
QStringList ProgramTranslationFolders();

// The window: installs both on the application and hands the program's to the clock logic's
// messages. Needs the application object.
void LoadTranslations(const QStringList& programFolders = ProgramTranslationFolders());

// The command line, which runs without an application object: the logic's messages, and the
// command line's own, which go through the logic's Translate() too, are looked up in the
// program's translation directly. It is loaded the first time a text is translated, so a
// command that says nothing never reads it.
void TranslateCommandLine();
