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
  std::ranges::sort(stops, {}, &Row::tabIndex);
  return stops;
}

}  // namespace

Control firstTabStop() { return stopsInTabOrder().front()->control; }

Control nextTabStop(Control from, bool backwards) {
  const std::vector<const Row*> stops = stopsInTabOrder();
  const auto at = std::ranges::find(stops, from, &Row::control);
  if (at == stops.end()) return stops.front()->control;
  const std::size_t count = stops.size();
  const std::size_t here = static_cast<std::size_t>(at - stops.begin());
  return stops[(here + (backwards ? count - 1 : 1)) % count]->control;
}

}  // namespace form
