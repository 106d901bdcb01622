// Heap use of the benchmark binary: it replaces the global operator new and delete to count
// the bytes alive now and the most that were alive at once.
#pragma once

#include <cstddef>

namespace rebanex::bench {

std::size_t MemoriaActual();
std::size_t MemoriaPico();

// Starts a new peak from what is alive now.
void ReiniciarPico();

}  // namespace rebanex::bench
