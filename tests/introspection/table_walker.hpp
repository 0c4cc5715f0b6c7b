// A generic CDR writer, reader and random filler that know no message type: they walk the
// introspection tables only (member records, offsets, nested handles, array functions), the
// way a middleware does. The tests compare what they produce with the typed code.
#pragma once

#include <cstdint>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>

#include "fastcdr/Cdr.h"
#include "rosidl_typesupport_introspection_cpp/field_types.hpp"
#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"

namespace table_walker {

namespace ts = rosidl_typesupport_introspection_cpp;

inline const ts::MessageMembers* nested_table(const ts::MessageMember& m) {
  if (m.members_ == nullptr) throw std::logic_error(std::string("no nested handle: ") + m.name_);
  return static_cast<const ts::MessageMembers*>(m.members_->data);
}

// Size and alignment of one element of a primitive type code; 0 for strings and messages.
inline std::size_t primitive_size(uint8_t code) {
  switch (code) {
    case ts::ROS_TYPE_BOOLEAN: case ts::ROS_TYPE_OCTET: case ts::ROS_TYPE_CHAR:
    case ts::ROS_TYPE_UINT8: case ts::ROS_TYPE_INT8: return 1;
    case ts::ROS_TYPE_UINT16: case ts::ROS_TYPE_INT16: return 2;
    case ts::ROS_TYPE_FLOAT: case ts::ROS_TYPE_UINT32: case ts::ROS_TYPE_INT32: return 4;
    case ts::ROS_TYPE_DOUBLE: case ts::ROS_TYPE_UINT64: case ts::ROS_TYPE_INT64: return 8;
    default: return 0;
  }
}

// ---- writing

inline void write_message(eprosima::fastcdr::Cdr& cdr, const ts::MessageMembers* table,
                          const void* message);

inline void write_element(eprosima::fastcdr::Cdr& cdr, const ts::MessageMember& m,
                          const void* p) {
  switch (m.type_id_) {
    case ts::ROS_TYPE_BOOLEAN: cdr << *static_cast<const bool*>(p); break;
    case ts::ROS_TYPE_OCTET: case ts::ROS_TYPE_CHAR: case ts::ROS_TYPE_UINT8:
      cdr << *static_cast<const uint8_t*>(p); break;
    case ts::ROS_TYPE_INT8: cdr << *static_cast<const int8_t*>(p); break;
    case ts::ROS_TYPE_UINT16: cdr << *static_cast<const uint16_t*>(p); break;
    case ts::ROS_TYPE_INT16: cdr << *static_cast<const int16_t*>(p); break;
    case ts::ROS_TYPE_UINT32: cdr << *static_cast<const uint32_t*>(p); break;
    case ts::ROS_TYPE_INT32: cdr << *static_cast<const int32_t*>(p); break;
    case ts::ROS_TYPE_UINT64: cdr << *static_cast<const uint64_t*>(p); break;
    case ts::ROS_TYPE_INT64: cdr << *static_cast<const int64_t*>(p); break;
    case ts::ROS_TYPE_FLOAT: cdr << *static_cast<const float*>(p); break;
    case ts::ROS_TYPE_DOUBLE: cdr << *static_cast<const double*>(p); break;
    case ts::ROS_TYPE_STRING: cdr << *static_cast<const std::string*>(p); break;
    case ts::ROS_TYPE_WSTRING: {  // a count, then 16-bit code units
      const auto& text = *static_cast<const std::u16string*>(p);
      cdr << static_cast<uint32_t>(text.size());
      for (char16_t c : text) cdr << static_cast<uint16_t>(c);
      break;
    }
    case ts::ROS_TYPE_MESSAGE: write_message(cdr, nested_table(m), p); break;
    default: throw std::logic_error(std::string("type code not walked: ") + m.name_);
  }
}

inline void write_message(eprosima::fastcdr::Cdr& cdr, const ts::MessageMembers* table,
                          const void* message) {
  for (uint32_t i = 0; i < table->member_count_; ++i) {
    const ts::MessageMember& m = table->members_[i];
    const void* field = static_cast<const char*>(message) + m.offset_;
    if (!m.is_array_) {
      write_element(cdr, m, field);
      continue;
    }
    const std::size_t n = m.size_function(field);
    if (m.array_size_ == 0 || m.is_upper_bound_) cdr << static_cast<uint32_t>(n);
    for (std::size_t k = 0; k < n; ++k) {
      if (m.get_const_function != nullptr) {
        write_element(cdr, m, m.get_const_function(field, k));
      } else {  // packed bools: only fetch reaches them
        bool value = false;
        m.fetch_function(field, k, &value);
        write_element(cdr, m, &value);
      }
    }
  }
}

// ---- reading

inline void read_message(eprosima::fastcdr::Cdr& cdr, const ts::MessageMembers* table,
                         void* message);

inline void read_element(eprosima::fastcdr::Cdr& cdr, const ts::MessageMember& m, void* p) {
  switch (m.type_id_) {
    case ts::ROS_TYPE_BOOLEAN: cdr >> *static_cast<bool*>(p); break;
    case ts::ROS_TYPE_OCTET: case ts::ROS_TYPE_CHAR: case ts::ROS_TYPE_UINT8:
      cdr >> *static_cast<uint8_t*>(p); break;
    case ts::ROS_TYPE_INT8: cdr >> *static_cast<int8_t*>(p); break;
    case ts::ROS_TYPE_UINT16: cdr >> *static_cast<uint16_t*>(p); break;
    case ts::ROS_TYPE_INT16: cdr >> *static_cast<int16_t*>(p); break;
    case ts::ROS_TYPE_UINT32: cdr >> *static_cast<uint32_t*>(p); break;
    case ts::ROS_TYPE_INT32: cdr >> *static_cast<int32_t*>(p); break;
    case ts::ROS_TYPE_UINT64: cdr >> *static_cast<uint64_t*>(p); break;
    case ts::ROS_TYPE_INT64: cdr >> *static_cast<int64_t*>(p); break;
    case ts::ROS_TYPE_FLOAT: cdr >> *static_cast<float*>(p); break;
    case ts::ROS_TYPE_DOUBLE: cdr >> *static_cast<double*>(p); break;
    case ts::ROS_TYPE_STRING: cdr >> *static_cast<std::string*>(p); break;
    case ts::ROS_TYPE_WSTRING: {
      uint32_t count = 0;
      cdr >> count;
      auto& text = *static_cast<std::u16string*>(p);
      text.resize(count);
      for (char16_t& c : text) {
        uint16_t unit = 0;
        cdr >> unit;
        c = static_cast<char16_t>(unit);
      }
      break;
    }
    case ts::ROS_TYPE_MESSAGE: read_message(cdr, nested_table(m), p); break;
    default: throw std::logic_error(std::string("type code not walked: ") + m.name_);
  }
}

// Fills a constructed message from the stream.
inline void read_message(eprosima::fastcdr::Cdr& cdr, const ts::MessageMembers* table,
                         void* message) {
  for (uint32_t i = 0; i < table->member_count_; ++i) {
    const ts::MessageMember& m = table->members_[i];
    void* field = static_cast<char*>(message) + m.offset_;
    if (!m.is_array_) {
      read_element(cdr, m, field);
      continue;
    }
    std::size_t n = m.array_size_;
    if (m.array_size_ == 0 || m.is_upper_bound_) {
      uint32_t count = 0;
      cdr >> count;
      n = count;
      m.resize_function(field, n);
    }
    for (std::size_t k = 0; k < n; ++k) {
      if (m.get_function != nullptr) {
        read_element(cdr, m, m.get_function(field, k));
      } else {
        bool value = false;
        read_element(cdr, m, &value);
        m.assign_function(field, k, &value);
      }
    }
  }
}

// ---- random values

// Writes seeded random values into every member of a constructed message: numbers, strings,
// nested messages, and arrays of 0 to 3 elements (fewer deeper down, to keep trees small).
class Filler {
 public:
  explicit Filler(uint32_t seed) : rng_(seed) {}

