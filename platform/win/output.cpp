// Standard output (the console a GUI program was started from, if any) and
// OutputDebugStringW for the window texts.
#include "platform/output.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "platform/win/wide.h"

namespace veloranth::platform {

namespace {

class StdoutText : public TextSink {
  public:
    // The texts carry their own line ends: no CR is to be added.
    StdoutText() { _setmode(_fileno(stdout), _O_BINARY); }
    void Write(const char* text, std::size_t length) override {
        std::fwrite(text, 1, length, stdout);
        std::fflush(stdout);
    }
};

}  // namespace

TextSink& StandardOutput() {
    static StdoutText out;
    return out;
}

void DebugOutput(const std::u16string& text) {
    OutputDebugStringW(WideChars(text));
}

}  // namespace veloranth::platform
