// The C output for the whole definition grammar: member types, constants, default values
// written by __init, fixed arrays held inline, and copy/compare of every member kind.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>

#include "c_grammar/msg/everything.h"
#include "c_grammar/msg/inner.h"
#include "rosidl_runtime_c/primitives_sequence_functions.h"
#include "rosidl_runtime_c/string_functions.h"
#include "rosidl_runtime_c/u16string_functions.h"

namespace {

using Everything = c_grammar__msg__Everything;

bool u16_equals(const rosidl_runtime_c__U16String& s, const char16_t* expected) {
  const std::u16string want(expected);
  return s.size == want.size() &&
         std::memcmp(s.data, want.data(), want.size() * sizeof(char16_t)) == 0;
}

TEST(CGrammar, MemberTypesAndConstants) {
  static_assert(std::is_same<decltype(Everything::ch), uint8_t>::value, "char is an octet");
  static_assert(std::is_same<decltype(Everything::u64), uint64_t>::value, "");
  static_assert(std::is_same<decltype(Everything::bws), rosidl_runtime_c__U16String>::value, "");
  static_assert(std::is_same<decltype(Everything::doubles), rosidl_runtime_c__double__Sequence>::value, "");
  static_assert(std::is_same<decltype(Everything::bounded_strings), rosidl_runtime_c__String__Sequence>::value, "");
  static_assert(std::is_same<decltype(Everything::bounded_inners), c_grammar__msg__Inner__Sequence>::value, "");
  static_assert(sizeof(Everything::fixed_ints) == 3 * sizeof(int32_t), "fixed arrays are inline");
  static_assert(sizeof(Everything::fixed_inner) == 2 * sizeof(c_grammar__msg__Inner), "");

  EXPECT_EQ(c_grammar__msg__Everything__SMALL, -5);
  EXPECT_EQ(c_grammar__msg__Everything__U16, 60000);
  EXPECT_EQ(c_grammar__msg__Everything__U32, 4000000000u);
  EXPECT_EQ(c_grammar__msg__Everything__I64, -9000000000ll);
  EXPECT_EQ(c_grammar__msg__Everything__U64, 18000000000000000000ull);
  EXPECT_EQ(c_grammar__msg__Everything__F64, -2.25);
  EXPECT_EQ(c_grammar__msg__Everything__FLAG, 1);
  EXPECT_STREQ(c_grammar__msg__Everything__GREETING, "hello");
  EXPECT_EQ(std::u16string(c_grammar__msg__Everything__WIDE), u"wide");
}

TEST(CGrammar, InitWritesDefaultValues) {
  Everything* m = c_grammar__msg__Everything__create();
  ASSERT_NE(m, nullptr);
  EXPECT_TRUE(m->b);
  EXPECT_EQ(m->by, 7);
  EXPECT_EQ(m->ch, 200);
  EXPECT_EQ(m->f32, 1.25f);
  EXPECT_EQ(m->i8, -3);
  EXPECT_EQ(m->u32, 4000000000u);
  EXPECT_EQ(m->i64, -9000000000ll);
  EXPECT_EQ(m->u64, 0u);  // no default: zero from __create
  EXPECT_STREQ(m->s.data, "abc");
  EXPECT_STREQ(m->bs.data, "ab");
  EXPECT_TRUE(u16_equals(m->ws, u"wide"));
  EXPECT_TRUE(u16_equals(m->bws, u""));
  EXPECT_EQ(m->fixed_ints[2], 3);
  EXPECT_STREQ(m->fixed_strings[0].data, "x");
  EXPECT_STREQ(m->fixed_strings[1].data, "y");
  EXPECT_STREQ(m->fixed_inner[1].name.data, "inner");
  EXPECT_EQ(m->fixed_inner[1].value, 2.5);
  ASSERT_EQ(m->doubles.size, 2u);
  EXPECT_EQ(m->doubles.data[1], 1.5);
  EXPECT_EQ(m->bounded_ints.size, 0u);
  ASSERT_EQ(m->strings.size, 3u);
  EXPECT_STREQ(m->strings.data[2].data, "r");
  EXPECT_EQ(m->inners.data, nullptr);
  EXPECT_STREQ(m->single.name.data, "inner");
  c_grammar__msg__Everything__destroy(m);
}

TEST(CGrammar, CopyAndCompareEveryMemberKind) {
  Everything* a = c_grammar__msg__Everything__create();
  Everything* b = c_grammar__msg__Everything__create();
  ASSERT_TRUE(rosidl_runtime_c__U16String__assign(&a->bws, reinterpret_cast<const uint16_t*>(u"ab")));
  ASSERT_TRUE(rosidl_runtime_c__int32__Sequence__init(&a->bounded_ints, 3));
  a->bounded_ints.data[2] = 9;
  ASSERT_TRUE(c_grammar__msg__Inner__Sequence__init(&a->inners, 2));
  ASSERT_TRUE(rosidl_runtime_c__String__assign(&a->inners.data[1].name, "deep"));
  ASSERT_TRUE(rosidl_runtime_c__String__assign(&a->fixed_strings[1], "z"));
  a->fixed_ints[0] = 11;
  a->u64 = 1ull << 60;
  EXPECT_FALSE(c_grammar__msg__Everything__are_equal(a, b));
  ASSERT_TRUE(c_grammar__msg__Everything__copy(a, b));
  EXPECT_TRUE(c_grammar__msg__Everything__are_equal(a, b));
  EXPECT_STREQ(b->inners.data[1].name.data, "deep");
  EXPECT_EQ(b->bounded_ints.data[2], 9);

  // each kind of member takes part in the comparison
  struct Change {
    const char* what;
    void (*apply)(Everything*);
  };
  const Change changes[] = {
      {"primitive", [](Everything* m) { m->u64 += 1; }},
      {"fixed primitive array", [](Everything* m) { m->fixed_ints[2] = -1; }},
      {"fixed string array", [](Everything* m) { m->fixed_strings[0].data[0] = 'w'; }},
      {"fixed message array", [](Everything* m) { m->fixed_inner[1].value = 0.0; }},
      {"wide string", [](Everything* m) { m->ws.data[0] = u'W'; }},
      {"primitive sequence", [](Everything* m) { m->doubles.data[0] = 7.0; }},
      {"string sequence", [](Everything* m) { m->strings.size = 2; }},
      {"message sequence", [](Everything* m) { m->inners.data[0].value = 1.0; }},
      {"nested message", [](Everything* m) { m->single.name.data[0] = 'I'; }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    Everything* c = c_grammar__msg__Everything__create();
    ASSERT_TRUE(c_grammar__msg__Everything__copy(a, c));
    EXPECT_TRUE(c_grammar__msg__Everything__are_equal(a, c));
    change.apply(c);
    EXPECT_FALSE(c_grammar__msg__Everything__are_equal(a, c));
    ASSERT_TRUE(c_grammar__msg__Everything__copy(a, c));  // and a copy repairs it
    EXPECT_TRUE(c_grammar__msg__Everything__are_equal(a, c));
    c_grammar__msg__Everything__destroy(c);
  }
  c_grammar__msg__Everything__destroy(a);
  c_grammar__msg__Everything__destroy(b);
}

TEST(CGrammar, SequencesOfTheType) {
  c_grammar__msg__Everything__Sequence* s = c_grammar__msg__Everything__Sequence__create(3);
  ASSERT_NE(s, nullptr);
  EXPECT_STREQ(s->data[2].fixed_strings[1].data, "y");  // elements read as created
  c_grammar__msg__Everything__Sequence* t = c_grammar__msg__Everything__Sequence__create(1);
  ASSERT_TRUE(c_grammar__msg__Everything__Sequence__copy(s, t));
  EXPECT_TRUE(c_grammar__msg__Everything__Sequence__are_equal(s, t));
  c_grammar__msg__Everything__Sequence__destroy(s);
  c_grammar__msg__Everything__Sequence__destroy(t);
}

}  // namespace
