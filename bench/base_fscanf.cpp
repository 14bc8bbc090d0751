// The baseline the converter is measured against: one formatted scan per
// token, doing nothing with the tokens.
#include <cstdio>

static char token[500000];

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    std::FILE* f = std::fopen(argv[1], "r");
    if (f == nullptr) return 1;
    unsigned long long tokens = 0;
    while (std::fscanf(f, "%499999s", token) == 1) ++tokens;
    std::fclose(f);
    std::printf("%llu tokens\n", tokens);
    return 0;
}
