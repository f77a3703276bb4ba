#include <iostream>

#include "features/mainmenu.h"

int main() {
  std::ios::sync_with_stdio(false);
  return runprogram(std::cin, std::cout);
}
