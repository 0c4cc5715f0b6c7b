#pragma once

extern "C" const char * rosidl_typesupport_fastrtps_c__identifier;
