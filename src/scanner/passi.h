// What the dispatcher and the two light handlers share: the per-call working
// token and last number, the run-wide light state, the steps more than one of
// them takes (defined in passi.cpp), and the two handlers the dispatcher
// calls.
#ifndef MA2D3D_PASSI_H
#define MA2D3D_PASSI_H

#include <cstdint>

#include "../output/codice.h"
#include "flusso/flusso.h"
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

// Reads tokens until one matches `a` or `b`; false when the scene ends first.
bool leggiFinoA(const Parola& a, const Parola& b);
inline bool leggiFinoA(const Parola& a) { return leggiFinoA(a, a); }

// What an attribute statement holds, as leggiAttributo reads it.
enum Lettura {
    VALORI,           // the attribute looked for: its values come next
    ALTRO_ATTRIBUTO,  // another attribute: its name is the current token
    FINE_SCENA        // the scene ended before the value type
};

// Reads the attribute name after a setAttr and, when it is the statement's,
// on to its value type: at once where the scene spells the statement's head,
// else a token at a time.
inline Lettura leggiAttributo(const Attributo& attributo) {
    if (prendiTesta(token, attributo.testa)) return VALORI;
    leggiToken(token);
    if (!corrisponde(token, attributo.nome)) return ALTRO_ATTRIBUTO;
    return leggiFinoA(attributo.tipo) ? VALORI : FINE_SCENA;
}

// Reads the token that ends a statement: at once where the scene spells it
// as `fine`, a head of that one token, does.
inline void leggiChiusura(const Testa& fine) {
    if (!prendiTesta(token, fine)) leggiToken(token);
}

// Reads three numbers and writes them as the property `prima` and the two
// after it, then the token that ends the statement (at once where the scene
// ends it as Maya does): the translate's Position, the colour's Diffuse.
void leggiTreValori(Proprieta prima);
static_assert(terna(POSITION_X) && terna(DIFFUSE_R), "the three values of a translate or a colour go to a group of three");

// Reads a number and writes it as `proprieta` of the current light; with no
// current light the number is read all the same and nothing is written.
void scriviNumeroLetto(Proprieta proprieta);

// A transform that is not a light ends the current light, so that a shape
// node after it cannot put its values on the light before.
inline void spegni() {
    nomeluce[0] = '\0';
    lunghezzaNome = 0;
}

// The light transform handler (trasformazione.cpp), entered with the node
// type read and `letti` (0 or 1) of its name look-ahead's tokens read with
// it; never SECONDA_CHANCE.
Ritorno gestisciTrasformazione(int letti);

// The light shape handler (forma.cpp).
Ritorno gestisciForma();

#endif
