#ifndef ROSIDL_TYPESUPPORT_C__IDENTIFIER_H_
#define ROSIDL_TYPESUPPORT_C__IDENTIFIER_H_

#ifdef __cplusplus
extern "C" {
#endif

// The identifier of the generic C type-support handles: "rosidl_typesupport_c".
extern const char * rosidl_typesupport_c__typesupport_identifier;

#ifdef __cplusplus
}
#endif

#endif  // ROSIDL_TYPESUPPORT_C__IDENTIFIER_H_
