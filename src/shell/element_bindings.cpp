// Redraw by revision: the core bumps an element's revision whenever it changes it.
#include "shell/element_bindings.h"

namespace gpsclock {

void ElementBindings::Add(const Element& element, std::function<void()> draw) {
  bindings_.push_back({&element, std::move(draw), std::nullopt});
}

void ElementBindings::Redraw() {
  for (Binding& binding : bindings_) {
    const std::uint64_t revision = binding.element->Revision();
    if (binding.drawnRevision == revision) continue;
    binding.draw();
    binding.drawnRevision = revision;
  }
}

}  // namespace gpsclock
