#include "model/translation.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

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

std::string Translate(const TranslatableText& text)
{
    return Translate(text.context, text.english);
}

std::string FormatText(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    va_end(arguments);
    std::string text(length > 0 ? std::size_t(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}
