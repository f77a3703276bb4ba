#include "similarity/comparesets.h"

void altvecsim(int*) {}
