// libFuzzer target: arbitrary bytes as data.cfg. Both readers must survive them without
// a sanitizer report, and read them the same way (the wide one after Windows-1252), the
// towns' tz zones included. A file that reads whole is written back, and that file must
// read and write back to the same bytes: a save never changes what the file says.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "base/text_sink.h"
#include "config/parser.h"
#include "config/writer.h"

namespace {

class Notices : public veloranth::ReadReporter {
  public:
    void Notice(veloranth::ReadNotice notice, const veloranth::NoticeDetails&) override {
        seen.push_back(notice);
    }
    std::vector<veloranth::ReadNotice> seen;
};

// The writer's file, read back and written again: the same bytes.
void WriteBackTwice(const veloranth::AppConfig& cfg) {
    using namespace veloranth;
    StringSink ignored;
    const std::string written = ComposeConfigFile(cfg, cfg.TownSelected, ignored);
    AppConfig again;
    std::string echo;
    Notices notices;
    if (ParseConfig<char>(written, again, echo, HeapTownAllocator(), notices) != kReadOk ||
        ComposeConfigFile(again, again.TownSelected, ignored) != written) {
        std::abort();  // a save would change the file
    }
    ReleaseTownTable(again, HeapTownAllocator());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veloranth;
    std::string bytes(reinterpret_cast<const char*>(data), size);

    AppConfig narrow;
    std::string narrowEcho;
    Notices narrowNotices;
    ReadResult n = ParseConfig<char>(bytes, narrow, narrowEcho, HeapTownAllocator(), narrowNotices);

    WideAppConfig wide;
    std::u16string wideEcho;
    Notices wideNotices;
    ReadResult w = ParseConfig<char16_t>(Cp1252ToUtf16(bytes), wide, wideEcho, HeapTownAllocator(),
                                         wideNotices);

    if (n != w || narrowNotices.seen != wideNotices.seen || Utf16ToCp1252(wideEcho) != narrowEcho) {
        std::abort();  // the two readers disagree
    }
    if (n == kReadOk && !narrow.HasSelectedTown()) {
        std::abort();
    }
    if (n == kReadOk) {
        WriteBackTwice(narrow);
    }
    for (int i = 0; narrow.TownTable && wide.TownTable && i < narrow.NumberOfTowns; ++i) {
        const Town* a = narrow.TownTable[i];
        const WideTown* b = wide.TownTable[i];
        if ((a == nullptr) != (b == nullptr) || (a != nullptr && a->zone != b->zone)) {
            std::abort();  // a town the readers kept differently, or in different zones
        }
    }
    ReleaseTownTable(narrow, HeapTownAllocator());
    ReleaseTownTable(wide, HeapTownAllocator());
    return 0;
}
