//Maya ASCII 2016 scene
createNode transform -n "spotLight1";
	rename -uid "A";
	setAttr ".t" -type "double3" 1 2 3 ;
createNode spotLight -n "spotLightShape1";
	rename -uid "B";
	setAttr ".ca" 10;
createNode transform -n "spotLight2";
	rename
