#pragma once

#include <exception>
#include <string_view>

namespace values {

/// The four ways a calculation step can fail.
enum class FaultKind { Overflow, DivisionByZero, InvalidArgument, TypeMismatch };

/// The number under which the user sees a fault ("Ошибка 6" …).
int FaultNumber(FaultKind kind) noexcept;

/// The Russian description shown beside the fault's number.
std::string_view FaultDescription(FaultKind kind) noexcept;

/// Thrown by the step that fails; the run stops there and everything written so far stays.
class Fault : public std::exception {
 public:
  explicit Fault(FaultKind kind) noexcept : kind_(kind) {}

  FaultKind kind() const noexcept { return kind_; }
  int number() const noexcept { return FaultNumber(kind_); }
  std::string_view description() const noexcept { return FaultDescription(kind_); }
  const char* what() const noexcept override { return description().data(); }

 private:
  FaultKind kind_;
};

}  // namespace values
