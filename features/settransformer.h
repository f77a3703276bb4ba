#pragma once
// Main-menu entries 5 and 7: operators between two sets, and set mappings.

void comparesets(int* primealg, int* includeI, int* includeM, int* includeMI, int* showall);
void mapontoself(int* primealg);
