#pragma once
#include <QString>

namespace mirevo::web {

// The postcode search page the "Web" buttons beside postcode fields open.
QString postcodeSearch();
// The login page of the Green Site portal.
QString greenSite();

} // namespace mirevo::web
