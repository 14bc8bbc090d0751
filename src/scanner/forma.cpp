// The light shape handler: walks a spot light shape's attribute statements and
// writes its colour, cone angle and penumbra angle under the current light
// name, until the next createNode hands control back to the dispatcher. With
// no current light it reads the same tokens and writes nothing.
#include "interno.h"

Ritorno gestisciForma() {
    for (;;) {
        if (!leggiFinoA(CREATE_NODE, SET_ATTR)) return FINE_CHIAMATA;
        if (corrisponde(token, CREATE_NODE)) return INIZIO_NODO;
        // The three tests run in this order on whatever token is current,
        // each leaving the token after its values current for the next.
        bool colore = seguono(token, TESTA_COLORE);
        if (!colore) {
            leggiToken(token);  // the attribute name
            if (corrisponde(token, ATTR_COLORE)) {
                if (!leggiFinoA(TIPO_FLOAT3)) return FINE_CHIAMATA;
                colore = true;
            }
        }
        if (colore) {
            scriviNumeroLetto(DIFFUSE_R);
            scriviNumeroLetto(DIFFUSE_G);
            scriviNumeroLetto(DIFFUSE_B);
            leggiToken(token);
        }
        if (corrisponde(token, ATTR_CONO)) {
            scriviNumeroLetto(RANGE);
            leggiToken(token);
        }
        if (corrisponde(token, ATTR_PENOMBRA)) {
            scriviNumeroLetto(FALLOFF);
            leggiToken(token);
        }
        if (corrisponde(token, CREATE_NODE)) return SECONDA_CHANCE;
    }
}
