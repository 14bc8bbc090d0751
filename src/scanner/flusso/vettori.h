// The vector primitives the token stream is built on: bitmaps of white space,
// of a byte and of a two-byte pair over 16 or 64 bytes, and a short masked
// copy. Each has its SSE2, NEON and portable body side by side; which
// one is compiled is decided here, and nowhere else. Bit i of a bitmap stands
// for the byte at p + i.
#ifndef MA2D3D_VETTORI_H
#define MA2D3D_VETTORI_H

#include <cstdint>
#include <cstring>

#include "../../comune.h"

#if !defined(MA2D3D_SENZA_SIMD) && (defined(__SSE2__) || defined(_M_X64))
#define MA2D3D_SSE2 1
#include <emmintrin.h>
#elif !defined(MA2D3D_SENZA_SIMD) && (defined(__aarch64__) || defined(_M_ARM64))
#define MA2D3D_NEON 1
#include <arm_neon.h>
#endif

// White space as the C locale's isspace has it: space, and tab, line feed,
// vertical tab, form feed and carriage return (9 to 13).
inline bool spazio(unsigned char c) { return c == ' ' || static_cast<unsigned char>(c - '\t') <= '\r' - '\t'; }

// Sixteen bytes of ones then sixteen of zeros: the 16 bytes at TIENI + 16 - k
// keep the first k bytes of a load.
alignas(32) inline constexpr unsigned char TIENI[32] = {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff,
                                                        0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff};

// The operations each body gives:
// bianchi16(p): one bit per byte of the 16 at p that is white space.
// coppia16(p, a, b): one bit per byte of the 16 at p that is `a` followed by
//   `b`; reads 17 bytes.
// copiaBreve(dest, da, k): stores the k < 16 bytes at `da`, then zeros up to
//   16 bytes (the first of them a NUL), in one store; may read 16 bytes at
//   `da`.
// byte16(p, a): one bit per byte of the 16 at p that is `a`.
// uguali16(p, q): one bit per byte of the 16 at p that equals the byte at the
//   same place from q.
// unoDiQuattro64(p, a, b, c, d): whether any of the 64 bytes at p is a, b, c
//   or d.

#if defined(MA2D3D_SSE2)

inline unsigned bianchi16(const unsigned char* p) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    // Tab to carriage return moved to the lowest signed bytes, -128 to -124,
    // and told by one signed comparison.
    const __m128i t = _mm_add_epi8(x, _mm_set1_epi8(static_cast<char>(0x80 - '\t')));
    const __m128i controllo = _mm_cmpgt_epi8(_mm_set1_epi8(static_cast<char>(-128 + ('\r' - '\t' + 1))), t);
    const __m128i blank = _mm_cmpeq_epi8(x, _mm_set1_epi8(' '));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(controllo, blank)));
}

inline unsigned coppia16(const unsigned char* p, char a, char b) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
    const __m128i entrambi = _mm_and_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8(a)), _mm_cmpeq_epi8(y, _mm_set1_epi8(b)));
    return static_cast<unsigned>(_mm_movemask_epi8(entrambi));
}

inline unsigned byte16(const unsigned char* p, char a) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8(a))));
}

inline unsigned uguali16(const unsigned char* p, const char* q) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, y)));
}

inline bool unoDiQuattro64(const unsigned char* p, char a, char b, char c, char d) {
    const __m128i va = _mm_set1_epi8(a), vb = _mm_set1_epi8(b), vc = _mm_set1_epi8(c), vd = _mm_set1_epi8(d);
    __m128i tutti = _mm_setzero_si128();
    for (int k = 0; k < 64; k += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + k));
        tutti = _mm_or_si128(tutti, _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(x, vb)),
                                                 _mm_or_si128(_mm_cmpeq_epi8(x, vc), _mm_cmpeq_epi8(x, vd))));
    }
    return _mm_movemask_epi8(tutti) != 0;
}

MA2D3D_SEMPRE_INLINE void copiaBreve(char* dest, const unsigned char* da, unsigned k) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(da));
    const __m128i tieni = _mm_loadu_si128(reinterpret_cast<const __m128i*>(TIENI + 16 - k));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dest), _mm_and_si128(x, tieni));
}

#elif defined(MA2D3D_NEON)

// One bit per lane of a comparison result (lanes all ones or all zeros).
inline unsigned bitDi(uint8x16_t confronto) {
    static const uint8_t pesi[16] = {1, 2, 4, 8, 16, 32, 64, 128, 1, 2, 4, 8, 16, 32, 64, 128};
    const uint8x16_t m = vandq_u8(confronto, vld1q_u8(pesi));
    return vaddv_u8(vget_low_u8(m)) | static_cast<unsigned>(vaddv_u8(vget_high_u8(m))) << 8;
}

inline unsigned bianchi16(const unsigned char* p) {
    const uint8x16_t x = vld1q_u8(p);
    const uint8x16_t controllo = vcleq_u8(vsubq_u8(x, vdupq_n_u8('\t')), vdupq_n_u8('\r' - '\t'));
    return bitDi(vorrq_u8(controllo, vceqq_u8(x, vdupq_n_u8(' '))));
}

