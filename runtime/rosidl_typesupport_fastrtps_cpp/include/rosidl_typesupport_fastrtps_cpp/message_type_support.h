#ifndef ROSIDL_TYPESUPPORT_FASTRTPS_CPP__MESSAGE_TYPE_SUPPORT_H_
#define ROSIDL_TYPESUPPORT_FASTRTPS_CPP__MESSAGE_TYPE_SUPPORT_H_

#include <stddef.h>
#include <stdint.h>

#include "fastcdr/Cdr.h"
#include "rosidl_runtime_c/message_type_support_struct.h"

// What a CDR message handle's `data` points to: the entry points through which a middleware
// writes, reads and sizes one message type without knowing its C++ structure.
typedef struct message_type_support_callbacks_t
{
  // C++ namespace of the type, e.g. "pelorin::msg"
  const char * message_namespace_;
  // type name without namespace, e.g. "Path"
  const char * message_name_;
  // Appends the encoding of the message (a pointer to the type's C++ structure).
  bool (* cdr_serialize)(const void * untyped_ros_message, eprosima::fastcdr::Cdr & cdr);
  // Reads one encoding of the type into the pointed-to structure.
  bool (* cdr_deserialize)(eprosima::fastcdr::Cdr & cdr, void * untyped_ros_message);
  // Exact encoded size of the message at alignment 0.
  uint32_t (* get_serialized_size)(const void * untyped_ros_message);
  // Size bound of the type at alignment 0; sets `bounds_info` to 3 for a plain type,
  // 1 for a fully bounded one and 0 otherwise.
  size_t (* max_serialized_size)(char & bounds_info);
} message_type_support_callbacks_t;

#endif  // ROSIDL_TYPESUPPORT_FASTRTPS_CPP__MESSAGE_TYPE_SUPPORT_H_
