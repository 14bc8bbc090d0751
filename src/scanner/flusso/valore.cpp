// Number text to float, exactly as strtof rounds it: strtof on the canonical
// text (the one double operation, valoreDiretto, is in valore.h).
#include "valore.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "../../comune.h"

float daTesto(const char* testo) {
    const float v = std::strtof(testo, nullptr);
    if (std::isinf(v)) return v < 0 ? -FLT_MAX : FLT_MAX;
    return v;
}

void iniziaCanonico(Canonico& c) {
    c.quante = 0;
    c.tagliate = false;
    c.scala = 0;
}

void aggiungiCifra(Canonico& c, int cifra, bool intera) {
    if (c.quante == 0 && cifra == '0') {
        if (!intera) --c.scala;  // a leading zero after the point
        return;
    }
    if (intera) ++c.scala;
    if (c.quante < CIFRE_MASSIME)
        c.cifre[c.quante++] = static_cast<char>(cifra);
    else if (cifra != '0')
        c.tagliate = true;
}

float valoreCanonico(const Canonico& c, bool negativo, long long esponente) {
    char testo[CIFRE_MASSIME + 40];
    std::size_t n = 0;
    if (negativo) testo[n++] = '-';
    if (c.quante == 0) {
        testo[n++] = '0';
        testo[n] = '\0';
    } else {
        std::memcpy(testo + n, c.cifre, static_cast<std::size_t>(c.quante));
        n += static_cast<std::size_t>(c.quante);
        int scritte = c.quante;
        if (c.tagliate) {
            testo[n++] = '1';
            ++scritte;
        }
        // The scale counts digits of a file (well below 2^62) and the written
        // exponent stays within ESPONENTE_LIMITE, so the sum cannot overflow;
        // strtof takes any exponent, saturating past the float's range.
        std::snprintf(testo + n, sizeof testo - n, "e%lld", c.scala + esponente - scritte);
    }
    return daTesto(testo);
}
