#pragma once

extern "C" const char * rosidl_typesupport_introspection_c__identifier;
