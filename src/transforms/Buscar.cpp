#include "transforms/Buscar.h"

#include <cstring>

#include "transforms/Tablas.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rebanex {

namespace {

bool CoincideSinMayusculas(const char* en, std::string_view enMayusculas) {
    for (std::size_t k = 0; k < enMayusculas.size(); ++k) {
        if (Traducir(kMayusculas, en[k]) != enMayusculas[k]) {
            return false;
        }
    }
    return true;
}

// Sixteen candidate positions at a time: those whose first and last characters both fit are
// compared whole. A common first letter alone would stop the search every few bytes. Ignoring
// case, each end can be one of two characters: a capital has one small letter at most.
template <bool kSinMayusculas>
std::size_t BuscarEn(std::string_view texto, std::string_view patron, std::size_t desde) {
    const std::size_t n = texto.size();
    const std::size_t k = patron.size();
    if (k == 0 || desde > n || n - desde < k) {
        return k == 0 && desde <= n ? desde : std::string_view::npos;
    }
    const char* s = texto.data();
    const char primero = patron.front(), ultimo = patron.back();
    const auto coincide = [&](std::size_t j) {
        if constexpr (kSinMayusculas) {
            return CoincideSinMayusculas(s + j, patron);
        } else {
            return std::memcmp(s + j + 1, patron.data() + 1, k - 2) == 0;
        }
    };
    std::size_t i = desde;
#if defined(__SSE2__)
    const __m128i primeros = _mm_set1_epi8(primero), ultimos = _mm_set1_epi8(ultimo);
    const __m128i primerosMin = _mm_set1_epi8(Traducir(kMinusculas, primero));
    const __m128i ultimosMin = _mm_set1_epi8(Traducir(kMinusculas, ultimo));
    for (; i + 16 + k - 1 <= n; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + k - 1));
        __m128i enA = _mm_cmpeq_epi8(a, primeros), enB = _mm_cmpeq_epi8(b, ultimos);
        if constexpr (kSinMayusculas) {
            enA = _mm_or_si128(enA, _mm_cmpeq_epi8(a, primerosMin));
            enB = _mm_or_si128(enB, _mm_cmpeq_epi8(b, ultimosMin));
        }
        auto mascara = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(enA, enB)));
        while (mascara != 0) {
            const std::size_t j = i + static_cast<std::size_t>(__builtin_ctz(mascara));
            if (coincide(j)) {
                return j;
            }
            mascara &= mascara - 1;
        }
    }
#endif
    if constexpr (kSinMayusculas) {
        for (; i + k <= n; ++i) {
            if (coincide(i)) {
                return i;
            }
        }
        return std::string_view::npos;
    } else {
        return texto.find(patron, i);
    }
}

}  // namespace

std::size_t Buscar(std::string_view texto, std::string_view patron, std::size_t desde) {
    if (patron.size() < 2) {
        return texto.find(patron, desde);
    }
    return BuscarEn<false>(texto, patron, desde);
}

std::size_t BuscarSinMayusculas(std::string_view texto, std::string_view enMayusculas,
                                std::size_t desde) {
    return BuscarEn<true>(texto, enMayusculas, desde);
}

}  // namespace rebanex
