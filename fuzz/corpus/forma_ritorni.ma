//Maya ASCII 2008 scene
// The ways the shape handler hands control back: a value followed at once by
// the next attribute, by a createNode (second chance: only a transform goes
// on), and a createNode met while looking for setAttr (node start: a shape
// goes on too).
createNode spotLight -n "s1";
	setAttr ".cl" -type "float3" 1 0 0 ".ca" 10 ".pa" 1 ".cl" -type "float3" 0 1 0 ;
	setAttr ".pa" 2 createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 1 1 1 ; ;
	setAttr ".r" -type "double3" 3 0 0 ;
createNode spotLight -n "s3";
	setAttr ".ca" 5 createNode spotLight -n "s4";
	setAttr ".ca" 6;
createNode spotLight -n "s5";
	setAttr ".ca" 7;
createNode spotLight -n "s6";
	setAttr ".ca" 8;
createNode spotLight -n "s7";
	setAttr ".cl" -type "float3" 0 0 1 createNode transform -n "spotLight2";
