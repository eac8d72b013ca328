#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/calculator.h"
#include "calc/result_labels.h"
#include "check/design_check.h"
#include "check/settings.h"
#include "plan/settings.h"
#include "plan/winding_plan.h"
#include "values/json_writer.h"

namespace web {

/// The page's calculator: one record for all presses of Calculate, as in the window, and the
/// plan of the last run with its settings. Answers are JSON texts.
class PageSession {
 public:
  /// The plan's seven settings (grade … own wire 2), then the check's four.
  static constexpr std::size_t kSettingCount =
      plan::kAllSettings.size() + check::kAllSettings.size();

  /// One press of Calculate on the nine field texts: labels, notes and their words, the fault
  /// and the plan.
  std::string Calculate(const calc::InputTexts& texts);

  /// Settings of the plan and the check as typed: the refusal of each, and the last run's plan
  /// and check with the settings that were taken.
  std::string SetSettings(const std::array<std::string_view, kSettingCount>& texts);

  /// The window's layout and texts, and the settings' names, for the page to be built from.
  static std::string Layout();

 private:
  class Labels final : public calc::LabelDisplay {
   public:
    const std::string& text(int index) const { return texts_[static_cast<std::size_t>(index)]; }

   private:
    void SetLabel(int number, std::string_view text) override {
      texts_[static_cast<std::size_t>(number - calc::kFirstResultLabel)].assign(text);
    }

    std::array<std::string, calc::kResultLabelCount> texts_;
  };

  void WritePlan(values::JsonWriter& json) const;

  calc::CalculatorState state_;
  Labels labels_;
  plan::Settings settings_;
  check::Settings check_settings_;
  std::optional<check::CheckInput> planned_;  // the last run's, when its core fits
};

}  // namespace web
