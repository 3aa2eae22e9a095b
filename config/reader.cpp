// ReadConfig for the main program: the parser with its messages printed on standard
// output, in the wording users of the diagnostic console know.
#include "config/reader.h"

#include <cstdio>

#include "base/codepage.h"
#include "config/config_path.h"
#include "config/file_ops.h"
#include "config/notice_text.h"
#include "config/parser.h"
#include "engine/format.h"
#include "platform/files.h"

namespace veloranth {

namespace {

// The console's lines for the files and the checks after the records, in the wording users
// of the diagnostic console know.
const struct {
    ReadNotice notice;
    const char* line;
} kFileLines[] = {
    {ReadNotice::ConfigOpenFailed, "File open error data.cfg\n"},
    {ReadNotice::EchoOpenFailed, "read_echo.cfg file open error\n"},
    {ReadNotice::InvalidNumberOfTowns, "Read config file Error : Invalid number of towns.\n"},
    {ReadNotice::FormatError, "ReadError !!! on data.cfg\n"},
    {ReadNotice::AllocationFailed, "Read config file Error : Not enough memory for the towns.\n"},
    {ReadNotice::TownCountMismatch, "Number of towns does not match NTowns\n"},
    {ReadNotice::SelectedTownOutOfRange, "Error : Selected town out of range"},
};

class PrintingReporter : public ReadReporter {
  public:
    PrintingReporter(TextSink& out, ReadReporter* also) : out_(out), also_(also) {}

    void Notice(ReadNotice notice, const NoticeDetails& d) override {
        PrintNotice(notice, d, out_);
        if (also_ != nullptr) {
            also_->Notice(notice, d);
        }
    }

  private:
    TextSink& out_;
    ReadReporter* also_;
};

}  // namespace

void PrintNotice(ReadNotice notice, const NoticeDetails& d, TextSink& out) {
    if (const std::optional<NoticeText> record = RecordNoticeText(notice, d)) {
        Print(&out, "Read config file Error : %s%s\n", record->text.c_str(),
              record->period ? "." : "");
        return;
    }
    for (const auto& f : kFileLines) {
        if (f.notice == notice) {
            Print(&out, "%s", f.line);
        }
    }
}

bool LoadFile(const std::u16string& path, std::string& content) {
    std::FILE* f = platform::OpenFile(path, "rb");
    if (f == nullptr) {
        return false;
    }
    content.clear();
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        content.append(buffer, n);
    }
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

OwnedConfig::~OwnedConfig() {
    ReleaseTownTable(cfg, HeapTownAllocator());
}

ReadResult ReadConfig(const std::u16string& folder, AppConfig& cfg, TextSink& out) {
    return ReadConfigFile(ConfigPath(folder, kConfigFileName), ConfigPath(folder, kEchoFileName),
                          cfg, out);
}

template <class Char>
ReadResult ReadConfigFiles(const std::u16string& configPath, const std::u16string& echoPath,
                           BasicAppConfig<Char>& cfg, TownAllocator& allocator,
                           ReadReporter& reporter) {
    std::string bytes;
    if (!LoadFile(configPath, bytes)) {
        NoticeDetails d;
        d.path = configPath;
        reporter.Notice(ReadNotice::ConfigOpenFailed, d);
        return kReadOpenFailed;
    }
    if (!echoPath.empty()) {
        std::FILE* echo = platform::OpenFile(echoPath, "wb");
        if (echo == nullptr) {
            NoticeDetails d;
            d.path = echoPath;
            reporter.Notice(ReadNotice::EchoOpenFailed, d);
            return kReadEchoFailed;
        }
        std::fclose(echo);
    }
    std::basic_string<Char> transcription;
    ReadResult result;
    if constexpr (sizeof(Char) == 1) {
        result = ParseConfig<Char>(bytes, cfg, transcription, allocator, reporter);
    } else {
        result = ParseConfig<Char>(Cp1252ToUtf16(bytes), cfg, transcription, allocator, reporter);
    }
    // The transcription is a diagnostic aid: a failure to write it changes nothing else.
    if (!echoPath.empty()) {
        if constexpr (sizeof(Char) == 1) {
            WriteWholeFile(echoPath, transcription);
        } else {
            WriteWholeFile(echoPath, Utf16ToCp1252(transcription));
        }
    }
    return result;
}

template ReadResult ReadConfigFiles<char>(const std::u16string&, const std::u16string&, AppConfig&,
                                          TownAllocator&, ReadReporter&);
template ReadResult ReadConfigFiles<char16_t>(const std::u16string&, const std::u16string&,
                                              WideAppConfig&, TownAllocator&, ReadReporter&);

ReadResult ReadConfigFile(const std::u16string& configPath, const std::u16string& echoPath,
                          AppConfig& cfg, TextSink& out, ReadReporter* also) {
    PrintingReporter reporter(out, also);
    ReadResult result = ReadConfigFiles(configPath, echoPath, cfg, HeapTownAllocator(), reporter);
    if (result == kReadOk && cfg.Verbose != 0) {
        PrintCurrentPlace(cfg, out);
    }
    return result;
}

void PrintCurrentPlace(const AppConfig& cfg, TextSink& out) {
    const Town& t = cfg.SelectedTown();
    Print(&out, "Lieu actuel : \n");
    Print(&out, "Lieu : %s, %s\n", t.Country, t.Name);
    Print(&out, "latitude=%s   longitude=%s\n", FormatDegrees(cfg.LatitudeRad).text,
          FormatDegrees(cfg.LongitudeRad).text);
    Print(&out, "Convention %d\n", cfg.CurrentConvention);
}

}  // namespace veloranth
