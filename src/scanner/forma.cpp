// The light shape handler: walks a spot light shape's attribute statements and
// writes its colour, cone angle and penumbra angle under the current light
// name, until the next createNode hands control back to the dispatcher. With
// no current light it reads the same tokens and writes nothing.
#include "interno.h"

Ritorno gestisciForma() {
    for (;;) {
        if (!leggiFinoA(CREATE_NODE, SET_ATTR)) return FINE_CHIAMATA;
        if (corrisponde(token, CREATE_NODE)) return INIZIO_NODO;
        // A visibility statement fails the three tests below, and its tokens
        // the read-until: taken at once, it leaves its last token current.
        if (seguono(token, TESTA_VISIBILITA)) continue;
        // The three tests run in this order on whatever token is current,
        // each leaving the token after its values current for the next.
        const Attributo colore = leggiAttributo(TESTA_COLORE, ATTR_COLORE, TIPO_FLOAT3);
        if (colore == FINE_SCENA) return FINE_CHIAMATA;
        if (colore == VALORI) {
            scriviNumeroLetto(DIFFUSE_R);
            scriviNumeroLetto(DIFFUSE_G);
            scriviNumeroLetto(DIFFUSE_B);
            leggiFine(TESTA_FINE_VALORI);
        }
        if (corrisponde(token, ATTR_CONO)) {
            scriviNumeroLetto(RANGE);
            leggiFine(TESTA_FINE_NUMERO);
        }
        if (corrisponde(token, ATTR_PENOMBRA)) {
            scriviNumeroLetto(FALLOFF);
            leggiFine(TESTA_FINE_NUMERO);
        }
        if (corrisponde(token, CREATE_NODE)) return SECONDA_CHANCE;
    }
}
