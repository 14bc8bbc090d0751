// parseString: the node statement dispatcher, and the per-call scanner state.
#include "interno.h"
#include "scanner.h"

char token[LUNGHEZZA_TOKEN];
float numero;

bool leggiFinoA(Parola a, Parola b) {
    for (;;) {
        if (leggiToken(token) == FINE_FLUSSO) return false;
        if (corrisponde(token, a) || (b != NUMERO_PAROLE && corrisponde(token, b))) return true;
        // A last token glued to the end of the file is still tested above.
        if (fineFlusso()) return false;
    }
}

void scriviNumeroLetto(Proprieta proprieta) {
    leggiNumero(&numero);
    if (nomeluce[0] != '\0') scriviProprieta(nomeluce, proprieta, numero);
}

// The entry token is only ever tested for "createNode"; it cannot change
// during a call (the scanner reads into its own working token), so one test
// on entry stands for every later one.
void parseString(const char* entrata) {
    if (!corrisponde(entrata, CREATE_NODE)) return;
    numero = 0.0f;
    token[0] = '\0';
    // Node start: the shape handler comes back here at a createNode it met
    // while looking for setAttr.
    for (;;) {
        leggiToken(token);  // the node type
        if (corrisponde(token, TRANSFORM)) {
            gestisciTrasformazione();
            return;
        }
        if (!corrisponde(token, SPOT_LIGHT)) break;
        const Ritorno ritorno = gestisciForma();
        if (ritorno == FINE_CHIAMATA) return;
        if (ritorno == SECONDA_CHANCE) break;
    }
    // Second chance: one more token, handed on only if it is a transform.
    leggiToken(token);
    if (corrisponde(token, TRANSFORM)) gestisciTrasformazione();
}
