// CDR type support through Fast-CDR: per interface the header
// include/<pkg>/<kind>/detail/<interface>__rosidl_typesupport_fastrtps_cpp.hpp, which declares
// the per-type functions that other packages' CDR code calls for nested types, and one source
// cpp/<pkg>__rosidl_typesupport_fastrtps_cpp.cpp with those functions, the callbacks records,
// the handles and the load-time step that completes the handles.
//
// Wire form: members in order, each primitive of n octets aligned to n from the stream's
// alignment origin; strings as a 32-bit length counting the terminator, the characters and a
// NUL; wide strings as Fast-CDR writes std::wstring (32-bit character count, 4 octets per
// character); fixed arrays without a count; sequences as a 32-bit count and the elements.
#include <string>

#include "../emitters.hpp"
#include "../names.hpp"

namespace idl {

namespace {

const char* kLayer = "rosidl_typesupport_fastrtps_cpp";

std::string ts_namespace(const TypeName& t) {
  return cpp_namespace(t) + "::typesupport_fastrtps_cpp";
}

bool is_bool(const FieldType& t) { return t.is_primitive && t.primitive == Primitive::Bool; }
bool is_wstring(const FieldType& t) {
  return t.is_primitive && t.primitive == Primitive::WString;
}
bool is_text(const FieldType& t) {
  return t.is_primitive && (t.primitive == Primitive::String || t.primitive == Primitive::WString);
}
// A primitive that is neither text nor bool: Fast-CDR moves arrays of these in one call.
bool is_number(const FieldType& t) { return t.is_primitive && !is_text(t) && !is_bool(t); }
std::string wire_size(const FieldType& t) { return std::to_string(info(t.primitive).wire_size); }

// The fewest octets one element of this type takes on the wire, alignment aside: what the
// rest of the input must at least hold for every element that a sequence count announces.
std::string least_size(const FieldType& t) {
  if (!t.is_primitive) return ts_namespace(t.message) + "::least_serialized_size_" + t.message.name;
  if (is_text(t)) return "4";  // the length of an empty string
  return wire_size(t);
}

std::string least_size(const Field& f) {
  if (f.is_sequence()) return "4";
  const std::string e = least_size(f.type);
  if (f.array == ArrayKind::Fixed) return std::to_string(f.array_size) + " * " + e;
  return e;
}

// The statements that write one element `v` to `cdr`.
std::string write_element(const FieldType& t, const std::string& v) {
  if (!t.is_primitive) return ts_namespace(t.message) + "::cdr_serialize(" + v + ", cdr);";
  if (is_wstring(t)) return "cdr_write_wstring(cdr, " + v + ", " + std::to_string(t.string_bound) + ");";
  if (is_text(t)) return "cdr_write_string(cdr, " + v + ", " + std::to_string(t.string_bound) + ");";
  return "cdr.serialize(" + v + ");";
}

// The statements that read one element into `v` (an lvalue) from `cdr`.
std::string read_element(const FieldType& t, const std::string& v) {
  if (!t.is_primitive) return ts_namespace(t.message) + "::cdr_deserialize(cdr, " + v + ");";
  if (is_wstring(t)) return "cdr_read_wstring(cdr, " + v + ", " + std::to_string(t.string_bound) + ");";
  if (is_text(t)) return "cdr_read_string(cdr, " + v + ", " + std::to_string(t.string_bound) + ");";
  if (is_bool(t)) return v + " = cdr_read_bool(cdr);";
  return "cdr.deserialize(" + v + ");";
}

// The statement that adds the exact size of one element `v` at position `p`.
std::string size_element(const FieldType& t, const std::string& v) {
  if (!t.is_primitive) return "p += " + ts_namespace(t.message) + "::get_serialized_size(" + v + ", p);";
  if (is_wstring(t)) return "p += eprosima::fastcdr::Cdr::alignment(p, 4) + 4 + 4 * " + v + ".size();";
  if (is_text(t)) return "p += eprosima::fastcdr::Cdr::alignment(p, 4) + 4 + " + v + ".size() + 1;";
  return "p += eprosima::fastcdr::Cdr::alignment(p, " + wire_size(t) + ") + " + wire_size(t) + ";";
}

// The statements that compute `inner`, the size bound of one string or nested element at
// position `p`, and fold in the flags of what it contributes. `indent` precedes each line.
std::string max_one(const FieldType& t, const std::string& indent) {
  if (!t.is_primitive) {
    return indent + "bool inner_full_bounded = false;\n" +
           indent + "bool inner_is_plain = false;\n" +
           indent + "const size_t inner = " + ts_namespace(t.message) + "::max_serialized_size_" +
           t.message.name + "(inner_full_bounded, inner_is_plain, p);\n" +
           indent + "full_bounded = full_bounded && inner_full_bounded;\n" +
           indent + "is_plain = is_plain && inner_is_plain;\n";
  }
  // A string counts as its bound; an unbounded one as empty, and the type is unbounded.
  const std::string bound = std::to_string(t.string_bound);
  const std::string chars = is_wstring(t) ? (t.string_bound == 0 ? "0" : "4 * " + bound)
                                          : (t.string_bound == 0 ? "1" : bound + " + 1");
  return (t.string_bound == 0 ? indent + "full_bounded = false;\n" : std::string()) +
         indent + "is_plain = false;\n" +
         indent + "const size_t inner = eprosima::fastcdr::Cdr::alignment(p, 4) + 4 + " + chars +
         ";\n";
}

// The block that adds the size bound of `count` elements at position `p`;
// `last_member_size` gets the octets they add.
std::string max_elements(const FieldType& t, std::size_t count) {
  if (t.is_primitive && !is_text(t)) {
    const std::string n = wire_size(t);
    return "  last_member_size = " + std::to_string(count) + " * " + n + ";\n"
           "  p += eprosima::fastcdr::Cdr::alignment(p, " + n + ") + last_member_size;\n";
  }
  return "  last_member_size = 0;\n"
         "  for (size_t i = 0; i < " + std::to_string(count) + "; ++i) {\n" + max_one(t, "    ") +
         "    last_member_size += inner;\n"
         "    p += inner;\n"
         "  }\n";
}

struct FieldCode {
  std::string write, read, size, max;
};

FieldCode field_code(const Field& f) {
  FieldCode c;
  const std::string m = "ros_message." + f.name;
  const FieldType& t = f.type;
  const Vars v{{"m", m}, {"name", f.name}, {"bound", std::to_string(f.array_size)},
               {"least", least_size(t)}, {"n", t.is_primitive ? wire_size(t) : "0"},
               {"write_item", write_element(t, "item")},
               {"read_item", read_element(t, "item")},
               {"size_item", size_element(t, "item")}};
  if (f.array == ArrayKind::None) {
    c.write = write_element(t, m) + "\n";
    c.read = read_element(t, m) + "\n";
    c.size = size_element(t, m) + "\n";
    if (t.is_primitive && !is_text(t)) {
      emit(c.max, R"(
  last_member_size = $n$;
  p += eprosima::fastcdr::Cdr::alignment(p, $n$) + $n$;
)", v);
    } else {
      c.max = "  {\n" + max_one(t, "    ") +
              "    last_member_size = inner;\n    p += inner;\n  }\n";
    }
    return c;
  }
  if (f.array == ArrayKind::Fixed) {
    if (is_number(t)) {
      emit(c.write, "cdr.serializeArray($m$.data(), $m$.size());\n", v);
      emit(c.read, "cdr.deserializeArray($m$.data(), $m$.size());\n", v);
    } else {
      emit(c.write, R"(
for (const auto & item : $m$) {
    $write_item$
  }
)", v);
      emit(c.read, R"(
for (auto & item : $m$) {
    $read_item$
  }
)", v);
    }
    if (t.is_primitive && !is_text(t)) {
      emit(c.size, "p += eprosima::fastcdr::Cdr::alignment(p, $n$) + $n$ * $m$.size();\n", v);
    } else {
      emit(c.size, R"(
for (const auto & item : $m$) {
    $size_item$
  }
)", v);
    }
    c.max = max_elements(t, f.array_size);
    return c;
  }
  // Sequences: a 32-bit count, then the elements. A bounded sequence longer than its bound
  // is refused both ways; a count is checked against the input before the resize.
  const bool bounded = f.array == ArrayKind::BoundedSequence;
  Vars sv = v;
  sv["check_bound"] = bounded ? "cdr_check_bound(" + m + ".size(), " + sv["bound"] + ");\n  " : "";
  sv["check_count"] = bounded ? "\n    cdr_check_bound(count, " + sv["bound"] + ");" : "";
  emit(c.write, "$check_bound$cdr.serialize(cdr_count($m$.size()));\n", sv);
  if (is_number(t)) {
    emit(c.write, R"(
  if (!$m$.empty()) {
    cdr.serializeArray(&$m$[0], $m$.size());
  }
)", sv);
  } else if (is_bool(t)) {
    emit(c.write, R"(
  for (const bool item : $m$) {
    cdr.serialize(item);
  }
)", sv);
  } else {
    emit(c.write, R"(
  for (const auto & item : $m$) {
    $write_item$
  }
)", sv);
  }
  std::string read_items;
  if (is_number(t)) {
    emit(read_items, R"(
    if (count > 0) {
      cdr.deserializeArray(&$m$[0], count);
    }
)", sv);
  } else if (is_bool(t)) {
    emit(read_items, R"(
    for (size_t i = 0; i < count; ++i) {
      $m$[i] = cdr_read_bool(cdr);
    }
)", sv);
  } else {
    emit(read_items, R"(
    for (auto & item : $m$) {
      $read_item$
    }
)", sv);
  }
  sv["read_items"] = read_items;
  emit(c.read, R"(
{
    uint32_t count = 0;
    cdr.deserialize(count);
    cdr_require_elements(cdr, count, $least$);$check_count$
    $m$.resize(count);
$read_items$  }
)", sv);
  emit(c.size, "p += eprosima::fastcdr::Cdr::alignment(p, 4) + 4;\n", sv);
  if (is_number(t) || is_bool(t)) {
    emit(c.size, R"(
  if (!$m$.empty()) {
    p += eprosima::fastcdr::Cdr::alignment(p, $n$) + $n$ * $m$.size();
  }
)", sv);
  } else {
    emit(c.size, R"(
  for (const auto & item : $m$) {
    $size_item$
  }
)", sv);
  }
  if (bounded) {
    c.max = "  is_plain = false;\n  p += eprosima::fastcdr::Cdr::alignment(p, 4) + 4;\n" +
            max_elements(t, f.array_size);
  } else {
    emit(c.max, R"(
  full_bounded = false;
  is_plain = false;
  last_member_size = 0;
  p += eprosima::fastcdr::Cdr::alignment(p, 4) + 4;
)", sv);
  }
  return c;
}

// True when the message holds a string or a sequence of its own: it can never be plain.
bool never_plain(const Message& m) {
  for (const Field& f : m.fields) {
    if (f.is_sequence() || f.is_string()) return true;
  }
  return false;
}

void emit_message_functions(const Message& m, std::string& out) {
  std::string write, read, size, max;
  for (const Field& f : m.fields) {
    const FieldCode c = field_code(f);
    write += "  // " + f.name + "\n  " + c.write;
    read += "  // " + f.name + "\n  " + c.read;
    size += "  // " + f.name + "\n  " + c.size;
    max += "  // " + f.name + "\n" + c.max;
  }
  const std::string last = m.fields.back().name;
  const std::string plain_check = never_plain(m) ? "" :
      "  if (is_plain) {\n    is_plain = offsetof(" + cpp_name(m.type) + ", " + last +
      ") + last_member_size == size;\n  }\n";
  emit(out, R"(
namespace $package$
{
namespace $kind$
{
namespace typesupport_fastrtps_cpp
{

bool
cdr_serialize(
  const $type$ & ros_message,
  eprosima::fastcdr::Cdr & cdr)
{
$write$  return true;
}

bool
cdr_deserialize(
  eprosima::fastcdr::Cdr & cdr,
  $type$ & ros_message)
{
$read$  return true;
}

size_t
get_serialized_size(
  const $type$ & ros_message,
  size_t current_alignment)
{
  (void)ros_message;
  size_t p = current_alignment;
$size$  return p - current_alignment;
}

size_t
max_serialized_size_$name$(
  bool & full_bounded,
  bool & is_plain,
  size_t current_alignment)
{
  full_bounded = true;
  is_plain = true;
  size_t p = current_alignment;
  size_t last_member_size = 0;
$max$  const size_t size = p - current_alignment;
$plain_check$  (void)last_member_size;
  return size;
}

static bool _$name$__cdr_serialize(
  const void * untyped_ros_message,
  eprosima::fastcdr::Cdr & cdr)
{
  return cdr_serialize(*static_cast<const $type$ *>(untyped_ros_message), cdr);
}

static bool _$name$__cdr_deserialize(
  eprosima::fastcdr::Cdr & cdr,
  void * untyped_ros_message)
{
  return cdr_deserialize(cdr, *static_cast<$type$ *>(untyped_ros_message));
}

static uint32_t _$name$__get_serialized_size(const void * untyped_ros_message)
{
  return static_cast<uint32_t>(
    get_serialized_size(*static_cast<const $type$ *>(untyped_ros_message), 0));
}

static size_t _$name$__max_serialized_size(char & bounds_info)
{
  bool full_bounded = false;
  bool is_plain = false;
  const size_t size = max_serialized_size_$name$(full_bounded, is_plain, 0);
  bounds_info = is_plain ? 3 : (full_bounded ? 1 : 0);
  return size;
}

static const message_type_support_callbacks_t _$name$__callbacks = {
  "$package$::$kind$",
  "$name$",
  _$name$__cdr_serialize,
  _$name$__cdr_deserialize,
  _$name$__get_serialized_size,
  _$name$__max_serialized_size,
};

// The identifier is stored when the library is loaded.
static rosidl_message_type_support_t _$name$__handle = {
  nullptr,
  &_$name$__callbacks,
  get_message_typesupport_handle_function,
};

}  // namespace typesupport_fastrtps_cpp
}  // namespace $kind$
}  // namespace $package$

namespace rosidl_typesupport_fastrtps_cpp
{

template<>
const rosidl_message_type_support_t *
get_message_type_support_handle<$type$>()
{
  return &$ts$::_$name$__handle;
}

}  // namespace rosidl_typesupport_fastrtps_cpp

extern "C" const rosidl_message_type_support_t *
$symbol$()
{
  return &$ts$::_$name$__handle;
}
)", {{"package", m.type.package}, {"kind", m.type.kind}, {"name", m.name()},
      {"type", cpp_name(m.type)}, {"write", write}, {"read", read}, {"size", size},
      {"max", max}, {"plain_check", plain_check}, {"ts", ts_namespace(m.type)},
      {"symbol", message_handle_symbol("fastrtps_cpp", m.type)}});
}

