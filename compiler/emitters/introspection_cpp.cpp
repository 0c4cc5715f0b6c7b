// C++ introspection type support: cpp/<pkg>__rosidl_typesupport_introspection_cpp.cpp with the
// member tables, lifecycle and array functions and handles of every message and service, and
// per interface include/<pkg>/<kind>/detail/<interface>__rosidl_typesupport_introspection_cpp.hpp
// declaring what other packages' introspection code calls.
//
// What the build cannot know is stored when the library is loaded: the identifier (it lives
// in the runtime library) and the handles of nested types (they live in their own packages'
// libraries). A service record gets its request and response tables on the first request of
// its handle.
#include <set>
#include <string>

#include "../emitters.hpp"
#include "../names.hpp"

namespace idl {

namespace {

const char* kLayer = "rosidl_typesupport_introspection_cpp";
const char* kTs = "::rosidl_typesupport_introspection_cpp";

// Symbolic names of the type codes, indexed by code.
const char* const kTypeCodeNames[] = {
    "", "FLOAT", "DOUBLE", "LONG_DOUBLE", "CHAR", "WCHAR", "BOOLEAN", "OCTET", "UINT8",
    "INT8", "UINT16", "INT16", "UINT32", "INT32", "UINT64", "INT64", "STRING", "WSTRING",
    "MESSAGE"};

int type_code(const Field& f) {
  return f.is_nested() ? kMessageTypeId : info(f.type.primitive).type_id;
}

// Elements of std::vector<bool> (and BoundedVector<bool>) have no address: such fields get
// no get functions, and fetch/assign index the container directly.
bool elements_addressable(const Field& f) {
  return !(f.is_sequence() && f.type.is_primitive && f.type.primitive == Primitive::Bool);
}

std::string header_path(const std::string& package, const std::string& kind,
                        const std::string& interface_name) {
  return detail_stem(package, kind, interface_name) + "__" + kLayer + ".hpp";
}

std::string fn_name(const char* op, const Message& m, const Field& f) {
  return std::string(op) + "_function__" + m.name() + "__" + f.name;
}

// The six functions of one array field.
void emit_array_functions(const Message& m, const Field& f, std::string& out) {
  const Vars v{{"type", m.name()}, {"field", f.name},
               {"member", "decltype(::" + cpp_name(m.type) + "::" + f.name + ")"}};
  emit(out, R"(
size_t size_function__$type$__$field$(const void * untyped_member)
{
  const auto * member = reinterpret_cast<const $member$ *>(untyped_member);
  return member->size();
}

)", v);
  if (elements_addressable(f)) {
    emit(out, R"(
const void * get_const_function__$type$__$field$(const void * untyped_member, size_t index)
{
  const auto & member = *reinterpret_cast<const $member$ *>(untyped_member);
  return &member[index];
}

void * get_function__$type$__$field$(void * untyped_member, size_t index)
{
  auto & member = *reinterpret_cast<$member$ *>(untyped_member);
  return &member[index];
}

void fetch_function__$type$__$field$(
  const void * untyped_member, size_t index, void * untyped_value)
{
  const auto & item = *reinterpret_cast<const $member$::value_type *>(
    get_const_function__$type$__$field$(untyped_member, index));
  auto & value = *reinterpret_cast<$member$::value_type *>(untyped_value);
  value = item;
}

void assign_function__$type$__$field$(
  void * untyped_member, size_t index, const void * untyped_value)
{
  auto & item = *reinterpret_cast<$member$::value_type *>(
    get_function__$type$__$field$(untyped_member, index));
  const auto & value = *reinterpret_cast<const $member$::value_type *>(untyped_value);
  item = value;
}

)", v);
  } else {
    emit(out, R"(
void fetch_function__$type$__$field$(
  const void * untyped_member, size_t index, void * untyped_value)
{
  const auto & member = *reinterpret_cast<const $member$ *>(untyped_member);
  auto & value = *reinterpret_cast<bool *>(untyped_value);
  value = member[index];
}

void assign_function__$type$__$field$(
  void * untyped_member, size_t index, const void * untyped_value)
{
  auto & member = *reinterpret_cast<$member$ *>(untyped_member);
  const auto & value = *reinterpret_cast<const bool *>(untyped_value);
  member[index] = value;
}

)", v);
  }
  if (f.array != ArrayKind::Fixed) {
    emit(out, R"(
void resize_function__$type$__$field$(void * untyped_member, size_t size)
{
  auto * member = reinterpret_cast<$member$ *>(untyped_member);
  member->resize(size);
}

)", v);
  }
}

// The member record of one field.
void emit_member_record(const Message& m, const Field& f, std::string& out) {
  const bool array = f.is_array();
  auto fn = [&](const char* op, bool present) {
    return present ? fn_name(op, m, f) : std::string("nullptr");
  };
  const bool addressable = array && elements_addressable(f);
  emit(out, R"(
  {
    "$name$",  // name
    $ts$::ROS_TYPE_$code$,  // type
    $string_bound$,  // upper bound of string
    nullptr,  // $members_note$
    $is_array$,  // is array
    $array_size$,  // array size
    $is_upper_bound$,  // is upper bound
    offsetof(::$cpp$, $name$),  // bytes offset in struct
    nullptr,  // default value
    $size$,  // size() function pointer
    $get_const$,  // get_const(index) function pointer
    $get$,  // get(index) function pointer
    $fetch$,  // fetch(index, &value) function pointer
    $assign$,  // assign(index, value) function pointer
    $resize$  // resize(size) function pointer
  },
)", {{"name", f.name}, {"ts", kTs}, {"code", kTypeCodeNames[type_code(f)]},
      {"string_bound", f.is_string() ? std::to_string(f.type.string_bound) : "0"},
      {"members_note", f.is_nested() ? "handle of " + f.type.message.package + "/" +
                                           f.type.message.kind + "/" + f.type.message.name +
                                           ", stored at load time"
                                     : "not a message"},
      {"is_array", array ? "true" : "false"},
      {"array_size", f.array == ArrayKind::Fixed || f.array == ArrayKind::BoundedSequence
                         ? std::to_string(f.array_size) : "0"},
      {"is_upper_bound", f.array == ArrayKind::BoundedSequence ? "true" : "false"},
      {"cpp", cpp_name(m.type)}, {"size", fn("size", array)},
      {"get_const", fn("get_const", addressable)}, {"get", fn("get", addressable)},
      {"fetch", fn("fetch", array)}, {"assign", fn("assign", array)},
      {"resize", fn("resize", array && f.array != ArrayKind::Fixed)}});
}

