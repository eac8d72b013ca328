#include <gtest/gtest.h>

#include <string>

#include "design_file/design_file.h"
#include "design_support.h"

namespace design_file {
namespace {

const std::string kFields = R"("fields":["3","220","12","1.5","2","5","7","12","0.2"])";

// A design document with `members` after its format and fields.
std::string Document(const std::string& members) {
  return R"({"transformer-sizer-design":1,)" + kFields + (members.empty() ? "" : ",") + members +
         "}";
}

TEST(Read, TakesTheDefaultsForWhatIsAbsent) {
  const auto read = Read(Document(""));
  ASSERT_EQ(ReasonOf(read), "read");
  Design expected;
  expected.fields = ExampleDesign().fields;
  EXPECT_EQ(std::get<Design>(read), expected);
}

// Files that other tools wrote: members in another order, blanks, a byte order mark, CRLF,
// null for what may be unset, whole numbers as decimals.
TEST(Read, TakesAnyLayoutOfTheSameDocument) {
  const std::string text =
      "\xEF\xBB\xBF{\r\n  \"settings\": {\"ownWire2\": null, \"refineFlux\": null,"
      " \"grade\": 1.0, \"diode\": 0},\r\n  " +
      kFields + ",\r\n  \"transformer-sizer-design\": 1\r\n}\r\n";
  const auto read = Read(text);
  ASSERT_EQ(ReasonOf(read), "read");
  const Design& design = std::get<Design>(read);
  EXPECT_EQ(design.plan.grade, 1);
  EXPECT_EQ(design.rectifier.diode, 0);
  EXPECT_FALSE(design.plan.own_wire[1]);
  EXPECT_FALSE(design.check.refine_flux);
}

// Written anew, with every setting and a member a line, a document just under the limit can
// pass it; its design would be saved into a file that no longer opens.
TEST(Read, RefusesWhatWouldNotFitWhenWrittenAnew) {
  std::string escapes;
  for (int k = 0; k < 19000; ++k) escapes += "\\u0001";
  std::string text = R"({"transformer-sizer-design":1,"fields":[)";
  for (int k = 0; k < 9; ++k) text += (k > 0 ? ",\"" : "\"") + escapes + "\"";
  text += "]}";
  text.insert(text.size() - 1,
              R"(,"title":")" + std::string(kMaxDocumentBytes - text.size() - 12, 'x') + "\"");
  ASSERT_EQ(text.size(), kMaxDocumentBytes - 1);
  EXPECT_EQ(ReasonOf(Read(text)), "больше 1 МиБ, если записать заново");
}

struct Refusal {
  const char* what;
  std::string text;
  std::string reason;  // the whole reason, or its start when it ends in "…"
};

const std::string kLongText(kMaxTextBytes + 1, 'x');

std::string NineSecondaries() {
  std::string list = R"("secondaries":[{"kind":"ac"})";
  for (int k = 2; k <= 9; ++k) list += R"(,{"U":1,"I":1,"kind":"ac"})";
  return list + "]";
}

class ReadRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(ReadRefusalTest, NamesWhatIsWrong) {
  const std::string reason = ReasonOf(Read(GetParam().text));
  const std::string& expected = GetParam().reason;
  if (expected.ends_with("…")) {
    EXPECT_TRUE(reason.starts_with(expected.substr(0, expected.size() - 3))) << reason;
  } else {
    EXPECT_EQ(reason, expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, ReadRefusalTest,
    ::testing::Values(
        Refusal{"too large", Document("") + std::string(kMaxDocumentBytes, ' '), "больше 1 МиБ"},
        Refusal{"empty", " \n", "пусто"},
        Refusal{"garbage", "PK\x03\x04", "не JSON: ошибка в строке 1, в позиции 1"},
        Refusal{"cut short", "{\n  \"transformer-sizer-design\": 1,\n  \"fields\": [\"3\"",
                "не JSON: ошибка в строке 3, в позиции 17"},
        Refusal{"comment", "// проект\n" + Document(""), "не JSON: ошибка в строке 1, в позиции 1"},
        Refusal{"bad UTF-8", Document(R"("title":")" + std::string("\xC0\xAF") + "\""),
                "не JSON: ошибка в …"},
        Refusal{"huge number", Document(R"("settings":{"bobbin":1e999})"),
                "не JSON: число слишком велико"},
        Refusal{"array", "[1,2,3]", "не проект: в JSON не объект"},
        Refusal{"another shape", R"({"name":"transformer-sizer","version":"1.0.0"})",
                "не проект: в JSON нет ключа \"transformer-sizer-design\""},
        Refusal{"newer version", R"({"transformer-sizer-design":2,)" + kFields + "}",
                "версия формата 2 новее этой программы: она читает версию 1"},
        Refusal{"version zero", R"({"transformer-sizer-design":0,)" + kFields + "}",
                "неизвестная версия формата 0"},
        Refusal{"version as text", R"({"transformer-sizer-design":"1",)" + kFields + "}",
                "версия формата должна быть целым числом, а не «\"1\"»"},
        Refusal{"version as decimal", R"({"transformer-sizer-design":1.0,)" + kFields + "}",
                "версия формата должна быть целым числом, а не «1.0»"},
        Refusal{"unknown key", Document(R"("author":"я")"), "неизвестный ключ «author»"},
        Refusal{"repeated key", Document(kFields), "ключ «fields» повторяется"},
        Refusal{"deep", Document(R"("title":[[[]]])"), "вложенность глубже, чем бывает в проекте"},
        Refusal{"no fields", R"({"transformer-sizer-design":1})",
                "нет \"fields\" — девяти полей окна"},
        Refusal{"eight fields",
                R"({"transformer-sizer-design":1,"fields":["","","","","","","",""]})",
                "\"fields\" должен быть списком из 9 строк — полей окна"},
        Refusal{"field as number",
                R"({"transformer-sizer-design":1,"fields":["","","",1.5,"","","","",""]})",
                "поле 4 должно быть строкой"},
        Refusal{"long field",
                R"({"transformer-sizer-design":1,"fields":["","","","","","","","",")" + kLongText +
                    "\"]}",
                "поле 9 длиннее 64 КиБ"},
        Refusal{"long title", Document(R"("title":")" + kLongText + "\""),
                "название длиннее 64 КиБ"},
        Refusal{"title as number", Document(R"("title":5)"),
                "название (\"title\") должно быть строкой"},
        Refusal{"no secondaries", Document(R"("secondaries":[])"),
                "\"secondaries\" должен быть списком из 1–8 вторичных обмоток"},
        Refusal{"nine secondaries", Document(NineSecondaries()),
                "\"secondaries\" должен быть списком из 1–8 вторичных обмоток"},
        Refusal{"first with U", Document(R"("secondaries":[{"U":12,"kind":"ac"}])"),
                "вторичная обмотка 1: ее U и I — поля 3 и 4, здесь у нее только \"kind\""},
        Refusal{"secondary as list", Document(R"("secondaries":[{"kind":"ac"},[6.3,1]])"),
                "вторичная обмотка 2 должна быть объектом"},
        Refusal{"no kind", Document(R"("secondaries":[{"kind":"ac"},{"U":6.3,"I":1}])"),
                "вторичная обмотка 2: нет \"kind\""},
        Refusal{"unknown kind", Document(R"("secondaries":[{"kind":"AC"}])"),
                "вторичная обмотка 1: неизвестный вид обмотки «AC» (ac, ct, bridge-c, ct-c, "
                "half-c, bridge-l, ct-l)"},
        Refusal{"U as text",
                Document(R"("secondaries":[{"kind":"ac"},{"U":"6,3","I":1,"kind":"ac"}])"),
                "вторичная обмотка 2: \"U\" должно быть числом, а не «\"6,3\"»"},
        Refusal{"unknown member of a secondary",
                Document(R"("secondaries":[{"kind":"ac"},{"U":6,"I":1,"kind":"ac","R":2}])"),
                "вторичная обмотка 2: неизвестный ключ «R»"},
        Refusal{"settings as list", Document(R"("settings":[])"),
                "\"settings\" должен быть объектом"},
        Refusal{"unknown setting", Document(R"("settings":{"bobin":1})"),
                "неизвестный параметр «bobin»"},
        Refusal{"out of bounds", Document(R"("settings":{"bobbin":150})"),
                "Толщина каркаса должна быть числом от 0 до 100 мм, а не «150»"},
        Refusal{"not whole", Document(R"("settings":{"grade":1.5})"),
                "Класс эмалевой изоляции должен быть 1 или 2, а не «1.5»"},
        Refusal{"unset that may not be", Document(R"("settings":{"frequency":null})"),
                "Частота сети должна быть числом от 40 до 70 Гц, а значение не задано"},
        Refusal{"setting as text", Document(R"("settings":{"ambient":"25"})"),
                "Температура воздуха должна быть числом от −40 до 100 °C, а не «\"25\"»"},
        Refusal{"later setting out of bounds", Document(R"("settings":{"diode":101})"),
                "Падение на диоде должно быть числом от 0 до 100 В, а не «101»"},
        Refusal{"later setting unset", Document(R"("settings":{"diode":null})"),
                "Падение на диоде должно быть числом от 0 до 100 В, а значение не задано"}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& c : name) c = (c == ' ' || c == '-') ? '_' : c;
      return name;
    });

}  // namespace
}  // namespace design_file
