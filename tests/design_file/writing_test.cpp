#include <gtest/gtest.h>

#include <set>
#include <string>

#include "batch/read_all.h"
#include "design_file/design_file.h"
#include "design_file/file_settings.h"
#include "design_support.h"

namespace design_file {
namespace {

// The written form is what other tools read: any change to it shows here, and the README
// shows the same file.
TEST(Write, GivesTheDocumentedFileByteForByte) {
  EXPECT_EQ(Write(ExampleDesign()), ReadAll(TS_EXAMPLE_DESIGN));
}

TEST(Write, ReadsBackAsTheSameDesign) {
  Design design = ExampleDesign();
  design.fields[0] = "3 \"кольцо\"\t\\ \x01 ";
  design.fields[8] = "";
  design.title = "строка 1\nстрока 2";
  design.plan.own_wire[0] = 0.01;
  design.check.steel_loss = 1e-300;
  for (const Design& written : {design, Design{}, ExampleDesign()}) {
    const auto read = Read(Write(written));
    ASSERT_EQ(ReasonOf(read), "read");
    EXPECT_EQ(std::get<Design>(read), written);
  }
}

TEST(WriteCompact, LeavesOutWhatHoldsItsDefault) {
  Design design;
  design.fields = ExampleDesign().fields;
  EXPECT_EQ(
      WriteCompact(design),
      R"({"transformer-sizer-design":1,"fields":["3","220","12","1.5","2","5","7","12","0.2"]})");
  design.check.limit = 155;
  design.plan.own_wire[0] = 0.5;
  EXPECT_EQ(
      WriteCompact(design),
      R"({"transformer-sizer-design":1,"fields":["3","220","12","1.5","2","5","7","12","0.2"],)"
      R"("settings":{"ownWire1":0.5,"limit":155}})");
  const auto read = Read(WriteCompact(ExampleDesign()));
  ASSERT_EQ(ReasonOf(read), "read");
  EXPECT_EQ(std::get<Design>(read), ExampleDesign());
}

// The README shows the format: its example is the file written, and it names every setting.
TEST(Readme, ShowsTheFileAndEverySetting) {
  const std::string readme = ReadAll(TS_README);
  const std::size_t start = readme.find("```json\n") + 8;
  ASSERT_NE(start, std::string::npos + 8);
  EXPECT_EQ(readme.substr(start, readme.find("```", start) - start), ReadAll(TS_EXAMPLE_DESIGN));
  for (const FileSetting setting : FileSettings()) {
    std::string key(1, '`');  // built in steps: GCC 12 misreads "`" + std::string as overlapping
    key.append(RuleOf(setting).key).push_back('`');
    EXPECT_NE(readme.find(key), std::string::npos) << key;
  }
}

// A setting added to a rule table under a key another table uses would be read into one of
// them only.
TEST(FileSettings, HaveKeysOfTheirOwn) {
  std::set<std::string_view> keys;
  for (const FileSetting setting : FileSettings()) {
    EXPECT_TRUE(keys.insert(RuleOf(setting).key).second) << RuleOf(setting).key;
  }
  EXPECT_EQ(keys.size(), plan::kSettingRules.size() + check::kSettingRules.size() + 1);
}

}  // namespace
}  // namespace design_file
