// C++ message structures: include/<pkg>/<kind>/<interface>.hpp and its detail headers
// __struct.hpp (the class templates, service and action types) and __traits.hpp
// (rosidl_generator_traits specialisations and YAML printing).
#include <string>

#include "../emitters.hpp"
#include "../names.hpp"

namespace idl {

namespace {

const char* kInit = "rosidl_runtime_cpp::MessageInitialization";

std::string zero_value(const FieldType& t) {
  switch (t.primitive) {
    case Primitive::Bool: return "false";
    case Primitive::Float32: return "0.0f";
    case Primitive::Float64: return "0.0";
    case Primitive::String: return "\"\"";
    case Primitive::WString: return "u\"\"";
    default: return "0";
  }
}

// Statement that gives a primitive field (or array of primitives) its zero value.
std::string zero_statement(const Field& f) {
  if (f.array == ArrayKind::None) return "this->" + f.name + " = " + zero_value(f.type) + ";";
  if (f.array == ArrayKind::Fixed) return "this->" + f.name + ".fill(" + zero_value(f.type) + ");";
  return "";  // sequences start empty in every mode
}

std::string default_statement(const Field& f) {
  if (f.array == ArrayKind::None) {
    return "this->" + f.name + " = " + f.default_value[0].text + ";";
  }
  std::string items;
  for (const auto& v : f.default_value) items += (items.empty() ? "" : ", ") + v.text;
  if (f.array == ArrayKind::Fixed) return "this->" + f.name + " = {{" + items + "}};";
  return "this->" + f.name + " = {" + items + "};";
}

// The constructor body: mode handling of the structure's own primitive members.
std::string constructor_body(const Message& m) {
  std::string defaults, zeroed_defaults, zeros, nested_arrays;
  for (const Field& f : m.fields) {
    if (f.is_nested()) {
      if (f.array == ArrayKind::Fixed) {
        nested_arrays += "    this->" + f.name + ".fill(typename _" + f.name +
                         "_type::value_type(_init));\n";
      }
      continue;
    }
    if (f.has_default) {
      defaults += "      " + default_statement(f) + "\n";
      const std::string z = zero_statement(f);
      if (!z.empty()) zeroed_defaults += "      " + z + "\n";
    } else {
      const std::string z = zero_statement(f);
      if (!z.empty()) zeros += "      " + z + "\n";
    }
  }
  std::string body;
  if (!nested_arrays.empty()) {
    body += "    if (" + std::string(kInit) + "::ALL != _init) {\n" + nested_arrays + "    }\n";
  }
  if (!defaults.empty()) {
    body += "    if (" + std::string(kInit) + "::ALL == _init ||\n      " + kInit +
            "::DEFAULTS_ONLY == _init)\n    {\n" + defaults + "    } else if (" + kInit +
            "::ZERO == _init) {\n" + zeroed_defaults + "    }\n";
  }
  if (!zeros.empty()) {
    body += "    if (" + std::string(kInit) + "::ALL == _init ||\n      " + kInit +
            "::ZERO == _init)\n    {\n" + zeros + "    }\n";
  }
  if (body.empty()) body = "    (void)_init;\n";
  return body;
}

void emit_struct(const Message& m, std::string& out) {
  std::string init_list, alloc_init_list, members, setters, compare, constants_decl;
  bool alloc_used = false;
  for (const Field& f : m.fields) {
    const std::string sep_a = init_list.empty() ? "  : " : ",\n    ";
    const std::string sep_b = alloc_init_list.empty() ? "  : " : ",\n    ";
    if (f.is_nested() && !f.is_array()) {
      init_list += sep_a + f.name + "(_init)";
      alloc_init_list += sep_b + f.name + "(_alloc, _init)";
      alloc_used = true;
    } else if (f.is_sequence() || (f.is_string() && !f.is_array())) {
      alloc_init_list += sep_b + f.name + "(_alloc)";
      alloc_used = true;
    }
    emit(members, R"(
  using _$name$_type =
    $type$;
  _$name$_type $name$;
)", {{"name", f.name}, {"type", cpp_field_type(f, "ContainerAllocator")}});
    emit(setters, R"(
  Type & set__$name$(
    const $type$ & _arg)
  {
    this->$name$ = _arg;
    return *this;
  }
)", {{"name", f.name}, {"type", cpp_field_type(f, "ContainerAllocator")}});
    emit(compare, R"(
    if (this->$name$ != other.$name$) {
      return false;
    }
)", {{"name", f.name}});
  }
  for (const Constant& c : m.constants) {
    if (c.type == Primitive::String || c.type == Primitive::WString) {
      emit(constants_decl, R"(
  static const $type$ $name$;
)", {{"type", info(c.type).cpp}, {"name", c.name}});
    } else {
      emit(constants_decl, R"(
  static constexpr $type$ $name$ = $value$;
)", {{"type", info(c.type).cpp}, {"name", c.name}, {"value", c.value.text}});
    }
  }
  if (!init_list.empty()) init_list += "\n";
  if (!alloc_init_list.empty()) alloc_init_list += "\n";
  const std::string body = constructor_body(m);
  emit(out, R"(
template<class ContainerAllocator>
struct $name$_
{
  using Type = $name$_<ContainerAllocator>;

  explicit $name$_($init$ _init = $init$::ALL)
$init_list$  {
$body$  }

  explicit $name$_(const ContainerAllocator & _alloc, $init$ _init = $init$::ALL)
$alloc_init_list$  {
$alloc_unused$$body$  }

  // field types and members
$members$
  // setters for named parameter idiom
$setters$
  // constant declarations
$constants$
  // pointer types
  using RawPtr =
    $name$_<ContainerAllocator> *;
  using ConstRawPtr =
    const $name$_<ContainerAllocator> *;
  using SharedPtr =
    std::shared_ptr<$name$_<ContainerAllocator>>;
  using ConstSharedPtr =
    std::shared_ptr<$name$_<ContainerAllocator> const>;

  template<typename Deleter = std::default_delete<
      $name$_<ContainerAllocator>>>
  using UniquePtrWithDeleter =
    std::unique_ptr<$name$_<ContainerAllocator>, Deleter>;

  using UniquePtr = UniquePtrWithDeleter<>;

  template<typename Deleter = std::default_delete<
      $name$_<ContainerAllocator>>>
  using ConstUniquePtrWithDeleter =
    std::unique_ptr<$name$_<ContainerAllocator> const, Deleter>;
  using ConstUniquePtr = ConstUniquePtrWithDeleter<>;

  using WeakPtr =
    std::weak_ptr<$name$_<ContainerAllocator>>;
  using ConstWeakPtr =
    std::weak_ptr<$name$_<ContainerAllocator> const>;

  // comparison operators
  bool operator==(const $name$_ & other) const
  {
$compare$    return true;
  }
  bool operator!=(const $name$_ & other) const
  {
    return !this->operator==(other);
  }
};  // struct $name$_

// alias to use template instance with default allocator
using $name$ =
  $ns$::$name$_<std::allocator<void>>;

)", {{"name", m.name()}, {"init", kInit}, {"init_list", init_list},
      {"alloc_init_list", alloc_init_list}, {"body", body},
      {"alloc_unused", alloc_used ? "" : "    (void)_alloc;\n"}, {"members", members},
      {"setters", setters}, {"constants", constants_decl}, {"compare", compare},
      {"ns", cpp_namespace(m.type)}});
  for (const Constant& c : m.constants) {
    if (c.type == Primitive::String || c.type == Primitive::WString) {
      emit(out, R"(
template<typename ContainerAllocator>
const $type$ $name$_<ContainerAllocator>::$const$ = $value$;
)", {{"type", info(c.type).cpp}, {"name", m.name()}, {"const", c.name}, {"value", c.value.text}});
    } else {
      // Out-of-class definitions keep the constants odr-usable before C++17 inline rules.
      emit(out, R"(
#if __cplusplus < 201703L
template<typename ContainerAllocator>
constexpr $type$ $name$_<ContainerAllocator>::$const$;
#endif
)", {{"type", info(c.type).cpp}, {"name", m.name()}, {"const", c.name}});
    }
  }
}

