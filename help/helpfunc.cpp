#include "help/helpfunc.h"

void instruct(int*) {}
