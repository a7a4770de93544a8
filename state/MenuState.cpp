#include "state/MenuState.h"

#include <algorithm>

#include "text/Text.h"

namespace state {

std::size_t MenuState::index(int language) {
    return static_cast<std::size_t>(std::clamp(language, 1, store::kLanguageCount) - 1);
}

bool MenuState::load() {
    const bool existed = store::settingsExist();
    store::Settings settings;
    if (existed) {
        settings = store::loadSettings();
    } else {
        store::createSettings();
        settings = store::defaultSettings();
    }
    language_ = settings.language;
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        lists_[i] = settings.lists[i];
        names_[i] = text::fromStore(settings.names[i]);
    }
    return existed;
}

void MenuState::save() const {
    store::Settings settings;
    settings.language = language_;
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        settings.lists[i] = lists_[i];
        settings.names[i] = store::cut(text::toStore(names_[i]));
    }
    store::saveSettings(settings);
}

int MenuState::list(int language) const {
    return lists_[index(language)];
}

const QString& MenuState::name(int language) const {
    return names_[index(language)];
}

void MenuState::setList(int list) {
    lists_[index(language_)] = list;
}

void MenuState::setName(int language, const QString& name) {
    names_[index(language)] = name;
}

}  // namespace state