void emit_struct_header(const Package& pkg, const Interface& iface, Outputs& outputs) {
  std::string includes;
  for (const TypeName& t : nested_from_elsewhere(pkg, iface)) {
    includes += "#include \"" + detail_stem(t) + "__struct.hpp\"\n";
  }
  if (iface.action >= 0) {
    includes += "#include \"action_msgs/srv/detail/cancel_goal__struct.hpp\"\n";
    includes += "#include \"action_msgs/msg/detail/goal_status_array__struct.hpp\"\n";
  }
  std::string body;
  for (std::size_t index : iface.messages) emit_struct(pkg.message(index), body);
  for (std::size_t index : iface.services) {
    const Service& s = pkg.services[index];
    emit(body, R"(
struct $name$
{
  using Request = $request$;
  using Response = $response$;
};

)", {{"name", s.name()}, {"request", cpp_name(pkg.message(s.request).type)},
      {"response", cpp_name(pkg.message(s.response).type)}});
  }
  if (iface.action >= 0) {
    const Action& a = pkg.actions[iface.action];
    emit(body, R"(
struct $name$
{
  using Goal = $goal$;
  using Result = $result$;
  using Feedback = $feedback$;

  struct Impl
  {
    using SendGoalService = $send_goal$;
    using GetResultService = $get_result$;
    using FeedbackMessage = $feedback_message$;
    using CancelGoalService = action_msgs::srv::CancelGoal;
    using GoalStatusMessage = action_msgs::msg::GoalStatusArray;
  };
};

)", {{"name", a.name()}, {"goal", cpp_name(pkg.message(a.goal).type)},
      {"result", cpp_name(pkg.message(a.result).type)},
      {"feedback", cpp_name(pkg.message(a.feedback).type)},
      {"send_goal", cpp_name(pkg.services[a.send_goal].type)},
      {"get_result", cpp_name(pkg.services[a.get_result].type)},
      {"feedback_message", cpp_name(pkg.message(a.feedback_message).type)}});
  }
  std::string& out = outputs.file("include/" + detail_stem(pkg.name, iface.kind, iface.name) +
                                  "__struct.hpp");
  emit(out, R"(
// generated by pelorin_idl from $kind$/$file$ -- do not edit
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rosidl_runtime_cpp/bounded_vector.hpp"
#include "rosidl_runtime_cpp/message_initialization.hpp"

$includes$
namespace $package$
{
namespace $kind$
{

$body$}  // namespace $kind$
}  // namespace $package$
)", {{"kind", iface.kind}, {"file", iface.name + "." + iface.kind}, {"includes", includes},
      {"package", pkg.name}, {"body", body}});
}

