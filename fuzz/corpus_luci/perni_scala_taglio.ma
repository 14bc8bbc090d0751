//Maya ASCII 2024 scene
//Name: perni_scala_taglio.ma
//A group with every attribute of Maya's transform matrix set: scale and
//shear about a scale pivot, rotate axis and rotate about a rotate pivot, both
//pivots' translations, and a translate. A spot light and a point light under
//it, the point light's own transform moved off the group's origin.
requires maya "2024";
currentUnit -l centimeter -a degree -t film;
createNode transform -n "gruppo";
	setAttr ".t" -type "double3" 1 2 3 ;
	setAttr ".r" -type "double3" 0 90 0 ;
	setAttr ".s" -type "double3" 2 3 4 ;
	setAttr ".sh" -type "double3" 0.5 0 0 ;
	setAttr ".sp" -type "double3" 1 1 1 ;
	setAttr ".spt" -type "double3" 0.25 0 0 ;
	setAttr ".rp" -type "double3" 0 1 0 ;
	setAttr ".rpt" -type "double3" 0 0 0.5 ;
	setAttr ".ra" -type "double3" 0 0 90 ;
createNode transform -n "faro" -p "gruppo";
	setAttr ".r" -type "double3" -90 0 0 ;
createNode spotLight -n "faroShape" -p "faro";
	setAttr ".ca" 30;
	setAttr ".pa" 5;
createNode transform -n "lampada" -p "gruppo";
	setAttr ".t" -type "double3" 1 0 -1 ;
createNode pointLight -n "lampadaShape" -p "lampada";
	setAttr ".cl" -type "float3" 1 0.5 0.25 ;
	setAttr ".in" 2;
	setAttr ".de" 2;
