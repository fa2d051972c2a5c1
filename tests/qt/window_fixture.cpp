#include "tests/qt/window_fixture.h"

#include "qt/qelmar_form.h"

#include <QTest>

QtWindowTest::QtWindowTest() = default;
QtWindowTest::~QtWindowTest() = default;

void QtWindowTest::init() {
  form_ = qt::QelmarForm::open();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void QtWindowTest::cleanup() { form_.reset(); }
