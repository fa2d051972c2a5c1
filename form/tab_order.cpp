#include "form/tab_order.h"

#include <algorithm>
#include <vector>

namespace form {
namespace {

std::vector<const Row*> stopsInTabOrder() {
  std::vector<const Row*> stops;
  for (const Row& row : windowRows()) {
    if (row.tabIndex != kNoTabStop) stops.push_back(&row);
  }
  std::sort(stops.begin(), stops.end(),
            [](const Row* a, const Row* b) { return a->tabIndex < b->tabIndex; });
  return stops;
}

}  // namespace

Control firstTabStop() { return stopsInTabOrder().front()->control; }

Control nextTabStop(Control from, bool backwards) {
  const std::vector<const Row*> stops = stopsInTabOrder();
  const auto at = std::find_if(stops.begin(), stops.end(),
                               [&](const Row* stop) { return stop->control == from; });
  if (at == stops.end()) return stops.front()->control;
  const std::size_t count = stops.size();
  const std::size_t here = static_cast<std::size_t>(at - stops.begin());
  return stops[(here + (backwards ? count - 1 : 1)) % count]->control;
}

}  // namespace form
