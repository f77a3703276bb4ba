#include "features/settransformer.h"

void comparesets(int*, int*, int*, int*, int*) {}
void mapontoself(int*) {}
