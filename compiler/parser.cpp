#include "parser.hpp"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "names.hpp"

namespace idl {

namespace {

bool is_lower(char c) { return c >= 'a' && c <= 'z'; }
bool is_upper(char c) { return c >= 'A' && c <= 'Z'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Words joined by single underscores, starting with a letter, in one case:
// "goal_pose" for fields (lower case), "STATUS_ACCEPTED" for constants (upper case).
bool is_snake_word(const std::string& s, bool (*is_letter)(char)) {
  if (s.empty() || !is_letter(s[0]) || s.back() == '_') return false;
  for (std::size_t i = 1; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '_' ? s[i - 1] == '_' : !(is_letter(c) || is_digit(c))) return false;
  }
  return true;
}
bool is_field_name(const std::string& s) { return is_snake_word(s, is_lower); }
bool is_constant_name(const std::string& s) { return is_snake_word(s, is_upper); }
// "PoseStamped": a capital, then letters and digits.
bool is_type_name(const std::string& s) {
  if (s.empty() || !is_upper(s[0])) return false;
  return std::all_of(s.begin(), s.end(), [](char c) { return is_lower(c) || is_upper(c) || is_digit(c); });
}
// "geometry_msgs": a lower-case letter, then lower-case letters, digits and underscores.
bool is_package_name(const std::string& s) {
  if (s.empty() || !is_lower(s[0])) return false;
  return std::all_of(s.begin(), s.end(), [](char c) { return is_lower(c) || is_digit(c) || c == '_'; });
}

struct Context {
  const std::string& file;
  int line;
  [[noreturn]] void fail(const std::string& message) const {
    throw DefinitionError(file, line, message);
  }
};

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  const auto e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

// The line without its comment; a '#' inside a quoted string is text, not a comment.
std::string strip_comment(const std::string& line) {
  char quote = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quote) {
      if (c == '\\') ++i;
      else if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '#') {
      return line.substr(0, i);
    }
  }
  return line;
}

std::size_t parse_size(const Context& ctx, const std::string& text, const char* what) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), ::isdigit)) {
    ctx.fail(std::string("bad ") + what + " '" + text + "'");
  }
  errno = 0;
  const unsigned long long v = std::strtoull(text.c_str(), nullptr, 10);
  if (errno != 0 || v == 0) ctx.fail(std::string("bad ") + what + " '" + text + "'");
  return static_cast<std::size_t>(v);
}

// Parses "type" with its array part: "int32", "string<=5", "pkg/Type[]", "Type[<=3]", ...
void parse_type(const Context& ctx, const std::string& spelled, const std::string& package,
                Field* field) {
  std::string base = spelled;
  const auto bracket = spelled.find('[');
  if (bracket != std::string::npos) {
    if (spelled.back() != ']') ctx.fail("malformed array type '" + spelled + "'");
    base = spelled.substr(0, bracket);
    const std::string inside = spelled.substr(bracket + 1, spelled.size() - bracket - 2);
    if (inside.empty()) {
      field->array = ArrayKind::UnboundedSequence;
    } else if (inside.rfind("<=", 0) == 0) {
      field->array = ArrayKind::BoundedSequence;
      field->array_size = parse_size(ctx, inside.substr(2), "sequence bound");
    } else {
      field->array = ArrayKind::Fixed;
      field->array_size = parse_size(ctx, inside, "array size");
    }
  }
  FieldType& type = field->type;
  const auto bound = base.find("<=");
  if (bound != std::string::npos) {
    const std::string word = base.substr(0, bound);
    if (word != "string" && word != "wstring") ctx.fail("only strings take a bound: '" + base + "'");
    primitive_from_idl(word, &type.primitive);
    type.string_bound = parse_size(ctx, base.substr(bound + 2), "string bound");
    return;
  }
  if (primitive_from_idl(base, &type.primitive)) return;
  type.is_primitive = false;
  type.message.kind = "msg";
  // "Type", "pkg/Type" or "pkg/msg/Type"
  std::vector<std::string> parts;
  std::stringstream ss(base);
  for (std::string part; std::getline(ss, part, '/');) parts.push_back(part);
  if (parts.size() == 1) {
    type.message.package = package;
    type.message.name = parts[0];
  } else if (parts.size() == 2 || (parts.size() == 3 && parts[1] == "msg")) {
    type.message.package = parts[0];
    type.message.name = parts.back();
  } else {
    ctx.fail("malformed type '" + base + "'");
  }
  if (!is_package_name(type.message.package) || !is_type_name(type.message.name)) {
    ctx.fail("malformed type '" + base + "'");
  }
}

