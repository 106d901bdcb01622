// Deterministic Spanish-like message text for the benchmarks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace rebanex::bench {

// Exactly `bytes` characters of Windows-1252 text: accented words, the words the default
// rules shorten ("que", "porque", "dos", "mas", "por"...), commas and full stops, a double
// space now and then, and CR LF line breaks. The same seed always gives the same text.
std::string TextoEspanyol(std::size_t bytes, uint32_t semilla = 2002);

}  // namespace rebanex::bench
