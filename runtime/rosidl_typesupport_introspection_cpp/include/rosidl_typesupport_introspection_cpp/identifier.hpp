#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__IDENTIFIER_HPP_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__IDENTIFIER_HPP_

#include "rosidl_typesupport_introspection_cpp/visibility_control.h"

namespace rosidl_typesupport_introspection_cpp
{

// The identifier of the C++ introspection type-support handles:
// "rosidl_typesupport_introspection_cpp". Handles hold this pointer, never a copy of the text.
ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC
extern const char * typesupport_identifier;

}  // namespace rosidl_typesupport_introspection_cpp

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__IDENTIFIER_HPP_
