#include "account/control_table.h"

#include <algorithm>

#include "calc/result_labels.h"

namespace account {

namespace {

constexpr ControlKind kCaption = ControlKind::CaptionLabel;
constexpr ControlKind kHeading = ControlKind::HeadingLabel;
constexpr ControlKind kResult = ControlKind::ResultLabel;
constexpr ControlKind kField = ControlKind::InputField;
constexpr ControlKind kButton = ControlKind::PushButton;
constexpr ControlKind kPicture = ControlKind::Picture;

// The batch tool names its columns by these captions too.
constexpr std::string_view ResultRowCaption(std::size_t row) { return calc::kResultCaptions[row]; }

// From the load power to the turns of the 2nd winding, as the results stand.
constexpr std::array<std::string_view, calc::kResultLabelCount> kResultUnits = {
    "Вт", "Тл", "А/мм²", "", "см²", "см²", "Вт", "", "", "А", "мм²", "мм²", "мм", "мм", "витков",
    "витков"};

}  // namespace

// clang-format off
const std::array<ControlSpec, 56> kControls = {{
    // name, index, kind, left, top, width, height, tab index, text at start
    {"Label1", kNoIndex, kCaption, 360, 30, 4455, 495, 0, "Форма магнитопровода: 1-броневой пластинчатый, 2-броневой ленчатый, 3-кольцевой ленточный....................."},
    {"Label3", 1, kCaption, 360, 600, 4455, 255, 32, "Напряжение первичной обмотки U1, В................................. "},
    {"Label3", 0, kCaption, 360, 960, 4455, 255, 1, "Напряжение вторичной обмотки U2, В................................."},
    {"Label4", kNoIndex, kCaption, 360, 1320, 4455, 255, 2, "Максимальный ток нагрузки l2, А........................................."},
    {"Label5", kNoIndex, kCaption, 360, 1680, 4455, 255, 3, "a,см.........................................................................................."},
    {"Label6", kNoIndex, kCaption, 360, 2040, 4455, 255, 4, "b,см.........................................................................................."},
    {"Label7", kNoIndex, kCaption, 360, 2400, 4455, 255, 5, "c,см.........................................................................................."},
    {"Label8", kNoIndex, kCaption, 360, 2760, 4455, 255, 6, "h,см.........................................................................................."},
    {"Label9", kNoIndex, kCaption, 360, 3120, 4455, 255, 7, "Толщина пластин,ленты (0.08, 1.0, 0.15, 0.2, 0.35)..............."},
    {"Label10", kNoIndex, kCaption, 360, 3480, 4455, 255, 8, ResultRowCaption(0)},
    {"Label11", kNoIndex, kCaption, 360, 3840, 4455, 255, 9, ResultRowCaption(1)},
    {"Label12", kNoIndex, kCaption, 360, 4200, 4455, 255, 10, ResultRowCaption(2)},
    {"Label13", kNoIndex, kCaption, 360, 4560, 4455, 255, 11, ResultRowCaption(3)},
    {"Label14", kNoIndex, kCaption, 360, 4920, 4455, 255, 12, ResultRowCaption(4)},
    {"Label15", kNoIndex, kCaption, 360, 5280, 4455, 255, 13, ResultRowCaption(5)},
    {"Label16", kNoIndex, kCaption, 360, 5640, 4455, 255, 14, ResultRowCaption(6)},
    {"Label17", kNoIndex, kCaption, 360, 6000, 4455, 255, 15, ResultRowCaption(7)},
    {"Label18", kNoIndex, kCaption, 360, 6360, 4455, 255, 16, ResultRowCaption(8)},
    {"Label19", kNoIndex, kCaption, 360, 6720, 4455, 255, 17, ResultRowCaption(9)},
    {"Label20", kNoIndex, kCaption, 360, 7080, 4455, 255, 18, ResultRowCaption(10)},
    {"Label21", kNoIndex, kCaption, 360, 7440, 4455, 255, 19, ResultRowCaption(11)},
    {"Label22", kNoIndex, kCaption, 360, 7800, 4455, 255, 20, ResultRowCaption(12)},
    {"Label23", kNoIndex, kCaption, 360, 8160, 4455, 255, 21, ResultRowCaption(13)},
    {"Label24", kNoIndex, kCaption, 360, 8520, 4455, 255, 22, ResultRowCaption(14)},
    {"Label25", kNoIndex, kCaption, 360, 8880, 4455, 255, 23, ResultRowCaption(15)},
    {"Text1", kNoIndex, kField, 4920, 120, 1935, 285, 35, "3"},
    {"Text2", kNoIndex, kField, 4920, 480, 1935, 285, 24, "220"},
    {"Text3", kNoIndex, kField, 4920, 840, 1935, 285, 25, "12"},
    {"Text4", kNoIndex, kField, 4920, 1200, 1935, 285, 26, "1.5"},
    {"Text5", kNoIndex, kField, 4920, 1560, 1935, 285, 27, "2"},
    {"Text6", kNoIndex, kField, 4920, 1920, 1935, 285, 28, "5"},
    {"Text7", kNoIndex, kField, 4920, 2280, 1935, 285, 29, "7"},
    {"Text8", kNoIndex, kField, 4920, 2640, 1935, 285, 30, "12"},
    {"Text9", kNoIndex, kField, 4920, 3000, 1935, 285, 31, "0.2"},
    {"Label26", kNoIndex, kResult, 4920, 3360, 1935, 255, 37, ""},
    {"Label27", kNoIndex, kResult, 4920, 3720, 1935, 255, 38, ""},
    {"Label28", kNoIndex, kResult, 4920, 4080, 1935, 255, 39, ""},
    {"Label29", kNoIndex, kResult, 4920, 4440, 1935, 255, 40, ""},
    {"Label30", kNoIndex, kResult, 4920, 4800, 1935, 255, 41, ""},
    {"Label31", kNoIndex, kResult, 4920, 5160, 1935, 255, 42, ""},
    {"Label32", kNoIndex, kResult, 4920, 5520, 1935, 255, 43, ""},
    {"Label33", kNoIndex, kResult, 4920, 5880, 1935, 255, 44, ""},
    {"Label34", kNoIndex, kResult, 4920, 6240, 1935, 255, 45, ""},
    {"Label35", kNoIndex, kResult, 4920, 6600, 1935, 255, 46, ""},
    {"Label36", kNoIndex, kResult, 4920, 6960, 1935, 255, 47, ""},
    {"Label37", kNoIndex, kResult, 4920, 7320, 1935, 255, 48, ""},
    {"Label38", kNoIndex, kResult, 4920, 7680, 1935, 255, 49, ""},
    {"Label39", kNoIndex, kResult, 4920, 8040, 1935, 255, 50, ""},
    {"Label40", kNoIndex, kResult, 4920, 8400, 1935, 255, 51, ""},
    {"Label41", kNoIndex, kResult, 4920, 8760, 1935, 255, 52, ""},
    {"Label2", kNoIndex, kHeading, 7200, 120, 3135, 405, 33, "Выберите необходимый номер формы сердечника"},
    {"Image1", kNoIndex, kPicture, 7200, 600, 3300, 2700, kNoTabIndex, ""},
    {"Image2", kNoIndex, kPicture, 7200, 3480, 3300, 2700, kNoTabIndex, ""},
    {"Image3", kNoIndex, kPicture, 7200, 6360, 3300, 2700, kNoTabIndex, ""},
    {"Command2", kNoIndex, kButton, 360, 9240, 3015, 735, 36, "Вычислить"},
    {"Command1", kNoIndex, kButton, 7320, 9240, 3015, 735, 34, "Выход"},
}};

const std::array<RowSpec, 25> kRows = {{
    {"Label1", kNoIndex, "Text1"},
    {"Label3", 1, "Text2"},
    {"Label3", 0, "Text3"},
    {"Label4", kNoIndex, "Text4"},
    {"Label5", kNoIndex, "Text5"},
    {"Label6", kNoIndex, "Text6"},
    {"Label7", kNoIndex, "Text7"},
    {"Label8", kNoIndex, "Text8"},
    {"Label9", kNoIndex, "Text9"},
    {"Label10", kNoIndex, "Label26"},
    {"Label11", kNoIndex, "Label27"},
    {"Label12", kNoIndex, "Label28"},
    {"Label13", kNoIndex, "Label29"},
    {"Label14", kNoIndex, "Label30"},
    {"Label15", kNoIndex, "Label31"},
    {"Label16", kNoIndex, "Label32"},
    {"Label17", kNoIndex, "Label33"},
    {"Label18", kNoIndex, "Label34"},
    {"Label19", kNoIndex, "Label35"},
    {"Label20", kNoIndex, "Label36"},
    {"Label21", kNoIndex, "Label37"},
    {"Label22", kNoIndex, "Label38"},
    {"Label23", kNoIndex, "Label39"},
    {"Label24", kNoIndex, "Label40"},
    {"Label25", kNoIndex, "Label41"},
}};
// clang-format on

std::string_view InputCaption(std::size_t field) {
  const RowSpec& row = kRows.at(field);
  const auto caption = std::find_if(kControls.begin(), kControls.end(), [&row](const auto& c) {
    return c.name == row.caption && c.index == row.captionIndex;
  });
  return calc::WithoutLeader(caption->text);
}

std::string_view ResultCaption(std::size_t result) {
  return calc::WithoutLeader(calc::kResultCaptions.at(result));
}

std::string_view ResultUnit(std::size_t result) { return kResultUnits.at(result); }

}  // namespace account
