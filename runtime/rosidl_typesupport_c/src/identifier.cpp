#include "rosidl_typesupport_c/identifier.h"

const char * rosidl_typesupport_c__typesupport_identifier = "rosidl_typesupport_c";
