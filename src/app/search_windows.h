#pragma once
// The search window and the species detail window it brings up: a click on a result row shows the
// species in the detail window, and the detail window follows the search window's minimise and
// restore. Neither knows the other; they are wired here.

#include <memory>

namespace rusrina {

class DetailWindow;
class SearchWindow;
class SettingsFile;

class SearchWindows {
public:
    // The detail window shown or hidden as it was at the last exit, then the search window
    // (hidden) with its first search.
    explicit SearchWindows(SettingsFile& settings);
    // The search window's keys first, then whether the detail window was open and its own keys.
    ~SearchWindows();
    SearchWindows(const SearchWindows&) = delete;
    SearchWindows& operator=(const SearchWindows&) = delete;

    SearchWindow& searchWindow() const { return *m_search; }
    DetailWindow& detailWindow() const { return *m_detail; }

private:
    SettingsFile& m_settings;
    std::unique_ptr<DetailWindow> m_detail;
    std::unique_ptr<SearchWindow> m_search;
};

} // namespace rusrina
