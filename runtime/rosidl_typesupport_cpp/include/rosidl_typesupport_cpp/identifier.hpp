#pragma once

namespace rosidl_typesupport_cpp { extern const char * typesupport_identifier; }
