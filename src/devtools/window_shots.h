#pragma once
// The guide's pictures of the launcher, the search, detail, IV judge and edit windows, and of finding a name by
// typing and of the reason an empty search gives: each window built on a settings file of its own,
// driven with real key and mouse events, and grabbed with the list a chooser has open painted over
// it.

class QDir;

namespace rusrina {

// Writes top_window.png, search_window.png, search_reason.png, detail_window.png,
// iv_judge_window.png, iv_judge_trained.png, entry_edit_window.png and find_by_typing.png into
// `out`; false when one could not be written.
bool writeWindowPictures(const QDir& out);

} // namespace rusrina