  void fill(const ts::MessageMembers* table, void* message, int depth = 0) {
    for (uint32_t i = 0; i < table->member_count_; ++i) {
      const ts::MessageMember& m = table->members_[i];
      void* field = static_cast<char*>(message) + m.offset_;
      if (!m.is_array_) {
        fill_element(m, field, depth);
        continue;
      }
      std::size_t n = m.array_size_;
      if (m.array_size_ == 0 || m.is_upper_bound_) {
        n = pick(0, depth < 2 ? 3 : 1);
        if (m.is_upper_bound_ && n > m.array_size_) n = m.array_size_;
        m.resize_function(field, n);
      }
      for (std::size_t k = 0; k < n; ++k) {
        if (m.get_function != nullptr) {
          fill_element(m, m.get_function(field, k), depth + 1);
        } else {
          bool value = pick(0, 1) == 1;
          m.assign_function(field, k, &value);
        }
      }
    }
  }

 private:
  std::size_t pick(std::size_t lo, std::size_t hi) {
    return std::uniform_int_distribution<std::size_t>(lo, hi)(rng_);
  }

  static std::size_t bound(const ts::MessageMember& m, std::size_t longest) {
    return m.string_upper_bound_ != 0 && m.string_upper_bound_ < longest ? m.string_upper_bound_
                                                                         : longest;
  }

  void fill_element(const ts::MessageMember& m, void* p, int depth) {
    if (m.type_id_ == ts::ROS_TYPE_MESSAGE) {
      fill(nested_table(m), p, depth + 1);
    } else if (m.type_id_ == ts::ROS_TYPE_STRING) {
      std::string text(pick(0, bound(m, 40)), ' ');  // past the short-string buffer too
      for (char& c : text) c = static_cast<char>(pick(32, 126));
      *static_cast<std::string*>(p) = text;
    } else if (m.type_id_ == ts::ROS_TYPE_WSTRING) {
      std::u16string text(pick(0, bound(m, 20)), u' ');
      for (char16_t& c : text) c = static_cast<char16_t>(pick(32, 0xD7FF));
      *static_cast<std::u16string*>(p) = text;
    } else if (m.type_id_ == ts::ROS_TYPE_BOOLEAN) {
      *static_cast<bool*>(p) = pick(0, 1) == 1;
    } else if (m.type_id_ == ts::ROS_TYPE_FLOAT) {
      *static_cast<float*>(p) = std::uniform_real_distribution<float>(-1e6f, 1e6f)(rng_);
    } else if (m.type_id_ == ts::ROS_TYPE_DOUBLE) {
      *static_cast<double*>(p) = std::uniform_real_distribution<double>(-1e9, 1e9)(rng_);
    } else {
      const std::size_t size = primitive_size(m.type_id_);
      if (size == 0) throw std::logic_error(std::string("type code not filled: ") + m.name_);
      const uint64_t bits = rng_();
      std::memcpy(p, &bits, size);  // little-endian host: the low bytes
    }
  }

  std::mt19937_64 rng_;
};

}  // namespace table_walker
