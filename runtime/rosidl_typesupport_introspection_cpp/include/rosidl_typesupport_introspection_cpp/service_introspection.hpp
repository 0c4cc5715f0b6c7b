#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__SERVICE_INTROSPECTION_HPP_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__SERVICE_INTROSPECTION_HPP_

#include "rosidl_typesupport_introspection_cpp/message_introspection.hpp"
#include "rosidl_typesupport_introspection_cpp/visibility_control.h"

namespace rosidl_typesupport_introspection_cpp
{

// One service type: its name and the tables of its request and response.
typedef struct ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC ServiceMembers_s
{
  const char * service_namespace_;  // "package::kind"
  const char * service_name_;
  const MessageMembers * request_members_;
  const MessageMembers * response_members_;
} ServiceMembers;

}  // namespace rosidl_typesupport_introspection_cpp

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__SERVICE_INTROSPECTION_HPP_
