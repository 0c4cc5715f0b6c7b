#ifndef ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__FIELD_TYPES_HPP_
#define ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__FIELD_TYPES_HPP_

#include <cstdint>

namespace rosidl_typesupport_introspection_cpp
{

// The type codes of MessageMember::type_id_. The values are shared with the C
// introspection type support and with every middleware that walks the tables.
const uint8_t ROS_TYPE_FLOAT = 1;
const uint8_t ROS_TYPE_FLOAT32 = 1;
const uint8_t ROS_TYPE_DOUBLE = 2;
const uint8_t ROS_TYPE_FLOAT64 = 2;
const uint8_t ROS_TYPE_LONG_DOUBLE = 3;
const uint8_t ROS_TYPE_CHAR = 4;
const uint8_t ROS_TYPE_WCHAR = 5;
const uint8_t ROS_TYPE_BOOLEAN = 6;
const uint8_t ROS_TYPE_BOOL = 6;
const uint8_t ROS_TYPE_OCTET = 7;
const uint8_t ROS_TYPE_BYTE = 7;
const uint8_t ROS_TYPE_UINT8 = 8;
const uint8_t ROS_TYPE_INT8 = 9;
const uint8_t ROS_TYPE_UINT16 = 10;
const uint8_t ROS_TYPE_INT16 = 11;
const uint8_t ROS_TYPE_UINT32 = 12;
const uint8_t ROS_TYPE_INT32 = 13;
const uint8_t ROS_TYPE_UINT64 = 14;
const uint8_t ROS_TYPE_INT64 = 15;
const uint8_t ROS_TYPE_STRING = 16;
const uint8_t ROS_TYPE_WSTRING = 17;
const uint8_t ROS_TYPE_MESSAGE = 18;

}  // namespace rosidl_typesupport_introspection_cpp

#endif  // ROSIDL_TYPESUPPORT_INTROSPECTION_CPP__FIELD_TYPES_HPP_
