//Maya ASCII 2016 scene
// Rename statements that end in their own token: each is over at once, and
// the translate after it reads as it would without it. Then a rename whose
// flag ends it, and a token that only begins with the word.
createNode transform -n "spotLight1";
	rename;
	setAttr ".t" -type "double3" 3 42 313 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr ".ca" 20;
createNode transform -n "spotLight2";
	rename -uid;
	setAttr ".t" -type "double3" 1 2 3 ;
createNode transform -n "spotLight3";
	renamed;
	setAttr ".t" -type "double3" 7 8 9 ;
