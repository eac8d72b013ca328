#pragma once

#include <cstdio>
#include <span>

namespace batch {

/// Exit statuses of the batch tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInputError = 2;

/// The whole tool: `args` are the command-line arguments after the program name.
int RunBatchTool(std::span<const char* const> args, std::FILE* in, std::FILE* out, std::FILE* err);

}  // namespace batch
