#ifndef ROSIDL_TYPESUPPORT_CPP__SERVICE_TYPE_SUPPORT_DISPATCH_HPP_
#define ROSIDL_TYPESUPPORT_CPP__SERVICE_TYPE_SUPPORT_DISPATCH_HPP_

#include "rosidl_runtime_c/service_type_support_struct.h"

namespace rosidl_typesupport_cpp
{

// The `func` of every generic C++ service handle. Returns `handle` itself for its own
// identifier; otherwise loads lib<package>__<identifier>.so named by the handle's map (once)
// and returns what the map's symbol for `identifier` returns. nullptr for an unknown
// identifier, a foreign handle or a library or symbol that cannot be found. Safe to call from
// several threads at once.
const rosidl_service_type_support_t *
get_service_typesupport_handle_function(
  const rosidl_service_type_support_t * handle, const char * identifier) noexcept;

}  // namespace rosidl_typesupport_cpp

#endif  // ROSIDL_TYPESUPPORT_CPP__SERVICE_TYPE_SUPPORT_DISPATCH_HPP_
