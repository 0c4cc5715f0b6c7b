# pelorin_interface_package(<package>
#   DEFINITIONS <dir holding msg/ srv/ action/>
#   DEPENDENCIES <interface packages whose types the definitions nest>...)
#
# Compiles the package's definitions with pelorin_idl and defines one shared library per
# layer, each named lib<package>__<layer>.so:
#   <package>__rosidl_generator_c                 C structures and functions
#   <package>__rosidl_typesupport_fastrtps_cpp    CDR serialization of the C++ structures
#   <package>__rosidl_typesupport_introspection_cpp
#   <package>__rosidl_typesupport_cpp             C++ generic handles (dispatch)
#   <package>__rosidl_typesupport_c               C generic handles (dispatch)
#   <package>__rosidl_typesupport_fastrtps_c      C-side handles named by the C dispatch
#   <package>__rosidl_typesupport_introspection_c
# and the header-only target <package>__cpp for the C++ structures.
function(pelorin_interface_package package)
  cmake_parse_arguments(ARG "" "DEFINITIONS" "DEPENDENCIES" ${ARGN})
  set_property(GLOBAL PROPERTY PELORIN_DEFINITIONS_${package} ${ARG_DEFINITIONS})

  file(GLOB definitions CONFIGURE_DEPENDS
    ${ARG_DEFINITIONS}/msg/*.msg ${ARG_DEFINITIONS}/srv/*.srv ${ARG_DEFINITIONS}/action/*.action)
  set(has_actions FALSE)
  foreach(definition ${definitions})
    if(definition MATCHES "\\.action$")
      set(has_actions TRUE)
    endif()
  endforeach()

  set(dep_args)
  foreach(dep ${ARG_DEPENDENCIES})
    get_property(dep_dir GLOBAL PROPERTY PELORIN_DEFINITIONS_${dep})
    list(APPEND dep_args --dep ${dep}=${dep_dir})
  endforeach()

  set(out ${CMAKE_BINARY_DIR}/interfaces/${package})
  set(sources
    ${out}/c/${package}__rosidl_generator_c.c
    ${out}/cpp/${package}__rosidl_typesupport_fastrtps_cpp.cpp
    ${out}/cpp/${package}__rosidl_typesupport_introspection_cpp.cpp
    ${out}/cpp/${package}__rosidl_typesupport_cpp.cpp
    ${out}/c/${package}__rosidl_typesupport_c.cpp
    ${out}/c/${package}__rosidl_typesupport_fastrtps_c.cpp
    ${out}/c/${package}__rosidl_typesupport_introspection_c.cpp)
  add_custom_command(
    OUTPUT ${sources} ${out}/generated.stamp
    COMMAND pelorin_idl --package ${package} --out ${out} ${dep_args} ${definitions}
    COMMAND ${CMAKE_COMMAND} -E touch ${out}/generated.stamp
    DEPENDS pelorin_idl ${definitions}
    COMMENT "Compiling the interfaces of ${package}"
    VERBATIM)
  add_custom_target(${package}__generate DEPENDS ${out}/generated.stamp)
  file(MAKE_DIRECTORY ${out}/include)

  # Headers of the C++ structures (and, through the same folder, the C headers).
  add_library(${package}__cpp INTERFACE)
  target_include_directories(${package}__cpp INTERFACE ${out}/include)
  target_link_libraries(${package}__cpp INTERFACE rosidl_runtime_cpp::rosidl_runtime_cpp
    rosidl_runtime_c::rosidl_runtime_c)
  add_dependencies(${package}__cpp ${package}__generate)
  foreach(dep ${ARG_DEPENDENCIES})
    target_link_libraries(${package}__cpp INTERFACE ${dep}__cpp)
  endforeach()

  # name -> source, runtime libraries, which layer of the dependencies it links
  macro(_pelorin_layer layer source)
    add_library(${package}__${layer} SHARED ${source})
    add_dependencies(${package}__${layer} ${package}__generate)
    target_link_libraries(${package}__${layer} PUBLIC ${package}__cpp ${ARGN})
  endmacro()

  _pelorin_layer(rosidl_generator_c ${out}/c/${package}__rosidl_generator_c.c
    rcutils::rcutils rosidl_runtime_c::rosidl_runtime_c)
  _pelorin_layer(rosidl_typesupport_fastrtps_cpp
    ${out}/cpp/${package}__rosidl_typesupport_fastrtps_cpp.cpp
    rosidl_typesupport_fastrtps_cpp fastcdr rosidl_runtime_c::rosidl_runtime_c)
  _pelorin_layer(rosidl_typesupport_introspection_cpp
    ${out}/cpp/${package}__rosidl_typesupport_introspection_cpp.cpp
    rosidl_typesupport_introspection_cpp rosidl_runtime_c::rosidl_runtime_c)
  _pelorin_layer(rosidl_typesupport_cpp ${out}/cpp/${package}__rosidl_typesupport_cpp.cpp
    rosidl_typesupport_cpp rosidl_runtime_c::rosidl_runtime_c)
  _pelorin_layer(rosidl_typesupport_c ${out}/c/${package}__rosidl_typesupport_c.cpp
    rosidl_typesupport_c rosidl_runtime_c::rosidl_runtime_c)
  _pelorin_layer(rosidl_typesupport_fastrtps_c ${out}/c/${package}__rosidl_typesupport_fastrtps_c.cpp
    rosidl_typesupport_fastrtps_c rosidl_runtime_c::rosidl_runtime_c)
  _pelorin_layer(rosidl_typesupport_introspection_c
    ${out}/c/${package}__rosidl_typesupport_introspection_c.cpp
    rosidl_typesupport_introspection_c rosidl_runtime_c::rosidl_runtime_c)

  # Nested types are handled by their own package's library of the same layer. The dispatch
  # layers reach the concrete type supports only at run time, by file name, and link only
  # action_msgs' dispatch library, for the cancel service and status message of actions.
  foreach(dep ${ARG_DEPENDENCIES})
    foreach(layer rosidl_generator_c rosidl_typesupport_fastrtps_cpp
        rosidl_typesupport_introspection_cpp)
      target_link_libraries(${package}__${layer} PUBLIC ${dep}__${layer})
    endforeach()
  endforeach()
  if(has_actions)
    target_link_libraries(${package}__rosidl_typesupport_cpp PUBLIC action_msgs__rosidl_typesupport_cpp)
    target_link_libraries(${package}__rosidl_typesupport_c PUBLIC action_msgs__rosidl_typesupport_c)
  endif()
endfunction()
