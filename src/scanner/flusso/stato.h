// The token stream's state, in one struct and one object (defined in
// blocco.cpp), and the block operations every reader of the stream shares:
// the refill, the look at a byte ahead and the skip over white space. For the
// stream's own files only: the rest of the program sees flusso.h.
#ifndef MA2D3D_STATO_H
#define MA2D3D_STATO_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "valore.h"
#include "vettori.h"

constexpr std::size_t BLOCCO_MASSIMO = 128 * 1024;
constexpr std::size_t BLOCCO_MINIMO = 16;  // more than any keyword's comparison length

// Where the window or the region ahead stands when it is closed.
constexpr std::size_t CHIUSA = BLOCCO_MASSIMO + 1024;

struct Flusso {
    std::FILE* sorgente;
    std::size_t blocco;  // bytes held after a refill at most; 0 for the whole buf
    // The scene's bytes as the stream holds them: buf[pos, tenuti) is unread.
    unsigned char buf[BLOCCO_MASSIMO];
    std::size_t pos;
    std::size_t tenuti;  // end of the bytes held
    bool esaurito;     // fread has reported end of file or an error
    bool fineInput;    // a read has met the end of the scene (or an error)
    bool erroreInput;  // that end was a read error

    // The window (token.cpp): 64 bytes from buf + finestra, from which the
    // usual short token is cut. Bit i of `pieni` marks a byte that is not
    // white space, bit i of `fini` a white byte right after one that is not,
    // where a token ends.
    std::size_t finestra;
    std::uint64_t pieni;
    std::uint64_t fini;

    // The region ahead (nodo.cpp): bit i of `nodi` marks the node keyword's
    // first byte at buf + regione + i.
    std::size_t regione;
    std::uint64_t nodi;

    // The digits of a number read across refills (valore.h).
    Canonico canonico;
};

extern Flusso flusso;

// The window and the region are views of the bytes where they stand, so a
// refill, which moves the bytes, closes both; nothing else opens or closes
// them but their own files.
//
// Appends to the bytes held, after moving the unread ones to the front.
// Callers refill only when fewer than BLOCCO_MINIMO bytes are unread, so
// there is always room. Returns false when nothing more can be had from the scene.
bool riempi();

// The byte `k` places after the read position, refilling as needed; -1, with
// the end-of-input flag set, when the scene ends before it.
int guarda(std::size_t k);

// Skips white space; false (flag set) when the scene ends first.
inline bool saltaSpazi() {
    Flusso& f = flusso;
    if (f.pos + 16 <= f.tenuti) {
        const unsigned altro = ~bianchi16(f.buf + f.pos) & 0xffffu;
        if (altro != 0) {
            f.pos += primoBit(altro);
            return true;
        }
    }
    for (;;) {
        while (f.pos < f.tenuti && spazio(f.buf[f.pos])) ++f.pos;
        if (f.pos < f.tenuti) return true;
        if (!riempi()) {
            f.fineInput = true;
            return false;
        }
    }
}

#endif
