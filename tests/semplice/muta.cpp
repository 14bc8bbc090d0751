// Copies a file with a few random byte changes (replaced, dropped, doubled,
// or a white-space byte put in), for comparing readers on damaged scenes.
// usage: muta SEED CHANGES < in > out
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) return 1;
    std::mt19937 rng(static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)));
    const int cambi = std::atoi(argv[2]);
    std::string s;
    for (int c; (c = std::getchar()) != EOF;) s.push_back(static_cast<char>(c));
    const char speciali[] = " \n\t\r\0\x1a;\"-.e";
    for (int i = 0; i < cambi && !s.empty(); ++i) {
        const std::size_t dove = rng() % s.size();
        switch (rng() % 4) {
            case 0: s[dove] = static_cast<char>(rng()); break;
            case 1: s.erase(dove, 1); break;
            case 2: s.insert(dove, 1, s[dove]); break;
            default: s[dove] = speciali[rng() % (sizeof speciali - 1)];
        }
    }
    std::fwrite(s.data(), 1, s.size(), stdout);
    return 0;
}
