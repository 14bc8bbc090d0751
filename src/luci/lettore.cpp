// The statement reader over the stream's bytes: words, strings, comments and
// statement ends, and the fast pass over a statement nobody reads (a mesh's
// vertex list), which looks only at `;`, `/` and escapes, sixty-four bytes
// at a time. Bytes are read straight from the stream's view of its block,
// and a word that lies whole in the view is left there; the stream learns
// how many bytes were read when the view is used up.
#include "lettore.h"

#include <cstring>

#include "../scanner/flusso/flusso.h"

Lettore lettore;

namespace {

// What a byte is to the reader.
enum Classe : unsigned char { DI_PAROLA, BIANCO, PUNTO_E_VIRGOLA, VIRGOLETTE, BARRA };

struct Classi {
    Classe di[256];
};
constexpr Classi classi() {
    Classi c{};
    for (int i = 0; i < 256; ++i) c.di[i] = DI_PAROLA;
    c.di[static_cast<unsigned char>(' ')] = BIANCO;
    for (int i = '\t'; i <= '\r'; ++i) c.di[i] = BIANCO;
    c.di[static_cast<unsigned char>(';')] = PUNTO_E_VIRGOLA;
    c.di[static_cast<unsigned char>('"')] = VIRGOLETTE;
    c.di[static_cast<unsigned char>('/')] = BARRA;
    return c;
}
constexpr Classi CLASSI = classi();

// True when a byte is in view, fetching the next view once this one is used
// up; false at the end of the scene.
bool inVista() {
    Lettore& l = lettore;
    if (l.p != l.fine) return true;
    passaByte(static_cast<std::size_t>(l.fine - l.inizio));
    const std::size_t n = vediByte(&l.inizio);
    l.p = l.inizio;
    l.fine = l.inizio + n;
    return n > 0;
}

// The next unread byte, or -1 at the end of the scene.
int guarda() { return inVista() ? *lettore.p : -1; }

void aggiungi(int c) {
    Lettore& l = lettore;
    if (l.lunghezza < VOCE_MASSIMA) {
        l.testo[l.lunghezza++] = static_cast<char>(c);
    } else {
        l.tagliata = true;
    }
}

// Passes over a comment, its two slashes read, up to its line's end.
void passaCommento() {
    Lettore& l = lettore;
    while (inVista()) {
        const void* a_capo = std::memchr(l.p, '\n', static_cast<std::size_t>(l.fine - l.p));
        if (a_capo != nullptr) {
            l.p = static_cast<const unsigned char*>(a_capo);
            return;
        }
        l.p = l.fine;
    }
}

// At a `/`: reads it, and true when another follows and the comment they
// begin has been passed over.
bool commento() {
    ++lettore.p;
    if (guarda() == '/') {
        ++lettore.p;
        passaCommento();
        return true;
    }
    return false;
}

// Appends the bytes from the read position up to `q` to the word, as many
// as it holds, and reads them.
void prendiFinoA(const unsigned char* q) {
    Lettore& l = lettore;
    const std::size_t n = static_cast<std::size_t>(q - l.p);
    const std::size_t posto = VOCE_MASSIMA - l.lunghezza;
    if (n > posto) l.tagliata = true;
    std::memcpy(l.testo + l.lunghezza, l.p, n < posto ? n : posto);
    l.lunghezza += n < posto ? n : posto;
    l.p = q;
}

// The bytes of a word up to one that is not of a word, taken a view at a
// time.
void leggiParola() {
    Lettore& l = lettore;
    for (;;) {
        if (!inVista()) return;
        const unsigned char* q = l.p + fineParola(l.p, static_cast<std::size_t>(l.fine - l.p));
        prendiFinoA(q);
        if (q == l.fine) continue;
        if (*q != '/') return;
        if (commento()) return;  // a comment ends the word
        aggiungi('/');
    }
}

}  // namespace

void apriLettore() {
    lettore.inizio = lettore.p = lettore.fine = nullptr;
    lettore.voce = lettore.testo;
    lettore.lunghezza = 0;
}