// YAML printing of one field, in block style (one line per scalar) and flow style.
void emit_yaml_field(const Field& f, std::string& block, std::string& flow, bool last) {
  const Vars v{{"name", f.name}, {"sep", last ? "" : "\n    out << \", \";"}};
  if (!f.is_array()) {
    if (f.is_nested()) {
      emit(block, R"(
  {
    if (indentation > 0) {
      out << std::string(indentation, ' ');
    }
    out << "$name$:\n";
    to_block_style_yaml(msg.$name$, out, indentation + 2);
  }
)", v);
      emit(flow, R"(
  {
    out << "$name$: ";
    to_flow_style_yaml(msg.$name$, out);$sep$
  }
)", v);
    } else {
      emit(block, R"(
  {
    if (indentation > 0) {
      out << std::string(indentation, ' ');
    }
    out << "$name$: ";
    rosidl_generator_traits::$to_yaml$(msg.$name$, out);
    out << "\n";
  }
)", {{"name", f.name}, {"to_yaml", f.type.primitive == Primitive::Byte
                                       ? "character_value_to_yaml" : "value_to_yaml"}});
      emit(flow, R"(
  {
    out << "$name$: ";
    rosidl_generator_traits::$to_yaml$(msg.$name$, out);$sep$
  }
)", {{"name", f.name}, {"sep", last ? "" : "\n    out << \", \";"},
      {"to_yaml", f.type.primitive == Primitive::Byte
                      ? "character_value_to_yaml" : "value_to_yaml"}});
    }
    return;
  }
  const bool nested = f.is_nested();
  const std::string to_yaml = nested ? "" :
      (f.type.primitive == Primitive::Byte)
          ? "character_value_to_yaml" : "value_to_yaml";
  const std::string item_block = nested
      ? "        out << \"-\\n\";\n        to_block_style_yaml(item, out, indentation + 2);\n"
      : "        out << \"- \";\n        rosidl_generator_traits::" + to_yaml +
            "(item, out);\n        out << \"\\n\";\n";
  const std::string item_flow = nested ? "      to_flow_style_yaml(item, out);\n"
      : "      rosidl_generator_traits::" + to_yaml + "(item, out);\n";
  emit(block, R"(
  {
    if (indentation > 0) {
      out << std::string(indentation, ' ');
    }
    if (msg.$name$.size() == 0) {
      out << "$name$: []\n";
    } else {
      out << "$name$:\n";
      for (const auto & item : msg.$name$) {
        if (indentation > 0) {
          out << std::string(indentation, ' ');
        }
$item$      }
    }
  }
)", {{"name", f.name}, {"item", item_block}});
  emit(flow, R"(
  {
    out << "$name$: [";
    size_t pending_items = msg.$name$.size();
    for (const auto & item : msg.$name$) {
$item$      if (--pending_items > 0) {
        out << ", ";
      }
    }
    out << "]";$sep$
  }
)", {{"name", f.name}, {"item", item_flow}, {"sep", last ? "" : "\n    out << \", \";"}});
}

