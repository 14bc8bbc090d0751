// The node search: the driver's read, which passes over every token that does
// not begin with "createNode". It looks first in the region ahead (where the
// next node keyword may start, worked out when the last node token was
// found), then in the next 128 bytes, then through the block and its refills.
#include <cstdint>

#include "blocco.h"
#include "flusso.h"
#include "parole.h"

namespace {

// The node keyword, as the node search looks for it.
constexpr const char* NODO = PAROLE[CREATE_NODE].testo;
constexpr std::size_t LUNGHEZZA_NODO = PAROLE[CREATE_NODE].lunghezza;

// The region ahead: bit i of `nodiRegione` is set where the node keyword's
// first byte stands at regione + i, for the 64 bytes from 32 bytes past a
// node token just found (each is then tested whole: few bytes of a scene are
// a 'c' so near a node, and one byte costs half what a pair does). It is
// worked out before that node's statement is read, so that the next search,
// when the statement ends in the region, starts from bits already there
// instead of from loads that wait on where the statement ended.
std::uint64_t nodiRegione = 0;
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

void apriRegione(std::size_t da) {
    if (da + REGIONE_LETTA > fine) return;
    regione = da;
    nodiRegione = byte64(buf + da, NODO[0]);
}

// A node token at k, found by any of the searches: works out the region
// ahead for the next search and reads the token. The usual one is the keyword
// alone, a white byte after it, stored as the keyword table spells it.
inline int nodoTrovato(char* dest, std::size_t k) {
    apriRegione(k + DOPO_NODO);
    pos = k;
    if (k + LUNGHEZZA_NODO < fine && spazio(buf[k + LUNGHEZZA_NODO])) {
        std::memcpy(dest, NODO, CONFRONTO_MASSIMO);
        pos = k + LUNGHEZZA_NODO;
        return 1;
    }
    return leggiToken(dest);
}

// A candidate at k is a node token when it follows white space, or stands at
// `da` (the read position, where a token starts unless the byte is white),
// and spells the keyword. The block holds CONFRONTO_MASSIMO bytes from k, so
// the keyword test runs on them in place.
inline bool nodoA(std::size_t k, std::size_t da) {
    return (k == da || spazio(buf[k - 1])) && corrisponde(reinterpret_cast<const char*>(buf + k), CREATE_NODE);
}

// The first index in [da, a) at which the block holds the node keyword's
// first three bytes, or `a` when there is none; a < fine - 2. Reads no byte
// at or past `fine`.
std::size_t candidato(std::size_t da, std::size_t a) {
    std::size_t i = da;
    // Sixty-four bytes a turn on the first two bytes, which rarely stand
    // together anywhere else in a scene; the third is tested on what they find
    // (in the block, since a find before `a` is before fine - 2). The bitmap
    // reads 65 bytes, the 16-byte one 17.
    for (; i < a && i + 65 <= fine; i += 64) {
        for (std::uint64_t m = coppia64(buf + i, NODO[0], NODO[1]); m != 0; m &= m - 1) {
            const std::size_t trovato = i + primoBit(m);
            if (trovato >= a) return a;
            if (buf[trovato + 2] == NODO[2]) return trovato;
        }
    }
    for (; i < a && i + 17 <= fine; i += 16) {
        for (unsigned m = coppia16(buf + i, NODO[0], NODO[1]); m != 0; m &= m - 1) {
            const std::size_t trovato = i + primoBit(m);
            if (trovato >= a) return a;
            if (buf[trovato + 2] == NODO[2]) return trovato;
        }
    }
    // The block's last bytes, one at a time.
    for (; i < a; ++i)
        if (buf[i] == NODO[0] && buf[i + 1] == NODO[1] && buf[i + 2] == NODO[2]) return i;
    return a;
}

// The node search in general: from the read position through as many
// refills as it takes, byte at a time near the block's end. Kept out of line
// so that the search of the next bytes needs no saved registers.
MA2D3D_FUORI_LINEA int cercaNodo(char* dest) {
    if (!saltaSpazi()) return FINE_FLUSSO;
    // The read position is now the start of a token. `inizio` tells whether
    // the byte at the read position follows white space as the search moves
    // on; a node token is the keyword right after white space, and it is
    // tested once all of the keyword's bytes are in the block.
    bool inizio = true;
    for (;;) {
        const std::size_t limite = esaurito ? fine : (fine > LUNGHEZZA_NODO ? fine - LUNGHEZZA_NODO : 0);
        const std::size_t margine = fine >= 2 ? fine - 2 : 0;  // candidato's bound
        std::size_t i = pos;
        while ((i = candidato(i, limite < margine ? limite : margine)) < limite && i < margine) {
            const bool dopoSpazio = i == pos ? inizio : spazio(buf[i - 1]);
            if (dopoSpazio && i + LUNGHEZZA_NODO <= fine && std::memcmp(buf + i, NODO, LUNGHEZZA_NODO) == 0)
                return nodoTrovato(dest, i);
            ++i;
        }
        if (esaurito) {
            pos = fine;
            fineInput = true;
            return FINE_FLUSSO;
        }
        // Keep the last bytes, where a keyword may begin, for after the refill.
        if (limite > pos) {
            inizio = spazio(buf[limite - 1]);
            pos = limite;
        }
        riempi();
    }
}

}  // namespace

int leggiTokenNodo(char* dest) {
    // First the region ahead, when the read position is in it.
    const std::size_t scarto = pos - regione;  // huge when pos < regione
    if (scarto < REGIONE) {
        const std::size_t da = pos;
        for (std::uint64_t m = nodiRegione & (~std::uint64_t{0} << scarto); m != 0; m &= m - 1) {
            const std::size_t k = regione + primoBit(m);
            if (nodoA(k, da)) return nodoTrovato(dest, k);
        }
    }
    // Nodes often follow each other within a few dozen bytes: the next
    // VICINI bytes are searched next, with every bound known to hold.
    if (pos + VICINI_LETTI <= fine) {
        const std::size_t da = pos;
        for (std::size_t i = da; i < da + VICINI; i += 64) {
            for (std::uint64_t m = byte64(buf + i, NODO[0]); m != 0; m &= m - 1) {
                const std::size_t k = i + primoBit(m);
                if (nodoA(k, da)) return nodoTrovato(dest, k);
            }
        }
        // None there: the search goes on from the last white byte of those
        // bytes when there is one near their end, else from the start again.
        for (std::size_t j = da + VICINI - 1; j > da + VICINI - 17; --j) {
            if (spazio(buf[j])) {
                pos = j;
                break;
            }
        }
    }
    return cercaNodo(dest);
}
