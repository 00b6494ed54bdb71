/*
    Compiles the bundle's entry points once into the test binary, as a plug-in does.
*/
#include <AAX_Exports.cpp>
