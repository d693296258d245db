#include "model/translation.h"

#include <atomic>

namespace {
// Set once at start-up; a send's thread may read it while the window's thread runs.
std::atomic<Translator> Installed = nullptr;
} // namespace

void SetTranslator(Translator translator)
{
    Installed.store(translator);
}

std::string Translate(const char* context, const char* english)
{
    const Translator translator = Installed.load();
    return translator ? translator(context, english) : english;
}
