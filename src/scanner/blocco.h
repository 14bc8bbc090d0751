// The block buffer: the scene's bytes as the token stream holds them, the read
// position, the refill and the end-of-input flags, shared by the readers of
// tokens, node tokens and numbers.
#ifndef MA2D3D_BLOCCO_H
#define MA2D3D_BLOCCO_H

#include <cstddef>
#include <cstdio>

#include "vettori.h"

constexpr std::size_t BLOCCO_MASSIMO = 128 * 1024;
constexpr std::size_t BLOCCO_MINIMO = 16;  // more than any keyword's comparison length

extern unsigned char buf[BLOCCO_MASSIMO];
extern std::size_t pos;   // next unread byte
extern std::size_t fine;  // end of the bytes held in buf
extern bool esaurito;     // fread has reported end of file or an error
extern bool fineInput;    // a read has met the end of the scene (or an error)
extern bool erroreInput;  // that end was a read error

// Where the window and the region ahead stand in buf. Both are views of the
// bytes where they are now, so a refill, which moves the bytes, closes them.
constexpr std::size_t CHIUSA = BLOCCO_MASSIMO + 1024;
extern std::size_t finestra;
extern std::size_t regione;

// Appends to the bytes held, after moving the unread ones to the front.
// Callers refill only when fewer than BLOCCO_MINIMO bytes are unread, so there
// is always room. Returns false when nothing more can be had from the scene.
bool riempi();

// The byte `k` places after the read position, or -1 (setting the
// end-of-input flag) when the scene ends before it.
int guarda(std::size_t k);

// Skips white space; false (flag set) when the scene ends first.
inline bool saltaSpazi() {
    if (pos + 16 <= fine) {
        const unsigned altro = ~bianchi16(buf + pos) & 0xffffu;
        if (altro != 0) {
            pos += primoBit(altro);
            return true;
        }
    }
    for (;;) {
        while (pos < fine && spazio(buf[pos])) ++pos;
        if (pos < fine) return true;
        if (!riempi()) {
            fineInput = true;
            return false;
        }
    }
}

#endif
