#ifndef ROSIDL_TYPESUPPORT_FASTRTPS_CPP__IDENTIFIER_HPP_
#define ROSIDL_TYPESUPPORT_FASTRTPS_CPP__IDENTIFIER_HPP_

#include "rosidl_typesupport_fastrtps_cpp/visibility_control.h"

namespace rosidl_typesupport_fastrtps_cpp
{

// The identifier of the CDR type-support handles: "rosidl_typesupport_fastrtps_cpp".
// Handles hold this pointer, never a copy of the text.
ROSIDL_TYPESUPPORT_FASTRTPS_CPP_PUBLIC
extern const char * typesupport_identifier;

}  // namespace rosidl_typesupport_fastrtps_cpp

#endif  // ROSIDL_TYPESUPPORT_FASTRTPS_CPP__IDENTIFIER_HPP_
