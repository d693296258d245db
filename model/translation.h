#pragma once

#include <string>

// The logic writes its messages (the checks' findings, the reasons a send or a file failed) in
// English and passes each through Translate(), naming the group it belongs to. The program
// installs the one translator of the run at start-up, before any message is made, so the logic
// stays free of Qt; without one, and for a text it has no translation for, the English stands.
// A translated text keeps the printf conversions of its English in the same order, or numbers
// all of them ("%2$s ... %1$d"); the build checks that it does.
using Translator = std::string (*)(const char* context, const char* english);

void SetTranslator(Translator translator);

std::string Translate(const char* context, const char* english);

// A text kept in a table and translated where it is used. lupdate reads
// TranslatableText("Context", "English") as it reads QT_TRANSLATE_NOOP.
struct TranslatableText {
    constexpr TranslatableText(const char* context, const char* english)
        : context(context)
        , english(english)
    {
    }

    const char* context;
    const char* english;
};

std::string Translate(const TranslatableText& text);

// printf into a string as long as the text needs: a translation may run longer than its
// English.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
