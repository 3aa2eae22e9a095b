// The parser core: failed allocations, and what the engine gets from a configuration.
#include "config/parser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "config/tests/config_fixture.h"

namespace veloranth {
namespace {

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
        fixture::CollectingReporter reporter;
        AppConfig cfg;
        std::string echo;
        EXPECT_EQ(ParseConfig<char>(kFile, cfg, echo, heap, reporter), kReadAllocationFailed);
        ASSERT_FALSE(reporter.notices.empty());
        EXPECT_EQ(reporter.notices.back(), ReadNotice::AllocationFailed);
        EXPECT_EQ(cfg.LatitudeRad, 0);  // nothing applied
        ReleaseTownTable(cfg, heap);
        EXPECT_EQ(heap.live, 0) << failFrom;
    }
}

// A convention the file does not define, or an index outside the table, gives the engine
// none (it then finds no time) instead of zero rules or a read past the table.
TEST(EngineInputs, OnlyDefinedConventionsReachTheEngine) {
    WideAppConfig cfg;
    cfg.Conventions[12].Defined = true;
    for (int index : {8, 12, 9, 31, 32, -1}) {
        cfg.CurrentConvention = index;
        EXPECT_EQ(EngineInputs(cfg).convention,
                  index == 8 || index == 12 ? &cfg.Conventions[index] : nullptr)
            << index;
    }
}

}  // namespace
}  // namespace veloranth
