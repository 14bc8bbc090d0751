// The vector primitives against the byte-at-a-time definitions they stand
// for, on whichever body this build compiled (SSE2, NEON or portable): every
// byte value in every lane, random blocks, and every length of short copy.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "scanner/flusso/vettori.h"

namespace {

TEST(Vettori, WhiteSpaceOfEveryByteInEveryLane) {
    unsigned char blocco[80];
    for (int c = 0; c < 256; ++c)
        for (unsigned lane = 0; lane < 64; ++lane) {
            for (unsigned char& b : blocco) b = 'x';
            blocco[lane] = static_cast<unsigned char>(c);
            const bool bianco = c == ' ' || (c >= '\t' && c <= '\r');
            EXPECT_EQ(bianchi64(blocco), bianco ? std::uint64_t{1} << lane : 0) << c << " in lane " << lane;
            if (lane < 16) {
                EXPECT_EQ(bianchi16(blocco), bianco ? 1u << lane : 0u) << c << " in lane " << lane;
            }
        }
}

TEST(Vettori, BytesPairsAndWhiteSpaceOfRandomBlocks) {
    std::mt19937 rng(5);
    const unsigned char alfabeto[] = {'c', 'r', 'e', ' ', '\t', '\n', '\r', '\v', '\f', 0, 0x80, 0xff, 'x'};
    unsigned char blocco[80];
    for (int prova = 0; prova < 20000; ++prova) {
        for (unsigned char& b : blocco) b = alfabeto[rng() % sizeof alfabeto];
        std::uint64_t bianchi = 0, coppie = 0, ci = 0;
        for (unsigned i = 0; i < 64; ++i) {
            bianchi |= static_cast<std::uint64_t>(spazio(blocco[i])) << i;
            coppie |= static_cast<std::uint64_t>(blocco[i] == 'c' && blocco[i + 1] == 'r') << i;
            ci |= static_cast<std::uint64_t>(blocco[i] == 'c') << i;
        }
        ASSERT_EQ(bianchi64(blocco), bianchi) << "block #" << prova;
        ASSERT_EQ(byte64(blocco, 'c'), ci) << "block #" << prova;
        ASSERT_EQ(byte16(blocco + 5, 'c'), static_cast<unsigned>(ci >> 5) & 0xffffu) << "block #" << prova;
        ASSERT_EQ(coppia64(blocco, 'c', 'r'), coppie) << "block #" << prova;
        ASSERT_EQ(coppia16(blocco + 3, 'c', 'r'), static_cast<unsigned>(coppie >> 3) & 0xffffu) << "block #" << prova;
        if (bianchi != 0) {
            unsigned primo = 0;
            while (((bianchi >> primo) & 1) == 0) ++primo;
            ASSERT_EQ(primoBit(bianchi), primo);
        }
    }
}

TEST(Vettori, ShortCopyKeepsKBytesThenZeros) {
    unsigned char da[32];
    for (unsigned i = 0; i < 32; ++i) da[i] = static_cast<unsigned char>(0xa0 + i);
    for (unsigned k = 0; k < 16; ++k) {
        char dest[20];
        for (char& b : dest) b = '#';
        copiaBreve(dest, da + 1, k);
        for (unsigned i = 0; i < 16; ++i)
            EXPECT_EQ(static_cast<unsigned char>(dest[i]), i < k ? da[1 + i] : 0) << "k " << k << " byte " << i;
        for (unsigned i = 16; i < 20; ++i) EXPECT_EQ(dest[i], '#') << "k " << k << " wrote past 16 bytes";
    }
}

}  // namespace
