//Maya ASCII 2008 scene
requires maya "2008";
setAttr ".ca" 40;
