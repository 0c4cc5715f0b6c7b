#include "names.hpp"

#include <cctype>
#include <cstring>

namespace idl {

namespace {

bool is_upper(char c) { return std::isupper(static_cast<unsigned char>(c)) != 0; }
bool is_lower(char c) { return std::islower(static_cast<unsigned char>(c)) != 0; }
bool is_digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Indexed by Primitive.
const PrimitiveInfo kPrimitives[] = {
    {"bool", "bool", "bool", "rosidl_runtime_c__boolean__Sequence", 6, 1},
    {"byte", "unsigned char", "uint8_t", "rosidl_runtime_c__octet__Sequence", 7, 1},
    {"float32", "float", "float", "rosidl_runtime_c__float__Sequence", 1, 4},
    {"float64", "double", "double", "rosidl_runtime_c__double__Sequence", 2, 8},
    {"int8", "int8_t", "int8_t", "rosidl_runtime_c__int8__Sequence", 9, 1},
    {"uint8", "uint8_t", "uint8_t", "rosidl_runtime_c__uint8__Sequence", 8, 1},
    {"int16", "int16_t", "int16_t", "rosidl_runtime_c__int16__Sequence", 11, 2},
    {"uint16", "uint16_t", "uint16_t", "rosidl_runtime_c__uint16__Sequence", 10, 2},
    {"int32", "int32_t", "int32_t", "rosidl_runtime_c__int32__Sequence", 13, 4},
    {"uint32", "uint32_t", "uint32_t", "rosidl_runtime_c__uint32__Sequence", 12, 4},
    {"int64", "int64_t", "int64_t", "rosidl_runtime_c__int64__Sequence", 15, 8},
    {"uint64", "uint64_t", "uint64_t", "rosidl_runtime_c__uint64__Sequence", 14, 8},
    {"string", "std::string", "rosidl_runtime_c__String",
     "rosidl_runtime_c__String__Sequence", 16, 0},
    {"wstring", "std::u16string", "rosidl_runtime_c__U16String",
     "rosidl_runtime_c__U16String__Sequence", 17, 0},
};

}  // namespace

std::string snake(const std::string& name) {
  // 1. An underscore before every capital that starts a lower-case run and is not first.
  std::string step1;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (i > 0 && is_upper(name[i]) && i + 1 < name.size() && is_lower(name[i + 1])) {
      step1 += '_';
    }
    step1 += name[i];
  }
  // 2. An underscore before every capital that follows a lower-case letter or a digit.
  std::string step2;
  for (std::size_t i = 0; i < step1.size(); ++i) {
    if (i > 0 && is_upper(step1[i]) && (is_lower(step1[i - 1]) || is_digit(step1[i - 1]))) {
      step2 += '_';
    }
    step2 += step1[i];
  }
  for (char& c : step2) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return step2;
}

const PrimitiveInfo& info(Primitive p) { return kPrimitives[static_cast<int>(p)]; }

bool primitive_from_idl(const std::string& word, Primitive* out) {
  if (word == "char") {
    *out = Primitive::Uint8;
    return true;
  }
  for (int i = 0; i <= static_cast<int>(Primitive::WString); ++i) {
    if (word == kPrimitives[i].idl) {
      *out = static_cast<Primitive>(i);
      return true;
    }
  }
  return false;
}

std::string c_name(const TypeName& t) { return t.package + "__" + t.kind + "__" + t.name; }
std::string cpp_name(const TypeName& t) { return cpp_namespace(t) + "::" + t.name; }
std::string cpp_namespace(const TypeName& t) { return t.package + "::" + t.kind; }

std::string header_stem(const std::string& package, const std::string& kind,
                        const std::string& interface_name) {
  return package + "/" + kind + "/" + snake(interface_name);
}
std::string detail_stem(const std::string& package, const std::string& kind,
                        const std::string& interface_name) {
  return package + "/" + kind + "/detail/" + snake(interface_name);
}
std::string header_stem(const TypeName& msg) { return header_stem(msg.package, msg.kind, msg.name); }
std::string detail_stem(const TypeName& msg) { return detail_stem(msg.package, msg.kind, msg.name); }

static std::string handle_symbol(const std::string& id, const char* what, const TypeName& t) {
  return "rosidl_typesupport_" + id + "__get_" + what + "_type_support_handle__" + c_name(t);
}
std::string message_handle_symbol(const std::string& id, const TypeName& t) {
  return handle_symbol(id, "message", t);
}
std::string service_handle_symbol(const std::string& id, const TypeName& t) {
  return handle_symbol(id, "service", t);
}
std::string action_handle_symbol(const std::string& id, const TypeName& t) {
  return handle_symbol(id, "action", t);
}

std::string library_name(const std::string& package, const std::string& layer) {
  return package + "__" + layer;
}
std::string library_file(const std::string& package, const std::string& layer) {
  return "lib" + library_name(package, layer) + ".so";
}

std::string cpp_element_type(const FieldType& type, const std::string& alloc) {
  if (!type.is_primitive) return cpp_name(type.message) + "_<" + alloc + ">";
  if (type.primitive == Primitive::String) {
    return "std::basic_string<char, std::char_traits<char>, typename std::allocator_traits<" +
           alloc + ">::template rebind_alloc<char>>";
  }
  if (type.primitive == Primitive::WString) {
    return "std::basic_string<char16_t, std::char_traits<char16_t>, typename "
           "std::allocator_traits<" + alloc + ">::template rebind_alloc<char16_t>>";
  }
  return info(type.primitive).cpp;
}

std::string cpp_field_type(const Field& f, const std::string& alloc) {
  const std::string e = cpp_element_type(f.type, alloc);
  const std::string rebound =
      "typename std::allocator_traits<" + alloc + ">::template rebind_alloc<" + e + ">";
  switch (f.array) {
    case ArrayKind::None: return e;
    case ArrayKind::Fixed: return "std::array<" + e + ", " + std::to_string(f.array_size) + ">";
    case ArrayKind::BoundedSequence:
      return "rosidl_runtime_cpp::BoundedVector<" + e + ", " + std::to_string(f.array_size) +
             ", " + rebound + ">";
    case ArrayKind::UnboundedSequence: return "std::vector<" + e + ", " + rebound + ">";
  }
  return e;
}

std::string c_element_type(const FieldType& type) {
  if (!type.is_primitive) return c_name(type.message);
  return info(type.primitive).c;
}

std::string c_sequence_type(const FieldType& type) {
  if (!type.is_primitive) return c_name(type.message) + "__Sequence";
  return info(type.primitive).c_sequence;
}

std::string python_module(const std::string& package, const std::string& kind,
                          const std::string& interface_name) {
  return package + "." + kind + "._" + snake(interface_name);
}
std::string python_converter(const TypeName& t, const std::string& direction) {
  return t.package + "__" + t.kind + "__" + snake(t.name) + "__convert_" + direction;
}
std::string python_capsule(const std::string& what, const TypeName& t) {
  return what + "_msg__" + t.kind + "__" + snake(t.name);
}
std::string python_service_capsule(const TypeName& service) {
  return "type_support_srv__" + service.kind + "__" + snake(service.name);
}
std::string python_action_capsule(const TypeName& action) {
  return "type_support_action__action__" + snake(action.name);
}

std::string typesupport_identifier(const std::string& id) { return "rosidl_typesupport_" + id; }

}  // namespace idl
