// Where town records and the town table come from: the C heap in the main program, the
// process heap in the plug-in (which releases them at unload); tests make it fail.
#pragma once

#include <cstddef>

namespace veloranth {

class TownAllocator {
  public:
    virtual ~TownAllocator() = default;
    // Zero-filled memory, or null.
    virtual void* Allocate(std::size_t bytes) = 0;
    virtual void Release(void* memory) = 0;
};

TownAllocator& HeapTownAllocator();

}  // namespace veloranth
