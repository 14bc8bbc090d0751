// The conversion driver: checks and opens the two files, hands the code file
// to the writer (which writes the banner and every line), hands the scene's
// tokens to the scanner and closes the files. Every failure is one line on
// standard output and exit status 1.
#include "driver.h"

#include <cstdio>
#include <cstring>

#include "../output/codice.h"
#include "../scanner/flusso/flusso.h"
#include "../scanner/scanner.h"
#include "flussi.h"
#include "messaggi.h"
#include "piattaforma.h"
#include "rifiuto.h"

std::FILE* fileMA = nullptr;
std::FILE* fileX = nullptr;
int fd = -1;
char stringa[LUNGHEZZA_TOKEN];

namespace {

const char USO[] = "Uso: ma2d3d scena.ma file_codice";

}  // namespace

int esegui(int argc, const char* const* argv) {
    // Exactly two paths: a third would be taken for nothing, while the second,
    // the code file, is overwritten (`ma2d3d *.ma luci.cpp`).
    if (argc != 3) {
        std::puts(USO);
        return 1;
    }
    const char* percorsoScena = argv[1];
    const char* percorsoCodice = argv[2];

    fileMA = std::fopen(percorsoScena, "r");
    if (fileMA == nullptr) return fallisci(NON_APRO, percorsoScena);
    const char* rifiutato;
    const char* messaggio = rifiuto(fileMA, percorsoScena, percorsoCodice, &rifiutato);
    if (messaggio != nullptr) {
        std::fclose(fileMA);
        return fallisci(messaggio, rifiutato);
    }

    fd = creaFile(percorsoCodice);
    chiudiFile(fd);
    fileX = std::fopen(percorsoCodice, "w");
    if (fileX == nullptr) {
        std::fclose(fileMA);
        return fallisci(NON_APRO, percorsoCodice);
    }
    // The writer takes the code file from here on, and writes the banner.
    apriUscita(fileX);
    if (!scriviBanner()) {
        std::fclose(fileMA);
        std::fclose(fileX);
        return fallisci(NON_SCRIVO, percorsoCodice);
    }
    return convertiScena(percorsoScena, percorsoCodice);
}

int convertiScena(const char* percorsoScena, const char* percorsoCodice) {
    // Only tokens that begin with "createNode" can start a node statement;
    // the stream passes over every other one for the scanner. A token that
    // ends at the very end of the file is not handed on.
    while (leggiInizioNodo(stringa) == 1 && !fineFlusso()) parseString(stringa);

    const bool letto = !erroreFlusso();
    std::fclose(fileMA);
    const bool scritto = svuotaUscita() && std::fflush(fileX) == 0 && !std::ferror(fileX);
    const bool chiuso = std::fclose(fileX) == 0;
    fileMA = fileX = nullptr;
    if (!letto) return fallisci(NON_LEGGO, percorsoScena);
    if (!scritto || !chiuso) return fallisci(NON_SCRIVO, percorsoCodice);
    return 0;
}
