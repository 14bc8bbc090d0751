// State and steps that the dispatcher and the two light handlers share
// (defined in passi.cpp), and the two handlers the dispatcher calls, with the
// transform handler's first step.
#ifndef MA2D3D_INTERNO_H
#define MA2D3D_INTERNO_H

#include <cstdint>

#include "../output/codice.h"
#include "flusso.h"
#include "parole.h"

// Per call of parseString: the token the scanner read last and the number it
// read last (0 at the start of every call).
extern char token[LUNGHEZZA_TOKEN];
extern float numero;

// Run-wide: the name of the current light (empty before the first light and
// after a transform that is not a light), the number of the next one and the
// tokens read so far in a name look-ahead.
extern char nomeluce[NOME_MASSIMO];
extern std::size_t lunghezzaNome;  // the characters of nomeluce
extern std::uint64_t num_luce;
extern int tries;

// Where a handler hands control back to the dispatcher.
enum Ritorno {
    INIZIO_NODO,     // a createNode that begins the next statement: read its node type
    SECONDA_CHANCE,  // a createNode the shape handler read right after a value
    FINE_CHIAMATA    // the call ends: the statement is done with, or the scene ended
};

// Reads tokens until one matches `a` (or `b`); false when the scene ends first.
bool leggiFinoA(Parola a, Parola b = NUMERO_PAROLE);

// What an attribute statement holds, as leggiAttributo reads it.
enum Attributo {
    VALORI,           // the attribute looked for: its values come next
    ALTRO_ATTRIBUTO,  // another attribute: its name is the current token
    FINE_SCENA        // the scene ended before the value type
};

// Reads the attribute name after a setAttr and, when it is `attributo`, on to
// its value type `tipo`: at once where the scene spells `testa` (built from
// the two) as Maya does, else a token at a time.
inline Attributo leggiAttributo(const Testa& testa, Parola attributo, Parola tipo) {
    if (seguono(token, testa)) return VALORI;
    leggiToken(token);
    if (!corrisponde(token, attributo)) return ALTRO_ATTRIBUTO;
    return leggiFinoA(tipo) ? VALORI : FINE_SCENA;
}

// Reads the token that ends a statement: at once where the scene ends it as
// Maya does, as `testa` (a head of that one token) spells it.
inline void leggiFine(const Testa& testa) {
    if (!seguono(token, testa)) leggiToken(token);
}

// Reads a number and writes it as `proprieta` of the current light; with no
// current light the number is read all the same and nothing is written.
void scriviNumeroLetto(Proprieta proprieta);

// A transform that is not a light ends the current light, so that a shape
// node after it cannot put its values on the light before.
inline void spegni() {
    nomeluce[0] = '\0';
    lunghezzaNome = 0;
}

// The light transform handler past its first step (trasformazione.cpp): the
// name look-ahead read a token at a time, and the light's statements.
MA2D3D_FUORI_LINEA Ritorno trasformazioneLetta();

// The light transform handler: never SECONDA_CHANCE. Its first step, here so
// that the dispatcher takes it without a call: where the block shows the
// name look-ahead's tokens, the usual transform that is not a light is told
// without cutting them out. Its last token, left unread, is no createNode:
// the node search passes over it.
inline Ritorno gestisciTrasformazione() {
    if (nessunaFra(NOME_LUCE, CREATE_NODE, SET_ATTR, 3 - tries)) {
        tries = 0;
        spegni();
        return FINE_CHIAMATA;
    }
    return trasformazioneLetta();
}

// The light shape handler (forma.cpp).
Ritorno gestisciForma();

#endif
