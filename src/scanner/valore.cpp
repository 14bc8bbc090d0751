// Number text to float, exactly as strtof rounds it: strtof on a canonical
// text that keeps every digit a rounding decision can need (the one double
// operation, valoreDiretto, is in valore.h).
#include "valore.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

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
