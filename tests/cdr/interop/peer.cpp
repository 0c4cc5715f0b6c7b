// The C++ side of the interoperation test. Reads lines "pelorin/<kind>/<Type> <hex>" from
// standard input, reads each encoding into the C++ message and writes the message again:
// prints "pelorin/<kind>/<Type> <hex>" (or "... ERROR <what>"). With --unicode it prints
// instead encodings of its own whose strings hold non-ASCII text.
#include <algorithm>
#include <exception>
#include <functional>
#include <iostream>
#include <map>
#include <string>

#include "pelorin_cdr.hpp"

namespace
{

using cdr_test::Bytes;

Bytes from_hex(const std::string & text)
{
  Bytes bytes;
  for (size_t i = 0; i + 1 < text.size(); i += 2) {
    bytes.push_back(static_cast<uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

std::string to_hex(const Bytes & bytes)
{
  std::string text = cdr_test::hex(bytes);
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

template<typename T>
std::string rewrite(const cdr_test::Ops<T> & ops, const Bytes & bytes)
{
  T msg;
  const size_t read = cdr_test::decode(ops, bytes, msg);
  if (read != bytes.size()) {
    throw std::runtime_error("read " + std::to_string(read) + " of " +
            std::to_string(bytes.size()) + " octets");
  }
  return to_hex(cdr_test::encode(ops, msg));
}

// Non-ASCII text, which the other side must read back exactly.
const char kText[] = "Zone \xc3\xbc \xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x9a\x80";

void print_unicode()
{
  pelorin::srv::MapMark_Request request;
  request.enable = true;
  request.mark_name = kText;
  request.mark_zones.resize(1);
  std::cout << "pelorin/srv/MapMark_Request " <<
    to_hex(cdr_test::encode(PELORIN_OPS(srv, MapMark_Request), request)) << "\n";
  pelorin::msg::MultiPaths paths;
  paths.header.frame_id = kText;
  paths.uuid = std::string(kText) + kText;
  paths.paths.resize(2);
  paths.paths[1].nav_path.header.frame_id = kText;
  std::cout << "pelorin/msg/MultiPaths " <<
    to_hex(cdr_test::encode(PELORIN_OPS(msg, MultiPaths), paths)) << "\n";
}

}  // namespace

int main(int argc, char ** argv)
{
  if (argc > 1 && std::string(argv[1]) == "--unicode") {
    std::cout << "text " << to_hex(Bytes(kText, kText + sizeof(kText) - 1)) << "\n";
    print_unicode();
    return 0;
  }
  std::map<std::string, std::function<std::string(const Bytes &)>> types;
#define ADD(kind, Type) \
  types["pelorin/" #kind "/" #Type] = [](const Bytes & b) { \
      return rewrite(PELORIN_OPS(kind, Type), b); \
    };
  PELORIN_MESSAGE_TYPES(ADD)
#undef ADD
  std::string name, hex;
  while (std::cin >> name >> hex) {
    const auto type = types.find(name);
    std::cout << name << " ";
    try {
      if (type == types.end()) {
        throw std::runtime_error("unknown type");
      }
      std::cout << type->second(from_hex(hex == "-" ? "" : hex)) << "\n";
    } catch (const std::exception & e) {
      std::cout << "ERROR " << e.what() << "\n";
    }
  }
  return 0;
}
