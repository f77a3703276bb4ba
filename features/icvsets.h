#pragma once
// Main-menu entry 4: set classes from interval-class vectors.

void createbyivec(int* primealg);