void emit_service_code(const Package& pkg, const Service& s, std::string& out) {
  emit(out, R"(
namespace $package$
{
namespace $kind$
{
namespace typesupport_fastrtps_cpp
{

// The request and response handles and the identifier are stored when the library is loaded.
static service_type_support_callbacks_t _$name$__callbacks = {
  "$package$::$kind$",
  "$name$",
  nullptr,
  nullptr,
};

static rosidl_service_type_support_t _$name$__handle = {
  nullptr,
  &_$name$__callbacks,
  get_service_typesupport_handle_function,
};

}  // namespace typesupport_fastrtps_cpp
}  // namespace $kind$
}  // namespace $package$

namespace rosidl_typesupport_fastrtps_cpp
{

template<>
const rosidl_service_type_support_t *
get_service_type_support_handle<$type$>()
{
  return &$ts$::_$name$__handle;
}

}  // namespace rosidl_typesupport_fastrtps_cpp

extern "C" const rosidl_service_type_support_t *
$symbol$()
{
  return &$ts$::_$name$__handle;
}
)", {{"package", s.type.package}, {"kind", s.type.kind}, {"name", s.name()},
      {"type", cpp_name(s.type)}, {"ts", ts_namespace(s.type)},
      {"symbol", service_handle_symbol("fastrtps_cpp", s.type)}});
  (void)pkg;
}

