// Every name the generated code uses, derived in one place: identifiers of the C, C++ and
// type-support layers, exported symbols, header paths and library file names.
#pragma once

#include <string>

#include "model.hpp"

namespace idl {

// The lower-case form of a type name: "CropPathPoint_GetResult_Response" gives
// "crop_path_point__get_result__response", "UUID" gives "uuid", "Point32" gives "point32".
std::string snake(const std::string& name);

// What each primitive type is in every layer.
struct PrimitiveInfo {
  const char* idl;          // "float32"
  const char* cpp;          // "float"
  const char* c;            // "float"
  const char* c_sequence;   // "rosidl_runtime_c__float__Sequence"
  int type_id;              // rosidl introspection type code
  int wire_size;            // CDR octets (and alignment); 0 for strings
};
const PrimitiveInfo& info(Primitive p);
// The primitive of a grammar spelling ("float32", "byte", ...), or false when unknown.
bool primitive_from_idl(const std::string& word, Primitive* out);
inline constexpr int kMessageTypeId = 18;

// C: pelorin__msg__Path. C++: pelorin::msg::Path and its namespace pelorin::msg.
std::string c_name(const TypeName& t);
std::string cpp_name(const TypeName& t);
std::string cpp_namespace(const TypeName& t);
// Header path stem of an interface: "pelorin/action/controller" (add ".hpp" or ".h"), and
// of its detail headers "pelorin/action/detail/controller" (add "__struct.hpp", ...).
std::string header_stem(const std::string& package, const std::string& kind,
                        const std::string& interface_name);
std::string detail_stem(const std::string& package, const std::string& kind,
                        const std::string& interface_name);
// The header stems of the interface that defines a nested message type (always `msg`).
std::string header_stem(const TypeName& msg);
std::string detail_stem(const TypeName& msg);

// Exported handle functions, `<id>` being "c", "cpp", "fastrtps_cpp", "introspection_cpp",
// "fastrtps_c" or "introspection_c":
// rosidl_typesupport_<id>__get_message_type_support_handle__pelorin__msg__Path
std::string message_handle_symbol(const std::string& id, const TypeName& t);
std::string service_handle_symbol(const std::string& id, const TypeName& t);
std::string action_handle_symbol(const std::string& id, const TypeName& t);

// Library base name "pelorin__rosidl_typesupport_cpp" and file name "lib<that>.so".
std::string library_name(const std::string& package, const std::string& layer);
std::string library_file(const std::string& package, const std::string& layer);

// The C++ type of a field in the std::allocator instantiation, with its array part:
// "float", "std::string", "geometry_msgs::msg::PoseStamped_<ContainerAllocator>",
// "std::vector<...>", "std::array<uint8_t, 16>". `alloc` is the allocator expression used
// for nested templates ("ContainerAllocator" inside a class template).
std::string cpp_element_type(const FieldType& type, const std::string& alloc);
std::string cpp_field_type(const Field& f, const std::string& alloc);

// The C type of a field element ("float", "rosidl_runtime_c__String",
// "geometry_msgs__msg__PoseStamped") and of a sequence of them.
std::string c_element_type(const FieldType& type);
std::string c_sequence_type(const FieldType& type);

// Python: module "pelorin.msg._path" of an interface, converter functions
// pelorin__action__crop_path_point__send_goal__request__convert_from_py (`direction` is
// "from_py" or "to_py"), and the extension's capsule name of a type for `what` one of
// "create_ros_message", "destroy_ros_message", "convert_from_py", "convert_to_py",
// "type_support": "type_support_msg__msg__path". Services and actions have
// "type_support_srv__srv__map_mark" and "type_support_action__action__controller".
std::string python_module(const std::string& package, const std::string& kind,
                          const std::string& interface_name);
std::string python_converter(const TypeName& t, const std::string& direction);
std::string python_capsule(const std::string& what, const TypeName& t);
std::string python_service_capsule(const TypeName& service);
std::string python_action_capsule(const TypeName& action);

// The type-support identifier of `<id>` as above: "rosidl_typesupport_fastrtps_cpp". It is
// also the layer name of that type support's library (library_name(package, identifier)).
std::string typesupport_identifier(const std::string& id);

}  // namespace idl
