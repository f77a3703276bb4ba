#pragma once
// Main-menu entry 6: the similarity menu.

void altvecsim(int* primealg);
