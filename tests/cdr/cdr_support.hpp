// Writing and reading messages through Fast-CDR in tests, and the CDR functions of every
// type gathered per type so that one check can run over all of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fastcdr/Cdr.h"
#include "fastcdr/FastBuffer.h"

namespace cdr_test
{

using Bytes = std::vector<uint8_t>;

template<typename T>
struct Ops
{
  bool (* serialize)(const T &, eprosima::fastcdr::Cdr &);
  bool (* deserialize)(eprosima::fastcdr::Cdr &, T &);
  size_t (* size)(const T &, size_t);
  size_t (* max)(bool &, bool &, size_t);
};

// Ops of the type `pkg::kind::Type`.
#define CDR_OPS(pkg, kind, Type) \
  (cdr_test::Ops<pkg::kind::Type>{ \
    &pkg::kind::typesupport_fastrtps_cpp::cdr_serialize, \
    &pkg::kind::typesupport_fastrtps_cpp::cdr_deserialize, \
    &pkg::kind::typesupport_fastrtps_cpp::get_serialized_size, \
    &pkg::kind::typesupport_fastrtps_cpp::max_serialized_size_ ## Type})

// The octets `serialize` writes for `msg` into a little-endian stream that stands at
// `offset` from its alignment origin; the first `offset` octets are the caller's (zero).
// The buffer holds exactly `expected_size` octets after them, so writing more fails.
template<typename T>
Bytes encode(const Ops<T> & ops, const T & msg, size_t offset = 0, size_t expected_size = SIZE_MAX)
{
  if (expected_size == SIZE_MAX) {
    expected_size = ops.size(msg, offset);
  }
  std::vector<char> buffer(offset + expected_size + 1, 0);
  eprosima::fastcdr::FastBuffer fast(buffer.data(), offset + expected_size);
  eprosima::fastcdr::Cdr cdr(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS);
  cdr.jump(offset);
  ops.serialize(msg, cdr);
  const size_t written = cdr.getSerializedDataLength();
  return Bytes(buffer.begin(), buffer.begin() + written);
}

// Reads one message from exactly `bytes` (a copy: nothing past the end is readable).
// Returns the octets consumed.
template<typename T>
size_t decode(const Ops<T> & ops, const Bytes & bytes, T & msg)
{
  std::vector<char> buffer(bytes.begin(), bytes.end());
  eprosima::fastcdr::FastBuffer fast(buffer.data(), buffer.size());
  eprosima::fastcdr::Cdr cdr(fast, eprosima::fastcdr::Cdr::LITTLE_ENDIANNESS);
  ops.deserialize(cdr, msg);
  return cdr.getSerializedDataLength();
}

inline std::string hex(const Bytes & bytes)
{
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (uint8_t b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
    out += ' ';
  }
  return out;
}

}  // namespace cdr_test
