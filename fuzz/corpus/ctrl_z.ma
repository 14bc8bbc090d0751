createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 1 2 3 ;
	setAttr ".r" -type "double3" 0 0 0 ;

createNode transform -n "spotLight2";
	setAttr ".t" -type "double3" 4 5 6 ;
	setAttr ".r" -type "double3" 0 0 0 ;
