#pragma once
// A command of the tool: its entry in the dispatcher's table, what it gets when called, and
// the handlers, each in the file of its name.

#include <QStringList>
#include <ostream>

#include "tool/Base.h"

namespace tool {

struct Call;

struct Command {
    const char* name;
    const char* usage;    // after "ordlykta NAME"
    const char* summary;  // one line, translated when shown
    const char* example;  // a full command line
    int (*run)(Call& call);
};

// "Usage: ordlykta NAME USAGE"; without a command, the launcher's.
QString usageLine(const Command* command);

// What a command gets: its entry, its arguments (the first is its name) and the streams.
struct Call {
    const Command& command;
    QStringList arguments;
    std::ostream& out;
    std::ostream& err;
};

int where(Call& call);
int show(Call& call);
int exportLists(Call& call);
int importLists(Call& call);
int backup(Call& call);
int backups(Call& call);
int restore(Call& call);
int check(Call& call);
int window(Call& call);
int review(Call& call);
int due(Call& call);
int history(Call& call);
int progress(Call& call);
int testDay(Call& call);

}  // namespace tool
