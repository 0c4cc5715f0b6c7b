#pragma once

namespace rosidl_typesupport_introspection_cpp { extern const char * typesupport_identifier; }
