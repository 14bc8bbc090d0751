#!/usr/bin/env bash
# Deliberate slips, one at a time: each is applied to a copy of the sources,
# the program is rebuilt and the end-to-end cases are run (for slips in the
# token stream and the number writer, the unit tests and the number check
# too); every slip must make some test fail, or be marked equivalent below
# with the reason it cannot change any output. Run by hand after changing the
# scanner (about 15 minutes):
#   tests/mutanti.sh
# or only the slips whose description matches an extended regular expression:
#   tests/mutanti.sh build 'rename|second chance'
# The slips: every keyword's comparison length one shorter and one longer;
# each way the dispatcher and the handlers hand control over, and when a
# light is current; rename statements; the driver's refusals; the window and
# token ends, the masked copy, both node searches and what stands before the
# keyword, and what a refill closes; the statements taken at once and their
# descriptions; the name look-ahead passed over in place; the number
# grammar's digit count, exponent and midpoint test; the writer's ties and
# digit layout.
set -u
cd "$(dirname "$0")/.."
build=${1:-build}
filtro=${2:-}
copia=$(mktemp -d)
trap 'rm -rf "$copia"' EXIT
cp -r src include CMakeLists.txt README.md LICENSE bench tests examples fuzz man cmake debian "$copia"/ 2>/dev/null
cmake -S "$copia" -B "$copia/build" -DMA2D3D_TESTS=ON > /dev/null || exit 1
cmake --build "$copia/build" -j2 > /dev/null 2>&1 || exit 1
mancati=0; prese=0; equivalenti=0
# A build with AddressSanitizer, made the first time a slip needs it: for a
# slip whose only effect is a read past the buffer.
asan() {
  [ -d "$copia/build-asan" ] && return 0
  cmake -S "$copia" -B "$copia/build-asan" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMA2D3D_SANITIZE=address,undefined -DMA2D3D_TESTS=ON > /dev/null &&
    cmake --build "$copia/build-asan" -j2 > /dev/null 2>&1
}
prova() {  # FILE SED-EXPRESSION DESCRIPTION [tutti: unit tests and number check too; asan: those under ASan;
           #   compila: a slip the compiler must refuse; luci: ma2d3d-luci's tests]
  local file=$copia/$1 bersagli=ma2d3d prove='^e2e\.' costruzione=$copia/build
  [ -z "$filtro" ] || grep -qE "$filtro" <<< "$3" || return 0
  if [ "${4:-}" = tutti ] || [ "${4:-}" = asan ]; then
    bersagli="ma2d3d ma2d3d_test verifica_numeri"; prove='^(e2e\.|unit$|numeri_come_printf$)'
  fi
  if [ "${4:-}" = luci ]; then
    bersagli="ma2d3d-luci ma2d3d_test"; prove='^(luci\.|unit$)'
  fi
  if [ "${4:-}" = asan ]; then asan || exit 1; costruzione=$copia/build-asan; fi
  cp "$file" "$copia/originale"
  sed -i "$2" "$file"
  if cmp -s "$file" "$copia/originale"; then
    echo "not applied: $3"; mancati=$((mancati + 1))
  elif ! cmake --build "$costruzione" --target $bersagli -j2 > /dev/null 2>&1; then
    if [ "${4:-}" = compila ]; then
      echo "caught (does not build): $3"; prese=$((prese + 1))
    else
      echo "does not build: $3"; mancati=$((mancati + 1))
    fi
  elif [ "${4:-}" = compila ]; then
    echo "MISSED (builds): $3"; mancati=$((mancati + 1))
  elif ctest --test-dir "$costruzione" -R "$prove" -E tagliato -j2 > /dev/null 2>&1; then
    echo "MISSED: $3"; mancati=$((mancati + 1))
  else
    echo "caught: $3"; prese=$((prese + 1))
  fi
  cp "$copia/originale" "$file"
}
# A slip that cannot change any output, with the reason; it is not run.
equivalente() {  # DESCRIPTION REASON
  [ -z "$filtro" ] || grep -qE "$filtro" <<< "$1" || return 0
  echo "equivalent: $1 ($2)"; equivalenti=$((equivalenti + 1))
}
P=src/scanner/parole.h
F_=src/scanner/flusso/flusso.h
sed -i '/if (lunghezza != N - 1) throw/d' "$copia/$F_"
# Every keyword of the one list, its comparison length one shorter and one
# longer.
grep -o 'X([A-Z_0-9]*, ".*", [0-9]*)' "$P" > "$copia/parole"
[ -s "$copia/parole" ] || { echo "no keyword list in $P"; exit 1; }
while IFS= read -r voce; do
  n=${voce##*, }; n=${n%)}; testa=${voce%, *}
  chiave=$(printf '%s' "$testa" | sed 's/[][\\/.*^$]/\\&/g')
  prova $P "s/$chiave, $n)/$chiave, $((n - 1)))/" "${testa#*, } $n one shorter"
  prova $P "s/$chiave, $n)/$chiave, $((n + 1)))/" "${testa#*, } $n one longer"
done < "$copia/parole"
prova $P 's/X(SET_ATTR, "setAttr", 7)/X(SET_ATTR, "setAtrt", 7)/' "a keyword misspelled in its one list"
D=src/scanner/dispatcher.cpp; F=src/scanner/forma.cpp; T=src/scanner/trasformazione.cpp; S=src/scanner/passi.cpp
I=src/scanner/passi.h
prova $D '/Ritorno secondaChance() {/,/^}/s/if (corrisponde(token, NODO_TRASFORMAZIONE.tipo)) return gestisciTrasformazione(0);/(void)0;/' "second chance never hands a transform on"
prova $D 's/ritorno == INIZIO_NODO ? inizioNodo() : secondaChance()/ritorno == INIZIO_NODO ? inizioNodo() : FINE_CHIAMATA/' "second chance return ends the call"
prova $F 's/return SECONDA_CHANCE;/return INIZIO_NODO;/' "second chance return taken as node start"
prova $D '/Ritorno inizioNodo() {/,/^}/s/return SECONDA_CHANCE;/return FINE_CHIAMATA;/' "a node type that is neither light's gets no second chance"
prova $F 's/return INIZIO_NODO;/return SECONDA_CHANCE;/' "node start return taken as second chance"
prova $F 's/return INIZIO_NODO;/return FINE_CHIAMATA;/' "node start return taken as the end"
prova $F '/scriviNumeroLetto(RANGE);/{n;d}' "no read after the cone angle"
prova $F '/scriviNumeroLetto(FALLOFF);/{n;d}' "no read after the penumbra angle"
prova $S '/scriviNumeroLetto(static_cast<Proprieta>(prima + 2));/{n;d}' "no read after three values"
prova $S 's/scriviNumeroLetto(static_cast<Proprieta>(prima + 2));/scriviNumeroLetto(static_cast<Proprieta>(prima + 1));/' "the third of three values written as the second"
prova $S "s/if (nomeluce\[0\] != '\\\\0') scriviProprieta/scriviProprieta/" "a shape writes with no current light"
prova $I '/^    nomeluce\[0\] = /d' "a transform that is not a light keeps the current light"
prova $T '/^        spegni();/{n;/return uscita();/{x;d}}' "a transform read a token at a time keeps the current light"
prova $T '/if (passaTokenSenza(/{n;n;d}' "a transform told in place keeps the current light"
prova $S 's/if (inizia(token, a) || inizia(token, b)) return true;/if (inizia(token, a)) return true;/' "a read-until for two keywords stops at the first only"
equivalente "a keyword's first byte not tested before the whole" "corrisponde compares that byte too"
prova src/scanner/parole.h 's/SGUARDO_NOME = {3, NOME_LUCE, CREATE_NODE, SET_ATTR};/SGUARDO_NOME = {3, NOME_LUCE, CREATE_NODE, CREATE_NODE};/' "name look-ahead does not stop at setAttr"
prova $T 's/scriviIntero(nomeluce + sizeof TESTA - 1, n)/scriviIntero(nomeluce + sizeof TESTA - 2, n)/' "light numbers written over the name's last letter"
prova $T 's/, n) - nomeluce);/, n) - nomeluce) + 1;/' "light names one character too long"
prova $T 's/tries >= s.tokens/tries >= s.tokens + 1/' "name look-ahead of four tokens"
prova $T 's/tries >= s.tokens/tries >= s.tokens - 1/' "name look-ahead of two tokens"
prova $P 's/SGUARDO_NOME = {3,/SGUARDO_NOME = {2,/' "name look-ahead of two tokens, both ways"
# A createNode the transform handler reads by itself is handed on, at every
# place where it may be read; rename statements are read past.
prova $T '/        spegni();/{n;s/return uscita();/return FINE_CHIAMATA;/}' "name look-ahead swallows a createNode"
prova $T '0,/if (corrisponde(token, CREATE_NODE)) return INIZIO_NODO;/s//(void)0;/' "translate swallows a createNode"
prova $T '/Rotate: /{n;n;n;n;s/if (corrisponde(token, CREATE_NODE)) return INIZIO_NODO;/(void)0;/}' "rotate's first read swallows a createNode"
prova $T '/if (!corrisponde(token, SET_ATTR)) return uscita();/s/uscita()/FINE_CHIAMATA/' "rotate's second read swallows a createNode"
prova $T '/if (rotazione == ALTRO_ATTRIBUTO) return uscita();/s/uscita()/FINE_CHIAMATA/' "rotate's attribute read swallows a createNode"
prova $T 's/if (corrisponde(token, RENAME)) {/if (false) {/' "no rename statement read past"
prova $T '/if (!leggiOltreIstruzione()) return uscita();/{n;d}' "no fresh read after a rename statement"
prova $T 's/if (!leggiOltreIstruzione()) return uscita();/if (!leggiOltreIstruzione()) return FINE_CHIAMATA;/' "a createNode in a rename statement swallowed"
prova $T '/bool leggiOltreIstruzione() {/,/^}/{/CREATE_NODE/d}' "a rename statement read past a createNode"
prova $T "s/token\[n - 1\] == ';'/token[0] == ';'/" "a rename statement ends at a token that begins with ';'"
prova $T 's/^bool leggiOltreIstruzione() {$/bool leggiOltreIstruzione() { if (leggiToken(token) == FINE_FLUSSO) return false;/' "a rename statement searched for its end from the token after rename"
prova $D '/Ritorno inizioNodo() {/,/^}/s/return gestisciTrasformazione(0);/{ gestisciTrasformazione(0); return FINE_CHIAMATA; }/' "node start ends the call after a transform read a token at a time"
prova $D 's/if (prendiTesta(token, NODO_TRASFORMAZIONE.testa)) return gestisciTrasformazione(1);/if (prendiTesta(token, NODO_TRASFORMAZIONE.testa)) { gestisciTrasformazione(1); return FINE_CHIAMATA; }/' "node start ends the call after a transform taken at once"
prova $D '/Ritorno secondaChance() {/,/^}/s/return gestisciTrasformazione(0);/{ gestisciTrasformazione(0); return FINE_CHIAMATA; }/' "second chance ends the call after a transform"
prova $D 's/^Ritorno inizioNodo() {$/Ritorno inizioNodo() { numero = 0.0f;/' "the last number reset at every node start"
R=src/driver/driver.cpp
prova $R 's/if (argc != 3) {/if (argc < 3) {/' "more than two arguments taken"
RF=src/driver/rifiuto.cpp; PI=src/driver/piattaforma.cpp
prova $RF 's/if (scenaMaya(percorsoCodice)) return SCENA_MAYA;//' "a code path naming another scene overwritten"
prova $PI 's/char inizio\[sizeof INTESTAZIONE - 1\];/char inizio[sizeof INTESTAZIONE - 2];/' "eleven bytes of the Maya header"
prova $RF 's/prossimiSono("FOR4", 4) || prossimiSono("FOR8", 4)/prossimiSono("FOR4", 4)/' "a FOR8 binary scene converted"
prova $RF 's/prossimiSono("FOR4", 4) || prossimiSono("FOR8", 4)/prossimiSono("FOR", 3)/' "a binary scene told by three bytes"

# The token stream and the number writer. The builds on other instruction
# sets (without SSE2, on aarch64) run the same tests in CI.
W=src/scanner/flusso/token.cpp; V=src/scanner/flusso/vettori.h; K=src/scanner/flusso/token.cpp
N=src/scanner/flusso/nodo.cpp; U=src/scanner/flusso/numero.cpp; L=src/scanner/flusso/valore.h
B=src/scanner/flusso/blocco.cpp; O=src/output/formato.cpp
equivalente "window: the end at the read position counts" "then no token starts before that end, the length wraps past 16 and the slow path reads the token"
prova $W 's/const unsigned lunghezza = termine - inizio;/const unsigned lunghezza = termine - inizio - 1;/' "window: token one byte short" tutti
prova $W 's/if (lunghezza >= 32) return false;/if (lunghezza > 32) return false;/' "window: a 32-byte token cut from it" tutti
prova $W 's/if (lunghezza >= 16) {/if (lunghezza > 16) {/' "window: a 16-byte token stored as a short one" tutti
prova $W 's/copiaBreve(dest + 16, da + 16, lunghezza - 16);/copiaBreve(dest + 16, da + 16, lunghezza - 17);/' "window: a 16- to 31-byte token one byte short" tutti
equivalente "window: the read position one past the token end" "the byte at a token's end is white space, which the next read skips anyway"
prova $W 's/f.fini = bianchi \& (f.pieni << 1);/f.fini = bianchi \& (f.pieni >> 1);/' "window: token ends before tokens" tutti
prova $W 's/FINESTRA_LETTA = FINESTRA + 16;/FINESTRA_LETTA = FINESTRA;/' "window: opened 16 bytes nearer the block's end (the masked copy drops what is read past it, so only AddressSanitizer sees it)" asan
prova $V 's/(TIENI + 16 - k)/(TIENI + 15 - k)/' "masked copy keeps one byte more" tutti
prova $V "s/('\\\\r' - '\\\\t' + 1)/('\\\\r' - '\\\\t')/" "white space bitmap without carriage return" tutti
prova $K 's/copiaBreve(dest + n, f.buf + f.pos, k);/copiaBreve(dest + n, f.buf + f.pos, k - (k > 0));/' "long token copy: the last bytes of the token dropped" tutti
prova $K 's/        n += 16;/        n += 15;/' "long token copy: 16 bytes copied, 15 counted" tutti
prova $N 's/return (k == da || spazio(b\[k - 1\]))/return (spazio(b[k - 1]))/' "node search: a token at the read position needs white space before it" tutti
prova $N 's/return (k == da || spazio(b\[k - 1\]))/return (true)/' "node search: glued node keywords found" tutti
prova $N 's/f.nodi \& (~std::uint64_t{0} << scarto)/f.nodi/' "region ahead: keywords before the read position" tutti
prova $N 's/f.pos = j;/f.pos = j + 2;/' "next bytes: the general search starts past the last white byte" tutti
prova $N 's/inizio = spazio(f.buf\[limite - 1\]);/inizio = true;/' "general search: a keyword across a refill taken as after white space" tutti
prova $N 's/std::memcmp(f.buf + i, parola.testo, n) == 0/std::memcmp(f.buf + i, parola.testo, n - 1) == 0/' "general search: nine bytes of the keyword" tutti
prova $N 's/if (k + parola.lunghezza < f.tenuti \&\& spazio(f.buf\[k + parola.lunghezza\])) {/if (k + parola.lunghezza < f.tenuti) {/' "node token: a glued tail dropped" tutti
prova $B 's/    f.finestra = f.regione = CHIUSA;  \/\/ the bytes move/    f.finestra = CHIUSA;/' "a refill leaves the region ahead open" tutti
prova $B 's/    f.finestra = f.regione = CHIUSA;  \/\/ the bytes move/    f.regione = CHIUSA;/' "a refill leaves the window open" tutti
prova $B 's/return f.pos + n <= f.tenuti \&\& std::memcmp(f.buf + f.pos, testo, n) == 0;/return f.pos + n <= f.tenuti \&\& std::memcmp(f.buf + f.pos, testo, n - 1) == 0;/' "the stream's next bytes compared one short" tutti
prova $T 's/s.tokens - tries/s.tokens - 1 - tries/' "name look-ahead in place: one token short"
equivalente "name look-ahead in place: one token long" "the extra token is passed over only when it is neither the light's name nor a createNode, and the driver's node search passes over such a token too"
prova $K 's/if (inizia(t, a) || inizia(t, b)) return false;/if (inizia(t, a)) return false;/' "name look-ahead in place: a createNode passed over" tutti
prova $K 's/if (inizia(t, a) || inizia(t, b)) return false;/if (inizia(t, b)) return false;/' "name look-ahead in place: a light's name passed over" tutti
prova $K 's/if (--n <= 0 || /if (--n < 0 || /' "name look-ahead in place: one token more" tutti
prova $K 's/ || inizia(t, ultima)) {/) {/' "name look-ahead in place: no stop at setAttr" tutti
prova $K 's/da = pieni \& (~std::uint32_t{0} << termine);/da = pieni \& (~std::uint32_t{0} << (inizio + 1));/' "name look-ahead in place: a token's tail taken for the next token" tutti
prova $K 's/if (f.pos + 48 > f.tenuti) return false;/if (f.pos + 32 > f.tenuti) return false;/' "name look-ahead in place: a token tested on bytes past the block (only AddressSanitizer sees it)" asan
prova $K 's/            f.pos += termine;/            f.pos += inizio;/' "name look-ahead in place: its last token left unread" tutti
prova $K 's/f.pos += testa.lunghezza - 1;/f.pos += testa.lunghezza - 2;/' "statement head: the read position inside its last token" tutti
equivalente "statement head: a head over 16 bytes compared on its first 16 only" "the bits of its bytes past 16 then never match, so it is read a token at a time"
equivalente "statement head: the read position past the space after it" "that space is white, which the next read skips anyway"
prova $K 's/if ((~uguali \& testa.bit) != 0) return false;/if ((~uguali \& testa.bit >> 1) != 0) return false;/' "statement head: the space after its last token not compared" tutti
prova $K 's/if (f.pos + TESTA_MASSIMA > f.tenuti) return false;/if (f.pos + 16 > f.tenuti) return false;/' "statement head: compared with fewer than 32 bytes in the block" asan
prova $F_ "s/^    t.testo\[t.lunghezza++\] = dopo;/    (void)0;/" "statement heads without the space or line end after the last token" tutti
prova $D 's/return gestisciTrasformazione(1);/return gestisciTrasformazione(0);/' "a transform head's flag not counted in the name look-ahead"
prova $T 's/leggiAttributo(TRASLAZIONE)/leggiAttributo(ROTAZIONE)/' "a rotate statement taken for the translate"
prova $T 's/leggiAttributo(ROTAZIONE)/leggiAttributo(TRASLAZIONE)/' "a translate statement taken for the rotate"
prova $F 's/leggiAttributo(COLORE)/leggiAttributo(TRASLAZIONE)/' "a translate statement taken for the colour"
prova $P 's/COLORE = attributo(ATTR_COLORE, TIPO_FLOAT3);/COLORE = attributo(ATTR_COLORE, TIPO_DOUBLE3);/' "the colour statement described with \"double3\""
prova $P "s/CHIUDE_VALORI = testa(\" \", {\";\"}, '\\\\n');/CHIUDE_VALORI = [] { Testa t = testa(\" \", {\";\"}, '\\\\n'); t.bit >>= 1; return t; }();/" "the values' end head: the line end after its semicolon not compared" tutti
prova $P "s/CHIUDE_NUMERO = testa(\"\", {\";\"}, '\\\\n');/CHIUDE_NUMERO = [] { Testa t = testa(\"\", {\";\"}, '\\\\n'); t.bit >>= 1; return t; }();/" "the number's end head: the line end after its semicolon not compared" tutti
prova $P 's/testa("\\n\\t", {SET_ATTR.testo, ATTR_ROTAZIONE.testo}, /testa("\\n\\t", {SET_ATTR.testo}, /' "a rotate after a translate: its setAttr alone taken for its head" tutti
prova $F 's/            leggiChiusura(CHIUDE_NUMERO);/            leggiToken(token); leggiToken(token);/' "a number's end head: one token too many read after it"
prova $F 's/if (prendiTesta(token, VISIBILITA)) continue;/if (prendiTesta(token, COLORE.testa)) continue;/' "a colour head taken for the visibility statement"
equivalente "candidate search: the third byte not tested" "every candidate is then compared whole"
equivalente "region ahead: the keyword's second byte marked" "no node token starts at one, and the next-bytes search finds what the region would have"
equivalente "region ahead opened 33 bytes past a node" "the next-bytes search covers what the region would have"
prova $U 's/CIFRE_INTERE = 19;/CIFRE_INTERE = 20;/' "in-place number: 20 digits gathered in 64 bits" tutti
prova $U 's/if (esponente > ESPONENTE_LIMITE) esponente = ESPONENTE_LIMITE;/if (esponente > 10) esponente = 10;/' "number: exponent capped at two digits" tutti
prova $U 's/if (!breve \&\& p + k >= limite) {/if (!breve \&\& p + k > limite) {/' "in-place number: the byte at its limit read (only AddressSanitizer sees it at the block's end)" asan
prova $U 's/        if (!intera) ++dopoPunto;/        ++dopoPunto;/' "in-place number: integer digits counted after the point" tutti
prova $U 's/            if (veloce != INDECISO) return veloce;/            (void)veloce;/' "number: the usual one read again byte at a time" tutti
prova $U 's/(bianchi >> inizio) != 0 ? numeroNelBlocco<true>/true ? numeroNelBlocco<true>/' "in-place number: read without bounds where no white byte follows it within 16 bytes" tutti
equivalente "in-place number: always read with bounds" "the bounds then tested are never reached; only speed is lost"
prova $U "s/if (c == 'e' || c == 'E') {/if (c == 'e') {/" "number: a capital E exponent not read" tutti
prova $L 's/if ((bit \& 0x1fffffffu) == 0x10000000u) return false;//' "one double operation: no midpoint test" tutti
prova $O '0,/(resto == meta \&\& (n \& 1) != 0)/s//(resto == meta)/' "writer, 64-bit path: ties away from zero" tutti
prova $O '0,/(resto == meta \&\& (n \& 1) != 0)/s//(resto == meta \&\& false)/' "writer, 64-bit path: ties toward zero" tutti
prova $O '/e < 0 \&\& e >= -127/,$s/(resto == meta \&\& (n \& 1) != 0)/(resto == meta)/' "writer, 128-bit path: ties away from zero" tutti
prova $O 's/if (n >= 10) {/if (n > 10) {/' "writer: an integer part that begins with 10, past two digits, written as one digit" tutti
prova $O 's/std::size_t cifre = 3;/std::size_t cifre = 2;/' "writer: an integer part of three digits or more counted one short" tutti
prova $O 's/} else if (n < 100) {/} else if (n <= 100) {/' "writer: an integer part of 100 taken for two digits" tutti
prova $O 's/429497u/429496u/' "writer: the decimals' multiplier rounded down" tutti
prova $O '0,/y = (y \& 0xffffffffu) \* 100;/s//y = y * 100;/' "writer: the middle decimals taken with the first pair still above" tutti
prova $O 's/ \&\& (prodotto >> (64 - e)) == 0)/)/' "writer: 64-bit path for products that overflow" tutti
prova $O 's/if (assoluto < 4.0e9 \&\& static_cast<double>(static_cast<float>(assoluto)) == assoluto)$/if (assoluto < 4.0e9)/' "writer, float path: taken by values a float does not hold" tutti
prova $O 's/(assoluto \* 1e6 + DUE_ALLA_52) - DUE_ALLA_52;/assoluto * 1e6;/' "writer, float path: millionths cut instead of rounded" tutti
prova $O 's/if (std::fabs(valore) < 4.0e9f)/if (std::fabs(valore) < 1.0e14f)/' "writer, the scene's floats: the float path taken up to 1e14, where millionths pass 2^63" tutti
equivalente "writer, the scene's floats: the float path taken up to 4e10" "floats from 2^23 up are integers, whose millionths stay exact and below 2^63 up to 9.2e12"
equivalente "writer, big integers: six digits all after the point" "big integers only write values below 2^-74 (the one digit 0) or of over 2^63 millionths (19 digits or more)"
prova $O 's/std::memcpy(p, cifre + n - 6, 6);/std::memcpy(p, cifre + n - 7, 6);/' "writer, big integers: the decimals taken one place early" tutti
C=src/output/codice.cpp; H=src/output/codice.h
prova $C '/^char\* spazioPer() {/,/^}/{s/^    if (USCITA - uscita.piena < RIGA_MASSIMA) consegna();/    char* p = uscita.testo + uscita.piena;\n&/;s/^    return uscita.testo + uscita.piena;/    return p;/}' "output buffer: the write pointer taken before the hand-over" tutti
prova $H '/X(RANGE, ".Range = ", true)/d' "a property missing from the one list" compila
prova $H 's/X(POSITION_Y, ".Position.y = ", false)/X(POSITION_Y, ".Position.y = ", true)/' "a group of three closed after its second" compila
prova $H 's/X(DIFFUSE_G, ".Diffuse.g = ", false)  /X(DIFFUSE_G, ".Diffuse.r = ", false)/' "two labels of a colour alike" compila

# ma2d3d-luci: the matrix, the scene, the header and the statement reader.
M=src/luci/matrice.cpp; N=src/luci/scena.cpp; Q=src/luci/intestazione.cpp; R=src/luci/lettore.cpp
prova $M 's/{{0, 1, 2}, {1, 2, 0}, {2, 0, 1}/{{0, 1, 2}, {2, 1, 0}, {2, 0, 1}/' "rotate order yzx taken as zyx" luci
prova $M 's/    m.m\[2\]\[0\] = v\[1\];/    m.m[0][2] = v[1];/' "shear xz above the diagonal" luci
prova $M '/if (t.giunto) {/,/return m;/{/if (!nullo(t.jo))/d}' "a joint's orient left out" luci
prova $M '0,/        trasla(m, t.sp, -1.0);/s//        trasla(m, t.sp, 1.0);/' "scale about the pivot's opposite" luci
prova $M 's/if (q == 0.0 || q == 90.0 || q == 180.0 || q == 270.0) {/if (false) {/' "right angles' sines from sin and cos" luci
prova $N 's/        if (!nodo(n).visibile) return false;/        if (n == -2) return false;/' "visibility ignored" luci
prova $N 's/            scena.corrente = risolvi(lettore.voce, lettore.lunghezza);/            scena.corrente = -1;/' "select -ne selects nothing" luci
prova $N 's/    if (b.valore == ANGOLO \&\& scena.radianti) v \*= 180.0 \/ PI;//' "radians taken as degrees" luci
prova $N "s/    return percorso\[0\] != '|' || su < 0;/    return true;/" "an absolute path's root not checked" luci
prova $N 's/^    aggiungiAttributo(a, lungo, "", gruppo, -1);//' "a vector's long name unknown" luci
prova $N 's/    if (fin > fuori) indicizzaTutti();.*//' "older nodes left out of the index when a name is not among the newest" luci
prova $N 's/    for (std::int32_t i = tutti - 1; i >= fin; --i)/    for (std::int32_t i = tutti - 1; i > fin; --i)/' "the oldest of the nodes outside the index never looked at" luci
prova $N 's/    for (std::size_t i = scena.indicizzati; i < n; ++i) {/    for (std::size_t i = n; i-- > scena.indicizzati;) {/' "the index built newest first, so that its buckets list the oldest first" luci
prova $Q 's/        theta = limitato(penombra >= 0 ? cono : cono + 2 \* penombra);/        theta = limitato(cono);/' "a negative penumbra widens Theta" luci
prova $Q 's/    if (l.decadimento >= 2) attenuazione/    if (l.decadimento == 2) attenuazione/' "cubic decay written as none" luci
prova $Q 's/        if (l.diffusa) diffusa\[i\] = c;/        diffusa[i] = c;/' "emit diffuse off ignored" luci
prova src/luci/luci.cpp 's/std::string(percorsoCodice) + ".ma2d3d-luci.tmp"/std::string(percorsoCodice)/' "the header written in place" luci
prova $R '/the byte it escapes is text/{n;n;s/^        ++l.p;$//}' "an escaped byte in a passed-over string taken as text" luci
B=src/scanner/flusso/blocco.cpp
prova $B '/^        stringa ^= stringa << 32;$/d' "quotes counted over only the first 32 of 64 bytes" tutti
prova $B 's/^        prima = (stringa >> 63) != 0 ? ~std::uint64_t{0} : 0;/        prima = 0;/' "a string left open at a 64-byte step taken as closed" tutti
prova $B "s/ | byte16(p + i, '\/');/;/" "a slash not ending a word in the 16-byte scan" tutti
prova src/scanner/flusso/vettori.h 's/_mm_or_si128(_mm_cmpeq_epi8(x, vc), _mm_cmpeq_epi8(x, vd))/_mm_cmpeq_epi8(x, vc)/' "a backslash unseen in 64 clean bytes" tutti
prova src/scanner/flusso/flusso.h 's/dopo == 0 ? static_cast<float>(w) :/dopo == 0 ? static_cast<float>(w) \/ 10 :/' "a whole number divided by ten" tutti
prova $R '/^Genere leggiStringaBreve() {/,/^}/s/^    l.p = q + 1;/    l.p = q;/' "an attribute's closing quote, found at once, left unread" luci
prova $N 's/    if (!prendi(" ") || !prendiParola("transform")) {/    if (!prendi(" ") || !prendiParola("transform") || true) {/' "the type transform taken at once and then read again" luci
prova src/output/formato.cpp 's/    std::memcpy(cifre + 5, COPPIE + 2 \* (basso4 \/ 100), 2);/    std::memcpy(cifre + 5, COPPIE + 2 * (basso4 % 100), 2);/' "a float's sixth and seventh digits from the wrong pair" tutti

echo "$prese caught, $mancati not caught, $equivalenti equivalent"
[ "$mancati" = 0 ]
