// The light shape handler: walks a spot light shape's attribute statements and
// writes its colour, cone angle and penumbra angle under the current light
// name, until the next createNode hands control back to the dispatcher. With
// no current light it reads the same tokens and writes nothing.
#include "passi.h"

Ritorno gestisciForma() {
    for (;;) {
        if (!leggiFinoA(CREATE_NODE, SET_ATTR)) return FINE_CHIAMATA;
        if (corrisponde(token, CREATE_NODE)) return INIZIO_NODO;
        // A visibility statement fails the three tests below, and its tokens
        // the read-until: taken at once, it leaves its last token current.
        if (prendiTesta(token, VISIBILITA)) continue;
        // The three tests run in this order on whatever token is current,
        // each leaving the token after its values current for the next.
        const Lettura colore = leggiAttributo(COLORE);
        if (colore == FINE_SCENA) return FINE_CHIAMATA;
        if (colore == VALORI) leggiTreValori(DIFFUSE_R);
        if (corrisponde(token, ATTR_CONO)) {
            scriviNumeroLetto(RANGE);
            leggiChiusura(CHIUDE_NUMERO);
        }
        if (corrisponde(token, ATTR_PENOMBRA)) {
            scriviNumeroLetto(FALLOFF);
            leggiChiusura(CHIUDE_NUMERO);
        }
        if (corrisponde(token, CREATE_NODE)) return SECONDA_CHANCE;
    }
}
