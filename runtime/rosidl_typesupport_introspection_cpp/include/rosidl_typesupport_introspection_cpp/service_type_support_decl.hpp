#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__SERVICE_TYPE_SUPPORT_DECL_HPP_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__SERVICE_TYPE_SUPPORT_DECL_HPP_

#include "rosidl_runtime_c/service_type_support_struct.h"

namespace rosidl_typesupport_introspection_cpp
{

// The C++ introspection handle of service type T; each interface package's introspection
// library specialises it for its services.
template<typename T>
const rosidl_service_type_support_t * get_service_type_support_handle();

}  // namespace rosidl_typesupport_introspection_cpp

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__SERVICE_TYPE_SUPPORT_DECL_HPP_
