// ma2d3d-luci's driver: the same refusals as ma2d3d's, the scene read whole
// through the shared stream, then the header written to a temporary file
// beside the one named and put in its place in one step. Every failure is
// one line on standard output and exit status 1, a scene too large for the
// memory or for 32-bit indices too.
#include "luci.h"

#include <cstdio>
#include <new>
#include <string>

#include "../driver/messaggi.h"
#include "../driver/piattaforma.h"
#include "../driver/rifiuto.h"
#include "../scanner/flusso/flusso.h"
#include "intestazione.h"
#include "scena.h"

namespace {

const char USO[] = "Uso: ma2d3d-luci scena.ma file_codice";

}  // namespace

int eseguiLuci(int argc, const char* const* argv) {
    if (argc != 3) {
        std::puts(USO);
        return 1;
    }
    const char* percorsoScena = argv[1];
    const char* percorsoCodice = argv[2];
    std::FILE* scenaFile = std::fopen(percorsoScena, "r");
    if (scenaFile == nullptr) return fallisci(NON_APRO, percorsoScena);
    const char* rifiutato;
    const char* messaggio = rifiuto(scenaFile, percorsoScena, percorsoCodice, &rifiutato);
    if (messaggio != nullptr) {
        std::fclose(scenaFile);
        return fallisci(messaggio, rifiutato);
    }

    // The whole scene first: nothing is created before it has been read.
    try {
        leggiScena();
    } catch (const std::bad_alloc&) {
        std::fclose(scenaFile);
        return fallisci(SENZA_MEMORIA, percorsoScena);
    }
    const bool letto = !erroreFlusso();
    std::fclose(scenaFile);
    if (!letto) return fallisci(NON_LEGGO, percorsoScena);
    if (scena.troppi) return fallisci(TROPPI_NODI, percorsoScena);

    const std::string temporaneo = std::string(percorsoCodice) + ".ma2d3d-luci.tmp";
    std::FILE* codice = std::fopen(temporaneo.c_str(), "w");
    if (codice == nullptr) return fallisci(NON_APRO, percorsoCodice);
    bool scritto;
    try {
        scritto = scriviIntestazione(codice, nomeDaPercorso(percorsoCodice)) && std::fflush(codice) == 0 &&
                  !std::ferror(codice);
    } catch (const std::bad_alloc&) {
        std::fclose(codice);
        std::remove(temporaneo.c_str());
        return fallisci(SENZA_MEMORIA, percorsoScena);
    }
    const bool chiuso = std::fclose(codice) == 0;
    if (!scritto || !chiuso || !sostituisciFile(temporaneo.c_str(), percorsoCodice)) {
        std::remove(temporaneo.c_str());
        return fallisci(NON_SCRIVO, percorsoCodice);
    }
    return 0;
}