std::string c_escape(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7f) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

// Decodes UTF-8 into UTF-16 units, or returns false for malformed input.
bool utf8_to_utf16(const std::string& s, std::u16string* out) {
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = s[i];
    uint32_t cp;
    int extra;
    if (c < 0x80) { cp = c; extra = 0; }
    else if ((c >> 5) == 6) { cp = c & 0x1f; extra = 1; }
    else if ((c >> 4) == 14) { cp = c & 0x0f; extra = 2; }
    else if ((c >> 3) == 30) { cp = c & 0x07; extra = 3; }
    else return false;
    if (i + extra >= s.size() && extra > 0) return false;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char d = s[i + k];
      if ((d >> 6) != 2) return false;
      cp = (cp << 6) | (d & 0x3f);
    }
    i += extra + 1;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out->push_back(static_cast<char16_t>(0xd800 + (cp >> 10)));
      out->push_back(static_cast<char16_t>(0xdc00 + (cp & 0x3ff)));
    } else {
      out->push_back(static_cast<char16_t>(cp));
    }
  }
  return true;
}

// Takes the text of a quoted or bare string value and returns its characters.
std::string unquote(const Context& ctx, const std::string& text) {
  if (text.size() >= 2 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0]) {
    std::string out;
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
      if (text[i] == '\\' && i + 2 < text.size()) ++i;
      else if (text[i] == text[0]) ctx.fail("unescaped quote in string value " + text);
      out += text[i];
    }
    return out;
  }
  if (!text.empty() && (text[0] == '"' || text[0] == '\'')) ctx.fail("unterminated string " + text);
  return text;
}

// Checks that `text` fits `p` (bound: string bound or 0) and writes it in C/C++ spelling.
Literal make_literal(const Context& ctx, Primitive p, std::size_t bound, const std::string& text) {
  const std::string what = std::string(info(p).idl);
  auto bad = [&]() { ctx.fail("value '" + text + "' does not fit type " + what); };
  Literal lit;
  switch (p) {
    case Primitive::Bool:
      if (text == "true" || text == "True" || text == "1") lit.text = "true";
      else if (text == "false" || text == "False" || text == "0") lit.text = "false";
      else bad();
      return lit;
    case Primitive::String:
    case Primitive::WString: {
      const std::string s = unquote(ctx, text);
      lit.is_string = true;
      if (p == Primitive::String) {
        if (bound && s.size() > bound) ctx.fail("value '" + text + "' is longer than its bound");
        lit.text = c_escape(s);
        return lit;
      }
      std::u16string u;
      if (!utf8_to_utf16(s, &u)) bad();
      if (bound && u.size() > bound) ctx.fail("value '" + text + "' is longer than its bound");
      lit.text = "u\"";
      for (char16_t c : u) {
        char buf[8];
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
          lit.text += static_cast<char>(c);
        } else {
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
          lit.text += buf;
        }
      }
      lit.text += "\"";
      return lit;
    }
    case Primitive::Float32:
    case Primitive::Float64: {
      if (text.empty()) bad();
      char* end = nullptr;
      errno = 0;
      const double v = std::strtod(text.c_str(), &end);
      if (*end != '\0' || errno == ERANGE || !std::isfinite(v)) bad();
      if (p == Primitive::Float32 && std::fabs(v) > FLT_MAX) bad();
      std::string t = text;
      if (t[0] == '+') t = t.substr(1);
      if (t.find_first_of(".eE") == std::string::npos) t += ".0";
      else if (t.back() == '.') t += "0";
      if (t[0] == '.') t = "0" + t;
      if (t.rfind("-.", 0) == 0) t = "-0" + t.substr(1);
      lit.text = p == Primitive::Float32 ? t + "f" : t;
      return lit;
    }
    default: break;
  }
  // Integers, char and byte.
  static const struct { Primitive p; long double lo, hi; const char* suffix; } ranges[] = {
      {Primitive::Byte, 0, 255, ""},
      {Primitive::Int8, -128, 127, ""},
      {Primitive::Uint8, 0, 255, ""},
      {Primitive::Int16, -32768, 32767, ""},
      {Primitive::Uint16, 0, 65535, ""},
      {Primitive::Int32, -2147483648.0L, 2147483647.0L, ""},
      {Primitive::Uint32, 0, 4294967295.0L, "u"},
      {Primitive::Int64, -9223372036854775808.0L, 9223372036854775807.0L, "ll"},
      {Primitive::Uint64, 0, 18446744073709551615.0L, "ull"},
  };
  std::string digits = text;
  bool negative = false;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
    negative = digits[0] == '-';
    digits = digits.substr(1);
  }
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), ::isdigit) ||
      digits.size() > 20) {
    bad();
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  errno = 0;
  const unsigned long long magnitude = std::strtoull(digits.c_str(), nullptr, 10);
  if (errno == ERANGE) bad();
  for (const auto& r : ranges) {
    if (r.p != p) continue;
    if (negative && magnitude == 0) negative = false;  // "-0"
    const long double v = negative ? -static_cast<long double>(magnitude) : magnitude;
    if (v < r.lo || v > r.hi) bad();
    if (p == Primitive::Int64 && negative && magnitude == 9223372036854775808ull) {
      lit.text = "(-9223372036854775807ll - 1)";
    } else {
      lit.text = (negative ? "-" : "") + digits + r.suffix;
    }
    return lit;
  }
  bad();
  return lit;
}

