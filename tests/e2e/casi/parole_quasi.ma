//Maya ASCII 2008 scene
// Near misses: every keyword one character short, or with its last character
// changed. None of them matches; the real keywords after them do.
createNod transform -n "spotLight9";
createNode transfor -n "spotLight9";
createNode transform -n "spotLigh9";
	setAttr ".t" -type "double3" 7 7 7 ;
createNode transform -n "spotLight1";
	setAttr ".tx" 5;
	setAttr ".rx" 1;
createNode transform -n "spotLight2";
	setAttr ".t" -type "double3 9 9 9 "double3" 1 2 3 ; ;
	setAttr ".r" -type "double3 4 4 0 "double3" 1 1 0 ;
createNode spotLight -n "spotLightShape2" -p "spotLight2";
	setAttr ".cla" -type "float3" 9 9 9 ;
	setAttr ".cl" -type "float3 8 8 8 "float3" 0.5 0.25 1 ;
	setAttr ".cam" 9;
	setAttr ".pam" 9;
	setAtt ".ca" 9;
	setAttr ".ca" 30;
	setAttr ".pa" 2;
createNode spotLigh -n "spotLightShape3";
	setAttr ".ca" 9;
createNode transform -n "fine";
createNode transform -n "spotLight3";
	renam -uid "1A2B";
	setAttr ".t" -type "double3" 5 5 5 ;
