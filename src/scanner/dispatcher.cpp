// parseString: the node statement dispatcher.
#include "interno.h"
#include "scanner.h"

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
