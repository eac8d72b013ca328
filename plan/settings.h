#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace plan {

/// Enamel grade, insulation thicknesses (mm) and the user's own wires, with the usual defaults.
struct Settings {
  int grade = 2;
  double bobbin = 1.0;
  double interlayer = 0.05;
  double between = 0.3;
  double wrap = 0.3;
  std::array<std::optional<double>, 2> own_wire{};  // bare diameter, mm, per winding (window only)

  friend bool operator==(const Settings&, const Settings&) = default;
};

enum class Setting { Grade, Bobbin, Interlayer, Between, Wrap, OwnWire1, OwnWire2 };

inline constexpr std::array kAllSettings{Setting::Grade,   Setting::Bobbin, Setting::Interlayer,
                                         Setting::Between, Setting::Wrap,   Setting::OwnWire1,
                                         Setting::OwnWire2};

/// Whether `which` is one of the own wires, which may be left unset.
constexpr bool IsOwnWire(Setting which) {
  return which == Setting::OwnWire1 || which == Setting::OwnWire2;
}

/// The setting's Russian name as a sentence's subject, e.g. «Толщина каркаса».
std::string_view SettingName(Setting which);

/// The unit a setting is given in: «мм», or empty for the grade.
std::string_view SettingUnit(Setting which);

/// The value a setting holds; none for an own wire that is not set.
std::optional<double> SettingValue(const Settings& settings, Setting which);

/// Stores a setting read from text; on refusal returns the Russian reason and changes nothing.
std::optional<std::string> SetFromText(Settings& settings, Setting which, std::string_view text);

/// The first setting whose stored value is out of its range, e.g. one assigned directly.
std::optional<Setting> FirstInvalid(const Settings& settings);

}  // namespace plan
