#include "tests/support/FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {
bool Failing = false;
int RefusedCount = 0;
}  // namespace

void* operator new(std::size_t size)
{
    if (Failing) {
        ++RefusedCount;
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

TFailingAllocation::TFailingAllocation() : FSaved(Failing)
{
    Failing = true;
}

TFailingAllocation::~TFailingAllocation()
{
    Failing = FSaved;
}

int TFailingAllocation::Refused()
{
    return RefusedCount;
}

TAllocationAllowed::TAllocationAllowed() : FSaved(Failing)
{
    Failing = false;
}

TAllocationAllowed::~TAllocationAllowed()
{
    Failing = FSaved;
}
