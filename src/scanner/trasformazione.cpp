// The light transform handler: tells a light's transform node by its name,
// announces the light, names it, writes its declaration and turns the
// translate and rotate statements that follow into Position and Direction
// lines. A createNode that it reads by itself begins the next statement: it
// hands that on to the dispatcher rather than consume it.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "../comune.h"
#include "../output/formato.h"
#include "passi.h"

namespace {

// Where the handler goes when a test on the current token fails: on to the
// next statement when the token is its createNode, else the call ends.
Ritorno uscita() { return corrisponde(token, CREATE_NODE) ? INIZIO_NODO : FINE_CHIAMATA; }

// Reads past the rest of the statement that the current token begins: tokens
// until one whose stored text ends with ';', the current one first (`rename;`
// is a whole statement). False when a createNode comes first (it stays the
// current token) or the scene ends.
bool leggiOltreIstruzione() {
    for (;;) {
        const std::size_t n = std::strlen(token);
        if (n > 0 && token[n - 1] == ';') return true;
        // A last token glued to the end of the file was tested above.
        if (fineFlusso()) return false;
        if (leggiToken(token) == FINE_FLUSSO) return false;
        if (corrisponde(token, CREATE_NODE)) return false;
    }
}

// Names the light `n`: "spotLight" and the number in decimal, as "%d" writes
// it (no leading zeros or spaces), in nomeluce and lunghezzaNome.
void nomina(std::uint64_t n) {
    static const char TESTA[] = "spotLight";
    std::memcpy(nomeluce, TESTA, sizeof TESTA - 1);
    lunghezzaNome = static_cast<std::size_t>(scriviIntero(nomeluce + sizeof TESTA - 1, n) - nomeluce);
    nomeluce[lunghezzaNome] = '\0';
}

// Reads the next token as an angle: its integer part, as a float, in radians.
float leggiAngolo() {
    leggiToken(token);
    return static_cast<float>(interoDi(token));
}

// Everything after the name look-ahead found the light's name, which is the
// current token. Kept out of line: most transforms are not lights, and their
// path needs none of this.
MA2D3D_FUORI_LINEA Ritorno luceTrovata() {
    std::puts("Trovato un nuovo nodo:");
    std::puts(token);
    nomina(num_luce);
    ++num_luce;
    scriviDichiarazione(nomeluce, lunghezzaNome);

    // Translate: setAttr ".t" -type "double3" x y z ; which newer scenes put
    // after a rename statement, read past here so that the light reads as it
    // would without one.
    leggiToken(token);
    if (corrisponde(token, RENAME)) {
        if (!leggiOltreIstruzione()) return uscita();
        leggiToken(token);
    }
    if (corrisponde(token, SET_ATTR)) {
        const Lettura traslazione = leggiAttributo(TRASLAZIONE);
        if (traslazione == FINE_SCENA) return FINE_CHIAMATA;
        if (traslazione == VALORI) leggiTreValori(POSITION_X);
    }
    // Whichever of the reads above came last, a createNode is the next
    // statement (a light transform with no rotate statement meets its shape).
    if (corrisponde(token, CREATE_NODE)) return INIZIO_NODO;

    // Rotate: the second of the next two tokens must open the statement. As
    // Maya writes a rotate statement after a translate one, it does not.
    if (prendiTesta(token, ROTAZIONE_DOPO)) return FINE_CHIAMATA;
    leggiToken(token);
    if (corrisponde(token, CREATE_NODE)) return INIZIO_NODO;
    leggiToken(token);
    if (!corrisponde(token, SET_ATTR)) return uscita();
    const Lettura rotazione = leggiAttributo(ROTAZIONE);
    if (rotazione == ALTRO_ATTRIBUTO) return uscita();
    if (rotazione == FINE_SCENA) return FINE_CHIAMATA;

    // Direction from the first two angles; the third is never read.
    const float a = leggiAngolo();
    scriviProprieta(nomeluce, lunghezzaNome, DIRECTION_X, std::cos(static_cast<double>(a)));
    scriviProprieta(nomeluce, lunghezzaNome, DIRECTION_Y, std::sin(static_cast<double>(a)));
    const float b = leggiAngolo();
    scriviProprieta(nomeluce, lunghezzaNome, DIRECTION_Z, std::sin(static_cast<double>(b)));
    return FINE_CHIAMATA;
}

}  // namespace

Ritorno gestisciTrasformazione(int letti) {
    // Name look-ahead: at most three tokens, those the dispatcher read with
    // the node type counted, up to the light's name, a createNode or a
    // setAttr. Where the bytes show them all and none is the light's name or
    // a createNode, they are passed over at once: the transform is no light,
    // and the call ends on the last of them, as it would below.
    tries = letti;
    const Sguardo& s = SGUARDO_NOME;
    if (passaTokenSenza(s.nome, s.nodo, s.fine, s.tokens - tries)) {
        tries = 0;
        spegni();
        return FINE_CHIAMATA;
    }
    apriLettura();
    do {
        leggiToken(token);
        ++tries;
    } while (!(tries >= s.tokens || inizia(token, s.nome) || inizia(token, s.nodo) || inizia(token, s.fine)));
    tries = 0;
    if (!corrisponde(token, s.nome)) {
        spegni();
        return uscita();
    }
    return luceTrovata();
}
