#ifndef ROSIDL_TYPESUPPORT_C__SERVICE_TYPE_SUPPORT_DISPATCH_H_
#define ROSIDL_TYPESUPPORT_C__SERVICE_TYPE_SUPPORT_DISPATCH_H_

#include "rosidl_runtime_c/service_type_support_struct.h"

#ifdef __cplusplus
extern "C" {
#endif

// The `func` of every generic C service handle. Returns `handle` itself for its own
// identifier; otherwise loads lib<package>__<identifier>.so named by the handle's map (once)
// and returns what the map's symbol for `identifier` returns. NULL, with the rcutils error
// state set, for an unknown identifier, a foreign handle or a library or symbol that cannot
// be found. Safe to call from several threads at once.
const rosidl_service_type_support_t *
rosidl_typesupport_c__get_service_typesupport_handle_function(
  const rosidl_service_type_support_t * handle, const char * identifier);

#ifdef __cplusplus
}
#endif

#endif  // ROSIDL_TYPESUPPORT_C__SERVICE_TYPE_SUPPORT_DISPATCH_H_
