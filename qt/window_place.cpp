#include "qt/window_place.h"

#include "form/geometry.h"
#include "form/window_table.h"
#include "qt/native_geometry.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace qt {
namespace {

void place(QWidget* window, const form::Margins& frame) {
  QRect client = qtPixels(form::windowBox());
  const QScreen* screen = QGuiApplication::screenAt(client.topLeft());
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) {
    const QRect free = screen->availableGeometry();
    const form::Point place = form::openingPlace(
        {client.left(), client.top(), client.width(), client.height()}, frame,
        {free.left(), free.top(), free.width(), free.height()}, screen->devicePixelRatio());
    client.moveTopLeft({place.x, place.y});
  }
  window->setGeometry(client);
}

// The window manager frames the window as it maps it: the window is exposed then.
class PlaceWhenFramed final : public QObject {
 public:
  explicit PlaceWhenFramed(QWidget* window) : QObject(window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    QWindow* handle = window_->windowHandle();
    if (watched == handle && event->type() == QEvent::Expose && handle->isExposed()) {
      handle->removeEventFilter(this);
      const QMargins frame = handle->frameMargins();
      place(window_, {frame.left(), frame.top(), frame.right(), frame.bottom()});
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

void placeAtOpening(QWidget* window) { place(window, {}); }

void placeAgainWhenFramed(QWidget* window) {
  window->windowHandle()->installEventFilter(new PlaceWhenFramed(window));
}

}  // namespace qt
