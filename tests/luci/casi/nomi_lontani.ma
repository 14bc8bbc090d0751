//Maya ASCII 2024 scene
//Name: nomi_lontani.ma
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "gruppo";
	setAttr ".t" -type "double3" 1 0 0 ;
createNode transform -n "base";
	setAttr ".t" -type "double3" 0 0 5 ;
createNode transform -n "gruppo" -p "base";
	setAttr ".t" -type "double3" 0 2 0 ;
createNode transform -n "riempi1";
createNode transform -n "riempi2";
createNode transform -n "riempi3";
createNode transform -n "riempi4";
createNode transform -n "riempi5";
createNode transform -n "riempi6";
createNode transform -n "riempi7";
createNode transform -n "riempi8";
createNode transform -n "riempi9";
createNode transform -n "riempi10";
createNode transform -n "riempi11";
createNode transform -n "riempi12";
createNode transform -n "riempi13";
createNode transform -n "riempi14";
createNode transform -n "riempi15";
createNode transform -n "riempi16";
createNode transform -n "riempi17";
createNode transform -n "riempi18";
createNode transform -n "riempi19";
createNode transform -n "riempi20";
// Both groups named "gruppo" lie far behind: the newer one, under base, is meant.
createNode pointLight -n "luceShape" -p "gruppo";
