// The tables against the real thing: a CDR writer and reader that know nothing of pelorin's
// types walk the tables of seeded random messages of every type. The writer must produce
// exactly the octets of the generated CDR code, and what the reader builds through the
// tables' init and array functions must equal the original.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"
#include "../common/pelorin_types.hpp"
#include "introspection_headers.hpp"
#include "pelorin/action/detail/controller__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/crop_path_point__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/force_global_path__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/fuzzy_lift_free__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/global_planning__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/lift_free__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/local_planning__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/msg/detail/movement_constraint__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/msg/detail/multi_paths__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/msg/detail/path__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/srv/detail/get_covered_points__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/srv/detail/map_mark__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/srv/detail/trigger_clean_coverage__rosidl_typesupport_fastrtps_cpp.hpp"
#include "table_walker.hpp"

namespace {

namespace ts = rosidl_typesupport_introspection_cpp;
using eprosima::fastcdr::Cdr;
using eprosima::fastcdr::FastBuffer;
using rosidl_runtime_cpp::MessageInitialization;

constexpr uint32_t kSeeds = 25;
const Cdr::Endianness kEndians[] = {Cdr::LITTLE_ENDIANNESS, Cdr::BIG_ENDIANNESS};

// Fast-CDR skips alignment padding without writing it, so both encodings are written into
// zeroed memory to compare them octet for octet. The random messages stay far below its size.
constexpr std::size_t kBufferSize = 1 << 16;

template <typename Write>
std::vector<char> encode(Cdr::Endianness endian, Write write) {
  std::vector<char> memory(kBufferSize, 0);
  FastBuffer buffer(memory.data(), memory.size());
  Cdr cdr(buffer, endian, Cdr::DDS_CDR);
  write(cdr);
  memory.resize(cdr.getSerializedDataLength());
  return memory;
}

// "" when equal, else where the two encodings part.
std::string first_difference(const std::vector<char>& walked, const std::vector<char>& typed) {
  std::size_t i = 0;
  while (i < walked.size() && i < typed.size() && walked[i] == typed[i]) ++i;
  if (i == walked.size() && i == typed.size()) return "";
  return "walker wrote " + std::to_string(walked.size()) + " octets, the typed code " +
         std::to_string(typed.size()) + "; first difference at octet " + std::to_string(i);
}

template <typename T>
void check_type(const char* name, bool (*serialize)(const T&, Cdr&)) {
  SCOPED_TRACE(name);
  const auto* table = static_cast<const ts::MessageMembers*>(
      ts::get_message_type_support_handle<T>()->data);
  for (uint32_t seed = 0; seed < kSeeds; ++seed) {
    SCOPED_TRACE(seed);
    T original;
    table_walker::Filler(seed).fill(table, &original);
    for (Cdr::Endianness endian : kEndians) {
      const std::vector<char> bytes = encode(endian, [&](Cdr& cdr) {
        table_walker::write_message(cdr, table, &original);
      });
      const std::vector<char> typed_bytes = encode(endian, [&](Cdr& cdr) {
        ASSERT_TRUE(serialize(original, cdr));
      });
      ASSERT_EQ(first_difference(bytes, typed_bytes), "")
          << (endian == Cdr::BIG_ENDIANNESS ? "big" : "little") << " endian";

      // Read back into a message that exists only as the table's memory and init function.
      void* memory = ::operator new(table->size_of_, std::align_val_t(alignof(T)));
      table->init_function(memory, MessageInitialization::ALL);
      std::vector<char> input = bytes;
      FastBuffer in(input.data(), input.size());
      Cdr cdr(in, endian, Cdr::DDS_CDR);
      EXPECT_NO_THROW(table_walker::read_message(cdr, table, memory));
      EXPECT_EQ(cdr.getSerializedDataLength(), bytes.size());
      EXPECT_TRUE(*static_cast<const T*>(memory) == original);
      table->fini_function(memory);
      ::operator delete(memory, std::align_val_t(alignof(T)));
    }
  }
}

TEST(IntrospectionWalker, GenericRoundTripOfEveryType) {
#define CHECK(kind, Type)                                  \
  check_type<pelorin::kind::Type>(                         \
      #Type, [](const pelorin::kind::Type& msg, Cdr& cdr) { \
        return pelorin::kind::typesupport_fastrtps_cpp::cdr_serialize(msg, cdr); \
      });
  PELORIN_MESSAGE_TYPES(CHECK)
#undef CHECK
}

}  // namespace