void emit_message(const Message& m, std::string& out) {
  std::string functions, records, nested;
  bool has_nested = false;
  for (std::size_t i = 0; i < m.fields.size(); ++i) {
    const Field& f = m.fields[i];
    if (f.is_array()) emit_array_functions(m, f, functions);
    emit_member_record(m, f, records);
    if (f.is_nested()) {
      has_nested = true;
      emit(nested, R"(
  $type$_message_member_array[$index$].members_ =
    $ts$::get_message_type_support_handle<::$nested$>();
)", {{"type", m.name()}, {"index", std::to_string(i)}, {"ts", kTs},
      {"nested", cpp_name(f.type.message)}});
    }
  }
  const Vars v{{"type", m.name()}, {"cpp", cpp_name(m.type)}, {"ns", cpp_namespace(m.type)},
               {"package", m.type.package}, {"kind", m.type.kind}, {"ts", kTs},
               {"functions", functions}, {"records", records}, {"nested", nested},
               {"count", std::to_string(m.fields.size())},
               {"array_const", has_nested ? "" : "const "},
               {"c_symbol", message_handle_symbol("introspection_cpp", m.type)}};
  emit(out, R"(
// ---- $ns$::$type$

namespace $package$
{
namespace $kind$
{
namespace rosidl_typesupport_introspection_cpp
{

void $type$_init_function(
  void * message_memory, rosidl_runtime_cpp::MessageInitialization _init)
{
  new (message_memory) ::$cpp$(_init);
}

void $type$_fini_function(void * message_memory)
{
  auto * typed_message = static_cast<::$cpp$ *>(message_memory);
  typed_message->~$type$_();
}

$functions$static $array_const$$ts$::MessageMember $type$_message_member_array[$count$] = {
$records$};

static const $ts$::MessageMembers $type$_message_members = {
  "$ns$",  // message namespace
  "$type$",  // message name
  $count$,  // number of fields
  sizeof(::$cpp$),
  $type$_message_member_array,  // message members
  $type$_init_function,  // function to initialize message memory (memory has to be allocated)
  $type$_fini_function  // function to terminate message instance (will not free memory)
};

static rosidl_message_type_support_t $type$_message_type_support_handle = {
  nullptr,  // identifier, stored at load time
  &$type$_message_members,
  ::get_message_typesupport_handle_function,
};

static void $type$_complete_at_load()
{
  $type$_message_type_support_handle.typesupport_identifier =
    $ts$::typesupport_identifier;
$nested$}

}  // namespace rosidl_typesupport_introspection_cpp
}  // namespace $kind$
}  // namespace $package$

namespace rosidl_typesupport_introspection_cpp
{

template<>
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
const rosidl_message_type_support_t *
get_message_type_support_handle<::$cpp$>()
{
  return &::$ns$::rosidl_typesupport_introspection_cpp::$type$_message_type_support_handle;
}

}  // namespace rosidl_typesupport_introspection_cpp

extern "C" ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
const rosidl_message_type_support_t *
$c_symbol$()
{
  return $ts$::get_message_type_support_handle<::$cpp$>();
}

)", v);
}

