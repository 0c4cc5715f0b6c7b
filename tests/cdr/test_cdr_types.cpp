// Every pelorin message type, with random content: sizes, round trips at every alignment,
// reading over old values, re-reading without allocation, and hostile input.
#include <gtest/gtest.h>

#include <string>

#include "counting_new.hpp"
#include "fastcdr/exceptions/Exception.h"
#include "fill.hpp"
#include "pelorin_cdr.hpp"

namespace
{

using cdr_test::Bytes;
using cdr_test::Ops;

constexpr uint32_t kSeeds = 12;

// get_serialized_size is what the writer writes at every alignment (the buffer is exactly
// that large), and the octets read back to the same message over one that held other values.
template<typename T>
void check_round_trips(const Ops<T> & ops, const char * name)
{
  SCOPED_TRACE(name);
  for (uint32_t seed = 0; seed < kSeeds; ++seed) {
    T msg;
    cdr_test::Random random(seed);
    cdr_test::fill(msg, random);
    Bytes at0;
    for (size_t a = 0; a < 8; ++a) {
      const Bytes bytes = cdr_test::encode(ops, msg, a);
      ASSERT_EQ(bytes.size() - a, ops.size(msg, a)) << "seed " << seed << " alignment " << a;
      if (a == 0) {
        at0 = bytes;
      }
    }
    T other;
    cdr_test::Random other_random(seed + 1000);
    cdr_test::fill(other, other_random);
    ASSERT_EQ(cdr_test::decode(ops, at0, other), at0.size());
    ASSERT_TRUE(other == msg) << "seed " << seed;
  }
}

TEST(CdrTypes, EveryTypeRoundTripsAtEveryAlignment)
{
#define CHECK(kind, Type) check_round_trips(PELORIN_OPS(kind, Type), #Type);
  PELORIN_MESSAGE_TYPES(CHECK)
#undef CHECK
}

// Reading the same octets again into the same message allocates nothing: strings and
// vectors keep their storage.
template<typename T>
void check_reread_allocates_nothing(const Ops<T> & ops, const char * name)
{
  SCOPED_TRACE(name);
  for (uint32_t seed = 0; seed < kSeeds; ++seed) {
    T msg;
    cdr_test::Random random(seed);
    cdr_test::fill(msg, random);
    std::vector<char> buffer;
    {
      const Bytes bytes = cdr_test::encode(ops, msg);
      buffer.assign(bytes.begin(), bytes.end());
    }
    T target;
    eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
    eprosima::fastcdr::Cdr first(fast);
    ops.deserialize(first, target);
    eprosima::fastcdr::Cdr again(fast);
    cdr_test::reset_allocations();
    ops.deserialize(again, target);
    EXPECT_EQ(cdr_test::allocations().calls, 0u) << "seed " << seed;
    EXPECT_TRUE(target == msg);
  }
}

TEST(CdrTypes, RereadingAllocatesNothing)
{
#define CHECK(kind, Type) check_reread_allocates_nothing(PELORIN_OPS(kind, Type), #Type);
  PELORIN_MESSAGE_TYPES(CHECK)
#undef CHECK
}

// Reads `bytes` (exactly that many octets); returns false when the reader threw one of
// Fast-CDR's exceptions. Fails when the read allocated more than the input can be worth.
template<typename T>
bool read_hostile(const Ops<T> & ops, const Bytes & bytes)
{
  std::vector<char> buffer(bytes.begin(), bytes.end());
  eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
  eprosima::fastcdr::Cdr cdr(fast);
  bool read = true;
  {
    T msg;
    cdr_test::reset_allocations();
    try {
      ops.deserialize(cdr, msg);
    } catch (const eprosima::fastcdr::exception::Exception &) {
      read = false;
    }
    // Elements are at most a few hundred octets in memory for every octet they need on the
    // wire; a count the input cannot hold must never reach an allocation.
    EXPECT_LE(cdr_test::allocations().bytes, 4096 + 512 * bytes.size()) << cdr_test::hex(bytes);
  }
  return read;
}

template<typename T>
void check_hostile_input(const Ops<T> & ops, const char * name)
{
  SCOPED_TRACE(name);
  for (uint32_t seed = 0; seed < 4; ++seed) {
    T msg;
    cdr_test::Random random(seed);
    cdr_test::fill(msg, random);
    const Bytes bytes = cdr_test::encode(ops, msg);
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
      EXPECT_FALSE(read_hostile(ops, Bytes(bytes.begin(), bytes.begin() + cut))) <<
        "read " << cut << " of " << bytes.size() << " octets";
    }
    read_hostile(ops, Bytes(bytes.size(), 0xff));  // may read or throw, but safely
    read_hostile(ops, Bytes(bytes.size() + 64, 0xff));
  }
}

TEST(CdrTypes, TruncatedAndCorruptedInputThrowsSafely)
{
#define CHECK(kind, Type) check_hostile_input(PELORIN_OPS(kind, Type), #Type);
  PELORIN_MESSAGE_TYPES(CHECK)
#undef CHECK
}

}  // namespace
