//Maya ASCII 2024 scene
//Name: nomi_strani.ma
//Names no Maya scene holds, but a file may: a quote, a backslash, a comment's end,
//question marks, a tab, in a name written in a C comment and in a C string.
createNode transform -n "a\"b\\c*/d??/e	f";
	setAttr ".t" -type "double3" 1 2 3 ;
createNode pointLight -n "luce" -p "a\"b\\c*/d??/e	f";
