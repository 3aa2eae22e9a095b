// printf-style output onto a TextSink, without a fixed line length.
#include "base/text_sink.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace veloranth {

void Print(TextSink* out, const char* format, ...) {
    if (out == nullptr) {
        return;
    }
    char small[512];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (n >= 0 && static_cast<std::size_t>(n) < sizeof small) {
        out->Write(small, static_cast<std::size_t>(n));
    } else if (n >= 0) {
        std::vector<char> big(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(big.data(), big.size(), format, again);
        out->Write(big.data(), static_cast<std::size_t>(n));
    }
    va_end(again);
}

}  // namespace veloranth
