#pragma once

extern "C" const char * rosidl_typesupport_c__typesupport_identifier;
