// The help's unit lists, written from the catalogue's page records in the
// help source markup (HelpSource.h), so that the help names every unit of
// every page exactly as the page shows it and never falls behind the
// catalogue: a topic "units" that leads to one topic per group of pages, in
// tab order, each listing every page's units in reading order.
#pragma once

#include <string>

namespace unitora::help {

std::string UnitListSource();

}  // namespace unitora::help
