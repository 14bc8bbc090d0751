//Maya ASCII 2024 scene
//Name: parole_incollate.ma
//Statements with no white space between a keyword and a string, nor between
//strings and flags: MEL ends a word where a string begins, so these are
//the statements they would be with spaces.
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
createNode"transform"-n"tenda";
setAttr".t"-type"double3"1 2 3;
createNode"pointLight"-n"lume"-p"tenda";
createNode transform -n "x";select -ne"tenda";setAttr ".ty" 5;
createNode//a comment right after the keyword
	spotLight -n "faretto" -p "tenda";
