#include "rosidl_typesupport_cpp/identifier.hpp"

namespace rosidl_typesupport_cpp
{
const char * typesupport_identifier = "rosidl_typesupport_cpp";
}  // namespace rosidl_typesupport_cpp
