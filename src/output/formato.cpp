// The exact "%f" writer: a double as printf("%f") writes it in the C locale,
// the binary value rounded to six decimals, ties to even, with no regard to
// the locale. One exact double product for the values a float holds, 64-bit
// and 128-bit integers where the value allows, and a big integer of 32-bit
// limbs for the rest.
#include "formato.h"

#include "../comune.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// The number N / 10^6 with exactly six decimals: N's digits with a point
// before the last six, and "0" before the point when N < 10^6.
constexpr std::uint32_t MILIONE = 1000000;

char* scriviCifre(char* p, const char* cifre, std::size_t n) {
    if (n <= 6) {
        p = copiaFisso(p, "0.");
        for (std::size_t i = n; i < 6; ++i) *p++ = '0';
        std::memcpy(p, cifre, n);
        return p + n;
    }
    std::memcpy(p, cifre, n - 6);
    p += n - 6;
    *p++ = '.';
    std::memcpy(p, cifre + n - 6, 6);
    return p + 6;
}

// "00" to "99", two digits at a time.
constexpr char COPPIE[] =
    "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
    "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

// scriviIntero's body, which the number writer also takes in line.
inline char* cifreDi(char* p, std::uint64_t n) {
    // One or two digits at once, the usual case, else two at a time from the
    // least significant.
    if (n < 10) {
        *p++ = static_cast<char>('0' + n);
    } else if (n < 100) {
        std::memcpy(p, COPPIE + 2 * n, 2);
        p += 2;
    } else {
        // Written backwards from its last digit, once its digits are counted.
        std::size_t cifre = 3;
        for (std::uint64_t resto = n / 1000; resto != 0; resto /= 10) ++cifre;
        char* q = p + cifre;
        p = q;
        for (; n >= 100; n /= 100) {
            q -= 2;
            std::memcpy(q, COPPIE + 2 * (n % 100), 2);
        }
        if (n >= 10) {
            std::memcpy(q - 2, COPPIE + 2 * n, 2);
        } else {
            q[-1] = static_cast<char>('0' + n);
        }
    }
    return p;
}

char* scriviMilionesimi(char* p, std::uint64_t n) {
    const std::uint32_t frazione = static_cast<std::uint32_t>(n % MILIONE);
    p = cifreDi(p, n / MILIONE);
    *p++ = '.';
    // The six decimals two at a time: frazione times 2^32 / 10^4, rounded
    // up, has the first two above its low 32 bits and the rest below them as
    // a binary fraction, of which each product by 100 brings out two more.
    // Exact for every frazione under 10^6.
    std::uint64_t y = std::uint64_t{frazione} * 429497u;
    std::memcpy(p, COPPIE + 2 * (y >> 32), 2);
    y = (y & 0xffffffffu) * 100;
    std::memcpy(p + 2, COPPIE + 2 * (y >> 32), 2);
    y = (y & 0xffffffffu) * 100;
    std::memcpy(p + 4, COPPIE + 2 * (y >> 32), 2);
    return p + 6;
}

// An unsigned integer of up to 40 32-bit limbs, least significant first:
// room for m * 10^6 * 2^e with any double's m and e.
struct Grande {
    std::uint32_t limbo[40];
    int n;  // limbs in use; the top one is not zero
};

void normalizza(Grande& g) {
    while (g.n > 0 && g.limbo[g.n - 1] == 0) --g.n;
}

void moltiplica(Grande& g, std::uint32_t f) {
    std::uint64_t riporto = 0;
    for (int i = 0; i < g.n; ++i) {
        const std::uint64_t t = std::uint64_t{g.limbo[i]} * f + riporto;
        g.limbo[i] = static_cast<std::uint32_t>(t);
        riporto = t >> 32;
    }
    if (riporto != 0) g.limbo[g.n++] = static_cast<std::uint32_t>(riporto);
    normalizza(g);
}

