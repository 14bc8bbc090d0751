// Token stream: tokens, the end-of-input flag, numbers, integers of tokens and
// keyword matching, each over several block sizes so that block edges fall
// inside tokens and numbers.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "scanner/flusso/flusso.h"
#include "scanner/parole.h"
#include "scena_di_prova.h"

namespace {

char dest[LUNGHEZZA_TOKEN];

// 1 is clamped to the smallest block, 16; 1 << 20 to the largest.
const std::size_t blocchi[] = {1, 16, 17, 23, 64, 100, 1 << 20};

struct Lettura {
    std::string token;  // "<fine>" when the read found nothing
    bool fine;          // the end-of-input flag after the read
};

std::vector<Lettura> tokenDi(const std::string& testo, std::size_t blocco) {
    impostaBlocco(blocco);
    std::FILE* f = fileCon(testo);
    apriFlusso(f);
    std::vector<Lettura> out;
    std::strcpy(dest, "<fine>");
    for (int i = 0; i < 100; ++i) {
        const int r = leggiToken(dest);
        out.push_back({dest, fineFlusso()});
        if (r == FINE_FLUSSO) break;
    }
    std::fclose(f);
    return out;
}

TEST(Token, RunsOfNonWhiteSpaceAndTheEndFlag) {
    struct Caso {
        std::string testo;
        std::vector<Lettura> attese;
    } casi[] = {
        {"", {{"<fine>", true}}},
        {" \t\r\n\v\f", {{"<fine>", true}}},
        // A last token glued to the end of the file sets the flag on its own read.
        {"createNode", {{"createNode", true}, {"createNode", true}}},
        {"a b\n", {{"a", false}, {"b", false}, {"b", true}}},
        {"\"spotLight1\";\tsetAttr\r\n\".v\";",
         {{"\"spotLight1\";", false}, {"setAttr", false}, {"\".v\";", true}, {"\".v\";", true}}},
        {"\x1a" "x \x7f", {{"\x1a" "x", false}, {"\x7f", true}, {"\x7f", true}}},
    };
    for (const Caso& c : casi)
        for (std::size_t b : blocchi) {
            const std::vector<Lettura> letti = tokenDi(c.testo, b);
            ASSERT_EQ(letti.size(), c.attese.size()) << c.testo << " block " << b;
            for (std::size_t i = 0; i < letti.size(); ++i) {
                EXPECT_EQ(letti[i].token, c.attese[i].token) << c.testo << " block " << b << " read " << i;
                EXPECT_EQ(letti[i].fine, c.attese[i].fine) << c.testo << " block " << b << " read " << i;
            }
        }
}

TEST(Token, LongTokensAreCutButStayOneToken) {
    for (std::size_t b : blocchi) {
        const std::string lungo(700000, 'x');
        const std::vector<Lettura> letti = tokenDi(lungo + "y createNode \n", b);
        ASSERT_EQ(letti.size(), 3u);
        EXPECT_EQ(letti[0].token, std::string(LUNGHEZZA_TOKEN - 1, 'x'));
        EXPECT_EQ(letti[1].token, "createNode");
        EXPECT_TRUE(letti[2].fine);
    }
}

TEST(Token, NodeReadPassesOverEverythingButCreateNode) {
    const std::string testo =
        "createNodeX a createNode\tacreateNode createNod c\ncreateNode\"x\" ccreateNode createNode";
    for (std::size_t b : blocchi) {
        impostaBlocco(b);
        std::FILE* f = fileCon(testo);
        apriFlusso(f);
        std::vector<std::string> nodi;
        while (leggiTokenCon(dest, CREATE_NODE) == 1) {
            nodi.push_back(dest);
            if (fineFlusso()) break;
        }
        std::fclose(f);
        const std::vector<std::string> attesi = {"createNodeX", "createNode", "createNode\"x\"", "createNode"};
        EXPECT_EQ(nodi, attesi) << "block " << b;
        EXPECT_TRUE(fineFlusso());
    }
}

// Short tokens up to the very end of a full block, from every offset: no
// token is lost or changed, and no read goes past the buffer (which the
// AddressSanitizer build would report).
TEST(Token, ShortTokensToTheEndOfAFullBlock) {
    for (std::size_t spazi = 0; spazi < 80; ++spazi) {
        std::string testo(spazi, ' ');
        for (int i = 0; i < 70000; ++i) testo += i % 2 ? "bc " : "a\t";
        impostaBlocco(1 << 20);
        std::FILE* f = fileCon(testo);
        apriFlusso(f);
        int letti = 0;
        while (leggiToken(dest) == 1) {
            ASSERT_STREQ(dest, letti % 2 ? "bc" : "a") << spazi << " spaces, token " << letti;
            ++letti;
        }
        std::fclose(f);
        EXPECT_EQ(letti, 70000) << spazi << " spaces";
    }
}

// Tokens of 14 to 34 bytes (the window stores those under 32) and number
// texts of 60 to 66, which the reads take in place only when the block holds
// all they may look at, from every offset against block ends: each is read
// whole, and no read looks past the bytes held (which the AddressSanitizer
// build reports, as the block reader marks those bytes unreadable there).
TEST(Token, LongTokensAndNumbersAcrossBlockEnds) {
    std::vector<std::string> token;
    for (std::size_t n = 14; n < 35; ++n) token.push_back(std::string(n, static_cast<char>('a' + n % 26)));
    std::vector<std::string> numeri;
    for (std::size_t n = 56; n < 63; ++n) {
        numeri.push_back(std::string(n, '0') + "1e+5");
        numeri.push_back("-" + std::string(n, '0') + ".5e-7");
    }
    for (const std::size_t blocco : {64, 100, 4096}) {
        for (std::size_t spazi = 0; spazi < 40; ++spazi) {
            std::string testo(spazi, ' ');
            for (int giro = 0; giro < 4; ++giro)
                for (const std::string& t : token) testo += t + std::string(1 + (giro + t.size()) % 13, ' ');
            for (const std::string& t : numeri) testo += t + " ";
            impostaBlocco(blocco);
            std::FILE* f = fileCon(testo);
            apriFlusso(f);
            for (int giro = 0; giro < 4; ++giro)
                for (const std::string& t : token) {
                    ASSERT_EQ(leggiToken(dest), 1);
                    ASSERT_EQ(dest, t) << "block " << blocco << ", " << spazi << " spaces";
                }
            for (const std::string& t : numeri) {
                float v = 0;
                ASSERT_EQ(leggiNumero(&v), 1);
                ASSERT_EQ(v, std::strtof(t.c_str(), nullptr)) << t << ", block " << blocco << ", " << spazi << " spaces";
            }
            std::fclose(f);
        }
    }
}

// The node keyword's first two bytes everywhere, glued and loose, so that
// they fall at every place of the node search's turns and near every block
// end: only the real node tokens are found.
TEST(Token, NodeReadAmongManyNearMisses) {
    std::string testo;
    std::vector<std::string> attesi;
    for (int i = 0; i < 400; ++i) {
        testo += i % 3 == 0 ? "cr " : i % 3 == 1 ? "xcreateNode cre\t" : "cr";
        if (i % 7 == 0) {
            testo += " createNode" + std::to_string(i) + "\n";
            attesi.push_back("createNode" + std::to_string(i));
        }
    }
    for (std::size_t b : blocchi) {
        impostaBlocco(b);
        std::FILE* f = fileCon(testo);
        apriFlusso(f);
        std::vector<std::string> nodi;
        while (leggiTokenCon(dest, CREATE_NODE) == 1) nodi.push_back(dest);
        std::fclose(f);
        EXPECT_EQ(nodi, attesi) << "block " << b;
    }
}

TEST(Numero, GrammarValueAndWhatStaysInTheStream) {
    struct Caso {
        const char* testo;
        int risultato;
        float valore;       // expected when read; else the untouched -7
        const char* resto;  // the next token after the read ("" at end)
    } casi[] = {
        {"40;", 1, 40.0f, ";"},
        {"1e3 x", 1, 1000.0f, "x"},
        {"1E+2 x", 1, 100.0f, "x"},
        {"2.5e-1 x", 1, 0.25f, "x"},
        {"1ex", 1, 1.0f, "ex"},
        {"1e+x", 1, 1.0f, "e+x"},
        {"1e-", 1, 1.0f, "e-"},
        {"0.1 x", 1, 0.1f, "x"},
        {"16777217 x", 1, 16777216.0f, "x"},
        {"123456789 x", 1, 123456792.0f, "x"},
        {"-0 x", 1, -0.0f, "x"},
        {"+.5 x", 1, 0.5f, "x"},
        {"5. x", 1, 5.0f, "x"},
        {"5.e1 x", 1, 50.0f, "x"},
        {"-38.5 25", 1, -38.5f, "25"},
        {"00012.50 x", 1, 12.5f, "x"},
        {"0.000000000000000000000000000000000000000000001 x", 1, 1e-45f, "x"},
        {"1e-60 x", 1, 0.0f, "x"},
        {"1e39 x", 1, FLT_MAX, "x"},
        {"-1e99999999999999999999 x", 1, -FLT_MAX, "x"},
        {"1e-99999999999999999999 x", 1, 0.0f, "x"},
        {"1e100 x", 1, FLT_MAX, "x"},
        {"1e-100 x", 1, 0.0f, "x"},
        {"1e038 x", 1, 1e38f, "x"},
        {"-2.5e+0002 x", 1, -250.0f, "x"},
        {"3.4028235e38 x", 1, FLT_MAX, "x"},
        {"3.4028236e38 x", 1, FLT_MAX, "x"},
        {"340282356779733661637539395458142568448 x", 1, FLT_MAX, "x"},  // rounds to infinity
        {"340282356779733661637539395458142568447 x", 1, FLT_MAX, "x"},  // just below half-way
        {";", 0, -7.0f, ";"},
        {"-k", 0, -7.0f, "k"},
        {"-.k", 0, -7.0f, "k"},
        {". 3", 0, -7.0f, "3"},
        {"+-5", 0, -7.0f, "-5"},
        {"inf", 0, -7.0f, "inf"},
        {"nan", 0, -7.0f, "nan"},
        {"0x10", 1, 0.0f, "x10"},
        {"", FINE_FLUSSO, -7.0f, ""},
    };
    for (const Caso& c : casi)
        for (std::size_t b : blocchi) {
            impostaBlocco(b);
            std::FILE* f = fileCon(std::string(b > 20 ? 0 : 13, ' ') + c.testo);
            apriFlusso(f);
            float v = -7.0f;
            EXPECT_EQ(leggiNumero(&v), c.risultato) << c.testo;
            EXPECT_EQ(std::memcmp(&v, &c.valore, sizeof v), 0) << c.testo << " gave " << v;
            std::strcpy(dest, "");
            leggiToken(dest);
            EXPECT_STREQ(dest, c.resto) << c.testo;
            std::fclose(f);
        }
}

TEST(Numero, HalfWayCasesNeedEveryDigit) {
    // 1 + 2^-24 is exactly half-way between two floats: it rounds to even (1),
    // while any non-zero digit after it, however far, rounds up.
    const std::string meta = "1.000000059604644775390625";
    const float su = 1.00000012f;
    struct Caso {
        std::string testo;
        float valore;
    } casi[] = {
        {meta, 1.0f},
        {meta + std::string(500, '0'), 1.0f},
        {meta + std::string(500, '0') + "1", su},
        {"1" + std::string(300, '0') + "e-300", 1.0f},
        {"0." + std::string(300, '0') + "1e301", 1.0f},
    };
    // In small blocks the text spans refills; in a large one it lies in
    // the block, too long for the in-place path.
    for (const Caso& c : casi)
        for (std::size_t b : {std::size_t{16}, std::size_t{1} << 20}) {
            impostaBlocco(b);
            std::FILE* f = fileCon(c.testo + " ");
            apriFlusso(f);
            float v = 0;
            ASSERT_EQ(leggiNumero(&v), 1);
            EXPECT_EQ(v, c.valore) << c.testo.substr(0, 40) << " block " << b;
            std::fclose(f);
        }
}

// strtof on exactly the text, an overflow clamped as the reader clamps it.
float comeStrtof(const std::string& testo) {
    const float v = std::strtof(testo.c_str(), nullptr);
    return std::isinf(v) ? std::copysign(FLT_MAX, v) : v;
}

TEST(Numero, SameValueAsStrtofOnRandomTexts) {
    std::mt19937_64 rng(7);
    std::vector<std::string> testi;
    char t[96];
    for (int i = 0; i < 100000; ++i) {
        // Short decimal texts of every shape, from subnormals to overflow.
        std::string s = (rng() % 3 == 0) ? "-" : "";
        const int cifre = 1 + static_cast<int>(rng() % 20);
        const int punto = static_cast<int>(rng() % (cifre + 1));
        for (int c = 0; c < cifre; ++c) {
            if (c == punto && c > 0) s += '.';
            s += static_cast<char>('0' + rng() % 10);
        }
        if (rng() % 2) s += "e" + std::to_string(static_cast<int>(rng() % 100) - 60);
        testi.push_back(s);
        // Texts next to, or at, the half-way point between two floats.
        std::uint32_t bit = static_cast<std::uint32_t>(rng()) & 0x7fffffffu;
        if ((bit >> 23) == 0xff) bit &= 0x7f7fffffu;
        float f;
        std::memcpy(&f, &bit, sizeof f);
        const double meta = (static_cast<double>(f) + static_cast<double>(std::nextafter(f, HUGE_VALF))) / 2;
        std::snprintf(t, sizeof t, "%.*g", 6 + static_cast<int>(rng() % 14), meta);
        testi.push_back(t);
        std::snprintf(t, sizeof t, "%.40g", meta);
        testi.push_back(t);
    }
    std::string scena;
    for (const std::string& s : testi) scena += s + " ";
    for (std::size_t b : {std::size_t{64}, std::size_t{1} << 20}) {
        impostaBlocco(b);
        std::FILE* f = fileCon(scena);
        apriFlusso(f);
        for (const std::string& s : testi) {
            float v = 0;
            ASSERT_EQ(leggiNumero(&v), 1) << s;
            const float atteso = comeStrtof(s);
            ASSERT_EQ(std::memcmp(&v, &atteso, sizeof v), 0) << s << " gave " << v << ", strtof " << atteso;
        }
        std::fclose(f);
    }
}

TEST(Numero, EndingAtTheEndOfTheFileSetsTheFlag) {
    for (const char* testo : {"5", "-2.5", "1e", "7e+3"}) {
        impostaBlocco(16);
        std::FILE* f = fileCon(testo);
        apriFlusso(f);
        float v = 0;
        EXPECT_EQ(leggiNumero(&v), 1) << testo;
        EXPECT_TRUE(fineFlusso()) << testo;
        std::fclose(f);
    }
}

TEST(Intero, AsAtoiButClamped) {
    struct Caso {
        const char* token;
        int valore;
    } casi[] = {
        {"-38.5", -38}, {"25", 25}, {"0;", 0}, {";", 0}, {"-0.5", 0}, {"+7x", 7}, {" \t\n-12", -12},
        {"2147483647", 2147483647}, {"2147483648", 2147483647}, {"99999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"-99999999999999999999", -2147483647 - 1}, {"", 0},
    };
    for (const Caso& c : casi) EXPECT_EQ(interoDi(c.token), c.valore) << c.token;
}

// Every keyword of the scanner.
const auto& parole = PAROLE;

TEST(Parole, PrefixMatchWithFixedLengths) {
    struct Caso {
        const char* token;
        Parola parola;
        bool atteso;
    } casi[] = {
        {"\"spotLight1\";", NOME_LUCE, true}, {"\"spotLightKey\"", NOME_LUCE, true},
        {"spotLight1", NOME_LUCE, false},     {"\"spotlight1\"", NOME_LUCE, false},
        {"setAttr", SET_ATTR, true},          {"set", SET_ATTR, false},
        {"transformX", TRANSFORM, true},      {"spotLightX", SPOT_LIGHT, true},
        {"\".t\";", ATTR_TRASLAZIONE, true},  {"\".tx\"", ATTR_TRASLAZIONE, false},
        {"\".r\"", ATTR_ROTAZIONE, true},     {"\".rp\"", ATTR_ROTAZIONE, false},
        {"\".cl\"", ATTR_COLORE, true},       {"\".ca\"", ATTR_CONO, true},
        {"\".pa\"", ATTR_PENOMBRA, true},     {"\"float3\"", TIPO_FLOAT3, true},
        {"\"double3\"", TIPO_DOUBLE3, true},  {"\"double\"", TIPO_DOUBLE3, false},
        {"createNode", CREATE_NODE, true},    {"CreateNode", CREATE_NODE, false},
        {"", CREATE_NODE, false},
    };
    // Tokens sit in buffers whose bytes after the NUL are stale: the keyword
    // itself, or its tail, must not make a short token match.
    for (const Caso& c : casi)
        for (const Parola* stantio : parole) {
            char buffer[CONFRONTO_MASSIMO + 8];
            std::memset(buffer, 'x', sizeof buffer);
            std::memcpy(buffer, stantio->testo, std::strlen(stantio->testo));
            std::memcpy(buffer, c.token, std::strlen(c.token) + 1);
            EXPECT_EQ(corrisponde(buffer, c.parola), c.atteso) << c.token << " over " << stantio->testo;
        }
}

TEST(Parole, EveryKeywordShortOrGlued) {
    for (const Parola* p : parole) {
        const Parola& parola = *p;
        const std::string intera = parola.testo;
        char buffer[CONFRONTO_MASSIMO + 8] = {};
        const auto prova = [&](const std::string& token) {
            std::memcpy(buffer, intera.c_str(), intera.size() + 1);  // stale keyword after the NUL
            std::memcpy(buffer, token.c_str(), token.size() + 1);
            return corrisponde(buffer, parola);
        };
        EXPECT_TRUE(prova(intera)) << intera;
        EXPECT_TRUE(prova(intera + ";")) << intera;
        EXPECT_FALSE(prova(intera.substr(0, intera.size() - 1))) << intera;
        std::string cambiata = intera;
        cambiata.back() = static_cast<char>(cambiata.back() + 1);
        EXPECT_FALSE(prova(cambiata)) << intera;
        EXPECT_FALSE(prova("")) << intera;
    }
}

// The scans of a statement's bytes against the same reading a byte at a
// time, on random texts dense in what they look for: quotes open and close
// strings (also across the 64-byte steps), a backslash counts only inside
// one, `;` and `/` only outside.
TEST(Istruzione, ScansAsByteByByte) {
    std::mt19937 caso(7);
    const char comuni[] = "ab \n";
    const char segni[] = "\"\\;/";
    std::vector<unsigned char> testo(400);
    for (int prova = 0; prova < 20000; ++prova) {
        const std::size_t n = caso() % testo.size();
        // Each byte one of the four looked for once in 2, 16, 128 or 1024.
        const unsigned rarita = 1u << (1 + 3 * (caso() % 4));
        for (std::size_t i = 0; i < n; ++i)
            testo[i] = static_cast<unsigned char>(caso() % rarita == 0 ? segni[caso() % 4] : comuni[caso() % 4]);
        const bool inizio = caso() % 2 == 0;
        std::size_t atteso = n;
        bool dentroAtteso = inizio;
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned char c = testo[i];
            if (dentroAtteso ? c == '\\' : (c == ';' || c == '/')) {
                atteso = i;
                break;
            }
            if (c == '"') dentroAtteso = !dentroAtteso;
        }
        bool dentro = inizio;
        EXPECT_EQ(primoInIstruzione(testo.data(), n, &dentro), atteso) << prova;
        EXPECT_EQ(dentro, dentroAtteso) << prova;

        std::size_t fineAttesa = n;
        for (std::size_t i = 0; i < n; ++i)
            if (std::strchr(" \t\n\v\f\r;\"/", testo[i]) != nullptr && testo[i] != 0) {
                fineAttesa = i;
                break;
            }
        EXPECT_EQ(fineParola(testo.data(), n), fineAttesa) << prova;
    }
}

}  // namespace
