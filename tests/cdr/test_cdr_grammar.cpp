// The wire form of the grammar's other kinds: 8-octet primitives, fixed arrays, sequences of
// primitives, wide strings, bounded strings and sequences (package cdr_grammar).
#include <gtest/gtest.h>

#include <algorithm>

#include "cdr_grammar/msg/detail/aligned__rosidl_typesupport_fastrtps_cpp.hpp"
#include "cdr_grammar/msg/detail/arrays__rosidl_typesupport_fastrtps_cpp.hpp"
#include "cdr_grammar/msg/detail/bounded__rosidl_typesupport_fastrtps_cpp.hpp"
#include "cdr_grammar/msg/detail/everything__rosidl_typesupport_fastrtps_cpp.hpp"
#include "cdr_grammar/msg/detail/inner__rosidl_typesupport_fastrtps_cpp.hpp"
#include "cdr_grammar/msg/detail/wide__rosidl_typesupport_fastrtps_cpp.hpp"
#include "cdr_support.hpp"
#include "counting_new.hpp"
#include "fastcdr/exceptions/BadParamException.h"
#include "fastcdr/exceptions/Exception.h"
#include "fill.hpp"

namespace
{

using cdr_test::Bytes;
using cdr_test::decode;
using cdr_test::encode;
using eprosima::fastcdr::exception::BadParamException;

TEST(CdrGrammar, EightOctetPrimitivesAlignToEight)
{
  const auto ops = CDR_OPS(cdr_grammar, msg, Aligned);
  cdr_grammar::msg::Aligned msg;
  msg.a = -1;
  msg.b = 1.0;
  msg.c = 2;
  msg.d = -2;
  EXPECT_EQ(encode(ops, msg), (Bytes{
    0xff, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0xf0, 0x3f,
    2, 0, 0, 0, 0, 0, 0, 0,
    0xfe, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff}));
  EXPECT_EQ(ops.size(msg, 4), 28u);  // b starts at 8 either way
  bool full_bounded = false;
  bool is_plain = false;
  EXPECT_EQ(ops.max(full_bounded, is_plain, 0), 32u);
  EXPECT_TRUE(full_bounded);
  EXPECT_TRUE(is_plain);
}

TEST(CdrGrammar, FixedArraysHaveNoCountSequencesDo)
{
  const auto ops = CDR_OPS(cdr_grammar, msg, Arrays);
  cdr_grammar::msg::Arrays msg;
  msg.tag = 9;
  msg.pair = {{1, 2}};
  msg.values = {1.0};
  EXPECT_EQ(encode(ops, msg), (Bytes{
    9, 0, 1, 0, 2, 0, 0, 0,
    1, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0xf0, 0x3f}));
  msg.values.clear();
  EXPECT_EQ(encode(ops, msg), (Bytes{9, 0, 1, 0, 2, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(CdrGrammar, WideStringsAsFastCdrWritesThem)
{
  const auto ops = CDR_OPS(cdr_grammar, msg, Wide);
  cdr_grammar::msg::Wide msg;
  msg.text = u"h\u00e9";
  msg.after = 5;
  const Bytes bytes = encode(ops, msg);
  EXPECT_EQ(bytes, (Bytes{2, 0, 0, 0, 'h', 0, 0, 0, 0xe9, 0, 0, 0, 5}));
  // Fast-CDR's own std::wstring writer agrees.
  std::vector<char> buffer(64);
  eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
  eprosima::fastcdr::Cdr cdr(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS);
  cdr.serialize(std::wstring(L"h\u00e9"));
  EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 12), Bytes(bytes.begin(), bytes.begin() + 12));
  cdr_grammar::msg::Wide back;
  decode(ops, bytes, back);
  EXPECT_EQ(back, msg);
}

TEST(CdrGrammar, BoundsHoldBothWays)
{
  const auto ops = CDR_OPS(cdr_grammar, msg, Bounded);
  bool full_bounded = false;
  bool is_plain = true;
  EXPECT_EQ(ops.max(full_bounded, is_plain, 0), 4u + 2 * 4 + 4 + 3 + 1);
  EXPECT_TRUE(full_bounded);
  EXPECT_FALSE(is_plain);

  cdr_grammar::msg::Bounded msg;
  msg.name = "abcd";
  EXPECT_THROW(encode(ops, msg, 0, 64), BadParamException);
  cdr_grammar::msg::Bounded back;
  // three values where two are allowed; a name of four characters where three are
  EXPECT_THROW(decode(ops, Bytes({3, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0}),
    back), BadParamException);
  EXPECT_THROW(decode(ops, Bytes({0, 0, 0, 0, 5, 0, 0, 0, 'a', 'b', 'c', 'd', 0}), back),
    BadParamException);
  decode(ops, Bytes({2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 'a', 'b', 'c', 0}), back);
  EXPECT_EQ(back.values.size(), 2u);
  EXPECT_EQ(back.name, "abc");
}

TEST(CdrGrammar, EveryKindRoundTripsAndRereadsWithoutAllocation)
{
  const auto ops = CDR_OPS(cdr_grammar, msg, Everything);
  for (uint32_t seed = 0; seed < 40; ++seed) {
    cdr_grammar::msg::Everything msg;
    cdr_test::Random random(seed);
    cdr_test::fill(msg, random);
    for (size_t a = 0; a < 8; ++a) {
      const Bytes bytes = encode(ops, msg, a);  // the buffer holds exactly the computed size
      cdr_grammar::msg::Everything back;
      cdr_test::Random other(seed + 500);
      cdr_test::fill(back, other);
      std::vector<char> buffer(bytes.begin(), bytes.end());
      eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
      eprosima::fastcdr::Cdr first(fast);
      first.jump(a);
      ops.deserialize(first, back);
      ASSERT_EQ(back, msg) << "seed " << seed << " alignment " << a;
      eprosima::fastcdr::Cdr again(fast);
      again.jump(a);
      cdr_test::reset_allocations();
      ops.deserialize(again, back);
      EXPECT_EQ(cdr_test::allocations().calls, 0u);
    }
    bool full_bounded = true;
    bool is_plain = true;
    ops.max(full_bounded, is_plain, 0);
    EXPECT_FALSE(full_bounded);
    EXPECT_FALSE(is_plain);

    // Every strict prefix is refused; octets of 0xFF read or throw, within the input's worth.
    const Bytes bytes = encode(ops, msg);
    for (size_t cut = 0; cut <= bytes.size(); ++cut) {
      for (const bool corrupt : {false, true}) {
        std::vector<char> buffer(bytes.begin(), bytes.begin() + cut);
        if (corrupt) {
          std::fill(buffer.begin(), buffer.end(), '\xff');
        }
        eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
        eprosima::fastcdr::Cdr cdr(fast);
        cdr_grammar::msg::Everything back;
        cdr_test::reset_allocations();
        bool thrown = false;
        try {
          ops.deserialize(cdr, back);
        } catch (const eprosima::fastcdr::exception::Exception &) {
          thrown = true;
        }
        EXPECT_LE(cdr_test::allocations().bytes, 4096 + 512 * cut);
        if (!corrupt) {
          EXPECT_EQ(thrown, cut < bytes.size()) << "cut " << cut;
        }
      }
    }
  }
}

TEST(CdrGrammar, NestedPlainTypes)
{
  const auto ops = CDR_OPS(cdr_grammar, msg, Inner);
  bool full_bounded = false;
  bool is_plain = false;
  EXPECT_EQ(ops.max(full_bounded, is_plain, 0), 16u);
  EXPECT_TRUE(is_plain);
  EXPECT_EQ(ops.max(full_bounded, is_plain, 4), 12u);
  EXPECT_FALSE(is_plain);
}

}  // namespace