void emit_header(const Package& pkg, const Interface& iface, Outputs& outputs) {
  const std::string stem = detail_stem(pkg.name, iface.kind, iface.name);
  std::string includes = "#include \"" + stem + "__struct.hpp\"\n";
  for (const TypeName& t : nested_from_elsewhere(pkg, iface)) {
    includes += "#include \"" + detail_stem(t) + "__rosidl_typesupport_fastrtps_cpp.hpp\"\n";
  }
  const std::string visibility = "ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_" + pkg.name;
  std::string decls, specialisations, symbols;
  for (std::size_t index : iface.messages) {
    const Message& m = pkg.message(index);
    std::string least;
    for (const Field& f : m.fields) least += (least.empty() ? "" : " +\n  ") + least_size(f);
    emit(decls, R"(
$visibility$
bool
cdr_serialize(
  const $type$ & ros_message,
  eprosima::fastcdr::Cdr & cdr);

$visibility$
bool
cdr_deserialize(
  eprosima::fastcdr::Cdr & cdr,
  $type$ & ros_message);

$visibility$
size_t
get_serialized_size(
  const $type$ & ros_message,
  size_t current_alignment);

$visibility$
size_t
max_serialized_size_$name$(
  bool & full_bounded,
  bool & is_plain,
  size_t current_alignment);

// The fewest octets an encoding of $name$ takes, alignment aside (every string and
// sequence empty): readers refuse sequence counts that the rest of the input cannot hold.
constexpr size_t least_serialized_size_$name$ =
  $least$;

)", {{"visibility", visibility}, {"type", cpp_name(m.type)}, {"name", m.name()},
      {"least", least}});
    emit(specialisations, R"(
template<>
$visibility$
const rosidl_message_type_support_t *
get_message_type_support_handle<$type$>();
)", {{"visibility", visibility}, {"type", cpp_name(m.type)}});
    emit(symbols, R"(
$visibility$
const rosidl_message_type_support_t *
$symbol$();
)", {{"visibility", visibility}, {"symbol", message_handle_symbol("fastrtps_cpp", m.type)}});
  }
  for (std::size_t index : iface.services) {
    const Service& s = pkg.services[index];
    emit(specialisations, R"(
template<>
$visibility$
const rosidl_service_type_support_t *
get_service_type_support_handle<$type$>();
)", {{"visibility", visibility}, {"type", cpp_name(s.type)}});
    emit(symbols, R"(
$visibility$
const rosidl_service_type_support_t *
$symbol$();
)", {{"visibility", visibility}, {"symbol", service_handle_symbol("fastrtps_cpp", s.type)}});
  }
  emit(outputs.file("include/" + stem + "__rosidl_typesupport_fastrtps_cpp.hpp"), R"(
// generated by pelorin_idl from $kind$/$file$ -- do not edit
#pragma once

#include <cstddef>

#include "fastcdr/Cdr.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support_decl.hpp"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support_decl.hpp"
#include "$package$/msg/rosidl_typesupport_fastrtps_cpp__visibility_control.h"
$includes$
namespace $package$
{
namespace $kind$
{
namespace typesupport_fastrtps_cpp
{
$decls$}  // namespace typesupport_fastrtps_cpp
}  // namespace $kind$
}  // namespace $package$

namespace rosidl_typesupport_fastrtps_cpp
{
$specialisations$
}  // namespace rosidl_typesupport_fastrtps_cpp

extern "C"
{
$symbols$
}  // extern "C"
)", {{"kind", iface.kind}, {"file", iface.name + "." + iface.kind}, {"package", pkg.name},
      {"includes", includes}, {"decls", decls}, {"specialisations", specialisations},
      {"symbols", symbols}});
}

