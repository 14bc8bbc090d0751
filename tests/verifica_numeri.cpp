// Checks that the code writer formats numbers exactly as printf("%f") does:
// every float (as a float and widened to double, the two ways the converter
// writes them) or a sample, and random doubles of every exponent.
// usage: verifica_numeri tutti      all 2^32 float bit patterns (minutes)
//        verifica_numeri campione   every exponent and sign, the mantissa's
//                                   edges and 4096 random mantissas each, and
//                                   a million random doubles
#include <atomic>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "output/formato.h"

namespace {

std::atomic<std::uint64_t> provati{0};
std::atomic<std::uint64_t> diversi{0};

void confronta(double v) {
    char nostro[NUMERO_MASSIMO + 1];
    char atteso[NUMERO_MASSIMO + 1];
    *scriviNumero(nostro, v) = '\0';
    std::snprintf(atteso, sizeof atteso, "%f", v);
    if (std::strcmp(nostro, atteso) != 0 && diversi++ < 20)
        std::printf("differs: %a gives %s, printf %s\n", v, nostro, atteso);
    // A value a float holds goes through the float writer too, as the
    // scene's numbers do.
    const float f = static_cast<float>(v);
    if (std::isnan(v) || static_cast<double>(f) == v) {
        *scriviNumero(nostro, f) = '\0';
        if (std::strcmp(nostro, atteso) != 0 && diversi++ < 20)
            std::printf("differs as a float: %a gives %s, printf %s\n", v, nostro, atteso);
    }
}

double daBit(std::uint32_t bit) {
    float f;
    std::memcpy(&f, &bit, sizeof f);
    return static_cast<double>(f);
}

void tutti() {
    const unsigned fili = std::thread::hardware_concurrency() > 1 ? std::thread::hardware_concurrency() : 1;
    std::vector<std::thread> lavoratori;
    for (unsigned t = 0; t < fili; ++t)
        lavoratori.emplace_back([t, fili] {
            std::uint64_t n = 0;
            for (std::uint64_t b = t; b <= 0xffffffffu; b += fili, ++n) confronta(daBit(static_cast<std::uint32_t>(b)));
            provati += n;
        });
    for (std::thread& l : lavoratori) l.join();
}

void campione() {
    std::mt19937_64 rng(20261207);
    const std::uint32_t bordi[] = {0, 1, 2, 3, 0x3fffff, 0x400000, 0x400001, 0x7ffffe, 0x7fffff};
    std::uint64_t n = 0;
    for (std::uint32_t segno = 0; segno < 2; ++segno)
        for (std::uint32_t esponente = 0; esponente < 256; ++esponente) {
            const std::uint32_t testa = segno << 31 | esponente << 23;
            for (std::uint32_t b : bordi) confronta(daBit(testa | b)), ++n;
            for (int i = 0; i < 4096; ++i) confronta(daBit(testa | static_cast<std::uint32_t>(rng() & 0x7fffff))), ++n;
        }
    // Doubles: the cosines and sines of Direction lines, and any other.
    for (int i = 0; i < 1000000; ++i, ++n) {
        std::uint64_t bit = rng();
        double v;
        std::memcpy(&v, &bit, sizeof v);
        if (i % 2 == 0) v = std::cos(static_cast<double>(static_cast<std::int32_t>(bit >> 32)));
        confronta(v);
    }
    // Values that sit half-way between two sets of six decimals.
    for (int i = 0; i < 100000; ++i, ++n) confronta((static_cast<double>(rng() % 2000000) + 0.5) / 1e6);
    provati += n;
}

}  // namespace

int main(int argc, char** argv) {
    const bool ogni = argc > 1 && std::strcmp(argv[1], "tutti") == 0;
    if (argc < 2 || (!ogni && std::strcmp(argv[1], "campione") != 0)) {
        std::fputs("usage: verifica_numeri tutti|campione\n", stderr);
        return 2;
    }
    if (ogni)
        tutti();
    else
        campione();
    std::printf("numbers written as printf(\"%%f\"): %" PRIu64 " checked, %" PRIu64 " differ\n", provati.load(),
                diversi.load());
    return diversi == 0 ? 0 : 1;
}
