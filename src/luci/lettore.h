// The statement reader: the scene as MEL statements over the shared token
// stream's bytes. A statement ends at a `;` outside a string; strings are
// double-quoted with backslash escapes; `//` begins a comment to the end of
// the line; a statement may span lines. Words are cut here; what the
// statements mean is the scene's (scena.h).
#ifndef MA2D3D_LUCI_LETTORE_H
#define MA2D3D_LUCI_LETTORE_H

#include <cstddef>
#include <cstdint>
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

// The same for a string that is usually a few bytes (an attribute's name):
// its end looked for a byte at a time in the first eight, and only past
// them as leggiStringaAperta looks.
Genere leggiStringaBreve();

// Passes over the rest of the statement, up to and with its `;`, without
// cutting words. False when the scene ends first.
bool passaIstruzione();

// True when the M bytes at `p` are those of `s`: compared eight or four at
// a time, the last group overlapping the one before, so that comparing a
// keyword costs a load or two and no call.
template <std::size_t M>
inline bool stessiByte(const void* p, const char* s) {
    const unsigned char* a = static_cast<const unsigned char*>(p);
    if constexpr (M >= 8) {
        std::uint64_t x, y;
        for (std::size_t i = 0; i + 8 <= M; i += 8) {
            std::memcpy(&x, a + i, 8);
            std::memcpy(&y, s + i, 8);
            if (x != y) return false;
        }
        std::memcpy(&x, a + M - 8, 8);
        std::memcpy(&y, s + M - 8, 8);
        return x == y;
    } else if constexpr (M >= 4) {
        std::uint32_t x, y, z, w;
        std::memcpy(&x, a, 4);
        std::memcpy(&y, s, 4);
        std::memcpy(&z, a + M - 4, 4);
        std::memcpy(&w, s + M - 4, 4);
        return x == y && z == w;
    } else {
        for (std::size_t i = 0; i < M; ++i)
            if (a[i] != static_cast<unsigned char>(s[i])) return false;
        return true;
    }
}

// True when the word read is `testo`.
template <std::size_t N>
inline bool voceE(const char (&testo)[N]) {
    return lettore.lunghezza == N - 1 && !lettore.tagliata && stessiByte<N - 1>(lettore.voce, testo);
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
        !stessiByte<N - 1>(l.p, parola))
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
        !stessiByte<N - 1>(l.p, testa))
        return false;
    l.p += N - 1;
    return true;
}

#endif
