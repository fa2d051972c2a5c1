#include "app/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Kind = app::Request::Kind;

TEST(CommandLine, QtsOwnOptionsOpenTheWindowAnythingElseIsRefused) {
  const struct {
    std::vector<const char*> arguments;
    Kind kind;
    const char* refusal;
  } cases[] = {
      {{}, Kind::OpenWindow, ""},
      {{"--version"}, Kind::ShowVersion, ""},
      {{"-v"}, Kind::ShowVersion, ""},
      {{"--help"}, Kind::ShowHelp, ""},
      {{"-h"}, Kind::ShowHelp, ""},
      // Asking for help wins over a mistake beside it.
      {{"--bogus", "--help"}, Kind::ShowHelp, ""},
      {{"-platform", "offscreen"}, Kind::OpenWindow, ""},
      {{"--platform", "xcb", "-style=Fusion", "-reverse"}, Kind::OpenWindow, ""},
      // The value of a Qt option is never read as an option of its own.
      {{"-qwindowtitle", "-x"}, Kind::OpenWindow, ""},
      {{"-platform"}, Kind::Refuse, "option '-platform' needs a value"},
      {{"--bogus"}, Kind::Refuse, "unknown option '--bogus'"},
      {{"-reverse=yes", "-x"}, Kind::Refuse, "unknown option '-x'"},
      {{"rates.txt"}, Kind::Refuse, "unexpected argument 'rates.txt'"},
  };
  for (const auto& c : cases) {
    const app::Request request = app::readCommandLine(c.arguments);
    const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
    EXPECT_EQ(request.kind, c.kind) << shown;
    EXPECT_EQ(request.refusal, c.refusal) << shown;
  }
}

}  // namespace