void spostaSinistra(Grande& g, int bit) {
    const int limbi = bit / 32, resto = bit % 32;
    for (int i = g.n - 1 + limbi + 1; i >= 0; --i) {
        const int da = i - limbi;
        const std::uint64_t alto = da >= 0 && da < g.n ? g.limbo[da] : 0;
        const std::uint64_t basso = da - 1 >= 0 && da - 1 < g.n ? g.limbo[da - 1] : 0;
        g.limbo[i] = static_cast<std::uint32_t>(((alto << 32 | basso) << resto) >> 32);
    }
    g.n += limbi + 1;
    normalizza(g);
}

bool bitA(const Grande& g, int i) { return i / 32 < g.n && ((g.limbo[i / 32] >> (i % 32)) & 1) != 0; }

// g / 2^bit, rounded to the nearest integer, ties to even.
void spostaDestraArrotondando(Grande& g, int bit) {
    const bool meta = bitA(g, bit - 1);
    bool sotto = false;
    for (int i = 0; i < bit - 1 && i / 32 < g.n && !sotto; ++i) sotto = bitA(g, i);
    const int limbi = bit / 32, resto = bit % 32;
    for (int i = 0; i < g.n; ++i) {
        const int da = i + limbi;
        const std::uint64_t basso = da < g.n ? g.limbo[da] : 0;
        const std::uint64_t alto = da + 1 < g.n ? g.limbo[da + 1] : 0;
        g.limbo[i] = static_cast<std::uint32_t>((alto << 32 | basso) >> resto);
    }
    normalizza(g);
    if (meta && (sotto || (g.n > 0 && (g.limbo[0] & 1) != 0))) {
        int i = 0;
        while (i < g.n && ++g.limbo[i] == 0) ++i;
        if (i == g.n) g.limbo[g.n++] = 1;
    }
}

char* scriviGrande(char* p, Grande g) {
    char cifre[NUMERO_MASSIMO];
    std::size_t quante = sizeof cifre;
    do {  // nine digits at a time, from the least significant
        std::uint64_t resto = 0;
        for (int i = g.n - 1; i >= 0; --i) {
            const std::uint64_t t = resto << 32 | g.limbo[i];
            g.limbo[i] = static_cast<std::uint32_t>(t / 1000000000);
            resto = t % 1000000000;
        }
        normalizza(g);
        for (int k = 0; k < 9; ++k) {
            cifre[--quante] = static_cast<char>('0' + resto % 10);
            resto /= 10;
        }
    } while (g.n > 0);
    while (quante < sizeof cifre - 1 && cifre[quante] == '0') ++quante;
    return scriviCifre(p, cifre + quante, sizeof cifre - quante);
}

