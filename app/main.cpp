#include "form/qelmar_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qelmar"));
  QApplication::setApplicationVersion(QStringLiteral(QELMAR_VERSION));

  form::QelmarForm window;
  window.Form_Load();
  window.show();
  return QApplication::exec();
}
