// The plug-in's reader: the shared parser on the UTF-16 text of data.cfg (Windows-1252
// widened), the transcription written back as 8-bit bytes, every problem in a message
// box with no owner, a missing file also in the diagnostic log.
#include "today/plugin_reader.h"

#include "config/config_path.h"
#include "config/parser.h"
#include "config/reader.h"
#include "platform/module.h"
#include "platform/win/wide.h"
#include "today/diagnostic_log.h"

namespace veloranth::today {

namespace {

class HeapOfTheProcess : public TownAllocator {
  public:
    void* Allocate(std::size_t bytes) override {
        return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
    }
    void Release(void* memory) override { HeapFree(GetProcessHeap(), 0, memory); }
};

void Box(const std::wstring& text, const wchar_t* caption) {
    MessageBoxW(nullptr, text.c_str(), caption, MB_OK);
}

// The same problems the main program prints, each in a box.
class BoxReporter : public ReadReporter {
  public:
    void Notice(ReadNotice notice, const NoticeDetails& d) override {
        const std::wstring name = platform::WindowText(d.name);
        const std::wstring index = std::to_wstring(d.index);
        switch (notice) {
            case ReadNotice::ConfigOpenFailed: {
                // Logging creates the log file: keep the error of the failed open for its line.
                DWORD error = GetLastError();
                LogText(GetLog(), "Cannot open data.cfg file");
                SetLastError(error);
                LogLastError(GetLog());
                Box(platform::ToWide(d.path), L"File open error");
                break;
            }
            case ReadNotice::EchoOpenFailed:
                Box(platform::ToWide(d.path), L"File open error");
                break;
            case ReadNotice::InvalidNumberOfTowns:
                break;  // the header's count is reported by the checks that follow
            case ReadNotice::TownBeforeHeader:
                Box(L"Town " + index + L" (" + name + L") comes before the header line, not used",
                    L"Read error");
                break;
            case ReadNotice::TownBeyondCount:
                Box(L"Town " + index + L" (" + name + L") is beyond NumberOfTowns, not used",
                    L"Read error");
                break;
            case ReadNotice::TownConventionOutOfRange:
                Box(L"Convention " + index + L" of town " + name + L" out of range (0 to 31)",
                    L"Read error");
                break;
            case ReadNotice::UnknownTimeZone:
                Box(L"Town " + index + L" (" + name + L") has an unknown time zone " +
                        platform::WindowText(d.zone) + L", not used",
                    L"Read error");
                break;
            case ReadNotice::ConventionOutOfRange:
                Box(L"Convention index " + index + L" out of range (0 to 31), line not used",
                    L"Read error");
                break;
            case ReadNotice::RuleOutOfRange:
                Box(L"High-latitude rule " + std::to_wstring(d.rule) + L" of convention " + index +
                        L" out of range (0 to 3), line not used",
                    L"Read error");
                break;
            case ReadNotice::ValueOutOfRange:
                Box(platform::WindowText(d.column + " " + d.value) +
                        (d.ofConvention ? L" of convention " + index : L"") + L" out of range (" +
                        std::to_wstring(d.low) + L" to " + std::to_wstring(d.high) +
                        L"), line not used",
                    L"Read error");
                break;
            case ReadNotice::SoundFileNotPlain:
                Box(L"SoundFile \"" + name +
                        L"\" is not a plain file name (at most 64 characters, no \\ / :), "
                        L"line not used",
                    L"Read error");
                break;
            case ReadNotice::ConventionNotDefined:
                Box(L"Convention " + index + L" of town " + name + L" is not defined",
                    L"Read error");
                break;
            case ReadNotice::NameWithoutQuotes:
                Box(L"Name of convention " + index + L" not between double quotes, not used",
                    L"Read error");
                break;
            case ReadNotice::NameTooLong:
                Box(L"Name longer than 79 characters, cut to " + name, L"Read error");
                break;
            case ReadNotice::FormatError:
                Box(L"bad format of data.cfg", L"Read error");
                break;
            case ReadNotice::AllocationFailed:
                Box(L"Allocation is not ok", L"Allocation error");
                break;
            case ReadNotice::TownCountMismatch:
                Box(L"Number of towns does not match NTowns", L"Read error");
                break;
            case ReadNotice::SelectedTownOutOfRange:
                Box(L"Selected town out of range", L"Read error");
                break;
        }
    }
};

}  // namespace

TownAllocator& ProcessHeapAllocator() {
    static HeapOfTheProcess heap;
    return heap;
}

ReadResult ReadPluginConfig(const std::u16string& folder, WideAppConfig& cfg) {
    if (cfg.NumberOfTowns != 0) {
        ReleaseTownTable(cfg, ProcessHeapAllocator());  // a table read earlier
    }
    BoxReporter reporter;
    ReadResult result = ReadConfigFiles(ConfigPath(folder, kConfigFileName),
                                        ConfigPath(folder, kEchoFileName), cfg,
                                        ProcessHeapAllocator(), reporter);
    cfg.Verbose = 0;  // the plug-in prints nothing, whatever the file says
    return result;
}

ReadResult ReadConfig(HMODULE module, WideAppConfig& cfg) {
    return ReadPluginConfig(platform::ModuleFolder(module), cfg);
}

}  // namespace veloranth::today
