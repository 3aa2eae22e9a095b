// What veloranth-cli writes, on standard output and standard error, in the encoding the
// run asks for: UTF-8, or Windows-1252 with --cp1252 for every text, messages and errors
// included. JSON, CSV and iCalendar are UTF-8 whatever it says: their formats require it.
#pragma once

#include <string>

#include "base/text_sink.h"

namespace veloranth::cli {

// Set once, before anything is written.
void UseCp1252(bool raw);

// The program's own 8-bit texts (reports, names from data.cfg).
void WriteText(const std::string& cp1252);
// Texts made on the command line's side, in UTF-8 (paths, edit reports).
void WriteUtf8(const std::string& utf8);
// Bytes as they are (JSON, CSV, iCalendar, --help).
void WriteBytes(const std::string& bytes);

// The program's 8-bit texts as a sink, for the reports that print as they go.
class EncodedOutput : public TextSink {
  public:
    void Write(const char* text, std::size_t length) override;
};

// Writes "veloranth-cli: MESSAGE; see --help" on standard error, the hint at the end of
// the message's first line (the lines after it list candidates); returns the exit status 2.
int Fail(const std::string& utf8Message);
void Warn(const std::string& utf8Message);

// Flushes standard output; the exit status: `status`, or 2 with a message when a write
// failed.
int Finish(int status);

}  // namespace veloranth::cli
