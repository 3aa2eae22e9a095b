// Standard output on Linux; there is no debugger output to speak of.
#include "platform/output.h"

#include <cstdio>

namespace veloranth::platform {

namespace {

class StdoutText : public TextSink {
  public:
    void Write(const char* text, std::size_t length) override {
        std::fwrite(text, 1, length, stdout);
    }
};

}  // namespace

TextSink& StandardOutput() {
    static StdoutText out;
    return out;
}

void DebugOutput(const std::u16string&) {}

}  // namespace veloranth::platform
