// The tables of a package that uses every kind of member of the definition grammar: fixed
// arrays, bounded and unbounded sequences of primitives, strings and messages, packed bools,
// bounded and wide strings.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "intro_grammar/msg/detail/grammar__rosidl_typesupport_introspection_cpp.hpp"
#include "builtin_interfaces/msg/detail/time__rosidl_typesupport_introspection_cpp.hpp"
#include "rosidl_typesupport_introspection_cpp/field_types.hpp"
#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"
#include "table_walker.hpp"

#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace {

namespace ts = rosidl_typesupport_introspection_cpp;
using Grammar = intro_grammar::msg::Grammar;
using eprosima::fastcdr::Cdr;
using eprosima::fastcdr::FastBuffer;
using rosidl_runtime_cpp::MessageInitialization;

const ts::MessageMembers* grammar_table() {
  return static_cast<const ts::MessageMembers*>(
      ts::get_message_type_support_handle<Grammar>()->data);
}

struct Row {
  const char* name;
  uint8_t code;
  std::size_t offset;
  std::size_t string_bound;
  bool is_array;
  std::size_t array_size;
  bool is_upper_bound;
  bool get_functions;  // false for packed bool sequences
  bool resize;         // false for fixed arrays
};

TEST(IntrospectionGrammar, EveryKindOfMemberIsDescribed) {
#define ROW(name, code, bound, array, size, upper, get, resize) \
  Row{#name, ts::ROS_TYPE_##code, offsetof(Grammar, name), bound, array, size, upper, get, resize}
  const std::vector<Row> rows{
      ROW(flag, BOOLEAN, 0, false, 0, false, false, false),
      ROW(octet, OCTET, 0, false, 0, false, false, false),
      ROW(i16, INT16, 0, false, 0, false, false, false),
      ROW(u64, UINT64, 0, false, 0, false, false, false),
      ROW(f64, DOUBLE, 0, false, 0, false, false, false),
      ROW(text, STRING, 0, false, 0, false, false, false),
      ROW(wide, WSTRING, 0, false, 0, false, false, false),
      ROW(short_text, STRING, 5, false, 0, false, false, false),
      ROW(fixed_i16, INT16, 0, true, 3, false, true, false),
      ROW(fixed_flags, BOOLEAN, 0, true, 2, false, true, false),
      ROW(fixed_texts, STRING, 0, true, 2, false, true, false),
      ROW(fixed_times, MESSAGE, 0, true, 2, false, true, false),
      ROW(doubles, DOUBLE, 0, true, 0, false, true, true),
      ROW(flags, BOOLEAN, 0, true, 0, false, false, true),
      ROW(few_flags, BOOLEAN, 0, true, 4, true, false, true),
      ROW(texts, STRING, 0, true, 0, false, true, true),
      ROW(wides, WSTRING, 0, true, 0, false, true, true),
      ROW(few_i32, INT32, 0, true, 3, true, true, true),
      ROW(few_times, MESSAGE, 0, true, 2, true, true, true),
      ROW(few_short_texts, STRING, 4, true, 2, true, true, true),
      ROW(part, MESSAGE, 0, false, 0, false, false, false),
      ROW(parts, MESSAGE, 0, true, 0, false, true, true),
  };
#undef ROW
  const ts::MessageMembers* table = grammar_table();
  EXPECT_EQ(table->size_of_, sizeof(Grammar));
  ASSERT_EQ(table->member_count_, rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ts::MessageMember& m = table->members_[i];
    const Row& e = rows[i];
    SCOPED_TRACE(e.name);
    EXPECT_STREQ(m.name_, e.name);
    EXPECT_EQ(m.type_id_, e.code);
    EXPECT_EQ(m.offset_, e.offset);
    EXPECT_EQ(m.string_upper_bound_, e.string_bound);
    EXPECT_EQ(m.is_array_, e.is_array);
    EXPECT_EQ(m.array_size_, e.array_size);
    EXPECT_EQ(m.is_upper_bound_, e.is_upper_bound);
    EXPECT_EQ(m.default_value_, nullptr);
    EXPECT_EQ(m.members_ != nullptr, e.code == ts::ROS_TYPE_MESSAGE);
    EXPECT_EQ(m.size_function != nullptr, e.is_array);
    EXPECT_EQ(m.fetch_function != nullptr, e.is_array);
    EXPECT_EQ(m.assign_function != nullptr, e.is_array);
    EXPECT_EQ(m.get_const_function != nullptr, e.get_functions);
    EXPECT_EQ(m.get_function != nullptr, e.get_functions);
    EXPECT_EQ(m.resize_function != nullptr, e.resize);
  }
  EXPECT_EQ(table->members_[11].members_,
            ts::get_message_type_support_handle<builtin_interfaces::msg::Time>());
}

TEST(IntrospectionGrammar, ArrayFunctionsOfPrimitivesAndPackedBools) {
  const ts::MessageMembers* table = grammar_table();
  Grammar msg;
  auto member = [&](std::size_t i) -> const ts::MessageMember& { return table->members_[i]; };
  auto at = [&](std::size_t i) { return reinterpret_cast<char*>(&msg) + member(i).offset_; };

  EXPECT_EQ(member(8).size_function(at(8)), 3u);  // fixed_i16: always its size
  msg.fixed_i16[2] = -5;
  int16_t i16 = 0;
  member(8).fetch_function(at(8), 2, &i16);
  EXPECT_EQ(i16, -5);

  member(13).resize_function(at(13), 3);  // flags: std::vector<bool>
  const bool yes = true;
  member(13).assign_function(at(13), 1, &yes);
  EXPECT_EQ(msg.flags, (std::vector<bool>{false, true, false}));
  bool fetched = false;
  member(13).fetch_function(at(13), 1, &fetched);
  EXPECT_TRUE(fetched);

  member(14).resize_function(at(14), 4);  // few_flags: bounded to 4
  EXPECT_EQ(member(14).size_function(at(14)), 4u);
  EXPECT_THROW(member(14).resize_function(at(14), 5), std::length_error);
  EXPECT_EQ(msg.few_flags.size(), 4u);
}

TEST(IntrospectionGrammar, GenericRoundTrip) {
  const ts::MessageMembers* table = grammar_table();
  for (uint32_t seed = 0; seed < 25; ++seed) {
    SCOPED_TRACE(seed);
    Grammar original;
    table_walker::Filler(seed).fill(table, &original);
    std::vector<char> memory(1 << 16, 0);
    FastBuffer buffer(memory.data(), memory.size());
    Cdr out(buffer, Cdr::BIG_ENDIANNESS, Cdr::DDS_CDR);
    table_walker::write_message(out, table, &original);

    void* copy = ::operator new(table->size_of_, std::align_val_t(alignof(Grammar)));
    table->init_function(copy, MessageInitialization::ZERO);
    FastBuffer in(memory.data(), out.getSerializedDataLength());
    Cdr reader(in, Cdr::BIG_ENDIANNESS, Cdr::DDS_CDR);
    EXPECT_NO_THROW(table_walker::read_message(reader, table, copy));
    EXPECT_TRUE(*static_cast<const Grammar*>(copy) == original);
    table->fini_function(copy);
    ::operator delete(copy, std::align_val_t(alignof(Grammar)));
  }
}

TEST(IntrospectionGrammar, InitAppliesDefaultsByMode) {
  const ts::MessageMembers* table = grammar_table();
  alignas(Grammar) unsigned char storage[sizeof(Grammar)];
  table->init_function(storage, MessageInitialization::ALL);
  EXPECT_EQ(reinterpret_cast<Grammar*>(storage)->f64, 1.5);
  EXPECT_EQ(reinterpret_cast<Grammar*>(storage)->text, "hi");
  table->fini_function(storage);
  table->init_function(storage, MessageInitialization::ZERO);
  EXPECT_EQ(reinterpret_cast<Grammar*>(storage)->f64, 0.0);
  EXPECT_EQ(reinterpret_cast<Grammar*>(storage)->text, "");
  table->fini_function(storage);
}

}  // namespace