void emit_visibility_header(const Package& pkg, Outputs& outputs) {
  emit(outputs.file("include/" + pkg.name + "/msg/rosidl_typesupport_fastrtps_cpp__visibility_control.h"),
       R"(
// generated by pelorin_idl -- do not edit
#pragma once

// What lib$package$__rosidl_typesupport_fastrtps_cpp exports.
#if defined _WIN32 || defined __CYGWIN__
  #ifdef ROSIDL_TYPESUPPORT_FASTRTPS_CPP_BUILDING_DLL_$package$
    #define ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_$package$ __declspec(dllexport)
  #else
    #define ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_$package$ __declspec(dllimport)
  #endif
#else
  #define ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC_$package$ __attribute__ ((visibility("default")))
#endif
)", {{"package", pkg.name}});
}

// Helpers of the generated source, shared by every type of the package.
const char* kHelpers = R"(
// Not every package needs every helper.
namespace
{

using eprosima::fastcdr::exception::BadParamException;
using eprosima::fastcdr::exception::NotEnoughMemoryException;

// Fails as Fast-CDR fails on input that ends early unless the rest of the input holds
// `octets`. Received bytes are untrusted: a corrupted count or length must be refused before
// anything is allocated for it. (Over a buffer that Fast-CDR allocated itself, jump() grows
// the buffer instead of failing; received input is read from a buffer of fixed size.)
[[maybe_unused]] void cdr_require_input(eprosima::fastcdr::Cdr & cdr, size_t octets)
{
  eprosima::fastcdr::Cdr::state start = cdr.getState();
  const bool available = cdr.jump(octets);
  cdr.setState(start);
  if (!available) {
    throw NotEnoughMemoryException(NotEnoughMemoryException::NOT_ENOUGH_MEMORY_MESSAGE_DEFAULT);
  }
}

// The rest of the input must hold `count` elements of at least `least` octets each.
[[maybe_unused]] void cdr_require_elements(eprosima::fastcdr::Cdr & cdr, uint32_t count, size_t least)
{
  if (least > 0 && count > std::numeric_limits<size_t>::max() / least) {
    throw NotEnoughMemoryException(NotEnoughMemoryException::NOT_ENOUGH_MEMORY_MESSAGE_DEFAULT);
  }
  cdr_require_input(cdr, static_cast<size_t>(count) * least);
}

// A count or length must fit the 32-bit field that carries it.
[[maybe_unused]] uint32_t cdr_count(size_t size)
{
  if (size > std::numeric_limits<uint32_t>::max()) {
    throw BadParamException("sequence or string too long for a CDR length");
  }
  return static_cast<uint32_t>(size);
}

[[maybe_unused]] void cdr_check_bound(size_t size, size_t bound)
{
  if (size > bound) {
    throw BadParamException("sequence or string longer than its bound");
  }
}

// A bool travels as one octet; any non-zero octet reads as true.
[[maybe_unused]] bool cdr_read_bool(eprosima::fastcdr::Cdr & cdr)
{
  uint8_t octet = 0;
  cdr.deserialize(octet);
  return octet != 0;
}

// A string is written whole, NUL characters included: the length counts every character
// plus the terminator, so what is written, what is sized and what is read agree.
template<typename String>
void cdr_write_string(eprosima::fastcdr::Cdr & cdr, const String & value, size_t bound)
{
  if (bound > 0) {
    cdr_check_bound(value.size(), bound);
  }
  cdr.serialize(cdr_count(value.size() + 1));
  if (!value.empty()) {
    cdr.serializeArray(value.data(), value.size());
  }
  cdr.serialize('\0');
}

// Reads exactly the counted characters (without a final NUL, when there is one) straight
// from the input into the member, which keeps its storage when it is large enough.
template<typename String>
void cdr_read_string(eprosima::fastcdr::Cdr & cdr, String & value, size_t bound)
{
  uint32_t length = 0;
  cdr.deserialize(length);
  if (length == 0) {
    value.clear();
    return;
  }
  cdr_require_input(cdr, length);
  const char * chars = cdr.getCurrentPosition();
  const size_t size = chars[length - 1] == '\0' ? length - 1 : length;
  if (bound > 0) {
    cdr_check_bound(size, bound);
  }
  value.assign(chars, size);
  // Step over the characters; the last octet is read so that Fast-CDR aligns what follows.
  cdr.jump(length - 1);
  char last = 0;
  cdr.deserialize(last);
}

// Wide strings as Fast-CDR writes std::wstring: the character count, then each character
// as a 32-bit value.
template<typename WString>
void cdr_write_wstring(eprosima::fastcdr::Cdr & cdr, const WString & value, size_t bound)
{
  if (bound > 0) {
    cdr_check_bound(value.size(), bound);
  }
  cdr.serialize(cdr_count(value.size()));
  for (const auto c : value) {
    cdr.serialize(static_cast<uint32_t>(c));
  }
}

template<typename WString>
void cdr_read_wstring(eprosima::fastcdr::Cdr & cdr, WString & value, size_t bound)
{
  uint32_t length = 0;
  cdr.deserialize(length);
  cdr_require_elements(cdr, length, 4);
  if (bound > 0) {
    cdr_check_bound(length, bound);
  }
  value.resize(length);
  for (auto & c : value) {
    uint32_t code = 0;
    cdr.deserialize(code);
    c = static_cast<typename WString::value_type>(code);
  }
}

}  // namespace
)";

}  // namespace

