// ma2d3d-luci's pieces on their own: the nine-digit float writer against
// strtof, Maya's transform matrix against values worked out by hand, the
// statement reader's words on a scene cut into small blocks, and the arrays'
// name from a header's path.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "luci/intestazione.h"
#include "luci/lettore.h"
#include "luci/matrice.h"
#include "output/formato.h"
#include "scanner/flusso/flusso.h"

namespace {

std::string testoFloat(float v) {
    char buffer[FLOAT_MASSIMO];
    return std::string(buffer, scriviFloat(buffer, v));
}

TEST(Float, HandPickedTexts) {
    const struct {
        float valore;
        const char* testo;
    } casi[] = {
        {0.0f, "0.0"},          {-0.0f, "0.0"},         {1.0f, "1.0"},         {-0.5f, "-0.5"},
        {12.5f, "12.5"},        {0.9f, "0.899999976"},   {1e-5f, "9.99999975e-06"}, {1.5e-5f, "0.0000149999996"},
        {100000000.0f, "100000000.0"}, {123456789.0f, "123456792.0"}, {1e9f, "1.0e+09"},
        {999999936.0f, "999999936.0"}, {3.0e38f, "3.00000001e+38"}, {1.4e-45f, "1.40129846e-45"},
        {0.1f, "0.100000001"},  {-1234.5678f, "-1234.56775"},
    };
    for (const auto& c : casi) EXPECT_EQ(testoFloat(c.valore), c.testo) << c.testo;
}

// Every text reads back as the very float written: every power of two, the
// floats around each power of ten, and a million random bit patterns.
TEST(Float, ReadsBackAsTheSameFloat) {
    std::vector<float> valori;
    for (int e = -149; e <= 127; ++e) valori.push_back(std::ldexp(1.0f, e));
    for (int e = -45; e <= 38; ++e) {
        const float f = static_cast<float>(std::pow(10.0, e));
        valori.push_back(f);
        valori.push_back(std::nextafter(f, 0.0f));
        valori.push_back(std::nextafter(f, HUGE_VALF));
    }
    std::mt19937 rng(20261209);
    for (int i = 0; i < 1000000; ++i) {
        std::uint32_t bit = static_cast<std::uint32_t>(rng());
        float f;
        std::memcpy(&f, &bit, sizeof f);
        if (std::isfinite(f)) valori.push_back(f);
    }
    for (float f : valori) {
        const std::string t = testoFloat(f);
        ASSERT_NE(t.find_first_of(".e"), std::string::npos) << t;
        const float letto = std::strtof(t.c_str(), nullptr);
        ASSERT_EQ(letto, f) << t;
        // Nine significant digits at most: the digits from the first that is
        // not zero, up to the exponent.
        std::string mantissa = t.substr(0, t.find('e'));
        if (mantissa.size() > 2 && mantissa.compare(mantissa.size() - 2, 2, ".0") == 0) mantissa.resize(mantissa.size() - 2);
        std::size_t cifre = 0;
        bool iniziate = false;
        for (char c : mantissa) {
            if (c >= '1' && c <= '9') iniziate = true;
            if (iniziate && c >= '0' && c <= '9') ++cifre;
        }
        ASSERT_LE(cifre, 9u) << t;
    }
}

// Not finite values are written as zero (they never come from a scene);
// values at the edges of the positional form, and those whose first guess
// of the decimal exponent is one off.
TEST(Float, EdgesOfTheForms) {
    EXPECT_EQ(testoFloat(HUGE_VALF), "0.0");
    EXPECT_EQ(testoFloat(std::nanf("")), "0.0");
    const float casi[] = {1e-5f,  9.9999e-6f, 0.001f, 0.00999999f, 99999999.5f, 999999.94f, 8.0f, 9.5f,
                          7.9e-3f, 1.0e-3f, 1024.0f, 0.125f, 3.40282347e38f, 1.17549435e-38f, 5e-39f, 1e10f};
    for (float f : casi) {
        const std::string t = testoFloat(f);
        EXPECT_EQ(std::strtof(t.c_str(), nullptr), f) << t;
        EXPECT_EQ(testoFloat(-f), "-" + t);
    }
}

// A word is a number when the whole of it is one, by the grammar the token
// stream reads numbers with, and its value is strtof's; anything after the
// number, or no digit at all, makes it no number.
TEST(Numero, WholeWordAsStrtof) {
    const char* const numeri[] = {"0", "-0", "+5", "12.5", "-.5", "5.", ".25", "1e3", "1E-3", "-2.5e+2", "1e400",
                                  "1e-400", "0.899999976", "123456789012345678901234567890", "0.1000000000000000055511151231257827",
                                  "3.4028236e38", "00000000000000000000001", "1.5e0000000000000000000000000001",
                                  // digits a float holds over more than the ten powers of ten it holds exactly
                                  "0.00000000001", "-0.0000000000125", "16777215.5", "16777216.25"};
    for (const char* t : numeri) {
        float v = -1;
        ASSERT_TRUE(numeroDiTesto(t, std::strlen(t), &v)) << t;
        float atteso = std::strtof(t, nullptr);
        if (std::isinf(atteso)) atteso = std::copysign(FLT_MAX, atteso);
        EXPECT_EQ(v, atteso) << t;
    }
    const char* const parole[] = {"", "-", "+", ".", "-.", "e5", "1e", "1e+", "1x", "1.5.2", "--1", "1e5x", "on", "0x10", "1 "};
    for (const char* t : parole) {
        float v = 7;
        EXPECT_FALSE(numeroDiTesto(t, std::strlen(t), &v)) << "'" << t << "'";
        EXPECT_EQ(v, 7) << t;
    }
    // Only the bytes given count: the rest of the buffer is never read.
    float v = 0;
    EXPECT_TRUE(numeroDiTesto("12.5e3xyz", 4, &v));
    EXPECT_EQ(v, 12.5f);
}

Vettore3 origine(const Trasformata& t) { return punto(matriceLocale(t), {0, 0, 0}); }

void atteso(Vettore3 v, double x, double y, double z, const char* caso) {
    EXPECT_NEAR(v.x, x, 1e-12) << caso;
    EXPECT_NEAR(v.y, y, 1e-12) << caso;
    EXPECT_NEAR(v.z, z, 1e-12) << caso;
}

// Each piece of the matrix alone, on a point worked out by hand.
TEST(Matrice, EachPieceOnAPoint) {
    Trasformata t = trasformataIniziale();
    t.t[0] = 1, t.t[1] = 2, t.t[2] = 3;
    atteso(origine(t), 1, 2, 3, "translate");
    // A point (1, 0, 0) turned 90 degrees about z goes to (0, 1, 0).
    t = trasformataIniziale();
    t.r[2] = 90;
    atteso(punto(matriceLocale(t), {1, 0, 0}), 0, 1, 0, "rotate z");
    // About a rotate pivot at (1, 0, 0), that point stays.
    t.rp[0] = 1;
    atteso(punto(matriceLocale(t), {1, 0, 0}), 1, 0, 0, "rotate about a pivot");
    t.rpt[1] = 5;
    atteso(punto(matriceLocale(t), {1, 0, 0}), 1, 5, 0, "rotate pivot translate");
    // Scale 2 about a scale pivot at (1, 1, 1): (0, 0, 0) goes to (-1, -1, -1).
    t = trasformataIniziale();
    t.s[0] = t.s[1] = t.s[2] = 2;
    t.sp[0] = t.sp[1] = t.sp[2] = 1;
    atteso(origine(t), -1, -1, -1, "scale about a pivot");
    t.spt[2] = 0.5;
    atteso(origine(t), -1, -1, -0.5, "scale pivot translate");
    // Shear xy: x gains xy times y.
    t = trasformataIniziale();
    t.sh[0] = 0.5;
    atteso(punto(matriceLocale(t), {0, 2, 0}), 1, 2, 0, "shear xy");
    t.sh[0] = 0, t.sh[1] = 0.25;
    atteso(punto(matriceLocale(t), {0, 0, 4}), 1, 0, 4, "shear xz");
    t.sh[1] = 0, t.sh[2] = 2;
    atteso(punto(matriceLocale(t), {0, 0, 1}), 0, 2, 1, "shear yz");
    // The rotate axis turns before the rotate: x 90 then y 90 (rotate axis x
    // 90, rotate y 90) sends the -Z axis to +Y, then keeps it there.
    t = trasformataIniziale();
    t.ra[0] = 90;
    t.r[1] = 90;
    atteso(direzione(matriceLocale(t), {0, 0, -1}), 0, 1, 0, "rotate axis then rotate");
    // A joint: its orient turns after its rotate. -Z turned 90 about Y is
    // -X, which 90 about Z turns to -Y; the other way round, -Z stays -Z
    // about Z and ends at -X.
    t = trasformataIniziale();
    t.giunto = true;
    t.r[1] = 90;
    t.jo[2] = 90;
    atteso(direzione(matriceLocale(t), {0, 0, -1}), 0, -1, 0, "joint orient after rotate");
}

// The six rotate orders on the -Z axis, turned 90 about x and 90 about y.
TEST(Matrice, RotateOrders) {
    const float xy[3] = {90, 90, 0};
    const struct {
        int ordine;
        double x, y, z;
    } casi[] = {{0, 0, 1, 0}, {1, -1, 0, 0}, {2, 0, 1, 0}, {3, 0, 1, 0}, {4, -1, 0, 0}, {5, -1, 0, 0}, {9, 0, 1, 0}};
    for (const auto& c : casi) {
        const Vettore3 d = direzione(rotazione(xy, c.ordine), {0, 0, -1});
        atteso(d, c.x, c.y, c.z, std::to_string(c.ordine).c_str());
    }
}

// The statement reader on a scene of every kind of word, at block sizes that
// put block edges inside words, strings, escapes and comments.
TEST(Lettore, WordsAcrossBlockEdges) {
    const std::string scena =
        "createNode transform -n \"a b\"; // comment \"with ; quote\n"
        "setAttr \".s\" -type \"string\" \"x\\\"; y\\\\\";/ a/b c//d\n;;\n"
        "select -ne :t;skip \"; \\\" ;\" //; \n rest; last";
    const char* const attese[] = {"P:createNode", "P:transform", "P:-n",  "S:a b", ";",    "P:setAttr",
                                  "S:.s",         "P:-type",     "S:string", "S:x\"; y\\", ";", "P:/",
                                  "P:a/b",        "P:c",         ";",     ";",      "P:select", "P:-ne",
                                  "P::t",         ";",           "P:skip", "~",      "P:last",   "$"};
    for (std::size_t blocco : {16, 17, 23, 64, 4096}) {
        std::FILE* f = std::tmpfile();
        ASSERT_NE(f, nullptr);
        std::fwrite(scena.data(), 1, scena.size(), f);
        std::rewind(f);
        impostaBlocco(blocco);
        apriFlusso(f);
        apriLettore();
        std::vector<std::string> letti;
        for (std::size_t i = 0; i < sizeof attese / sizeof *attese; ++i) {
            if (std::string(attese[i]) == "~") {  // the fast pass over a statement
                letti.push_back(passaIstruzione() ? "~" : "!");
                continue;
            }
            const Genere g = leggiVoce();
            const std::string voce(lettore.voce, lettore.lunghezza);
            letti.push_back(g == PAROLA    ? "P:" + voce
                            : g == STRINGA ? "S:" + voce
                            : g == FINE_ISTRUZIONE ? ";"
                                                   : "$");
        }
        std::fclose(f);
        for (std::size_t i = 0; i < letti.size(); ++i) EXPECT_EQ(letti[i], attese[i]) << "block " << blocco;
        // `rest;` was the statement passed over; `last` ends the scene.
    }
}

TEST(Intestazione, NameFromPath) {
    const struct {
        const char* percorso;
        const char* nome;
    } casi[] = {{"luci.h", "luci"},       {"sala 2.h", "sala_2"},     {"2d.h", "_2d"},
                {"dir.x/a-b.c.h", "a_b"}, {"C:\\x\\stanza.hpp", "stanza"}, {".h", "_"},
                {"luci", "luci"},         {"\xc3\xa8.h", "__"}};
    for (const auto& c : casi) EXPECT_EQ(nomeDaPercorso(c.percorso), c.nome) << c.percorso;
}

}  // namespace
