#pragma once
// What the menu chooses and every screen works on: the current language, the current list of
// each language, the three language names, and the language's pair total. Kept in the
// settings file agen.dat through store/; no widgets.

#include <QString>
#include <array>

#include "store/Settings.h"

namespace state {

class MenuState {
  public:
    // Reads the settings file. A missing file is created with the defaults first; then false.
    bool load();
    // Writes the settings record: the language names cut to the file's 30 characters.
    void save() const;

    int language() const { return language_; }
    // The current list of the current language, or of another language 1..3.
    int list() const { return list(language_); }
    int list(int language) const;
    // The name of the current language, or of another language 1..3, as the user typed it.
    const QString& name() const { return name(language_); }
    const QString& name(int language) const;

    void setLanguage(int language) { language_ = language; }
    // Sets the current list of the current language.
    void setList(int list);
    void setName(int language, const QString& name);

    // Pairs in all lists of the current language, as the menu last counted them.
    int total() const { return total_; }
    void setTotal(int total) { total_ = total; }

  private:
    static std::size_t index(int language);

    int language_ = 1;
    std::array<int, store::kLanguageCount> lists_{1, 1, 1};
    std::array<QString, store::kLanguageCount> names_;
    int total_ = 0;
};

}  // namespace state