void emit_service(const Package& pkg, const Service& s, std::string& out) {
  emit(out, R"(
// ---- $ns$::$type$

namespace $package$
{
namespace $kind$
{
namespace rosidl_typesupport_introspection_cpp
{

// The request and response tables are stored on the first request of the handle.
static $ts$::ServiceMembers $type$_service_members = {
  "$ns$",  // service namespace
  "$type$",  // service name
  nullptr,  // request message table
  nullptr,  // response message table
};

static rosidl_service_type_support_t $type$_service_type_support_handle = {
  nullptr,  // identifier, stored at load time
  &$type$_service_members,
  ::get_service_typesupport_handle_function,
};

static void $type$_complete_at_load()
{
  $type$_service_type_support_handle.typesupport_identifier =
    $ts$::typesupport_identifier;
}

static bool $type$_complete_service_members()
{
  auto * service_members = static_cast<$ts$::ServiceMembers *>(
    const_cast<void *>($type$_service_type_support_handle.data));
  if (!service_members->request_members_ || !service_members->response_members_) {
    service_members->request_members_ = static_cast<const $ts$::MessageMembers *>(
      $ts$::get_message_type_support_handle<::$request$>()->data);
    service_members->response_members_ = static_cast<const $ts$::MessageMembers *>(
      $ts$::get_message_type_support_handle<::$response$>()->data);
  }
  return true;
}

}  // namespace rosidl_typesupport_introspection_cpp
}  // namespace $kind$
}  // namespace $package$

namespace rosidl_typesupport_introspection_cpp
{

template<>
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
const rosidl_service_type_support_t *
get_service_type_support_handle<::$cpp$>()
{
  // A function-local static: concurrent first requests wait until both tables are stored.
  static const bool completed =
    ::$ns$::rosidl_typesupport_introspection_cpp::$type$_complete_service_members();
  (void)completed;
  return &::$ns$::rosidl_typesupport_introspection_cpp::$type$_service_type_support_handle;
}

}  // namespace rosidl_typesupport_introspection_cpp

extern "C" ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
const rosidl_service_type_support_t *
$c_symbol$()
{
  return $ts$::get_service_type_support_handle<::$cpp$>();
}

)", {{"type", s.name()}, {"cpp", cpp_name(s.type)}, {"ns", cpp_namespace(s.type)},
      {"package", s.type.package}, {"kind", s.type.kind}, {"ts", kTs},
      {"request", cpp_name(pkg.message(s.request).type)},
      {"response", cpp_name(pkg.message(s.response).type)},
      {"c_symbol", service_handle_symbol("introspection_cpp", s.type)}});
}

