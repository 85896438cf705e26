// Ties each element of a window model to the code that draws it, so a redraw touches only the
// elements whose revision moved since they were last drawn.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "elements/window_elements.h"

namespace gpsclock {

class ElementBindings {
 public:
  void Add(const Element& element, std::function<void()> draw);
  // Draws every element that changed; the first redraw draws them all.
  void Redraw();

 private:
  struct Binding {
    const Element* element;
    std::function<void()> draw;
    std::optional<std::uint64_t> drawnRevision;
  };
  std::vector<Binding> bindings_;
};

}  // namespace gpsclock
