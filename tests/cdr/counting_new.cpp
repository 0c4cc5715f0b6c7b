// Replaces the global operator new so that tests can count the allocations of a call.
#include "counting_new.hpp"

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
std::atomic<size_t> g_calls{0};
std::atomic<size_t> g_bytes{0};

void * counted(size_t size)
{
  g_calls.fetch_add(1, std::memory_order_relaxed);
  g_bytes.fetch_add(size, std::memory_order_relaxed);
  if (void * p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}
}  // namespace

void * operator new(size_t size) {return counted(size);}
void * operator new[](size_t size) {return counted(size);}
void operator delete(void * p) noexcept {std::free(p);}
void operator delete[](void * p) noexcept {std::free(p);}
void operator delete(void * p, size_t) noexcept {std::free(p);}
void operator delete[](void * p, size_t) noexcept {std::free(p);}

namespace cdr_test
{
void reset_allocations()
{
  g_calls = 0;
  g_bytes = 0;
}
AllocationCount allocations() {return {g_calls.load(), g_bytes.load()};}
}  // namespace cdr_test