// Splits "[a, b, 'c, d']" into its items, honouring quotes.
std::vector<std::string> split_array(const Context& ctx, const std::string& text) {
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') {
    ctx.fail("array default '" + text + "' must be written as [a, b, ...]");
  }
  std::vector<std::string> items;
  const std::string body = trim(text.substr(1, text.size() - 2));
  if (body.empty()) return items;
  std::string current;
  char quote = 0;
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (quote) {
      current += c;
      if (c == '\\' && i + 1 < body.size()) current += body[++i];
      else if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
      current += c;
    } else if (c == ',') {
      items.push_back(trim(current));
      current.clear();
    } else {
      current += c;
    }
  }
  items.push_back(trim(current));
  for (const auto& item : items) {
    if (item.empty()) ctx.fail("empty item in array default '" + text + "'");
  }
  return items;
}

void set_default(const Context& ctx, Field* field, const std::string& text) {
  if (field->is_nested()) ctx.fail("nested message field '" + field->name + "' cannot have a default value");
  field->has_default = true;
  const Primitive p = field->type.primitive;
  const std::size_t bound = field->type.string_bound;
  if (!field->is_array()) {
    field->default_value.push_back(make_literal(ctx, p, bound, text));
    return;
  }
  const auto items = split_array(ctx, text);
  if (field->array == ArrayKind::Fixed && items.size() != field->array_size) {
    ctx.fail("array default of '" + field->name + "' has " + std::to_string(items.size()) +
             " values, the array holds " + std::to_string(field->array_size));
  }
  if (field->array == ArrayKind::BoundedSequence && items.size() > field->array_size) {
    ctx.fail("array default of '" + field->name + "' has more values than its bound");
  }
  for (const auto& item : items) field->default_value.push_back(make_literal(ctx, p, bound, item));
}

