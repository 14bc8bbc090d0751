// libFuzzer target: the whole conversion, driver loop included, on the
// fuzzer's bytes as a scene. Besides crashes, sanitizer reports and hangs, it
// stops on a code file that is not the generated code's own shape: every line
// is empty, the banner, or one of the declaration or property lines, and no
// number is ever written as inf or nan.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver/driver.h"
#include "driver/flussi.h"
#include "scanner/flusso.h"
#include "scanner/scanner.h"

namespace {

const char BANNER[] = "// Luci spot Direct3D 9 generate da una scena Maya ASCII\n";

bool iniziaCon(const char* riga, const char* testa) { return std::strncmp(riga, testa, std::strlen(testa)) == 0; }

// One line of the code file, without its line end.
bool rigaValida(const char* riga, std::size_t n) {
    if (n == 0) return true;
    if (std::strstr(riga, "inf") != nullptr || std::strstr(riga, "nan") != nullptr) return false;
    const bool dichiarazione = iniziaCon(riga, "D3DLIGHT9 spotLight") || iniziaCon(riga, "ZeroMemory( &spotLight");
    const bool proprieta = iniziaCon(riga, "spotLight") || riga[0] == '.';
    return (dichiarazione || proprieta) && riga[n - 1] == ';';
}

void controllaCodice(char* codice, std::size_t lunghezza) {
    if (lunghezza < sizeof BANNER - 1 || std::memcmp(codice, BANNER, sizeof BANNER - 1) != 0) std::abort();
    char* riga = codice + sizeof BANNER - 1;
    char* fine = codice + lunghezza;
    while (riga < fine) {
        char* a_capo = static_cast<char*>(std::memchr(riga, '\n', static_cast<std::size_t>(fine - riga)));
        if (a_capo == nullptr) std::abort();  // every line is ended
        *a_capo = '\0';
        if (!rigaValida(riga, static_cast<std::size_t>(a_capo - riga))) std::abort();
        riga = a_capo + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    std::FILE* scena = std::tmpfile();
    if (scena == nullptr) return 0;
    if (n > 0) std::fwrite(dati, 1, n, scena);
    std::rewind(scena);

    char* codice = nullptr;
    std::size_t lunghezza = 0;
    fileX = open_memstream(&codice, &lunghezza);
    fileMA = scena;
    std::fputs(BANNER, fileX);
    azzeraLuci();
    // Odd sizes read in tiny blocks, so block edges land inside tokens too.
    impostaBlocco(n % 2 == 1 ? 16 + n % 48 : 1 << 17);
    apriFlusso(fileMA);
    if (convertiScena("fuzz.ma", "fuzz.cpp") != 0) std::abort();
    controllaCodice(codice, lunghezza);
    std::free(codice);
    return 0;
}