// Declarations of one interface's handle functions and per-type functions.
void emit_header(const Package& pkg, const Interface& iface, Outputs& outputs) {
  std::string cpp_decls, c_decls, function_decls;
  for (std::size_t index : iface.messages) {
    const Message& m = pkg.message(index);
    emit(cpp_decls, R"(
template<>
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
const rosidl_message_type_support_t *
get_message_type_support_handle<::$cpp$>();

)", {{"cpp", cpp_name(m.type)}});
    emit(c_decls, R"(
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
const rosidl_message_type_support_t *
$symbol$();

)", {{"symbol", message_handle_symbol("introspection_cpp", m.type)}});
    emit(function_decls, R"(
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
void $type$_init_function(void * message_memory, rosidl_runtime_cpp::MessageInitialization _init);
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
void $type$_fini_function(void * message_memory);
)", {{"type", m.name()}});
    for (const Field& f : m.fields) {
      if (!f.is_array()) continue;
      const Vars v{{"type", m.name()}, {"field", f.name}};
      emit(function_decls, R"(
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
size_t size_function__$type$__$field$(const void * untyped_member);
)", v);
      if (elements_addressable(f)) {
        emit(function_decls, R"(
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
const void * get_const_function__$type$__$field$(const void * untyped_member, size_t index);
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
void * get_function__$type$__$field$(void * untyped_member, size_t index);
)", v);
      }
      emit(function_decls, R"(
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
void fetch_function__$type$__$field$(
  const void * untyped_member, size_t index, void * untyped_value);
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
void assign_function__$type$__$field$(
  void * untyped_member, size_t index, const void * untyped_value);
)", v);
      if (f.array != ArrayKind::Fixed) {
        emit(function_decls, R"(
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
void resize_function__$type$__$field$(void * untyped_member, size_t size);
)", v);
      }
    }
  }
  for (std::size_t index : iface.services) {
    const Service& s = pkg.services[index];
    emit(cpp_decls, R"(
template<>
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
const rosidl_service_type_support_t *
get_service_type_support_handle<::$cpp$>();

)", {{"cpp", cpp_name(s.type)}});
    emit(c_decls, R"(
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
const rosidl_service_type_support_t *
$symbol$();

)", {{"symbol", service_handle_symbol("introspection_cpp", s.type)}});
  }
  const std::string stem = detail_stem(pkg.name, iface.kind, iface.name);
  emit(outputs.file("include/" + header_path(pkg.name, iface.kind, iface.name)), R"(
// generated by pelorin_idl from $kind$/$file$ -- do not edit
#pragma once

#include <cstddef>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_runtime_cpp/message_initialization.hpp"
#include "rosidl_typesupport_introspection_cpp/message_type_support_decl.hpp"
#include "rosidl_typesupport_introspection_cpp/service_type_support_decl.hpp"
#include "rosidl_typesupport_introspection_cpp/visibility_control.h"
#include "$stem$__struct.hpp"

namespace rosidl_typesupport_introspection_cpp
{

$cpp_decls$}  // namespace rosidl_typesupport_introspection_cpp

extern "C"
{

$c_decls$}

// The functions the member tables point to; the first argument of the array functions is
// the address of the array member inside a message.
namespace $package$
{
namespace $kind$
{
namespace rosidl_typesupport_introspection_cpp
{
$functions$
}  // namespace rosidl_typesupport_introspection_cpp
}  // namespace $kind$
}  // namespace $package$
)", {{"kind", iface.kind}, {"file", iface.name + "." + iface.kind}, {"stem", stem},
      {"cpp_decls", cpp_decls}, {"c_decls", c_decls}, {"package", pkg.name},
      {"functions", function_decls}});
}

}  // namespace

void emit_introspection_cpp(const Package& pkg, Outputs& out) {
  std::string includes, body, completions;
  std::set<std::string> included;
  auto include = [&](const std::string& path) {
    if (included.insert(path).second) includes += "#include \"" + path + "\"\n";
  };
  for (const Interface& iface : pkg.interfaces) {
    emit_header(pkg, iface, out);
    include(header_path(pkg.name, iface.kind, iface.name));
  }
  for (const Interface& iface : pkg.interfaces) {
    for (const TypeName& t : nested_from_elsewhere(pkg, iface)) {
      include(header_path(t.package, t.kind, t.name));
    }
  }
  for (const Message& m : pkg.messages) {
    emit_message(m, body);
    completions += "    ::" + cpp_namespace(m.type) + "::rosidl_typesupport_introspection_cpp::" +
                   m.name() + "_complete_at_load();\n";
  }
  for (const Service& s : pkg.services) {
    emit_service(pkg, s, body);
    completions += "    ::" + cpp_namespace(s.type) + "::rosidl_typesupport_introspection_cpp::" +
                   s.name() + "_complete_at_load();\n";
  }
  emit(out.file("cpp/" + library_name(pkg.name, kLayer) + ".cpp"), R"(
// generated by pelorin_idl for package $package$ -- do not edit
#include <cstddef>
#include <new>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"
#include "rosidl_typesupport_introspection_cpp/field_types.hpp"
#include "rosidl_typesupport_introspection_cpp/identifier.hpp"
#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"
#include "rosidl_typesupport_introspection_cpp/service_introspection.hpp"
#include "rosidl_typesupport_introspection_cpp/visibility_control.h"
$includes$
$body$
namespace
{

// Stores the identifier into every handle and the nested types' handles into the member
// records, once, when the library is loaded and before any of its functions can be called.
struct CompleteAtLoad
{
  CompleteAtLoad()
  {
$completions$  }
};

const CompleteAtLoad complete_at_load;

}  // namespace
)", {{"package", pkg.name}, {"includes", includes}, {"body", body},
      {"completions", completions}});
}

}  // namespace idl
