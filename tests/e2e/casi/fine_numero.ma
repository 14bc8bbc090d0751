createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 4 5 6