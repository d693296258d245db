#pragma once

// Loads the translations for the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): Qt's
// own, for its dialogs and messages, and the program's, found beside the program in a build
// folder (translations/) or in the installed share folder (../share/halvex/translations), and
// hands the program's to the clock logic's messages. Needs the application object; in English,
// or where no translation for the language is installed, everything stays as it is.
void LoadTranslations();
