#ifndef ROSIDL_TYPESUPPORT_CPP__IDENTIFIER_HPP_
#define ROSIDL_TYPESUPPORT_CPP__IDENTIFIER_HPP_

namespace rosidl_typesupport_cpp
{

// The identifier of the generic C++ type-support handles: "rosidl_typesupport_cpp".
extern const char * typesupport_identifier;

}  // namespace rosidl_typesupport_cpp

#endif  // ROSIDL_TYPESUPPORT_CPP__IDENTIFIER_HPP_