void emit_cdr(const Package& pkg, Outputs& out) {
  emit_visibility_header(pkg, out);
  std::string includes, body, completion;
  for (const Interface& iface : pkg.interfaces) {
    emit_header(pkg, iface, out);
    includes += "#include \"" + detail_stem(pkg.name, iface.kind, iface.name) +
                "__rosidl_typesupport_fastrtps_cpp.hpp\"\n";
    for (std::size_t index : iface.messages) {
      const Message& m = pkg.message(index);
      emit_message_functions(m, body);
      emit(completion, R"(
    $ts$::_$name$__handle.typesupport_identifier = identifier;
)", {{"ts", ts_namespace(m.type)}, {"name", m.name()}});
    }
    for (std::size_t index : iface.services) {
      const Service& s = pkg.services[index];
      emit_service_code(pkg, s, body);
      emit(completion, R"(
    $ts$::_$name$__callbacks.request_members_ = $request$();
    $ts$::_$name$__callbacks.response_members_ = $response$();
    $ts$::_$name$__handle.typesupport_identifier = identifier;
)", {{"ts", ts_namespace(s.type)}, {"name", s.name()},
      {"request", message_handle_symbol("fastrtps_cpp", pkg.message(s.request).type)},
      {"response", message_handle_symbol("fastrtps_cpp", pkg.message(s.response).type)}});
    }
  }
  emit(out.file("cpp/" + library_name(pkg.name, kLayer) + ".cpp"), R"(
// generated by pelorin_idl -- do not edit
// CDR serialization of the $package$ types through Fast-CDR, and their CDR type supports.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "fastcdr/Cdr.h"
#include "fastcdr/exceptions/BadParamException.h"
#include "fastcdr/exceptions/NotEnoughMemoryException.h"
#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"
#include "rosidl_typesupport_fastrtps_cpp/message_type_support.h"
#include "rosidl_typesupport_fastrtps_cpp/service_type_support.h"
$includes$
// A type is plain when its encoding ends where its structure ends; the offset of its last
// member decides, also for structures that are not standard-layout.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
$helpers$$body$
namespace
{

// Completes the handles when the library is loaded: the runtime's identifier pointer into
// every handle, and each service's request and response handles into its record.
struct CompleteHandles
{
  CompleteHandles()
  {
    const char * identifier = rosidl_typesupport_fastrtps_cpp::typesupport_identifier;
$completion$  }
};

const CompleteHandles complete_handles;

}  // namespace
)", {{"package", pkg.name}, {"includes", includes}, {"helpers", kHelpers}, {"body", body},
      {"completion", completion}});
}

}  // namespace idl
