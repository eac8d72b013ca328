#include "design_file/fragment.h"

#include <gtest/gtest.h>

#include <string>

#include "design_file/design_file.h"
#include "design_support.h"

namespace design_file {
namespace {

TEST(Fragment, ReadsBackAsTheSameDesign) {
  Design design = ExampleDesign();
  for (const Design& encoded : {design, Design{}}) {
    const std::string fragment = EncodeFragment(encoded);
    EXPECT_EQ(fragment.find_first_not_of(
                  "design=ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_"),
              std::string::npos)
        << fragment;
    for (const std::string& given : {fragment, "#" + fragment}) {
      const auto read = DecodeFragment(given);
      ASSERT_EQ(ReasonOf(read), "read");
      EXPECT_EQ(std::get<Design>(read), encoded);
    }
  }
}

// Every length of the last group of base64url: one, two and three bytes left over.
TEST(Fragment, EncodesEveryLengthOfTheLastGroup) {
  for (const char* title : {"", "a", "ab", "abc"}) {
    Design design;
    design.title = title;
    const auto read = DecodeFragment(EncodeFragment(design));
    ASSERT_EQ(ReasonOf(read), "read") << title;
    EXPECT_EQ(std::get<Design>(read).title, title);
  }
}

TEST(Fragment, OfTheExampleIsShort) {
  Design design;
  design.fields = ExampleDesign().fields;
  EXPECT_EQ(EncodeFragment(design),
            "design=eyJ0cmFuc2Zvcm1lci1zaXplci1kZXNpZ24iOjEsImZpZWxkcyI6WyIzIiwiMjIwIiwiMTIiLCIxLj"
            "UiLCIyIiwiNSIsIjciLCIxMiIsIjAuMiJdfQ");
}

struct BadFragment {
  const char* what;
  std::string fragment;
  std::string reason;
};

class FragmentRefusalTest : public ::testing::TestWithParam<BadFragment> {};

TEST_P(FragmentRefusalTest, NamesWhatIsWrong) {
  EXPECT_EQ(ReasonOf(DecodeFragment(GetParam().fragment)), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Fragments, FragmentRefusalTest,
    ::testing::Values(BadFragment{"empty", "", "в ссылке нет проекта"},
                      BadFragment{"another", "#section-2", "в ссылке нет проекта"},
                      BadFragment{"padding", "design=eyJ9fQ==",
                                  "ссылка повреждена: недопустимый знак на месте 14"},
                      BadFragment{"plain base64", "design=eyJ+fQ",
                                  "ссылка повреждена: недопустимый знак на месте 11"},
                      BadFragment{"percent-encoded", "design=eyJ%3D",
                                  "ссылка повреждена: недопустимый знак на месте 11"},
                      BadFragment{"cut to one sextet", "design=eyJ9f", "ссылка обрезана"},
                      BadFragment{"bits left over", "design=eyJ9fR", "ссылка повреждена"},
                      BadFragment{"too long", "design=" + std::string(1400000, 'A'),
                                  "ссылка длиннее, чем бывает у проекта"},
                      BadFragment{"not a design inside", "design=e30",
                                  "не проект: в JSON нет ключа \"transformer-sizer-design\""},
                      BadFragment{"bytes", "design=AAAA",
                                  "не JSON: ошибка в строке 1, в позиции 1"}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& c : name) c = (c == ' ' || c == '-') ? '_' : c;
      return name;
    });

}  // namespace
}  // namespace design_file
