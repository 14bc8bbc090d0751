// The window: two bitmaps of 64 bytes of the block, from which the usual short
// token is cut with a bit scan and one masked store (two for 16 to 31
// bytes). Opened by the token reader where it must: at the read position,
// when it no longer holds the token there.
#ifndef MA2D3D_FINESTRA_H
#define MA2D3D_FINESTRA_H

#include <cstdint>

#include "blocco.h"

// Bit i of `pieniFinestra` marks the byte finestra + i that is not white
// space; bit i of `finiFinestra` a white byte right after one that is not,
// where a token ends.
extern std::uint64_t pieniFinestra;
extern std::uint64_t finiFinestra;

constexpr std::size_t FINESTRA = 64;
// A token cut from the window is stored with 16-byte loads from its start: a
// token under 16 bytes may start anywhere in the window, one of 16 to 31
// bytes ends in it and so starts in its first 48 bytes. Either way the loads
// stay within this many bytes from where a window opens, which the block
// must hold.
constexpr std::size_t FINESTRA_LETTA = FINESTRA + 16;

// Opens the window at `da` when the block holds FINESTRA_LETTA bytes from it;
// false, leaving the window as it was, when it does not.
MA2D3D_SEMPRE_INLINE bool apriFinestra(std::size_t da) {
    if (da + FINESTRA_LETTA > fine) return false;
    finestra = da;
    const std::uint64_t bianchi = bianchi64(buf + da);
    pieniFinestra = ~bianchi;
    finiFinestra = bianchi & (pieniFinestra << 1);
    return true;
}

// The token at the read position from the window, as leggiToken describes;
// false when the window cannot tell it: the read position is outside it, or
// no token ends in it, or the token is 32 bytes or longer.
MA2D3D_SEMPRE_INLINE bool tokenNellaFinestra(char* dest) {
    const std::size_t scarto = pos - finestra;  // huge when pos < finestra
    if (scarto >= FINESTRA) return false;
    // The first token end past the read position (the read position itself
    // may be the end of the token just read), and the first byte of a token
    // from the read position on. Only the first is on the way to the next
    // read position.
    const std::uint64_t fini = finiFinestra & (~std::uint64_t{1} << scarto);
    if (fini == 0) return false;
    const unsigned termine = primoBit(fini);
    const unsigned inizio = primoBit(pieniFinestra & (~std::uint64_t{0} << scarto));
    const unsigned lunghezza = termine - inizio;
    if (lunghezza >= 16) {
        if (lunghezza >= 32) return false;
        std::memcpy(dest, buf + finestra + inizio, 16);
        copiaBreve(dest + 16, buf + finestra + inizio + 16, lunghezza - 16);
    } else {
        copiaBreve(dest, buf + finestra + inizio, lunghezza);
    }
    pos = finestra + termine;
    return true;
}

#endif
