// The state and the steps the dispatcher and the two light handlers share:
// the per-call working token and last number, the run-wide light state, the
// read-until, and numbers read into property lines of the current light.
// The handlers call these; nothing here calls back into them.
#include "passi.h"

#include "scanner.h"

char token[LUNGHEZZA_TOKEN];
float numero;

char nomeluce[NOME_MASSIMO];  // "spotLight" and the 20 digits of any 64-bit number fit
std::size_t lunghezzaNome = 0;
std::uint64_t num_luce = 1;
int tries = 0;

void azzeraLuci() {
    spegni();
    num_luce = 1;
    tries = 0;
}

bool leggiFinoA(const Parola& a, const Parola& b) {
    for (;;) {
        if (leggiToken(token) == FINE_FLUSSO) return false;
        if (inizia(token, a) || inizia(token, b)) return true;
        // A last token glued to the end of the file is still tested above.
        if (fineFlusso()) return false;
    }
}

void scriviNumeroLetto(Proprieta proprieta) {
    leggiNumero(&numero);
    if (nomeluce[0] != '\0') scriviProprieta(nomeluce, lunghezzaNome, proprieta, numero);
}

void leggiTreValori(Proprieta prima) {
    scriviNumeroLetto(prima);
    scriviNumeroLetto(static_cast<Proprieta>(prima + 1));
    scriviNumeroLetto(static_cast<Proprieta>(prima + 2));
    leggiChiusura(CHIUDE_VALORI);
}
