// The parser core: failed allocations, a second header, and the plug-in's wide form,
// which must read the same bytes the same way.
#include "config/parser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "config/codepage.h"
#include "config/tests/config_fixture.h"

namespace veloranth {
namespace {

class CollectingReporter : public ReadReporter {
  public:
    void Notice(ReadNotice notice, const NoticeDetails& d) override {
        notices.push_back(notice);
        names.push_back(d.name);
    }
    std::vector<ReadNotice> notices;
    std::vector<std::string> names;
};

// Fails from the n-th allocation on, and counts what is still allocated.
class FailingAllocator : public TownAllocator {
  public:
    explicit FailingAllocator(int failFrom) : failFrom_(failFrom) {}
    void* Allocate(std::size_t bytes) override {
        if (++calls_ >= failFrom_) {
            return nullptr;
        }
        ++live;
        return std::calloc(1, bytes);
    }
    void Release(void* memory) override {
        --live;
        std::free(memory);
    }
    int live = 0;

  private:
    int failFrom_;
    int calls_ = 0;
};

const std::string kFile = fixture::DataFile("written.cfg");

TEST(ParseConfig, FailedAllocationStopsWithoutUsingTheMissingMemory) {
    // Call 1 is the table, calls 2 to 5 the towns.
    for (int failFrom = 1; failFrom <= 5; ++failFrom) {
        FailingAllocator heap(failFrom);
        CollectingReporter reporter;
        AppConfig cfg;
        std::string echo;
        EXPECT_EQ(ParseConfig<char>(kFile, cfg, echo, heap, reporter), kReadAllocationFailed);
        ASSERT_FALSE(reporter.notices.empty());
        EXPECT_EQ(reporter.notices.back(), ReadNotice::AllocationFailed);
        EXPECT_EQ(cfg.CurrentConvention == 3, false);  // nothing applied
        ReleaseTownTable(cfg, heap);
        EXPECT_EQ(heap.live, 0) << failFrom;
    }
}

TEST(ParseConfig, SecondHeaderReplacesTheTableWithoutLeaking) {
    FailingAllocator heap(1000);
    CollectingReporter reporter;
    AppConfig cfg;
    std::string echo;
    EXPECT_EQ(ParseConfig<char>("1 1 0 0\n2 A B 1 2 0 0 0\n1 1 0 0\n", cfg, echo, heap, reporter),
              kReadTownCountMismatch);
    EXPECT_EQ(cfg.NumberOfTowns, 1);
    EXPECT_EQ(cfg.TownTable[0], nullptr);
    ReleaseTownTable(cfg, heap);
    EXPECT_EQ(heap.live, 0);
}

// The nine convention blocks of written.cfg, without its header and towns.
std::string ConventionBlocks() {
    std::size_t begin = kFile.find("8 Convention Name");
    return kFile.substr(begin, kFile.find("8 NumberOfTowns") - begin);
}

TEST(ParseConfig, WideFormReadsTheSameBytesTheSameWay) {
    // Windows-1252 names: e-acute, c-cedilla, the euro sign of 0x80.
    const std::string bytes =
        "1 2 1 0\n2 France Saint-\xC9tienne 45.43 4.39 1 1 0\n"
        "2 Fran\xE7"
        "e Caf\x80 1 2 1 1 0\n5 0 \"Pri\xE8re\"\n8 commentaire \xB0\n" +
        ConventionBlocks();
    CollectingReporter narrowNotices, wideNotices;
    AppConfig narrow;
    WideAppConfig wide;
    std::string narrowEcho;
    std::u16string wideEcho;
    ReadResult n = ParseConfig<char>(bytes, narrow, narrowEcho, HeapTownAllocator(), narrowNotices);
    ReadResult w = ParseConfig<char16_t>(Cp1252ToUtf16(bytes), wide, wideEcho, HeapTownAllocator(),
                                         wideNotices);
    EXPECT_EQ(n, w);
    EXPECT_EQ(narrowNotices.notices, wideNotices.notices);
    EXPECT_EQ(Utf16ToCp1252(wideEcho), narrowEcho);
    ASSERT_EQ(w, kReadOk);
    EXPECT_EQ(std::u16string(wide.TownTable[0]->Name), u"Saint-\u00C9tienne");
    EXPECT_EQ(std::u16string(wide.TownTable[1]->Country), u"Fran\u00E7e");
    EXPECT_EQ(std::u16string(wide.TownTable[1]->Name), u"Caf\u20AC");
    EXPECT_EQ(wide.TownTable[0]->latitude, narrow.TownTable[0]->latitude);
    EXPECT_EQ(wide.Conventions[6].ZuhrHour, 13.5);
    EXPECT_EQ(std::u16string(wide.Conventions[0].Name), u"Ligue Islamique Mondiale");
    EXPECT_EQ(wide.LongitudeRad, narrow.LongitudeRad);
    ReleaseTownTable(narrow, HeapTownAllocator());
    ReleaseTownTable(wide, HeapTownAllocator());
}

TEST(ParseConfig, WideFormOfAValidFile) {
    WideAppConfig wide;
    std::u16string echo;
    CollectingReporter reporter;
    ASSERT_EQ(
        ParseConfig<char16_t>(Cp1252ToUtf16(kFile), wide, echo, HeapTownAllocator(), reporter),
        kReadOk);
    EXPECT_EQ(Utf16ToCp1252(echo), kTranscriptionHeading + kFile);
    EXPECT_EQ(std::u16string(wide.SelectedTown().Name), u"La_Mecque");
    EXPECT_EQ(std::u16string(wide.Conventions[0].Name), u"Ligue Islamique Mondiale");
    EXPECT_EQ(wide.CurrentTimeZone, 3);
    ReleaseTownTable(wide, HeapTownAllocator());
}

TEST(Codepage, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf16ToCp1252(Cp1252ToUtf16(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\xE9\xB0\x80"), "\xC3\xA9\xC2\xB0\xE2\x82\xAC");
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x95\x8C"), u"\u00E9\u20AC\U0001F54C");
    EXPECT_EQ(Utf16ToCp1252(u"\u4E2D"), "?");
}

}  // namespace
}  // namespace veloranth
