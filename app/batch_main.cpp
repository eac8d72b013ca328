#include <cstdio>
#include <span>

#include "batch/batch_tool.h"

int main(int argc, char** argv) {
  const std::span<const char* const> args(argv + 1, static_cast<std::size_t>(argc - 1));
  return batch::RunBatchTool(args, stdin, stdout, stderr);
}
