#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace app {
namespace {

struct QtOption {
  std::string_view name;
  bool takesValue;
};

// QGuiApplication's and QApplication's own options, which Qt takes out of the arguments
// when the window starts; X11's are among them.
constexpr std::array<QtOption, 18> kQtOptions{{
    {"platform", true},      {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},        {"qwindowgeometry", true},    {"qwindowicon", true},
    {"qwindowtitle", true},  {"session", true},            {"display", true},
    {"geometry", true},      {"style", true},              {"stylesheet", true},
    {"qmljsdebugger", true}, {"reverse", false},           {"widgetcount", false},
    {"nograb", false},       {"dograb", false},            {"sync", false},
}};

// Qt reads "-name", "--name" and "-name=value" alike.
const QtOption* qtOption(std::string_view argument, bool& valueAttached) {
  argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
  const std::size_t equals = argument.find('=');
  valueAttached = equals != std::string_view::npos;
  const std::string_view name = argument.substr(0, equals);
  const auto* found = std::ranges::find(kQtOptions, name, &QtOption::name);
  return found == kQtOptions.end() ? nullptr : found;
}

Request refuse(std::string why) { return {Request::Kind::Refuse, std::move(why)}; }

}  // namespace

Request readCommandLine(std::span<const char* const> arguments) {
  for (const std::string_view argument : arguments) {
    if (argument == "--help" || argument == "-h") return {Request::Kind::ShowHelp, {}};
    if (argument == "--version" || argument == "-v") return {Request::Kind::ShowVersion, {}};
  }
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (!argument.starts_with('-') || argument == "-" || argument == "--") {
      return refuse("unexpected argument '" + std::string(argument) + "'");
    }
    bool valueAttached = false;
    const QtOption* option = qtOption(argument, valueAttached);
    if (option == nullptr) return refuse("unknown option '" + std::string(argument) + "'");
    if (option->takesValue && !valueAttached && ++i == arguments.size()) {
      return refuse("option '" + std::string(argument) + "' needs a value");
    }
  }
  return {};
}

std::string usage() {
  return "Usage: qelmar [OPTION]...\n"
         "Open the Qelmar window: lot size, margin and loss-cut rates for FX margin trading.\n"
         "\n"
         "  -h, --help     show this help and exit\n"
         "  -v, --version  show the version and exit\n"
         "\n"
         "Qt's own options, such as -platform NAME or -style NAME, are passed on to Qt.\n";
}

}  // namespace app
