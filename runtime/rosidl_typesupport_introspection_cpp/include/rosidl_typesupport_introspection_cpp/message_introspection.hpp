#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__MESSAGE_INTROSPECTION_HPP_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__MESSAGE_INTROSPECTION_HPP_

#include <cstddef>
#include <cstdint>

#include "rosidl_runtime_c/message_type_support_struct.h"
#include "rosidl_runtime_cpp/message_initialization.hpp"
#include "rosidl_typesupport_introspection_cpp/visibility_control.h"

namespace rosidl_typesupport_introspection_cpp
{

// One field of a message type. The six functions are set for array fields only; their first
// argument is the address of the array member inside a message (message + offset_).
typedef struct ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC MessageMember_s
{
  const char * name_;
  uint8_t type_id_;                               // a ROS_TYPE_* code
  size_t string_upper_bound_;                     // 0: unbounded
  const rosidl_message_type_support_t * members_;  // ROS_TYPE_MESSAGE: the nested type's handle
  bool is_array_;
  size_t array_size_;                             // fixed size, or bound when is_upper_bound_
  bool is_upper_bound_;
  uint32_t offset_;                               // offsetof the member in the structure
  const void * default_value_;
  size_t (* size_function)(const void *);
  const void * (*get_const_function)(const void *, size_t index);
  void * (*get_function)(void *, size_t index);
  void (* fetch_function)(const void *, size_t index, void *);
  void (* assign_function)(void *, size_t index, const void *);
  void (* resize_function)(void *, size_t size);
} MessageMember;

// One message type: its name, size, members in declaration order, and how to construct and
// destroy it in caller-provided memory.
typedef struct ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC MessageMembers_s
{
  const char * message_namespace_;  // "package::kind"
  const char * message_name_;
  uint32_t member_count_;
  size_t size_of_;
  const MessageMember * members_;
  void (* init_function)(void *, rosidl_runtime_cpp::MessageInitialization);
  void (* fini_function)(void *);
} MessageMembers;

}  // namespace rosidl_typesupport_introspection_cpp

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__MESSAGE_INTROSPECTION_HPP_
