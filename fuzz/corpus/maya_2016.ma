//Maya ASCII 2016 scene
//Name: rinominate.ma
// Scenes saved by Maya 2016 and later: a rename statement right after every
// node statement. The lights read as they would without it.
requires maya "2016";
createNode transform -n "spotLight1";
	rename -uid "4A34309D-46E7-A6C0-B39E-83BEEFCDB91F";
	setAttr ".t" -type "double3" 0 12.5 -3 ;
	setAttr ".r" -type "double3" -75 0 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	rename -uid "50C2389E-48F2-19EC-79A1-5D8C83613203";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 1 0.89999998 0.75 ;
	setAttr ".ca" 45;
	setAttr ".pa" 4.5;
createNode transform -n "spotLight2";
	rename -uid "6E1B1A3C-4F2D-11E8-9C2D-FA7AE01BBEBC";
createNode spotLight -n "spotLightShape2" -p "spotLight2";
	rename -uid "0D3E4A51-4B7C-9A2E-11F0-6C1D2E3F4A5B";
	setAttr ".ca" 30;
createNode transform -n "spotLight3" -p "lampade";
	rename -uid "48B39513-C348-72AD-6175-4290B817274D";
	setAttr ".t" -type "double3" 5 5 5 ;
createNode spotLight -n "spotLightShape3" -p "spotLight3";
	rename -uid "4CC0B3CD-DA46-3473-5FEF-5C9A75438EEB";
	setAttr ".pa" 1;
createNode transform -n "spotLight4";
	renameAttr "ombra" "penombra";
	setAttr ".t" -type "double3" 1 -1 0.5 ;
createNode spotLight -n "spotLightShape4" -p "spotLight4";
	setAttr ".ca" 20;
createNode transform -n "spotLight5";
	rename -uid
createNode spotLight -n "spotLightShape5" -p "spotLight5";
	setAttr ".ca" 25;
createNode transform -n "spotLight6";
	rename -uid "7C1E2D3F-45AD-514A-916D-10A115BB1F11" ;
	setAttr ".t" -type "double3" 6 6 6 ;
	setAttr ".r" -type "double3" 0 0 0 ;