// One section of a definition (a message body) as fields and constants.
Message parse_section(const Definition& def, const std::vector<std::string>& lines,
                      int first_line, const std::string& package) {
  Message msg;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Context ctx{def.path, first_line + static_cast<int>(i)};
    const std::string line = trim(strip_comment(lines[i]));
    if (line.empty()) continue;
    const auto space = line.find_first_of(" \t");
    if (space == std::string::npos) ctx.fail("expected '<type> <name>', got '" + line + "'");
    const std::string type_text = line.substr(0, space);
    std::string rest = trim(line.substr(space));

    Field field;
    field.line = ctx.line;
    parse_type(ctx, type_text, package, &field);

    const auto eq = rest.find('=');
    const auto ws = rest.find_first_of(" \t");
    if (eq != std::string::npos && (ws == std::string::npos || eq < ws ||
                                    trim(rest.substr(ws)).rfind("=", 0) == 0)) {
      // A constant: NAME=value
      Constant c;
      c.name = trim(rest.substr(0, eq));
      const std::string value = trim(rest.substr(eq + 1));
      if (!is_constant_name(c.name)) ctx.fail("bad constant name '" + c.name + "'");
      if (field.is_nested() || field.is_array()) {
        ctx.fail("constant '" + c.name + "' must have a primitive, non-array type");
      }
      if (value.empty()) ctx.fail("constant '" + c.name + "' has no value");
      c.type = field.type.primitive;
      c.value = make_literal(ctx, c.type, field.type.string_bound, value);
      for (const auto& other : msg.constants) {
        if (other.name == c.name) ctx.fail("duplicate constant '" + c.name + "'");
      }
      msg.constants.push_back(c);
      continue;
    }
    field.name = ws == std::string::npos ? rest : rest.substr(0, ws);
    const std::string default_text = ws == std::string::npos ? "" : trim(rest.substr(ws));
    if (!is_field_name(field.name)) ctx.fail("bad field name '" + field.name + "'");
    for (const auto& other : msg.fields) {
      if (other.name == field.name) ctx.fail("duplicate field '" + field.name + "'");
    }
    if (!default_text.empty()) set_default(ctx, &field, default_text);
    msg.fields.push_back(field);
  }
  return msg;
}

Field placeholder_field() {
  Field f;
  f.name = kPlaceholderName;
  f.type.primitive = Primitive::Uint8;
  return f;
}

Field nested_field(const std::string& name, const TypeName& type) {
  Field f;
  f.name = name;
  f.type.is_primitive = false;
  f.type.message = type;
  return f;
}

Field primitive_field(const std::string& name, Primitive p) {
  Field f;
  f.name = name;
  f.type.primitive = p;
  return f;
}

}  // namespace

Definition read_definition(const std::string& path) {
  namespace fs = std::filesystem;
  Definition def;
  def.path = path;
  const fs::path p(path);
  const std::string ext = p.extension().string();
  if (ext == ".msg") def.kind = "msg";
  else if (ext == ".srv") def.kind = "srv";
  else if (ext == ".action") def.kind = "action";
  else throw DefinitionError(path, 0, "unknown definition kind '" + ext + "'");
  def.name = p.stem().string();
  std::ifstream in(path, std::ios::binary);
  if (!in) throw DefinitionError(path, 0, "cannot read file");
  std::ostringstream text;
  text << in.rdbuf();
  def.text = text.str();
  return def;
}