// Every value but the usual one: not finite, or not a float's value, or
// 4e9 or more. Big enough that it is not inlined, so that the usual value's
// path needs no room for the big integer.
char* scriviNumeroGenerale(char* dove, double valore) {
    if (!std::isfinite(valore)) {
        // Never written by the converter; printf's words, for completeness.
        const int n = std::snprintf(dove, NUMERO_MASSIMO, "%f", valore);
        return dove + (n > 0 ? n : 0);
    }
    char* p = dove;
    if (std::signbit(valore)) *p++ = '-';
    // |valore| = m * 2^e exactly.
    std::uint64_t bit;
    std::memcpy(&bit, &valore, sizeof bit);
    const int campo = static_cast<int>((bit >> 52) & 0x7ff);
    std::uint64_t m = bit & ((std::uint64_t{1} << 52) - 1);
    int e = -1074;
    if (campo != 0) {
        m |= std::uint64_t{1} << 52;
        e = campo - 1075;
    }
    if (m == 0) return copiaFisso(p, "0.000000");
    const int zeri = static_cast<int>(primoBit(m));
    m >>= zeri;
    e += zeri;
    // N = m * 10^6 * 2^e rounded to an integer, ties to even: the number in
    // millionths. In 64 bits when it fits, else with a big integer.
    const std::uint64_t prodotto = m * MILIONE;  // exact when m < 2^44
    if (m < (std::uint64_t{1} << 44) && e > 0 && e < 64 && (prodotto >> (64 - e)) == 0)
        return scriviMilionesimi(p, prodotto << e);
    if (m < (std::uint64_t{1} << 44) && e > -64 && e <= 0) {
        const int k = -e;
        std::uint64_t n = k == 0 ? prodotto : prodotto >> k;
        if (k > 0) {
            const std::uint64_t resto = prodotto & ((std::uint64_t{1} << k) - 1);
            const std::uint64_t meta = std::uint64_t{1} << (k - 1);
            if (resto > meta || (resto == meta && (n & 1) != 0)) ++n;
        }
        return scriviMilionesimi(p, n);
    }
#ifdef __SIZEOF_INT128__
    if (e < 0 && e >= -127) {  // the cosines and sines of Direction lines
        __extension__ typedef unsigned __int128 U128;
        const int k = -e;
        const U128 p128 = static_cast<U128>(m) * MILIONE;
        U128 n = p128 >> k;
        const U128 resto = p128 & ((static_cast<U128>(1) << k) - 1);
        const U128 meta = static_cast<U128>(1) << (k - 1);
        if (resto > meta || (resto == meta && (n & 1) != 0)) ++n;
        if ((n >> 64) == 0) return scriviMilionesimi(p, static_cast<std::uint64_t>(n));
    }
#endif
    Grande g = {{static_cast<std::uint32_t>(m), static_cast<std::uint32_t>(m >> 32)}, 2};
    moltiplica(g, MILIONE);
    if (e >= 0)
        spostaSinistra(g, e);
    else
        spostaDestraArrotondando(g, -e);
    return scriviGrande(p, g);
}

// A value that a float holds (every number the scene gives) has at most 24
// significant bits, and 10^6 = 15625 * 2^6 has 14: their product is exact in
// a double, and below 2^52 adding and taking away 2^52 rounds it to the
// nearest integer, ties to even, as printf rounds. For such a value below
// 4e9 in magnitude.
inline char* scriviDiFloat(char* p, double valore) {
    const double assoluto = std::fabs(valore);
    if (std::signbit(valore)) *p++ = '-';
    constexpr double DUE_ALLA_52 = 4503599627370496.0;
    const double intero = (assoluto * 1e6 + DUE_ALLA_52) - DUE_ALLA_52;  // below 2^63
    return scriviMilionesimi(p, static_cast<std::uint64_t>(static_cast<std::int64_t>(intero)));
}

}  // namespace

char* scriviNumero(char* dove, double valore) {
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    // A NaN fails the first test.
    const double assoluto = std::fabs(valore);
    if (assoluto < 4.0e9 && static_cast<double>(static_cast<float>(assoluto)) == assoluto)
        return scriviDiFloat(dove, valore);
#endif
    return scriviNumeroGenerale(dove, valore);
}

char* scriviNumero(char* dove, float valore) {
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    // A NaN fails the test.
    if (std::fabs(valore) < 4.0e9f) return scriviDiFloat(dove, static_cast<double>(valore));
#endif
    return scriviNumeroGenerale(dove, static_cast<double>(valore));
}

char* scriviIntero(char* dove, std::uint64_t n) { return cifreDi(dove, n); }

