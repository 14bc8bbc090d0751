// The block reader against the simple reader: random sequences of reads over
// generated and mutated scene text, at block sizes that put block edges
// everywhere, must give the same results, tokens, numbers and flags. A
// statement head the block reader takes at once must be the very tokens the
// simple reader reads one at a time, and so must a name look-ahead it tells
// in place.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "scanner/flusso/flusso.h"
#include "scanner/parole.h"
#include "scena_di_prova.h"
#include "semplice.h"

namespace {

// The node keyword as the simple reader's own interface holds a keyword,
// copied from the scanner's.
constexpr semplice::Parola nodoSemplice() {
    semplice::Parola p{};
    for (unsigned i = 0; i < CONFRONTO_MASSIMO; ++i) {
        p.testo[i] = CREATE_NODE.testo[i];
        p.maschera[i] = CREATE_NODE.maschera[i];
    }
    p.lunghezza = CREATE_NODE.lunghezza;
    return p;
}
constexpr semplice::Parola NODO_SEMPLICE = nodoSemplice();

char tokenBlocco[LUNGHEZZA_TOKEN];
char tokenSemplice[LUNGHEZZA_TOKEN];

// Pieces of scenes: every keyword (from the scanner's one list), then what
// stands around keywords and numbers.
const char* const altriPezzi[] = {
    "-type", "\"spotLight1\";", "-n", "-p", ";", "40;",
    "-38.5", "25", "0.5", "1e3", "1e", "1e+", "-.", "+", ".", "5.", "-0", "e7", "123456789",
    "0.000001", "99999999999999999999999999999999999999999", "\"pCube1\";", "\0", "\x1a", "x",
    "transform -n", "spotLight -n", "\".t\" -type \"double3\"", "\".r\" -type \"double3\"",
    "\".cl\" -type \"float3\"", "-k off \".v\";", "-k", "off", "\".v\";", "\"grp1\";", "\"spotLightShape1\"",
    "createNodeX", "\"spotLigh", "setAttrs", "setAtt", "\tsetAttr \".r\"", "\tsetAttr", "4.5;", ";\n",
};
std::vector<std::string> tuttiIPezzi() {
    std::vector<std::string> pezzi;
    for (const Parola* p : PAROLE) pezzi.emplace_back(p->testo);
    for (const char* p : altriPezzi) pezzi.emplace_back(p, *p ? std::strlen(p) : 1);
    return pezzi;
}
const std::vector<std::string> pezzi = tuttiIPezzi();

const Testa* const teste[] = {&NODO_TRASFORMAZIONE.testa, &NODO_FORMA.testa,  &TRASLAZIONE.testa,
                              &ROTAZIONE.testa,           &COLORE.testa,      &VISIBILITA,
                              &CHIUDE_VALORI,               &CHIUDE_NUMERO,       &ROTAZIONE_DOPO};

// The simple reader's tokens for a head the block reader took: each must be
// the head's next word.
void leggiTesta(const Testa& testa, int prova, int passo) {
    const std::string testo(testa.testo, testa.lunghezza);
    for (std::size_t da = testo.find_first_not_of(" \n\t"); da < testo.size();) {
        const std::size_t a = testo.find_first_of(" \n\t", da);
        ASSERT_EQ(semplice::leggiToken(tokenSemplice), 1) << "scene #" << prova << " step " << passo;
        ASSERT_EQ(testo.substr(da, a - da), tokenSemplice) << "scene #" << prova << " step " << passo;
        da = testo.find_first_not_of(" \n\t", a);
    }
}
// The simple reader's tokens for a name look-ahead the block reader passed
// over in place: none may be the light's name or a createNode, and they end
// at the n-th or at a setAttr. The block reader stores none of them and
// leaves its token buffer as it was, so the simple reader reads them into a
// buffer of their own and leaves its token buffer as it was too.
char sguardoSemplice[LUNGHEZZA_TOKEN];
void leggiSguardo(int n, int prova, int passo) {
    for (int letti = 1;; ++letti) {
        ASSERT_EQ(semplice::leggiToken(sguardoSemplice), 1) << "scene #" << prova << " step " << passo;
        ASSERT_FALSE(corrisponde(sguardoSemplice, NOME_LUCE) || corrisponde(sguardoSemplice, CREATE_NODE))
            << "scene #" << prova << " step " << passo << ": " << sguardoSemplice;
        if (letti == n || corrisponde(sguardoSemplice, SET_ATTR)) break;
    }
}
const char spazi[] = {' ', '\n', '\t', '\r', '\v', '\f'};

std::string scenaCasuale(std::mt19937& rng) {
    std::string s;
    const int n = static_cast<int>(rng() % 200);
    for (int i = 0; i < n; ++i) {
        s += pezzi[rng() % pezzi.size()];
        if (rng() % 4 != 0) s.push_back(spazi[rng() % sizeof spazi]);
    }
    // Mutations: flipped, dropped and doubled bytes.
    const int mutazioni = static_cast<int>(rng() % 4);
    for (int i = 0; i < mutazioni && !s.empty(); ++i) {
        const std::size_t dove = rng() % s.size();
        switch (rng() % 3) {
            case 0: s[dove] = static_cast<char>(rng()); break;
            case 1: s.erase(dove, 1); break;
            default: s.insert(dove, 1, s[dove]);
        }
    }
    return s;
}

TEST(Confronto, BlockReaderMatchesTheSimpleReader) {
    std::mt19937 rng(20261207);
    // Blocks shorter than the in-place paths need, and blocks just long enough
    // for them, so that their bounds fall everywhere.
    const std::size_t blocchi[] = {16, 17, 19, 31, 48, 64, 81, 100, 4096};
    for (int prova = 0; prova < 3000; ++prova) {
        const std::string scena = scenaCasuale(rng);
        const std::size_t blocco = blocchi[prova % (sizeof blocchi / sizeof *blocchi)];
        const unsigned semeOperazioni = static_cast<unsigned>(rng());

        impostaBlocco(blocco);
        std::FILE* a = fileCon(scena);
        std::FILE* b = fileCon(scena);
        apriFlusso(a);
        semplice::apriFlusso(b);
        std::mt19937 operazioni(semeOperazioni);
        tokenBlocco[0] = tokenSemplice[0] = '\0';
        for (int passo = 0; passo < 400; ++passo) {
            int ra = 0, rb = 0;
            float na = -1, nb = -1;
            switch (operazioni() % 5) {
                case 0:
                    ra = leggiToken(tokenBlocco);
                    rb = semplice::leggiToken(tokenSemplice);
                    break;
                case 1:
                    ra = leggiTokenCon(tokenBlocco, CREATE_NODE);
                    rb = semplice::leggiTokenCon(tokenSemplice, NODO_SEMPLICE);
                    break;
                case 2:
                    ra = leggiNumero(&na);
                    rb = semplice::leggiNumero(&nb);
                    break;
                case 3: {
                    const int n = 1 + static_cast<int>(operazioni() % 3);
                    if (passaTokenSenza(NOME_LUCE, CREATE_NODE, SET_ATTR, n)) {
                        leggiSguardo(n, prova, passo);
                        if (HasFatalFailure()) return;
                    }
                    break;
                }
                default: {
                    const Testa& testa = *teste[operazioni() % (sizeof teste / sizeof *teste)];
                    if (prendiTesta(tokenBlocco, testa)) leggiTesta(testa, prova, passo);
                    if (HasFatalFailure()) return;
                }
            }
            ASSERT_EQ(ra, rb) << "scene #" << prova << " step " << passo;
            ASSERT_STREQ(tokenBlocco, tokenSemplice) << "scene #" << prova << " step " << passo;
            ASSERT_EQ(std::memcmp(&na, &nb, sizeof na), 0) << "scene #" << prova << ": " << na << " " << nb;
            ASSERT_EQ(fineFlusso(), semplice::fineFlusso()) << "scene #" << prova << " step " << passo;
            ASSERT_EQ(interoDi(tokenBlocco), semplice::interoDi(tokenSemplice));
            if (ra == FINE_FLUSSO) break;
        }
        std::fclose(a);
        std::fclose(b);
    }
}

}  // namespace
