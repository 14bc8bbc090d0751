// The statement reader: the scene as MEL statements over the shared token
// stream's bytes. A statement ends at a `;` outside a string; strings are
// double-quoted with backslash escapes; `//` begins a comment to the end of
// the line; a statement may span lines. Words are cut here; what the
// statements mean is the scene's (scena.h).
#ifndef MA2D3D_LUCI_LETTORE_H
#define MA2D3D_LUCI_LETTORE_H

#include <cstddef>
#include <cstring>

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
// read (the stream is told so when the view is used up). The word is
// `lunghezza` bytes at `voce`: in the view itself where it lies whole there
// (the usual word), else copied into `testo`. Either way it holds until the
// next read.
struct Lettore {
    const char* voce;
    std::size_t lunghezza;
    bool tagliata;
    char testo[VOCE_MASSIMA];
    const unsigned char* inizio;
    const unsigned char* p;     // the next byte
    const unsigned char* fine;  // the end of the bytes in view
};

extern Lettore lettore;

// Starts reading at the stream's read position.
void apriLettore();

// The next word of the statement, or its end, or the end of the scene.
Genere leggiVoce();

// The rest of a string whose opening quote has been read (by prendi): as
// leggiVoce reads a string.
Genere leggiStringaAperta();

// Passes over the rest of the statement, up to and with its `;`, without
// cutting words. False when the scene ends first.
bool passaIstruzione();

// True when the word read is `testo`.
template <std::size_t N>
inline bool voceE(const char (&testo)[N]) {
    return lettore.lunghezza == N - 1 && !lettore.tagliata && std::memcmp(lettore.voce, testo, N - 1) == 0;
}

// Passes over white space and comments up to the next byte of a statement.
// False at the end of the scene.
bool saltaBianchi();

// Takes the word `parola` at once when the unread bytes in view begin with
// it and end a word there, as leggiVoce would end it (white space, `;`, `"`
// or a comment's `//`): true, with the word read. Reads nothing otherwise,
// and then reading a word at a time always serves.
template <std::size_t N>
inline bool prendiParola(const char (&parola)[N]) {
    Lettore& l = lettore;
    if (static_cast<std::size_t>(l.fine - l.p) <= N || l.p[0] != static_cast<unsigned char>(parola[0]) ||
        std::memcmp(l.p, parola, N - 1) != 0)
        return false;
    const unsigned char dopo = l.p[N - 1];
    const bool fine = dopo == ' ' || (dopo >= '\t' && dopo <= '\r') || dopo == ';' || dopo == '"' ||
                      (dopo == '/' && l.p[N] == '/');
    if (!fine) return false;
    l.p += N - 1;
    return true;
}

// Takes the next word at once when it lies whole in view and is the usual
// number (numeroSemplice) ended by white space or a `;`: true with its
// value. Otherwise false, having read nothing but white space: reading a
// word at a time always serves.
bool prendiNumero(float* numero);

// Takes `testa` at once when the unread bytes in view begin with it: true,
// with them read. Reads nothing otherwise (reading a word at a time always
// serves).
template <std::size_t N>
inline bool prendi(const char (&testa)[N]) {
    Lettore& l = lettore;
    if (static_cast<std::size_t>(l.fine - l.p) < N - 1 || l.p[0] != static_cast<unsigned char>(testa[0]) ||
        std::memcmp(l.p, testa, N - 1) != 0)
        return false;
    l.p += N - 1;
    return true;
}

#endif
