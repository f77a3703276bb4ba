#include "features/icvsets.h"

void createbyivec(int*) {}
