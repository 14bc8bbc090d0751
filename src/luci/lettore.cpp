// The statement reader over the stream's bytes: words, strings, comments and
// statement ends, and the fast pass over a statement nobody reads (a mesh's
// vertex list), which looks only for `;`, `"` and `/` sixteen bytes at a
// time.
#include "lettore.h"

#include <cstring>

#include "../scanner/flusso/flusso.h"

Lettore lettore;

namespace {

// The next unread byte, fetching more where the bytes seen are used up;
// -1 at the end of the scene.
int guarda() {
    Lettore& l = lettore;
    if (l.p == l.fine) {
        const unsigned char* inizio;
        const std::size_t n = vediByte(&inizio);
        if (n == 0) return -1;
        l.p = inizio;
        l.fine = inizio + n;
    }
    return *l.p;
}

// Consumes the byte guarda() gave.
void avanza() {
    ++lettore.p;
    passaByte(1);
}

bool bianco(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

void aggiungi(int c) {
    Lettore& l = lettore;
    if (l.lunghezza < VOCE_MASSIMA) {
        l.testo[l.lunghezza++] = static_cast<char>(c);
    } else {
        l.tagliata = true;
    }
}

// Passes over a comment, its two slashes consumed, up to its line's end.
void passaCommento() {
    for (int c = guarda(); c >= 0 && c != '\n'; c = guarda()) avanza();
}

// True when the byte after the current `/` is another: a comment begins.
// Consumes the first slash either way.
bool commento() {
    avanza();
    if (guarda() == '/') {
        avanza();
        passaCommento();
        return true;
    }
    return false;
}

}  // namespace

void apriLettore() {
    lettore.p = lettore.fine = nullptr;
    lettore.lunghezza = 0;
    lettore.testo[0] = '\0';
}

bool voceE(const char* testo) {
    return !lettore.tagliata && std::strlen(testo) == lettore.lunghezza &&
           std::memcmp(lettore.testo, testo, lettore.lunghezza) == 0;
}

Genere leggiVoce() {
    Lettore& l = lettore;
    l.lunghezza = 0;
    l.tagliata = false;
    l.testo[0] = '\0';
    int c = guarda();
    for (;;) {
        while (c >= 0 && bianco(c)) {
            avanza();
            c = guarda();
        }
        if (c != '/') break;
        if (!commento()) {  // a lone slash begins a word
            aggiungi('/');
            c = guarda();
            break;
        }
        c = guarda();
    }
    if (c < 0) return l.lunghezza > 0 ? (l.testo[l.lunghezza] = '\0', PAROLA) : FINE_SCENA;
    if (l.lunghezza == 0 && c == ';') {
        avanza();
        return FINE_ISTRUZIONE;
    }
    if (l.lunghezza == 0 && c == '"') {
        avanza();
        for (c = guarda(); c >= 0 && c != '"'; c = guarda()) {
            avanza();
            if (c == '\\') {
                c = guarda();
                if (c < 0) break;
                avanza();
            }
            aggiungi(c);
        }
        if (c == '"') avanza();
        l.testo[l.lunghezza] = '\0';
        return STRINGA;
    }
    while (c >= 0 && !bianco(c) && c != ';' && c != '"') {
        if (c == '/') {
            avanza();
            if (guarda() == '/') {  // a comment ends the word
                avanza();
                passaCommento();
                break;
            }
            aggiungi('/');
        } else {
            aggiungi(c);
            avanza();
        }
        c = guarda();
    }
    l.testo[l.lunghezza] = '\0';
    return PAROLA;
}

bool passaIstruzione() {
    Lettore& l = lettore;
    for (;;) {
        if (guarda() < 0) return false;
        const std::size_t n = static_cast<std::size_t>(l.fine - l.p);
        const std::size_t i = primoDiTre(l.p, n, ';', '"', '/');
        l.p += i;
        passaByte(i);
        if (i == n) continue;
        const int c = *l.p;
        avanza();
        if (c == ';') return true;
        if (c == '/') {
            if (guarda() == '/') {
                avanza();
                passaCommento();
            }
            continue;
        }
        // A string: up to its closing quote, passing over escapes.
        for (;;) {
            if (guarda() < 0) return false;
            const std::size_t m = static_cast<std::size_t>(l.fine - l.p);
            const std::size_t j = primoDiTre(l.p, m, '"', '\\', '"');
            l.p += j;
            passaByte(j);
            if (j == m) continue;
            const int d = *l.p;
            avanza();
            if (d == '"') break;
            if (guarda() < 0) return false;
            avanza();  // the escaped byte
        }
    }
}
