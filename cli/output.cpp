// Encoded writes, remembering the first write error so that it is reported, not lost.
#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/codepage.h"
#include "cli/translation.h"

namespace veloranth::cli {
namespace {

bool gRaw = false;
int gWriteError = 0;

std::string ForTerminal(const std::string& utf8) {
    return gRaw ? Utf16ToCp1252(Utf8ToUtf16(utf8)) : utf8;
}

void WriteError(const std::string& utf8) {
    const std::string bytes = ForTerminal(utf8);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
}

}  // namespace

void UseCp1252(bool raw) {
    gRaw = raw;
}

void WriteBytes(const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() && gWriteError == 0) {
        gWriteError = errno != 0 ? errno : EIO;
    }
}

void WriteText(const std::string& cp1252) {
    WriteBytes(gRaw ? cp1252 : Cp1252ToUtf8(cp1252));
}

void WriteUtf8(const std::string& utf8) {
    WriteBytes(ForTerminal(utf8));
}

void EncodedOutput::Write(const char* text, std::size_t length) {
    WriteText(std::string(text, length));
}

int Fail(const std::string& message) {
    const std::size_t lineEnd = message.find('\n');
    WriteError(
        "veloranth-cli: " + Formatted(_("%s; see --help"), message.substr(0, lineEnd).c_str()) +
        "\n" + (lineEnd == std::string::npos ? "" : message.substr(lineEnd + 1) + "\n"));
    return 2;
}

void Warn(const std::string& message) {
    WriteError("veloranth-cli: " + Formatted(_("warning: %s"), message.c_str()) + "\n");
}

int Finish(int status) {
    if (std::fflush(stdout) != 0 && gWriteError == 0) {
        gWriteError = errno != 0 ? errno : EIO;
    }
    if (gWriteError != 0) {
        return Fail(Formatted(_("cannot write the output: %s"), std::strerror(gWriteError)));
    }
    return status;
}

}  // namespace veloranth::cli
