// The driver's loop over a whole scene: the same code file at every block
// size, and a read error in the middle of the scene reported, not looped on.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "driver/driver.h"
#include "driver/flussi.h"
#include "output/codice.h"
#include "scanner/flusso/flusso.h"
#include "scanner/passi.h"
#include "scanner/scanner.h"
#include "scena_di_prova.h"

namespace {

const char* const percorsoCodice = "driver_test_luci.cpp";

std::string leggiFile(const char* percorso) {
    std::string s;
    std::FILE* f = std::fopen(percorso, "rb");
    for (int c; f != nullptr && (c = std::fgetc(f)) != EOF;) s.push_back(static_cast<char>(c));
    if (f != nullptr) std::fclose(f);
    return s;
}

// Runs the conversion loop on `scena`, the first light found getting the
// number `primo`, with the console captured; returns the code file.
std::string converti(const std::string& scena, std::size_t blocco, int* stato, std::uint64_t primo = 1) {
    azzeraLuci();
    num_luce = primo;
    impostaBlocco(blocco);
    fileMA = fileCon(scena);
    apriFlusso(fileMA);
    fileX = std::fopen(percorsoCodice, "w");
    apriUscita(fileX);
    testing::internal::CaptureStdout();
    *stato = convertiScena("scena.ma", percorsoCodice);
    testing::internal::GetCapturedStdout();
    return leggiFile(percorsoCodice);
}

// Light statements in every layout the handlers distinguish, among meshes.
std::string scenaDiLuci(std::mt19937& rng) {
    const char* const nodi[] = {
        "createNode transform -n \"spotLight1\";\n\tsetAttr \".t\" -type \"double3\" 0 5 0 ;\n"
        "\tsetAttr \".r\" -type \"double3\" -90 0 0 ;\n",
        "createNode transform -n \"spotLight2\" -p \"group1\";\n\tsetAttr \".r\" -type \"double3\" -38.5 25 0 ;\n",
        "createNode transform -n \"spotLight3\";\n\tsetAttr \".t\" -type \"double3\" 1 2 3 ; ;\n"
        "\tsetAttr \".r\" -type \"double3\" 1 2 3 ;\n",
        "createNode spotLight -n \"spotLightShape1\" -p \"spotLight1\";\n\tsetAttr -k off \".v\";\n"
        "\tsetAttr \".cl\" -type \"float3\" 1 0.5 0.5 ;\n\tsetAttr \".ca\" 40;\n\tsetAttr \".pa\" 5;\n",
        "createNode spotLight -n \"spotLightShape2\";\n\tsetAttr \".pa\" 5\n",
        "createNode mesh -n \"pCubeShape1\" -p \"pCube1\";\n\tsetAttr -s 8 \".vt[0:7]\"  -0.5 -0.5 0.5 0.5 "
        "-0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5;\n",
        "createNode transform -n \"pCube1\";\n",
        "createNode camera -n \"perspShape\";\n\tsetAttr \".fl\" 34.999999999999993;\n",
        "createNode transform -n \"spotLight4\";\n\trename -uid \"4A34309D-46E7-A6C0\";\n"
        "\tsetAttr \".t\" -type \"double3\" 1 2 3 ;\n",
        "\trename -uid \"50C2389E-48F2-19EC\";\n",
    };
    std::string s = "//Maya ASCII 2008 scene\nrequires maya \"2008\";\n";
    const int n = static_cast<int>(rng() % 30);
    for (int i = 0; i < n; ++i) s += nodi[rng() % (sizeof nodi / sizeof *nodi)];
    if (rng() % 2) s.resize(rng() % (s.size() + 1));  // a scene cut anywhere
    return s;
}

TEST(Driver, SameCodeFileAtEveryBlockSize) {
    std::mt19937 rng(7);
    for (int prova = 0; prova < 300; ++prova) {
        const std::string scena = scenaDiLuci(rng);
        int statoGrande = -1;
        const std::string atteso = converti(scena, 1 << 20, &statoGrande);
        EXPECT_EQ(statoGrande, 0);
        for (std::size_t blocco : {16, 17, 29, 64}) {
            int stato = -1;
            const std::string codice = converti(scena, blocco, &stato);
            ASSERT_EQ(codice, atteso) << "scene #" << prova << " block " << blocco;
            EXPECT_EQ(stato, 0);
        }
    }
    std::remove(percorsoCodice);
}

// The scanner reads on only from a token that begins with createNode; any
// other token leaves the stream where it is.
TEST(Driver, ScannerReadsNothingAfterOtherTokens) {
    for (const char* entrata : {"setAttr", ";", "createNod", "CreateNode", ""}) {
        azzeraLuci();
        impostaBlocco(1 << 20);
        fileMA = fileCon("transform -n \"spotLight1\";\n");
        apriFlusso(fileMA);
        // Tokens are handed over in buffers of a token's size, as the driver's.
        static char token[LUNGHEZZA_TOKEN], letto[LUNGHEZZA_TOKEN];
        std::strcpy(token, entrata);
        parseString(token);
        EXPECT_EQ(leggiToken(letto), 1) << entrata;
        EXPECT_STREQ(letto, "transform") << entrata;
        std::fclose(fileMA);
    }
}

TEST(Driver, LightNamesKeepGrowingPastSixDigits) {
    const std::string scena =
        "createNode transform -n \"spotLight1\";\n\tsetAttr \".t\" -type \"double3\" 1 2 3 ;\n"
        "\tsetAttr \".r\" -type \"double3\" 0 0 0 ;\n"
        "createNode spotLight -n \"spotLightShape1\";\n\tsetAttr \".ca\" 40;\n"
        "createNode transform -n \"spotLight2\";\n\tsetAttr \".t\" -type \"double3\" 4 5 6 ;\n"
        "\tsetAttr \".r\" -type \"double3\" 0 0 0 ;\n";
    for (std::uint64_t primo : {std::uint64_t{999999}, std::uint64_t{18446744073709551614u}}) {
        int stato = -1;
        const std::string codice = converti(scena, 1 << 20, &stato, primo);
        const std::string a = "spotLight" + std::to_string(primo), b = "spotLight" + std::to_string(primo + 1);
        EXPECT_EQ(stato, 0);
        EXPECT_NE(codice.find("D3DLIGHT9 " + a + ";\nZeroMemory( &" + a + ", sizeof( D3DLIGHT9 ) );\n" + a +
                              ".Type = D3DLIGHT_SPOT;\n\n" + a + ".Attenuation0 = 1.0f;\n\n" + a +
                              ".Position.x = 1.000000f;\n"),
                  std::string::npos)
            << codice;
        EXPECT_NE(codice.find(a + ".Range = 40.000000f;\n\n"), std::string::npos);
        EXPECT_NE(codice.find(b + ".Position.z = 6.000000f;\n\n"), std::string::npos) << codice;
    }
    std::remove(percorsoCodice);
}

#ifdef __GLIBC__
// A scene stream that yields some text, then fails every read.
ssize_t leggiPoiFallisci(void* cookie, char* buf, size_t n) {
    int* chiamate = static_cast<int*>(cookie);
    if ((*chiamate)++ > 0) {
        errno = EIO;
        return -1;
    }
    const std::string testo = "createNode transform -n \"spotLight1\";\n\tsetAttr \".t\" -type \"double3\" 0 5 ";
    const size_t k = testo.size() < n ? testo.size() : n;
    testo.copy(buf, k);
    return static_cast<ssize_t>(k);
}

TEST(Driver, ReadErrorInTheMiddleEndsTheRunWithAMessage) {
    int chiamate = 0;
    cookie_io_functions_t funzioni = {leggiPoiFallisci, nullptr, nullptr, nullptr};
    azzeraLuci();
    impostaBlocco(64);
    fileMA = fopencookie(&chiamate, "r", funzioni);
    ASSERT_NE(fileMA, nullptr);
    apriFlusso(fileMA);
    fileX = std::fopen(percorsoCodice, "w");
    apriUscita(fileX);
    testing::internal::CaptureStdout();
    const int stato = convertiScena("scena.ma", percorsoCodice);
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_EQ(stato, 1);
    EXPECT_EQ(console, "Trovato un nuovo nodo:\n\"spotLight1\";\nErrore di lettura del file scena.ma \n");
    // What was read before the error is kept.
    EXPECT_NE(leggiFile(percorsoCodice).find("spotLight1.Position.y = 5.000000f;"), std::string::npos);
    std::remove(percorsoCodice);
}
#endif

}  // namespace
