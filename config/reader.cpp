// ReadConfig for the main program: the parser with its messages printed on standard
// output, in the wording users of the diagnostic console know.
#include "config/reader.h"

#include <cstdio>

#include "base/codepage.h"
#include "config/config_path.h"
#include "config/file_ops.h"
#include "config/parser.h"
#include "engine/format.h"
#include "platform/files.h"

namespace veloranth {

namespace {

class PrintingReporter : public ReadReporter {
  public:
    explicit PrintingReporter(TextSink& out) : out_(out) {}

    void Notice(ReadNotice notice, const NoticeDetails& d) override {
        const char* name = d.name.c_str();
        switch (notice) {
            case ReadNotice::ConfigOpenFailed:
                Print(&out_, "File open error %s\n", "data.cfg");
                break;
            case ReadNotice::EchoOpenFailed:
                Print(&out_, "read_echo.cfg file open error\n");
                break;
            case ReadNotice::InvalidNumberOfTowns:
                Print(&out_, "Read config file Error : Invalid number of towns.\n");
                break;
            case ReadNotice::TownBeforeHeader:
                Print(&out_,
                      "Read config file Error : Town %d (%s) comes before the header line, "
                      "not used.\n",
                      d.index, name);
                break;
            case ReadNotice::TownBeyondCount:
                Print(&out_,
                      "Read config file Error : Town %d (%s) is beyond NumberOfTowns, "
                      "not used.\n",
                      d.index, name);
                break;
            case ReadNotice::TownConventionOutOfRange:
                Print(&out_,
                      "Read config file Error : Convention %d of town %s out of range "
                      "(0 to 31).\n",
                      d.index, name);
                break;
            case ReadNotice::UnknownTimeZone:
                Print(&out_,
                      "Read config file Error : Town %d (%s) has an unknown time zone %s, "
                      "not used.\n",
                      d.index, name, d.zone.c_str());
                break;
            case ReadNotice::ConventionOutOfRange:
                Print(&out_,
                      "Read config file Error : Convention index %d out of range "
                      "(0 to 31), line not used.\n",
                      d.index);
                break;
            case ReadNotice::RuleOutOfRange:
                Print(&out_,
                      "Read config file Error : High-latitude rule %d of convention %d out of "
                      "range (0 to 3), line not used.\n",
                      d.rule, d.index);
                break;
            case ReadNotice::ValueOutOfRange:
                if (d.ofConvention) {
                    Print(&out_,
                          "Read config file Error : %s %s of convention %d out of range "
                          "(%d to %d), line not used.\n",
                          d.column.c_str(), d.value.c_str(), d.index, d.low, d.high);
                } else {
                    Print(&out_,
                          "Read config file Error : %s %s out of range (%d to %d), line not "
                          "used.\n",
                          d.column.c_str(), d.value.c_str(), d.low, d.high);
                }
                break;
            case ReadNotice::SoundFileNotPlain:
                Print(&out_,
                      "Read config file Error : SoundFile \"%s\" is not a plain file name "
                      "(at most 64 characters, no \\ / :), line not used.\n",
                      name);
                break;
            case ReadNotice::ConventionNotDefined:
                Print(&out_, "Read config file Error : Convention %d of town %s is not defined.\n",
                      d.index, name);
                break;
            case ReadNotice::NameWithoutQuotes:
                Print(&out_,
                      "Read config file Error : Name of convention %d not between "
                      "double quotes, not used.\n",
                      d.index);
                break;
            case ReadNotice::NameTooLong:
                Print(&out_,
                      "Read config file Error : Name longer than 79 characters, cut to "
                      "%s\n",
                      name);
                break;
            case ReadNotice::FormatError:
                Print(&out_, "ReadError !!! on %s\n", "data.cfg");
                break;
            case ReadNotice::AllocationFailed:
                Print(&out_, "Read config file Error : Not enough memory for the towns.\n");
                break;
            case ReadNotice::TownCountMismatch:
                Print(&out_, "Number of towns does not match NTowns\n");
                break;
            case ReadNotice::SelectedTownOutOfRange:
                Print(&out_, "Error : Selected town out of range");
                break;
        }
    }

  private:
    TextSink& out_;
};

}  // namespace

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
                          AppConfig& cfg, TextSink& out) {
    PrintingReporter reporter(out);
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
