#pragma once

#include <array>
#include <string>
#include <string_view>

#include "batch/options.h"
#include "calc/calculator.h"
#include "calc/result_labels.h"
#include "check/design_check.h"
#include "plan/winding_plan.h"

namespace batch {

/// Fields of one input line; a line with more than nine is refused.
constexpr std::size_t kFieldCount = 9;

/// What an input line is to the tool.
enum class LineKind { Run, Skip, TooManyFields };

/// Sorts a line (its end and a trailing CR already dropped) and splits a run's fields;
/// missing trailing fields stay empty.
LineKind SplitLine(std::string_view line, calc::InputTexts& fields);

/// Appends the line that names the columns of `columns`, in Russian with units.
void AppendHeader(const Columns& columns, std::string& out);

/// Consecutive runs on one calculator record, as clicks of Calculate in one window session.
class Session {
 public:
  explicit Session(const Columns& columns = {}) : columns_(columns) {}

  /// Runs one line's fields and appends the sixteen label texts, the outcome and the further
  /// columns asked for (notes, plan, check), TAB-separated, with a line end.
  void Run(const calc::InputTexts& fields, std::string& out);

 private:
  class Labels final : public calc::LabelDisplay {
   public:
    std::string_view text(int index) const {
      const auto k = static_cast<std::size_t>(index);
      return {texts_[k].data(), sizes_[k]};
    }

   private:
    // Millions of labels a second: each keeps its largest buffer and only its length changes.
    void SetLabel(int number, std::string_view text) override {
      const auto k = static_cast<std::size_t>(number - calc::kFirstResultLabel);
      std::string& buffer = texts_[k];
      if (text.size() > buffer.size()) buffer.resize(text.size());
      text.copy(buffer.data(), text.size());
      sizes_[k] = text.size();
    }

    std::array<std::string, calc::kResultLabelCount> texts_;
    std::array<std::size_t, calc::kResultLabelCount> sizes_{};
  };

  // The plan's and the check's fields of a run whose core fits when `fits`, else empty ones.
  void AppendPlanAndCheck(bool fits, std::string& out);

  Columns columns_;
  calc::CalculatorState state_;
  Labels labels_;
  check::CheckInput check_input_;
  plan::Plan plan_;
  check::Check check_;
};

}  // namespace batch
