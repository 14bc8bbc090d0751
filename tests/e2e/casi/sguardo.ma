//Maya ASCII 2008 scene
requires maya "2008";
createNode transform -n "grp1";
	setAttr ".t" -type "double3" 1 2 3 ;
createNode transform -n "grp1b";                                        
	setAttr ".t" -type "double3" 1 2 3 ;
createNode transform -n "grp2";createNode transform -n "spotLight1";
	setAttr ".t" -type "double3" 4 5 6 ;
createNode transform -n "grp3";
createNodeX transform -n "spotLight2";
	setAttr ".t" -type "double3" 7 8 9 ;
createNode transform -n "grp4"	"spotLightA";
	setAttr ".t" -type "double3" 1 1 1 ;
createNode transform -n "a_name_of_thirty_two_bytes_long" "spotLightB";
	setAttr ".t" -type "double3" 2 2 2 ;
createNode transform -n "grp5";
	setAttr ".t" -type "double3" 0 0 0 ;
createNode spotLight -n "spotLightShape9" -p "grp5";
	setAttr ".ca" 40;
createNode transform -n setAttr "spotLightC";
	setAttr ".t" -type "double3" 3 3 3 ;
createNode transform -n "grp6"; setAttrs "spotLightD";
	setAttr ".t" -type "double3" 4 4 4 ;
createNode transform -n"grp7";"spotLightE";
createNode transform -n -p "spotLightF";
	setAttr ".t" -type "double3" 5 5 5 ;
createNode spotLight -n "spotLightShapeF" -p "spotLightF";
	setAttr ".ca" 50;
createNode transform -n "a_name_of_thirty_two_bytes_long" x "spotLightG";
	setAttr ".t" -type "double3" 6 6 6 ;
// the end of the scene, far enough from the last node for its tokens to be
// told where they stand
