#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_C__IDENTIFIER_H_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_C__IDENTIFIER_H_

#ifdef __cplusplus
extern "C" {
#endif

// The identifier of the C-side introspection type-support handles:
// "rosidl_typesupport_introspection_c".
extern const char * rosidl_typesupport_introspection_c__identifier;

#ifdef __cplusplus
}
#endif

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_C__IDENTIFIER_H_
