/* A middleware written in C: reaches a concrete type support of pelorin's Path through the
 * generic C handle, with the runtime's C headers only. */
#include <stddef.h>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_typesupport_c/identifier.h"
#include "rosidl_typesupport_c/message_type_support_dispatch.h"
#include "rosidl_typesupport_c/service_type_support_dispatch.h"
#include "rosidl_typesupport_c/type_support_map.h"
#include "rosidl_typesupport_fastrtps_c/identifier.h"
#include "rosidl_typesupport_introspection_c/identifier.h"

const rosidl_message_type_support_t *
rosidl_typesupport_c__get_message_type_support_handle__pelorin__msg__Path(void);

const rosidl_message_type_support_t * c_middleware_path_handle(const char * identifier);

const rosidl_message_type_support_t * c_middleware_path_handle(const char * identifier)
{
  const rosidl_message_type_support_t * generic =
    rosidl_typesupport_c__get_message_type_support_handle__pelorin__msg__Path();
  const type_support_map_t * map = (const type_support_map_t *)generic->data;
  if (generic->typesupport_identifier != rosidl_typesupport_c__typesupport_identifier ||
    map->size != 2)
  {
    return NULL;
  }
  return get_message_typesupport_handle(generic, identifier);
}
