// libFuzzer target: the whole conversion, driver loop included, on the
// fuzzer's bytes as a scene, done twice: by the converter on the block reader,
// with a block size taken from the input, and by the same converter on the
// simple reader. The two must give the same exit status, code file and
// console, byte for byte. Besides that, crashes, sanitizer reports and hangs,
// it stops on a code file that is not the generated code's own shape: every
// line is empty, the banner, or one of the declaration or property lines, each
// beginning with a light's name (never a bare ".Range = ..."), and no number
// is ever written as inf or nan.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver/driver.h"
#include "driver/flussi.h"
#include "output/codice.h"
#include "scanner/flusso/flusso.h"
#include "scanner/scanner.h"
#include "semplice.h"  // the converter on the simple reader, in namespace semplice

namespace {

const char BANNER[] = "// Luci spot Direct3D 9 generate da una scena Maya ASCII\n";

bool iniziaCon(const char* riga, const char* testa) { return std::strncmp(riga, testa, std::strlen(testa)) == 0; }

// One line of the code file, without its line end.
bool rigaValida(const char* riga, std::size_t n) {
    if (n == 0) return true;
    if (std::strstr(riga, "inf") != nullptr || std::strstr(riga, "nan") != nullptr) return false;
    const bool dichiarazione = iniziaCon(riga, "D3DLIGHT9 spotLight") || iniziaCon(riga, "ZeroMemory( &spotLight");
    const bool proprieta = iniziaCon(riga, "spotLight");
    return (dichiarazione || proprieta) && riga[n - 1] == ';';
}

void controllaCodice(std::string codice) {
    if (codice.compare(0, sizeof BANNER - 1, BANNER) != 0) std::abort();
    std::size_t riga = sizeof BANNER - 1;
    while (riga < codice.size()) {
        const std::size_t a_capo = codice.find('\n', riga);
        if (a_capo == std::string::npos) std::abort();  // every line is ended
        codice[a_capo] = '\0';
        if (!rigaValida(codice.c_str() + riga, a_capo - riga)) std::abort();
        riga = a_capo + 1;
    }
}

struct Esito {
    int stato;
    std::string codice;
    std::string console;
};

std::FILE* scenaDi(const std::uint8_t* dati, std::size_t n) {
    std::FILE* scena = std::tmpfile();
    if (scena == nullptr) std::abort();
    if (n > 0) std::fwrite(dati, 1, n, scena);
    std::rewind(scena);
    return scena;
}

// Runs one conversion with standard output sent to a scratch file, and
// returns what it wrote there.
template <typename Conversione>
Esito converti(Conversione conversione) {
    static int console = -1;
    if (console < 0) {
        std::FILE* f = std::tmpfile();
        if (f == nullptr) std::abort();
        console = dup(fileno(f));
    }
    std::fflush(stdout);
    const int salvato = dup(1);
    if (ftruncate(console, 0) != 0 || lseek(console, 0, SEEK_SET) != 0 || dup2(console, 1) < 0) std::abort();
    Esito esito;
    esito.stato = conversione(esito.codice);
    std::fflush(stdout);
    dup2(salvato, 1);
    close(salvato);
    char pezzo[4096];
    for (off_t da = 0;;) {
        const ssize_t letti = pread(console, pezzo, sizeof pezzo, da);
        if (letti <= 0) break;
        esito.console.append(pezzo, static_cast<std::size_t>(letti));
        da += letti;
    }
    return esito;
}

// The code file's text, once the conversion has closed its stream.
template <typename Corpo>
int suMemoria(std::FILE*& destinazione, std::string& codice, Corpo corpo) {
    char* testo = nullptr;
    std::size_t lunghezza = 0;
    destinazione = open_memstream(&testo, &lunghezza);
    const int stato = corpo();
    codice.assign(testo, lunghezza);
    std::free(testo);
    return stato;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    // An odd first byte asks for small blocks, so that block edges fall
    // inside tokens and numbers.
    const std::size_t blocco = n > 0 && (dati[0] & 1) ? 16 + dati[0] / 2 : std::size_t{1} << 17;
    const Esito a = converti([&](std::string& codice) {
        return suMemoria(fileX, codice, [&] {
            azzeraLuci();
            impostaBlocco(blocco);
            fileMA = scenaDi(dati, n);
            apriFlusso(fileMA);
            apriUscita(fileX);
            scriviBanner();
            return convertiScena("fuzz.ma", "fuzz.cpp");
        });
    });
    const Esito b = converti([&](std::string& codice) {
        return suMemoria(semplice::fileX, codice, [&] {
            semplice::azzeraLuci();
            semplice::fileMA = scenaDi(dati, n);
            semplice::apriFlusso(semplice::fileMA);
            semplice::apriUscita(semplice::fileX);
            semplice::scriviBanner();
            return semplice::convertiScena("fuzz.ma", "fuzz.cpp");
        });
    });
    if (a.stato != 0 || b.stato != 0) std::abort();
    if (a.codice != b.codice) {
        std::fprintf(stderr, "code files differ (block %zu):\n--- block reader\n%s\n--- simple reader\n%s\n", blocco,
                     a.codice.c_str(), b.codice.c_str());
        std::abort();
    }
    if (a.console != b.console) {
        std::fprintf(stderr, "consoles differ (block %zu)\n", blocco);
        std::abort();
    }
    controllaCodice(a.codice);
    return 0;
}
