//Maya ASCII 2008 scene
requires maya "2008";
createNode spotLight -n "spotLightShape0";
	setAttr ".ca" 12;
createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 1 2 3 ;
	setAttr ".r" -type "double3" 0 0 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 1 0.5 0.5 ;
	setAttr ".ca" 40;
	setAttr ".pa" 5;
createNode spotLight -n "spotLightShape1b" -p "spotLight1";
	setAttr ".cl" -type "float3" 0.25 0.75 1
	setAttr ".ca" 60;
	setAttr ".pa" 7 ;
createNode spotLight -n "spotLightShape1c";
	setAttr ".pa" 5
createNode spotLight -n "spotLightShape2" -p "spotLight2";
	setAttr ".ca" 99;
createNode spotLight -n "spotLightShape3";
	setAttr ".ca" abc;
	setAttr ".dms" yes;
createNode mesh -n "m";
	setAttr ".ca" 1;
createNode spotLight -n "last";
	setAttr ".ca" 8;
	setAttr ".pa" 2;
