// Qelmar in a browser: opens the window in the page's main element, where it stays as long
// as the page.

#include <emscripten/val.h>

#include "web/qelmar_form.h"

int main() {
  using emscripten::val;
  static const auto window =
      web::QelmarForm::open(val::global("document").call<val>("querySelector", val("main")));
  // After one visit the page opens and computes without the network.
  const val serviceWorkers = val::global("navigator")["serviceWorker"];
  if (!serviceWorkers.isUndefined()) serviceWorkers.call<val>("register", val("service_worker.js"));
  return 0;
}
