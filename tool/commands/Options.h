#pragma once
// A command's options on top of Qt's parser: --data and --help for every command, a usage error
// for anything unknown.

#include <QCommandLineParser>

#include "tool/commands/Commands.h"

namespace tool {

class DataFolder;

class Options {
  public:
    explicit Options(Call& call);

    void add(const QCommandLineOption& option) { parser_.addOption(option); }
    // Throws UsageError for an unknown option or more than `positionals` arguments; returns
    // false after printing the command's help for --help.
    bool parse(int positionals = 0);

    bool isSet(const QString& name) const { return parser_.isSet(name); }
    QString value(const QString& name) const { return parser_.value(name); }
    QStringList positional() const { return parser_.positionalArguments(); }
    // --data, else the default data folder.
    QString dataFolder() const;

    // --language L for a command over one language or all.
    void addLanguage();
    // The language --language names in `folder`; 0, every language, without it.
    int language(const DataFolder& folder) const;

  private:
    Call& call_;
    QCommandLineParser parser_;
};

// Parses `arguments` (the first is the command's name); throws UsageError.
void parseArguments(QCommandLineParser& parser, const QStringList& arguments);

// Where the words are kept without --data: $XDG_DATA_HOME/ordlykta, else
// ~/.local/share/ordlykta.
QString defaultDataFolder();

// The option --data DIR and its description, shared with the start path.
QCommandLineOption dataOption();

}  // namespace tool
