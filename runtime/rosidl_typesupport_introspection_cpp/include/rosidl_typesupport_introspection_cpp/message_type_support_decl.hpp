#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__MESSAGE_TYPE_SUPPORT_DECL_HPP_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__MESSAGE_TYPE_SUPPORT_DECL_HPP_

#include "rosidl_runtime_c/message_type_support_struct.h"

namespace rosidl_typesupport_introspection_cpp
{

// The C++ introspection handle of message type T; each interface package's introspection
// library specialises it for its types.
template<typename T>
const rosidl_message_type_support_t * get_message_type_support_handle();

}  // namespace rosidl_typesupport_introspection_cpp

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__MESSAGE_TYPE_SUPPORT_DECL_HPP_
