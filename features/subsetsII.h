#pragma once
// Main-menu entries 2 and 3: combining subsets, and subsets of supersets.

void subsetstuff(int* primealg);
void yanksubsets(int* primealg);
