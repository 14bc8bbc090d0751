// The light transform handler, past the first step that tells most
// transforms that are not lights in place (interno.h): tells a light's
// transform node by its name, announces the light, names it, writes its
// declaration and turns the translate and rotate statements that follow into
// Position and Direction lines. A createNode that it reads by itself begins
// the next statement: it hands that on to the dispatcher rather than consume
// it.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "../output/formato.h"
#include "interno.h"

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

// Names the light `numero`: "spotLight" and the number in decimal, as "%d"
// writes it (no leading zeros or spaces), in nomeluce and lunghezzaNome.
MA2D3D_FUORI_LINEA void nomina(std::uint64_t numero) {
    static const char TESTA[] = "spotLight";
    std::memcpy(nomeluce, TESTA, sizeof TESTA - 1);
    lunghezzaNome = static_cast<std::size_t>(scriviIntero(nomeluce + sizeof TESTA - 1, numero) - nomeluce);
    nomeluce[lunghezzaNome] = '\0';
}

// Reads the next token as an angle: its integer part, as a float, in radians.
float leggiAngolo() {
    leggiToken(token);
    return static_cast<float>(interoDi(token));
}

}  // namespace

Ritorno trasformazioneLetta() {
    // Tokens are read one at a time from here on.
    apriLettura();
    // Name look-ahead: at most three tokens, up to the light's name, a
    // createNode or a setAttr (one test for the three, on the token's first
    // byte before any comparison).
    constexpr Parole FINE_NOME = insieme(NOME_LUCE) | insieme(CREATE_NODE) | insieme(SET_ATTR);
    do {
        leggiToken(token);
        ++tries;
    } while (!(tries > 2 || corrispondeA(token, FINE_NOME)));
    tries = 0;
    if (!corrisponde(token, NOME_LUCE)) {
        spegni();
        return uscita();
    }

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
        const Attributo traslazione = leggiAttributo(TESTA_TRASLAZIONE, ATTR_TRASLAZIONE, TIPO_DOUBLE3);
        if (traslazione == FINE_SCENA) return FINE_CHIAMATA;
        if (traslazione == VALORI) {
            scriviNumeroLetto(POSITION_X);
            scriviNumeroLetto(POSITION_Y);
            scriviNumeroLetto(POSITION_Z);
            leggiFine(TESTA_FINE_VALORI);
        }
    }
    // Whichever of the reads above came last, a createNode is the next
    // statement (a light transform with no rotate statement meets its shape).
    if (corrisponde(token, CREATE_NODE)) return INIZIO_NODO;

    // Rotate: the second of the next two tokens must open the statement. As
    // Maya writes a rotate statement after a translate one, it does not.
    if (seguono(token, TESTA_ROTAZIONE_DOPO)) return FINE_CHIAMATA;
    leggiToken(token);
    if (corrisponde(token, CREATE_NODE)) return INIZIO_NODO;
    leggiToken(token);
    if (!corrisponde(token, SET_ATTR)) return uscita();
    const Attributo rotazione = leggiAttributo(TESTA_ROTAZIONE, ATTR_ROTAZIONE, TIPO_DOUBLE3);
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