namespace {

// The powers of ten a double holds exactly, for scaling a float's value.
constexpr double DIECI[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// a times 10^s in a few double operations (a is a float's value, |s| <= 60):
// within a few units of the double's last place, far below what the nine
// digits below need.
inline double perDieci(double a, int s) {
    for (; s > 22; s -= 22) a *= DIECI[22];
    for (; s < -22; s += 22) a /= DIECI[22];
    return s >= 0 ? a * DIECI[s] : a / DIECI[-s];
}

}  // namespace

char* scriviFloat(char* p, float valore) {
    if (valore == 0.0f || !std::isfinite(valore)) return copiaFisso(p, "0.0");
    if (valore < 0.0f) *p++ = '-';
    const double a = std::fabs(static_cast<double>(valore));
    // A whole number below 10^9, the usual colour, intensity or coordinate:
    // its digits and ".0".
    if (a < 1e9) {
        const std::uint64_t intero = static_cast<std::uint64_t>(a);
        if (static_cast<double>(intero) == a) return copiaFisso(cifreDi(p, intero), ".0");
    }
    // Nine digits d, from 10^8 to below 10^9, with a = d * 10^(k - 8). A
    // float needs no more: its neighbours are at least 6e-8 of it apart, and
    // nine digits land within 5e-9 of it even when the scaling above misses
    // the last digit's rounding by one.
    // 10^k <= a < 10^(k+1), from the binary exponent (a = m * 2^e, m in
    // [0.5, 1)), within one of the truth; the digits below put it right.
    // The float's own exponent field gives it at once; a subnormal's says
    // nothing of its magnitude, and frexp does. floor((e - 1) * log10(2)) is
    // taken as (e - 1) * 1233 / 4096, shifted up by 200 to stay positive: the
    // same integer for every exponent a float has (-148 to 128).
    std::uint32_t bit;
    std::memcpy(&bit, &valore, sizeof bit);
    int binario = static_cast<int>((bit >> 23) & 0xffu) - 126;
    if (binario == -126) std::frexp(a, &binario);
    int k = (((binario - 1) * 1233 + 200 * 4096) >> 12) - 200;
    // Rounded to the nearest by adding a half: the product is positive and
    // far below 2^52.
    std::uint64_t d = static_cast<std::uint64_t>(perDieci(a, 8 - k) + 0.5);
    if (d >= 1000000000u) {
        ++k;
        d = static_cast<std::uint64_t>(perDieci(a, 8 - k) + 0.5);
    } else if (d < 100000000u) {
        --k;
        d = static_cast<std::uint64_t>(perDieci(a, 8 - k) + 0.5);
    }
    if (d >= 1000000000u) {  // rounded up to the next power of ten
        d /= 10;
        ++k;
    }
    // The nine digits: the first, then four pairs.
    char cifre[9];
    const std::uint32_t basso = static_cast<std::uint32_t>(d % 100000000u);
    cifre[0] = static_cast<char>('0' + d / 100000000u);
    const std::uint32_t alto4 = basso / 10000, basso4 = basso % 10000;
    std::memcpy(cifre + 1, COPPIE + 2 * (alto4 / 100), 2);
    std::memcpy(cifre + 3, COPPIE + 2 * (alto4 % 100), 2);
    std::memcpy(cifre + 5, COPPIE + 2 * (basso4 / 100), 2);
    std::memcpy(cifre + 7, COPPIE + 2 * (basso4 % 100), 2);
    int n = 9;  // digits that count, at least one
    while (n > 1 && cifre[n - 1] == '0') --n;
    if (k >= -5 && k < 9) {
        if (k < 0) {
            p = copiaFisso(p, "0.");
            for (int i = -1; i > k; --i) *p++ = '0';
            for (int i = 0; i < n; ++i) *p++ = cifre[i];
            return p;
        }
        for (int i = 0; i <= k; ++i) *p++ = i < n ? cifre[i] : '0';
        *p++ = '.';
        if (n <= k + 1) {
            *p++ = '0';
            return p;
        }
        for (int i = k + 1; i < n; ++i) *p++ = cifre[i];
        return p;
    }
    *p++ = cifre[0];
    *p++ = '.';
    if (n == 1) {
        *p++ = '0';
    } else {
        for (int i = 1; i < n; ++i) *p++ = cifre[i];
    }
    *p++ = 'e';
    *p++ = k < 0 ? '-' : '+';
    const unsigned e = static_cast<unsigned>(k < 0 ? -k : k);
    std::memcpy(p, COPPIE + 2 * e, 2);
    return p + 2;
}
