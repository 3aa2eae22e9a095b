// The Linux programs' own texts in the user's language: gettext's domain "veloranth", the
// English texts as message ids, the catalogues found relative to the program.
#pragma once

#include <libintl.h>

#include <string>

// A text to translate where it is used; N_ marks one kept in a table and translated later.
#define _(text) gettext(text)
#define N_(text) text

namespace veloranth::cli {

// Chooses the language of the messages from the environment (LC_ALL, LC_MESSAGES, LANG,
// LANGUAGE) and finds the catalogues in ../share/locale beside the program. Only the
// messages follow the locale: numbers are read and written as in the C locale. Texts come
// out in UTF-8 whatever the locale's character set.
void UseUserLanguage();

// printf-style formatting into a string (a translated format keeps its checks through
// gettext's format_arg attribute).
std::string Formatted(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace veloranth::cli
