// The statement reader: the scene as MEL statements over the shared token
// stream's bytes. A statement ends at a `;` outside a string; strings are
// double-quoted with backslash escapes; `//` begins a comment to the end of
// the line; a statement may span lines. Words are cut here; what the
// statements mean is the scene's (scena.h).
#ifndef MA2D3D_LUCI_LETTORE_H
#define MA2D3D_LUCI_LETTORE_H

#include <cstddef>

// A word keeps at most this many bytes; the rest of a longer one is passed
// over (`tagliata` says so).
constexpr std::size_t VOCE_MASSIMA = 1024;

enum Genere {
    PAROLA,           // a run of bytes that are not white space, `;` or `"`
    STRINGA,          // a double-quoted string, its escapes undone
    FINE_ISTRUZIONE,  // the `;` that ends a statement
    FINE_SCENA        // the end of the scene (or a read error)
};

// The reader's state: the word just read, and the bytes of the stream in
// view: [inizio, fine) as the stream showed them, of which those before p are
// read (the stream is told so when the view is used up).
struct Lettore {
    char testo[VOCE_MASSIMA + 1];  // NUL-terminated
    std::size_t lunghezza;
    bool tagliata;
    const unsigned char* inizio;
    const unsigned char* p;     // the next byte
    const unsigned char* fine;  // the end of the bytes in view
};

extern Lettore lettore;

// Starts reading at the stream's read position.
void apriLettore();

// The next word of the statement, or its end, or the end of the scene.
Genere leggiVoce();

// Passes over the rest of the statement, up to and with its `;`, without
// cutting words. False when the scene ends first.
bool passaIstruzione();

// True when the word read is `testo`.
bool voceE(const char* testo);

#endif
