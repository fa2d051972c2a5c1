#include "form/qelmar_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qelmar"));
  QApplication::setApplicationVersion(QStringLiteral(QELMAR_VERSION));
  // Lets a Wayland shell tie the window to its menu entry and icon.
  QApplication::setDesktopFileName(QStringLiteral(QELMAR_APP_ID));

  const auto window = form::QelmarForm::open();
  return QApplication::exec();
}
