// gettext set up for the messages alone: LC_NUMERIC and the others stay "C", so data.cfg's
// numbers, JSON and the reports read and write a decimal point in every language.
#include "cli/translation.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/codepage.h"
#include "platform/module.h"

namespace veloranth::cli {
namespace {

const char kDomain[] = "veloranth";

const char* Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0' ? value : nullptr;
}

}  // namespace

void UseUserLanguage() {
    if (std::setlocale(LC_MESSAGES, "") == nullptr) {
        // A locale the system has not generated (fr_BE.UTF-8 where only fr_FR is): gettext
        // then reads the language from LANGUAGE, which it heeds under any locale but C.
        const char* wanted = Variable("LC_ALL")        ? Variable("LC_ALL")
                             : Variable("LC_MESSAGES") ? Variable("LC_MESSAGES")
                                                       : Variable("LANG");
        if (wanted != nullptr && std::setlocale(LC_MESSAGES, "C.UTF-8") != nullptr &&
            Variable("LANGUAGE") == nullptr) {
            setenv("LANGUAGE", wanted, 1);
        }
    }
    const std::string folder = Utf16ToUtf8(platform::ModuleFolder());
    if (!folder.empty()) {
        bindtextdomain(kDomain, (folder + "../share/locale").c_str());
    }
    bind_textdomain_codeset(kDomain, "UTF-8");
    textdomain(kDomain);
}

std::string Formatted(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) {
        std::vsnprintf(&text[0], text.size() + 1, format, again);
    }
    va_end(again);
    return text;
}

}  // namespace veloranth::cli
