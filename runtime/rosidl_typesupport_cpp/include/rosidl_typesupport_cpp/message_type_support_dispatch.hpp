#ifndef ROSIDL_TYPESUPPORT_CPP__MESSAGE_TYPE_SUPPORT_DISPATCH_HPP_
#define ROSIDL_TYPESUPPORT_CPP__MESSAGE_TYPE_SUPPORT_DISPATCH_HPP_

#include "rosidl_runtime_c/message_type_support_struct.h"

namespace rosidl_typesupport_cpp
{

// The `func` of every generic C++ message handle. Returns `handle` itself for its own
// identifier; otherwise loads lib<package>__<identifier>.so named by the handle's map (once)
// and returns what the map's symbol for `identifier` returns. nullptr for an unknown
// identifier, a foreign handle or a library or symbol that cannot be found. Safe to call from
// several threads at once.
const rosidl_message_type_support_t *
get_message_typesupport_handle_function(
  const rosidl_message_type_support_t * handle, const char * identifier) noexcept;

}  // namespace rosidl_typesupport_cpp

#endif  // ROSIDL_TYPESUPPORT_CPP__MESSAGE_TYPE_SUPPORT_DISPATCH_HPP_
