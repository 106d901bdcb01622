#include "transforms/Buscar.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rebanex::Troceado {

// Sixteen candidate positions at a time: those whose first and last characters both match
// are compared whole. A common first letter alone would stop the search every few bytes.
std::size_t Buscar(std::string_view texto, std::string_view patron, std::size_t desde) {
#if defined(__SSE2__)
    const std::size_t n = texto.size();
    const std::size_t k = patron.size();
    if (k >= 2 && desde < n && n - desde >= k) {
        const char* s = texto.data();
        const __m128i primero = _mm_set1_epi8(patron.front());
        const __m128i ultimo = _mm_set1_epi8(patron.back());
        std::size_t i = desde;
        for (; i + 16 + k - 1 <= n; i += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + k - 1));
            auto mascara = static_cast<unsigned>(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(a, primero), _mm_cmpeq_epi8(b, ultimo))));
            while (mascara != 0) {
                const std::size_t j = i + static_cast<std::size_t>(__builtin_ctz(mascara));
                if (std::memcmp(s + j + 1, patron.data() + 1, k - 2) == 0) {
                    return j;
                }
                mascara &= mascara - 1;
            }
        }
        desde = i;
    }
#endif
    return texto.find(patron, desde);
}

}  // namespace rebanex::Troceado
