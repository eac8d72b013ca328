#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/window_command_line.h"
#include "temp_dir.h"
#include "tests/batch/read_all.h"

namespace {

struct Case {
  std::vector<const char*> args;  // after Qt took its own
  std::optional<std::string_view> design;
};

// clang-format off
const Case kCases[] = {
    {{}, std::nullopt},
    {{"проект.json"}, "проект.json"},
    {{"--frobnicate", "a.json", "b.json"}, "a.json"},
    {{"--", "-a.json"}, "-a.json"},
    {{"-x", "--"}, std::nullopt},
    {{"--", "--", "b.json"}, "--"},
};
// clang-format on

TEST(DesignArgument, IsTheFirstArgumentThatIsNoOption) {
  for (const Case& c : kCases) {
    EXPECT_EQ(app::DesignArgument(c.args), c.design) << c.args.size();
  }
}

// The settings a window took are stored when it closes: a design named after Qt's options gives
// them to the next session.
TEST(DesignArgument, TheWindowOpensTheDesignItNames) {
  const TempDir home("ts-window-design");
  const std::string command =
      "cd / && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TS_EXIT_AFTER_FIRST_PAINT=1 "
      "HOME='" +
      home.path().string() + "' XDG_CONFIG_HOME='" + home.path().string() + "' '" + TS_WINDOW +
      "' -platform offscreen '" + TS_BOTH_FACES_DESIGN + "' </dev/null >/dev/null";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 0);
  const std::string stored = ReadAll(home / "transformer-sizer" / "transformer-sizer.conf");
  for (const char* line : {"bobbin=1.5\n", "ownWire2=0.45\n", "frequency=60\n"}) {
    EXPECT_NE(stored.find(line), std::string::npos) << line << " in\n" << stored;
  }
}

}  // namespace
