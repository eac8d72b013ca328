// The page's engine opens and writes design files as the window does: the same bytes for the
// same design, the same refusals, and nothing changed by a file refused.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <string>

#include "tests/batch/read_all.h"
#include "web/page_session.h"

namespace {

using Json = nlohmann::json;

const calc::InputTexts kOther = {"1", "230", "24", "2", "3", "4", "1.5", "4", "0.35"};

TEST(PageDesign, OpensTheSharedFileAndWritesItByteForByte) {
  const std::string file = ReadAll(TS_BOTH_FACES_DESIGN);
  web::PageSession session;
  const Json opened = Json::parse(session.OpenDesign("both_faces.json", file));
  ASSERT_FALSE(opened.contains("refusal")) << opened.dump();
  EXPECT_EQ(opened["title"], "Блок питания «БП-12»");
  EXPECT_EQ(opened["fields"], Json::parse(R"(["3","220","12","1,5","2","5","7","12 см","0.2"])"));
  EXPECT_EQ(opened["settings"], Json::parse(R"(["1","1.5","0.05","0.3","0.3","","0.45",
                                                "60","1.5","25.5","105","1.2"])"));
  EXPECT_EQ(opened["windings"], Json::parse(R"({"first":"ac","further":[],"diode":"0.7"})"));
  std::array<std::string, 9> fields;
  calc::InputTexts texts;
  for (std::size_t k = 0; k < 9; ++k) {
    fields[k] = opened["fields"][k];
    texts[k] = fields[k];
  }
  const Json saved = Json::parse(session.DesignFile(texts, "Блок питания «БП-12»"));
  EXPECT_EQ(saved["name"], "Блок питания «БП-12».json");
  EXPECT_EQ(saved["text"], file);
}

TEST(PageDesign, ARefusedFileNamesItselfAndChangesNothing) {
  web::PageSession session;
  session.SetSettings({"1", "2"});
  const std::string before = Json::parse(session.DesignFile(kOther, "т"))["text"];
  EXPECT_EQ(Json::parse(session.OpenDesign("x.json", "{"))["refusal"],
            "Проект «x.json» не открыт: не JSON: ошибка в строке 1, в позиции 2.");
  EXPECT_EQ(Json::parse(session.OpenFragment("design=!"))["refusal"],
            "Проект из ссылки не открыт: ссылка обрезана.");
  EXPECT_EQ(Json::parse(web::PageSession::UnreadableDesign("y.json"))["refusal"],
            "Проект «y.json» не открыт: файл не читается.");
  EXPECT_EQ(Json::parse(session.DesignFile(kOther, "т"))["text"], before);
}

TEST(PageDesign, ADesignOfSeveralWindingsOpensWithItsTable) {
  web::PageSession session;
  const Json opened = Json::parse(session.OpenDesign(
      "ламповый.json", R"({"transformer-sizer-design":1,"fields":["","","","","","","","",""],
        "secondaries":[{"kind":"ct-c"},{"U":6.3,"I":2,"kind":"ac"}],"settings":{"diode":0.7}})"));
  EXPECT_EQ(opened["windings"],
            Json::parse(R"({"first":"ct-c","further":[["6.3","2","ac"]],"diode":"0.7"})"));
}

TEST(PageDesign, TheFragmentOfADesignOpensIt) {
  web::PageSession page;
  page.SetSettings({"2", "0.5"});
  const std::string fragment = Json::parse(page.DesignFragment(kOther, "Кольцо"))["fragment"];
  EXPECT_TRUE(fragment.starts_with("design="));
  web::PageSession other;
  const Json opened = Json::parse(other.OpenFragment("#" + fragment));
  ASSERT_FALSE(opened.contains("refusal")) << opened.dump();
  EXPECT_EQ(opened["title"], "Кольцо");
  EXPECT_EQ(opened["fields"][7], "4");
  EXPECT_EQ(opened["settings"][1], "0.5");
  EXPECT_EQ(other.DesignFile(kOther, "Кольцо"), page.DesignFile(kOther, "Кольцо"));
}

}  // namespace