inline unsigned coppia16(const unsigned char* p, char a, char b) {
    const uint8x16_t primo = vceqq_u8(vld1q_u8(p), vdupq_n_u8(static_cast<uint8_t>(a)));
    const uint8x16_t secondo = vceqq_u8(vld1q_u8(p + 1), vdupq_n_u8(static_cast<uint8_t>(b)));
    return bitDi(vandq_u8(primo, secondo));
}

inline unsigned byte16(const unsigned char* p, char a) {
    return bitDi(vceqq_u8(vld1q_u8(p), vdupq_n_u8(static_cast<uint8_t>(a))));
}

inline unsigned uguali16(const unsigned char* p, const char* q) {
    return bitDi(vceqq_u8(vld1q_u8(p), vld1q_u8(reinterpret_cast<const uint8_t*>(q))));
}

inline bool unoDiQuattro64(const unsigned char* p, char a, char b, char c, char d) {
    const uint8x16_t va = vdupq_n_u8(static_cast<uint8_t>(a)), vb = vdupq_n_u8(static_cast<uint8_t>(b));
    const uint8x16_t vc = vdupq_n_u8(static_cast<uint8_t>(c)), vd = vdupq_n_u8(static_cast<uint8_t>(d));
    uint8x16_t tutti = vdupq_n_u8(0);
    for (int k = 0; k < 64; k += 16) {
        const uint8x16_t x = vld1q_u8(p + k);
        tutti = vorrq_u8(tutti, vorrq_u8(vorrq_u8(vceqq_u8(x, va), vceqq_u8(x, vb)),
                                         vorrq_u8(vceqq_u8(x, vc), vceqq_u8(x, vd))));
    }
    return vmaxvq_u8(tutti) != 0;
}

MA2D3D_SEMPRE_INLINE void copiaBreve(char* dest, const unsigned char* da, unsigned k) {
    vst1q_u8(reinterpret_cast<uint8_t*>(dest), vandq_u8(vld1q_u8(da), vld1q_u8(TIENI + 16 - k)));
}

#else

inline unsigned bianchi16(const unsigned char* p) {
    unsigned m = 0;
    for (unsigned i = 0; i < 16; ++i) m |= static_cast<unsigned>(spazio(p[i])) << i;
    return m;
}

inline unsigned coppia16(const unsigned char* p, char a, char b) {
    unsigned m = 0;
    for (unsigned i = 0; i < 16; ++i)
        m |= static_cast<unsigned>(p[i] == static_cast<unsigned char>(a) && p[i + 1] == static_cast<unsigned char>(b))
             << i;
    return m;
}

inline unsigned byte16(const unsigned char* p, char a) {
    unsigned m = 0;
    for (unsigned i = 0; i < 16; ++i) m |= static_cast<unsigned>(p[i] == static_cast<unsigned char>(a)) << i;
    return m;
}

inline unsigned uguali16(const unsigned char* p, const char* q) {
    unsigned m = 0;
    for (unsigned i = 0; i < 16; ++i) m |= static_cast<unsigned>(p[i] == static_cast<unsigned char>(q[i])) << i;
    return m;
}

inline bool unoDiQuattro64(const unsigned char* p, char a, char b, char c, char d) {
    for (unsigned i = 0; i < 64; ++i) {
        const char x = static_cast<char>(p[i]);
        if (x == a || x == b || x == c || x == d) return true;
    }
    return false;
}

MA2D3D_SEMPRE_INLINE void copiaBreve(char* dest, const unsigned char* da, unsigned k) {
    std::memcpy(dest, da, k);
    std::memset(dest + k, 0, 16 - k);
}

#endif

// The same bitmaps over 64 bytes; coppia64 reads 65.
inline std::uint64_t bianchi64(const unsigned char* p) {
    return static_cast<std::uint64_t>(bianchi16(p)) | static_cast<std::uint64_t>(bianchi16(p + 16)) << 16 |
           static_cast<std::uint64_t>(bianchi16(p + 32)) << 32 | static_cast<std::uint64_t>(bianchi16(p + 48)) << 48;
}

inline std::uint64_t byte64(const unsigned char* p, char a) {
    return static_cast<std::uint64_t>(byte16(p, a)) | static_cast<std::uint64_t>(byte16(p + 16, a)) << 16 |
           static_cast<std::uint64_t>(byte16(p + 32, a)) << 32 | static_cast<std::uint64_t>(byte16(p + 48, a)) << 48;
}

inline std::uint64_t coppia64(const unsigned char* p, char a, char b) {
    return static_cast<std::uint64_t>(coppia16(p, a, b)) | static_cast<std::uint64_t>(coppia16(p + 16, a, b)) << 16 |
           static_cast<std::uint64_t>(coppia16(p + 32, a, b)) << 32 |
           static_cast<std::uint64_t>(coppia16(p + 48, a, b)) << 48;
}

#endif
