//Maya ASCII 2008 scene
//Name: luce.ma
requires maya "2008";
currentUnit -l centimeter -a degree -t film;
createNode transform -s -n "persp";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 28 21 28 ;
createNode camera -s -n "perspShape" -p "persp";
	setAttr -k off ".v" no;
	setAttr ".fl" 34.999999999999993;
createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 0 5 0 ;
	setAttr ".r" -type "double3" -90 0 0 ;
createNode spotLight -n "spotLightShape1" -p "spotLight1";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 1 0.5 0.5 ;
	setAttr ".ca" 40;
	setAttr ".pa" 5;
createNode lightLinker -n "lightLinker1";
	setAttr -s 2 ".lnk";
connectAttr "spotLightShape1.ltd" ":lightList1.l" -na;
// End of luce.ma