bool prendiNumero(float* numero) {
    Lettore& l = lettore;
    while (l.p != l.fine && (*l.p == ' ' || *l.p == '\t')) ++l.p;
    float valore;
    const char* fine = numeroSemplice(reinterpret_cast<const char*>(l.p), reinterpret_cast<const char*>(l.fine), &valore);
    if (fine == nullptr || fine == reinterpret_cast<const char*>(l.fine)) return false;
    const unsigned char dopo = static_cast<unsigned char>(*fine);
    if (CLASSI.di[dopo] != BIANCO && dopo != ';') return false;
    l.p = reinterpret_cast<const unsigned char*>(fine);
    *numero = valore;
    return true;
}

bool saltaBianchi() {
    Lettore& l = lettore;
    for (;;) {
        if (!inVista()) return false;
        const Classe c = CLASSI.di[*l.p];
        if (c == BIANCO) {
            ++l.p;
        } else if (c != BARRA || l.fine - l.p < 2 || l.p[1] != '/') {
            return true;
        } else {
            l.p += 2;
            passaCommento();
        }
    }
}

Genere leggiStringaAperta() {
    Lettore& l = lettore;
    l.lunghezza = 0;
    l.tagliata = false;
    l.voce = l.testo;
    // The usual string: closed in view, with no escape.
    const unsigned char* q = l.p + primoDiTre(l.p, static_cast<std::size_t>(l.fine - l.p), '"', '\\', '"');
    if (q != l.fine && *q == '"') {
        l.voce = reinterpret_cast<const char*>(l.p);
        l.lunghezza = static_cast<std::size_t>(q - l.p);
        l.p = q + 1;
        return STRINGA;
    }
    // Any other: up to the closing quote, a view at a time; an escaped byte
    // is taken as it is.
    while (inVista()) {
        q = l.p + primoDiTre(l.p, static_cast<std::size_t>(l.fine - l.p), '"', '\\', '"');
        prendiFinoA(q);
        if (q == l.fine) continue;
        ++l.p;
        if (*q == '"') break;
        if (!inVista()) break;
        aggiungi(*l.p++);
    }
    return STRINGA;
}

Genere leggiStringaBreve() {
    Lettore& l = lettore;
    const unsigned char* q = l.p;
    const unsigned char* const breve = l.fine - l.p > 8 ? l.p + 8 : l.p;
    while (q != breve && *q != '"' && *q != '\\') ++q;
    if (q == breve || *q != '"') return leggiStringaAperta();
    l.voce = reinterpret_cast<const char*>(l.p);
    l.lunghezza = static_cast<std::size_t>(q - l.p);
    l.tagliata = false;
    l.p = q + 1;
    return STRINGA;
}

Genere leggiVoce() {
    Lettore& l = lettore;
    l.lunghezza = 0;
    l.tagliata = false;
    l.voce = l.testo;
    for (;;) {
        if (!inVista()) return FINE_SCENA;
        const Classe c = CLASSI.di[*l.p];
        if (c == BIANCO) {
            ++l.p;
            continue;
        }
        if (c == PUNTO_E_VIRGOLA) {
            ++l.p;
            return FINE_ISTRUZIONE;
        }
        if (c == VIRGOLETTE) {
            ++l.p;
            return leggiStringaAperta();
        }
        if (c == DI_PAROLA) {
            // The usual word: ended in view by a byte that is not a slash.
            const unsigned char* q = l.p + fineParola(l.p, static_cast<std::size_t>(l.fine - l.p));
            if (q != l.fine && *q != '/') {
                l.voce = reinterpret_cast<const char*>(l.p);
                l.lunghezza = static_cast<std::size_t>(q - l.p);
                l.p = q;
                return PAROLA;
            }
        } else if (commento()) {  // a slash
            continue;
        } else {
            aggiungi('/');  // a lone slash begins a word
        }
        leggiParola();
        return PAROLA;
    }
}

bool passaIstruzione() {
    Lettore& l = lettore;
    bool dentro = false;  // inside a string
    for (;;) {
        if (!inVista()) return false;
        l.p += primoInIstruzione(l.p, static_cast<std::size_t>(l.fine - l.p), &dentro);
        if (l.p == l.fine) continue;
        const unsigned char c = *l.p++;
        if (c == ';') return true;
        if (c == '/') {
            if (guarda() == '/') {
                ++l.p;
                passaCommento();
            }
            continue;
        }
        // A `\` in a string: the byte it escapes is text.
        if (!inVista()) return false;
        ++l.p;
    }
}
