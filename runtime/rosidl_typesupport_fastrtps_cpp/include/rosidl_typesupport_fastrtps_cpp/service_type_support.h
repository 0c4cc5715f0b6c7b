#ifndef ROSIDL_TYPESUPPORT_FASTRTPS_CPP__SERVICE_TYPE_SUPPORT_H_
#define ROSIDL_TYPESUPPORT_FASTRTPS_CPP__SERVICE_TYPE_SUPPORT_H_

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_c/service_type_support_struct.h"

// What a CDR service handle's `data` points to: the names of the service type and the CDR
// message handles of its request and response.
typedef struct service_type_support_callbacks_t
{
  // C++ namespace of the service type, e.g. "pelorin::srv"
  const char * service_namespace_;
  // service type name, e.g. "MapMark"
  const char * service_name_;
  const rosidl_message_type_support_t * request_members_;
  const rosidl_message_type_support_t * response_members_;
} service_type_support_callbacks_t;

#endif  // ROSIDL_TYPESUPPORT_FASTRTPS_CPP__SERVICE_TYPE_SUPPORT_H_
