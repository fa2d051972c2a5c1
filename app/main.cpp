#include "app/command_line.h"
#include "qt/qelmar_form.h"

#include <QApplication>

#include <cstdio>
#include <span>

namespace {

// Answered before Qt starts, so --help and --version need no display.
int answer(const app::Request& request) {
  switch (request.kind) {
    case app::Request::Kind::ShowHelp:
      std::fputs(app::usage().c_str(), stdout);
      return 0;
    case app::Request::Kind::ShowVersion:
      std::puts("qelmar " QELMAR_VERSION);
      return 0;
    case app::Request::Kind::Refuse:
      std::fprintf(stderr, "qelmar: %s\n%s", request.refusal.c_str(), app::usage().c_str());
      return 2;
    case app::Request::Kind::OpenWindow: break;
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  const app::Request request = app::readCommandLine(std::span(argv + 1, argv + argc));
  if (const int status = answer(request); status >= 0) return status;

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qelmar"));
  QApplication::setApplicationVersion(QStringLiteral(QELMAR_VERSION));
  // Lets a Wayland shell tie the window to its menu entry and icon.
  QApplication::setDesktopFileName(QStringLiteral(QELMAR_APP_ID));

  const auto window = qt::QelmarForm::open();
  return QApplication::exec();
}
