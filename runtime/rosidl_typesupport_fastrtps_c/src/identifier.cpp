#include "rosidl_typesupport_fastrtps_c/identifier.h"

const char * rosidl_typesupport_fastrtps_c__identifier = "rosidl_typesupport_fastrtps_c";
