// The lookup functions stored in every generic C handle.
#include <string>

#include "rcutils/error_handling.h"
#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"
#include "type_support_lookup.hpp"

namespace {

template<typename Handle>
const Handle* dispatch(const Handle* handle, const char* identifier) {
  std::string error;
  const Handle* found = rosidl_typesupport_lookup::lookup(
    handle, identifier, rosidl_typesupport_c__typesupport_identifier, &error);
  if (found == nullptr) RCUTILS_SET_ERROR_MSG(error.c_str());
  return found;
}

}  // namespace

extern "C" const rosidl_message_type_support_t *
rosidl_typesupport_c__get_message_typesupport_handle_function(
  const rosidl_message_type_support_t * handle, const char * identifier)
{
  return dispatch(handle, identifier);
}

extern "C" const rosidl_service_type_support_t *
rosidl_typesupport_c__get_service_typesupport_handle_function(
  const rosidl_service_type_support_t * handle, const char * identifier)
{
  return dispatch(handle, identifier);
}
