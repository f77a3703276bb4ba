// The one road from a measure number to its value.

#include "core/intervals.h"
#include "similarity/measures.h"

double relatesets(bitvec set1, bitvec set2, int measure) {
  switch (measure) {
    case msatsim:
      return satsim(set1, set2);
    case mtsatsim:
      return tsatsim(set1, set2);
    case mpercentsatsim:
      return percentsatsim(set1, set2);
    case mcsatsim:
      return csatsim(set1, set2);
    case mpercentsatpercentsim:
      return percentsatpercentsim(set1, set2);
    case madjpercentsatpercentsim:
      return adjpercentsatpercentsim(set1, set2);
    case mavgsatsimn:
      return avgsatsimn(set1, set2);
    case masim:
      return asim(set1, set2);
    case micvsim:
      return icvsim(set1, set2);
    case misim:
      return isim(set1, set2);
    case matmemb:
      return atmemb(set1, set2);
    case mrel:
      return rel(set1, set2);
    case memb:
      return setinclude(set1, set2);
    case mcov:
      return cov(set1, set2);
    case mpcycsatsim:
      return pcycsatsim(set1, set2);
    case mangle:
      return angle(set1, set2);
    default:
      return 0.0;
  }
}
