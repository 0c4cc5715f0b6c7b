// The model of one interface package: what the parser reads and every emitter formats.
//
// A package is a list of message types, service types and action types. Services and
// actions are already expanded here (a service into its request and response messages, an
// action into its eight messages and two services), so emitters only ever walk messages,
// services and actions; none of them re-derives a type, a name or a rule.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace idl {

// The primitive field types of the definition grammar, in the grammar's spelling. A `char`
// in a definition is an unsigned octet, as in ROS 2, and reads as Uint8.
enum class Primitive {
  Bool, Byte, Float32, Float64,
  Int8, Uint8, Int16, Uint16, Int32, Uint32, Int64, Uint64,
  String, WString,
};

// A reference to a message type, possibly of another package. Nested types are always `msg`.
struct TypeName {
  std::string package;
  std::string kind;  // "msg", "srv" or "action"
  std::string name;  // e.g. "PoseStamped", "MapMark_Request"
};

// The type of one field or constant, without its array part.
struct FieldType {
  bool is_primitive = true;
  Primitive primitive = Primitive::Bool;
  std::size_t string_bound = 0;  // String/WString only: 0 is unbounded
  TypeName message;              // when !is_primitive
};

enum class ArrayKind { None, Fixed, BoundedSequence, UnboundedSequence };

// A literal value, already written in the C/C++ spelling of its type ("1.0", "true",
// "\"abc\"", "-5"); `is_string` tells the string literals apart for emitters that need it.
struct Literal {
  std::string text;
  bool is_string = false;
};

struct Field {
  std::string name;
  FieldType type;
  ArrayKind array = ArrayKind::None;
  std::size_t array_size = 0;        // Fixed: the size; BoundedSequence: the bound
  bool has_default = false;
  std::vector<Literal> default_value;  // one item for a scalar, the items for an array
  int line = 0;

  bool is_array() const { return array != ArrayKind::None; }
  bool is_sequence() const {
    return array == ArrayKind::BoundedSequence || array == ArrayKind::UnboundedSequence;
  }
  bool is_nested() const { return !type.is_primitive; }
  bool is_string() const {
    return type.is_primitive &&
           (type.primitive == Primitive::String || type.primitive == Primitive::WString);
  }
};

struct Constant {
  std::string name;
  Primitive type = Primitive::Int32;
  Literal value;
};

// One message type. `interface_name` is the definition file's name: the action
// `Controller` defines `Controller_Goal`, whose interface_name is "Controller".
struct Message {
  TypeName type;
  std::string interface_name;
  std::vector<Field> fields;      // never empty: see `is_placeholder_only`
  std::vector<Constant> constants;
  bool is_placeholder_only = false;  // defined without fields; holds only the placeholder

  const std::string& name() const { return type.name; }
};

struct Service {
  TypeName type;  // e.g. {pelorin, srv, MapMark} or {pelorin, action, Controller_SendGoal}
  std::string interface_name;
  std::size_t request = 0;   // index into Package::messages
  std::size_t response = 0;  // index into Package::messages

  const std::string& name() const { return type.name; }
};

struct Action {
  TypeName type;  // {pelorin, action, Controller}
  std::size_t goal = 0, result = 0, feedback = 0;  // indexes into Package::messages
  std::size_t feedback_message = 0;
  std::size_t send_goal = 0, get_result = 0;        // indexes into Package::services

  const std::string& name() const { return type.name; }
};

// The interfaces of one definition file, as the file defines them.
struct Interface {
  std::string kind;  // "msg", "srv" or "action"
  std::string name;  // file name without extension
  std::vector<std::size_t> messages;  // indexes into Package::messages, in definition order
  std::vector<std::size_t> services;  // indexes into Package::services
  int action = -1;                    // index into Package::actions, or -1
};

struct Package {
  std::string name;
  std::vector<Interface> interfaces;  // sorted by kind (msg, srv, action), then file order
  std::vector<Message> messages;
  std::vector<Service> services;
  std::vector<Action> actions;

  const Message& message(std::size_t i) const { return messages[i]; }
  // The message of this package with this type, or nullptr.
  const Message* find(const TypeName& type) const;
};

bool operator==(const TypeName& a, const TypeName& b);
bool operator<(const TypeName& a, const TypeName& b);

// The message types that the messages of `iface` nest and that another interface defines
// (of this package or another), each once, in first-use order: what its code must include.
std::vector<TypeName> nested_from_elsewhere(const Package& pkg, const Interface& iface);

// The member name every field-less structure carries.
inline constexpr const char* kPlaceholderName = "structure_needs_at_least_one_member";

}  // namespace idl
