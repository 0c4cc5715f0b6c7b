#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <string>

#include "parser.hpp"

namespace {

const idl::KnownTypes kDeps = {
    {"geometry_msgs", {"Point", "PoseStamped", "Polygon"}},
    {"std_msgs", {"Header"}},
    {"unique_identifier_msgs", {"UUID"}},
    {"builtin_interfaces", {"Time"}},
};

idl::Package parse(const std::vector<idl::Definition>& defs) {
  return idl::parse_package("demo", defs, kDeps);
}

idl::Definition msg(const std::string& name, const std::string& text, const std::string& kind = "msg") {
  return {name + "." + kind, kind, name, text};
}

const idl::Field& field(const idl::Message& m, const std::string& name) {
  for (const auto& f : m.fields) {
    if (f.name == name) return f;
  }
  throw std::runtime_error("no field " + name);
}

TEST(Parser, ReadsTheWholeGrammar) {
  const auto pkg = parse({msg("Everything", R"(# a comment line
bool flag true   # trailing comment
byte b 255
char c 65
float32 f32 1
float64 f64 -2.5e3
int8 i8 -128
uint8 u8
int16 i16
uint16 u16
int32 i32
uint32 u32 4294967295
int64 i64 -9223372036854775808
uint64 u64 18446744073709551615
string s "with # hash"
string<=5 bounded 'abc'
wstring w "wide"
int32[3] fixed [1, 2, 3]
float64[] unbounded
uint8[<=4] bounded_seq [1, 2]
string<=3[<=2] names
geometry_msgs/Point point
geometry_msgs/msg/PoseStamped[] poses
Other local
int32 ANSWER=42
string GREETING = "hi # not a comment"
)"), msg("Other", "int8 x\n")});

  const idl::Message& m = pkg.messages[0];
  ASSERT_EQ(m.fields.size(), 23u);
  EXPECT_EQ(field(m, "flag").default_value[0].text, "true");
  EXPECT_EQ(field(m, "f32").default_value[0].text, "1.0f");
  EXPECT_EQ(field(m, "f64").default_value[0].text, "-2.5e3");
  EXPECT_EQ(field(m, "u32").default_value[0].text, "4294967295u");
  EXPECT_EQ(field(m, "i64").default_value[0].text, "(-9223372036854775807ll - 1)");
  EXPECT_EQ(field(m, "u64").default_value[0].text, "18446744073709551615ull");
  EXPECT_EQ(field(m, "s").default_value[0].text, "\"with # hash\"");
  EXPECT_TRUE(field(m, "s").default_value[0].is_string);
  EXPECT_EQ(field(m, "bounded").type.string_bound, 5u);
  EXPECT_EQ(field(m, "w").type.primitive, idl::Primitive::WString);
  EXPECT_EQ(field(m, "w").default_value[0].text, "u\"wide\"");
  EXPECT_FALSE(field(m, "u8").has_default);
  EXPECT_EQ(field(m, "c").type.primitive, idl::Primitive::Uint8);  // char is an octet
  EXPECT_EQ(field(m, "b").type.primitive, idl::Primitive::Byte);

  const idl::Field& fixed = field(m, "fixed");
  EXPECT_EQ(fixed.array, idl::ArrayKind::Fixed);
  EXPECT_EQ(fixed.array_size, 3u);
  ASSERT_EQ(fixed.default_value.size(), 3u);
  EXPECT_EQ(fixed.default_value[2].text, "3");
  EXPECT_EQ(field(m, "unbounded").array, idl::ArrayKind::UnboundedSequence);
  EXPECT_EQ(field(m, "bounded_seq").array, idl::ArrayKind::BoundedSequence);
  EXPECT_EQ(field(m, "bounded_seq").array_size, 4u);
  EXPECT_EQ(field(m, "names").type.string_bound, 3u);
  EXPECT_EQ(field(m, "names").array_size, 2u);

  EXPECT_EQ(field(m, "point").type.message.package, "geometry_msgs");
  EXPECT_EQ(field(m, "poses").type.message.name, "PoseStamped");
  EXPECT_EQ(field(m, "local").type.message.package, "demo");

  ASSERT_EQ(m.constants.size(), 2u);
  EXPECT_EQ(m.constants[0].name, "ANSWER");
  EXPECT_EQ(m.constants[0].value.text, "42");
  EXPECT_EQ(m.constants[1].value.text, "\"hi # not a comment\"");
}

TEST(Parser, ExpandsServicesAndActions) {
  const auto pkg = parse({msg("Ping", "bool trigger\n---\n", "srv"),
                          msg("Move", "geometry_msgs/PoseStamped goal_pose\n---\nbool ok\n---\n",
                              "action")});
  ASSERT_EQ(pkg.messages.size(), 10u);
  ASSERT_EQ(pkg.services.size(), 3u);
  ASSERT_EQ(pkg.actions.size(), 1u);

  EXPECT_EQ(pkg.messages[0].name(), "Ping_Request");
  EXPECT_EQ(pkg.messages[1].name(), "Ping_Response");
  EXPECT_TRUE(pkg.messages[1].is_placeholder_only);
  EXPECT_EQ(pkg.messages[1].fields[0].name, idl::kPlaceholderName);
  EXPECT_EQ(pkg.messages[1].fields[0].type.primitive, idl::Primitive::Uint8);
  EXPECT_EQ(pkg.services[0].name(), "Ping");
  EXPECT_EQ(pkg.services[0].type.kind, "srv");

  const char* expected[] = {"Move_Goal", "Move_Result", "Move_Feedback",
                            "Move_SendGoal_Request", "Move_SendGoal_Response",
                            "Move_GetResult_Request", "Move_GetResult_Response",
                            "Move_FeedbackMessage"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(pkg.messages[2 + i].name(), expected[i]);
    EXPECT_EQ(pkg.messages[2 + i].type.kind, "action");
    EXPECT_EQ(pkg.messages[2 + i].interface_name, "Move");
  }
  const idl::Action& a = pkg.actions[0];
  EXPECT_TRUE(pkg.messages[a.feedback].is_placeholder_only);
  EXPECT_EQ(pkg.services[a.send_goal].name(), "Move_SendGoal");
  EXPECT_EQ(pkg.services[a.get_result].name(), "Move_GetResult");
  EXPECT_EQ(pkg.messages[pkg.services[a.get_result].response].fields[0].type.primitive,
            idl::Primitive::Int8);

  const idl::Message& feedback_message = pkg.messages[a.feedback_message];
  ASSERT_EQ(feedback_message.fields.size(), 2u);
  EXPECT_EQ(feedback_message.fields[0].type.message.name, "UUID");
  EXPECT_EQ(feedback_message.fields[1].type.message.name, "Move_Feedback");
  EXPECT_EQ(feedback_message.fields[1].type.message.kind, "action");
}

// Each fault in a definition is reported at its line, and nothing else is parsed on.
TEST(Parser, ReportsEachFaultAtItsLine) {
  const struct { const char* text; int line; const char* message; } cases[] = {
      {"int32 a\nNoSuchType b\n", 2, "unknown type 'demo/NoSuchType'"},
      {"int32 a\nnav_msgs/Path p\n", 2, "unknown type 'nav_msgs/Path'"},
      {"int32\n", 1, "expected '<type> <name>'"},
      {"int32 a\nint32 a\n", 2, "duplicate field 'a'"},
      {"int32 BadName\n", 1, "bad field name 'BadName'"},
      {"int32 a__b\n", 1, "bad field name 'a__b'"},
      {"int32 trailing_\n", 1, "bad field name 'trailing_'"},
      {"int32 _lead\n", 1, "bad field name '_lead'"},
      {"int32 9lives\n", 1, "bad field name '9lives'"},
      {"int32 A__B=1\n", 1, "bad constant name 'A__B'"},
      {"Bad-Type x\n", 1, "malformed type"},
      {"Geometry/Point p\n", 1, "malformed type"},
      {"int8 a 128\n", 1, "value '128' does not fit type int8"},
      {"uint8 a -1\n", 1, "value '-1' does not fit type uint8"},
      {"bool a maybe\n", 1, "value 'maybe' does not fit type bool"},
      {"float32 a 1e39\n", 1, "value '1e39' does not fit type float32"},
      {"float64 a abc\n", 1, "value 'abc' does not fit type float64"},
      {"string<=2 a \"abc\"\n", 1, "longer than its bound"},
      {"int32[2] a [1, 2, 3]\n", 1, "has 3 values, the array holds 2"},
      {"int32[<=1] a [1, 2]\n", 1, "more values than its bound"},
      {"\n\nint16 LIMIT=70000\n", 3, "value '70000' does not fit type int16"},
      {"int32 lower_case=1\n", 1, "bad constant name 'lower_case'"},
      {"int32[2] ARR=1\n", 1, "must have a primitive, non-array type"},
      {"geometry_msgs/Point p 1\n", 1, "cannot have a default value"},
      {"int32[0] a\n", 1, "bad array size '0'"},
      {"int32[x] a\n", 1, "bad array size 'x'"},
      {"int32<=3 a\n", 1, "only strings take a bound"},
      {"a/b/c/D x\n", 1, "malformed type"},
  };
  for (const auto& c : cases) {
    try {
      parse({msg("Bad", c.text)});
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const idl::DefinitionError& e) {
      const std::string what = e.what();
      EXPECT_EQ(what.rfind("Bad.msg:" + std::to_string(c.line) + ": ", 0), 0u) << what;
      EXPECT_NE(what.find(c.message), std::string::npos) << what;
    }
  }
}

TEST(Parser, ChecksTheShapeOfServicesAndActions) {
  EXPECT_THROW(parse({msg("OneSection", "bool a\n", "srv")}), idl::DefinitionError);
  EXPECT_THROW(parse({msg("TwoSections", "bool a\n---\nbool b\n", "action")}), idl::DefinitionError);
  EXPECT_THROW(parse({msg("Split", "bool a\n---\nbool b\n", "msg")}), idl::DefinitionError);
  EXPECT_THROW(parse({msg("lower", "bool a\n")}), idl::DefinitionError);
}

// The compiler binary: a bad definition exits non-zero and writes nothing at all.
TEST(Compiler, BadDefinitionWritesNoOutput) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("pelorin_idl_test_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "msg");
  std::ofstream(dir / "msg" / "Good.msg") << "int32 a\n";
  std::ofstream(dir / "msg" / "Bad.msg") << "int32 a\nUnknown b\n";
  const fs::path out = dir / "out";
  const std::string base = std::string(PELORIN_IDL) + " --package demo --out " + out.string() + " ";

  const int bad = std::system((base + (dir / "msg" / "Good.msg").string() + " " +
                               (dir / "msg" / "Bad.msg").string() + " 2>" +
                               (dir / "err.txt").string()).c_str());
  EXPECT_NE(bad, 0);
  EXPECT_FALSE(fs::exists(out));
  std::ifstream err(dir / "err.txt");
  std::string line;
  std::getline(err, line);
  EXPECT_NE(line.find("Bad.msg:2: unknown type 'demo/Unknown'"), std::string::npos) << line;

  EXPECT_EQ(std::system((base + (dir / "msg" / "Good.msg").string()).c_str()), 0);
  EXPECT_TRUE(fs::exists(out / "include/demo/msg/good.hpp"));
  fs::remove_all(dir);
}

}  // namespace
