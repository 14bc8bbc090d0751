// Small helpers that the token stream, the scanner and the writer share: the
// inlining attributes, the digit test, a fixed text's copy, the lowest set
// bit, and the limit on a number text's written exponent.
#ifndef MA2D3D_COMUNE_H
#define MA2D3D_COMUNE_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#if defined(_MSC_VER) && !defined(__clang__)
#include <intrin.h>
#endif

#if defined(__GNUC__) || defined(__clang__)
#define MA2D3D_SEMPRE_INLINE inline __attribute__((always_inline))
#define MA2D3D_FUORI_LINEA __attribute__((noinline))
#else
#define MA2D3D_SEMPRE_INLINE inline
#define MA2D3D_FUORI_LINEA
#endif

inline bool cifra(int c) { return c >= '0' && c <= '9'; }

// Copies a fixed text without its NUL and returns the end of the copy.
template <std::size_t N>
inline char* copiaFisso(char* p, const char (&testo)[N]) {
    std::memcpy(p, testo, N - 1);
    return p + N - 1;
}

// The index of the lowest set bit of m, which is not zero.
inline unsigned primoBit(std::uint64_t m) {
#if defined(_MSC_VER) && !defined(__clang__)
    unsigned long i;
    _BitScanForward64(&i, m);
    return static_cast<unsigned>(i);
#elif defined(__GNUC__) || defined(__clang__)
    return static_cast<unsigned>(__builtin_ctzll(m));
#else
    unsigned n = 0;
    for (; (m & 1) == 0; m >>= 1) ++n;
    return n;
#endif
}

// A number text's written exponent is clamped to this as it is read: far
// past any float's, and far from overflowing when a file's digit count is
// added to it.
constexpr long long ESPONENTE_LIMITE = 1000000000000000;  // 10^15

#endif
