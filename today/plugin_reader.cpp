// The plug-in's reader: the shared parser on the UTF-16 text of data.cfg (Windows-1252
// widened), the transcription written back as 8-bit bytes, every problem in a message
// box with no owner, a missing file also in the diagnostic log.
#include "today/plugin_reader.h"

#include "config/config_path.h"
#include "config/notice_text.h"
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
        if (const std::optional<NoticeText> record = RecordNoticeText(notice, d)) {
            Box(platform::WindowText(record->text), L"Read error");
            return;
        }
        if (notice == ReadNotice::ConfigOpenFailed) {
            // Logging creates the log file: keep the error of the failed open for its line.
            DWORD error = GetLastError();
            LogText(GetLog(), "Cannot open data.cfg file");
            SetLastError(error);
            LogLastError(GetLog());
        }
        if (notice == ReadNotice::ConfigOpenFailed || notice == ReadNotice::EchoOpenFailed) {
            Box(platform::ToWide(d.path), L"File open error");
        }
        // The header's count below 1 is told by the checks that follow.
        const struct {
            ReadNotice notice;
            const wchar_t *text, *caption;
        } kBoxes[] = {
            {ReadNotice::FormatError, L"bad format of data.cfg", L"Read error"},
            {ReadNotice::AllocationFailed, L"Allocation is not ok", L"Allocation error"},
            {ReadNotice::TownCountMismatch, L"Number of towns does not match NTowns", L"Read error"},
            {ReadNotice::SelectedTownOutOfRange, L"Selected town out of range", L"Read error"},
        };
        for (const auto& b : kBoxes) {
            if (b.notice == notice) {
                Box(b.text, b.caption);
            }
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
