//Maya ASCII 2008 scene
// Where a light transform is read by itself, a node statement may begin: a
// group with no statement of its own before a light, a light with no rotate
// or no statement at all before its shape, statements with no closing ';'.
// Each is read as a statement of its own.
requires maya "2008";
createNode transform -n "lampade";
createNode transform -n "spotLight1" -p "lampade";
	setAttr ".r" -type "double3" 0 1 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr ".cl" -type "float3" 1 0.5 0.25 ;
createNode transform -n "spotLight2";
	setAttr ".t" -type "double3" 1 2 3 ;
createNode spotLight -n "spotLightShape2" -p "spotLight2";
	setAttr ".cl" -type "float3" 0.5 0.5 1 ;
	setAttr ".ca" 35;
	setAttr ".pa" 2.5;
createNode transform -n "spotLight3";
createNode spotLight -n "spotLightShape3" -p "spotLight3";
	setAttr ".ca" none;
createNode transform -n "spotLight4";
	setAttr ".t" -type "double3" 4 5 6 ;
createNode transform -n "pCube1";
createNode spotLight -n "spotLightShape4" -p "spotLight4";
	setAttr ".ca" 45;
createNode transform;
createNode transform -n "spotLight5";
	setAttr ".t" -type "double3" 7 8 9
createNode spotLight -n "spotLightShape5" -p "spotLight5";
	setAttr ".pa" 3
createNode transform -n "pCube2";
createNode transform -n "spotLight6";
	setAttr ".t" -type "double3" 0 0 0 ; ;
createNode spotLight -n "spotLightShape6" -p "spotLight6";
	setAttr ".ca" 50;
createNode transform -n "spotLight7";
	setAttr ".t" -type "double3" 1 1 1 ; ;
	setAttr
createNode spotLight -n "spotLightShape7" -p "spotLight7";
	setAttr ".ca" 60;
createNode transform -n "spotLight8";
	setAttr
createNode spotLight -n "spotLightShape8" -p "spotLight8";
	setAttr ".ca" 65;
createNode transform -n "spotLight9";
	setAttr ".t" -type "double3" 2 2 2 ;
createNode mesh -n "spotLightShape9" -p "spotLight9";
	setAttr ".ca" 99;
createNode spotLight -n "spotLightShape9b";
	setAttr ".ca" 70;