Package parse_package(const std::string& package, const std::vector<Definition>& definitions,
                      const KnownTypes& dependencies) {
  Package pkg;
  pkg.name = package;
  std::vector<const Definition*> ordered;
  for (const char* kind : {"msg", "srv", "action"}) {
    for (const auto& d : definitions) {
      if (d.kind == kind) ordered.push_back(&d);
    }
  }
  struct Origin { const Definition* def; };
  std::vector<Origin> origins;  // per message, where it was defined

  auto add_message = [&](Message m, const Definition& def, const std::string& kind,
                         const std::string& name) {
    m.type = {package, kind, name};
    m.interface_name = def.name;
    if (m.fields.empty()) {
      m.fields.push_back(placeholder_field());
      m.is_placeholder_only = true;
    }
    for (const auto& existing : pkg.messages) {
      if (existing.type.name == name && existing.type.kind == kind) {
        throw DefinitionError(def.path, 1, "type '" + name + "' is defined twice");
      }
    }
    pkg.messages.push_back(std::move(m));
    origins.push_back({&def});
    return pkg.messages.size() - 1;
  };
  auto add_service = [&](Interface& iface, const Definition& def, const std::string& kind,
                         const std::string& name, std::size_t req, std::size_t res) {
    Service s;
    s.type = {package, kind, name};
    s.interface_name = def.name;
    s.request = req;
    s.response = res;
    pkg.services.push_back(s);
    iface.services.push_back(pkg.services.size() - 1);
    return pkg.services.size() - 1;
  };

  for (const Definition* def : ordered) {
    if (!is_type_name(def->name)) {
      throw DefinitionError(def->path, 1, "bad interface name '" + def->name + "'");
    }
    // Split into sections at lines that are exactly "---".
    std::vector<std::vector<std::string>> sections(1);
    std::vector<int> starts{1};
    std::stringstream ss(def->text);
    int line_no = 0;
    for (std::string line; std::getline(ss, line);) {
      ++line_no;
      if (trim(line) == "---") {
        sections.emplace_back();
        starts.push_back(line_no + 1);
      } else {
        sections.back().push_back(line);
      }
    }
    const std::size_t expected = def->kind == "msg" ? 1 : def->kind == "srv" ? 2 : 3;
    if (sections.size() != expected) {
      throw DefinitionError(def->path, line_no ? line_no : 1,
                            "a ." + def->kind + " file needs " + std::to_string(expected) +
                                " section(s) separated by '---', found " +
                                std::to_string(sections.size()));
    }
    std::vector<Message> parsed;
    for (std::size_t i = 0; i < sections.size(); ++i) {
      parsed.push_back(parse_section(*def, sections[i], starts[i], package));
    }
    Interface iface;
    iface.kind = def->kind;
    iface.name = def->name;
    const std::string& n = def->name;
    if (def->kind == "msg") {
      iface.messages.push_back(add_message(parsed[0], *def, "msg", n));
    } else if (def->kind == "srv") {
      const auto req = add_message(parsed[0], *def, "srv", n + "_Request");
      const auto res = add_message(parsed[1], *def, "srv", n + "_Response");
      iface.messages = {req, res};
      add_service(iface, *def, "srv", n, req, res);
    } else {
      const TypeName uuid{"unique_identifier_msgs", "msg", "UUID"};
      const TypeName time{"builtin_interfaces", "msg", "Time"};
      Action a;
      a.type = {package, "action", n};
      a.goal = add_message(parsed[0], *def, "action", n + "_Goal");
      a.result = add_message(parsed[1], *def, "action", n + "_Result");
      a.feedback = add_message(parsed[2], *def, "action", n + "_Feedback");
      Message m;
      m.fields = {nested_field("goal_id", uuid), nested_field("goal", {package, "action", n + "_Goal"})};
      const auto sg_req = add_message(m, *def, "action", n + "_SendGoal_Request");
      m.fields = {primitive_field("accepted", Primitive::Bool), nested_field("stamp", time)};
      const auto sg_res = add_message(m, *def, "action", n + "_SendGoal_Response");
      m.fields = {nested_field("goal_id", uuid)};
      const auto gr_req = add_message(m, *def, "action", n + "_GetResult_Request");
      m.fields = {primitive_field("status", Primitive::Int8),
                  nested_field("result", {package, "action", n + "_Result"})};
      const auto gr_res = add_message(m, *def, "action", n + "_GetResult_Response");
      m.fields = {nested_field("goal_id", uuid),
                  nested_field("feedback", {package, "action", n + "_Feedback"})};
      a.feedback_message = add_message(m, *def, "action", n + "_FeedbackMessage");
      iface.messages = {a.goal, a.result, a.feedback, sg_req, sg_res, gr_req, gr_res,
                        a.feedback_message};
      a.send_goal = add_service(iface, *def, "action", n + "_SendGoal", sg_req, sg_res);
      a.get_result = add_service(iface, *def, "action", n + "_GetResult", gr_req, gr_res);
      pkg.actions.push_back(a);
      iface.action = static_cast<int>(pkg.actions.size() - 1);
    }
    pkg.interfaces.push_back(std::move(iface));
  }

  // Every nested type must exist: the package's own messages or a dependency's.
  for (std::size_t i = 0; i < pkg.messages.size(); ++i) {
    for (const Field& f : pkg.messages[i].fields) {
      if (!f.is_nested()) continue;
      const TypeName& t = f.type.message;
      bool known = false;
      if (t.package == package) {
        known = pkg.find(t) != nullptr;
      } else {
        auto it = dependencies.find(t.package);
        known = it != dependencies.end() && it->second.count(t.name) > 0;
      }
      if (!known) {
        throw DefinitionError(origins[i].def->path, f.line ? f.line : 1,
                              "unknown type '" + t.package + "/" + t.name + "'");
      }
    }
  }
  return pkg;
}

}  // namespace idl
