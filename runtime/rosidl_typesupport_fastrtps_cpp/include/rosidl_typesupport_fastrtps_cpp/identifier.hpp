#pragma once

namespace rosidl_typesupport_fastrtps_cpp { extern const char * typesupport_identifier; }
