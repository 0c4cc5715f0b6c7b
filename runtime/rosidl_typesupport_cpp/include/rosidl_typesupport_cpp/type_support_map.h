#ifndef ROSIDL_TYPESUPPORT_CPP__TYPE_SUPPORT_MAP_H_
#define ROSIDL_TYPESUPPORT_CPP__TYPE_SUPPORT_MAP_H_

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

// What a generic C++ handle's `data` points to: for each concrete type support of the type,
// its identifier and the symbol that yields its handle from lib<package_name>__<identifier>.so.
// `data` holds one slot per entry for the dispatch runtime (the library it loaded); the
// generated code leaves the slots null and never touches them.
//
// rosidl_typesupport_c/type_support_map.h declares the same record; the guard below lets
// both headers meet in one translation unit.
#ifndef ROSIDL_TYPESUPPORT__TYPE_SUPPORT_MAP_T_DEFINED
#define ROSIDL_TYPESUPPORT__TYPE_SUPPORT_MAP_T_DEFINED
typedef struct type_support_map_t
{
  const size_t size;
  const char * package_name;
  const char * const * typesupport_identifier;
  const char * const * symbol_name;
  void ** data;
} type_support_map_t;
#endif

#ifdef __cplusplus
}
#endif

#endif  // ROSIDL_TYPESUPPORT_CPP__TYPE_SUPPORT_MAP_H_
