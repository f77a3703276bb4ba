#include "features/setmappings.h"

#include "console/funnel.h"
#include "pelantor/chart.h"
#include "reports/chart.h"

void showmappings() {
  mwrite(pelantor::text::chart(pelantor::mapping_chart()).c_str());
}
