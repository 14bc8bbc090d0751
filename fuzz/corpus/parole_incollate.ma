//Maya ASCII 2008 scene
// Every keyword with one more character glued after it: each still matches.
createNodeX transformX -n "spotLightKey";
	setAttrX ".t"x -type "double3"x 1 2 3 ; ;
	setAttrX ".r"x -type "double3"x 1 2 0 ;
createNodeX spotLightX -n "spotLightShape1" -p "spotLight1";
	setAttrX ".cl"x -type "float3"x 0.25 0.5 0.75 ;
	setAttrX ".ca"x 40 ;
	setAttrX ".pa"x 5 ;
createNode lightLinker -n "lightLinker1";
