#pragma once
// The line over the search window's result list: how many species it lists and, when it lists
// none, why.

#include "calc/search/search.h"

#include <cstddef>
#include <string>

namespace rusrina {

// "663 件".
std::string resultCountText(std::size_t count);

// One line that says why the criteria list no species: moves chosen with no learn method or no
// edition ticked, the one criterion that alone leaves nothing, or else the criterion whose
// removal would list something. Empty when the criteria list a species.
std::string emptyResultReason(const SearchCriteria& criteria);

} // namespace rusrina
