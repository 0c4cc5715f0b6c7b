// The CDR headers of every pelorin interface, and CDR_OPS for the X(kind, Type) lists of
// ../common/pelorin_types.hpp.
#pragma once

#include "cdr_support.hpp"
#include "pelorin/action/detail/controller__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/crop_path_point__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/force_global_path__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/fuzzy_lift_free__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/global_planning__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/lift_free__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/action/detail/local_planning__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/msg/detail/movement_constraint__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/msg/detail/multi_paths__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/msg/detail/path__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/srv/detail/get_covered_points__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/srv/detail/map_mark__rosidl_typesupport_fastrtps_cpp.hpp"
#include "pelorin/srv/detail/trigger_clean_coverage__rosidl_typesupport_fastrtps_cpp.hpp"
#include "../common/pelorin_types.hpp"

#define PELORIN_OPS(kind, Type) CDR_OPS(pelorin, kind, Type)
