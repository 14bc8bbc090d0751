// parseString: the node statement dispatcher. It reads a node statement's
// type and hands the statement to the light handlers, which hand the next
// statement back when they meet its createNode; a whole run of statements
// is then handled in one call, without recursion.
#include "passi.h"
#include "scanner.h"

namespace {

// Node start: the type after a createNode, handed to its handler.
Ritorno inizioNodo() {
    // The type and the flag after it, as Maya writes them: the flag is the
    // first token of the transform handler's name look-ahead, and it is not
    // what the shape handler reads up to.
    if (prendiTesta(token, NODO_TRASFORMAZIONE.testa)) return gestisciTrasformazione(1);
    // Every other node reads on a token at a time.
    apriLettura();
    if (prendiTesta(token, NODO_FORMA.testa)) return gestisciForma();
    leggiToken(token);
    if (corrisponde(token, NODO_TRASFORMAZIONE.tipo)) return gestisciTrasformazione(0);
    if (corrisponde(token, NODO_FORMA.tipo)) return gestisciForma();
    return SECONDA_CHANCE;
}

// Second chance: one more token, handed on only if it is a transform.
Ritorno secondaChance() {
    leggiToken(token);
    if (corrisponde(token, NODO_TRASFORMAZIONE.tipo)) return gestisciTrasformazione(0);
    return FINE_CHIAMATA;
}

}  // namespace

// The entry token is only ever tested for "createNode"; it cannot change
// during a call (the scanner reads into its own working token), so one test
// on entry stands for every later one.
void parseString(const char* entrata) {
    if (!corrisponde(entrata, CREATE_NODE)) return;
    numero = 0.0f;
    token[0] = '\0';
    for (Ritorno ritorno = INIZIO_NODO; ritorno != FINE_CHIAMATA;)
        ritorno = ritorno == INIZIO_NODO ? inizioNodo() : secondaChance();
}

int leggiInizioNodo(char* stringa) { return leggiTokenCon(stringa, CREATE_NODE); }
