#pragma once
// The names a player probably meant when what they typed names nothing: the nearest by edit
// distance (characters inserted, dropped or changed), counted in characters, not bytes, over the
// folded forms the choosers find by (name_fold.h), so that "garchmp", "Pikachuu" and "ぴかちゆう"
// each lie one step from a name.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rusrina::text {

// Edit distance between two UTF-8 texts, in characters.
int editDistance(std::string_view a, std::string_view b);

// The rows of `keys` nearest to `folded` (typed text folded as the keys are), closest first and in
// row order among equals, at most `limit`. A key may hold several names separated by '\n' (a
// name and its English name); its distance is its nearest name's. Only keys near enough to be a
// slip of the fingers count: one step for three or four characters typed, two for five or more,
// none for fewer.
std::vector<int> nearestKeys(std::span<const std::string> keys, std::string_view folded, std::size_t limit = 3);

// "もしかして：ピカチュウ、ピチュー"; empty for no names.
std::string didYouMeanText(std::span<const std::string> names);

} // namespace rusrina::text
