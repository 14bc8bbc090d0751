//Maya ASCII 2024 scene
// Statement heads spelled nearly as Maya writes them: a space doubled, a tab,
// a character glued on, one token more before the name, a statement glued to
// the visibility one or to a statement's closing semicolon, a setAttr doubled
// before a rotate. Each reads as its tokens read one at a time.
createNode transform -n a b "spotLight1";
	setAttr ".t" -type "double3" 9 9 9 ;
createNode transform -n a "spotLight1";
	setAttr ".t"  -type "double3" 1 2 3 ; ;
	setAttr ".r" -type	"double3" 90 0 0 ;
createNode spotLight -nX "spotLightShape1" -p "spotLight1";
	setAttr ".cl" -type "float3"X 0.5 0.25 1 ;
	setAttr ".ca" 40;
createNode transform  -n "spotLight2";
	setAttr ".r" -type "double3" 4 5 6 ;
createNode spotLight -n "spotLightShape2" -p "spotLight2";
	setAttr -k off ".v";
	setAttr ".t" -type "double3" 7 8 9 ;
	setAttr ".cl" -type "float3" 1 0 0 ;
	setAttr -k off ".v";setAttr ".ca" 30;
	setAttr -k off  ".v";
	setAttr ".pa" 2;
createNode transform -n "spotLight3";
	setAttr ".t" -type "double3"x 4 5 6 ;
createNode transform -n "spotLight4";
	setAttr ".t" -type "double3" 1 1 1 ;createNode transform -n "spotLight5";
createNode transform -n "spotLight6";
	setAttr ".t" -type "double3" 2 2 2 ;
	setAttr setAttr ".r" -type "double3" 10 20 0 ;
createNode spotLight -n "spotLightShape6" -p "spotLight6";
	setAttr ".ca" 25;createNode transform -n "spotLight7";
	setAttr ".pa" 3;
	setAttr ".ca" 35;
createNode transform -n "spotLight8";
	setAttr ".t" -type "double3" 3 3 3 ;
	setAttr ".r" -type "double3" 45 0 0 ;
// the end of the scene, far enough from the last statements for their heads
// to be taken
