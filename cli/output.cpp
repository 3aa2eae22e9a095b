// Encoded writes, remembering the first write error so that it is reported, not lost.
#include "cli/output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "base/codepage.h"

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
    WriteError("veloranth-cli: " + message.substr(0, lineEnd) + "; see --help\n" +
               (lineEnd == std::string::npos ? "" : message.substr(lineEnd + 1) + "\n"));
    return 2;
}

void Warn(const std::string& message) {
    WriteError("veloranth-cli: warning: " + message + "\n");
}

int Finish(int status) {
    if (std::fflush(stdout) != 0 && gWriteError == 0) {
        gWriteError = errno != 0 ? errno : EIO;
    }
    if (gWriteError != 0) {
        return Fail(std::string("cannot write the output: ") + std::strerror(gWriteError));
    }
    return status;
}

}  // namespace veloranth::cli
