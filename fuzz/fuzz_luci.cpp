// libFuzzer target for ma2d3d-luci's statement reader and scene: any bytes
// as a scene, read with blocks of 16 bytes and of the full size; both must
// give the same header, and it must be whole: the banner, one initialiser per
// name, the count, the names.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "luci/intestazione.h"
#include "luci/scena.h"
#include "scanner/flusso/flusso.h"

namespace {

std::string leggi(const std::uint8_t* dati, std::size_t n, std::size_t blocco) {
    std::FILE* scena = std::tmpfile();
    if (scena == nullptr) std::abort();
    if (n > 0) std::fwrite(dati, 1, n, scena);
    std::rewind(scena);
    impostaBlocco(blocco);
    apriFlusso(scena);
    leggiScena();
    std::fclose(scena);
    char* testo = nullptr;
    std::size_t lunghezza = 0;
    std::FILE* codice = open_memstream(&testo, &lunghezza);
    if (!scriviIntestazione(codice, "luci")) std::abort();
    std::fclose(codice);
    std::string s(testo, lunghezza);
    std::free(testo);
    return s;
}

std::size_t conta(const std::string& s, const char* parte) {
    std::size_t n = 0;
    for (std::size_t i = s.find(parte); i != std::string::npos; i = s.find(parte, i + 1)) ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The console lines are of no interest here.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n) {
    const std::string a = leggi(dati, n, 16);
    const std::string b = leggi(dati, n, std::size_t{1} << 17);
    if (a != b) {
        std::fprintf(stderr, "headers differ between block sizes:\n%s\n---\n%s\n", a.c_str(), b.c_str());
        std::abort();
    }
    static const char BANNER[] = "/* Luci Direct3D 9 generate da una scena Maya ASCII, in coordinate del mondo */\n";
    if (a.compare(0, sizeof BANNER - 1, BANNER) != 0) std::abort();
    const std::size_t luci = conta(a, "\n    { /* ");
    static const char CONTO[] = "\n};\nstatic const unsigned luci_numero = ";
    const std::size_t dove = a.rfind(CONTO);
    if (dove == std::string::npos) std::abort();
    const std::size_t dichiarato = std::strtoul(a.c_str() + dove + sizeof CONTO - 1, nullptr, 10);
    if (luci != dichiarato) std::abort();
    if (a.size() < 3 || a.compare(a.size() - 3, 3, "};\n") != 0) std::abort();
    return 0;
}