// has_fixed_size / has_bounded_size of a message, as an expression over nested types.
std::string size_trait(const Message& m, bool fixed) {
  std::string expr;
  for (const Field& f : m.fields) {
    if (f.array == ArrayKind::UnboundedSequence) return "false";
    if (fixed && f.array == ArrayKind::BoundedSequence) return "false";
    if (f.is_string()) {
      if (fixed || f.type.string_bound == 0) return "false";
    }
    if (f.is_nested()) {
      expr += std::string(expr.empty() ? "" : " && ") + (fixed ? "has_fixed_size" : "has_bounded_size") +
              "<" + cpp_name(f.type.message) + ">::value";
    }
  }
  return expr.empty() ? "true" : expr;
}

void emit_traits_header(const Package& pkg, const Interface& iface, Outputs& outputs) {
  std::string includes, yaml, traits;
  for (const TypeName& t : nested_from_elsewhere(pkg, iface)) {
    includes += "#include \"" + detail_stem(t) + "__traits.hpp\"\n";
  }
  for (std::size_t index : iface.messages) {
    const Message& m = pkg.message(index);
    std::string block, flow;
    if (m.is_placeholder_only) {
      block = "  (void)msg;\n  (void)indentation;\n  out << \"null\\n\";\n";
      flow = "  (void)msg;\n  out << \"null\";\n";
    } else {
      for (std::size_t i = 0; i < m.fields.size(); ++i) {
        emit_yaml_field(m.fields[i], block, flow, i + 1 == m.fields.size());
      }
    }
    emit(yaml, R"(
inline void to_flow_style_yaml(
  const $name$ & msg,
  std::ostream & out)
{
  out << "{";
$flow$  out << "}";
}

inline void to_block_style_yaml(
  const $name$ & msg,
  std::ostream & out, size_t indentation = 0)
{
$block$}

inline std::string to_yaml(const $name$ & msg, bool use_flow_style = false)
{
  std::ostringstream out;
  if (use_flow_style) {
    to_flow_style_yaml(msg, out);
  } else {
    to_block_style_yaml(msg, out);
  }
  return out.str();
}

)", {{"name", m.name()}, {"flow", flow}, {"block", block}});
    std::string role;
    for (const char* suffix : {"Goal", "Result", "Feedback"}) {
      if (iface.action >= 0 && m.name() == iface.name + "_" + suffix) {
        role = std::string("is_action_") + (suffix[0] == 'G' ? "goal" : suffix[0] == 'R' ? "result" : "feedback");
      }
    }
    for (std::size_t s : iface.services) {
      if (pkg.services[s].request == index) role = "is_service_request";
      if (pkg.services[s].response == index) role = "is_service_response";
    }
    emit(traits, R"(
template<>
inline const char * data_type<$cpp$>()
{
  return "$cpp$";
}

template<>
inline const char * name<$cpp$>()
{
  return "$path$";
}

template<>
struct has_fixed_size<$cpp$>
  : std::integral_constant<bool, $fixed$> {};

template<>
struct has_bounded_size<$cpp$>
  : std::integral_constant<bool, $bounded$> {};

template<>
struct is_message<$cpp$>
  : std::true_type {};

)", {{"cpp", cpp_name(m.type)}, {"path", pkg.name + "/" + m.type.kind + "/" + m.name()},
      {"fixed", size_trait(m, true)}, {"bounded", size_trait(m, false)}});
    if (!role.empty()) {
      emit(traits, R"(
template<>
struct $role$<$cpp$>
  : std::true_type {};

)", {{"role", role}, {"cpp", cpp_name(m.type)}});
    }
  }
  for (std::size_t index : iface.services) {
    const Service& s = pkg.services[index];
    emit(traits, R"(
template<>
inline const char * data_type<$cpp$>()
{
  return "$cpp$";
}

template<>
inline const char * name<$cpp$>()
{
  return "$path$";
}

template<>
struct has_fixed_size<$cpp$>
  : std::integral_constant<
    bool,
    has_fixed_size<$request$>::value &&
    has_fixed_size<$response$>::value
  >
{
};

template<>
struct has_bounded_size<$cpp$>
  : std::integral_constant<
    bool,
    has_bounded_size<$request$>::value &&
    has_bounded_size<$response$>::value
  >
{
};

template<>
struct is_service<$cpp$>
  : std::true_type
{
};

)", {{"cpp", cpp_name(s.type)}, {"path", pkg.name + "/" + s.type.kind + "/" + s.name()},
      {"request", cpp_name(pkg.message(s.request).type)},
      {"response", cpp_name(pkg.message(s.response).type)}});
  }
  if (iface.action >= 0) {
    const Action& a = pkg.actions[iface.action];
    emit(traits, R"(
template<>
inline const char * data_type<$cpp$>()
{
  return "$cpp$";
}

template<>
inline const char * name<$cpp$>()
{
  return "$path$";
}

template<>
struct is_action<$cpp$>
  : std::true_type
{
};

)", {{"cpp", cpp_name(a.type)}, {"path", pkg.name + "/action/" + a.name()}});
  }
  std::string& out = outputs.file("include/" + detail_stem(pkg.name, iface.kind, iface.name) +
                                  "__traits.hpp");
  emit(out, R"(
// generated by pelorin_idl from $kind$/$file$ -- do not edit
#pragma once

#include <stdint.h>
#include <iomanip>
#include <sstream>
#include <string>
#include <type_traits>

#include "$stem$__struct.hpp"
#include "rosidl_runtime_cpp/traits.hpp"
$includes$
namespace $package$
{
namespace $kind$
{

$yaml$}  // namespace $kind$
}  // namespace $package$

namespace rosidl_generator_traits
{

$traits$}  // namespace rosidl_generator_traits
)", {{"kind", iface.kind}, {"file", iface.name + "." + iface.kind},
      {"stem", detail_stem(pkg.name, iface.kind, iface.name)}, {"includes", includes},
      {"package", pkg.name}, {"yaml", yaml}, {"traits", traits}});
}

}  // namespace

void emit_cpp_messages(const Package& pkg, Outputs& outputs) {
  for (const Interface& iface : pkg.interfaces) {
    emit_struct_header(pkg, iface, outputs);
    emit_traits_header(pkg, iface, outputs);
    const std::string stem = detail_stem(pkg.name, iface.kind, iface.name);
    emit(outputs.file("include/" + header_stem(pkg.name, iface.kind, iface.name) + ".hpp"), R"(
// generated by pelorin_idl from $kind$/$file$ -- do not edit
#pragma once

#include "$stem$__struct.hpp"
#include "$stem$__traits.hpp"
)", {{"kind", iface.kind}, {"file", iface.name + "." + iface.kind}, {"stem", stem}});
  }
}

}  // namespace idl
