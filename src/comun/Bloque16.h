// Sixteen bytes of text at a time, for the passes over a whole message: SSE2 where the compiler
// has it (every x86-64 compiler), plain loops elsewhere, with the same results. A mask has bit i
// set for byte i of the block.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define REBANEX_SSE2 1
#endif

// For the few functions of a hot loop that a compiler may leave out of line once several
// callers instantiate them: a call per block costs more than the block's work.
#if defined(_MSC_VER)
#define REBANEX_EN_LINEA __forceinline
#elif defined(__GNUC__)
#define REBANEX_EN_LINEA inline __attribute__((always_inline))
#else
#define REBANEX_EN_LINEA inline
#endif

namespace rebanex {

using Mascara16 = uint32_t;

class Bloque16 {
  public:
    static constexpr std::size_t kLargo = 16;

    // The 16 bytes from `p` on, which must all lie inside the text.
    static Bloque16 Leer(const char* p) {
        Bloque16 b;
#ifdef REBANEX_SSE2
        b.v_ = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
#else
        std::memcpy(b.v_, p, kLargo);
#endif
        return b;
    }

    // Sixteen times the same byte.
    static Bloque16 Lleno(char c) {
        Bloque16 b;
#ifdef REBANEX_SSE2
        b.v_ = _mm_set1_epi8(c);
#else
        std::memset(b.v_, c, kLargo);
#endif
        return b;
    }

    void Escribir(char* p) const {
#ifdef REBANEX_SSE2
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v_);
#else
        std::memcpy(p, v_, kLargo);
#endif
    }

    // Byte by byte: all bits set where the two blocks hold the same byte, none elsewhere.
    Bloque16 operator==(const Bloque16& o) const {
#ifdef REBANEX_SSE2
        return Bloque16(_mm_cmpeq_epi8(v_, o.v_));
#else
        return Aplicar(o, [](char x, char y) { return static_cast<char>(x == y ? -1 : 0); });
#endif
    }
    Bloque16 operator|(const Bloque16& o) const {
#ifdef REBANEX_SSE2
        return Bloque16(_mm_or_si128(v_, o.v_));
#else
        return Aplicar(o, [](char x, char y) { return static_cast<char>(x | y); });
#endif
    }
    Bloque16 operator&(const Bloque16& o) const {
#ifdef REBANEX_SSE2
        return Bloque16(_mm_and_si128(v_, o.v_));
#else
        return Aplicar(o, [](char x, char y) { return static_cast<char>(x & y); });
#endif
    }

    // The bytes whose top bit is set: above 0x7F, or equal after a comparison.
    Mascara16 Mascara() const {
#ifdef REBANEX_SSE2
        return static_cast<Mascara16>(_mm_movemask_epi8(v_));
#else
        Mascara16 m = 0;
        for (std::size_t i = 0; i < kLargo; ++i) {
            m |= Mascara16{static_cast<unsigned char>(v_[i]) > 0x7F} << i;
        }
        return m;
#endif
    }

    Mascara16 Iguales(char c) const {
        return (*this == Lleno(c)).Mascara();
    }
    Mascara16 Altos() const {
        return Mascara();
    }
    // The bytes below `limite` (at most 0x7F) and those above 0x7F.
    Mascara16 BajosOAltos(char limite) const {
#ifdef REBANEX_SSE2
        // Signed: the bytes above 0x7F are negative, below any limit.
        return static_cast<Mascara16>(_mm_movemask_epi8(_mm_cmplt_epi8(v_, _mm_set1_epi8(limite))));
#else
        Mascara16 m = 0;
        for (std::size_t i = 0; i < kLargo; ++i) {
            m |= Mascara16{static_cast<signed char>(v_[i]) < limite} << i;
        }
        return m;
#endif
    }

    // The block with each ASCII letter of the other case made small (mayusculas false) or
    // capital; every other byte unchanged.
    Bloque16 CambiarLetrasAscii(bool mayusculas) const {
        const char desde = mayusculas ? 'a' : 'A';
#ifdef REBANEX_SSE2
        // Signed compares: the bytes above 0x7F are negative, never in the range.
        const __m128i letra = _mm_and_si128(_mm_cmpgt_epi8(v_, _mm_set1_epi8(desde - 1)),
                                            _mm_cmplt_epi8(v_, _mm_set1_epi8(desde + 26)));
        return Bloque16(_mm_xor_si128(v_, _mm_and_si128(letra, _mm_set1_epi8(0x20))));
#else
        Bloque16 b;
        for (std::size_t i = 0; i < kLargo; ++i) {
            const char x = v_[i];
            b.v_[i] = x >= desde && x < desde + 26 ? static_cast<char>(x ^ 0x20) : x;
        }
        return b;
#endif
    }

  private:
    Bloque16() = default;
#ifdef REBANEX_SSE2
    explicit Bloque16(__m128i v) : v_(v) {}
    __m128i v_;
#else
    template <typename F>
    Bloque16 Aplicar(const Bloque16& o, F f) const {
        Bloque16 b;
        for (std::size_t i = 0; i < kLargo; ++i) {
            b.v_[i] = f(v_[i], o.v_[i]);
        }
        return b;
    }
    char v_[kLargo];
#endif
};

// The first byte a non-empty mask marks.
inline std::size_t Primero(Mascara16 m) {
    return static_cast<std::size_t>(std::countr_zero(m));
}

// The last byte a non-empty mask marks.
inline std::size_t Ultimo(Mascara16 m) {
    return static_cast<std::size_t>(std::bit_width(m)) - 1;
}

}  // namespace rebanex
