#pragma once

#include <string>

// The logic writes its messages (the checks' findings, the reasons a send or a file failed) in
// English and passes each through Translate(), naming the group it belongs to. The program
// installs the one translator of the run at start-up, before any message is made, so the logic
// stays free of Qt; without one, and for a text it has no translation for, the English stands.
// A translated text keeps the printf conversions of its English in the same order, or numbers
// them ("%2$s ... %1$d").
using Translator = std::string (*)(const char* context, const char* english);

void SetTranslator(Translator translator);

std::string Translate(const char* context, const char* english);
