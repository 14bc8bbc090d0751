//Maya ASCII 2024 scene
//Name: ordini_di_rotazione.ma
//Six spot lights turned 90 about x and 90 about y, one per rotate order:
//the order alone sends each light's beam another way.
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "xyz";
	setAttr ".t" -type "double3" 1 2 3 ;
	setAttr ".r" -type "double3" 90 90 0 ;
createNode spotLight -n "xyzShape" -p "xyz";
	setAttr -k off ".v";
createNode transform -n "yzx";
	setAttr ".r" -type "double3" 90 90 0 ;
	setAttr ".ro" 1;
createNode spotLight -n "yzxShape" -p "yzx";
createNode transform -n "zxy";
	setAttr ".r" -type "double3" 90 0 90 ;
	setAttr ".ro" 2;
createNode spotLight -n "zxyShape" -p "zxy";
createNode transform -n "xzy";
	setAttr ".r" -type "double3" 0 90 90 ;
	setAttr ".ro" 3;
createNode spotLight -n "xzyShape" -p "xzy";
createNode transform -n "yxz";
	setAttr ".r" -type "double3" 90 90 0 ;
	setAttr -k on ".ro" 4;
createNode spotLight -n "yxzShape" -p "yxz";
createNode transform -n "zyx";
	setAttr ".r" -type "double3" 0 90 90 ;
	setAttr ".ro" 5;
createNode spotLight -n "zyxShape" -p "zyx";
createNode transform -n "zxy45";
	setAttr ".r" -type "double3" 45 30 0 ;
	setAttr ".ro" 2;
createNode spotLight -n "zxy45Shape" -p "zxy45";
