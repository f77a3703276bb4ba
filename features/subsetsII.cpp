#include "features/subsetsII.h"

void subsetstuff(int*) {}
void yanksubsets(int*) {}
