// Heap allocations made by this test binary, counted by its replacement of operator new.
#pragma once

#include <cstddef>

namespace cdr_test
{

struct AllocationCount
{
  size_t calls = 0;
  size_t bytes = 0;
};

// The allocations made since the last call of reset_allocations().
void reset_allocations();
AllocationCount allocations();

}  // namespace cdr_test
