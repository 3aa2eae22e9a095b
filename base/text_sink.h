// Where diagnostic and report text goes: standard output in the programs, a string in
// tests. A null TextSink* means "silent"; the engine never prints without one.
#pragma once

#include <cstddef>
#include <string>

namespace veloranth {

class TextSink {
  public:
    virtual ~TextSink() = default;
    virtual void Write(const char* text, std::size_t length) = 0;
};

// printf-style formatting into `out`; does nothing when `out` is null.
void Print(TextSink* out, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// Collects the text in memory (tests, and texts composed for windows).
class StringSink : public TextSink {
  public:
    void Write(const char* text, std::size_t length) override { text_.append(text, length); }
    const std::string& str() const { return text_; }
    void clear() { text_.clear(); }

  private:
    std::string text_;
};

}  // namespace veloranth
