// The lookup functions stored in every generic C++ handle.
#include <string>

#include "rosidl_typesupport_cpp/identifier.hpp"
#include "rosidl_typesupport_cpp/message_type_support_dispatch.hpp"
#include "rosidl_typesupport_cpp/service_type_support_dispatch.hpp"
#include "type_support_lookup.hpp"

namespace rosidl_typesupport_cpp
{

const rosidl_message_type_support_t *
get_message_typesupport_handle_function(
  const rosidl_message_type_support_t * handle, const char * identifier) noexcept
{
  std::string error;
  return rosidl_typesupport_lookup::lookup(handle, identifier, typesupport_identifier, &error);
}

const rosidl_service_type_support_t *
get_service_typesupport_handle_function(
  const rosidl_service_type_support_t * handle, const char * identifier) noexcept
{
  std::string error;
  return rosidl_typesupport_lookup::lookup(handle, identifier, typesupport_identifier, &error);
}

}  // namespace rosidl_typesupport_cpp
