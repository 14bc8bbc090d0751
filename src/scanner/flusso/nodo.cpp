// The node search: the driver's read, which passes over every token that does
// not begin with a given keyword (the node keyword, "createNode"). It looks
// first in the region ahead (where the next keyword may start, worked out
// when the last was found), then in the next 128 bytes, then through the
// block and its refills. The keyword is at least three bytes long.
#include <cstdint>

#include "flusso.h"
#include "stato.h"

namespace {

// The region ahead: bit i of `flusso.nodi` is set where the keyword's first
// byte stands at flusso.regione + i, for the 64 bytes from 32 bytes past a
// keyword just found (each is then tested whole: few bytes of a scene are
// a 'c' so near a node, and one byte costs half what a pair does). It is
// worked out before that node's statement is read, so that the next search,
// when the statement ends in the region, starts from bits already there
// instead of from loads that wait on where the statement ended.
constexpr std::size_t DOPO_NODO = 32;
constexpr std::size_t REGIONE = 64;
// Testing a candidate in the region reads 16 bytes from it: the block must
// hold this many bytes from where the region opens (with room to spare).
constexpr std::size_t REGIONE_LETTA = 96;

// The next bytes searched before the general search, for the keyword's first
// byte as in the region, and the bytes the block must hold from the read
// position for that: a candidate at the last of them is tested on 16.
constexpr std::size_t VICINI = 128;
constexpr std::size_t VICINI_LETTI = VICINI + CONFRONTO_MASSIMO;

void apriRegione(std::size_t da, const Parola& parola) {
    if (da + REGIONE_LETTA > flusso.tenuti) return;
    flusso.regione = da;
    flusso.nodi = byte64(flusso.buf + da, parola.testo[0]);
}

// A keyword token at k, found by any of the searches: works out the region
// ahead for the next search and reads the token. The usual one is the keyword
// alone, a white byte after it, stored as the keyword spells it.
inline int trovato(char* dest, std::size_t k, const Parola& parola) {
    Flusso& f = flusso;
    apriRegione(k + DOPO_NODO, parola);
    f.pos = k;
    if (k + parola.lunghezza < f.tenuti && spazio(f.buf[k + parola.lunghezza])) {
        std::memcpy(dest, parola.testo, CONFRONTO_MASSIMO);
        f.pos = k + parola.lunghezza;
        return 1;
    }
    return leggiToken(dest);
}

// A candidate at k is a keyword token when it follows white space, or stands
// at `da` (the read position, where a token starts unless the byte is white),
// and spells the keyword. The block holds CONFRONTO_MASSIMO bytes from k, so
// the keyword test runs on them in place.
inline bool tokenA(std::size_t k, std::size_t da, const Parola& parola) {
    const unsigned char* const b = flusso.buf;
    return (k == da || spazio(b[k - 1])) && corrisponde(reinterpret_cast<const char*>(b + k), parola);
}

// The first index in [da, a) at which the block holds the keyword's first
// three bytes, or `a` when there is none; a < tenuti - 2. Reads no byte at or
// past `tenuti`.
std::size_t candidato(std::size_t da, std::size_t a, const Parola& parola) {
    const unsigned char* const b = flusso.buf;
    const std::size_t tenuti = flusso.tenuti;
    const char* const k = parola.testo;
    std::size_t i = da;
    // Sixty-four bytes a turn on the first two bytes, which rarely stand
    // together anywhere else in a scene; the third is tested on what they find
    // (in the block, since a find before `a` is before tenuti - 2). The bitmap
    // reads 65 bytes, the 16-byte one 17.
    for (; i < a && i + 65 <= tenuti; i += 64) {
        for (std::uint64_t m = coppia64(b + i, k[0], k[1]); m != 0; m &= m - 1) {
            const std::size_t trovato = i + primoBit(m);
            if (trovato >= a) return a;
            if (b[trovato + 2] == static_cast<unsigned char>(k[2])) return trovato;
        }
    }
    for (; i < a && i + 17 <= tenuti; i += 16) {
        for (unsigned m = coppia16(b + i, k[0], k[1]); m != 0; m &= m - 1) {
            const std::size_t trovato = i + primoBit(m);
            if (trovato >= a) return a;
            if (b[trovato + 2] == static_cast<unsigned char>(k[2])) return trovato;
        }
    }
    // The block's last bytes, one at a time.
    for (; i < a; ++i)
        if (std::memcmp(b + i, k, 3) == 0) return i;
    return a;
}

// The search in general: from the read position through as many refills as
// it takes, byte at a time near the block's end. Kept out of line so that
// the search of the next bytes needs no saved registers.
MA2D3D_FUORI_LINEA int cerca(char* dest, const Parola& parola) {
    Flusso& f = flusso;
    if (!saltaSpazi()) return FINE_FLUSSO;
    // The read position is now the start of a token. `inizio` tells whether
    // the byte at the read position follows white space as the search moves
    // on; a keyword token is the keyword right after white space, and it is
    // tested once all of the keyword's bytes are in the block.
    const std::size_t n = parola.lunghezza;
    bool inizio = true;
    for (;;) {
        const std::size_t limite = f.esaurito ? f.tenuti : (f.tenuti > n ? f.tenuti - n : 0);
        const std::size_t margine = f.tenuti >= 2 ? f.tenuti - 2 : 0;  // candidato's bound
        std::size_t i = f.pos;
        while ((i = candidato(i, limite < margine ? limite : margine, parola)) < limite && i < margine) {
            const bool dopoSpazio = i == f.pos ? inizio : spazio(f.buf[i - 1]);
            if (dopoSpazio && i + n <= f.tenuti && std::memcmp(f.buf + i, parola.testo, n) == 0)
                return trovato(dest, i, parola);
            ++i;
        }
        if (f.esaurito) {
            f.pos = f.tenuti;
            f.fineInput = true;
            return FINE_FLUSSO;
        }
        // Keep the last bytes, where a keyword may begin, for after the refill.
        if (limite > f.pos) {
            inizio = spazio(f.buf[limite - 1]);
            f.pos = limite;
        }
        riempi();
    }
}

}  // namespace

int leggiTokenCon(char* dest, const Parola& parola) {
    Flusso& f = flusso;
    // First the region ahead, when the read position is in it.
    const std::size_t scarto = f.pos - f.regione;  // huge when pos < regione
    if (scarto < REGIONE) {
        const std::size_t da = f.pos;
        for (std::uint64_t m = f.nodi & (~std::uint64_t{0} << scarto); m != 0; m &= m - 1) {
            const std::size_t k = f.regione + primoBit(m);
            if (tokenA(k, da, parola)) return trovato(dest, k, parola);
        }
    }
    // Keywords often follow each other within a few dozen bytes: the next
    // VICINI bytes are searched next, with every bound known to hold.
    if (f.pos + VICINI_LETTI <= f.tenuti) {
        const std::size_t da = f.pos;
        for (std::size_t i = da; i < da + VICINI; i += 64) {
            for (std::uint64_t m = byte64(f.buf + i, parola.testo[0]); m != 0; m &= m - 1) {
                const std::size_t k = i + primoBit(m);
                if (tokenA(k, da, parola)) return trovato(dest, k, parola);
            }
        }
        // None there: the search goes on from the last white byte of those
        // bytes when there is one near their end, else from the start again.
        for (std::size_t j = da + VICINI - 1; j > da + VICINI - 17; --j) {
            if (spazio(f.buf[j])) {
                f.pos = j;
                break;
            }
        }
    }
    return cerca(dest, parola);
}
