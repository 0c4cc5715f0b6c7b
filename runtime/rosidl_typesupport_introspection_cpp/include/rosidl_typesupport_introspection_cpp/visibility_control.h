#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__VISIBILITY_CONTROL_H_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__VISIBILITY_CONTROL_H_

// Marks what the runtime library and the generated introspection libraries export: the
// identifier, the handle functions and the per-type functions the tables point to.
#if defined _WIN32 || defined __CYGWIN__
  #ifdef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_BUILDING_DLL
    #define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC __declspec(dllexport)
  #else
    #define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC __declspec(dllimport)
  #endif
#else
  #define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP_PUBLIC __attribute__ ((visibility("default")))
#endif

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__VISIBILITY_CONTROL_H_
