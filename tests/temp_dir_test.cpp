#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

namespace {

namespace fs = std::filesystem;

TEST(TempDir, GoesWithAllItHoldsAlsoWhenTheTestThrows) {
  fs::path made;
  try {
    const TempDir dir("ts-temp-dir-test");
    made = dir.path();
    fs::create_directories(dir / "sub");
    std::ofstream(dir / "sub" / "file") << "text";
    ASSERT_TRUE(fs::is_regular_file(dir / "sub" / "file"));
    throw std::runtime_error("a failing step");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(made.empty());
  EXPECT_FALSE(fs::exists(made));
}

TEST(TempDir, TwoFoldersOfOneNameDoNotMeet) {
  const TempDir first("ts-temp-dir-test"), second("ts-temp-dir-test");
  EXPECT_NE(first.path(), second.path());
  EXPECT_EQ(first.path().parent_path(), fs::temp_directory_path());
}

}  // namespace
