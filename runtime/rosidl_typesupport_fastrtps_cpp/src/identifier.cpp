#include "rosidl_typesupport_fastrtps_cpp/identifier.hpp"

namespace rosidl_typesupport_fastrtps_cpp
{

const char * typesupport_identifier = "rosidl_typesupport_fastrtps_cpp";

}  // namespace rosidl_typesupport_fastrtps_cpp
