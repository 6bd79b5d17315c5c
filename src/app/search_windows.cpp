#include "app/search_windows.h"

#include "settings/settings_file.h"
#include "ui/detail/detail_window.h"
#include "ui/search/search_window.h"

namespace rusrina {
namespace {

// The search window writes whether its species detail was open, just before it lets it go.
constexpr SettingKey kDetailShown = shownKey("DataView", Stored::Always);

} // namespace

SearchWindows::SearchWindows(SettingsFile& settings) : m_settings(settings) {
    m_detail = std::make_unique<DetailWindow>(settings);
    m_detail->showTool(settings.read(kDetailShown) != 0 ? ShowCommand::Show : ShowCommand::Hide);
    m_search = std::make_unique<SearchWindow>(settings);
    m_search->setOwnedTool(m_detail.get());
    m_detail->setOpenedFrom(m_search.get());
    QObject::connect(m_search.get(), &SearchWindow::speciesRequested, m_detail.get(), &DetailWindow::showSpecies);
}

SearchWindows::~SearchWindows() {
    m_search.reset();
    m_settings.write(kDetailShown, m_detail->isOpen() ? 1 : 0);
    m_detail.reset();
}

} // namespace rusrina
