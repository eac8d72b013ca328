#include "values/fault.h"

namespace values {

namespace {

struct FaultText {
  int number;
  std::string_view description;
};

FaultText TextOf(FaultKind kind) noexcept {
  switch (kind) {
    case FaultKind::Overflow:
      return {6, "Переполнение"};
    case FaultKind::DivisionByZero:
      return {11, "Деление на ноль"};
    case FaultKind::InvalidArgument:
      return {5, "Недопустимый аргумент"};
    case FaultKind::TypeMismatch:
      return {13, "Несоответствие типов"};
  }
  return {0, ""};
}

}  // namespace

int FaultNumber(FaultKind kind) noexcept { return TextOf(kind).number; }

std::string_view FaultDescription(FaultKind kind) noexcept { return TextOf(kind).description; }

}  // namespace values
