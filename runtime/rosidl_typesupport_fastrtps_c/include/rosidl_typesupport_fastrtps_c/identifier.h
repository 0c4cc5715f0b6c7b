#ifndef ROSIDL_TYPESUPPORT_FASTRTPS_C__IDENTIFIER_H_
#define ROSIDL_TYPESUPPORT_FASTRTPS_C__IDENTIFIER_H_

#ifdef __cplusplus
extern "C" {
#endif

// The identifier of the C-side CDR type-support handles: "rosidl_typesupport_fastrtps_c".
extern const char * rosidl_typesupport_fastrtps_c__identifier;

#ifdef __cplusplus
}
#endif

#endif  // ROSIDL_TYPESUPPORT_FASTRTPS_C__IDENTIFIER_H_
