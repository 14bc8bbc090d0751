requires maya "2008";
createNode spotLight -n "spotLightShape1";
