// The number text of the code file: "%f" digits, ties to even on the binary
// value, a minus sign on every negative value (zero included), no exponent.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <cstdio>
#include <string>

#include "output/codice.h"
#include "output/formato.h"

namespace {

std::string testoDi(double v) {
    char buffer[NUMERO_MASSIMO];
    return std::string(buffer, scriviNumero(buffer, v));
}

TEST(Numero, WrittenAsPrintfF) {
    struct Caso {
        double valore;
        const char* testo;
    } casi[] = {
        {1.0f, "1.000000"},
        {0.5f, "0.500000"},
        {40.0f, "40.000000"},
        {0.1f, "0.100000"},
        {-0.0f, "-0.000000"},
        {0.0f, "0.000000"},
        {-1e-7f, "-0.000000"},
        {123456789.0f, "123456792.000000"},
        {16777217.0f, "16777216.000000"},
        {1e10f, "10000000000.000000"},
        {FLT_MAX, "340282346638528859811704183484516925440.000000"},
        {-FLT_MAX, "-340282346638528859811704183484516925440.000000"},
        {FLT_TRUE_MIN, "0.000000"},
        {0.0078125, "0.007812"},   // 7812.5 millionths: ties to even, down
        {0.0234375, "0.023438"},   // 23437.5 millionths: ties to even, up
        {0.0000015, "0.000002"},   // the double is a little above the tie
        {0.0000005, "0.000000"},   // and this one a little below
        {0.0000025, "0.000003"},   // a little above, though 2.5e-6 * 1e6 is the tie in a double
        {3999999744.0f, "3999999744.000000"},  // the largest float below 4e9
        {4294967296.0f, "4294967296.000000"},  // 2^32, past it
        {0.9999995, "1.000000"},   // a little above: a carry into the integer
        {9.9999996, "10.000000"},  // a carry through every digit
        {0.955073, "0.955073"},
        {-0.2963685, "-0.296368"},   // the double is a little nearer zero than the tie
        {131072.0078125, "131072.007812"},  // a tie in the 64-bit path (25 bits: no float holds it)
        {131072.0234375, "131072.023438"},
        {274877906944.0078125, "274877906944.007812"},  // a tie in the 128-bit path (m >= 2^44)
        {274877906944.0234375, "274877906944.023438"},
        {1e300, "1000000000000000052504760255204420248704468581108159154915854115511802457988908195786371375080447864043704443832883878176942523235360430575644792184786706982848387200926575803737830233794788090059368953234970799945081119038967640880074652742780142494579258788820056842838115669472196386865459400540160.000000"},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(testoDi(c.valore), c.testo) << c.testo;
        // The scene's numbers are floats, written by the float writer.
        const float f = static_cast<float>(c.valore);
        if (static_cast<double>(f) != c.valore) continue;
        char buffer[NUMERO_MASSIMO];
        EXPECT_EQ(std::string(buffer, scriviNumero(buffer, f)), c.testo) << c.testo << " as a float";
    }
}

// Every six-digit fraction: the double nearest to f / 10^6 is within a tiny
// part of a millionth of it, so it is written as f.
TEST(Numero, EverySixDigitFraction) {
    for (unsigned f = 0; f < 1000000; ++f) {
        char atteso[16];
        std::snprintf(atteso, sizeof atteso, "0.%06u", f);
        ASSERT_EQ(testoDi(f / 1e6), atteso) << f;
    }
}

// The light number's digits: each digit count, its edges, and the largest.
TEST(Intero, WrittenAsPrintfLlu) {
    const std::uint64_t casi[] = {0, 7, 9, 10, 42, 99, 100, 101, 999, 1000, 1009, 13692, 99999, 100000,
                                  1000000007, 4294967296, 18446744073709551615u};
    for (std::uint64_t n : casi) {
        char atteso[24], scritto[24];
        std::snprintf(atteso, sizeof atteso, "%llu", static_cast<unsigned long long>(n));
        EXPECT_EQ(std::string(scritto, scriviIntero(scritto, n)), atteso);
    }
}

// The writer's buffer, many times over: thousands of declarations and
// property lines of every kind, with names of every length the writer takes,
// handed to a file and compared with the same text built by snprintf. A
// hand-over at the wrong moment (a line placed where the buffer was before
// it was emptied, say) duplicates or loses text here.
TEST(Uscita, ThousandsOfLinesAsSnprintfWritesThem) {
    const char* const percorso = "uscita_prova.cpp";
    std::FILE* file = std::fopen(percorso, "wb");
    ASSERT_NE(file, nullptr);
    apriUscita(file);
    ASSERT_TRUE(scriviBanner());
    std::string atteso = "// Luci spot Direct3D 9 generate da una scena Maya ASCII\n";
    char riga[512];
    for (unsigned n = 1; n <= 6000; ++n) {
        char nome[NOME_MASSIMO] = {};
        const int lunghezza = std::snprintf(nome, sizeof nome, "spotLight%u", n * 7919u % 100000u * (n % 3 == 0 ? 100000u : 1u));
        scriviDichiarazione(nome, static_cast<std::size_t>(lunghezza));
        std::snprintf(riga, sizeof riga,
                      "D3DLIGHT9 %s;\nZeroMemory( &%s, sizeof( D3DLIGHT9 ) );\n%s.Type = D3DLIGHT_SPOT;\n\n"
                      "%s.Attenuation0 = 1.0f;\n\n", nome, nome, nome, nome);
        atteso += riga;
        for (int p = 0; p < NUMERO_PROPRIETA; ++p) {
            const float valore = static_cast<float>(n) * (p % 2 == 0 ? 0.125f : -3.7f) + static_cast<float>(p);
            if (n % 2 == 0) {
                scriviProprieta(nome, static_cast<std::size_t>(lunghezza), static_cast<Proprieta>(p), valore);
                std::snprintf(riga, sizeof riga, "%s%s%ff;\n%s", nome, ETICHETTE[p], static_cast<double>(valore),
                              ULTIME[p] ? "\n" : "");
            } else {
                const double doppio = static_cast<double>(valore) / 3.0;
                scriviProprieta(nome, static_cast<std::size_t>(lunghezza), static_cast<Proprieta>(p), doppio);
                std::snprintf(riga, sizeof riga, "%s%s%ff;\n%s", nome, ETICHETTE[p], doppio, ULTIME[p] ? "\n" : "");
            }
            atteso += riga;
        }
    }
    ASSERT_GT(atteso.size(), std::size_t{1} << 20);
    EXPECT_TRUE(svuotaUscita());
    std::fclose(file);
    std::string scritto;
    file = std::fopen(percorso, "rb");
    ASSERT_NE(file, nullptr);
    char pezzo[65536];
    for (std::size_t letti; (letti = std::fread(pezzo, 1, sizeof pezzo, file)) > 0;) scritto.append(pezzo, letti);
    std::fclose(file);
    std::remove(percorso);
    ASSERT_EQ(scritto.size(), atteso.size());
    EXPECT_TRUE(scritto == atteso);
}

}  // namespace
