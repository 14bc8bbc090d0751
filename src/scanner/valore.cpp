// Number text to float, exactly as strtof rounds it: one double operation
// where that is exact, else strtof on the text itself or on a canonical text
// that keeps every digit a rounding decision can need.
#include "valore.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The powers of ten that a double holds exactly.
constexpr double POTENZE[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                              1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t W_MASSIMO = std::uint64_t{1} << 53;
constexpr int P_MASSIMO = 22;

// Within those bounds every value is a finite float's neighbour in the
// normal range, or zero: no overflow, and no subnormal rounding to decide.
static_assert(9007199254740992.0 * 1e22 < static_cast<double>(FLT_MAX), "w * 10^p may overflow a float");
static_assert(1e-22 > static_cast<double>(FLT_MIN), "w * 10^-p may be subnormal");

// Number text in a bounded canonical form: the significant digits (at most
// CIFRE_MASSIME, then one sticky '1' standing for any non-zero digits cut off)
// and a decimal exponent. Enough digits are kept for every single-precision
// rounding decision, so strtof on the canonical text rounds like strtof on
// the whole text.
constexpr int CIFRE_MASSIME = 200;
constexpr long long ESPONENTE_LIMITE = 100000000;  // far past any float
char cifre[CIFRE_MASSIME + 2];
int quante = 0;
bool tagliate = false;
long long scala = 0;  // the value is 0.cifre times 10^scala

long long limita(long long v) {
    if (v > ESPONENTE_LIMITE) return ESPONENTE_LIMITE;
    if (v < -ESPONENTE_LIMITE) return -ESPONENTE_LIMITE;
    return v;
}

}  // namespace

// Rounding `d`, the double nearest to the value, to float rounds the value
// itself, since every float and every midpoint between two floats is a
// double, unless `d` is such a midpoint: then the value may lie on either
// side of it.
bool valoreDiretto(std::uint64_t w, int p, bool negativo, float* numero) {
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    if (w > W_MASSIMO || p < -P_MASSIMO || p > P_MASSIMO) return false;
    const double d = p >= 0 ? static_cast<double>(w) * POTENZE[p] : static_cast<double>(w) / POTENZE[-p];
    const float f = static_cast<float>(d);
    if (static_cast<double>(f) != d) {
        // In the normal range a midpoint has 25 significant bits: below the
        // float's 24, a one and then zeros only.
        std::uint64_t bit;
        std::memcpy(&bit, &d, sizeof bit);
        if ((bit & 0x1fffffffu) == 0x10000000u) return false;
    }
    *numero = negativo ? -f : f;
    return true;
#else
    (void)w, (void)p, (void)negativo, (void)numero;
    return false;
#endif
}

float daTesto(const char* testo) {
    const float v = std::strtof(testo, nullptr);
    if (std::isinf(v)) return v < 0 ? -FLT_MAX : FLT_MAX;
    return v;
}

void iniziaCanonico() {
    quante = 0;
    tagliate = false;
    scala = 0;
}

void aggiungiCifra(int c, bool intera) {
    if (quante == 0 && c == '0') {
        if (!intera) --scala;  // a leading zero after the point
        return;
    }
    if (intera) ++scala;
    if (quante < CIFRE_MASSIME)
        cifre[quante++] = static_cast<char>(c);
    else if (c != '0')
        tagliate = true;
}

float valoreCanonico(bool negativo, long long esponente) {
    char testo[CIFRE_MASSIME + 40];
    std::size_t n = 0;
    if (negativo) testo[n++] = '-';
    if (quante == 0) {
        testo[n++] = '0';
        testo[n] = '\0';
    } else {
        std::memcpy(testo + n, cifre, static_cast<std::size_t>(quante));
        n += static_cast<std::size_t>(quante);
        int scritte = quante;
        if (tagliate) {
            testo[n++] = '1';
            ++scritte;
        }
        // scala counts digits of a file (well below 2^62) and the written
        // exponent stays within 10^15, so the sum cannot overflow.
        const long long e = limita(scala + esponente - scritte);
        std::snprintf(testo + n, sizeof testo - n, "e%lld", e);
    }
    return daTesto(testo);
}
