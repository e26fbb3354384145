#pragma once
// The one way the game walks its lists. std::list keeps every other element in place when one
// is erased, and erase hands back the element that followed, so removing the element under the
// walk carries on with the next one, and a walk over Shots inside a walk over Monsters cannot
// disturb the outer one.
#include <list>

// Visits the elements from first to last; one for which `visit` answers true is removed.
template <typename Element, typename Visit>
void VisitRemoving(std::list<Element>& list, Visit visit) {
  for (auto element = list.begin(); element != list.end();)
    element = visit(*element) ? list.erase(element) : std::next(element);
}
