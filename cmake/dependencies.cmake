# The Debian-packaged ROS libraries, as imported targets. Their own CMake configs need
# ament, which Debian does not ship with them, so we locate headers and libraries directly.
function(pelorin_import target library include_dir)
  find_library(${target}_LIBRARY NAMES ${library} REQUIRED)
  find_path(${target}_INCLUDE NAMES ${include_dir} PATH_SUFFIXES ${ARGN} REQUIRED)
  add_library(${target} SHARED IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES
    IMPORTED_LOCATION ${${target}_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES "${${target}_INCLUDE}")
endfunction()

pelorin_import(rcutils::rcutils rcutils rcutils/allocator.h rcutils)
pelorin_import(rosidl_runtime_c::rosidl_runtime_c rosidl_runtime_c
  rosidl_runtime_c/string.h rosidl_runtime_c)
find_path(ROSIDL_TYPESUPPORT_INTERFACE_INCLUDE rosidl_typesupport_interface/macros.h
  PATH_SUFFIXES rosidl_typesupport_interface REQUIRED)
find_path(ROSIDL_RUNTIME_CPP_INCLUDE rosidl_runtime_cpp/traits.hpp
  PATH_SUFFIXES rosidl_runtime_cpp REQUIRED)
set_property(TARGET rosidl_runtime_c::rosidl_runtime_c APPEND PROPERTY
  INTERFACE_INCLUDE_DIRECTORIES ${ROSIDL_TYPESUPPORT_INTERFACE_INCLUDE})
set_property(TARGET rosidl_runtime_c::rosidl_runtime_c APPEND PROPERTY
  INTERFACE_LINK_LIBRARIES rcutils::rcutils)
add_library(rosidl_runtime_cpp::rosidl_runtime_cpp INTERFACE IMPORTED GLOBAL)
set_target_properties(rosidl_runtime_cpp::rosidl_runtime_cpp PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${ROSIDL_RUNTIME_CPP_INCLUDE}
  INTERFACE_LINK_LIBRARIES rosidl_runtime_c::rosidl_runtime_c)

find_package(fastcdr REQUIRED)
